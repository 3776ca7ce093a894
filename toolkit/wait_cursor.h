// The system's wait cursor while long work runs inside the handling of one
// message (a job file being read into the tables or written out). It shows
// at once and goes when the outermost message handling has returned, that is
// when the program answers the user again.
#pragma once

// Shows the wait cursor, keeping the cursor it replaces.
void ShowWaitCursor();
// Puts the kept cursor back, if the wait cursor is showing. The shared
// window procedure calls it when the outermost message has been handled.
void EndWaitCursor();

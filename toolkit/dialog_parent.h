// The window that owns a modal dialog or message box shown by a component.
#pragma once

#include <windows.h>

// The application's current form, else its first child window; 0 (no owner)
// while there is no application window.
HWND DialogParent();

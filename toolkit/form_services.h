// Process-wide services that forms share: the private message by which a
// form tells the others that it moved, and the list of secondary form
// windows that receive it.
#pragma once

#include <windows.h>

class TStrListEx;

// Registered at program load under the name "inner message".
extern UINT InnerMessage;
// One entry per secondary form: an empty line whose object is the form's
// window handle. Exists from program load to program end.
extern TStrListEx* FormWindows;

// Posts InnerMessage to every window in FormWindows.
void PostInnerMessageToForms(WPARAM wParam, LPARAM lParam);

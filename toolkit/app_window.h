// The application window (hidden owner of the program's forms, with the
// taskbar entry and the system menu) and the form windows.
#pragma once

#include <string>

#include "toolkit/control.h"

// Class "App", a visible popup with caption, system menu and minimise box,
// ex-style WS_EX_APPWINDOW. Becomes AppWindow
// when there is none yet and sets AppWindowCreated. Its system menu has no
// maximize, move or size entries and a greyed restore entry; closing it from
// the system menu closes the main form instead.
TControl* CreateAppWindow(const std::string& caption);
// Class "Form" (double clicks); focuses its FocusedControl when activated,
// erases its background with its colour.
TControl* CreateFormWindow(TControl* parent, const std::string& caption);

// Controls whose window class comes from the common-control library (the
// list view): library set-up, and the notifications (WM_NOTIFY) that the
// parent receives and forwards to the control that sent them.
#pragma once

#include <cstdint>

#include "toolkit/control.h"

// Registers the common-control classes of `flags` (InitCommonControlsEx when
// the library has it, InitCommonControls otherwise).
void InitCommonControlClasses(uint32_t flags);
// Marks the control as a common control, attaches the handler for its
// standard notifications (click, right click, focus, Enter) and gives its
// parent the WM_NOTIFY forwarding handler.
void MakeCommonControl(TControl* control);

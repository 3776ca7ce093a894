// Shortcut keys. Before a key press reaches the focused control, the message
// loop offers it to the control's top-level window as the key preview
// message (wParam: the virtual key; lParam: the window the key was meant
// for). A handler of that window that takes the key answers non-zero, and
// the key goes no further. The modifier keys are read with
// CurrentShortcutModifiers while the preview runs.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/shortcut.h"

UINT KeyPreviewMessage();
// True when the key press was taken by a shortcut of its top-level window.
bool PreviewKey(const MSG& msg);
// kShortcut... bits of the modifier keys held with the key being handled.
uint8_t CurrentShortcutModifiers();
// The key preview message names this shortcut.
bool IsShortcutPreview(const TShortcut& shortcut, UINT message, WPARAM key);

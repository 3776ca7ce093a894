#include "core/dialog_parent.h"

// No application window exists yet, so dialogs have no owner.
HWND DialogParent() { return nullptr; }

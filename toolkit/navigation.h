// Keyboard focus movement between the controls of a form in tab order: Tab
// and Shift+Tab, the arrow keys and PageUp/PageDown, as far as each focused
// control's NavigationKeys let them leave it.
#pragma once

#include <cstdint>
#include <vector>

class TControl;

// Key classes, as NavigationKeys bits.
enum : uint8_t {
  kNavigateTab = 1,
  kNavigateLeftRight = 2,
  kNavigateUpDown = 4,
  kNavigatePage = 8,
};

// Installs the navigation procedure as NavigateProc of the control's form.
void EnableTabNavigation(TControl* control);

// Every control of the form's tab list with an order >= n moves up by one;
// then the control gets n.
void SetTabOrder(TControl* control, int32_t n);

// The form's tab list: every descendant that is a tab stop, enabled, visible
// (up to the form) and has the tab-stop style, by ascending TabOrder; equal
// orders keep their walk order.
std::vector<TControl*> TabList(TControl* form);

// Moves the focus to the next (or previous) control of the form's tab list,
// wrapping around. Returns the control that got the focus, or null.
TControl* MoveFocus(TControl* form, bool forward);

// The navigation procedure (a TNavigateProc): true when `key` leaves
// `control`; on a key-down the focus moves too.
bool NavigateByKey(TControl* control, uint32_t key, bool keyDown);

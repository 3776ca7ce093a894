// Making control objects. Each function returns a new TControl whose window
// is not created yet: it is created the first time its handle is needed, or
// with its parent's window.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/control.h"

// Edit options (CreateEditControl).
enum : uint32_t {
  kEditNoHScroll = 1 << 0,     // absent: horizontal scroll bar and auto scrolling
  kEditNoVScroll = 1 << 1,     // absent: vertical scroll bar and auto scrolling
  kEditLowerCase = 1 << 2,
  kEditMultiLine = 1 << 3,
  kEditNoHideSel = 1 << 4,
  kEditOemConvert = 1 << 5,
  kEditPassword = 1 << 6,
  kEditReadOnly = 1 << 7,
  kEditUpperCase = 1 << 8,
  kEditWantReturn = 1 << 9,
  kEditWantTab = 1 << 10,      // Tab does not leave the control
  kEditNumber = 1 << 11,
};

// A control object of any kind: InitWithParent, the native class name, and
// from the parent its navigation, 3-D look, margin, colours and cloned font
// and brush; bounds at the parent's margin, 64 x 64.
TControl* CreateControlObject(TControl* parent, const std::string& className, uint8_t ctl3dRequest);
// The same set-up on an object the caller allocated (a class derived from
// TControl).
void InitControlObject(TControl* control, TControl* parent, const std::string& className,
                       uint8_t ctl3dRequest);

// A child control: tab order from the parent's form, control id, the standard
// child handler.
TControl* CreateChildControl(TControl* parent, const std::string& className, uint32_t style,
                             const TControlActions& actions, uint8_t ctl3dRequest);
void InitChildControl(TControl* control, TControl* parent, const std::string& className,
                      uint32_t style, const TControlActions& actions, uint8_t ctl3dRequest);

// A static text; hidden while its text changes, repainted after every resize.
TControl* CreateLabelControl(TControl* parent, const std::string& caption);
// An edit box with the given kEdit... options.
TControl* CreateEditControl(TControl* parent, uint32_t editOptions);

// The window style that the edit options give (child, visible, border, tab
// stop included).
uint32_t EditStyleFromOptions(uint32_t editOptions);

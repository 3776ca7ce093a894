// Layout of children by alignment: top and bottom children first, then left
// and right, then the client child fills what remains, each inset by the
// parent's Margin.
#pragma once

#include <cstdint>

class TControl;

enum : uint8_t {
  kAlignNone = 0,
  kAlignLeft = 1,
  kAlignTop = 2,
  kAlignRight = 3,
  kAlignBottom = 4,
  kAlignClient = 5,
};

// Installs the aligner as AlignHook; unless the control takes no part in
// alignment, stores a changed alignment and re-aligns the parent.
void SetAlign(TControl* control, uint8_t align);

// The aligner: places the aligned children of `parent` in its client area.
void AlignChildren(TControl* parent);

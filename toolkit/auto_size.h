// Automatic sizing of a control to its caption: after every change of the
// caption or the font, the width and/or height become the text's extent plus
// the kind's extra width and height.
#pragma once

class TControl;

// On: OnTextChanged becomes the auto-size procedure, which runs at once.
// Off: OnTextChanged is cleared.
void SetAutoSize(TControl* control, bool on);

// The auto-size procedure (an OnTextChanged hook).
void AutoSizeControl(TControl* control);

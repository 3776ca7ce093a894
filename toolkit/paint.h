// Control painting: the OnPaint event, flicker-free painting through an
// off-screen buffer, and transparent controls painted by their buffered
// parent.
//
// A double-buffered control (its "buffered root": the outermost ancestor, the
// control included, with DoubleBuffered set) paints itself and all of its
// child windows into a memory bitmap and copies that to the screen in one
// step. Children inside a buffered root therefore never paint on the screen
// themselves: their paint requests are turned into a repaint of the root.
#pragma once

#include <windows.h>

#include "toolkit/control.h"

// Sets OnPaint and attaches the handler that answers WM_PAINT and WM_PRINT
// with it. While the event runs, PaintDC is the context to draw on and
// UpdateRegion the window's update region (null when it is empty).
void SetOnPaint(TControl* control, TPaintEvent handler);

// Sets DoubleBuffered and installs the three global hooks of buffered
// painting (they stay for the rest of the process).
void SetDoubleBuffered(TControl* control, bool on);

// Sets Transparent; switching it on makes the parent double-buffered.
void SetTransparent(TControl* control, bool on);

// The outermost ancestor (the control included) that is double-buffered, or
// null.
TControl* BufferedRoot(TControl* control);

// The cached buffer bitmap may serve an area that is no larger than the bitmap
// and at most this many pixels smaller in each direction.
constexpr int32_t kBufferSlack = 32;
bool BufferFits(int32_t bufferWidth, int32_t bufferHeight, int32_t width, int32_t height);

// The control's buffer bitmap, replaced by one of the area's size when the
// cached one does not fit it.
HBITMAP BufferBitmapFor(TControl* control, HDC compatible, int32_t width, int32_t height);

// The three global hooks, installed by SetDoubleBuffered.
bool BufferedPaintHandler(TControl* control, TMsg& msg, LRESULT& result);
void InvalidateBufferedRoot(TControl* control);
void SubclassNativeChildren(TControl* control);

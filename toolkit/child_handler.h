// The handler every child control gets: it keeps the form's focused control,
// turns reflected command notifications into the control's events and
// answers reflected colour requests with the control's colours.
#pragma once

#include "toolkit/control.h"

void AttachStandardChildHandler(TControl* control);

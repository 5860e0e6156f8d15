// The blinking status symbols: animated cursors built from the program's own ANICURSORS resources.
// The caller owns the handle it gets; a null handle means the resource could not be turned into one.
#pragma once

#include "framework/handles.h"

fw::CursorHandle LoadStatusCursor(int resourceId);

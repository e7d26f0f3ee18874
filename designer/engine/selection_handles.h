// The eight grab handles around a selected control and what dragging one does to its bounds.
#pragma once
#include <array>

#include "snap_guides.h"
#include "support/framework/geometry.h"

// Clockwise from the top-left corner.
enum TSelectionHandle { shTopLeft, shTop, shTopRight, shRight, shBottomRight, shBottom, shBottomLeft, shLeft, shNone = -1 };

// The handles of bounds, each size pixels square and centred on the edge it sits on.
std::array<TRect, 8> HandleRects(const TRect& bounds, int size);
// The handle at point, shNone when there is none; corners win where handles overlap.
TSelectionHandle HandleAt(const TRect& bounds, TPoint point, int size);
// Bounds with the edges the handle drags moved by delta, never smaller than one pixel.
TRect ResizeByHandle(const TRect& bounds, TSelectionHandle handle, TPoint delta);
// The edges a handle drags, for snapping them.
TGuideEdges EdgesOf(TSelectionHandle handle);

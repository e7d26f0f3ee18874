// Where aligning puts a selection of controls, as plain rectangles.
#pragma once
#include <cstdint>
#include <vector>

#include "support/framework/geometry.h"

// The align kinds of one axis, in the order the alignment dialog lists them.
enum TELDesignerAlignType : uint8_t {
    atNoChanges,       // leave the axis as it is
    atLeftTop,         // left (top) edges on the first selected control's
    atRightBottom,     // right (bottom) edges on the first selected control's
    atSpaceEqually,    // the two outermost stay, the rest are spread with equal gaps between
    atCenter,          // centres on the first selected control's centre
    atCenterInWindow,  // the selection's bounding box centred in the parent's client area
};

// The aligned rectangles of the selection (in selection order: the first one is the
// reference) within a parent client area of the given size. Sizes never change; kinds past
// the last change nothing.
std::vector<TRect> AlignRects(const std::vector<TRect>& rects, int horizontal, int vertical, TPoint parentSize);

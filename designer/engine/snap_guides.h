// Snapping a dragged rectangle to the edges and centres of its neighbours, with the lines
// that show what it snapped to.
#pragma once
#include <vector>

#include "support/framework/geometry.h"

struct TGuideLine {
    bool Vertical = true;  // a vertical line at X = Position, else a horizontal one at Y = Position
    int Position = 0;
    int From = 0, To = 0;  // its extent along the other axis
};

struct TGuideSnap {
    TPoint Offset;  // what to add to the rectangle to snap it
    bool SnappedX = false, SnappedY = false;
    std::vector<TGuideLine> Lines;
};

// Which edges of the moving rectangle may snap: all three lines of an axis when it moves,
// only the edges a resize drags otherwise.
struct TGuideEdges {
    bool Left = true, Right = true, Top = true, Bottom = true, Centres = true;
};

// Within distance pixels, the rectangle's edges (and centres) snap to the nearest edge or
// centre of a neighbour; each axis on its own.
TGuideSnap SnapToGuides(const TRect& moving, const std::vector<TRect>& neighbours, int distance,
                        const TGuideEdges& edges = {});

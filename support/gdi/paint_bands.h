// Splitting an area to be painted into bands of rows, so that the off-screen copy a band is
// drawn in stays small. Cuts fall between controls where they can, so that none is drawn twice.
#pragma once
#include <vector>

// The rows a control covers: from Top up to, not including, Bottom.
struct TRowSpan {
    int Top;
    int Bottom;
};

// The edges of the bands that rows [top, bottom) are painted in: top, each cut, bottom. No band is
// higher than maxHeight (at least 1). A cut goes where no control spans it, unless that would mean
// a cut at or above the band's top; then the band is maxHeight high.
std::vector<int> PaintBandEdges(int top, int bottom, int maxHeight, std::vector<TRowSpan> controls);

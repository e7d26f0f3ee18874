#include "snap_guides.h"

#include <algorithm>
#include <cstdlib>

namespace {
struct TAxisLines {
    int Low, High;
    int Centre() const { return (Low + High) / 2; }
};

struct TAxisMatch {
    bool Found = false;
    int Delta = 0;
    int Line = 0;
    const TRect* Neighbour = nullptr;
};

// The best match of one axis: the smallest move that puts one of the moving lines on one of
// a neighbour's lines.
TAxisMatch MatchAxis(TAxisLines moving, bool low, bool high, bool centre, const std::vector<TRect>& neighbours,
                     bool horizontal, int distance) {
    TAxisMatch best;
    auto consider = [&](int from, int to, const TRect& neighbour) {
        const int delta = to - from;
        if (std::abs(delta) > distance || (best.Found && std::abs(delta) >= std::abs(best.Delta))) return;
        best = {true, delta, to, &neighbour};
    };
    for (const TRect& n : neighbours) {
        const TAxisLines other = horizontal ? TAxisLines{n.Left, n.Right} : TAxisLines{n.Top, n.Bottom};
        for (int line : {other.Low, other.High, other.Centre()}) {
            if (low) consider(moving.Low, line, n);
            if (high) consider(moving.High, line, n);
            if (centre) consider(moving.Centre(), line, n);
        }
    }
    return best;
}

TGuideLine LineFor(bool vertical, int position, const TRect& a, const TRect& b) {
    if (vertical) return {true, position, std::min(a.Top, b.Top), std::max(a.Bottom, b.Bottom)};
    return {false, position, std::min(a.Left, b.Left), std::max(a.Right, b.Right)};
}
}  // namespace

TGuideSnap SnapToGuides(const TRect& moving, const std::vector<TRect>& neighbours, int distance, const TGuideEdges& edges) {
    TGuideSnap snap;
    const TAxisMatch x = MatchAxis({moving.Left, moving.Right}, edges.Left, edges.Right, edges.Centres, neighbours, true,
                                   distance);
    const TAxisMatch y = MatchAxis({moving.Top, moving.Bottom}, edges.Top, edges.Bottom, edges.Centres, neighbours, false,
                                   distance);
    TRect snapped = moving;
    if (x.Found) {
        snap.Offset.X = x.Delta;
        snap.SnappedX = true;
        snapped.Left += x.Delta;
        snapped.Right += x.Delta;
    }
    if (y.Found) {
        snap.Offset.Y = y.Delta;
        snap.SnappedY = true;
        snapped.Top += y.Delta;
        snapped.Bottom += y.Delta;
    }
    if (x.Found) snap.Lines.push_back(LineFor(true, x.Line, snapped, *x.Neighbour));
    if (y.Found) snap.Lines.push_back(LineFor(false, y.Line, snapped, *y.Neighbour));
    return snap;
}

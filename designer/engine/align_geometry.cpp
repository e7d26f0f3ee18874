#include "align_geometry.h"

#include <algorithm>
#include <numeric>

namespace {
// One axis of a rectangle, so that both axes share one piece of geometry.
struct TSpan {
    int Start, Size;
    int End() const { return Start + Size; }
};

TSpan SpanOf(const TRect& r, bool horizontal) {
    return horizontal ? TSpan{r.Left, r.Right - r.Left} : TSpan{r.Top, r.Bottom - r.Top};
}

void Place(TRect& r, bool horizontal, int start) {
    if (horizontal) {
        r.Right += start - r.Left;
        r.Left = start;
    } else {
        r.Bottom += start - r.Top;
        r.Top = start;
    }
}

// Equal gaps: ordered by their start, the first and the last keep their places and the others
// follow one another with the same gap, the remainder of the division going to the first gaps.
void SpaceEqually(std::vector<TRect>& rects, bool horizontal) {
    if (rects.size() < 3) return;
    std::vector<size_t> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return SpanOf(rects[a], horizontal).Start < SpanOf(rects[b], horizontal).Start;
    });
    const TSpan first = SpanOf(rects[order.front()], horizontal);
    const TSpan last = SpanOf(rects[order.back()], horizontal);
    int inner = 0;
    for (size_t i = 1; i + 1 < order.size(); ++i) inner += SpanOf(rects[order[i]], horizontal).Size;
    const int gaps = static_cast<int>(order.size()) - 1;
    const int free = last.Start - first.End() - inner;
    // Floor division, so that the remainder is never negative.
    const int gap = free >= 0 ? free / gaps : -((-free + gaps - 1) / gaps);
    int extra = free - gap * gaps;
    int next = first.End();
    for (size_t i = 1; i + 1 < order.size(); ++i) {
        next += gap + (extra > 0 ? 1 : 0);
        if (extra > 0) --extra;
        Place(rects[order[i]], horizontal, next);
        next += SpanOf(rects[order[i]], horizontal).Size;
    }
}

void CenterInParent(std::vector<TRect>& rects, bool horizontal, int parentSize) {
    int low = SpanOf(rects.front(), horizontal).Start, high = SpanOf(rects.front(), horizontal).End();
    for (const TRect& r : rects) {
        low = std::min(low, SpanOf(r, horizontal).Start);
        high = std::max(high, SpanOf(r, horizontal).End());
    }
    const int shift = (parentSize - (high - low)) / 2 - low;
    for (TRect& r : rects) Place(r, horizontal, SpanOf(r, horizontal).Start + shift);
}

void AlignAxis(std::vector<TRect>& rects, int kind, bool horizontal, int parentSize) {
    if (rects.empty()) return;
    const TSpan reference = SpanOf(rects.front(), horizontal);
    switch (kind) {
        case atLeftTop:
            for (TRect& r : rects) Place(r, horizontal, reference.Start);
            break;
        case atRightBottom:
            for (TRect& r : rects) Place(r, horizontal, reference.End() - SpanOf(r, horizontal).Size);
            break;
        case atCenter: {
            const int centre2 = reference.Start * 2 + reference.Size;  // doubled: no rounding yet
            for (TRect& r : rects) Place(r, horizontal, (centre2 - SpanOf(r, horizontal).Size) / 2);
            break;
        }
        case atSpaceEqually: SpaceEqually(rects, horizontal); break;
        case atCenterInWindow: CenterInParent(rects, horizontal, parentSize); break;
        default: break;
    }
}
}  // namespace

std::vector<TRect> AlignRects(const std::vector<TRect>& rects, int horizontal, int vertical, TPoint parentSize) {
    std::vector<TRect> aligned = rects;
    AlignAxis(aligned, horizontal, true, parentSize.X);
    AlignAxis(aligned, vertical, false, parentSize.Y);
    return aligned;
}

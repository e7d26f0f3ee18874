#include "support/gdi/paint_bands.h"

#include <algorithm>

namespace {
// The spans merged where they overlap, sorted: a row between two that only touch is free.
std::vector<TRowSpan> Merged(std::vector<TRowSpan> spans) {
    std::sort(spans.begin(), spans.end(), [](const TRowSpan& a, const TRowSpan& b) { return a.Top < b.Top; });
    std::vector<TRowSpan> merged;
    for (const TRowSpan& span : spans) {
        if (span.Bottom - span.Top < 2) continue;  // no row lies strictly inside it
        if (!merged.empty() && span.Top < merged.back().Bottom)
            merged.back().Bottom = std::max(merged.back().Bottom, span.Bottom);
        else
            merged.push_back(span);
    }
    return merged;
}

// The lowest row at or above limit that no span crosses, or limit itself when every row from
// above start to limit is crossed.
int CutAtOrAbove(int start, int limit, const std::vector<TRowSpan>& merged) {
    const auto crossing = std::find_if(merged.begin(), merged.end(), [limit](const TRowSpan& span) {
        return span.Top < limit && limit < span.Bottom;
    });
    if (crossing == merged.end()) return limit;
    return crossing->Top > start ? crossing->Top : limit;
}
}  // namespace

std::vector<int> PaintBandEdges(int top, int bottom, int maxHeight, std::vector<TRowSpan> controls) {
    maxHeight = std::max(maxHeight, 1);
    const std::vector<TRowSpan> merged = Merged(std::move(controls));
    std::vector<int> edges{top};
    for (int start = top; start < bottom;) {
        const int limit = bottom - start <= maxHeight ? bottom : start + maxHeight;
        start = limit == bottom ? bottom : CutAtOrAbove(start, limit, merged);
        edges.push_back(start);
    }
    return edges;
}

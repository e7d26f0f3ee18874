#include "dock_windowing.h"

namespace {
class THeadlessDockWindowing : public TDockWindowing {
public:
    TRect FloatingFrame() const override { return {3, 19, 3, 3}; }
    TRect WorkAreaNearest(const TRect&) const override { return {}; }
};
}  // namespace

const TDockWindowing& SystemDockWindowing() {
    static const THeadlessDockWindowing windowing;
    return windowing;
}

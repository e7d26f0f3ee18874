#include <climits>

#include "components/config/form_windowing.h"

namespace {
class HHeadlessWindowing : public HFormWindowing {
public:
    TPoint ScreenSize() const override { return {INT_MAX, INT_MAX}; }
    HWindowState WindowState(const TControl&) const override { return hwsNormal; }
    void SetWindowState(TControl&, HWindowState) const override {}
    bool IsSizeable(const TControl&) const override { return true; }
};
}  // namespace

const HFormWindowing& SystemFormWindowing() {
    static const HHeadlessWindowing windowing;
    return windowing;
}

#include "repeat_timer.h"

namespace {
TRepeatTimerFactory& Factory() {
    static TRepeatTimerFactory factory;
    return factory;
}
}  // namespace

void SetRepeatTimerFactory(TRepeatTimerFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<TRepeatTimer> MakeRepeatTimer() { return Factory() ? Factory()() : nullptr; }

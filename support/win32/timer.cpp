#include "timer.h"

#include <windows.h>

#include <map>

#include "pending_exception.h"
#include "support/framework/class_builder.h"

PENDREL_IMPLEMENT_CLASS(TTimer)

void TTimer::DeclareProperties(TClassBuilder<TTimer>& c) {
    c.Property("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled).Default(true);
    c.Property("Interval", &TTimer::GetInterval, &TTimer::SetInterval).Default(1000u);
    c.Event("OnTimer", &TTimer::OnTimer);
}

namespace {
// Thread timers by id: a timer's procedure finds its component here, so a timer freed by
// a handler is never reached again.
std::map<UINT_PTR, TTimer*>& Running() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Running().find(id);
    if (found == Running().end()) return;
    TTimer* timer = found->second;
    try {
        if (timer->GetEnabled()) timer->OnTimer(timer);
    } catch (...) {
        KeepWindowProcException();
    }
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Restart(); }

TTimer::~TTimer() { Stop(); }

void TTimer::SetInterval(uint32_t value) {
    if (value == interval_) return;
    interval_ = value;
    Restart();
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Restart();
}

void TTimer::Restart() {
    Stop();
    if (!enabled_ || interval_ == 0 || Designing()) return;
    id_ = SetTimer(nullptr, 0, interval_, &TimerProc);
    if (id_) Running()[id_] = this;
}

void TTimer::Stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    Running().erase(id_);
    id_ = 0;
}


#include "components/visual/messages/hi_info.h"

#include "components/visual/messages/message_center.h"
#include "components/visual/messages/message_window_win32.h"
#include "support/lib/format.h"

namespace {
struct TMessageWindowState {
    HiMessageWindow* Window;
    HiMessageCenter Center;

    TMessageWindowState() : TMessageWindowState(std::make_unique<HiMessageWindow>()) {}
    explicit TMessageWindowState(std::unique_ptr<HiMessageWindow> window)
        : Window(window.get()), Center(std::move(window)) {
        Window->Attach(Center);
    }
};

TMessageWindowState& State() {
    static TMessageWindowState state;
    return state;
}

HiMessageCenter& Center() { return State().Center; }
}  // namespace

void HiMessageV(HWND owner, HiIcon kind, const char* format, va_list args) {
    Center().Add(owner, kind, format ? VMessage(format, args) : std::string());
}

void HiMessage(HWND owner, HiIcon kind, const char* format, ...) {
    va_list args;
    va_start(args, format);
    HiMessageV(owner, kind, format, args);
    va_end(args);
}

void HiInfo::Activate(HWND owner, bool onlyIfNotEmpty) { Center().Activate(owner, onlyIfNotEmpty); }
void HiInfo::Close() { Center().Close(); }
bool HiInfo::Visible() { return Center().Visible(); }
void HiInfo::Clear() { Center().Clear(); }
HiInfoOptions& HiInfo::GetOpts() { return Center().Options(); }
void HiInfo::UpdateOpts() { Center().UpdateOptions(); }
void HiInfo::Lock() { Center().Lock(); }
void HiInfo::Unlock() { Center().Unlock(); }
int HiInfo::Locked() { return Center().Locked(); }
HWND HiInfo::Window() { return State().Window->Handle(); }
size_t HiInfo::Count() { return Center().Messages().Count(); }

std::string HiInfo::Text(size_t index) {
    const HiMessageList& messages = Center().Messages();
    return index < messages.Count() ? messages[index].Text : std::string();
}

HICON HiInfo::GetHIcon(int kind) {
    switch (kind) {
        case hiiInformation: return LoadIconA(nullptr, IDI_ASTERISK);
        case hiiWarning: return LoadIconA(nullptr, IDI_EXCLAMATION);
        case hiiError: return LoadIconA(nullptr, IDI_HAND);
        default: return nullptr;
    }
}

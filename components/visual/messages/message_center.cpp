#include "components/visual/messages/message_center.h"

#include "support/lib/file_log.h"

HiMessageCenter::HiMessageCenter(std::unique_ptr<HiMessageView> view, TClock clock)
    : view_(std::move(view)), clock_(clock ? std::move(clock) : [] { return std::time(nullptr); }) {}

void HiMessageCenter::EnsureView(void* owner) {
    if (!view_->Exists()) view_->Create(owner);
}

void HiMessageCenter::Add(void* owner, HiIcon kind, std::string text) {
    EnsureView(owner);
    messages_.MakeRoom(options_.ItemLimit());
    if (options_.LogToFile) FILELog("%s: %s", HiIconName(kind), text.c_str());
    messages_.Add(kind, std::move(text), clock_());
    view_->Refresh();
    if (kind >= options_.ActivateMin) Activate(owner, true);
}

void HiMessageCenter::Activate(void* owner, bool onlyIfNotEmpty) {
    if (onlyIfNotEmpty && ShownCount() == 0) return;
    if (locks_ > 0) {
        showNoted_ = true;
        notedOwner_ = owner;
        return;
    }
    EnsureView(owner);
    view_->Show();
}

void HiMessageCenter::Close() {
    if (view_->Exists()) view_->Destroy();
}

bool HiMessageCenter::Visible() const { return view_->Exists() && view_->Visible(); }

void HiMessageCenter::Clear() {
    messages_.Clear();
    if (view_->Exists()) view_->Refresh();
}

void HiMessageCenter::CloseRequested() {
    switch (options_.CloseAction) {
        case hcaDestroy: Close(); break;
        case hcaMinimize: view_->Minimize(); break;
        default: view_->Hide(); break;
    }
}

void HiMessageCenter::UpdateOptions() {
    if (view_->Exists()) view_->ApplyOptions();
}

void HiMessageCenter::Lock() {
    if (++locks_ == 1 && Visible()) view_->Hide();
}

void HiMessageCenter::Unlock() {
    if (locks_ == 0 || --locks_ > 0 || !showNoted_) return;
    showNoted_ = false;
    Activate(notedOwner_, false);
}

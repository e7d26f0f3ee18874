#include "up_down.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

PENDREL_IMPLEMENT_CLASS(TUpDown)

namespace {
constexpr int kLowest = std::numeric_limits<int16_t>::min();
constexpr int kHighest = std::numeric_limits<int16_t>::max();

int To16Bit(long long value) { return static_cast<int>(std::clamp<long long>(value, kLowest, kHighest)); }

std::string Trimmed(const std::string& text) {
    const auto isBlank = [](unsigned char ch) { return std::isspace(ch) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}
}  // namespace

bool ParseUpDownText(const std::string& text, int& value) {
    const std::string number = Trimmed(text);
    size_t at = 0;
    bool negative = false;
    if (!number.empty() && (number[0] == '-' || number[0] == '+')) {
        negative = number[0] == '-';
        at = 1;
    }
    if (at == number.size()) return false;
    long long magnitude = 0;
    for (; at < number.size(); ++at) {
        if (!std::isdigit(static_cast<unsigned char>(number[at]))) return false;
        // Beyond the 16-bit range every further digit changes nothing.
        magnitude = std::min<long long>(magnitude * 10 + (number[at] - '0'), 1LL << 20);
    }
    value = To16Bit(negative ? -magnitude : magnitude);
    return true;
}

void TUpDown::DeclareProperties(TClassBuilder<TUpDown>& c) {
    c.Property("Associate", &TUpDown::GetAssociate, &TUpDown::SetAssociate);
    c.Property("Enabled", &TUpDown::GetEnabled, &TUpDown::SetEnabled).Default(true);
    c.Property("Increment", &TUpDown::GetIncrement, &TUpDown::SetIncrement).Default(1);
    c.Property("Max", &TUpDown::GetMax, &TUpDown::SetMax).Default(100);
    c.Property("Min", &TUpDown::GetMin, &TUpDown::SetMin).Default(0);
    c.Property("Position", &TUpDown::GetPosition, &TUpDown::SetPosition).Default(0);
    c.Property("TabOrder", &TUpDown::GetTabOrder, &TUpDown::SetTabOrder).Default(-1);
    c.Property("Visible", &TUpDown::GetVisible, &TUpDown::SetVisible).Default(true);
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 16, 24); }

TUpDown::~TUpDown() {
    if (associate_) associate_->RemoveFreeNotification(this);
}

void TUpDown::SetMin(int value) {
    value = To16Bit(value);
    if (value == min_) return;
    min_ = value;
    max_ = std::max(max_, min_);
    SetPosition(position_);
    Invalidate();
}

void TUpDown::SetMax(int value) {
    value = To16Bit(value);
    if (value == max_) return;
    max_ = value;
    min_ = std::min(min_, max_);
    SetPosition(position_);
    Invalidate();
}

void TUpDown::SetIncrement(int value) {
    value = std::clamp(value, 1, kHighest);
    if (value == increment_) return;
    increment_ = value;
    Invalidate();
}

int TUpDown::GetPosition() const {
    int typed = 0;
    if (associate_ && ParseUpDownText(associate_->GetText(), typed)) return Clamp(typed);
    if (!associate_ && HandleAllocated()) {
        const LRESULT shown = SendMessageW(static_cast<HWND>(Peer()->Handle()), UDM_GETPOS, 0, 0);
        return Clamp(static_cast<int16_t>(LOWORD(shown)));
    }
    return position_;
}

void TUpDown::SetPosition(int value) {
    position_ = Clamp(value);
    ShowPosition();
}

void TUpDown::SetAssociate(TWinControl* value) {
    if (value == associate_) return;
    if (associate_) associate_->RemoveFreeNotification(this);
    associate_ = value;
    if (associate_) {
        associate_->FreeNotification(this);
        ShowPosition();
    }
    Invalidate();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_) associate_ = nullptr;
}

int TUpDown::Clamp(int value) const { return std::clamp(value, min_, max_); }

void TUpDown::ShowPosition() {
    if (associate_) associate_->SetText(std::to_string(position_));
    Invalidate();
}

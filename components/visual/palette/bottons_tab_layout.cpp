// Where the buttons of a palette tab go, and how small the tab may become.
#include <algorithm>

#include "bottons_tab.h"

namespace {
// Room the row needs beyond the margins: a little for the buttons' height, and for the
// width one square button besides the arrows, with some play.
constexpr int kMinRowHeight = 12;
constexpr int kMinRowSlack = 10;

int WidthOf(const TRect& r) { return r.Right - r.Left; }
int HeightOf(const TRect& r) { return r.Bottom - r.Top; }

// Makes the flag true for the lifetime of this object.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};
}  // namespace

void HCustomBottonsTab::FormatButtons() {
    if (!HandleAllocated()) return;
    const TFlagScope formatting(formatting_);
    const TRect r = DisplayRect();
    int size = buttonHeight_ != 0 ? buttonHeight_ : HeightOf(r) - 2 * buttonVMargin_;
    int limit = WidthOf(r) - buttonHMargin_ - arrowsSize_ - buttonHMargin_;
    int y = r.Top + buttonVMargin_;
    int x = buttonHMargin_;
    if (GetPageCount() == 0 && buttonHeight_ == 0) {
        switch (GetTabPosition()) {
            case tpTop: size -= GetTabHeight(), y += GetTabHeight(); break;
            case tpBottom: size -= GetTabHeight(); break;
            case tpLeft: x += GetTabHeight(); break;
            case tpRight: limit -= GetTabHeight(); break;
        }
    }
    size = std::max(0, size);
    buttonFirst_ = GetButtonsCount() > 0 ? std::clamp(buttonFirst_, 0, GetButtonsCount() - 1) : 0;
    HTabButton& select = NeededButton(-BTN_SELECT, "p = Buttons[ -BTN_SELECT ]");
    if (selectVisible_) {
        select.SetBounds(x, y, size, size);
        x += size + buttonHMargin_;
    }
    HTabButton& left = NeededButton(-BTN_LEFT, "p = Buttons[ -BTN_LEFT ]");
    left.SetBounds(x, y, arrowsSize_, size);
    x += arrowsSize_ + buttonHMargin_;
    HTabButton& right = NeededButton(-BTN_RIGHT, "p = Buttons[ -BTN_RIGHT ]");
    right.SetBounds(limit, y, arrowsSize_, size);
    for (int i = 0; i < buttonFirst_; ++i) NeededButton(i, "p = Buttons[ i ]").SetVisible(false);
    for (int i = buttonFirst_; i < GetButtonsCount(); ++i) {
        HTabButton& button = NeededButton(i, "p = Buttons[ i ]");
        button.SetBounds(x, y, size, size);
        x += size + buttonHMargin_;
        button.SetVisible(x <= limit);
    }
    select.SetVisible(selectVisible_);
    left.SetEnabled(buttonFirst_ > 0);
    right.SetEnabled(x > limit);
    if (buttonIndex_ >= GetButtonsCount()) SetButtonIndex(-1);
}

void HCustomBottonsTab::AdjustClientRect(TRect& area) {
    if (formatting_) return;
    TCustomTabControl::AdjustClientRect(area);
    FormatButtons();
}

void HCustomBottonsTab::MinimumSize(int& width, int& height) const {
    const TRect display = DisplayRect();
    height = GetHeight() - HeightOf(display) + 2 * buttonVMargin_ + kMinRowHeight;
    width = GetWidth() - WidthOf(display) + 2 * buttonHMargin_ + 2 * arrowsSize_ + height + kMinRowSlack;
}

void HCustomBottonsTab::SetBounds(int left, int top, int width, int height) {
    int minWidth = 0, minHeight = 0;
    MinimumSize(minWidth, minHeight);
    if (width < minWidth || height < minHeight) width = minWidth, height = minHeight;
    TCustomTabControl::SetBounds(left, top, width, height);
}

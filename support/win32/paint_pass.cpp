#include "paint_pass.h"

#include <algorithm>

namespace {
thread_local TPaintPass* innermost = nullptr;
}  // namespace

TPaintPass::TPaintPass(HDC dc)
    : dc_(dc),
      outer_(innermost),
      foundFont_(GetCurrentObject(dc, OBJ_FONT)),
      foundBkMode_(GetBkMode(dc)),
      foundTextColor_(GetTextColor(dc)) {
    GetViewportOrgEx(dc, &origin_);
    clip_ = CreateRectRgn(0, 0, 0, 0);
    if (clip_ && GetClipRgn(dc, clip_) != 1) {
        DeleteObject(clip_);
        clip_ = nullptr;
    }
    innermost = this;
}

TPaintPass::~TPaintPass() {
    innermost = outer_;
    SelectClipRgn(dc_, clip_);
    SetViewportOrgEx(dc_, origin_.x, origin_.y, nullptr);
    SelectObject(dc_, foundFont_);
    SetBkMode(dc_, foundBkMode_);
    SetTextColor(dc_, foundTextColor_);
    if (clip_) DeleteObject(clip_);
}

void TPaintPass::EnterChild(const TControl& child) {
    SelectClipRgn(dc_, clip_);
    SetViewportOrgEx(dc_, origin_.x + child.GetLeft(), origin_.y + child.GetTop(), nullptr);
    IntersectClipRect(dc_, 0, 0, child.GetWidth(), child.GetHeight());
}

void TPaintPass::SelectFont(const TFont& font) {
    auto made = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f->MadeFrom(font); });
    if (made == fonts_.end()) made = fonts_.insert(fonts_.end(), std::make_unique<TFontHandle>(font));
    if ((*made)->Get() == selected_) return;
    selected_ = (*made)->Get();
    SelectObject(dc_, selected_);
}

TPaintPass* TPaintPass::Of(HDC dc) {
    for (TPaintPass* pass = innermost; pass; pass = pass->outer_)
        if (pass->dc_ == dc) return pass;
    return nullptr;
}

TPainterFont::TPainterFont(HDC dc, const TFont& font) {
    if (TPaintPass* pass = TPaintPass::Of(dc)) {
        pass->SelectFont(font);
        return;
    }
    own_.emplace(font);
    selection_.emplace(dc, own_->Get());
}

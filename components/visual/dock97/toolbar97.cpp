#include "toolbar97.h"

#include <algorithm>

PENDREL_IMPLEMENT_CLASS(TToolbar97)

void TToolbar97::DeclareProperties(TClassBuilder<TToolbar97>& c) {
    using T = TToolbar97;
    c.Property("Caption", &T::GetCaption, &T::SetCaption);
    c.Property("CloseButton", &T::GetCloseButton, &T::SetCloseButton).Default(true);
    c.Property("Color", &T::GetColor, &T::SetColor).Type(ColorTypeInfo()).Stored(&T::IsColorStored);
    c.Property("DockableTo", &T::GetDockableTo, &T::SetDockableTo).Default(TDockableTo{dpTop, dpBottom, dpLeft, dpRight});
    c.Property("DockPos", &T::GetDockPos, &T::SetDockPos).Default(0);
    c.Property("DockRow", &T::GetDockRow, &T::SetDockRow).Default(0);
    c.Property("Font", &T::GetFont, &T::SetFont).Stored(&T::IsFontStored);
    c.Property("Hint", &T::GetHint, &T::SetHint);
    c.Property("ParentFont", &T::GetParentFont, &T::SetParentFont).Default(true);
    c.Property("ShowHint", &T::GetShowHint, &T::SetShowHint).Default(false);
    c.Property("Visible", &T::GetVisible, &T::SetVisible).Default(true);
    c.Event("OnClose", &T::OnClose);
    c.Event("OnDockChanged", &T::OnDockChanged);
    c.Event("OnMove", &T::OnMove);
    c.Event("OnVisibleChanged", &T::OnVisibleChanged);
}

bool TToolbar97::Vertical() const {
    const TDock97* dock = GetDockedTo();
    return dock && !dock->Horizontal();
}

void TToolbar97::ArrangeButtons() {
    if (arranging_ || ControlCount() == 0) return;
    arranging_ = true;
    int along = 0, thickness = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* button = Controls(i);
        if (!button->GetVisible()) continue;
        if (Vertical()) {
            button->SetBounds(0, along, button->GetWidth(), button->GetHeight());
            along += button->GetHeight();
            thickness = std::max(thickness, button->GetWidth());
        } else {
            button->SetBounds(along, 0, button->GetWidth(), button->GetHeight());
            along += button->GetWidth();
            thickness = std::max(thickness, button->GetHeight());
        }
    }
    if (Vertical()) {
        SetClientWidth(thickness);
        SetClientHeight(along);
    } else {
        SetClientWidth(along);
        SetClientHeight(thickness);
    }
    arranging_ = false;
}

void TToolbar97::DockStateChanged() {
    TCustomDockableWindow97::DockStateChanged();
    ArrangeButtons();
}

void TToolbar97::AlignControls(TRect& area) {
    TCustomDockableWindow97::AlignControls(area);
    ArrangeButtons();
}

void TToolbar97::Loaded() {
    TCustomDockableWindow97::Loaded();
    ArrangeButtons();
}

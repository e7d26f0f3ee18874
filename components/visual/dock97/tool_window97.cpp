#include "tool_window97.h"

PENDREL_IMPLEMENT_CLASS(TToolWindow97)

void TToolWindow97::DeclareProperties(TClassBuilder<TToolWindow97>& c) {
    using W = TToolWindow97;
    c.Property("Caption", &W::GetCaption, &W::SetCaption);
    c.Property("ClientWidth", &W::GetClientWidth, &W::SetClientWidth);
    c.Property("ClientHeight", &W::GetClientHeight, &W::SetClientHeight);
    c.Property("CloseButton", &W::GetCloseButton, &W::SetCloseButton).Default(true);
    c.Property("Color", &W::GetColor, &W::SetColor).Type(ColorTypeInfo()).Stored(&W::IsColorStored);
    c.Property("DockableTo", &W::GetDockableTo, &W::SetDockableTo).Default(TDockableTo{dpTop, dpBottom, dpLeft, dpRight});
    c.Property("DockPos", &W::GetDockPos, &W::SetDockPos).Default(0);
    c.Property("DockRow", &W::GetDockRow, &W::SetDockRow).Default(0);
    c.Property("Font", &W::GetFont, &W::SetFont).Stored(&W::IsFontStored);
    c.Property("Hint", &W::GetHint, &W::SetHint);
    c.Property("ParentFont", &W::GetParentFont, &W::SetParentFont).Default(true);
    c.Property("ShowHint", &W::GetShowHint, &W::SetShowHint).Default(false);
    c.Property("Visible", &W::GetVisible, &W::SetVisible).Default(true);
    c.Event("OnClose", &W::OnClose);
    c.Event("OnDockChanged", &W::OnDockChanged);
    c.Event("OnMove", &W::OnMove);
    c.Event("OnVisibleChanged", &W::OnVisibleChanged);
}

#include "layout_classes.h"

PENDREL_IMPLEMENT_CLASS(HDesignPanel)

void HDesignPanel::DeclareProperties(TClassBuilder<HDesignPanel>& c) {
    c.Property("Color", &HDesignPanel::GetColor, &HDesignPanel::SetColor).Type(ColorTypeInfo()).Default(clBtnFace).Stored(&HDesignPanel::IsColorStored);
    c.Property("Font", &HDesignPanel::GetFont, &HDesignPanel::SetFont).Stored(&HDesignPanel::IsFontStored);
    c.Property("ParentFont", &HDesignPanel::GetParentFont, &HDesignPanel::SetParentFont).Default(true);
}

PENDREL_IMPLEMENT_CLASS(HTestForm)

void HTestForm::DeclareProperties(TClassBuilder<HTestForm>&) {}

PENDREL_IMPLEMENT_CLASS(OSKKey)

void OSKKey::DeclareProperties(TClassBuilder<OSKKey>& c) {
    c.Property("KeyLabel", &OSKKey::GetKeyLabel, &OSKKey::SetKeyLabel);
    c.Property("KeyCode", &OSKKey::GetKeyCode, &OSKKey::SetKeyCode).Default(0);
    c.Property("Buddy", &OSKKey::GetBuddy, &OSKKey::SetBuddy);
}

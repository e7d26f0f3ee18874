#include "framework_classes.h"

PENDREL_IMPLEMENT_CLASS(TWatcher)

void TWatcher::DeclareProperties(TClassBuilder<TWatcher>&) {}

PENDREL_IMPLEMENT_CLASS(TTiny)

void TTiny::DeclareProperties(TClassBuilder<TTiny>& c) {
    c.Property("Value", &TTiny::GetValue, &TTiny::SetValue).Default(0);
    c.Property("Small", &TTiny::GetSmall, &TTiny::SetSmall).Default(0);
    c.Property("Color", &TTiny::GetColor, &TTiny::SetColor).Type(ColorTypeInfo()).Default(clWindow);
    c.Property("Font", &TTiny::GetFont, &TTiny::SetFont).Stored(&TTiny::IsFontStored);
}

PENDREL_IMPLEMENT_CLASS(TTinyChild)

void TTinyChild::DeclareProperties(TClassBuilder<TTinyChild>& c) {
    c.Property("Extra", &TTinyChild::GetExtra, &TTinyChild::SetExtra).Default(0);
    c.Property("Value", &TTinyChild::GetValue, &TTinyChild::SetValue).Default(7);
}

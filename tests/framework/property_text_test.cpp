// Property values as text, for every kind of property, and the errors of texts that are no value.
#include "support/framework/property_text.h"

#include <gtest/gtest.h>

#include "support/framework/control.h"
#include "support/framework/exceptions.h"
#include "support/framework/set.h"

namespace {
class TEveryKind : public TComponent {
    PENDREL_CLASS(TEveryKind, TComponent)
public:
    explicit TEveryKind(TComponent* owner) : TComponent(owner) {}
    int32_t Count = 0;
    uint16_t Word = 0;
    int8_t Tiny = 0;
    char Letter = 'a';
    TAlign Side = alNone;
    bool Flag = false;
    TFontStyles Style;
    TColor Color = clBlack;
    double Ratio = 0;
    float Narrow = 0;
    long double Wide = 0;
    std::string Text;
    int64_t Big = 0;
    TControl* Buddy = nullptr;
    TEvent<TObject*> OnPing;
    TFont* GetFont() const { return font_.get(); }
    int GetComputed() const { return 42; }

private:
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};
PENDREL_IMPLEMENT_CLASS(TEveryKind)
void TEveryKind::DeclareProperties(TClassBuilder<TEveryKind>& c) {
    c.Field("Count", &TEveryKind::Count);
    c.Field("Word", &TEveryKind::Word);
    c.Field("Tiny", &TEveryKind::Tiny);
    c.Field("Letter", &TEveryKind::Letter);
    c.Field("Side", &TEveryKind::Side);
    c.Field("Flag", &TEveryKind::Flag);
    c.Field("Style", &TEveryKind::Style);
    c.Field("Color", &TEveryKind::Color).Type(ColorTypeInfo());
    c.Field("Ratio", &TEveryKind::Ratio);
    c.Field("Narrow", &TEveryKind::Narrow);
    c.Field("Wide", &TEveryKind::Wide);
    c.Field("Text", &TEveryKind::Text);
    c.Field("Big", &TEveryKind::Big);
    c.Field("Buddy", &TEveryKind::Buddy);
    c.Event("OnPing", &TEveryKind::OnPing);
    c.Property("Font", &TEveryKind::GetFont);
    c.Property("Computed", &TEveryKind::GetComputed);
}

// The owner, whose published method events bind to.
class TOwnerForm : public TComponent {
    PENDREL_CLASS(TOwnerForm, TComponent)
public:
    using TComponent::TComponent;
    void Pinged(TObject*) { ++pings; }
    int pings = 0;
};
PENDREL_IMPLEMENT_CLASS(TOwnerForm)
void TOwnerForm::DeclareProperties(TClassBuilder<TOwnerForm>& c) { c.Method("Pinged", &TOwnerForm::Pinged); }

class PropertyText : public ::testing::Test {
protected:
    PropertyText() {
        object->SetName("Object");
        buddy->SetName("Buddy1");
    }
    TOwnerForm form{nullptr};
    TEveryKind* object = new TEveryKind(&form);
    TControl* buddy = new TControl(&form);
};

TEST_F(PropertyText, EveryKindGoesToTextAndBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"Count", "-2147483648"}, {"Word", "65535"},       {"Tiny", "-128"},         {"Letter", "Z"},
        {"Letter", "#9"},         {"Side", "alClient"},    {"Flag", "True"},         {"Style", "[fsBold, fsStrikeOut]"},
        {"Style", "[]"},          {"Color", "clBtnFace"},  {"Color", "1193046"},     {"Ratio", "0.1"},
        {"Narrow", "2.5"},        {"Wide", "-1.0E300"},    {"Text", " spaced 'Ж' "}, {"Big", "-9223372036854775808"},
        {"Buddy", "Buddy1"},      {"Buddy", ""},           {"OnPing", "Pinged"},     {"OnPing", ""},
        {"Font.Color", "clRed"},  {"Font.Style", "[fsItalic]"}, {"Font.Name", "Arial"}};
    for (const auto& [path, text] : cases) {
        SetPropText(*object, path, text);
        EXPECT_EQ(GetPropText(*object, path), text) << path;
    }
}

TEST_F(PropertyText, LooseTextsTakeTheirCanonicalForm) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Count", " $10 ", "16"}, {"Side", "ALTOP", "alTop"},  {"Style", "fsItalic,fsBold", "[fsBold, fsItalic]"},
        {"Color", "clred", "clRed"}, {"Ratio", "3", "3.0"},   {"Letter", "#65", "A"}};
    for (const auto& [path, text, canonical] : cases) {
        SetPropText(*object, path, text);
        EXPECT_EQ(GetPropText(*object, path), canonical) << path << " = " << text;
    }
    EXPECT_EQ(GetPropText(*object, "Font"), "(TFont)");
    SetPropText(*object, "OnPing", "Pinged");
    object->OnPing(object);
    EXPECT_EQ(form.pings, 1);
}

TEST_F(PropertyText, ABadTextNamesThePropertyAndTheTextAndChangesNothing) {
    SetPropText(*object, "Count", "5");
    SetPropText(*object, "Style", "[fsBold]");
    const std::pair<const char*, const char*> cases[] = {
        {"Count", "five"},   {"Count", "2147483648"}, {"Word", "-1"},          {"Tiny", "1.5"},
        {"Letter", "ab"},    {"Letter", "#300"},      {"Side", "alMiddle"},    {"Flag", "yes"},
        {"Style", "[fsBold, fsHuge]"}, {"Style", "[fsBold"}, {"Color", "clNoSuch"}, {"Ratio", "1e99999"},
        {"Ratio", "1,5"},    {"Big", "99999999999999999999"}, {"Buddy", "Nobody"}, {"Buddy", "Object"},
        {"OnPing", "NoSuchMethod"}, {"Font.Color", "reddish"}};
    for (const auto& [path, text] : cases) {
        const std::string before = GetPropText(*object, path);
        try {
            SetPropText(*object, path, text);
            ADD_FAILURE() << path << " took " << text;
        } catch (const EPropertyError& e) {
            EXPECT_NE(e.Message.find(path), std::string::npos) << e.Message;
            EXPECT_NE(e.Message.find(text), std::string::npos) << e.Message;
        }
        EXPECT_EQ(GetPropText(*object, path), before) << path;
    }
}

TEST_F(PropertyText, ReadOnlyAndUnknownPropertiesAreRefused) {
    EXPECT_THROW(SetPropText(*object, "Computed", "1"), EPropertyError);
    EXPECT_EQ(GetPropText(*object, "Computed"), "42");
    EXPECT_THROW(SetPropText(*object, "Font", "(TFont)"), EPropertyError);
    EXPECT_THROW(GetPropText(*object, "Colour"), EPropertyError);
    EXPECT_THROW(GetPropText(*object, "Count.Value"), EPropertyError);
    EXPECT_THROW(GetPropText(*object, "Buddy.Left"), EPropertyError);
}

TEST_F(PropertyText, StreamDefaultsOfEveryKind) {
    TPropInfo text{"T", &TTypeInfoOf<std::string>::Get()};
    text.GetStr = [](const TObject&) { return std::string("x"); };
    EXPECT_FALSE(IsDefaultPropValue(*object, text));
    text.HasDefault = true;
    text.DefaultString = "x";
    EXPECT_TRUE(IsDefaultPropValue(*object, text));
    TPropInfo ratio{"R", &TTypeInfoOf<double>::Get()};
    ratio.GetFloat = [](const TObject&) { return 1.5L; };
    ratio.HasDefault = true;
    ratio.DefaultFloat = 1.5L;
    EXPECT_TRUE(IsDefaultPropValue(*object, ratio));
}
}  // namespace

// Property editors chosen by type, class and name, editing one or several objects, their value
// lists and dialogs; component editors and the palette.
#include <gtest/gtest.h>

#include "support/design/component_editor.h"
#include "support/design/component_palette.h"
#include "support/design/editor_dialogs.h"
#include "support/design/property_editor_registry.h"
#include "support/design/standard_property_editors.h"
#include "support/framework/class_registry.h"
#include "support/framework/control.h"
#include "support/framework/exceptions.h"
#include "support/framework/property_text.h"

namespace {
class TSample : public TComponent {
    PENDREL_CLASS(TSample, TComponent)
public:
    using TComponent::TComponent;
    int32_t Count = 0;
    int32_t Level = 0;
    TAlign Side = alNone;
    TColor Color = clBlack;
    std::string Caption;
    TControl* Buddy = nullptr;
    TEvent<TObject*> OnPing;
    TFont* GetFont() const { return font_.get(); }
    int GetComputed() const { return 42; }

private:
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};
PENDREL_IMPLEMENT_CLASS(TSample)
void TSample::DeclareProperties(TClassBuilder<TSample>& c) {
    c.Field("Count", &TSample::Count);
    c.Field("Level", &TSample::Level);
    c.Field("Side", &TSample::Side);
    c.Field("Color", &TSample::Color).Type(ColorTypeInfo());
    c.Field("Caption", &TSample::Caption);
    c.Field("Buddy", &TSample::Buddy);
    c.Event("OnPing", &TSample::OnPing);
    c.Property("Font", &TSample::GetFont);
    c.Property("Computed", &TSample::GetComputed);
}

class TSampleChild : public TSample {
    PENDREL_CLASS(TSampleChild, TSample)
public:
    using TSample::TSample;
};
PENDREL_IMPLEMENT_CLASS(TSampleChild)
void TSampleChild::DeclareProperties(TClassBuilder<TSampleChild>&) {}

class TSampleForm : public TComponent {
    PENDREL_CLASS(TSampleForm, TComponent)
public:
    using TComponent::TComponent;
    void Pinged(TObject*) {}
    void Counted(int) {}
};
PENDREL_IMPLEMENT_CLASS(TSampleForm)
void TSampleForm::DeclareProperties(TClassBuilder<TSampleForm>& c) {
    c.Method("Pinged", &TSampleForm::Pinged);
    c.Method("Counted", &TSampleForm::Counted);
}

// Hears the changes the editors report.
class TChanges : public IDesignerHook {
public:
    void ComponentInserted(TComponent&) override {}
    void ComponentRemoved(TComponent&) override {}
    void ComponentRenamed(TComponent&, const std::string&) override {}
    void PropertyChanged(TComponent&, const std::string& path) override { Paths.push_back(path); }
    std::vector<std::string> Paths;
};

// An editor that says which registration made it.
template <int Id>
class TMarked : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
};

std::vector<std::string> Values(const TPropertyEditor& editor) {
    std::vector<std::string> values;
    editor.GetValues([&](const std::string& value) { values.push_back(value); });
    return values;
}

std::unique_ptr<TPropertyEditor> EditorOf(TObject& object, const std::string& path) {
    return CreatePropertyEditor({nullptr, {&object}, path});
}

class PropertyEditors : public ::testing::Test {
protected:
    PropertyEditors() {
        form.SetName("Form1");
        form.SetDesignerHook(&changes);
        first->SetName("First");
        second->SetName("Second");
        buddy->SetName("Buddy1");
    }
    ~PropertyEditors() override { form.SetDesignerHook(nullptr); }
    TChanges changes;
    TSampleForm form{nullptr};
    TSample* first = new TSample(&form);
    TSample* second = new TSample(&form);
    TControl* buddy = new TControl(&form);
};

TEST_F(PropertyEditors, EachKindAndTypeGetsItsStandardEditor) {
    EXPECT_NE(dynamic_cast<TIntegerProperty*>(EditorOf(*first, "Count").get()), nullptr);
    EXPECT_NE(dynamic_cast<TEnumProperty*>(EditorOf(*first, "Side").get()), nullptr);
    EXPECT_NE(dynamic_cast<TColorProperty*>(EditorOf(*first, "Color").get()), nullptr);
    EXPECT_NE(dynamic_cast<TColorProperty*>(EditorOf(*first, "Font.Color").get()), nullptr);
    EXPECT_NE(dynamic_cast<TSetProperty*>(EditorOf(*first, "Font.Style").get()), nullptr);
    EXPECT_NE(dynamic_cast<TFontProperty*>(EditorOf(*first, "Font").get()), nullptr);
    EXPECT_NE(dynamic_cast<TCaptionProperty*>(EditorOf(*first, "Caption").get()), nullptr);
    EXPECT_NE(dynamic_cast<TComponentNameProperty*>(EditorOf(*first, "Name").get()), nullptr);
    EXPECT_NE(dynamic_cast<TComponentProperty*>(EditorOf(*first, "Buddy").get()), nullptr);
    EXPECT_NE(dynamic_cast<TMethodProperty*>(EditorOf(*first, "OnPing").get()), nullptr);
    EXPECT_TRUE(EditorOf(*first, "Computed")->GetAttributes().Contains(TPropertyAttribute::paReadOnly));
    EXPECT_THROW(EditorOf(*first, "NoSuch"), EPropertyError);
}

TEST_F(PropertyEditors, TheMostSpecificRegistrationWinsAndTheLaterOfEquals) {
    const TPropertyType integer = PropertyTypeOf(&TSample::StaticClass(), "Count");
    RegisterPropertyEditor(integer, &TSample::StaticClass(), "", PropertyEditorFactory<TMarked<1>>());
    RegisterPropertyEditor(integer, &TSampleChild::StaticClass(), "", PropertyEditorFactory<TMarked<2>>());
    RegisterPropertyEditor(integer, nullptr, "Level", PropertyEditorFactory<TMarked<3>>());
    RegisterPropertyEditor(integer, &TSample::StaticClass(), "Level", PropertyEditorFactory<TMarked<4>>());
    TSampleChild child(nullptr);
    TComponent other(nullptr);
    EXPECT_NE(dynamic_cast<TMarked<1>*>(EditorOf(*first, "Count").get()), nullptr);
    EXPECT_NE(dynamic_cast<TMarked<4>*>(EditorOf(*first, "Level").get()), nullptr);
    EXPECT_NE(dynamic_cast<TMarked<2>*>(EditorOf(child, "Count").get()), nullptr);
    EXPECT_NE(dynamic_cast<TMarked<2>*>(EditorOf(child, "Level").get()), nullptr) << "a nearer class beats a name";
    EXPECT_EQ(dynamic_cast<TMarked<1>*>(EditorOf(other, "Tag").get()), nullptr) << "other classes keep theirs";
    RegisterPropertyEditor(integer, &TSample::StaticClass(), "Level", PropertyEditorFactory<TMarked<5>>());
    EXPECT_NE(dynamic_cast<TMarked<5>*>(EditorOf(*first, "Level").get()), nullptr);
    // A selection of both classes takes what fits both.
    EXPECT_NE(dynamic_cast<TMarked<1>*>(CreatePropertyEditor({nullptr, {first, &child}, "Count"}).get()), nullptr);
}

TEST_F(PropertyEditors, SeveralObjectsChangeTogetherOrNotAtAll) {
    auto editor = CreatePropertyEditor({nullptr, {first, second}, "Side"});
    editor->SetValue("alTop");
    EXPECT_EQ(first->Side, alTop);
    EXPECT_EQ(second->Side, alTop);
    EXPECT_TRUE(editor->AllEqual());
    second->Side = alLeft;
    EXPECT_FALSE(editor->AllEqual());

    // The second object cannot reach a component named Buddy1: the first keeps its value.
    TSampleForm elsewhere(nullptr);
    TSample* stranger = new TSample(&elsewhere);
    auto buddies = CreatePropertyEditor({nullptr, {first, stranger}, "Buddy"});
    EXPECT_THROW(buddies->SetValue("Buddy1"), EPropertyError);
    EXPECT_EQ(first->Buddy, nullptr);
    EXPECT_THROW(editor->SetValue("alNowhere"), EPropertyError);
    EXPECT_EQ(first->Side, alTop);
}

TEST_F(PropertyEditors, ValueListsOfferWhatTheValueCanBe) {
    EXPECT_EQ(Values(*EditorOf(*first, "Side")).front(), "alNone");
    const auto colors = Values(*EditorOf(*first, "Color"));
    EXPECT_NE(std::find(colors.begin(), colors.end(), "clBtnFace"), colors.end());
    // Controls only, since Buddy is a control; the samples are none.
    EXPECT_EQ(Values(*EditorOf(*first, "Buddy")), std::vector<std::string>{"Buddy1"});
    // Methods of the owner whose signature fits the event.
    EXPECT_EQ(Values(*EditorOf(*first, "OnPing")), std::vector<std::string>{"Pinged"});
    EXPECT_TRUE(Values(*EditorOf(*first, "Count")).empty());
}

TEST_F(PropertyEditors, SetElementsAndSubObjectsAreRowsThatReportThroughTheirObject) {
    auto font = EditorOf(*first, "Font");
    EXPECT_EQ(font->GetValue(), "(TFont)");
    auto rows = font->GetProperties();
    auto style = std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row->GetName() == "Style"; });
    ASSERT_NE(style, rows.end());
    auto elements = (*style)->GetProperties();
    ASSERT_GE(elements.size(), 2u);
    EXPECT_EQ(elements[1]->GetName(), "fsItalic");
    elements[1]->SetValue("True");
    elements[0]->SetValue("True");
    elements[1]->SetValue("False");
    EXPECT_EQ(GetPropText(*first, "Font.Style"), "[fsBold]");
    EXPECT_EQ(elements[0]->GetValue(), "True");
    EXPECT_EQ(changes.Paths, (std::vector<std::string>{"Font.Style", "Font.Style", "Font.Style"}));
    EXPECT_THROW(elements[0]->SetValue("maybe"), EPropertyError);
}

TEST_F(PropertyEditors, DialogsSetTheValueOnlyWhenConfirmed) {
    TEditorDialogs saved = EditorDialogs();
    bool confirm = false;
    EditorDialogs().ChooseColor = [&](TColor& color) {
        color = clRed;
        return confirm;
    };
    EditorDialogs().ChooseFont = [&](TFont& font) {
        font.SetName("Tahoma");
        return confirm;
    };
    auto color = EditorOf(*first, "Color");
    auto font = CreatePropertyEditor({nullptr, {first, second}, "Font"});
    color->Edit();
    font->Edit();
    EXPECT_EQ(first->Color, clBlack);
    EXPECT_NE(first->GetFont()->GetName(), "Tahoma");
    confirm = true;
    color->Edit();
    font->Edit();
    EXPECT_EQ(first->Color, clRed);
    EXPECT_EQ(first->GetFont()->GetName(), "Tahoma");
    EXPECT_EQ(second->GetFont()->GetName(), "Tahoma");
    EXPECT_EQ(changes.Paths, (std::vector<std::string>{"Color", "Font", "Font"}));
    EditorDialogs() = saved;
}

TEST_F(PropertyEditors, AnInspectorShowsTheSharedPropertiesOfASelection) {
    const auto names = [](const std::vector<std::unique_ptr<TPropertyEditor>>& rows) {
        std::vector<std::string> result;
        for (const auto& row : rows) result.push_back(row->GetName());
        return result;
    };
    const auto one = names(GetComponentProperties(nullptr, {first}));
    EXPECT_NE(std::find(one.begin(), one.end(), "Name"), one.end());
    // With a plain component beside it only the shared ones remain, the name not among them.
    TComponent plain(&form);
    EXPECT_EQ(names(GetComponentProperties(nullptr, {first, &plain})), std::vector<std::string>{"Tag"});
}

class TCountingEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    int GetVerbCount() const override { return 2; }
    std::string GetVerb(int index) const override {
        CheckVerbIndex(index);
        return index == 0 ? "Count up" : "Reset";
    }
    void PrepareItem(int index, TVerbItem& item) const override {
        TComponentEditor::PrepareItem(index, item);
        item.Enabled = index == 0 || static_cast<TSample&>(Component()).Count > 0;
    }
    void ExecuteVerb(int index) override {
        CheckVerbIndex(index);
        auto& sample = static_cast<TSample&>(Component());
        sample.Count = index == 0 ? sample.Count + 1 : 0;
    }
};

TEST(ComponentEditors, TheNearestClassesEditorOffersItsVerbs) {
    RegisterComponentEditor(&TSample::StaticClass(), ComponentEditorFactory<TCountingEditor>());
    TSampleChild child(nullptr);
    auto editor = GetComponentEditor(child, nullptr);
    ASSERT_EQ(editor->GetVerbCount(), 2);
    TVerbItem reset;
    editor->PrepareItem(1, reset);
    EXPECT_EQ(reset.Caption, "Reset");
    EXPECT_FALSE(reset.Enabled);
    editor->Edit();
    EXPECT_EQ(child.Count, 1);
    EXPECT_THROW(editor->ExecuteVerb(2), EListError);
    TComponent plain(nullptr);
    EXPECT_EQ(GetComponentEditor(plain, nullptr)->GetVerbCount(), 0);
}

TEST(ComponentPalette, PagesKeepTheirOrderAndRegisterTheirClasses) {
    RegisterComponents("Samples", {&TSampleChild::StaticClass(), &TSample::StaticClass()});
    RegisterComponents("samples", {&TSample::StaticClass(), &TSampleForm::StaticClass()});
    EXPECT_EQ(PaletteClasses("SAMPLES"), (std::vector<TClass>{&TSampleChild::StaticClass(), &TSample::StaticClass(),
                                                              &TSampleForm::StaticClass()}));
    EXPECT_EQ(GetClass("TSampleForm"), &TSampleForm::StaticClass());
    EXPECT_TRUE(PaletteClasses("Nowhere").empty());
}
}  // namespace

#include <gtest/gtest.h>

#include "support/framework/exceptions.h"
#include "support/framework/std_controls.h"
#include "support/registry/class_array.h"

namespace {
// A label that points at another control, and refuses a caption while told to.
class TBuddyLabel : public TLabel {
    PENDREL_CLASS(TBuddyLabel, TLabel)
public:
    explicit TBuddyLabel(TComponent* owner) : TLabel(owner) {}
    TControl* GetBuddy() const { return buddy_; }
    void SetBuddy(TControl* value) { buddy_ = value; }
    const std::string& GetNote() const { return note_; }
    void SetNote(const std::string& value) {
        if (refuseNotes) throw EConvertError("no notes");
        note_ = value;
    }
    static inline bool refuseNotes = false;

private:
    TControl* buddy_ = nullptr;
    std::string note_;
};
PENDREL_IMPLEMENT_CLASS(TBuddyLabel)
void TBuddyLabel::DeclareProperties(TClassBuilder<TBuddyLabel>& c) {
    c.Property("Buddy", &TBuddyLabel::GetBuddy, &TBuddyLabel::SetBuddy);
    c.Property("Note", &TBuddyLabel::GetNote, &TBuddyLabel::SetNote);
}

class ClassRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        label = new TLabel(&form);
        label->SetName("Label1");
        label->SetParent(&container);
        label->SetBounds(3, 4, 50, 20);
        label->SetCaption("Hello");
        label->SetColor(clRed);
        edit = new TEdit(&form);
        edit->SetName("Edit1");
        edit->SetParent(&container);
        edit->SetText("typed");
    }
    TComponent form{nullptr};
    TWinControl container{&form};
    TWinControl target{&form};
    TLabel* label;
    TEdit* edit;
};

TEST_F(ClassRegistry, HolderFromAChildCreatesComponentsWithItsValuesButNotItsName) {
    HClassArray array;
    array.Register(&container);
    ASSERT_EQ(array.Count(), 2);
    EXPECT_EQ(array.ItemINT(0)->Name(), "TLabel");
    EXPECT_EQ(array.ItemINT(1)->Name(), "TEdit");
    EXPECT_EQ(label->GetName(), "Label1");  // the prototype keeps its name

    auto* copy = dynamic_cast<TLabel*>(array.ItemINT(0)->Create(&form, &target));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetName(), "");
    EXPECT_EQ(copy->GetCaption(), "Hello");
    EXPECT_EQ(copy->GetColor(), clRed);
    EXPECT_EQ(copy->GetLeft(), 3);
    EXPECT_EQ(copy->GetWidth(), 50);
    EXPECT_EQ(copy->Parent(), &target);
    EXPECT_EQ(copy->Owner(), &form);

    auto* editCopy = dynamic_cast<TEdit*>(array.ItemINT(1)->Create(&form, nullptr));
    ASSERT_NE(editCopy, nullptr);
    EXPECT_EQ(editCopy->GetText(), "typed");
    EXPECT_EQ(editCopy->Parent(), nullptr);
}

TEST_F(ClassRegistry, NewInstancesKeepTheTemplatesReferencesAndAFailedOneLeavesNothing) {
    auto* prototype = new TBuddyLabel(&form);
    prototype->SetName("Pointing");
    prototype->SetBuddy(edit);
    prototype->SetNote("read me");
    HClassHolder holder(&TBuddyLabel::StaticClass(), prototype);
    auto* copy = dynamic_cast<TBuddyLabel*>(holder.Create(&form, &target));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetBuddy(), edit);

    const int components = form.ComponentCount();
    TBuddyLabel::refuseNotes = true;
    EXPECT_THROW(holder.Create(&form, &target), EReadError);
    TBuddyLabel::refuseNotes = false;
    EXPECT_EQ(form.ComponentCount(), components);
}

TEST_F(ClassRegistry, HoldersFromClassesCreatePlainInstances) {
    const TClass classes[] = {&TLabel::StaticClass(), &TComponent::StaticClass()};
    HClassArray array;
    array.Register(classes, 2);
    array.Register(classes, 0);
    ASSERT_EQ(array.Count(), 2);
    EXPECT_FALSE(array.ItemINT(0)->HasTemplate());
    auto* plain = dynamic_cast<TLabel*>(array.ItemINT(0)->Create(&form, &target));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetCaption(), "");
    // Not a control: it stays unparented whatever parent is given.
    TComponent* component = array.ItemINT(1)->Create(&form, &target);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(dynamic_cast<TControl*>(component), nullptr);
}

TEST_F(ClassRegistry, RegisteringTheSameContainerTwiceHoldsEveryClassTwice) {
    HClassArray array;
    array.Register(&container);
    array.Register(&container);
    ASSERT_EQ(array.Count(), 4);
    EXPECT_EQ(array.ItemINT(2)->Name(), "TLabel");
}

TEST_F(ClassRegistry, ClassesThatAreNoComponentsCreateNothing) {
    HClassHolder holder(&TPersistent::StaticClass(), nullptr);
    EXPECT_EQ(holder.Create(&form, nullptr), nullptr);
}

#ifndef _WIN32  // on Windows the abort waits for a click on its message box
TEST(BaseArrayDeath, AnIndexOutsideTheArrayEndsTheProgramWithTheAssertion) {
    EXPECT_DEATH(
        {
            BaseArray<int> array;
            array.AddINT(1);
            array.ItemINT(1);
        },
        "Assertion fail: \\(\\(UINT\\)num\\) < \\(\\(UINT\\)Count\\(\\)\\)");
}
#endif
}  // namespace

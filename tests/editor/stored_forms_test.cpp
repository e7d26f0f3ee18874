#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "support/controls/form_resource.h"
#include "support/controls/standard_controls.h"
#include "support/framework/class_registry.h"
#include "support/framework/std_controls.h"
#include "support/win32/form.h"
#include "support/win32/module_instance.h"

namespace {
std::vector<std::string> StoredFormFiles() {
    std::vector<std::string> files;
    std::stringstream list(PENDREL_STORED_FORMS);
    for (std::string file; std::getline(list, file, '|');)
        if (!file.empty()) files.push_back(file);
    return files;
}

std::string ContentOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

TEST(StoredFormsTest, EveryFormOfTheRepositoryLoadsIntoItsClass) {
    InstallStandardControls();
    const std::vector<std::string> files = StoredFormFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string text = ContentOf(file);
        ASSERT_FALSE(text.empty());
        const std::string className = FormTextClassName(text, FileName(file));
        TClass cls = GetClass(className);
        ASSERT_NE(cls, nullptr) << className << " is not registered";
        std::unique_ptr<TComponent> form(dynamic_cast<TComponent*>(cls->CreateInstance(nullptr)));
        ASSERT_NE(form, nullptr);
        EXPECT_NO_THROW(ReadFormText(*form, text, FileName(file)));
        for (const TPublishedField& field : cls->Fields()) EXPECT_NE(form->FindComponent(field.Name), nullptr) << field.Name;
    }
}

TEST(StoredFormsTest, FormsOfTheSupportLibraryAreItsResourcesUnchanged) {
    int found = 0;
    for (const std::string& file : StoredFormFiles()) {
        const std::string text = ContentOf(file);
        const std::string name = FormResourceName(FormTextClassName(text, file));
        try {
            EXPECT_EQ(FormResourceText(ModuleInstance(), name), text) << file;
            ++found;
        } catch (const EFormResourceError&) {
            // A program's form, among the program's resources.
        }
    }
    EXPECT_GE(found, 1);
}

// A form class of the test's own, to read texts with faults.
class TProbeForm : public TForm {
    PENDREL_CLASS(TProbeForm, TForm)
public:
    using TForm::TForm;
    void ItemClick(TObject*) { ++clicks; }
    TLabel* Title = nullptr;
    int clicks = 0;
};
PENDREL_IMPLEMENT_CLASS(TProbeForm)
void TProbeForm::DeclareProperties(TClassBuilder<TProbeForm>& c) {
    c.Component("Title", &TProbeForm::Title);
    c.Method("ItemClick", &TProbeForm::ItemClick);
}

std::string ReadError(const std::string& text) {
    InstallStandardControls();
    TProbeForm form(nullptr);
    try {
        ReadFormText(form, text, "probe");
    } catch (const EFormResourceError& error) {
        EXPECT_EQ(form.ComponentCount(), 0) << "what was read stays after the error";
        EXPECT_EQ(form.Title, nullptr);
        return error.Message;
    }
    return "no error";
}

const std::string kGood =
    "object Probe: TProbeForm\n"
    "  Caption = 'Probe'\n"
    "  object Title: TLabel\n"
    "    Caption = 'Title'\n"
    "    OnClick = ItemClick\n"
    "  end\n"
    "end\n";

TEST(FormTextTest, ReadsPropertiesComponentsFieldsAndHandlers) {
    InstallStandardControls();
    TProbeForm form(nullptr);
    ReadFormText(form, kGood, "probe");
    EXPECT_EQ(form.GetCaption(), "Probe");
    EXPECT_EQ(form.GetName(), "Probe");
    ASSERT_NE(form.Title, nullptr);
    EXPECT_EQ(form.Title->GetCaption(), "Title");
    EXPECT_EQ(form.Title->Parent(), &form);
    EXPECT_FALSE(form.Title->IsLoading());
    form.Title->Click();
    EXPECT_EQ(form.clicks, 1);
}

TEST(FormTextTest, TwoFormsOfAClassUnderOneOwnerGetNamesOfTheirOwn) {
    InstallStandardControls();
    TComponent owner(nullptr);
    auto* first = new TProbeForm(&owner);
    auto* second = new TProbeForm(&owner);
    ReadFormText(*first, kGood, "probe");
    ReadFormText(*second, kGood, "probe");
    EXPECT_EQ(first->GetName(), "Probe");
    EXPECT_EQ(second->GetName(), "Probe_1");
    EXPECT_NE(second->Title, nullptr);
}

TEST(FormTextTest, FaultsAreNamedAndLeaveNothingBehind) {
    const std::string broken = kGood.substr(0, kGood.size() - 4);  // no closing "end"
    EXPECT_NE(ReadError(broken).find("probe"), std::string::npos);
    EXPECT_NE(ReadError("object Probe: TProbeForm\n\n  Caption = 'open\nend\n").find("line 3"), std::string::npos);
    EXPECT_NE(ReadError("object Probe: TProbeForm\n  Colr = clRed\nend\n").find("Colr"), std::string::npos);
    EXPECT_NE(ReadError("object Probe: TProbeForm\nend\n").find("no component Title"), std::string::npos);
    EXPECT_NE(ReadError("object Probe: TProbeForm\n  object Title: TButton\n  end\nend\n").find("Title is a TButton"),
              std::string::npos);
    EXPECT_NE(ReadError("object Probe: TProbeForm\n  object Title: TLabel\n    OnClick = Missing\n  end\nend\n").find("Missing"),
              std::string::npos);
    EXPECT_NE(ReadError("object Probe: TProbeForm\n  object Title: TNoSuchClass\n  end\nend\n").find("TNoSuchClass"),
              std::string::npos);
    EXPECT_NE(ReadError("object Other: TForm\nend\n").find("holds a TForm"), std::string::npos);
    EXPECT_NE(ReadError(kGood + "object X: TLabel\nend\n").find("after the form"), std::string::npos);
    EXPECT_NE(ReadError("").find("probe"), std::string::npos);
}

TEST(FormTextTest, MissingResourceIsNamed) {
    try {
        FormResourceText(ModuleInstance(), "TNOSUCHFORM");
        FAIL() << "no error";
    } catch (const EFormResourceError& error) {
        EXPECT_NE(error.Message.find("TNOSUCHFORM"), std::string::npos);
    }
}
}  // namespace

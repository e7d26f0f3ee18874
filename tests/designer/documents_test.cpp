// Open layouts: start-up, opening, switching, saving and closing, with the questions answered
// by a robot.
#include "designer_fixture.h"

#include <windows.h>

#include <memory>

#include "components/config/cfg_storage.h"
#include "components/config/storage_link.h"
#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "keys/osk_keys.h"
#include "support/controls/tab_control.h"
#include "support/framework/exceptions.h"
#include "tests/dialogs/dialog_robot.h"

namespace {
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A file opened without sharing, so that no other program may replace it meanwhile.
class TLockedFile {
public:
    explicit TLockedFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~TLockedFile() { Release(); }
    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

// A change of the surface as the user makes one: a key moved.
void MoveKey(TMainForm& form, int index, int left) {
    form.DesignPlace->Controls(index)->SetLeft(left);
    form.DesignChanged();
}

// The left of the first key of a layout file as the keyboard's loader reads it.
int FirstLeftInFile(const std::string& path) {
    HDesignPanel panel(nullptr);
    HControlIO io(nullptr);
    io.SetControl(&panel);
    io.Load(path);
    return panel.ControlCount() > 0 ? panel.Controls(0)->GetLeft() : -1;
}

TEST_F(DesignerTest, StartingWithNothingOpensOneNewFormOf400By200) {
    Start();
    ASSERT_EQ(form->FormCount(), 1);
    EXPECT_EQ(form->CurrentForm()->Path, "<new>");
    EXPECT_EQ(form->DesignPlace->GetWidth(), 400);
    EXPECT_EQ(form->DesignPlace->GetHeight(), 200);
    EXPECT_EQ(form->pgForms->GetTabs()->Strings(0), "<new>");
    EXPECT_EQ(form->FormInfoText(form->CurrentForm()), "Form name: \"<new>\".\nData uses: 0 byte in memory.");
    EXPECT_FALSE(form->IsDesignMode());
    EXPECT_FALSE(form->tbInspector->GetVisible());
    EXPECT_TRUE(Reports().empty());
}

TEST_F(DesignerTest, LayoutArgumentsOpenInOrderOthersAreIgnoredAndAnOpenFileSwitches) {
    const std::string a = WriteFile("a.osk", KeysLayout({"A1"}));
    const std::string b = WriteFile("b.osk", KeysLayout({"B1", "B2"}));
    Start({a, WriteFile("notes.txt", "not a layout"), b});
    ASSERT_EQ(form->FormCount(), 2);
    EXPECT_EQ(form->Form(0)->Path, a);
    EXPECT_EQ(form->Form(1)->Path, b);
    EXPECT_EQ(form->CurrentIndex(), 1);
    EXPECT_EQ(SurfaceNames(), (std::vector<std::string>{"B1", "B2"}));
    EXPECT_EQ(form->FormInfoText(form->Form(0)).rfind("Form file: \"" + a + "\".", 0), 0u);
    WriteFile("a.osk", KeysLayout({"Changed"}));
    form->OpenFormFile(a);
    EXPECT_EQ(form->FormCount(), 2);
    EXPECT_EQ(form->CurrentIndex(), 0);
    EXPECT_EQ(SurfaceNames(), std::vector<std::string>{"A1"}) << "an open file is switched to, not read again";
    EXPECT_FALSE(form->CurrentForm()->Modified);
}

TEST_F(DesignerTest, ANewFormKeepsItsKeysAcrossSwitchesAndNextAndPrevWrap) {
    Start();
    auto* key = new OSKKey(form->DesignPlace);
    key->SetName("Drawn");
    key->SetParent(form->DesignPlace);
    form->DesignChanged();
    EXPECT_EQ(form->pgForms->GetTabs()->Strings(0), "[*] <new>");
    form->OpenFormFile(WriteFile("a.osk", KeysLayout({"A1"})));
    ASSERT_EQ(form->CurrentIndex(), 1);
    form->Next1Click(nullptr);
    EXPECT_EQ(form->CurrentIndex(), 0);
    EXPECT_EQ(SurfaceNames(), std::vector<std::string>{"Drawn"});
    form->Prev1Click(nullptr);
    EXPECT_EQ(form->CurrentIndex(), 1);
    form->Next1Click(nullptr);
    EXPECT_EQ(form->CurrentIndex(), 0);
}

TEST_F(DesignerTest, AFileThatCannotBeReadIsReportedWithItsReasonAndChangesNoForm) {
    const std::string good = KeysLayout({"A1"});
    Start({WriteFile("a.osk", good)});
    MoveKey(*form, 0, 77);
    std::string badLine = good;
    badLine.insert(badLine.find("    Top"), "    Left = = 3\r\n");
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"missing.osk", ""}, {"binary.osk", std::string("\x01\x02\x03garbage", 10)},
        {"truncated.osk", good.substr(0, good.size() / 2)}, {"badline.osk", badLine}};
    for (const auto& [name, bytes] : bad) {
        const std::string path = bytes.empty() ? PathOf(name) : WriteFile(name, bytes);
        form->OpenFormFile(path);
        EXPECT_EQ(form->FormCount(), 1) << name;
        EXPECT_EQ(LeftOf("A1"), 77) << name << ": the form on the surface keeps its change";
        ASSERT_FALSE(Reports().empty()) << name;
        EXPECT_TRUE(Contains(Reports().back(), "During load form:\n[" + path + "]\nnext error happen:\n")) << Reports().back();
    }
    EXPECT_EQ(Reports().size(), bad.size());
    EXPECT_TRUE(Contains(Reports().back(), "at 8 string")) << "a text form error names its line: " << Reports().back();
    EXPECT_TRUE(form->CurrentForm()->Modified);
}

std::string LayoutWithErrors() {
    std::string text = KeysLayout({"K1", "K2"});
    for (size_t at = text.find("    KeyLabel"); at != std::string::npos; at = text.find("    KeyLabel", at + 30))
        text.insert(at, "    NoSuchProperty = 1\r\n");
    return text;
}

TEST_F(DesignerTest, ReadErrorsAreOfferedWithYesYesToAllAndNo) {
    Start();
    {
        TDialogRobot robot("Error loading form data...");
        robot.Click("&Yes").Click("&Yes");
        form->OpenFormFile(WriteFile("yes.osk", LayoutWithErrors()));
        ASSERT_EQ(form->FormCount(), 2);
        EXPECT_FALSE(form->CurrentForm()->Modified) << "errors answered Yes leave the form unmodified";
    }
    {
        TShownDialog shown;
        TDialogRobot robot("Error loading form data...");
        robot.Inspect(shown).Click("Yes to &All");
        form->OpenFormFile(WriteFile("all.osk", LayoutWithErrors()));
        ASSERT_EQ(form->FormCount(), 3);
        EXPECT_EQ(shown.ButtonTexts(), (std::vector<std::string>{"&Yes", "Yes to &All", "&No"}));
        EXPECT_TRUE(form->CurrentForm()->Modified);
        EXPECT_EQ(SurfaceNames(), (std::vector<std::string>{"K1", "K2"}));
    }
    {
        TDialogRobot robot("Error loading form data...");
        robot.Click("&No");
        form->OpenFormFile(WriteFile("no.osk", LayoutWithErrors()));
        EXPECT_EQ(form->FormCount(), 3);
        EXPECT_EQ(form->CurrentIndex(), 2);
        EXPECT_EQ(Reports().size(), 1u);
    }
}

TEST_F(DesignerTest, SaveWritesTheFileAndAFailedSaveKeepsTheOldFileAndTheChange) {
    const std::string a = WriteFile("a.osk", KeysLayout({"A1"}));
    Start({a});
    MoveKey(*form, 0, 120);
    form->idSaveClick(nullptr);
    EXPECT_FALSE(form->CurrentForm()->Modified);
    EXPECT_EQ(FirstLeftInFile(a), 120);
    const std::string saved = ReadFile(a);
    MoveKey(*form, 0, 150);
    {
        const TLockedFile locked(a);
        EXPECT_THROW(form->idSaveClick(nullptr), Exception);
    }
    EXPECT_TRUE(form->CurrentForm()->Modified);
    EXPECT_EQ(ReadFile(a), saved);
    EXPECT_EQ(LeftOf("A1"), 150);
}

// The file name box of the system's file dialogs: a combo box in the newer look, an edit in the older.
void TypeFileName(HWND dialog, const std::string& path) {
    if (!SetDlgItemTextA(dialog, 0x47C, path.c_str())) SetDlgItemTextA(dialog, 0x480, path.c_str());
}

TEST_F(DesignerTest, SaveAsGivesANewFormItsFileAndRemembersTheFolder) {
    Start();
    auto* key = new OSKKey(form->DesignPlace);
    key->SetName("Drawn");
    key->SetParent(form->DesignPlace);
    key->SetLeft(33);
    form->DesignChanged();
    const std::string path = PathOf("drawn.osk");
    TShownDialog shown;
    TDialogRobot robot("Save OSK file...");
    robot.Then([&](HWND dialog) { TypeFileName(dialog, path); }).Then([](HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    form->idSaveClick(nullptr);
    ASSERT_TRUE(robot.SawDialog()) << "a form without a file is saved as";
    EXPECT_EQ(FirstLeftInFile(path), 33);
    EXPECT_TRUE(form->CurrentForm()->HasFile);
    EXPECT_FALSE(form->CurrentForm()->Modified);
    EXPECT_EQ(form->pgForms->GetTabs()->Strings(0), "drawn.osk");
    EXPECT_EQ(form->Settings()->Read("LastUsedFormPath", std::string()), folder.string() + "\\");
}

TEST_F(DesignerTest, AFailedSaveOnClosingOffersToRepeat) {
    const std::string a = WriteFile("a.osk", KeysLayout({"A1"}));
    Start({a});
    MoveKey(*form, 0, 90);
    const auto locked = std::make_unique<TLockedFile>(a);
    {
        // One robot at a time answers whatever dialog shows: the question, then the repeats.
        TShownDialog repeat;
        TDialogRobot robot;
        robot.Click("&Yes").Inspect(repeat).Click("&Yes").Click("Cancel");
        EXPECT_FALSE(form->CloseForm(0, true)) << "Cancel keeps the form";
        EXPECT_EQ(repeat.Caption, "Error...");
    }
    {
        TDialogRobot robot;
        robot.Click("&Yes").Click("&No");
        EXPECT_TRUE(form->CloseForm(0, true)) << "No gives up the save and lets the close go on";
    }
    locked->Release();
    EXPECT_EQ(FirstLeftInFile(a), 10);
}

TEST_F(DesignerTest, ClosingKeepsTheFormOnTheSurfaceCurrent) {
    Start({WriteFile("a.osk", KeysLayout({"A1"})), WriteFile("b.osk", KeysLayout({"B1"})),
           WriteFile("c.osk", KeysLayout({"C1"}))});
    form->CloseForm(0, true);
    EXPECT_EQ(form->CurrentIndex(), 1);
    EXPECT_EQ(form->pgForms->GetTabIndex(), 1);
    EXPECT_EQ(SurfaceNames(), std::vector<std::string>{"C1"});
    form->CloseForm(1, true);
    EXPECT_EQ(form->CurrentIndex(), 0) << "closing the current last form selects the new last";
    EXPECT_EQ(SurfaceNames(), std::vector<std::string>{"B1"});
}

TEST_F(DesignerTest, DamagedSettingsAndReopenEntriesNeverStopTheStart) {
    WriteFile("designer.hcfg", "int OSKWidth = 300\nthis is not a setting\n");
    Start();
    EXPECT_EQ(form->FormCount(), 1);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_TRUE(Contains(Reports()[0], "designer.hcfg")) << Reports()[0];
    form->FormClose();
    form.reset();
    const std::string a = WriteFile("a.osk", KeysLayout({"A1"}));
    {
        HCfgStorage cfg(nullptr);
        cfg.SetFileName(PathOf("designer.hcfg"));
        HStorageLink ide;
        ide.SetStorage(&cfg);
        ide.SetKeyPath("IDE");
        ide.Write("ReopenCount", 3);
        ide.Write("ReopenForm0", PathOf("gone.osk"));
        ide.Write("ReopenForm1", a);
        ide.Write("ReopenForm2", WriteFile("damaged.osk", "object x"));
        ASSERT_TRUE(cfg.Save());
    }
    Start();
    ASSERT_EQ(form->FormCount(), 1);
    EXPECT_EQ(form->CurrentForm()->Path, a);
    EXPECT_EQ(Reports().size(), 3u) << "each bad entry is reported once";
}
}  // namespace

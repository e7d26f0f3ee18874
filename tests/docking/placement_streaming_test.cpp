// A form holding docks and a tool window with stored placement, written and read back as a
// form's stream: the window's own link keeps its storage and key, the dock references and
// the docked place come back.
#include <gtest/gtest.h>

#include <string>

#include "components/config/cfg_storage.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "support/framework/class_registry.h"
#include "support/framework/object_text.h"
#include "support/framework/reader.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"

namespace {
// A form as the programs store them: its non-visual components first, then its controls.
class TDockForm : public TWinControl {
    PENDREL_CLASS(TDockForm, TWinControl)
public:
    explicit TDockForm(TComponent* owner) : TWinControl(owner) {}
    bool IsForm() const override { return true; }
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override {
        for (int i = 0; i < ComponentCount(); ++i)
            if (!dynamic_cast<TControl*>(Components(i))) proc(Components(i));
        TWinControl::GetChildren(proc, root);
    }
};
}  // namespace

PENDREL_IMPLEMENT_CLASS(TDockForm)
void TDockForm::DeclareProperties(TClassBuilder<TDockForm>&) {}

class PlacementStreaming : public ::testing::Test {
protected:
    PlacementStreaming() {
        RegisterClass(TDock97::StaticClass());
        RegisterClass(HToolWindow97::StaticClass());
        RegisterClass(HCfgStorage::StaticClass());
        source.SetName("MainForm");
        source.SetBounds(0, 0, 500, 400);
        source.Hide();
        auto* cfg = new HCfgStorage(&source);
        cfg->SetName("cfg");
        auto* topDock = Dock("TopDock", dpTop);
        Dock("LeftDock", dpLeft);
        palette = new HToolWindow97(&source);
        palette->SetName("tbPalette");
        palette->SetCaption("Components palette");
        palette->GetStorage()->SetStorage(cfg);
        palette->GetStorage()->SetKeyPath("Palette");
        palette->SetTopDock(topDock);
        palette->SetDockableTo({dpTop, dpBottom});
        palette->SetClientWidth(150);
        palette->SetClientHeight(70);
        palette->SetDockPos(12);
        palette->SetDockedTo(topDock);
    }

    TDock97* Dock(const char* name, TDockPosition position) {
        auto* dock = new TDock97(&source);
        dock->SetName(name);
        dock->SetPosition(position);
        dock->SetParent(&source);
        return dock;
    }

    TMemoryStream Written() {
        TMemoryStream binary;
        TWriter writer(binary);
        writer.WriteRootComponent(&source);
        binary.SetPosition(0);
        return binary;
    }

    std::string AsText(TMemoryStream& binary) {
        TMemoryStream text;
        HObjectBinaryToText(0, &binary, &text);
        binary.SetPosition(0);
        return std::string(reinterpret_cast<const char*>(text.Memory()), static_cast<size_t>(text.GetSize()));
    }

    TDockForm source{nullptr};
    HToolWindow97* palette;
};

TEST_F(PlacementStreaming, TheLinkIsWrittenAsPartOfTheWindow) {
    TMemoryStream binary = Written();
    const std::string text = AsText(binary);
    EXPECT_NE(text.find("Storage.Storage = cfg"), std::string::npos) << text;
    EXPECT_NE(text.find("Storage.KeyPath = 'Palette'"), std::string::npos) << text;
    EXPECT_NE(text.find("TopDock = TopDock"), std::string::npos) << text;
    EXPECT_EQ(text.find("LeftDock = "), std::string::npos) << text;
    EXPECT_NE(text.find("DockPos = 12"), std::string::npos) << text;
}

TEST_F(PlacementStreaming, ReadBackTheWindowSitsOnItsDockLinkedToItsStorage) {
    TMemoryStream binary = Written();
    TDockForm target(nullptr);
    target.SetBounds(0, 0, 500, 400);
    target.Hide();
    TReader reader(binary);
    reader.SetOwner(&target);
    reader.SetParent(&target);
    reader.BeginReferences();
    reader.ReadRootComponent(&target);
    reader.FixupReferences();
    reader.EndReferences();
    for (int i = 0; i < target.ComponentCount(); ++i) target.Components(i)->Loaded();

    auto* window = dynamic_cast<HToolWindow97*>(target.FindComponent("tbPalette"));
    auto* cfg = dynamic_cast<HCfgStorage*>(target.FindComponent("cfg"));
    auto* topDock = dynamic_cast<TDock97*>(target.FindComponent("TopDock"));
    ASSERT_NE(window, nullptr);
    ASSERT_NE(cfg, nullptr);
    ASSERT_NE(topDock, nullptr);
    EXPECT_EQ(window->GetStorage()->GetStorage(), cfg);
    EXPECT_EQ(window->GetStorage()->GetKeyPath(), "Palette");
    EXPECT_EQ(window->GetTopDock(), topDock);
    EXPECT_EQ(window->GetLeftDock(), nullptr);
    EXPECT_EQ(window->GetDockedTo(), topDock);
    EXPECT_EQ(window->GetLeft(), 12);
    EXPECT_EQ(window->ClientWidth(), 150);
    EXPECT_EQ(window->ClientHeight(), 70);
    EXPECT_EQ(topDock->GetHeight(), window->GetHeight());
    EXPECT_EQ(window->GetDockableTo(), (TDockableTo{dpTop, dpBottom}));
    ASSERT_EQ(cfg->Links().size(), 1u);
    EXPECT_EQ(cfg->Links()[0], window->GetStorage());

    window->SetDockPos(30);
    EXPECT_EQ(cfg->SubKey("Palette")->Read("DockPos", -1), 30);
}

// Stored placement: tool windows and toolbars write where they are into their storage's key
// and go back there when the storage loads, through a settings file as the designer keeps it.
#include <gtest/gtest.h>

#include <memory>

#include "components/config/cfg_storage.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "components/visual/dock97/h_toolbar97.h"
#include "components/visual/dock97/toolwindow_storage.h"
#include "dock_fixture.h"
#include "tests/lib/temp_folder.h"

class Placement : public DockFixture {
protected:
    Placement() {
        cfg = new HCfgStorage(&form);
        cfg->SetAutoLoad(false);
        cfg->SetAutoSave(false);
        cfg->SetFileName(folder.File("designer.hcfg"));
        palette = MakeStored<HToolWindow97>();
    }

    template <class Window>
    Window* MakeStored() {
        auto* window = new Window(&form);
        window->GetStorage()->SetStorage(cfg);
        window->GetStorage()->SetKeyPath("Palette");
        window->SetLeftDock(left);
        window->SetTopDock(top);
        window->SetRightDock(right);
        window->SetBottomDock(bottom);
        window->SetClientWidth(150);
        window->SetClientHeight(70);
        return window;
    }

    HConfigItem& StoredKey() { return *cfg->SubKey("Palette"); }
    // The placement as the file holds it.
    std::unique_ptr<HTreeConfig> FileContent() {
        auto tree = std::make_unique<HTreeConfig>();
        EXPECT_TRUE(tree->Load(folder.File("designer.hcfg")));
        return tree;
    }

    TTempFolder folder;
    HCfgStorage* cfg;
    HToolWindow97* palette;
};

TEST_F(Placement, ADockedWindowComesBackToItsDockRowAndPlace) {
    auto* other = MakeWindow(90, 30);
    other->SetDockedTo(bottom);
    palette->SetDockRow(1);
    palette->SetDockPos(40);
    palette->SetDockedTo(bottom);
    ASSERT_TRUE(cfg->Save());

    palette->SetDockedTo(nullptr);
    palette->SetClientWidth(60);
    ASSERT_TRUE(cfg->Load());

    EXPECT_EQ(palette->GetDockedTo(), bottom);
    EXPECT_EQ(palette->GetDockRow(), 1);
    EXPECT_EQ(palette->GetLeft(), 40);
    EXPECT_EQ(palette->GetTop(), other->GetHeight());
    EXPECT_EQ(palette->ClientWidth(), 150);
    EXPECT_EQ(palette->ClientHeight(), 70);
    EXPECT_TRUE(palette->GetVisible());
}

TEST_F(Placement, AFloatingWindowComesBackAtItsScreenPositionAndClientSize) {
    palette->SetDockedTo(nullptr);
    palette->SetFloatingPosition({150, 120});
    palette->SetClientWidth(200);
    palette->SetClientHeight(90);
    ASSERT_TRUE(cfg->Save());

    palette->SetDockedTo(right);
    palette->SetClientWidth(40);
    ASSERT_TRUE(cfg->Load());

    EXPECT_TRUE(palette->Floating());
    EXPECT_EQ(palette->GetLeft(), 150);
    EXPECT_EQ(palette->GetTop(), 120);
    EXPECT_EQ(palette->ClientWidth(), 200);
    EXPECT_EQ(palette->ClientHeight(), 90);
    EXPECT_EQ(right->GetWidth(), 0);
}

TEST_F(Placement, TheFileHoldsEveryValueOfTheLatestPlacement) {
    palette->SetFloatingPosition({210, 230});
    palette->SetDockedTo(left);
    palette->SetDockPos(15);
    palette->Hide();
    ASSERT_TRUE(cfg->Save());

    const auto tree = FileContent();
    const HConfigItem* key = tree->Root()->FindSubKey("Palette");
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->Read("Visible", true));
    EXPECT_FALSE(key->Read("Float", true));
    EXPECT_EQ(key->Read("Dock", -1), 2);
    EXPECT_EQ(key->Read("X", -1), 210);
    EXPECT_EQ(key->Read("Y", -1), 230);
    EXPECT_EQ(key->Read("W", -1), 150);
    EXPECT_EQ(key->Read("H", -1), 70);
    EXPECT_EQ(key->Read("DockPos", -1), 15);
    EXPECT_EQ(key->Read("DockRow", -1), 0);
}

TEST_F(Placement, DockCodesNameTheDocksAndAFloatingWindowWritesBottom) {
    const std::pair<TDock97*, int> expected[] = {{top, 0}, {bottom, 1}, {left, 2}, {right, 3}, {nullptr, 1}};
    for (const auto& [dock, code] : expected) {
        palette->SetDockedTo(dock);
        EXPECT_EQ(palette->DockCode(), code);
        EXPECT_EQ(StoredKey().Read("Dock", -1), code);
    }
}

TEST_F(Placement, EveryMoveIsRecordedInTheTreeAtOnce) {
    palette->SetDockedTo(top);
    EXPECT_FALSE(StoredKey().Read("Float", true));
    EXPECT_EQ(StoredKey().Read("Dock", -1), 0);
    palette->SetDockedTo(nullptr);
    palette->SetFloatingPosition({333, 222});
    EXPECT_TRUE(StoredKey().Read("Float", false));
    EXPECT_EQ(StoredKey().Read("X", -1), 333);
    EXPECT_EQ(StoredKey().Read("Y", -1), 222);
}

TEST_F(Placement, AHiddenWindowStaysHidden) {
    palette->SetDockedTo(top);
    palette->Hide();
    ASSERT_TRUE(cfg->Save());
    palette->Show();
    ASSERT_TRUE(cfg->Load());
    EXPECT_FALSE(palette->GetVisible());
    EXPECT_EQ(palette->GetDockedTo(), top);
    EXPECT_EQ(top->GetHeight(), 0);
}

TEST_F(Placement, AToolbarKeepsItsPlacementTheSameWay) {
    auto* toolbar = MakeStored<HToolbar97>();
    toolbar->GetStorage()->SetKeyPath("Tools");
    toolbar->SetDockRow(0);
    toolbar->SetDockedTo(right);
    palette->SetDockedTo(nullptr);
    ASSERT_TRUE(cfg->Save());

    toolbar->SetDockedTo(top);
    ASSERT_TRUE(cfg->Load());
    EXPECT_EQ(toolbar->GetDockedTo(), right);
    EXPECT_TRUE(palette->Floating());
}

TEST_F(Placement, AKeyWithoutValuesFloatsTheWindowWhereItIs) {
    palette->SetDockedTo(top);
    const TPoint screen{palette->ScreenBounds().Left, palette->ScreenBounds().Top};
    palette->SetFloatingPosition({250, 260});
    HConfigItem empty;
    LoadToolwindow(palette, &empty);
    EXPECT_TRUE(palette->Floating());
    EXPECT_TRUE(palette->GetVisible());
    EXPECT_EQ(palette->ClientWidth(), 150);
    EXPECT_EQ(palette->ClientHeight(), 70);
    EXPECT_EQ(palette->GetLeft(), 250);
    EXPECT_NE(palette->GetLeft(), screen.X);
}

TEST_F(Placement, WithoutAFileTheWindowKeepsItsDesignedPlace) {
    palette->SetDockedTo(left);
    EXPECT_FALSE(cfg->Load());
    EXPECT_EQ(palette->GetDockedTo(), left);
}

TEST_F(Placement, StoredPositionsAreNotOverwrittenWhileTheyAreApplied) {
    palette->SetDockedTo(top);
    HConfigItem& key = StoredKey();
    key.Write("Float", true);
    key.Write("X", 310);
    key.Write("Y", 320);
    key.Write("W", 111);
    key.Write("H", 55);
    palette->idCfgToSet(cfg);

    EXPECT_TRUE(palette->Floating());
    EXPECT_EQ(palette->GetLeft(), 310);
    EXPECT_EQ(palette->GetTop(), 320);
    EXPECT_EQ(palette->ClientWidth(), 111);
    EXPECT_EQ(palette->ClientHeight(), 55);
    EXPECT_EQ(key.Read("X", -1), 310);
    EXPECT_EQ(key.Read("W", -1), 111);
}

TEST_F(Placement, ADockCodeNamingNoSetDockLeavesTheWindowWhereItWas) {
    palette->SetRightDock(nullptr);
    palette->SetDockedTo(nullptr);
    palette->SetFloatingPosition({140, 130});
    for (int code : {3, 7, -2}) {
        HConfigItem key;
        key.Write("Float", false);
        key.Write("Dock", code);
        key.Write("W", 99);
        key.Write("DockPos", 25);
        LoadToolwindow(palette, &key);
        EXPECT_TRUE(palette->Floating()) << code;
        EXPECT_EQ(palette->GetLeft(), 140) << code;
        EXPECT_EQ(palette->ClientWidth(), 99) << code;
        EXPECT_EQ(palette->GetDockPos(), 25) << code;
        EXPECT_TRUE(palette->GetVisible()) << code;
    }
}

TEST_F(Placement, SizesAndIndexesNoWindowCanTakeKeepItUsable) {
    palette->SetDockedTo(top);
    HConfigItem key;
    key.Write("Float", false);
    key.Write("W", -40);
    key.Write("H", 0);
    key.Write("DockPos", -500);
    key.Write("DockRow", -3);
    LoadToolwindow(palette, &key);
    EXPECT_EQ(palette->GetDockedTo(), top);
    EXPECT_EQ(palette->ClientWidth(), 150);
    EXPECT_EQ(palette->ClientHeight(), 70);
    EXPECT_EQ(palette->GetLeft(), 0);
    EXPECT_EQ(palette->GetTop(), 0);
}


TEST_F(Placement, AGivenDockFunctionDecidesWhereTheWindowGoes) {
    HConfigItem key;
    key.Write("Float", false);
    key.Write("Dock", 3);
    int asked = -1;
    LoadToolwindow(palette, &key, [&](int code) {
        asked = code;
        palette->SetDockedTo(bottom);
    });
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(palette->GetDockedTo(), bottom);
}


TEST_F(Placement, RemovingTheStorageDetachesTheLinkAndLaterMovesWriteNothing) {
    delete cfg;
    EXPECT_EQ(palette->GetStorage()->GetStorage(), nullptr);
    palette->SetDockedTo(top);
    palette->SetFloatingPosition({10, 10});
    EXPECT_EQ(palette->GetStorage()->GetKey(), nullptr);
    EXPECT_EQ(palette->GetDockedTo(), top);
}


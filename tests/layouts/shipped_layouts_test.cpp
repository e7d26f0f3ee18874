#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "keys/osk_keys.h"
#include "keys/palette_table.h"
#include "layout_check.h"
#include "osklayout.h"
#include "shipped_layouts.h"

namespace {
const std::string kLayouts = PENDREL_LAYOUTS_DIR;

std::string ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShippedLayouts : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLayouts, LoadWithoutReadErrors) {
    std::ostringstream out, err;
    EXPECT_EQ(RunOsklayout({"check", kLayouts + "/" + GetParam()}, out, err), 0) << err.str();
}

// The files are written by layoutgen; a change to the descriptions must be written out again.
TEST_P(ShippedLayouts, MatchTheirDescriptionsInCode) {
    const std::string fresh = (std::filesystem::temp_directory_path() / ("fresh_" + GetParam())).string();
    if (GetParam() == "startup.osk") WriteFullKeyboard(fresh);
    if (GetParam() == "laptop.osk") WriteLaptopKeyboard(fresh);
    if (GetParam() == "numpad.osk") WriteNumericPad(fresh);
    EXPECT_EQ(ReadFile(fresh), ReadFile(kLayouts + "/" + GetParam())) << "run: layoutgen layouts";
    std::remove(fresh.c_str());
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLayouts, ::testing::Values("startup.osk", "laptop.osk", "numpad.osk"));

TEST(FullKeyboard, HasEveryBlockAUserExpects) {
    RegisterLayoutClasses();
    TComponent owner(nullptr);
    auto* panel = new HDesignPanel(&owner);
    HControlIO io(&owner);
    io.SetControl(panel);
    io.Load(kLayouts + "/startup.osk");
    int characters = 0, fixed = 0, modifiers = 0, commands = 0;
    std::vector<int> commandKinds;
    for (int i = 0; i < panel->ControlCount(); ++i) {
        TControl* c = panel->Controls(i);
        if (dynamic_cast<OSKKeyCmd*>(c)) {
            ++commands;
            commandKinds.push_back(static_cast<OSKKeyCmd*>(c)->GetCommand());
        } else if (dynamic_cast<OSKKeySym*>(c)) {
            ++modifiers;
        } else if (dynamic_cast<OSKKeyFx*>(c)) {
            ++fixed;
        } else if (dynamic_cast<OSKKey*>(c)) {
            ++characters;
        }
    }
    EXPECT_EQ(characters, 47);  // the main block's character keys of a US keyboard
    EXPECT_EQ(modifiers, 11);   // both Shift, Ctrl, Alt and Win keys; Caps, Num and Scroll Lock
    EXPECT_GE(fixed, 12 + 17);  // function row and numeric pad at least
    EXPECT_EQ(commandKinds, (std::vector<int>{ocMinimize, ocConfigure, osSysMenu, ocLayoutChange, ocClose}));
    // No two keys overlap.
    for (int i = 0; i < panel->ControlCount(); ++i)
        for (int j = i + 1; j < panel->ControlCount(); ++j) {
            const TRect a = panel->Controls(i)->BoundsRect(), b = panel->Controls(j)->BoundsRect();
            const bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
            EXPECT_FALSE(overlap) << panel->Controls(i)->GetName() << " / " << panel->Controls(j)->GetName();
        }
}
}  // namespace

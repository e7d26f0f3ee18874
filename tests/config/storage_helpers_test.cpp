// Fonts and form placement kept in a settings key.
#include <gtest/gtest.h>

#include <climits>

#include "components/config/storage_helpers.h"
#include "support/framework/win_control.h"

namespace {
// A screen of a known size whose forms keep their window state here.
class FakeWindowing : public HFormWindowing {
public:
    TPoint ScreenSize() const override { return screen; }
    HWindowState WindowState(const TControl&) const override { return state; }
    void SetWindowState(TControl&, HWindowState value) const override { state = value; }
    bool IsSizeable(const TControl&) const override { return sizeable; }

    TPoint screen{1024, 740};
    mutable HWindowState state = hwsNormal;
    bool sizeable = true;
};

TRect Bounds(const TControl& form) { return form.BoundsRect(); }
bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
}  // namespace

class FormPos : public ::testing::Test {
protected:
    FormPos() { form.SetBounds(10, 20, 300, 200); }
    void Store(int x, int y, int w, int h, int state = 0) {
        key.Write("X", x);
        key.Write("Y", y);
        key.Write("W", w);
        key.Write("H", h);
        key.Write("WindowState", state);
    }

    HConfigItem key;
    TWinControl form{nullptr};
    FakeWindowing windowing;
};

TEST_F(FormPos, SavedPlacementLoadsBack) {
    windowing.state = hwsNormal;
    HSaveFormPos(&key, &form, windowing);
    EXPECT_EQ(key.Read("X", 0), 10);
    EXPECT_EQ(key.Read("Y", 0), 20);
    EXPECT_EQ(key.Read("W", 0), 300);
    EXPECT_EQ(key.Read("H", 0), 200);
    EXPECT_EQ(key.Read("WindowState", -1), 0);
    form.SetBounds(0, 0, 50, 50);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{10, 20, 310, 220}));
}

TEST_F(FormPos, WindowStateIsSaved) {
    windowing.state = hwsMaximized;
    HSaveFormPos(&key, &form, windowing);
    EXPECT_EQ(key.Read("WindowState", -1), 2);
}

TEST_F(FormPos, NullKeyOrFormDoesNothing) {
    HSaveFormPos(nullptr, &form, windowing);
    HSaveFormPos(&key, nullptr, windowing);
    EXPECT_TRUE(key.Empty());
    Store(1, 2, 3, 4);
    HLoadFormPos(nullptr, &form, windowing);
    HLoadFormPos(&key, nullptr, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{10, 20, 310, 220}));
}

TEST_F(FormPos, MaximisedStateIsTakenAndBoundsIgnored) {
    Store(500, 400, 100, 100, 2);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_EQ(windowing.state, hwsMaximized);
    EXPECT_TRUE(Bounds(form) == (TRect{10, 20, 310, 220}));
}

TEST_F(FormPos, MinimisedStateIsTaken) {
    Store(500, 400, 100, 100, 1);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_EQ(windowing.state, hwsMinimized);
}

TEST_F(FormPos, UnknownStateCountsAsNormal) {
    windowing.state = hwsMaximized;
    Store(5, 6, 100, 100, 7);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_EQ(windowing.state, hwsMaximized);
    EXPECT_TRUE(Bounds(form) == (TRect{5, 6, 105, 106}));
}

TEST_F(FormPos, AnyMissingBoundChangesNothing) {
    for (const char* missing : {"X", "Y", "W", "H"}) {
        HConfigItem partial;
        for (const char* name : {"X", "Y", "W", "H"})
            if (std::string(name) != missing) partial.Write(name, 50);
        HLoadFormPos(&partial, &form, windowing);
        EXPECT_TRUE(Bounds(form) == (TRect{10, 20, 310, 220})) << missing;
    }
}

TEST_F(FormPos, SizeIsLimitedToTheScreen) {
    Store(0, 0, 5000, 3000);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{0, 0, 1024, 740}));
}

TEST_F(FormPos, FormBeyondTheScreenIsPulledBack) {
    Store(2000, 900, 400, 300);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{624, 440, 1024, 740}));
}

TEST_F(FormPos, FormJustInsideTheScreenEdgeStays) {
    Store(1024, 740, 400, 300);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{1024, 740, 1424, 1040}));
}

TEST_F(FormPos, FixedSizeFormKeepsItsSizeAndOnlyMoves) {
    windowing.sizeable = false;
    Store(3000, 50, 900, 900);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{724, 50, 1024, 250}));
}

TEST_F(FormPos, DamagedSizeLeavesTheFormAlone) {
    Store(5, 5, 0, -7);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{10, 20, 310, 220}));
}

TEST_F(FormPos, FormWiderThanATinyScreenStaysOnIt) {
    windowing.screen = {200, 100};
    windowing.sizeable = false;
    Store(900, 900, 1, 1);
    HLoadFormPos(&key, &form, windowing);
    EXPECT_TRUE(Bounds(form) == (TRect{0, 0, 200, 100}));
}

TEST(FormPosSystem, WithoutAWindowSystemTheScreenHasNoBounds) {
#ifndef _WIN32
    HConfigItem key;
    TWinControl form(nullptr);
    key.Write("X", 5000);
    key.Write("Y", 4000);
    key.Write("W", 3000);
    key.Write("H", 2000);
    HLoadFormPos(&key, &form);
    EXPECT_TRUE(Bounds(form) == (TRect{5000, 4000, 8000, 6000}));
#endif
}

TEST(FontStore, FontSurvivesSaveAndLoad) {
    TFont saved;
    saved.SetColor(clBtnText);
    saved.SetSize(14);
    saved.SetName("Tahoma");
    saved.SetStyle(TFontStyles{fsBold, fsStrikeOut});
    HConfigItem key;
    HSaveFont(&saved, &key);
    EXPECT_EQ(key.ReadColor("Color", 0), clBtnText);
    EXPECT_EQ(key.Read("Size", 0), 14);
    EXPECT_STREQ(key.Read("Name", ""), "Tahoma");
    EXPECT_TRUE(key.Read("Bold", false));
    EXPECT_FALSE(key.Read("Italic", true));
    EXPECT_FALSE(key.Read("Underline", true));
    EXPECT_TRUE(key.Read("StrikeOut", false));

    TFont loaded;
    HLoadFont(&loaded, &key);
    EXPECT_TRUE(loaded == saved);
}

TEST(FontStore, EmptyKeyLeavesTheFontUnchanged) {
    TFont font;
    font.SetName("Courier New");
    font.SetSize(11);
    font.SetStyle(TFontStyles{fsItalic, fsUnderline});
    TFont before;
    before.Assign(&font);
    HConfigItem key;
    HLoadFont(&font, &key);
    EXPECT_TRUE(font == before);
}

TEST(FontStore, StoredFalseClearsAStyle) {
    TFont font;
    font.SetStyle(TFontStyles{fsBold, fsItalic});
    HConfigItem key;
    key.Write("Bold", false);
    HLoadFont(&font, &key);
    EXPECT_EQ(font.GetStyle(), TFontStyles{fsItalic});
}

TEST(FontStore, NullFontOrKeyDoesNothing) {
    TFont font;
    HConfigItem key;
    HSaveFont(nullptr, &key);
    HSaveFont(&font, nullptr);
    HLoadFont(nullptr, &key);
    HLoadFont(&font, nullptr);
    EXPECT_TRUE(key.Empty());
}

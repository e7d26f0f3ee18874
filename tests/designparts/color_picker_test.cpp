// The colour picker's grid: what lies where, which colours it offers, and what a choice does.
#include "components/visual/colorpicker/color_picker_button.h"

#include <gtest/gtest.h>

#include "stream_helpers.h"

namespace {
TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

TEST(ColorPalette, EveryCellIsFoundAtItsOwnPlaceAndButtonsBelowTheCells) {
    const TColorPaletteLayout layout(true, true, true);
    for (int i = 0; i < static_cast<int>(layout.Colors().size()); ++i) {
        const TPaletteHit hit = layout.HitTest(Center(layout.CellRect(i)));
        ASSERT_EQ(hit.Kind, TPaletteHit::Cell) << i;
        EXPECT_EQ(hit.Index, i);
        EXPECT_LE(layout.CellRect(i).Right, layout.Width());
        EXPECT_LT(layout.CellRect(i).Bottom, layout.StandardButtonRect().Top);
    }
    EXPECT_EQ(layout.HitTest(Center(layout.StandardButtonRect())).Kind, TPaletteHit::StandardButton);
    EXPECT_EQ(layout.HitTest(Center(layout.CustomButtonRect())).Kind, TPaletteHit::CustomButton);
    EXPECT_LE(layout.CustomButtonRect().Bottom, layout.Height());
    EXPECT_EQ(layout.HitTest({0, 0}).Kind, TPaletteHit::None);
    EXPECT_EQ(layout.HitTest({-5, 400}).Kind, TPaletteHit::None);
}

TEST(ColorPalette, SystemColoursAreOfferedOnlyWhenAsked) {
    const TColorPaletteLayout plain(false, true, true), withSystem(true, true, true);
    EXPECT_EQ(plain.IndexOf(clBtnFace), -1);
    EXPECT_GE(withSystem.IndexOf(clBtnFace), 0);
    EXPECT_GE(plain.IndexOf(clRed), 0);
    EXPECT_GT(withSystem.Height(), plain.Height());
}

TEST(ColorPalette, AButtonWithoutCaptionIsNotThere) {
    const TColorPaletteLayout layout(false, false, true);
    EXPECT_EQ(layout.StandardButtonRect().Right, 0);
    EXPECT_EQ(layout.HitTest(Center(layout.CustomButtonRect())).Kind, TPaletteHit::CustomButton);
    const TColorPaletteLayout none(false, false, false);
    EXPECT_LT(none.Height(), layout.Height());
}

TEST(ColorPicker, ChoosingACellSelectsItsColourAndRunsOnChange) {
    TColorPickerButton picker(nullptr);
    picker.SetShowSystemColors(true);
    int changes = 0;
    picker.OnChange = [&changes](TObject*) { ++changes; };
    const TColorPaletteLayout layout = picker.PaletteLayout();
    picker.PaletteChosen({TPaletteHit::Cell, layout.IndexOf(clBtnFace)});
    EXPECT_EQ(picker.GetSelectedColor(), clBtnFace);
    EXPECT_EQ(changes, 1);
    picker.PaletteChosen({TPaletteHit::Cell, layout.IndexOf(clBtnFace)});
    picker.PaletteChosen({TPaletteHit::Cell, 10000});
    picker.PaletteChosen({TPaletteHit::None, -1});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picker.GetSelectedColor(), clBtnFace);
}

TEST(ColorPicker, TheChosenColourAndTheButtonTextsSurviveTheTextForm) {
    TColorPickerButton picker(nullptr);
    picker.SetName("cbGridBk");
    picker.SetSelectedColor(clBtnFace);
    picker.SetShowSystemColors(true);
    const std::string text = ComponentText(picker);
    EXPECT_NE(text.find("SelectedColor = clBtnFace"), std::string::npos) << text;
    // The Russian captions are the defaults and are not written.
    EXPECT_EQ(text.find("ColorsText"), std::string::npos) << text;
    TColorPickerButton copy(nullptr);
    ReadComponentText(text, copy);
    EXPECT_EQ(copy.GetSelectedColor(), clBtnFace);
    EXPECT_TRUE(copy.GetShowSystemColors());
    EXPECT_EQ(copy.GetStandardColorsText(), "Основные...");
    EXPECT_EQ(copy.GetCustomColorsText(), "Дополнительно...");
}
}  // namespace

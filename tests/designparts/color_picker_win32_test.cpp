// The colour picker on the screen: its drop-down grid, a choice made in it, and the colour
// dialog behind its two buttons, answered through the dialog's seam.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/visual/colorpicker/color_picker_button.h"
#include "components/visual/colorpicker/color_picker_windowing_win32.h"
#include "support/dialogs/color_dialog.h"
#include "support/dialogs/font_dialog.h"
#include "support/framework/exceptions.h"
#include "support/win32/form.h"
#include "support/win32/gdi_color.h"
#include "window_pixels_win32.h"

namespace {
TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
LPARAM At(TPoint p) { return MAKELPARAM(p.X, p.Y); }

// The dialog's answers while a test runs, and what the dialog was asked with.
class DialogAnswers {
public:
    DialogAnswers(bool confirm, TColor answer) {
        TColorDialog::SetAnswer([this, confirm, answer](TColorDialog& dialog) {
            ++asked;
            startColor = dialog.GetColor();
            fullOpen = dialog.GetOptions().Contains(cdFullOpen);
            dialog.SetColor(answer);
            return confirm;
        });
    }
    ~DialogAnswers() { TColorDialog::SetAnswer(nullptr); }
    int asked = 0;
    TColor startColor = -1;
    bool fullOpen = false;
};

class ColorPickerWindow : public ::testing::Test {
protected:
    ColorPickerWindow() {
        InstallColorPickerWindowing();
        form.SetBounds(100, 100, 300, 200);
        picker->SetParent(&form);
        picker->SetBounds(10, 10, 60, 22);
        picker->SetSelectedColor(clRed);
        picker->OnChange = [this](TObject*) { ++changes; };
        form.Show();
    }
    ~ColorPickerWindow() override {
        if (HWND open = OpenColorPaletteWindow()) DestroyWindow(open);
    }
    HWND Wnd() { return static_cast<HWND>(picker->Handle()); }
    HWND OpenByClick() {
        SendMessageW(Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, At({20, 10}));
        SendMessageW(Wnd(), WM_LBUTTONUP, 0, At({20, 10}));
        return OpenColorPaletteWindow();
    }

    TForm form{nullptr};
    TColorPickerButton* picker = new TColorPickerButton(&form);
    int changes = 0;
};

TEST_F(ColorPickerWindow, TheButtonShowsTheSelectedColour) {
    const TWindowPixels pixels(Wnd(), 60, 22);
    EXPECT_EQ(pixels.At(15, 11), ColorRefOf(clRed));
    picker->SetSelectedColor(clLime);
    const TWindowPixels after(Wnd(), 60, 22);
    EXPECT_EQ(after.At(15, 11), ColorRefOf(clLime));
}

TEST_F(ColorPickerWindow, AClickDropsTheGridDownBelowTheButtonWithEveryCellInItsColour) {
    picker->SetShowSystemColors(true);
    const HWND grid = OpenByClick();
    ASSERT_NE(grid, nullptr);
    RECT gridBounds{}, buttonBounds{};
    GetWindowRect(grid, &gridBounds);
    GetWindowRect(Wnd(), &buttonBounds);
    EXPECT_EQ(gridBounds.top, buttonBounds.bottom);
    EXPECT_EQ(gridBounds.left, buttonBounds.left);

    const TColorPaletteLayout layout = picker->PaletteLayout();
    const TWindowPixels pixels(grid, layout.Width(), layout.Height());
    for (int i = 0; i < static_cast<int>(layout.Colors().size()); i += 7) {
        const TPoint center = Center(layout.CellRect(i));
        EXPECT_EQ(pixels.At(center.X, center.Y), ColorRefOf(layout.Colors()[static_cast<size_t>(i)])) << i;
    }
}

TEST_F(ColorPickerWindow, ChoosingACellInTheGridSelectsItsColourAndClosesTheGrid) {
    const HWND grid = OpenByClick();
    ASSERT_NE(grid, nullptr);
    const TColorPaletteLayout layout = picker->PaletteLayout();
    const int cell = layout.IndexOf(clBlue);
    ASSERT_GE(cell, 0);
    SendMessageW(grid, WM_LBUTTONUP, 0, At(Center(layout.CellRect(cell))));
    EXPECT_EQ(picker->GetSelectedColor(), clBlue);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(IsWindow(grid));
    EXPECT_EQ(OpenColorPaletteWindow(), nullptr);
}

TEST_F(ColorPickerWindow, TheKeyboardOpensTheGridButNotWhenThePickerIsDisabled) {
    SendMessageW(Wnd(), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_NE(OpenColorPaletteWindow(), nullptr);
    DestroyWindow(OpenColorPaletteWindow());
    SendMessageW(Wnd(), WM_SYSKEYDOWN, VK_DOWN, 0);
    ASSERT_NE(OpenColorPaletteWindow(), nullptr);
    DestroyWindow(OpenColorPaletteWindow());
    picker->SetEnabled(false);
    picker->DropDown();
    EXPECT_EQ(OpenColorPaletteWindow(), nullptr);
}

TEST_F(ColorPickerWindow, EscapeClosesTheGridWithoutAChoice) {
    const HWND grid = OpenByClick();
    ASSERT_NE(grid, nullptr);
    SendMessageW(grid, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(grid));
    EXPECT_EQ(picker->GetSelectedColor(), clRed);
    EXPECT_EQ(changes, 0);
}

TEST_F(ColorPickerWindow, TheGridClosesWhenThePickerGoes) {
    const HWND grid = OpenByClick();
    ASSERT_NE(grid, nullptr);
    delete picker;
    picker = nullptr;
    EXPECT_FALSE(IsWindow(grid));
}

TEST_F(ColorPickerWindow, TheCustomButtonOpensTheFullDialogAtTheSelectedColour) {
    DialogAnswers answers(true, 0x123456);
    const HWND grid = OpenByClick();
    ASSERT_NE(grid, nullptr);
    SendMessageW(grid, WM_LBUTTONUP, 0, At(Center(picker->PaletteLayout().CustomButtonRect())));
    EXPECT_EQ(answers.asked, 1);
    EXPECT_TRUE(answers.fullOpen);
    EXPECT_EQ(answers.startColor, clRed);
    EXPECT_EQ(picker->GetSelectedColor(), 0x123456);
    EXPECT_EQ(changes, 1);
}

TEST_F(ColorPickerWindow, TheStandardButtonOpensTheDialogAtItsBasicColours) {
    DialogAnswers answers(true, clGreen);
    const HWND grid = OpenByClick();
    ASSERT_NE(grid, nullptr);
    SendMessageW(grid, WM_LBUTTONUP, 0, At(Center(picker->PaletteLayout().StandardButtonRect())));
    EXPECT_EQ(answers.asked, 1);
    EXPECT_FALSE(answers.fullOpen);
    EXPECT_EQ(picker->GetSelectedColor(), clGreen);
}

TEST_F(ColorPickerWindow, ACancelledDialogChangesNothing) {
    DialogAnswers answers(false, clGreen);
    EXPECT_FALSE(picker->ChooseFromDialog(true));
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(picker->GetSelectedColor(), clRed);
    EXPECT_EQ(changes, 0);
}

TEST(ColorDialogSeam, ACancelledAnswerLeavesTheColourAsItWas) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(clTeal);
    TColorDialog::SetAnswer([](TColorDialog& d) {
        d.SetColor(clRed);
        return false;
    });
    EXPECT_FALSE(dialog.Execute());
    TColorDialog::SetAnswer(nullptr);
    EXPECT_EQ(dialog.GetColor(), clTeal);
    EXPECT_THROW(dialog.SetCustomColor(16, clRed), EListError);
}

TEST(FontDialogSeam, AConfirmedAnswerKeepsTheFontAndACancelledOneRestoresIt) {
    TFontDialog dialog(nullptr);
    dialog.GetFont()->SetName("Tahoma");
    TFontDialog::SetAnswer([](TFontDialog& d) {
        d.GetFont()->SetName("Courier New");
        d.GetFont()->SetStyle({fsBold});
        return false;
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.GetFont()->GetName(), "Tahoma");
    EXPECT_TRUE(dialog.GetFont()->GetStyle().Empty());
    TFontDialog::SetAnswer([](TFontDialog& d) {
        d.GetFont()->SetHeight(-20);
        return true;
    });
    EXPECT_TRUE(dialog.Execute());
    TFontDialog::SetAnswer(nullptr);
    EXPECT_EQ(dialog.GetFont()->GetHeight(), -20);
}
}  // namespace

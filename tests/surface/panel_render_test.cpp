#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "components/surface/design_panel.h"
#include "components/surface/panel_render.h"
#include "support/framework/std_controls.h"
#include "support/framework/stream.h"
#include "support/gdi/bmp_file.h"
#include "tools/osklayout/osklayout.h"

namespace {
constexpr uint32_t kBlack = 0x000000, kYellow = 0x00FFFF, kWhite = 0xFFFFFF, kRed = 0x0000FF;

bool IsDark(uint32_t rgb) { return (rgb & 0xFF) < 100 && (rgb >> 8 & 0xFF) < 100 && (rgb >> 16 & 0xFF) < 100; }

int CountIn(const HBitmap& picture, const TRect& area, bool (*test)(uint32_t), bool inside = true) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (area.Contains({x, y}) == inside && test(picture.Pixel(x, y))) ++count;
    return count;
}

// A 120 × 60 yellow layout with a one-pixel black frame and a bold black caption.
const char kLayout[] =
    "object design: HDesignPanel\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  Width = 120\n"
    "  Height = 60\n"
    "  BorderStyle = HBOX_Border\n"
    "  Color = clYellow\n"
    "end\n"
    "BEGIN 1\n"
    "  object Caption1: TLabel\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    Width = 60\n"
    "    Height = 20\n"
    "    Caption = 'MMMM'\n"
    "    Font.Color = clBlack\n"
    "    Font.Height = -16\n"
    "    Font.Name = 'Tahoma'\n"
    "    Font.Style = [fsBold]\n"
    "    ParentFont = False\n"
    "  end\n"
    "END\n";

class RenderedLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto folder = std::filesystem::temp_directory_path();
        const std::string layout = (folder / "surface-render-test.osk").string();
        const std::string output = (folder / "surface-render-test.bmp").string();
        std::ofstream(layout, std::ios::binary) << kLayout;
        std::ostringstream out, err;
        exitCode = RunOsklayout({"render", layout, output}, out, err);
        errors = err.str();
        TFileStream file(output, TFileMode::OpenRead);
        ReadBmp(file, picture);
    }

    static inline int exitCode = -1;
    static inline std::string errors;
    static inline HBitmap picture;
    // The label in the picture: the client area starts inside the one-pixel frame.
    const TRect labelArea{11, 11, 71, 31};
};

class RenderedPanel : public ::testing::Test {
protected:
    RenderedPanel() {
        panel->SetBounds(0, 0, 40, 30);
        panel->SetBorderStyle(HBOX_None);
        panel->SetColor(clWhite);
        panel->Hide();
    }
    TComponent owner{nullptr};
    HDesignPanel* panel = new HDesignPanel(&owner);
};
}  // namespace

TEST_F(RenderedLayout, TheCommandSucceedsAndThePictureHasThePanelsSize) {
    EXPECT_EQ(exitCode, 0) << errors;
    EXPECT_EQ(picture.Width(), 120);
    EXPECT_EQ(picture.Height(), 60);
}

TEST_F(RenderedLayout, TheFrameIsBlackAllAround) {
    for (int x = 0; x < 120; x += 7) {
        EXPECT_EQ(picture.Pixel(x, 0), kBlack) << x;
        EXPECT_EQ(picture.Pixel(x, 59), kBlack) << x;
    }
    for (int y = 0; y < 60; y += 7) {
        EXPECT_EQ(picture.Pixel(0, y), kBlack) << y;
        EXPECT_EQ(picture.Pixel(119, y), kBlack) << y;
    }
    EXPECT_EQ(picture.Pixel(1, 1), kYellow);
}

TEST_F(RenderedLayout, TheCaptionIsDrawnInsideTheLabel) {
    EXPECT_GT(CountIn(picture, labelArea, IsDark), 30);
}

TEST_F(RenderedLayout, EverythingElseIsTheBackgroundColour) {
    const TRect inside{1, 1, 119, 59};
    int other = 0;
    for (int y = inside.Top; y < inside.Bottom; ++y)
        for (int x = inside.Left; x < inside.Right; ++x)
            if (!labelArea.Contains({x, y}) && picture.Pixel(x, y) != kYellow) ++other;
    EXPECT_EQ(other, 0);
}

TEST_F(RenderedPanel, AForcedGridPutsDotsOneStepApart) {
    panel->SetForceGrid(true);
    panel->GetGrid()->SetWidth(8);
    panel->GetGrid()->SetGridColor(clRed);
    const HBitmap shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(0, 0), kRed);
    EXPECT_EQ(shown.Pixel(8, 0), kRed);
    EXPECT_EQ(shown.Pixel(32, 20), kRed);
    EXPECT_EQ(shown.Pixel(1, 0), kWhite);
    EXPECT_EQ(shown.Pixel(8, 5), kWhite);
}

TEST_F(RenderedPanel, TheGridShowsWhileDesignedAndNotAtRunTime) {
    panel->GetGrid()->SetGridColor(clRed);
    EXPECT_EQ(RenderDesignPanel(*panel).Pixel(10, 10), kWhite);
    panel->SetDesigning(true);
    EXPECT_EQ(RenderDesignPanel(*panel).Pixel(10, 10), kRed);
}

TEST_F(RenderedPanel, AScrolledGridKeepsItsDotsOnTheContent) {
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    label->SetBounds(0, 200, 10, 10);
    label->Hide();
    panel->UpdateAutoRange();
    panel->SetForceGrid(true);
    panel->GetGrid()->SetGridColor(clRed);
    panel->GetVertScrollBar()->SetPosition(3);
    ASSERT_EQ(panel->GetVertScrollBar()->GetPosition(), 3);
    const HBitmap shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(0, 7), kRed);
    EXPECT_EQ(shown.Pixel(0, 0), kWhite);
}

TEST_F(RenderedPanel, TheBackgroundPictureFollowsTheMode) {
    panel->GetBackground()->SetSize(4, 4);
    panel->GetBackground()->Fill(kRed);
    panel->SetBkMode(HBT_Crop);
    HBitmap shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(3, 3), kRed);
    EXPECT_EQ(shown.Pixel(4, 4), kWhite);
    panel->SetBkMode(HBT_Tile);
    shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(39, 29), kRed);
    panel->SetBkMode(HBT_Center);
    shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(20, 15), kRed);
    EXPECT_EQ(shown.Pixel(0, 0), kWhite);
}

TEST_F(RenderedPanel, EachFrameStyleIsDrawnAtTheEdges) {
    panel->SetBorderStyle(HBOX_Lower);
    HBitmap shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(10, 0), 0x808080u);
    EXPECT_EQ(shown.Pixel(39, 10), kWhite);
    EXPECT_EQ(shown.Pixel(10, 1), kWhite);  // the white background inside
    panel->SetBorderStyle(HBOX_Solid);
    panel->SetBorderColor(clRed);
    shown = RenderDesignPanel(*panel);
    EXPECT_EQ(shown.Pixel(0, 10), kRed);
    EXPECT_EQ(shown.Pixel(20, 29), kRed);
}

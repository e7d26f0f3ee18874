// A design interceptor sees the input of a container and of its children, windowed or not,
// before they do, and paints over them.
#include <vector>

#include "form_fixture.h"
#include "rendering.h"

namespace {
class TRecordingInterceptor : public IDesignInterceptor {
public:
    bool DesignInput(TWinControl&, const TInputEvent& input) override {
        if (input.Kind == TInputKind::MouseDown) Presses.push_back({input.Target, input.Point});
        return Swallow;
    }
    void PaintOverlay(TWinControl&, IOverlayCanvas& canvas) override { canvas.FillRect({0, 0, 4, 4}, clRed); }
    struct TPress {
        TControl* Target;
        TPoint Point;
    };
    std::vector<TPress> Presses;
    bool Swallow = true;
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class DesignInterceptor : public FormFixture {
protected:
    DesignInterceptor() {
        label->OnClick = [this](TObject*) { ++labelClicks; };
        ShowForm();
        box->SetDesignInterceptor(&interceptor);
    }
    ~DesignInterceptor() override { box->SetDesignInterceptor(nullptr); }
    void ClickWindow(HWND wnd, int x, int y) {
        SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        SendMessageW(wnd, WM_LBUTTONUP, 0, At(x, y));
    }
    TRecordingInterceptor interceptor;
    int labelClicks = 0;
};

TEST_F(DesignInterceptor, AClickOnAWindowlessChildIsSeenFirstAndSwallowed) {
    ClickWindow(WndOf(*box), 30, 70);
    ASSERT_EQ(interceptor.Presses.size(), 1u);
    EXPECT_EQ(interceptor.Presses[0].Target, label);
    EXPECT_EQ(interceptor.Presses[0].Point.X, 30);
    EXPECT_EQ(labelClicks, 0);
    interceptor.Swallow = false;
    ClickWindow(WndOf(*box), 30, 70);
    EXPECT_EQ(labelClicks, 1);
}

TEST_F(DesignInterceptor, AClickOnAWindowedChildArrivesInTheContainersCoordinatesAndGoesNoFurther) {
    SetFocus(WndOf(form));
    ClickWindow(WndOf(*edit), 3, 4);
    ASSERT_EQ(interceptor.Presses.size(), 1u);
    EXPECT_EQ(interceptor.Presses[0].Target, edit);
    EXPECT_EQ(interceptor.Presses[0].Point.X, 5 + 3);
    EXPECT_EQ(interceptor.Presses[0].Point.Y, 6 + 4);
    EXPECT_NE(GetFocus(), WndOf(*edit)) << "the edit took the click";
}

TEST_F(DesignInterceptor, TheOverlayIsPaintedOverTheContainerUntilTheInterceptorGoes) {
    EXPECT_EQ(TRendering::Printed(WndOf(*box)).Pixel(1, 1), RGB(255, 0, 0));
    box->SetDesignInterceptor(nullptr);
    EXPECT_EQ(TRendering::Printed(WndOf(*box)).Pixel(1, 1), RGB(255, 255, 255));
}
}  // namespace

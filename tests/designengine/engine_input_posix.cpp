// Without a window system the engine hears its input through its interceptor calls.
#include "engine_fixture.h"

TWinControl* MakeRootForm() { return new TWinControl(nullptr); }
void ShowRootForm(TWinControl&) {}

void SendMouse(EngineTest&, TInputKind kind, TMouseButton button, TPoint point, TShiftState shift, TWinControl& surface,
               TELDesigner& designer) {
    TInputEvent input;
    input.Kind = kind;
    input.Button = button;
    input.Point = point;
    input.Shift = shift;
    input.Target = &surface;
    designer.DesignInput(surface, input);
}

void SendKey(uint32_t key, TShiftState shift, TELDesignPanel& panel, TELDesigner& designer) {
    TInputEvent input;
    input.Kind = TInputKind::KeyDown;
    input.Key = key;
    input.Shift = shift;
    input.Target = &panel;
    designer.DesignInput(panel, input);
}

void CloseMenuWhenShown() {}

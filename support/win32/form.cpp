#include "form.h"

#include <windows.h>

PENDREL_IMPLEMENT_CLASS(TForm)

// A form stores its client size; its outer size follows from the frame of the system it runs on.
void TForm::DeclareProperties(TClassBuilder<TForm>& c) {
    c.Property("Width", &TForm::GetWidth, &TForm::SetWidth).Stored(false);
    c.Property("Height", &TForm::GetHeight, &TForm::SetHeight).Stored(false);
    c.Property("AutoScroll", &TForm::GetAutoScroll, &TForm::SetAutoScroll).Default(true);
    c.Property("Caption", &TForm::GetCaption, &TForm::SetCaption);
    c.Property("ClientHeight", &TForm::GetClientHeight, &TForm::SetClientHeight);
    c.Property("ClientWidth", &TForm::GetClientWidth, &TForm::SetClientWidth);
    c.Property("Color", &TForm::GetColor, &TForm::SetColor).Type(ColorTypeInfo()).Default(clBtnFace);
    c.Property("Enabled", &TForm::GetEnabled, &TForm::SetEnabled).Default(true);
    c.Property("Font", &TForm::GetFont, &TForm::SetFont);
    c.Property("ShowHint", &TForm::GetShowHint, &TForm::SetShowHint).Default(false);
    c.Property("Visible", &TForm::GetVisible, &TForm::SetVisible).Default(false);
}

TForm::TForm(TComponent* owner) : TScrollingWinControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
}

int TForm::ClientWidth() const {
    if (!HandleAllocated() || !Peer()->Handle()) return GetWidth() - FrameSize().X;
    RECT client;
    GetClientRect(static_cast<HWND>(Peer()->Handle()), &client);
    return client.right;
}

int TForm::ClientHeight() const {
    if (!HandleAllocated() || !Peer()->Handle()) return GetHeight() - FrameSize().Y;
    RECT client;
    GetClientRect(static_cast<HWND>(Peer()->Handle()), &client);
    return client.bottom;
}

void TForm::SetClientWidth(int value) { SetWidth(value + GetWidth() - ClientWidth()); }

void TForm::SetClientHeight(int value) { SetHeight(value + GetHeight() - ClientHeight()); }

void TForm::VisibleChanged() {
    if (GetVisible()) HandleNeeded();
    TScrollingWinControl::VisibleChanged();
}

TPoint TForm::FrameSize() const {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

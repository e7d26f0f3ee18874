#include "splitter.h"

#include <algorithm>

#include "support/framework/win_control.h"

PENDREL_IMPLEMENT_CLASS(TSplitter)

void TSplitter::DeclareProperties(TClassBuilder<TSplitter>& c) {
    c.Property("Align", &TSplitter::GetAlign, &TSplitter::SetAlign).Default(alLeft);
    c.Property("Color", &TSplitter::GetColor, &TSplitter::SetColor).Type(ColorTypeInfo()).Stored(&TSplitter::IsColorStored);
    c.Property("MinSize", &TSplitter::GetMinSize, &TSplitter::SetMinSize).Default(30);
    c.Property("ParentColor", &TSplitter::GetParentColor, &TSplitter::SetParentColor).Default(true);
    c.Property("Visible", &TSplitter::GetVisible, &TSplitter::SetVisible).Default(true);
    c.Event("OnMoved", &TSplitter::OnMoved);
}

TSplitter::TSplitter(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 3, 100);
    SetParentColor(true);
    SetAlign(alLeft);
}

void TSplitter::SetMinSize(int value) { minSize_ = std::max(1, value); }

TControl* TSplitter::Neighbour() const {
    const TWinControl* parent = Parent();
    const TAlign align = GetAlign();
    if (!parent || align == alNone || align == alClient) return nullptr;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->GetVisible() || c->GetAlign() != align) continue;
        const bool touches = (align == alLeft && c->GetLeft() + c->GetWidth() == GetLeft()) ||
                             (align == alRight && c->GetLeft() == GetLeft() + GetWidth()) ||
                             (align == alTop && c->GetTop() + c->GetHeight() == GetTop()) ||
                             (align == alBottom && c->GetTop() == GetTop() + GetHeight());
        if (touches) return c;
    }
    return nullptr;
}

int TSplitter::ParentCoordinate(TPoint position) const {
    const int along = Horizontal() ? GetTop() + position.Y : GetLeft() + position.X;
    // Dragging towards the parent's far edge grows a left or top neighbour and shrinks the others.
    return GetAlign() == alLeft || GetAlign() == alTop ? along : -along;
}

int TSplitter::SizeOf(const TControl& control) const { return Horizontal() ? control.GetHeight() : control.GetWidth(); }

int TSplitter::RoomBeyond() const {
    const TWinControl* parent = Parent();
    const TAlign align = GetAlign();
    const TAlign opposite = align == alLeft ? alRight : align == alRight ? alLeft : align == alTop ? alBottom : alTop;
    // From the bar to the parent's far edge or to the nearest control aligned against it.
    int far = 0;
    switch (align) {
        case alLeft: far = parent->ClientWidth(); break;
        case alTop: far = parent->ClientHeight(); break;
        default: far = 0;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* c = parent->Controls(i);
        if (!c->GetVisible() || c->GetAlign() != opposite) continue;
        switch (align) {
            case alLeft: far = std::min(far, c->GetLeft()); break;
            case alRight: far = std::max(far, c->GetLeft() + c->GetWidth()); break;
            case alTop: far = std::min(far, c->GetTop()); break;
            default: far = std::max(far, c->GetTop() + c->GetHeight()); break;
        }
    }
    switch (align) {
        case alLeft: return far - (GetLeft() + GetWidth());
        case alRight: return GetLeft() - far;
        case alTop: return far - (GetTop() + GetHeight());
        default: return GetTop() - far;
    }
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, TPoint position) {
    TControl::MouseDown(button, shift, position);
    if (button != mbLeft) return;
    dragged_ = Neighbour();
    if (!dragged_) return;
    dragStart_ = ParentCoordinate(position);
    startSize_ = SizeOf(*dragged_);
    maxSize_ = std::max(minSize_, startSize_ + RoomBeyond() - minSize_);
}

void TSplitter::MouseMove(TShiftState shift, TPoint position) {
    TControl::MouseMove(shift, position);
    // The neighbour may have gone or moved away since the button went down.
    if (dragged_ && dragged_ != Neighbour()) dragged_ = nullptr;
    if (dragged_) Resize(startSize_ + ParentCoordinate(position) - dragStart_);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, TPoint position) {
    if (dragged_ && dragged_ != Neighbour()) dragged_ = nullptr;
    if (button == mbLeft && dragged_) {
        Resize(startSize_ + ParentCoordinate(position) - dragStart_);
        const bool moved = SizeOf(*dragged_) != startSize_;
        dragged_ = nullptr;
        if (moved) OnMoved(this);
    }
    TControl::MouseUp(button, shift, position);
}

void TSplitter::Resize(int size) {
    size = std::clamp(size, minSize_, maxSize_);
    if (Horizontal())
        dragged_->SetHeight(size);
    else
        dragged_->SetWidth(size);
}

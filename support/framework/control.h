// Controls: a place inside a parent window, with caption, colour, font and visibility.
#pragma once
#include <memory>
#include <string>

#include "anchors.h"
#include "component.h"
#include "control_input.h"
#include "graphics.h"
#include "size_constraints.h"

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
PENDREL_ENUM_TYPEINFO(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient");


class TControl : public TComponent {
    PENDREL_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int GetLeft() const { return left_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    int GetTop() const { return top_; }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    int GetWidth() const { return width_; }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    int GetHeight() const { return height_; }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    // The size is brought within the Constraints.
    virtual void SetBounds(int left, int top, int width, int height);
    // Bounds and font scaled by multiplier / divisor (children too, for windowed controls);
    // a divisor of 0 changes nothing.
    virtual void ChangeScale(int multiplier, int divisor);
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    // Client coordinates of this control to those of the screen (through every parent) and back.
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    virtual TPoint ClientOrigin() const;

    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    TAlign GetAlign() const { return align_; }
    void SetAlign(TAlign value);
    // The edges of its parent the control keeps its distance to; kept with layouts.
    TAnchors GetAnchors() const { return anchors_; }
    void SetAnchors(TAnchors value) { ChangeAndReport(anchors_, value, "Anchors"); }
    TSizeConstraints* GetConstraints() const { return constraints_.get(); }
    void SetConstraints(TSizeConstraints* value) { constraints_->Assign(value); }

    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    const std::string& GetText() const { return caption_; }
    void SetText(const std::string& value) { SetCaption(value); }
    // Hint, ShowHint and Cursor show only when the mouse comes: their follow-up is the report.
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& value) { ChangeAndReport(hint_, value, "Hint"); }
    bool GetShowHint() const { return showHint_; }
    void SetShowHint(bool value) { ChangeAndReport(showHint_, value, "ShowHint"); }
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor value) { ChangeAndReport(cursor_, value, "Cursor"); }
    bool GetParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value) { ChangeAndReport(parentShowHint_, value, "ParentShowHint"); }
    // The sunken 3D look of the classic controls; kept with forms, drawn flat.
    bool GetCtl3D() const { return ctl3D_; }
    void SetCtl3D(bool value) { ChangeAndReport(ctl3D_, value, "Ctl3D"); }
    bool GetParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value) { ChangeAndReport(parentCtl3D_, value, "ParentCtl3D"); }

    TColor GetColor() const { return color_; }
    void SetColor(TColor value);
    bool GetParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* value) { font_->Assign(value); }
    bool GetParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    // Stored only when not taken from the parent.
    bool IsColorStored() const { return !parentColor_; }
    bool IsFontStored() const { return !parentFont_; }

    // Mouse input of a control without a window of its own, from its parent's window, in the
    // control's client coordinates. A left press released over the control is a click.
    virtual void MouseDown(TMouseButton button, TShiftState shift, TPoint position);
    virtual void MouseMove(TShiftState shift, TPoint position);
    virtual void MouseUp(TMouseButton button, TShiftState shift, TPoint position);
    virtual void MouseLeave() {}
    virtual void Click() {}
    virtual void DblClick() {}

    // Moves the control to the top or the bottom of its parent's children.
    void BringToFront();
    void SendToBack();

    // Redraws the control's area of its parent window.
    virtual void Invalidate();
    // The parent's font or colour changed.
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();

    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    void Loaded() override;

protected:
    friend class TWinControl;
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void BoundsChanged() {}
    virtual void VisibleChanged();
    virtual void TextChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    // The window already shows this text: store it without echoing it back.
    void SetTextSilently(const std::string& text) { caption_ = text; }

private:
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TAnchors anchors_ = kDefaultAnchors;
    std::unique_ptr<TSizeConstraints> constraints_;
    std::string caption_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    TCursor cursor_ = crDefault;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool clickPressed_ = false;
};

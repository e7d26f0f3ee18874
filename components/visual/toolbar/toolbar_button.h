// The flat toolbar button: a control without a window of its own, drawn by its parent,
// with a caption and a glyph, a down state shared within a group, and click repetition.
//
// Drawing meaning of the colours: the face is filled with Color; while the button is shown
// down (held with the mouse over it, or Down) the face is filled with CoverColor instead,
// unless CoverColor is clNone. A button that is not Opaque fills its face only while shown
// down and otherwise leaves the parent's background under its caption and glyph.
#pragma once
#include <memory>

#include "button_layout.h"
#include "repeat_timer.h"
#include "support/framework/control.h"
#include "support/gdi/bitmap.h"

enum TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
PENDREL_ENUM_TYPEINFO(TButtonDisplayMode, "dmBoth", "dmGlyphOnly", "dmTextOnly");

// Images side by side in a glyph, in this order; a state without its own image shows the first.
enum TGlyphState { gsUp, gsDisabled, gsPressed, gsExclusive };

class TCustomToolbarButton97 : public TControl {
    PENDREL_CLASS(TCustomToolbarButton97, TControl)
public:
    explicit TCustomToolbarButton97(TComponent* owner);
    ~TCustomToolbarButton97() override;

    // Down state and groups: buttons of one parent with the same non-zero GroupIndex release
    // each other; with GroupIndex 0 a button is never down. Without AllowAllUp the down
    // button of a group stays down until another one goes down.
    bool GetDown() const { return down_; }
    void SetDown(bool value);
    int GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool GetAllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value) { ChangeAndReport(allowAllUp_, value, "AllowAllUp"); }

    // The flat look: a border only while the mouse is over the button or it is shown down,
    // always with ShowBorderWhenInactive, never with NoBorder; not Flat: always a border.
    bool GetFlat() const { return flat_; }
    void SetFlat(bool value) { Change(flat_, value); }
    bool GetNoBorder() const { return noBorder_; }
    void SetNoBorder(bool value) { Change(noBorder_, value); }
    bool GetShowBorderWhenInactive() const { return showBorderWhenInactive_; }
    void SetShowBorderWhenInactive(bool value) { Change(showBorderWhenInactive_, value); }
    bool GetOpaque() const { return opaque_; }
    void SetOpaque(bool value) { Change(opaque_, value); }
    TColor GetCoverColor() const { return coverColor_; }
    void SetCoverColor(TColor value) { Change(coverColor_, value); }

    HBitmap* GetGlyph() const { return glyph_.get(); }
    void SetGlyph(HBitmap* value) { glyph_->Assign(value); }
    // White pixels of the mask leave the glyph's pixels out; without a mask the glyph's
    // bottom-left pixel gives the colour that is left out.
    HBitmap* GetGlyphMask() const { return glyphMask_.get(); }
    void SetGlyphMask(HBitmap* value) { glyphMask_->Assign(value); }
    // 1 to 4 images side by side in the glyph (see TGlyphState); other values are brought into range.
    int8_t GetNumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int8_t value);
    TButtonLayout GetLayout() const { return layout_; }
    void SetLayout(TButtonLayout value) { Change(layout_, value); }
    int GetMargin() const { return margin_; }
    void SetMargin(int value) { Change(margin_, value); }
    int GetSpacing() const { return spacing_; }
    void SetSpacing(int value) { Change(spacing_, value); }
    TButtonDisplayMode GetDisplayMode() const { return displayMode_; }
    void SetDisplayMode(TButtonDisplayMode value) { Change(displayMode_, value); }
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { Change(wordWrap_, value); }

    // While the mouse button is held, the click repeats: at once, after RepeatDelay and
    // then every RepeatInterval milliseconds while the mouse is over the button.
    bool GetRepeating() const { return repeating_; }
    void SetRepeating(bool value);
    int GetRepeatDelay() const { return repeatDelay_; }
    void SetRepeatDelay(int value) { ChangeAndReport(repeatDelay_, value, "RepeatDelay"); }
    int GetRepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int value) { ChangeAndReport(repeatInterval_, value, "RepeatInterval"); }


    // Mouse input from the parent window, in the button's client coordinates; the left button
    // presses it.
    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseLeave() override;

    // What the drawing shows now.
    bool Hovered() const { return hovered_; }
    bool Held() const { return held_; }
    bool ShownDown() const { return down_ || (held_ && hovered_); }
    bool ShowsBorder() const;
    TColor FaceColor() const;
    TGlyphState GlyphState() const;
    bool ShowsGlyph() const { return displayMode_ != dmTextOnly && !glyph_->Empty(); }
    bool ShowsCaption() const { return displayMode_ != dmGlyphOnly && !GetCaption().empty(); }

    void Click() override;
    TEvent<TObject*> OnClick;

private:
    template <class V>
    void Change(V& field, V value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void ReleaseGroupSiblings();
    void ToggleByClick();
    void RepeatTick();
    void StopRepeating();

    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool flat_ = true;
    bool noBorder_ = false;
    bool showBorderWhenInactive_ = false;
    bool opaque_ = true;
    TColor coverColor_ = clNone;
    std::unique_ptr<HBitmap> glyph_;
    std::unique_ptr<HBitmap> glyphMask_;
    int8_t numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonDisplayMode displayMode_ = dmBoth;
    bool wordWrap_ = false;
    bool repeating_ = false;
    int repeatDelay_ = 400;
    int repeatInterval_ = 100;

    bool hovered_ = false;
    bool held_ = false;
    std::unique_ptr<TRepeatTimer> repeatTimer_;
};

// The standard controls that layouts contain: labels and single-line edits.
#pragma once
#include "win_control.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
PENDREL_ENUM_TYPEINFO(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");
enum TTextLayout { tlTop, tlCenter, tlBottom };
PENDREL_ENUM_TYPEINFO(TTextLayout, "tlTop", "tlCenter", "tlBottom");
enum TBorderStyle { bsNone, bsSingle };
PENDREL_ENUM_TYPEINFO(TBorderStyle, "bsNone", "bsSingle");
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
PENDREL_ENUM_TYPEINFO(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase");

// A text drawn by its parent window; it has no window of its own.
class TLabel : public TControl {
    PENDREL_CLASS(TLabel, TControl)
public:
    explicit TLabel(TComponent* owner);

    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Change(alignment_, value); }
    TTextLayout GetLayout() const { return layout_; }
    void SetLayout(TTextLayout value) { Change(layout_, value); }
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool value) { Change(transparent_, value); }
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { Change(wordWrap_, value); }
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { Change(autoSize_, value); }

    TEvent<TObject*> OnClick;
    TEvent<TObject*> OnDblClick;
    void Click() override { OnClick(this); }
    void DblClick() override { OnDblClick(this); }

private:
    template <class V>
    void Change(V& field, V value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }

    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = true;
};

// A single-line text field; its text is the control's Text.
class TEdit : public TWinControl {
    PENDREL_CLASS(TEdit, TWinControl)
public:
    explicit TEdit(TComponent* owner);

    bool GetAutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TEditCharCase GetCharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int value) {
        maxLength_ = value < 0 ? 0 : value;
        Invalidate();
    }
    char GetPasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool GetModified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    void Clear() { SetText(""); }
    // The window reports text the user typed; OnChange runs.
    void TextEditedInWindow(const std::string& text);

    TEvent<TObject*> OnChange;
    TEvent<TObject*> OnClick;
    void Click() override { OnClick(this); }
    TEvent<TObject*> OnEnter;
    TEvent<TObject*> OnExit;

protected:
    void TextChanged() override;
    void StyleChanged();

private:
    bool autoSelect_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    TEditCharCase charCase_ = ecNormal;
    int maxLength_ = 0;
    char passwordChar_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;
};

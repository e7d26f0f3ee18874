// A multi-line text field. Its text keeps CR LF between lines, whatever line ends it was
// given; Lines is that text split into lines. Text the user did not edit keeps its bytes,
// also where they are not valid UTF-8 (the window shows such bytes as U+FFFD).
#pragma once
#include <memory>
#include <string_view>

#include "key_event.h"
#include "support/framework/std_controls.h"
#include "support/framework/strings.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
PENDREL_ENUM_TYPEINFO(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth");

class TMemo : public TEdit {
    PENDREL_CLASS(TMemo, TEdit)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    // The lines of the text as it is now. Changes made to the list reach the memo through
    // SetLines, as they do when the memo is read from a stream.
    TStrings* GetLines();
    // The text becomes the lines, each followed by CR LF.
    void SetLines(TStrings* value);

    TScrollStyle GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Enter starts a new line; off, it goes to the form (its default button).
    bool GetWantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    // Tab types a tab character; off, it moves the focus on.
    bool GetWantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }

    // The length as the window counts it, which MaxLength limits: UTF-16 units, 2 per line break.
    int TextLength() const;
    int LineCount() const;

    // A key went down in the window; OnKeyDown may consume it by setting key to 0.
    void KeyDown(uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }
    TKeyEvent OnKeyDown;

    void Loaded() override;

protected:
    void TextChanged() override;

private:
    std::unique_ptr<TStrings> lines_;
    std::string linesText_;  // the text lines_ was made from
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

// The text with every CR LF, lone CR and lone LF made CR LF.
std::string WithCrLfLineEnds(std::string_view text);
// Lines as a string list splits them: a break after the last line adds none.
int CountLines(std::string_view text);

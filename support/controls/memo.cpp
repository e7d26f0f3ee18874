#include "memo.h"

#include "support/framework/utf_text.h"

PENDREL_IMPLEMENT_CLASS(TMemo)

void TMemo::DeclareProperties(TClassBuilder<TMemo>& c) {
    c.Property("AutoSelect", &TMemo::GetAutoSelect, &TMemo::SetAutoSelect).Default(false);
    c.Property("Lines", &TMemo::GetLines);
    c.Property("ScrollBars", &TMemo::GetScrollBars, &TMemo::SetScrollBars).Default(ssNone);
    // Lines holds the text in streams.
    c.Property("Text", &TMemo::GetText, &TMemo::SetText).Stored(false);
    c.Property("WantReturns", &TMemo::GetWantReturns, &TMemo::SetWantReturns).Default(true);
    c.Property("WantTabs", &TMemo::GetWantTabs, &TMemo::SetWantTabs).Default(false);
    c.Property("WordWrap", &TMemo::GetWordWrap, &TMemo::SetWordWrap).Default(true);
    c.Event("OnKeyDown", &TMemo::OnKeyDown);
}

TMemo::TMemo(TComponent* owner) : TEdit(owner), lines_(std::make_unique<TStrings>()) {
    SetAutoSelect(false);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

TStrings* TMemo::GetLines() {
    // The user's typing changes the text without a word to the memo: compare.
    if (linesText_ != GetText()) {
        linesText_ = GetText();
        lines_->SetText(linesText_);
    }
    return lines_.get();
}

void TMemo::SetLines(TStrings* value) { SetText(value ? value->GetText() : std::string()); }

void TMemo::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_) return;
    scrollBars_ = value;
    StyleChanged();
}

void TMemo::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    StyleChanged();
}

int TMemo::TextLength() const { return static_cast<int>(Utf8ToUtf16(GetText()).size()); }

int TMemo::LineCount() const { return CountLines(GetText()); }

void TMemo::Loaded() {
    // A stream gives the memo its lines through the list.
    TStrings unchanged;
    unchanged.SetText(linesText_);
    if (unchanged.GetText() != lines_->GetText()) SetLines(lines_.get());
    TEdit::Loaded();
}

void TMemo::TextChanged() {
    // A text typed into the window has its line ends already; one set by the program may not.
    const std::string& text = GetText();
    if (text.find_first_of("\r\n") != std::string::npos) {
        std::string normalised = WithCrLfLineEnds(text);
        if (normalised != text) SetTextSilently(normalised);
    }
    TEdit::TextChanged();
}

std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch != '\r' && ch != '\n') {
            out += ch;
            continue;
        }
        out += "\r\n";
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

int CountLines(std::string_view text) {
    int lines = 0;
    size_t start = 0;
    while (start < text.size()) {
        ++lines;
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) break;
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "support/controls/form_text.h"
#include "support/controls/memo.h"

namespace {
class MemoTest : public ControlsFixture {
protected:
    MemoTest() {
        memo = new TMemo(&form);
        memo->SetParent(&form);
        memo->SetBounds(10, 10, 300, 200);
    }
    HWND Wnd() { return static_cast<HWND>(memo->Handle()); }
    std::wstring WindowText() {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Wnd())) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(Wnd(), text.data(), static_cast<int>(text.size()))));
        return text;
    }

    TMemo* memo;
};

TEST_F(MemoTest, AnyLineEndBecomesCrLfInTextAndWindow) {
    ShowForm();
    memo->SetText("a\nb\rc\r\nd\n\n");
    EXPECT_EQ(memo->GetText(), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(WindowText(), L"a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(memo->LineCount(), 5);
    EXPECT_EQ(memo->GetLines()->Count(), 5);
    EXPECT_EQ(memo->TextLength(), 14);
}

TEST_F(MemoTest, LinesFollowTheUsersTyping) {
    ShowForm();
    memo->SetText("one");
    ASSERT_EQ(memo->GetLines()->Count(), 1);
    int changes = 0;
    memo->OnChange = [&changes](TObject*) { ++changes; };
    SendMessageW(Wnd(), EM_SETSEL, 3, 3);
    for (wchar_t ch : std::wstring(L"\rtwo")) SendMessageW(Wnd(), WM_CHAR, ch, 1);
    EXPECT_EQ(memo->GetText(), "one\r\ntwo");
    ASSERT_EQ(memo->GetLines()->Count(), 2);
    EXPECT_EQ((*memo->GetLines())[1], "two");
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(memo->GetModified());
}

TEST_F(MemoTest, SetLinesPutsEachLineOnItsOwnRow) {
    TStrings lines;
    lines.Add("x");
    lines.Add("");
    memo->SetLines(&lines);
    EXPECT_EQ(memo->GetText(), "x\r\n\r\n");
    EXPECT_EQ(memo->GetLines()->Count(), 2);
    memo->SetLines(nullptr);
    EXPECT_EQ(memo->GetText(), "");
    EXPECT_EQ(memo->LineCount(), 0);
}

TEST_F(MemoTest, BrokenUtf8IsShownAsReplacementAndKeptUntilEdited) {
    ShowForm();
    memo->SetText("\xC3(ok");
    EXPECT_EQ(WindowText(), L"\xFFFD(ok");
    EXPECT_EQ(memo->GetText(), "\xC3(ok");
    SendMessageW(Wnd(), WM_CHAR, L'!', 1);
    EXPECT_EQ(memo->GetText(), "!\xEF\xBF\xBD(ok");
}

TEST_F(MemoTest, KeyDownHandlerCanConsumeTheKey) {
    ShowForm();
    memo->SetText("abc");
    SendMessageW(Wnd(), EM_SETSEL, 0, 0);
    std::vector<uint16_t> seen;
    memo->OnKeyDown = [&seen](TObject*, uint16_t& key, TShiftState) {
        seen.push_back(key);
        if (key == VK_DELETE) key = 0;
    };
    SendMessageW(Wnd(), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(memo->GetText(), "abc");
    memo->OnKeyDown.Clear();
    SendMessageW(Wnd(), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(memo->GetText(), "bc");
    EXPECT_EQ(seen, std::vector<uint16_t>{VK_DELETE});
}

TEST_F(MemoTest, MaxLengthCapsTypingAndReadOnlyRefusesIt) {
    ShowForm();
    memo->SetMaxLength(3);
    for (wchar_t ch : std::wstring(L"abcdef")) SendMessageW(Wnd(), WM_CHAR, ch, 1);
    EXPECT_EQ(memo->GetText(), "abc");
    memo->SetReadOnly(true);
    SendMessageW(Wnd(), WM_CHAR, L'z', 1);
    EXPECT_EQ(memo->GetText(), "abc");
}

TEST_F(MemoTest, StyleChangesMakeTheWindowAgainWithTheTextKept) {
    ShowForm();
    memo->SetText("kept");
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    const LONG_PTR style = GetWindowLongPtrW(Wnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_EQ(WindowText(), L"kept");
}

// A form class of the test's own, read from text as stored forms are.
class TMemoHolder : public TForm {
    PENDREL_CLASS(TMemoHolder, TForm)
public:
    using TForm::TForm;
    TMemo* Notes = nullptr;
};
PENDREL_IMPLEMENT_CLASS(TMemoHolder)
void TMemoHolder::DeclareProperties(TClassBuilder<TMemoHolder>& c) { c.Component("Notes", &TMemoHolder::Notes); }

TEST(MemoStreamTest, LinesReadFromAFormReachTheMemo) {
    InstallStandardControls();
    TMemoHolder holder(nullptr);
    ReadFormText(holder,
                 "object Holder: TMemoHolder\n"
                 "  object Notes: TMemo\n"
                 "    Lines.Strings = (\n"
                 "      'first'\n"
                 "      'second')\n"
                 "    ScrollBars = ssVertical\n"
                 "    WantTabs = True\n"
                 "  end\n"
                 "end\n",
                 "holder");
    ASSERT_NE(holder.Notes, nullptr);
    EXPECT_EQ(holder.Notes->GetText(), "first\r\nsecond\r\n");
    EXPECT_EQ(holder.Notes->GetScrollBars(), ssVertical);
    EXPECT_TRUE(holder.Notes->GetWantTabs());
    EXPECT_EQ(holder.Notes->Parent(), &holder);
}
}  // namespace

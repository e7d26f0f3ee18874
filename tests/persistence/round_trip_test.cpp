// Layouts survive every conversion: binary to text and back, load and save, files with and
// without compression, standard controls with many properties away from their defaults.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "components/persistence/control_text.h"
#include "layout_fixture.h"
#include "support/framework/exceptions.h"
#include "support/framework/parser.h"

namespace {
std::string BinaryToText(const std::string& binary) {
    TMemoryStream in, out;
    SetBytes(in, binary);
    RenderControlText(in, out);
    EXPECT_EQ(in.GetPosition(), in.GetSize());
    return Bytes(out);
}

std::string TextToBinary(const std::string& text) {
    TMemoryStream in, out;
    SetBytes(in, text);
    ParseControlText(in, out);
    return Bytes(out);
}

const char kCaption[] = "It's \"quoted\" \xE2\x80\x94 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";

class RoundTrip : public LayoutTest {
protected:
    // A label and an edit with many published values away from their defaults.
    void BuildStandardControls() {
        auto* label = new TLabel(&panel);
        label->SetName("Title");
        label->SetParent(&panel);
        label->SetBounds(4, 5, 80, 14);
        label->SetCaption(kCaption);
        label->SetParentFont(false);
        label->GetFont()->SetName("Arial");
        label->GetFont()->SetStyle(TFontStyles{fsBold, fsItalic});
        label->GetFont()->SetColor(clRed);
        label->GetFont()->SetCharset(kRussianCharset);
        label->SetParentColor(false);
        label->SetColor(clRed);
        label->SetAlignment(taCenter);
        label->SetVisible(false);
        auto* edit = new TEdit(&panel);
        edit->SetName("Entry");
        edit->SetParent(&panel);
        edit->SetBounds(4, 30, 90, 21);
        edit->SetText("secret \xD0\xB4");
        edit->SetMaxLength(12);
        edit->SetPasswordChar('*');
        edit->SetColor(0x123456);
    }
    void ExpectStandardControls() {
        ASSERT_EQ(panel.ControlCount(), 2);
        auto* label = dynamic_cast<TLabel*>(panel.Controls(0));
        auto* edit = dynamic_cast<TEdit*>(panel.Controls(1));
        ASSERT_TRUE(label && edit);
        EXPECT_EQ(label->GetCaption(), kCaption);
        EXPECT_FALSE(label->GetParentFont());
        EXPECT_EQ(label->GetFont()->GetName(), "Arial");
        EXPECT_EQ(label->GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));
        EXPECT_EQ(label->GetFont()->GetColor(), clRed);
        EXPECT_EQ(label->GetFont()->GetCharset(), kRussianCharset);
        EXPECT_EQ(label->GetColor(), clRed);
        EXPECT_EQ(label->GetAlignment(), taCenter);
        EXPECT_FALSE(label->GetVisible());
        EXPECT_EQ(label->GetLeft(), 4);
        EXPECT_EQ(edit->GetText(), "secret \xD0\xB4");
        EXPECT_EQ(edit->GetMaxLength(), 12);
        EXPECT_EQ(edit->GetPasswordChar(), '*');
        EXPECT_EQ(edit->GetColor(), 0x123456);
        EXPECT_EQ(edit->GetTop(), 30);
    }
};

TEST_F(RoundTrip, BinaryToTextToBinaryIsIdentical) {
    LoadText(TwoKeyLayout());
    io.OnWriteComponentData = [this](TObject*, TStream* s, TComponent* c) {
        if (c == &panel || c == panel.Controls(1)) s->WriteBuffer("0123456789abcdefghijklmnopqrstuvwxyz", 36);
    };
    const std::string binary = SaveBinary();
    const std::string text = BinaryToText(binary);
    EXPECT_EQ(text, SaveText());
    EXPECT_EQ(TextToBinary(text), binary);
}

TEST_F(RoundTrip, LoadThenSaveGivesTheSameBytes) {
    LoadText(TwoKeyLayout());
    const std::string binary = SaveBinary();
    LoadText(binary);
    EXPECT_EQ(SaveBinary(), binary);
    EXPECT_EQ(SaveText(), TwoKeyLayout());
}

TEST_F(RoundTrip, ATabOrderApartFromTheChildOrderComesBack) {
    std::vector<TEdit*> edits;
    for (const char* name : {"A", "B", "C", "D"}) {
        edits.push_back(new TEdit(&panel));
        edits.back()->SetName(name);
        edits.back()->SetParent(&panel);
    }
    for (int i = 0; i < 3; ++i) edits[static_cast<size_t>(3 - i)]->SetTabOrder(i);  // D, C, B, A
    const std::string text = SaveText();
    LoadText(text);
    EXPECT_EQ(SaveText(), text);
    EXPECT_EQ(dynamic_cast<TWinControl*>(panel.Controls(0))->GetTabOrder(), 3);
}

TEST_F(RoundTrip, StandardControlsThroughText) {
    BuildStandardControls();
    const std::string text = SaveText();
    for (const char* line : {"Caption = 'It''s \"quoted\"", "Font.Charset = RUSSIAN_CHARSET", "Font.Color = clRed",
                             "Font.Name = 'Arial'", "Font.Style = [fsBold, fsItalic]", "Color = clRed",
                             "Alignment = taCenter", "Visible = False", "MaxLength = 12", "PasswordChar = '*'",
                             "ParentFont = False", "Color = 1193046"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    LoadText(kPanelHeader);
    LoadText(text);
    ExpectStandardControls();
    EXPECT_EQ(SaveText(), text);
}

TEST_F(RoundTrip, StandardControlsThroughBinary) {
    BuildStandardControls();
    const std::string text = SaveText();
    const std::string binary = SaveBinary();
    LoadText(kPanelHeader);
    LoadText(binary);
    ExpectStandardControls();
    EXPECT_EQ(SaveBinary(), binary);
    EXPECT_EQ(SaveText(), text);
}

TEST_F(RoundTrip, DefaultValuesAreNotWritten) {
    auto* label = new TLabel(&panel);
    label->SetName("Plain");
    label->SetParent(&panel);
    auto* edit = new TEdit(&panel);
    edit->SetName("PlainEdit");
    edit->SetParent(&panel);
    const std::string text = SaveText();
    for (const char* name : {"Alignment", "AutoSize", "Visible", "Enabled", "ParentFont", "Font.", "MaxLength",
                             "PasswordChar", "ReadOnly", "TabStop", "AutoSelect", "BorderStyle", "Layout", "Cursor",
                             "Color"})
        EXPECT_EQ(text.find(std::string(name)), std::string::npos) << name << "\n" << text;
}

class LayoutFiles : public LayoutTest {
protected:
    LayoutFiles() {
        dir = std::filesystem::temp_directory_path() /
              ("layout_files_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
        std::filesystem::create_directories(dir);
    }
    ~LayoutFiles() override { std::filesystem::remove_all(dir); }
    std::string Path(const char* name) const { return (dir / name).string(); }
    static std::string FileBytes(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::filesystem::path dir;
};

TEST_F(LayoutFiles, SavedCompressedOrPlainBothLoadBack) {
    LoadText(TwoKeyLayout());
    const std::string binary = SaveBinary();
    io.SetCompressContents(true);
    io.Save(Path("packed.lay"));
    io.SetCompressContents(false);
    io.Save(Path("plain.lay"));
    EXPECT_EQ(FileBytes(Path("plain.lay")), binary);
    const std::string packed = FileBytes(Path("packed.lay"));
    EXPECT_NE(packed, binary);
    EXPECT_EQ(packed.find("KeyLabel"), std::string::npos);
    for (const char* name : {"packed.lay", "plain.lay"}) {
        LoadText(kPanelHeader);
        io.Load(Path(name));
        EXPECT_EQ(SaveText(), TwoKeyLayout()) << name;
    }
}

TEST_F(LayoutFiles, TextLayoutInAFileLoads) {
    LoadText(TwoKeyLayout());
    io.SetTextOutput(true);
    io.SetCompressContents(false);
    io.Save(Path("layout.txt"));
    EXPECT_EQ(FileBytes(Path("layout.txt")), TwoKeyLayout());
    io.SetCompressContents(true);
    io.Save(Path("layout.z"));
    LoadText(kPanelHeader);
    io.Load(Path("layout.z"));
    EXPECT_EQ(SaveText(), TwoKeyLayout());
}

TEST_F(LayoutFiles, CorruptCompressedFileRaisesAClearErrorAndLeavesTheChildren) {
    LoadText(TwoKeyLayout());
    io.Save(Path("packed.lay"));
    std::string packed = FileBytes(Path("packed.lay"));
    for (size_t i = 16; i < packed.size(); ++i) packed[i] = static_cast<char>(packed[i] ^ 0x5A);
    std::ofstream(Path("bad.lay"), std::ios::binary) << packed;
    try {
        io.Load(Path("bad.lay"));
        FAIL() << "loaded";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message.find("Corrupt compressed file"), std::string::npos) << e.Message;
    }
    EXPECT_EQ(SaveText(), TwoKeyLayout());
}

TEST_F(LayoutFiles, MissingFileRaisesAnOpenError) {
    LoadText(TwoKeyLayout());
    EXPECT_THROW(io.Load(Path("none.lay")), EFOpenError);
    EXPECT_EQ(panel.ControlCount(), 2);
}
}  // namespace

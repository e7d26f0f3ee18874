#include "support/lib/config/config_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "support/framework/exceptions.h"

namespace {

// ---- Writing ----

bool IsBareChar(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '.' ||
           ch == '+' || ch == '-' || ch == '%';
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string NameText(const std::string& name) {
    bool bare = !name.empty();
    for (char ch : name) bare = bare && IsBareChar(ch);
    return bare ? name : Quoted(name);
}

std::string DoubleText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ValueLine(const std::string& name, const HConfigValue& value) {
    const std::string named = NameText(name) + " = ";
    switch (value.Kind) {
        case HConfigKind::Boolean: return "bool " + named + (value.Number ? "true" : "false");
        case HConfigKind::Int64: return "int64 " + named + std::to_string(value.Number);
        case HConfigKind::Integer: return "int " + named + std::to_string(value.Number);
        case HConfigKind::Double: return "double " + named + DoubleText(value.Real);
        case HConfigKind::Color: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(static_cast<uint32_t>(value.Number)));
            return "color " + named + hex;
        }
        case HConfigKind::String: return "string " + named + Quoted(value.Text);
    }
    return {};
}

void WriteValues(const HConfigItem& key, std::string& out) {
    for (const auto& [name, value] : key.AllValues()) out += ValueLine(name, value) + "\n";
}

struct PendingKey {
    const HConfigItem* Key;
    std::string Path;
    int Depth;
};

// ---- Reading ----

class LineReader {
public:
    LineReader(std::string_view line, size_t number) : line_(line), number_(number) {}

    [[noreturn]] void Fail(const std::string& reason) const {
        throw EParserError("Line " + std::to_string(number_) + ": " + reason);
    }

    void SkipBlanks() {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
    }
    bool AtEnd() const { return pos_ >= line_.size(); }
    char Peek() const { return AtEnd() ? '\0' : line_[pos_]; }
    bool Take(char ch) {
        if (Peek() != ch || AtEnd()) return false;
        ++pos_;
        return true;
    }
    void Expect(char ch, const char* what) {
        if (!Take(ch)) Fail(std::string("expected ") + what);
    }
    void ExpectEnd() {
        SkipBlanks();
        if (!AtEnd()) Fail("unexpected text at the end of the line");
    }

    std::string Word() {
        const size_t start = pos_;
        while (!AtEnd() && ((line_[pos_] >= 'a' && line_[pos_] <= 'z') || (line_[pos_] >= '0' && line_[pos_] <= '9'))) ++pos_;
        return std::string(line_.substr(start, pos_ - start));
    }

    // Everything up to the next blank.
    std::string_view Token() {
        const size_t start = pos_;
        while (!AtEnd() && line_[pos_] != ' ' && line_[pos_] != '\t') ++pos_;
        return line_.substr(start, pos_ - start);
    }

    std::string Name() {
        if (Peek() == '"') return QuotedText();
        const size_t start = pos_;
        while (!AtEnd() && IsBareChar(line_[pos_])) ++pos_;
        if (pos_ == start) Fail("expected a name");
        return std::string(line_.substr(start, pos_ - start));
    }

    std::string QuotedText() {
        Expect('"', "'\"'");
        std::string text;
        for (;;) {
            if (AtEnd()) Fail("quoted text is not closed");
            const char ch = line_[pos_++];
            if (ch == '"') return text;
            text += ch == '\\' ? Escaped() : ch;
        }
    }

private:
    char Escaped() {
        if (AtEnd()) Fail("quoted text is not closed");
        const char ch = line_[pos_++];
        switch (ch) {
            case '\\': return '\\';
            case '"': return '"';
            case 'n': return '\n';
            case 'r': return '\r';
            case 't': return '\t';
            case 'x': return HexByte();
            default: Fail(std::string("unknown escape \\") + ch);
        }
    }

    char HexByte() {
        unsigned value = 0;
        if (line_.size() - pos_ < 2) Fail("\\x needs two hexadecimal digits");
        const auto result = std::from_chars(line_.data() + pos_, line_.data() + pos_ + 2, value, 16);
        if (result.ptr != line_.data() + pos_ + 2) Fail("\\x needs two hexadecimal digits");
        pos_ += 2;
        return static_cast<char>(value);
    }

    std::string_view line_;
    size_t pos_ = 0;
    size_t number_;
};

template <class Int>
Int IntegerValue(LineReader& reader, std::string_view token, int base = 10) {
    Int value{};
    const auto result = std::from_chars(token.data(), token.data() + token.size(), value, base);
    if (token.empty() || result.ec != std::errc() || result.ptr != token.data() + token.size())
        reader.Fail("\"" + std::string(token) + "\" is not a valid number");
    return value;
}

double DoubleValue(LineReader& reader, std::string_view token) {
    double value = 0;
    const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || result.ec != std::errc() || result.ptr != token.data() + token.size())
        reader.Fail("\"" + std::string(token) + "\" is not a valid floating-point number");
    return value;
}

bool BooleanValue(LineReader& reader, std::string_view token) {
    if (token == "true" || token == "1") return true;
    if (token == "false" || token == "0") return false;
    reader.Fail("\"" + std::string(token) + "\" is neither true nor false");
}

uint32_t ColorValue(LineReader& reader, std::string_view token) {
    if (token.size() < 3 || token.size() > 10 || token[0] != '0' || (token[1] != 'x' && token[1] != 'X'))
        reader.Fail("a colour is written 0x followed by up to 8 hexadecimal digits");
    return IntegerValue<uint32_t>(reader, token.substr(2), 16);
}

bool IsKind(const std::string& word) {
    for (const char* kind : {"bool", "int", "int64", "double", "color", "string"})
        if (word == kind) return true;
    return false;
}

HConfigValue ReadValue(LineReader& reader, const std::string& kind) {
    HConfigValue value;
    if (kind == "string") {
        value.Kind = HConfigKind::String;
        value.Text = reader.QuotedText();
        return value;
    }
    const std::string_view token = reader.Token();
    if (kind == "bool") {
        value.Kind = HConfigKind::Boolean;
        value.Number = BooleanValue(reader, token);
    } else if (kind == "int") {
        value.Kind = HConfigKind::Integer;
        value.Number = IntegerValue<int32_t>(reader, token);
    } else if (kind == "int64") {
        value.Kind = HConfigKind::Int64;
        value.Number = IntegerValue<int64_t>(reader, token);
    } else if (kind == "double") {
        value.Kind = HConfigKind::Double;
        value.Real = DoubleValue(reader, token);
    } else {
        value.Kind = HConfigKind::Color;
        value.Number = ColorValue(reader, token);
    }
    return value;
}

HConfigItem* ReadSection(LineReader& reader, HConfigItem& root) {
    reader.Expect('[', "'['");
    reader.SkipBlanks();
    HConfigItem* key = &root;
    if (reader.Take(']')) return key;
    for (int depth = 1;; ++depth) {
        if (depth > kMaxConfigDepth) reader.Fail("keys are nested deeper than " + std::to_string(kMaxConfigDepth) + " levels");
        key = key->SubKey(reader.Name());
        reader.SkipBlanks();
        if (reader.Take(']')) break;
        reader.Expect('/', "'/' or ']'");
        reader.SkipBlanks();
    }
    reader.ExpectEnd();
    return key;
}

void ReadEntry(LineReader& reader, HConfigItem& key) {
    const std::string kind = reader.Word();
    if (kind.empty()) reader.Fail("expected a kind (bool, int, int64, double, color or string)");
    if (!IsKind(kind)) reader.Fail("unknown kind \"" + kind + "\"");
    if (reader.Peek() != ' ' && reader.Peek() != '\t') reader.Fail("expected a blank after the kind");
    reader.SkipBlanks();
    const std::string name = reader.Name();
    reader.SkipBlanks();
    reader.Expect('=', "'='");
    reader.SkipBlanks();
    HConfigValue value = ReadValue(reader, kind);
    reader.ExpectEnd();
    key.SetValue(name, std::move(value));
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    return text.substr(0, bom.size()) == bom ? text.substr(bom.size()) : text;
}

}  // namespace

std::string HConfigToText(const HConfigItem& root) {
    std::string out = "# Settings: one value a line, \"kind name = value\"; [key path] starts a key.\n";
    WriteValues(root, out);
    std::vector<PendingKey> pending;
    auto pushChildren = [&pending](const PendingKey& parent) {
        const auto& children = parent.Key->AllSubKeys();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            const std::string name = NameText(it->first);
            pending.push_back({it->second.get(), parent.Depth == 0 ? name : parent.Path + "/" + name, parent.Depth + 1});
        }
    };
    pushChildren({&root, "", 0});
    while (!pending.empty()) {
        PendingKey current = std::move(pending.back());
        pending.pop_back();
        if (current.Depth > kMaxConfigDepth)
            throw EWriteError("Settings keys are nested deeper than " + std::to_string(kMaxConfigDepth) + " levels");
        out += "\n[" + current.Path + "]\n";
        WriteValues(*current.Key, out);
        pushChildren(current);
    }
    return out;
}

void HConfigFromText(std::string_view text, HConfigItem& root) {
    text = WithoutByteOrderMark(text);
    HConfigItem* key = &root;
    size_t number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        LineReader reader(line, ++number);
        reader.SkipBlanks();
        if (reader.AtEnd() || reader.Peek() == '#' || reader.Peek() == ';') continue;
        if (reader.Peek() == '[')
            key = ReadSection(reader, root);
        else
            ReadEntry(reader, *key);
    }
}

#include "strings.h"

#include "exceptions.h"
#include "reader.h"
#include "writer.h"

PENDREL_IMPLEMENT_CLASS(TStrings)

void TStrings::DeclareProperties(TClassBuilder<TStrings>&) {}

const std::string& TStrings::operator[](int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return lines_[static_cast<size_t>(index)];
}

void TStrings::Put(int index, const std::string& line) {
    (void)(*this)[index];
    lines_[static_cast<size_t>(index)] = line;
    Changed();
}

int TStrings::Add(const std::string& line) {
    lines_.push_back(line);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int index, const std::string& line) {
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    lines_.insert(lines_.begin() + index, line);
    Changed();
}

void TStrings::Delete(int index) {
    (void)(*this)[index];
    lines_.erase(lines_.begin() + index);
    Changed();
}

void TStrings::Clear() {
    lines_.clear();
    Changed();
}

int TStrings::IndexOf(const std::string& line) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(lines_[static_cast<size_t>(i)], line)) return i;
    return -1;
}

std::string TStrings::GetText() const {
    std::string text;
    for (const auto& line : lines_) text += line + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text) {
    lines_.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines_.push_back(text.substr(start));
            break;
        }
        lines_.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    Changed();
}

void TStrings::SetTextBuf(const char* text) { SetText(text ? std::string(text) : std::string()); }

void TStrings::Assign(const TPersistent* source) {
    if (auto* strings = dynamic_cast<const TStrings*>(source)) {
        lines_ = strings->lines_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            Clear();
            reader.ReadListBegin();
            while (!reader.EndOfList()) Add(reader.ReadString());
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (const auto& line : lines_) writer.WriteString(line);
            writer.WriteListEnd();
        },
        !lines_.empty());
}

// Lists of text lines.
#pragma once
#include <string>
#include <vector>

#include "event.h"
#include "persistent.h"

class TStrings : public TPersistent {
    PENDREL_CLASS(TStrings, TPersistent)
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const;
    const std::string& Strings(int index) const { return (*this)[index]; }
    void Put(int index, const std::string& line);
    int Add(const std::string& line);
    void Insert(int index, const std::string& line);
    void Delete(int index);
    void Clear();
    int IndexOf(const std::string& line) const;  // case-insensitive; -1 when absent

    // Each line followed by CR LF.
    std::string GetText() const;
    // Splits at CR LF, LF or CR; a last line without a break still counts.
    void SetText(const std::string& text);
    // As SetText, up to the first zero byte.
    void SetTextBuf(const char* text);

    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    // After every change of the lines, so that an owner can show them.
    TEvent<TObject*> OnChange;

private:
    void Changed() { OnChange(this); }

    std::vector<std::string> lines_;
};

using TStringList = TStrings;

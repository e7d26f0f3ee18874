#include "design_clipboard.h"
#include "designer_error.h"
#include "support/win32/clipboard_session.h"
#include "support/win32/wide_text.h"

namespace {
UINT FormatId(const std::string& format) { return RegisterClipboardFormatW(Utf8ToWide(format).c_str()); }

class TSystemClipboard : public IDesignClipboard {
public:
    void Put(const std::string& format, const std::string& text) override {
        TClipboardSession clipboard;
        if (!clipboard.Empty()) throw EDesignerError("The clipboard is in use by another program");
        if (!clipboard.Put(FormatId(format), text.c_str(), text.size() + 1) || !clipboard.PutText(text))
            throw EDesignerError("The clipboard refused the copied controls");
    }

    std::optional<std::string> Get(const std::string& format) const override {
        const TClipboardSession clipboard;
        if (auto own = clipboard.Bytes(FormatId(format))) return own;
        return clipboard.Text();
    }
};
}  // namespace

IDesignClipboard& SystemDesignClipboard() {
    static TSystemClipboard clipboard;
    return clipboard;
}

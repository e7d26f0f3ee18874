// Without a window system the clipboard lives in the process.
#include "design_clipboard.h"

namespace {
class TProcessClipboard : public IDesignClipboard {
public:
    void Put(const std::string&, const std::string& text) override { text_ = text; }
    std::optional<std::string> Get(const std::string&) const override { return text_; }

private:
    std::optional<std::string> text_;
};
}  // namespace

IDesignClipboard& SystemDesignClipboard() {
    static TProcessClipboard clipboard;
    return clipboard;
}

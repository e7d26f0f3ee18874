// Without a window system the clipboard lives in the process.
#include "design_clipboard.h"

namespace {
class TProcessClipboard : public IDesignClipboard {
public:
    void Put(const std::string& format, const std::string& text) override {
        format_ = format;
        text_ = text;
        full_ = true;
    }
    std::optional<std::string> Get(const std::string&) const override {
        if (!full_) return std::nullopt;
        return text_;
    }

private:
    std::string format_;
    std::string text_;
    bool full_ = false;
};
}  // namespace

IDesignClipboard& SystemDesignClipboard() {
    static TProcessClipboard clipboard;
    return clipboard;
}

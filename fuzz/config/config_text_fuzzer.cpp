// Feeds arbitrary text to the settings reader: every input must load or raise EParserError,
// and whatever loads must write out text that loads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/framework/exceptions.h"
#include "support/lib/config/config_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    HConfigItem root;
    try {
        HConfigFromText(text, root);
    } catch (const EParserError&) {
        return 0;
    }
    const std::string written = HConfigToText(root);
    HConfigItem again;
    HConfigFromText(written, again);
    if (HConfigToText(again) != written) std::abort();
    return 0;
}

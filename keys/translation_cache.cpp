#include "translation_cache.h"

#include <algorithm>
#include <vector>

#include "key_state.h"

int TTranslationCache::Translate(uint32_t virtualKey, uint32_t scanCode, const uint8_t* state, char16_t* buffer,
                                 int bufferSize, uint32_t flags, void* layout, const TTranslate& translate) {
    if (bufferSize <= 0) return translate(buffer);
    const TKey key{virtualKey, scanCode, KeyStateSignature(state), flags, bufferSize, layout};
    auto found = answers_.find(key);
    if (found == answers_.end()) {
        std::vector<char16_t> units(static_cast<size_t>(bufferSize), u'\0');
        const int result = translate(units.data());
        const size_t written = std::min(static_cast<size_t>(bufferSize), static_cast<size_t>(result < 0 ? 1 : result));
        if (answers_.size() >= kMaxAnswers) answers_.clear();
        found = answers_.emplace(key, TAnswer{result, std::u16string(units.data(), written)}).first;
    }
    std::copy(found->second.units.begin(), found->second.units.end(), buffer);
    return found->second.result;
}

#include "support/lib/config/config_tree.h"

#include <cstdio>
#include <memory>

#include "support/framework/exceptions.h"
#include "support/lib/atomic_file.h"
#include "support/lib/config/config_text.h"

namespace {
enum class ReadOutcome { Read, Missing, TooLarge };

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's bytes, at most kMaxConfigFileSize of them.
ReadOutcome ReadWholeFile(const std::string& fileName, std::string& bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) return ReadOutcome::Missing;
    char chunk[65536];
    for (;;) {
        const size_t count = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, count);
        if (bytes.size() > kMaxConfigFileSize) return ReadOutcome::TooLarge;
        if (count < sizeof chunk) break;
    }
    return std::ferror(file.get()) ? ReadOutcome::Missing : ReadOutcome::Read;
}
}  // namespace

std::string HDamagedConfigName(const std::string& fileName) { return fileName + ".bad"; }

bool HTreeConfig::Load(const std::string& fileName) {
    std::string bytes;
    const ReadOutcome outcome = ReadWholeFile(fileName, bytes);
    if (outcome == ReadOutcome::Missing) return false;
    HConfigItem loaded;
    try {
        if (outcome == ReadOutcome::TooLarge) throw EParserError("The file is too large");
        HConfigFromText(bytes, loaded);
    } catch (const EParserError&) {
        KeepAside(fileName);
        return false;
    }
    root_.ReplaceContents(std::move(loaded));
    return true;
}

bool HTreeConfig::KeepAside(const std::string& fileName) {
    const std::string aside = HDamagedConfigName(fileName);
    std::remove(aside.c_str());
    if (std::rename(fileName.c_str(), aside.c_str()) == 0) {
        notKeptAside_.clear();
        return true;
    }
    // A file that has gone meanwhile needs no keeping aside.
    std::unique_ptr<std::FILE, FileCloser> stillThere(std::fopen(fileName.c_str(), "rb"));
    notKeptAside_ = stillThere ? fileName : std::string();
    return !stillThere;
}

bool HTreeConfig::Save(const std::string& fileName) {
    if (!notKeptAside_.empty() && notKeptAside_ == fileName && !KeepAside(fileName)) return false;
    try {
        const std::string text = HConfigToText(root_);
        AtomicWriteFile(fileName, text.data(), text.size());
        return true;
    } catch (const Exception&) {
        return false;
    }
}

HTreeConfig* HConfigCreate() { return new HTreeConfig(); }

void HConfigDestroy(HTreeConfig* tree) { delete tree; }

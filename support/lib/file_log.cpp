#include "support/lib/file_log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "support/lib/format.h"
#include "support/lib/local_time.h"
#include "support/lib/paths.h"

namespace {
struct TLogState {
    std::mutex lock;
    std::string path;  // "" for the default
};

TLogState& LogState() {
    static TLogState state;
    return state;
}

std::string DefaultLogPath() {
    const std::string program = GetModulePath();
    if (program.empty()) return {};
    return FPath(program) + FNameOnly(program) + ".log";
}

std::string SingleLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

void AppendLine(const std::string& path, const std::string& line) {
    if (path.empty()) return;
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) return;
    std::fputs(line.c_str(), file);
    std::fclose(file);
}
}  // namespace

void FILELogSetPath(const std::string& path) {
    TLogState& state = LogState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.path = path;
}

std::string FILELogGetPath() {
    TLogState& state = LogState();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.path.empty() ? DefaultLogPath() : state.path;
}

void FILELog(const char* fmt, ...) {
    try {
        va_list args;
        va_start(args, fmt);
        const std::string text = VMessage(fmt, args);
        va_end(args);
        const std::string line = LocalTimeStamp() + " " + SingleLine(text) + "\n";
        const std::string path = FILELogGetPath();
        TLogState& state = LogState();
        std::lock_guard<std::mutex> guard(state.lock);
        AppendLine(path, line);
    } catch (...) {
        // Logging must never be the cause of a failure.
    }
}

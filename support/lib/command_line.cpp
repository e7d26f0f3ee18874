#include "support/lib/command_line.h"

#include <mutex>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name ends at the next quote when it starts with one, else at the first blank.
std::string ParseProgramName(const std::string& line, size_t& at) {
    if (line.empty() || line[0] != '"') {
        while (at < line.size() && !IsBlank(line[at])) ++at;
        return line.substr(0, at);
    }
    const size_t close = line.find('"', 1);
    at = close == std::string::npos ? line.size() : close + 1;
    return line.substr(1, (close == std::string::npos ? line.size() : close) - 1);
}

// Handles a run of quotes: 2n backslashes before it are halved and the quote toggles quoting,
// 2n+1 leave n backslashes and a literal quote. Further quotes of the run count towards
// quoteCount, every third of them giving a literal quote.
void TakeQuoteRun(const std::string& line, size_t& at, size_t backslashes, int& quoteCount, std::string& arg) {
    arg.append(backslashes / 2, '\\');
    if (backslashes % 2 == 1) arg += '"';
    else ++quoteCount;
    for (++at; at < line.size() && line[at] == '"'; ++at) {
        if (++quoteCount == 3) {
            arg += '"';
            quoteCount = 0;
        }
    }
    if (quoteCount == 2) quoteCount = 0;
}

std::string ParseArgument(const std::string& line, size_t& at) {
    std::string arg;
    int quoteCount = 0;
    while (at < line.size() && (quoteCount != 0 || !IsBlank(line[at]))) {
        size_t backslashes = 0;
        while (at < line.size() && line[at] == '\\') ++backslashes, ++at;
        if (at < line.size() && line[at] == '"') {
            TakeQuoteRun(line, at, backslashes, quoteCount, arg);
        } else {
            arg.append(backslashes, '\\');
            if (at < line.size() && (quoteCount != 0 || !IsBlank(line[at]))) arg += line[at++];
        }
    }
    return arg;
}

struct TArguments {
    std::mutex lock;
    bool loaded = false;
    std::vector<std::string> items;  // without the program name
};

TArguments& Arguments() {
    static TArguments arguments;
    return arguments;
}

const std::vector<std::string>& LoadedArguments() {
    TArguments& arguments = Arguments();
    std::lock_guard<std::mutex> guard(arguments.lock);
    if (!arguments.loaded) {
        std::vector<std::string> all = ReadProcessArguments();
        if (!all.empty()) all.erase(all.begin());
        arguments.items = std::move(all);
        arguments.loaded = true;
    }
    return arguments.items;
}
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
    if (line.empty()) return {};
    size_t at = 0;
    std::vector<std::string> result{ParseProgramName(line, at)};
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at == line.size()) return result;
        result.push_back(ParseArgument(line, at));
    }
}

void CTArgInit(int argc, char** argv) {
    std::vector<std::string> items;
    for (int i = 1; argv && i < argc && argv[i]; ++i) items.emplace_back(argv[i]);
    TArguments& arguments = Arguments();
    std::lock_guard<std::mutex> guard(arguments.lock);
    arguments.items = std::move(items);
    arguments.loaded = true;
}

const char* CTArgGetArg(int index) {
    const std::vector<std::string>& items = LoadedArguments();
    if (index < 0 || static_cast<size_t>(index) >= items.size()) return nullptr;
    return items[static_cast<size_t>(index)].c_str();
}

int CTArgCount() { return static_cast<int>(LoadedArguments().size()); }

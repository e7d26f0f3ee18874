#include <fstream>
#include <iterator>

#include "support/lib/command_line.h"

std::vector<std::string> ReadProcessArguments() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> result;
    for (size_t start = 0; start < all.size();) {
        const size_t end = all.find('\0', start);
        const size_t stop = end == std::string::npos ? all.size() : end;
        result.push_back(all.substr(start, stop - start));
        start = stop + 1;
    }
    return result;
}

#include <cstdio>
#include <cstdlib>

#include "support/lib/fatal_exit.h"

void ShowFatalMessage(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

void EndProcessWithFailure() { std::_Exit(1); }

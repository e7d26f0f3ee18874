// The nesting depth of recursive reads and writes, bounded so that hostile input cannot
// exhaust the stack. Going past kMaxNestingDepth raises Error with the message given.
#pragma once
#include "exceptions.h"
#include "value_codes.h"

// Counts one level for as long as it lives.
template <class Error = EReadError>
class TDepthGuard {
public:
    TDepthGuard(int& depth, const char* tooDeep) : depth_(depth) {
        if (depth_ >= kMaxNestingDepth) throw Error(tooDeep);
        ++depth_;
    }
    ~TDepthGuard() { --depth_; }
    TDepthGuard(const TDepthGuard&) = delete;
    TDepthGuard& operator=(const TDepthGuard&) = delete;

private:
    int& depth_;
};

// For recursions that hand their level down instead of counting it.
template <class Error = EReadError>
void CheckNestingDepth(int level, const char* tooDeep) {
    if (level > kMaxNestingDepth) throw Error(tooDeep);
}

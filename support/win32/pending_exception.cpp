#include "pending_exception.h"

#include <exception>
#include <utility>

namespace {
std::exception_ptr& Pending() {
    static std::exception_ptr pending;
    return pending;
}
}  // namespace

void KeepWindowProcException() {
    if (!Pending()) Pending() = std::current_exception();
}

void RaisePendingWindowException() {
    if (!Pending()) return;
    std::rethrow_exception(std::exchange(Pending(), nullptr));
}

// Events: a handler with the sender first, run only when assigned. An event bound to a
// published method remembers the method's name, which is what a stream stores.
#pragma once
#include <functional>
#include <string>
#include <utility>

template <class... Args>
class TEvent {
public:
    using Handler = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(Handler handler) : handler_(std::move(handler)) {}  // NOLINT: assignable from a lambda
    TEvent& operator=(Handler handler) {
        handler_ = std::move(handler);
        methodName_.clear();
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(handler_); }
    void operator()(Args... args) const {
        if (handler_) handler_(std::forward<Args>(args)...);
    }

    const std::string& MethodName() const { return methodName_; }
    void Bind(Handler handler, std::string methodName) {
        handler_ = std::move(handler);
        methodName_ = std::move(methodName);
    }
    void Clear() { *this = Handler(); }

private:
    Handler handler_;
    std::string methodName_;
};

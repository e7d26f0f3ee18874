// Framework exceptions: every failure a user can cause carries a message.
#pragma once
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

// Raised by Abort(): ends an operation silently; handlers that show errors skip it.
class EAbort : public Exception { using Exception::Exception; };

class EStreamError : public Exception { using Exception::Exception; };
class EFOpenError : public EStreamError { using EStreamError::EStreamError; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };
class EFilerError : public EStreamError { using EStreamError::EStreamError; };
class EReadError : public EFilerError { using EFilerError::EFilerError; };
class EWriteError : public EFilerError { using EFilerError::EFilerError; };
class EClassNotFound : public EFilerError { using EFilerError::EFilerError; };
// A fault of a text. When its line is known, Message names it and Cause is the fault alone.
class EParserError : public Exception {
public:
    using Exception::Exception;
    EParserError(std::string message, std::string cause, int line)
        : Exception(std::move(message)), Cause(std::move(cause)), Line(line) {}
    const std::string& CauseText() const { return Cause.empty() ? Message : Cause; }
    std::string Cause;
    int Line = 0;  // 0: not known
};
class EConvertError : public Exception { using Exception::Exception; };
// A text that is no valid value of a property, or a property that cannot be set; its
// message names the property and the text.
class EPropertyError : public EConvertError { using EConvertError::EConvertError; };
class EComponentError : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };

// Ends the current operation without an error message.
[[noreturn]] void Abort();

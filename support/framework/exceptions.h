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
class EParserError : public Exception { using Exception::Exception; };
class EConvertError : public Exception { using Exception::Exception; };
class EComponentError : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };

// Ends the current operation without an error message.
[[noreturn]] void Abort();

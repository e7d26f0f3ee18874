// What an error report holds, its text form, and the report file that collects them.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <utility>
#include <vector>

struct TStackFrame {
    uint64_t Address = 0;
    std::string Module;  // file name of the module holding the address; "" when none does
    uint64_t ModuleOffset = 0;
    std::string Symbol;  // the exported function holding the address; "" when unknown
    uint64_t SymbolOffset = 0;
};

// Bytes read from the process's memory at Address; fewer than asked when the memory ends.
struct TMemoryDump {
    std::string Title;
    uint64_t Address = 0;
    std::vector<uint8_t> Bytes;
};

struct TExceptionReport {
    std::string Time;
    std::string Program;
    std::string ClassName;
    std::string Message;
    // A fault of the processor (access violation and the like) rather than a thrown error.
    bool IsFault = false;
    uint64_t FaultAddress = 0;
    std::vector<TStackFrame> Frames;
    std::vector<std::pair<std::string, uint64_t>> Registers;
    std::vector<TMemoryDump> Dumps;
    std::vector<std::string> Notes;
};

// A compiler's symbol name as written in the source ("RunProgram(std::function<int ()> const&)");
// names that are no mangled ones come back unchanged.
std::string ReadableSymbol(const std::string& symbol);
// The readable class name of an exception object ("std::runtime_error", "EReadError").
std::string ExceptionClassName(const std::exception& error);
// The report as text, one section after another, ending in a blank line.
std::string FormatExceptionReport(const TExceptionReport& report);
// The short text a dialog shows: message, class and the first frames.
std::string ExceptionSummary(const TExceptionReport& report, int frames);
// Appends report to the reports already in a file; the oldest ones give way when the whole
// would exceed limit bytes, so the file cannot grow without end.
std::string AppendReportText(const std::string& existing, const std::string& report, size_t limit);

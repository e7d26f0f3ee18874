#include "exception_report.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "support/lib/format.h"

namespace {
constexpr const char* kReportStart = "==== Exception report ";
constexpr int kDumpBytesPerLine = 16;

std::string Hex(uint64_t value) { return Message("0x%016llX", static_cast<unsigned long long>(value)); }

std::string FrameText(const TStackFrame& frame) {
    std::string text = Hex(frame.Address) + "  ";
    if (frame.Module.empty()) return text + "?";
    if (frame.Symbol.empty())
        return text + frame.Module + Message("+0x%llX", static_cast<unsigned long long>(frame.ModuleOffset));
    return text + frame.Module + Message("!%s+0x%llX", frame.Symbol.c_str(), static_cast<unsigned long long>(frame.SymbolOffset));
}

std::string Demangled(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
}

void AppendDump(std::string& out, const TMemoryDump& dump) {
    out += Message("%s at %s:\n", dump.Title.c_str(), Hex(dump.Address).c_str());
    if (dump.Bytes.empty()) out += "  (not readable)\n";
    for (size_t line = 0; line < dump.Bytes.size(); line += kDumpBytesPerLine) {
        out += "  " + Hex(dump.Address + line) + " ";
        for (size_t i = line; i < dump.Bytes.size() && i < line + kDumpBytesPerLine; ++i) out += Message(" %02X", dump.Bytes[i]);
        out += "\n";
    }
}
}  // namespace

std::string ReadableSymbol(const std::string& symbol) {
    // Only names of the C++ mangling scheme are decoded; a plain "main" would read as a type.
    return symbol.rfind("_Z", 0) == 0 ? Demangled(symbol.c_str()) : symbol;
}

std::string ExceptionClassName(const std::exception& error) { return Demangled(typeid(error).name()); }

std::string FormatExceptionReport(const TExceptionReport& report) {
    std::string out = kReportStart + report.Time + " ====\n";
    out += "Program: " + report.Program + "\n";
    out += "Class: " + report.ClassName + "\n";
    out += "Message: " + report.Message + "\n";
    if (report.IsFault) out += "Fault address: " + Hex(report.FaultAddress) + "\n";
    for (const std::string& note : report.Notes) out += note + "\n";
    out += "Call stack:\n";
    if (report.Frames.empty()) out += "  (not available)\n";
    for (size_t i = 0; i < report.Frames.size(); ++i) out += Message("  #%-2zu ", i) + FrameText(report.Frames[i]) + "\n";
    if (!report.Registers.empty()) {
        out += "Registers:\n";
        for (const auto& [name, value] : report.Registers) out += Message("  %-4s ", name.c_str()) + Hex(value) + "\n";
    }
    for (const TMemoryDump& dump : report.Dumps) AppendDump(out, dump);
    return out + "\n";
}

std::string ExceptionSummary(const TExceptionReport& report, int frames) {
    std::string text = report.Message + "\n\n" + report.ClassName;
    if (report.IsFault) text += " at " + Hex(report.FaultAddress);
    const size_t shown = std::min(report.Frames.size(), static_cast<size_t>(std::max(0, frames)));
    if (shown > 0) text += "\n";
    for (size_t i = 0; i < shown; ++i) text += "\n" + FrameText(report.Frames[i]);
    return text;
}

std::string AppendReportText(const std::string& existing, const std::string& report, size_t limit) {
    if (report.size() >= limit) return report.substr(0, limit);
    std::string kept = existing;
    if (kept.size() + report.size() > limit) {
        // Drop whole reports from the front; a file without report marks is dropped entirely.
        const size_t cut = kept.find(kReportStart, kept.size() + report.size() - limit);
        kept = cut == std::string::npos ? std::string() : kept.substr(cut);
    }
    return kept + report;
}

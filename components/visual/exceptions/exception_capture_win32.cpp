#include "exception_capture.h"

#include <windows.h>

#include <unwind.h>

#include "support/lib/format.h"
#include "support/lib/paths.h"
#include "support/win32/application.h"
#include "support/win32/wide_text.h"

namespace {
constexpr int kMaxFrames = 48;
constexpr DWORD kGccThrow = 0x20474343;   // the code the GCC runtime raises a C++ throw with
constexpr DWORD kMsvcThrow = 0xE06D7363;  // the same for code of the other compilers
constexpr size_t kCodeBytes = 32;
constexpr size_t kCallBytes = 16;
constexpr size_t kStackBytes = 256;
constexpr size_t kDataBytes = 64;

// The latest throw on this thread, seen as it was raised, before unwinding: the object thrown
// and the stack.
struct TThrowSite {
    const void* Object = nullptr;
    std::vector<uint64_t> Stack;
};
thread_local TThrowSite lastThrow;
PVOID vectoredHandler = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
bool hooksInstalled = false;

bool ReadMemory(uint64_t address, void* into, size_t size) {
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<LPCVOID>(static_cast<uintptr_t>(address)), into, size, &read) &&
           read == size;
}

TMemoryDump Dump(const std::string& title, uint64_t address, size_t size) {
    TMemoryDump dump{title, address, {}};
    dump.Bytes.resize(size);
    // Read what can be read: byte blocks that fail shorten the dump.
    size_t good = 0;
    while (good < size && ReadMemory(address + good, dump.Bytes.data() + good, 1)) ++good;
    dump.Bytes.resize(good);
    return dump;
}

std::vector<uint64_t> CaptureHere(int skip) {
    void* frames[kMaxFrames];
    const USHORT count = RtlCaptureStackBackTrace(static_cast<DWORD>(skip + 1), kMaxFrames, frames, nullptr);
    std::vector<uint64_t> addresses;
    // The walk ends at the thread's start; what may follow is no frame.
    for (USHORT i = 0; i < count && frames[i]; ++i) addresses.push_back(reinterpret_cast<uintptr_t>(frames[i]));
    return addresses;
}

std::vector<uint64_t> WalkFromContext(CONTEXT context) {
    std::vector<uint64_t> frames;
#ifdef _WIN64
    while (frames.size() < kMaxFrames && context.Rip) {
        frames.push_back(context.Rip);
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
        if (function) {
            PVOID handlerData = nullptr;
            DWORD64 establisher = 0;
            RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData, &establisher, nullptr);
        } else {
            // A leaf function keeps nothing on the stack but its return address.
            if (!ReadMemory(context.Rsp, &context.Rip, sizeof context.Rip)) break;
            context.Rsp += sizeof context.Rip;
        }
    }
#else
    frames.push_back(context.Eip);
    DWORD frame = context.Ebp;
    while (frames.size() < kMaxFrames) {
        DWORD link[2] = {0, 0};  // the caller's frame pointer and the return address
        if (!ReadMemory(frame, link, sizeof link) || link[1] == 0) break;
        frames.push_back(link[1]);
        if (link[0] <= frame) break;
        frame = link[0];
    }
#endif
    return frames;
}

// Where the function holding the address starts, as an offset in its module: an export
// before it names some other function. 0 when the module does not say.
uint64_t FunctionStart(uint64_t address, uint64_t rva) {
#ifdef _WIN64
    DWORD64 imageBase = 0;
    if (const PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(address, &imageBase, nullptr))
        return function->BeginAddress <= rva ? function->BeginAddress : 0;
#else
    (void)address;
    (void)rva;
#endif
    return 0;
}

// The exported function holding address, from the module's export table.
void NameByExports(HMODULE module, TStackFrame& frame) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return;
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.VirtualAddress == 0 || directory.Size == 0) return;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* functions = reinterpret_cast<const DWORD*>(base + exports->AddressOfFunctions);
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
    const uint64_t rva = frame.Address - reinterpret_cast<uintptr_t>(base);
    DWORD best = 0;
    std::string name;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (ordinals[i] >= exports->NumberOfFunctions) continue;
        const DWORD function = functions[ordinals[i]];
        const bool forwarded = function >= directory.VirtualAddress && function < directory.VirtualAddress + directory.Size;
        if (forwarded || function > rva || function <= best) continue;
        best = function;
        name = reinterpret_cast<const char*>(base + names[i]);
    }
    if (name.empty() || best < FunctionStart(frame.Address, rva)) return;
    frame.Symbol = ReadableSymbol(name);
    frame.SymbolOffset = rva - best;
}

TStackFrame Describe(uint64_t address, bool loadExports) {
    TStackFrame frame;
    frame.Address = address;
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (address == 0 || !GetModuleHandleExW(flags, reinterpret_cast<LPCWSTR>(static_cast<uintptr_t>(address)), &module)) return frame;
    frame.Module = FName(GetModulePath(module));
    frame.ModuleOffset = address - reinterpret_cast<uintptr_t>(module);
    if (loadExports) NameByExports(module, frame);
    return frame;
}

void AddFrames(TExceptionReport& report, const std::vector<uint64_t>& addresses, TExceptionOptions options) {
    for (uint64_t address : addresses) report.Frames.push_back(Describe(address, options.Contains(vclxLoadExports)));
    if (!options.Contains(vclxDisasmCode)) return;
    // A return address follows the call: the bytes before it show the call made.
    for (size_t i = 1; i < addresses.size() && i < 8; ++i)
        report.Dumps.push_back(Dump(Message("Code before return address #%zu", i), addresses[i] - kCallBytes, kCallBytes));
}

void AddRegisters(TExceptionReport& report, const CONTEXT& c) {
#ifdef _WIN64
    report.Registers = {{"RAX", c.Rax}, {"RBX", c.Rbx}, {"RCX", c.Rcx}, {"RDX", c.Rdx}, {"RSI", c.Rsi}, {"RDI", c.Rdi},
                        {"RBP", c.Rbp}, {"RSP", c.Rsp}, {"R8", c.R8},   {"R9", c.R9},   {"R10", c.R10}, {"R11", c.R11},
                        {"R12", c.R12}, {"R13", c.R13}, {"R14", c.R14}, {"R15", c.R15}, {"RIP", c.Rip}};
#else
    report.Registers = {{"EAX", c.Eax}, {"EBX", c.Ebx}, {"ECX", c.Ecx}, {"EDX", c.Edx}, {"ESI", c.Esi},
                        {"EDI", c.Edi}, {"EBP", c.Ebp}, {"ESP", c.Esp}, {"EIP", c.Eip}};
#endif
}

uint64_t StackPointer(const CONTEXT& c) {
#ifdef _WIN64
    return c.Rsp;
#else
    return c.Esp;
#endif
}

std::string FaultName(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION: return "EXCEPTION_ACCESS_VIOLATION";
        case EXCEPTION_INT_DIVIDE_BY_ZERO: return "EXCEPTION_INT_DIVIDE_BY_ZERO";
        case EXCEPTION_STACK_OVERFLOW: return "EXCEPTION_STACK_OVERFLOW";
        case EXCEPTION_ILLEGAL_INSTRUCTION: return "EXCEPTION_ILLEGAL_INSTRUCTION";
        case EXCEPTION_PRIV_INSTRUCTION: return "EXCEPTION_PRIV_INSTRUCTION";
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED: return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
        case EXCEPTION_BREAKPOINT: return "EXCEPTION_BREAKPOINT";
        default: return Message("Exception 0x%08lX", static_cast<unsigned long>(code));
    }
}

std::string FaultMessage(const EXCEPTION_RECORD& record) {
    if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
        const ULONG_PTR kind = record.ExceptionInformation[0];
        const char* action = kind == 0 ? "read of" : kind == 1 ? "write to" : "execution at";
        return Message("Access violation: %s address 0x%llX", action,
                       static_cast<unsigned long long>(record.ExceptionInformation[1]));
    }
    return FaultName(record.ExceptionCode);
}

TExceptionReport FaultReport(const EXCEPTION_POINTERS& info, TExceptionOptions options) {
    const EXCEPTION_RECORD& record = *info.ExceptionRecord;
    TExceptionReport report;
    report.IsFault = true;
    report.ClassName = FaultName(record.ExceptionCode);
    report.Message = FaultMessage(record);
    report.FaultAddress = reinterpret_cast<uintptr_t>(record.ExceptionAddress);
    AddFrames(report, WalkFromContext(*info.ContextRecord), options);
    if (options.Contains(vclxLoadLocals)) AddRegisters(report, *info.ContextRecord);
    if (options.Contains(vclxReadCode)) report.Dumps.push_back(Dump("Code", report.FaultAddress, kCodeBytes));
    if (options.Contains(vclxPrintStackData))
        report.Dumps.push_back(Dump("Stack", StackPointer(*info.ContextRecord), kStackBytes));
    if (options.Contains(vclxPrintData)) {
        for (DWORD i = 0; i < record.NumberParameters && i < EXCEPTION_MAXIMUM_PARAMETERS; ++i)
            report.Notes.push_back(Message("Parameter %lu: 0x%llX", static_cast<unsigned long>(i),
                                           static_cast<unsigned long long>(record.ExceptionInformation[i])));
        if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2)
            report.Dumps.push_back(Dump("Data", record.ExceptionInformation[1], kDataBytes));
    }
    return report;
}

// The object a throw raises: the GCC runtime passes its unwind header, which the object
// follows; the other compilers pass the object itself second.
const void* ThrownObject(const EXCEPTION_RECORD& record) {
    if (record.ExceptionCode == kGccThrow && record.NumberParameters >= 1)
        return reinterpret_cast<const _Unwind_Exception*>(record.ExceptionInformation[0]) + 1;
    if (record.ExceptionCode == kMsvcThrow && record.NumberParameters >= 2)
        return reinterpret_cast<const void*>(record.ExceptionInformation[1]);
    return nullptr;
}

LONG CALLBACK RememberThrowSite(EXCEPTION_POINTERS* info) {
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (code == kGccThrow || code == kMsvcThrow) lastThrow = {ThrownObject(*info->ExceptionRecord), CaptureHere(1)};
    return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI ReportUnhandledFault(EXCEPTION_POINTERS* info) {
    HExceptionDialog* dialog = HExceptionDialog::Active();
    if (!dialog) return previousFilter ? previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
    TExceptionReport report = FaultReport(*info, dialog->GetOptions());
    dialog->Deliver(report);
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

void InstallExceptionHooks() {
    if (hooksInstalled) return;
    vectoredHandler = AddVectoredExceptionHandler(1, &RememberThrowSite);
    previousFilter = SetUnhandledExceptionFilter(&ReportUnhandledFault);
    Application().OnException = [](const std::exception& error) {
        if (HExceptionDialog* dialog = HExceptionDialog::Active()) dialog->ShowException(error);
    };
    hooksInstalled = true;
}

void RemoveExceptionHooks() {
    if (!hooksInstalled) return;
    if (vectoredHandler) RemoveVectoredExceptionHandler(vectoredHandler);
    vectoredHandler = nullptr;
    SetUnhandledExceptionFilter(previousFilter);
    previousFilter = nullptr;
    Application().OnException = nullptr;
    hooksInstalled = false;
}

// The frames of the system and the language runtime that raise a throw, above the throw itself.
void DropRaisingFrames(std::vector<uint64_t>& addresses) {
    for (size_t i = 0; i < addresses.size(); ++i) {
        TStackFrame frame = Describe(addresses[i], true);
        if (frame.Symbol == "__cxa_throw" || frame.Symbol == "_CxxThrowException") {
            addresses.erase(addresses.begin(), addresses.begin() + static_cast<std::ptrdiff_t>(i + 1));
            return;
        }
    }
}

void CaptureThrowSite(TExceptionReport& report, TExceptionOptions options, const std::exception& error) {
    // The stack seen at the throw belongs to this error only if the same object was thrown;
    // otherwise (an error never thrown, compilers that throw without the system) the stack
    // is that of the report.
    const bool seen = lastThrow.Object && lastThrow.Object == dynamic_cast<const void*>(&error);
    std::vector<uint64_t> addresses = seen ? lastThrow.Stack : CaptureHere(1);
    if (!seen) report.Notes.push_back("Call stack taken where the error was reported");
    lastThrow = {};
    DropRaisingFrames(addresses);
    AddFrames(report, addresses, options);
    if (options.Contains(vclxReadCode) && !addresses.empty())
        report.Dumps.push_back(Dump("Code at the throw", addresses.front() - kCodeBytes / 2, kCodeBytes));
}

void ShowExceptionMessage(const std::string& caption, const std::string& text) {
    MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST | MB_TASKMODAL);
}

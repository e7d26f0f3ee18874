// A program that fails on purpose, so that a test can read what its exception dialog wrote.
// Arguments: "throw" or "fault", then the report file's name.
#include <cstring>
#include <stdexcept>

#include "components/visual/exceptions/exception_dialog.h"
#include "support/win32/application.h"

namespace {
class EDiskFull : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
volatile int depthReached = 0;
}  // namespace

// Exported, so that the report can name them from the program's export table.
extern "C" __declspec(dllexport) __attribute__((noinline)) void ThrowFromDeepInside(int depth) {
    if (depth > 0) {
        ThrowFromDeepInside(depth - 1);
        depthReached = depthReached + 1;  // keeps the call from becoming a jump
        return;
    }
    throw EDiskFull("the disk is full");
}

extern "C" __declspec(dllexport) __attribute__((noinline)) void WriteThroughNull(int* target) {
    volatile int* place = target;
    *place = 42;
    depthReached = depthReached + 1;
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    HExceptionDialog dialog(nullptr);
    dialog.SetReportFile(argv[2]);
    dialog.SetOptions({vclxEnabled, vclxDumpToFile, vclxReadCode, vclxLoadExports, vclxLoadLocals, vclxDisasmCode,
                       vclxPrintStackData, vclxPrintData});
    HExceptionDialog::SetPresenter([](const std::string&, const std::string&) {});
    if (std::strcmp(argv[1], "throw") == 0) return RunProgram([] { ThrowFromDeepInside(3); return 0; });
    if (std::strcmp(argv[1], "fault") == 0) return RunProgram([] { WriteThroughNull(nullptr); return 0; });
    return 2;
}

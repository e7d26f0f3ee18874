// Measures Morvane.exe: start-up to its painted window with a new empty form and with a
// 1,000-key layout, beside Pendrel's start-up with the shipped layout in the same run; and,
// in this process, SwitchToForm between two open 1,000-key forms, painting included.
//
//   morvane_bench [--starts N] [--switches N]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "components/config/cfg_storage.h"
#include "designer/main_form.h"
#include "program_copy.h"
#include "startup_timing.h"
#include "statistics.h"
#include "support/win32/message_loop.h"

namespace fs = std::filesystem;

namespace {
constexpr int kColumns = 40, kRows = 25, kPitch = 32, kKeySize = 30;

struct TOptions {
    int starts = 10;
    int switches = 40;
};

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--starts") options.starts = std::max(1, atoi(argv[i + 1]));
        else if (name == "--switches") options.switches = std::max(2, atoi(argv[i + 1]));
        else throw std::invalid_argument("unknown option " + name);
    }
    return options;
}

// 1,000 character keys in 25 rows of 40, as the designer's users draw large layouts.
void WriteThousandKeys(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    out << "object design: HDesignPanel\r\n  Width = " << kColumns * kPitch + 4 << "\r\n  Height = " << kRows * kPitch + 4
        << "\r\nend\r\nBEGIN " << kColumns * kRows << "\r\n";
    for (int i = 0; i < kColumns * kRows; ++i)
        out << "  object Key" << i << ": OSKKey\r\n    Left = " << 2 + i % kColumns * kPitch << "\r\n    Top = "
            << 2 + i / kColumns * kPitch << "\r\n    Width = " << kKeySize << "\r\n    Height = " << kKeySize
            << "\r\n    KeyLabel = '" << static_cast<char>('a' + i % 26) << "'\r\n  end\r\n";
    out << "END\r\n";
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Two open 1,000-key forms, switched back and forth with each new surface painted.
std::vector<double> MeasureSwitches(const fs::path& dir, const fs::path& layout, int switches) {
    fs::copy_file(layout, dir / "second.osk", fs::copy_options::overwrite_existing);
    RegisterMainFormWindow();
    std::unique_ptr<TMainForm> form = ReadMainForm();
    form->cfg->SetFileName((dir / "bench-designer.hcfg").string());
    form->HandleNeeded();
    form->RunStartup();
    form->OpenFormFile(layout.string());
    form->OpenFormFile((dir / "second.osk").string());
    form->ShowMainWindow();
    ProcessMessages();
    if (form->FormCount() < 3) throw std::runtime_error("the 1,000-key forms did not open");
    std::vector<double> runs;
    for (int i = 0; i < switches; ++i) {
        const double start = NowMs();
        form->SwitchToForm(i % 2 == 0 ? 1 : 2);
        UpdateWindow(form->Window());
        ProcessMessages();
        runs.push_back(NowMs() - start);
    }
    form->FormClose();
    return runs;
}

void Row(const char* measure, double ms, const char* target, bool met) {
    printf("| %s | %.1f ms | %s | %s |\n", measure, ms, target, *target ? (met ? "met" : "missed") : "");
}
}  // namespace

int main(int argc, char** argv) {
    try {
        const TOptions options = ParseOptions(argc, argv);
        TProgramCopy copy(OwnProgramDir(), {"Pendrel.exe", "Morvane.exe"}, PENDREL_STARTUP_LAYOUT);
        const fs::path thousand = copy.Dir() / "layouts" / "keys1000.osk";
        WriteThousandKeys(thousand);
        const TStartupFigures keyboard =
            MeasureStartup(copy, L"Pendrel.exe", L"layouts\\startup.osk", L"TMainFormOSK", options.starts);
        const TStartupFigures empty = MeasureStartup(copy, L"Morvane.exe", L"", L"TMainForm", options.starts);
        const TStartupFigures large =
            MeasureStartup(copy, L"Morvane.exe", L"layouts\\keys1000.osk", L"TMainForm", options.starts);
        const std::vector<double> switches = MeasureSwitches(copy.Dir(), thousand, options.switches);
        const double limit = 2 * keyboard.medianMs, switchMs = Median(switches);
        const std::string twice = "< " + std::to_string(static_cast<int>(limit)) + " ms (twice the keyboard's)";
        printf("Medians of %d starts and %d switches.\n\n| Measure | Value | Target | |\n|---|---|---|---|\n",
               options.starts, options.switches);
        Row("Pendrel start-up to its painted keyboard, startup.osk", keyboard.medianMs, "", true);
        Row("Morvane start-up to its painted window, a new empty form", empty.medianMs, twice.c_str(),
            empty.medianMs < limit);
        Row("Morvane start-up to its painted window, a 1,000-key layout", large.medianMs, twice.c_str(),
            large.medianMs < limit);
        Row("SwitchToForm between two 1,000-key forms, painted", switchMs, "< 100 ms", switchMs < 100);
        printf("\nPeak working set: Morvane %.1f MB with the 1,000-key layout, Pendrel %.1f MB\n",
               static_cast<double>(large.peak.workingSetBytes) / (1024.0 * 1024.0),
               static_cast<double>(keyboard.peak.workingSetBytes) / (1024.0 * 1024.0));
        return 0;
    } catch (const std::exception& error) {
        fprintf(stderr, "morvane_bench: %s\n", error.what());
        return 1;
    }
}

// Measures Pendrel.exe with the shipped layout: start-up to the painted keyboard (beside a bare
// window's, the floor window's and the floor's with the keyboard's DLLs), relabelling, click to
// keystroke, idle processor time and peak memory. Prints a table and the same as Markdown.
//
//   pendrel_bench [--starts N] [--relabels N] [--clicks N] [--idle-seconds N] [--layout FILE]
//                 [--compare DIR] [--startups-only]
//
// --compare starts DIR's Pendrel.exe (another build's program folder) in the same turns, so that
// a change is measured against the build before it; --startups-only leaves out the rest.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_layout.h"
#include "click_timing.h"
#include "idle_cpu.h"
#include "keyboard_settings.h"
#include "message_pump.h"
#include "program_copy.h"
#include "relabel_timing.h"
#include "report.h"
#include "started_window.h"
#include "startup_timing.h"
#include "support/win32/message_loop.h"
#include "target_window.h"

namespace {
struct TOptions {
    int starts = 20;
    int relabels = 1000;
    int clicks = 20;
    double idleSeconds = 10;
    std::string layout = PENDREL_STARTUP_LAYOUT;
    std::string compareDir;
    bool startupsOnly = false;
};

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--startups-only") {
            options.startupsOnly = true;
            --i;
            continue;
        }
        if (i + 1 == argc) throw std::invalid_argument("option " + name + " needs a value");
        const char* value = argv[i + 1];
        if (name == "--starts") options.starts = std::max(1, atoi(value));
        else if (name == "--relabels") options.relabels = std::max(1, atoi(value));
        else if (name == "--clicks") options.clicks = std::max(1, atoi(value));
        else if (name == "--idle-seconds") options.idleSeconds = std::max(1.0, atof(value));
        else if (name == "--layout") options.layout = value;
        else if (name == "--compare") options.compareDir = value;
        else throw std::invalid_argument("unknown option " + name);
    }
    return options;
}

void MeasureRelabel(const TOptions& options, TBenchFigures& figures) {
    TBenchLayout layout(options.layout);
    layout.Form().Show();
    ProcessMessages();
    figures.relabelKeys = static_cast<int>(layout.Keys().size());
    figures.relabelRuns = options.relabels;
    const TRelabelFigures relabels = MeasureRelabels(layout, options.relabels);
    figures.relabelMs = relabels.medianMs;
    figures.firstRelabelMs = relabels.firstMs;
    layout.Form().Hide();
    ProcessMessages();
}

// One keyboard left running: first idle, then clicked, then asked for its peak memory.
void MeasureRunningKeyboard(const TOptions& options, const TProgramCopy& copy, TBenchFigures& figures) {
    const std::vector<TCharacterKeySpot> keys = TBenchLayout(options.layout).LetterKeys();
    copy.ForgetSettings();
    TStartedWindow keyboard(copy.Dir() / "Pendrel.exe", L"layouts\\startup.osk", copy.Dir());
    keyboard.WaitUntilPainted(L"TMainFormOSK");
    TTargetWindow target(keyboard.Window());
    target.Activate();
    // The keyboard adopts the foreground window at its next 200 ms step; let it settle.
    PumpMessagesFor(1000);
    figures.idle = MeasureIdleCpu(keyboard.Process(), options.idleSeconds);
    target.Activate();
    PumpMessagesFor(500);
    figures.clicks = MeasureClicks(keyboard.Window(), keys, options.clicks);
    figures.sendKeys = MeasureSendKeyMessages(keyboard.Window(), keys.front().keyCode, options.clicks);
    figures.ownClicks = MeasureOwnWindowClicks(target.FreeSpot(), &TTargetWindow::LastButtonUpMs,
                                               std::min(options.clicks, 10));
    figures.pendrelPeak = Larger(figures.pendrelPeak, PeakMemory(keyboard.Process()));
    if (!keyboard.Close()) throw std::runtime_error("the keyboard did not end after WM_CLOSE");
}

// Clicks again with the character window switched off ("DispChar"), to show its share.
void MeasureClicksWithoutCharWindow(const TOptions& options, const TProgramCopy& copy, TBenchFigures& figures) {
    const std::vector<TCharacterKeySpot> keys = TBenchLayout(options.layout).LetterKeys();
    copy.ForgetSettings();
    WriteKeyboardSwitch(copy.Dir() / "osk.hcfg", "DispChar", false);
    TStartedWindow keyboard(copy.Dir() / "Pendrel.exe", L"layouts\\startup.osk", copy.Dir());
    keyboard.WaitUntilPainted(L"TMainFormOSK");
    TTargetWindow target(keyboard.Window());
    target.Activate();
    PumpMessagesFor(1000);
    figures.clicksWithoutCharWindow = MeasureClicks(keyboard.Window(), keys, options.clicks);
    if (!keyboard.Close()) throw std::runtime_error("the keyboard did not end after WM_CLOSE");
}

TBenchFigures MeasureAll(const TOptions& options) {
    TBenchFigures figures;
    TProgramCopy copy(OwnProgramDir(),
                      {"Pendrel.exe", "pendrel_bare_window.exe", "pendrel_floor_window.exe", "pendrel_floor_libraries.exe"},
                      options.layout);
    std::vector<TStartupSubject> subjects{{L"pendrel_bare_window.exe", L"", L"PendrelBareWindow"},
                                          {L"pendrel_floor_window.exe", L"", L"PendrelFloorWindow"},
                                          {L"pendrel_floor_libraries.exe", L"", L"PendrelFloorWindow"},
                                          {L"Pendrel.exe", L"layouts\\startup.osk", L"TMainFormOSK"}};
    std::unique_ptr<TProgramCopy> compared;
    if (!options.compareDir.empty()) {
        compared = std::make_unique<TProgramCopy>(options.compareDir, std::vector<std::string>{"Pendrel.exe"},
                                                  options.layout);
        subjects.push_back({L"Pendrel.exe", L"layouts\\startup.osk", L"TMainFormOSK", compared.get()});
    }
    const std::vector<TStartupFigures> startups = MeasureStartups(copy, subjects, options.starts);
    figures.bareStartup = startups[0];
    figures.floorStartup = startups[1];
    figures.floorLibrariesStartup = startups[2];
    figures.pendrelStartup = startups[3];
    if (compared) figures.comparedStartup = startups[4];
    figures.pendrelPeak = figures.pendrelStartup.peak;
    if (options.startupsOnly) return figures;
    MeasureRelabel(options, figures);
    MeasureRunningKeyboard(options, copy, figures);
    MeasureClicksWithoutCharWindow(options, copy, figures);
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const TOptions options = ParseOptions(argc, argv);
        const TBenchFigures figures = MeasureAll(options);
        PrintDetails(figures, stdout);
        printf("\n");
        PrintTable(figures, stdout);
        printf("\n");
        PrintMarkdown(figures, stdout);
        return 0;
    } catch (const std::exception& error) {
        fprintf(stderr, "pendrel_bench: %s\n", error.what());
        return 1;
    }
}

#include "started_window.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "clock.h"

namespace {
struct TWindowSearch {
    DWORD processId;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId) return TRUE;
    wchar_t name[256];
    if (!GetClassNameW(window, name, 256) || wcscmp(name, search.windowClass) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK FindPendingPaint(HWND window, LPARAM pending) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(pending) = true;
        return FALSE;
    }
    return TRUE;
}

bool NothingLeftToPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool pending = false;
    EnumChildWindows(window, FindPendingPaint, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// A window not yet drawn shows one colour, its background, or what lay behind it.
bool ShowsMoreThanOneColour(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    bool varied = false;
    // The frame is drawn with the window; the inside tells whether the client was painted.
    for (int y = height / 4; y < height * 3 / 4 && !varied; ++y)
        for (int x = width / 4; x < width * 3 / 4 && !varied; ++x)
            varied = (pixels[y * width + x] & 0xFFFFFF) != (pixels[(height / 4) * width + width / 4] & 0xFFFFFF);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return varied;
}
}  // namespace

const char* PaintState(HWND window) {
    if (!window) return "no window yet";
    if (!IsWindowVisible(window)) return "window not visible";
    if (!NothingLeftToPaint(window)) return "window still waits to be painted";
    if (!ShowsMoreThanOneColour(window)) return "window shows one colour only";
    return nullptr;
}

TStartedWindow::TStartedWindow(const std::filesystem::path& program, const std::wstring& arguments,
                               const std::filesystem::path& dir) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startMs_ = NowMs();
    if (!CreateProcessW(program.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.wstring().c_str(), &startup, &process_))
        throw std::runtime_error("cannot start " + program.string() + " (error " + std::to_string(GetLastError()) +
                                 ")");
}

TStartedWindow::~TStartedWindow() {
    if (!closed_) Close();
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND TStartedWindow::FindOwnWindow(const wchar_t* windowClass) const {
    TWindowSearch search{process_.dwProcessId, windowClass, nullptr};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool TStartedWindow::ProcessEnded() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

double TStartedWindow::WaitUntilPainted(const wchar_t* windowClass, double timeoutMs) {
    while (NowMs() - startMs_ < timeoutMs) {
        if (!window_ && (window_ = FindOwnWindow(windowClass))) foundMs_ = NowMs() - startMs_;
        if (window_ && visibleMs_ < 0 && IsWindowVisible(window_)) visibleMs_ = NowMs() - startMs_;
        if (window_ && !PaintState(window_)) return NowMs() - startMs_;
        if (ProcessEnded())
            throw std::runtime_error("the program ended before it showed its window (another instance running?)");
        Sleep(1);
    }
    throw std::runtime_error(std::string("no painted window within the time limit: ") + PaintState(window_));
}

bool TStartedWindow::Close() {
    closed_ = true;
    if (ProcessEnded()) return true;
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (window_ && WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0) return true;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    return false;
}

#include "target_app_process.h"

#include "program_folder.h"
#include "target_names.h"
#include "waiting.h"

namespace {
constexpr int kStartTimeoutMs = 10000;
constexpr UINT kSendTimeoutMs = 2000;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}
}  // namespace

bool TTargetApp::Start(const std::wstring& commandLine, const wchar_t* windowClass) {
    if (!process_.Start(commandLine)) return false;
    WaitUntil(
        [&] {
            window_ = FindProcessWindow(process_.Id(), windowClass);
            edit_ = window_ ? FindWindowExW(window_, nullptr, L"Edit", nullptr) : nullptr;
            return edit_ != nullptr || !process_.Running();
        },
        kStartTimeoutMs);
    return edit_ != nullptr;
}

bool TTargetApp::StartTestTarget() {
    return Start(L"\"" + TestProgramFolder() + L"e2e_target.exe\"", kTargetClass);
}

void TTargetApp::Close() {
    if (!process_.Running()) return;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (!process_.WaitForEnd(5000)) process_.Kill();
}

std::string TTargetApp::Text() const {
    wchar_t buffer[512] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(edit_, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length))
        return "<no answer>";
    return Utf8(std::wstring(buffer, length));
}

bool TTargetApp::WaitForText(const std::string& expected, int timeoutMs) const {
    return WaitUntil([&] { return Text() == expected; }, timeoutMs);
}

std::pair<int, int> TTargetApp::Selection() const {
    DWORD_PTR packed = 0;
    SendMessageTimeoutW(edit_, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &packed);
    return {LOWORD(packed), HIWORD(packed)};
}

bool TTargetApp::BringToFront() const {
    if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
    return WaitUntil([this] { return GetForegroundWindow() == window_; }, 3000);
}

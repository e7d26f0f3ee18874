#include "components/visual/messages/message_window_win32.h"

#include "support/win32/common_dialogs.h"

#include <algorithm>
#include <vector>

#include "components/visual/messages/hi_info.h"
#include "components/visual/messages/message_options_dialog_win32.h"
#include "components/visual/messages/message_text.h"
#include "support/framework/utf_text.h"
#include "support/dialogs/questions.h"
#include "support/framework/exceptions.h"
#include "support/framework/language.h"
#include "support/lib/atomic_file.h"
#include "support/win32/module_instance.h"

namespace {
constexpr wchar_t kClassName[] = L"HiInfoWindow";
constexpr int kListId = 100;
constexpr int kCloseId = 101, kOptionsId = 102, kClearId = 103, kSaveId = 104;
constexpr int kButtonWidth = 90, kButtonHeight = 25, kMargin = 6;
constexpr int kItemHeight = 18;
constexpr int kIconSize = 16;

constexpr TLocalizedText kCaption{"Messages", "Сообщения"};
constexpr TLocalizedText kButtonTexts[4] = {
    {"Close", "Закрыть"}, {"Options...", "Параметры..."}, {"Clear", "Очистить"}, {"Save...", "Сохранить..."}};

std::wstring Wide(const std::string& text) {
    std::u16string wide = Utf8ToUtf16(text);
    return {wide.begin(), wide.end()};
}

void RegisterWindowClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    registered = RegisterClassExW(&wc) != 0;
}

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

// The message's first line: the list shows one line per message.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::vector<const HiMessageItem*>& Shown() {
    static std::vector<const HiMessageItem*> shown;
    return shown;
}
}  // namespace

// The center may be going away too: its options are no longer written.
HiMessageWindow::~HiMessageWindow() {
    center_ = nullptr;
    Destroy();
}

void HiMessageWindow::Create(void* owner) {
    RegisterWindowClass();
    const HiInfoOptions& options = center_->Options();
    bool placed = options.w > 0 && options.h > 0;
    HWND ownerWindow = static_cast<HWND>(owner);
    if (ownerWindow && !IsWindow(ownerWindow)) ownerWindow = nullptr;
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, Wide(kCaption.Get()).c_str(), WS_OVERLAPPEDWINDOW,
                              placed ? options.x : CW_USEDEFAULT, placed ? options.y : CW_USEDEFAULT,
                              placed ? options.w : 520, placed ? options.h : 300, ownerWindow, nullptr,
                              ModuleInstance(), nullptr);
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    font_ = MessageFont();
    CreateControls();
    LayOut();
    Refresh();
}

void HiMessageWindow::CreateControls() {
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                            0, 0, 10, 10, window_, reinterpret_cast<HMENU>(kListId), ModuleInstance(), nullptr);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = CreateWindowExW(0, L"BUTTON", Wide(kButtonTexts[i].Get()).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, kButtonWidth,
                                      kButtonHeight, window_, reinterpret_cast<HMENU>(INT_PTR{kCloseId + i}),
                                      ModuleInstance(), nullptr);
        SendMessageW(buttons_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

void HiMessageWindow::LayOut() {
    RECT client;
    GetClientRect(window_, &client);
    int rowTop = std::max<int>(client.bottom - kMargin - kButtonHeight, kMargin);
    MoveWindow(list_, 0, 0, client.right, std::max(rowTop - kMargin, 0), TRUE);
    for (int i = 0; i < 4; ++i)
        MoveWindow(buttons_[i], kMargin + i * (kButtonWidth + kMargin), rowTop, kButtonWidth, kButtonHeight, TRUE);
}

void HiMessageWindow::Destroy() {
    if (window_) {
        if (center_) KeepPlacement();
        HWND window = window_;
        window_ = nullptr;
        DestroyWindow(window);
    }
    if (font_) DeleteObject(font_);
    font_ = nullptr;
    Shown().clear();
}

void HiMessageWindow::KeepPlacement() {
    WINDOWPLACEMENT placement{sizeof placement};
    if (!GetWindowPlacement(window_, &placement)) return;
    HiInfoOptions& options = center_->Options();
    const RECT& r = placement.rcNormalPosition;
    options.x = r.left;
    options.y = r.top;
    options.w = r.right - r.left;
    options.h = r.bottom - r.top;
    options.state = placement.showCmd == SW_SHOWMINIMIZED ? 1 : placement.showCmd == SW_SHOWMAXIMIZED ? 2 : 0;
}

void HiMessageWindow::Show() {
    if (!window_) return;
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void HiMessageWindow::Hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

void HiMessageWindow::Minimize() {
    if (window_) ShowWindow(window_, SW_MINIMIZE);
}

bool HiMessageWindow::Visible() const { return window_ && IsWindowVisible(window_); }

void HiMessageWindow::Refresh() {
    if (!window_) return;
    Shown() = center_->Messages().Shown(center_->Options());
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < Shown().size(); ++i) SendMessageW(list_, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    if (!Shown().empty()) SendMessageW(list_, LB_SETTOPINDEX, Shown().size() - 1, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void HiMessageWindow::ApplyOptions() { Refresh(); }

void HiMessageWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= Shown().size()) return;
    const HiMessageItem& message = *Shown()[item.itemID];
    bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text = item.rcItem;
    text.left += 2;
    if (HICON icon = HiInfo::GetHIcon(message.Kind))
        DrawIconEx(item.hDC, text.left, text.top + (kItemHeight - kIconSize) / 2, icon, kIconSize, kIconSize, 0,
                   nullptr, DI_NORMAL);
    text.left += kIconSize + 4;
    std::string line = FirstLine(message.Text);
    if (center_->Options().Timestamp) line = HiTimeText(message.Time) + "  " + line;
    std::wstring wide = Wide(line);
    DrawTextW(item.hDC, wide.c_str(), static_cast<int>(std::min<size_t>(wide.size(), 4096)), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void HiMessageWindow::SaveAsText() {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = L"Text files\0*.txt\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!ShowSaveFileDialog(&dialog)) return;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, file, -1, nullptr, 0, nullptr, nullptr);
    std::string path(static_cast<size_t>(std::max(bytes - 1, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, file, -1, path.data(), bytes, nullptr, nullptr);
    std::string text = HiExportText(center_->Messages(), center_->Options());
    try {
        AtomicWriteFile(path, text.data(), text.size());
    } catch (const Exception& e) {
        AskMessage(window_, e.Message);
    }
}

void HiMessageWindow::Command(int id) {
    switch (id) {
        case kCloseId: center_->CloseRequested(); break;
        case kClearId: center_->Clear(); break;
        case kSaveId: SaveAsText(); break;
        case kOptionsId:
            if (EditMessageOptions(window_, center_->Options())) center_->UpdateOptions();
            break;
        default: break;
    }
}

LRESULT CALLBACK HiMessageWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HiMessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT HiMessageWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: LayOut(); return 0;
        case WM_CLOSE: center_->CloseRequested(); return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) Command(LOWORD(wParam));
            return 0;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kItemHeight;
            return TRUE;
        case WM_DRAWITEM: DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_EXITSIZEMOVE: KeepPlacement(); return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

#include "tab_control_peer_win32.h"

#include <algorithm>
#include <string>

#include "image_glyph.h"
#include "support/gdi/bitmap.h"
#include "support/menus/image_list.h"
#include "support/win32/control_painter.h"
#include "support/win32/wide_text.h"

namespace {
DWORD StyleOf(const TCustomTabControl& tabs) {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_TOOLTIPS;
    if (tabs.GetTabStop()) style |= WS_TABSTOP;
    if (tabs.GetMultiLine()) style |= TCS_MULTILINE;
    if (tabs.GetMultiSelect()) style |= TCS_MULTISELECT;
    if (tabs.GetOwnerDraw()) style |= TCS_OWNERDRAWFIXED;
    if (tabs.GetRaggedRight()) style |= TCS_RAGGEDRIGHT;
    if (tabs.GetHotTrack()) style |= TCS_HOTTRACK;
    if (tabs.GetScrollOpposite()) style |= TCS_SCROLLOPPOSITE;
    if (tabs.GetTabWidth() > 0) style |= TCS_FIXEDWIDTH;
    switch (tabs.GetTabPosition()) {
        case tpTop: break;
        case tpBottom: style |= TCS_BOTTOM; break;
        case tpLeft: style |= TCS_VERTICAL | TCS_MULTILINE; break;
        case tpRight: style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    }
    switch (tabs.GetStyle()) {
        case tsTabs: break;
        case tsButtons: style |= TCS_BUTTONS; break;
        case tsFlatButtons: style |= TCS_BUTTONS | TCS_FLATBUTTONS; break;
    }
    return style;
}

// A bitmap of the picture's pixels that no device context holds, as image lists need it.
HBITMAP MakeBitmap(const HBitmap& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (size_t i = 0; i < picture.Pixels().size(); ++i) {
        const uint32_t rgb = picture.Pixels()[i];
        pixels[i] = (rgb & 0xFF00u) | (rgb & 0xFFu) << 16 | (rgb >> 16 & 0xFFu);
    }
    return bitmap;
}

HIMAGELIST MakeImageList(const TImageList& list) {
    HIMAGELIST images = ImageList_Create(list.GetWidth(), list.GetHeight(), ILC_COLOR24 | ILC_MASK, list.Count(), 0);
    if (!images) return nullptr;
    for (int i = 0; i < list.Count(); ++i) {
        HBitmap picture, mask;
        ImageToGlyph(list.Image(i), picture, mask);
        HBITMAP colour = MakeBitmap(picture);
        HBITMAP transparent = MakeBitmap(mask);
        if (colour && transparent) ImageList_Add(images, colour, transparent);
        if (colour) DeleteObject(colour);
        if (transparent) DeleteObject(transparent);
    }
    return images;
}
}  // namespace

TTabControlPeer::TTabControlPeer(TWinControl& control)
    : TWin32WindowPeer(control), hook_(*this, [this](UINT message, LPARAM lParam, LRESULT& result) {
          return ParentNotified(message, lParam, result);
      }) {}

TTabControlPeer::~TTabControlPeer() {
    if (hint_) DestroyWindow(hint_);
    if (images_) ImageList_Destroy(images_);
}

void TTabControlPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = WC_TABCONTROLW;
    params.Style |= StyleOf(TabControl());
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabControlPeer::Refresh() {
    ApplyFont();
    ShowImages();
    const TCustomTabControl& tabs = TabControl();
    if (tabs.GetTabWidth() > 0 || tabs.GetTabHeight() > 0)
        SendMessageW(Wnd(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabs.GetTabWidth(), tabs.GetTabHeight()));
    ShowTabs();
    SendMessageW(Wnd(), TCM_SETCURSEL, static_cast<WPARAM>(tabs.GetTabIndex()), 0);
}

void TTabControlPeer::ShowImages() {
    const TImageList* list = TabControl().GetImages();
    HIMAGELIST made = list ? MakeImageList(*list) : nullptr;
    SendMessageW(Wnd(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(made));
    if (images_) ImageList_Destroy(images_);
    images_ = made;
}

void TTabControlPeer::ShowTabs() {
    SendMessageW(Wnd(), TCM_DELETEALLITEMS, 0, 0);
    const TStrings& captions = *TabControl().GetTabs();
    for (int i = 0; i < captions.Count(); ++i) {
        std::wstring caption = Utf8ToWide(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption.data();
        item.iImage = images_ ? TabControl().TabImageIndex(i) : -1;
        SendMessageW(Wnd(), TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

TRect TTabControlPeer::DisplayArea(int width, int height) const {
    RECT area{0, 0, width, height};
    SendMessageW(Wnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return {area.left, area.top, std::max(area.left, area.right), std::max(area.top, area.bottom)};
}

int TTabControlPeer::TabAt(TPoint position) const {
    TCHITTESTINFO hit{{position.X, position.Y}, 0};
    return static_cast<int>(SendMessageW(Wnd(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

TRect TTabControlPeer::TabArea(int index) const {
    RECT area{};
    if (!SendMessageW(Wnd(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&area))) return {};
    return {area.left, area.top, area.right, area.bottom};
}

// One tool for the whole window, placed by us rather than by the mouse.
TTTOOLINFOW TTabControlPeer::HintTool(wchar_t* text) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = Wnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Wnd());
    tool.lpszText = text;
    return tool;
}

void TTabControlPeer::ShowHintAt(const std::string& text, TPoint screenPosition) {
    std::wstring wide = Utf8ToWide(text);
    TTTOOLINFOW tool = HintTool(wide.data());
    if (!hint_) {
        hint_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0,
                                0, 0, Wnd(), nullptr, nullptr, nullptr);
        if (!hint_) return;
        SendMessageW(hint_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(hint_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // Below the mouse pointer, as hints appear.
    constexpr int kBelowPointer = 20;
    SendMessageW(hint_, TTM_TRACKPOSITION, 0, MAKELPARAM(screenPosition.X, screenPosition.Y + kBelowPointer));
    SendMessageW(hint_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TTabControlPeer::HideHint() {
    if (!hint_) return;
    TTTOOLINFOW tool = HintTool(nullptr);
    SendMessageW(hint_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool TTabControlPeer::ParentNotified(UINT message, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const RECT& r = item.rcItem;
        TabControl().DrawTab(static_cast<int>(item.itemID), {r.left, r.top, r.right, r.bottom},
                             (item.itemState & ODS_SELECTED) != 0, item.hDC);
        result = TRUE;
        return true;
    }
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case TCN_SELCHANGING:
            result = TabControl().ChangeAllowed() ? FALSE : TRUE;  // TRUE keeps the current tab
            return true;
        case TCN_SELCHANGE:
            TabControl().SelectedInWindow(static_cast<int>(SendMessageW(Wnd(), TCM_GETCURSEL, 0, 0)));
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT TTabControlPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && wParam == 0 && TabControl().ControlCount() > 0) {
        Paint();
        return 0;
    }
    // The system's tab control lets the pointer through to the parent wherever no tab lies,
    // so that the windowless children on the page (the palette's buttons) never heard a click.
    if (message == WM_NCHITTEST) {
        const LRESULT hit = TWin32WindowPeer::WndProc(message, wParam, lParam);
        return hit == HTTRANSPARENT ? HTCLIENT : hit;
    }
    return TWin32WindowPeer::WndProc(message, wParam, lParam);
}

// The system draws the tabs and the frame into the paint context, then the windowless children go on top.
void TTabControlPeer::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Wnd(), &paint);
    DefaultWndProc(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    PaintChildControls(Control(), dc, paint.rcPaint);
    EndPaint(Wnd(), &paint);
}

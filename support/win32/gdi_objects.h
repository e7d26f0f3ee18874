// GDI objects owned by C++ objects, so that every path out of a painter releases them.
#pragma once
#include <windows.h>

#include "support/framework/graphics.h"

// The system's description of a TFont's font (its colour aside).
LOGFONTW DescribeFont(const TFont& font);

// A font made from a TFont; the TFont's colour is the text colour, not part of the font.
class TFontHandle {
public:
    explicit TFontHandle(const TFont& font);
    ~TFontHandle();
    TFontHandle(const TFontHandle&) = delete;
    TFontHandle& operator=(const TFontHandle&) = delete;

    HFONT Get() const { return font_; }
    // Whether a TFont with these attributes gives the same font.
    bool MadeFrom(const TFont& font) const;

private:
    LOGFONTW description_;
    HFONT font_;
};

class TSolidBrush {
public:
    explicit TSolidBrush(COLORREF color);
    ~TSolidBrush();
    TSolidBrush(const TSolidBrush&) = delete;
    TSolidBrush& operator=(const TSolidBrush&) = delete;

    HBRUSH Get() const { return brush_; }
    COLORREF Color() const { return color_; }

private:
    COLORREF color_;
    HBRUSH brush_;
};

// Selects an object into a device context for the lifetime of this one; GDI cannot
// delete an object that is still selected.
class TDcSelection {
public:
    TDcSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TDcSelection() { SelectObject(dc_, previous_); }
    TDcSelection(const TDcSelection&) = delete;
    TDcSelection& operator=(const TDcSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Keeps a device context's state (origin, clipping, selected objects) for the lifetime of this one.
class TSavedDcState {
public:
    explicit TSavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TSavedDcState() { RestoreDC(dc_, saved_); }
    TSavedDcState(const TSavedDcState&) = delete;
    TSavedDcState& operator=(const TSavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

// The screen's device context, for measuring text, for the lifetime of this object.
class TScreenDc {
public:
    TScreenDc() : dc_(GetDC(nullptr)) {}
    ~TScreenDc() { ReleaseDC(nullptr, dc_); }
    TScreenDc(const TScreenDc&) = delete;
    TScreenDc& operator=(const TScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

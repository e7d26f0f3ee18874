// The system's message font, as a message box template names it and as its text is measured.
#pragma once
#include <windows.h>

#include <string>

class TMessageFont {
public:
    TMessageFont();
    ~TMessageFont();
    TMessageFont(const TMessageFont&) = delete;
    TMessageFont& operator=(const TMessageFont&) = delete;

    const std::string& Face() const { return face_; }
    WORD Points() const { return points_; }
    // The dialog base units of a dialog in this font.
    int BaseUnitX() const { return baseX_; }
    int BaseUnitY() const { return baseY_; }
    // The text word-wrapped within width, without prefix characters.
    SIZE MeasureWrapped(const std::string& text, int width) const;
    // The text on one line.
    SIZE MeasureLine(const std::string& text) const;

private:
    SIZE Measure(const std::string& text, int width, UINT format) const;
    void ComputeBaseUnits();

    HFONT font_ = nullptr;
    std::string face_;
    WORD points_ = 8;
    int baseX_ = 6;
    int baseY_ = 13;
};

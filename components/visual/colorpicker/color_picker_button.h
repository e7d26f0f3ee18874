// A button showing a colour; a click drops down a grid of standard colours (and, when asked,
// the system colours) with two buttons that open the standard colour dialog, at its basic
// colours and fully open.
#pragma once
#include "color_palette.h"
#include "support/framework/win_control.h"

class TColorPickerButton;
// Opens the drop-down grid of a picker; the window layer installs it.
using TColorPaletteOpener = void (*)(TColorPickerButton& picker);
void SetColorPaletteOpener(TColorPaletteOpener opener);

class TColorPickerButton : public TWinControl {
    PENDREL_CLASS(TColorPickerButton, TWinControl)
public:
    explicit TColorPickerButton(TComponent* owner);

    TColor GetSelectedColor() const { return selectedColor_; }
    // OnChange runs when the colour changes, whoever changed it.
    void SetSelectedColor(TColor value);
    bool GetShowSystemColors() const { return showSystemColors_; }
    void SetShowSystemColors(bool value) { showSystemColors_ = value; }
    // Captions of the dialog buttons under the grid; an empty caption hides its button.
    const std::string& GetStandardColorsText() const { return standardColorsText_; }
    void SetStandardColorsText(const std::string& value) { standardColorsText_ = value; }
    const std::string& GetCustomColorsText() const { return customColorsText_; }
    void SetCustomColorsText(const std::string& value) { customColorsText_ = value; }

    TColorPaletteLayout PaletteLayout() const;
    // Opens the grid (nothing without a window system).
    void DropDown();
    // The user's choice in the open grid: a cell's colour or one of the dialog buttons.
    void PaletteChosen(const TPaletteHit& hit);
    // Opens the colour dialog at the selected colour; true when a colour was chosen there.
    bool ChooseFromDialog(bool fullOpen);

    void Click() override { DropDown(); }

    TEvent<TObject*> OnChange;

private:
    TColor selectedColor_ = clBlack;
    bool showSystemColors_ = false;
    std::string standardColorsText_ = "Основные...";
    std::string customColorsText_ = "Дополнительно...";
};

// An editable drop-down box listing the installed fonts; its Text is the font name shown,
// picked from the list or typed, installed or not.
#pragma once
#include "support/framework/win_control.h"

class TFontComboBox97 : public TWinControl {
    PENDREL_CLASS(TFontComboBox97, TWinControl)
public:
    explicit TFontComboBox97(TComponent* owner);

    // The window reports text the user typed or picked; OnChange runs.
    void TextEditedInWindow(const std::string& text);

    TEvent<TObject*> OnChange;

protected:
    void TextChanged() override;
};

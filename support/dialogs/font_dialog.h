// The system's font dialog as a component: Execute starts from Font and puts the choice there.
#pragma once
#include <functional>
#include <memory>

#include "support/framework/component.h"
#include "support/framework/graphics.h"
#include "support/framework/set.h"

enum TFontDialogOption { fdEffects, fdFixedPitchOnly, fdNoVectorFonts, fdForceFontExist };
PENDREL_ENUM_TYPEINFO(TFontDialogOption, "fdEffects", "fdFixedPitchOnly", "fdNoVectorFonts", "fdForceFontExist");
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TComponent {
    PENDREL_CLASS(TFontDialog, TComponent)
public:
    // Answers Execute in place of the user: changes the dialog's Font and says whether it was confirmed.
    using TAnswer = std::function<bool(TFontDialog&)>;

    explicit TFontDialog(TComponent* owner);

    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* value) { font_->Assign(value); }
    TFontDialogOptions GetOptions() const { return options_; }
    void SetOptions(TFontDialogOptions value) { options_ = value; }

    // Shows the dialog over the active window; true with Font changed when the user confirmed.
    // With fdEffects the dialog offers colour, underline and strike-out too.
    bool Execute();

    static void SetAnswer(TAnswer answer);

private:
    bool ExecuteSystemDialog();

    std::unique_ptr<TFont> font_;
    TFontDialogOptions options_ = {fdEffects};
};

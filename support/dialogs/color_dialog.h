// The system's colour dialog as a component: the chosen Color, and the custom colours the
// user mixed, kept from one Execute to the next.
#pragma once
#include <array>
#include <functional>

#include "support/framework/component.h"
#include "support/framework/graphics.h"
#include "support/framework/set.h"

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdSolidColor, cdAnyColor };
PENDREL_ENUM_TYPEINFO(TColorDialogOption, "cdFullOpen", "cdPreventFullOpen", "cdSolidColor", "cdAnyColor");
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TComponent {
    PENDREL_CLASS(TColorDialog, TComponent)
public:
    static constexpr int kCustomColorCount = 16;
    using TCustomColors = std::array<TColor, kCustomColorCount>;
    // Answers Execute in place of the user: sets the dialog's Color and says whether it was confirmed.
    using TAnswer = std::function<bool(TColorDialog&)>;

    explicit TColorDialog(TComponent* owner);

    TColor GetColor() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TColorDialogOptions GetOptions() const { return options_; }
    void SetOptions(TColorDialogOptions value) { options_ = value; }
    const TCustomColors& CustomColors() const { return customColors_; }
    void SetCustomColor(int index, TColor color);

    // Shows the dialog over the active window, starting at Color (a system colour as its RGB
    // value); true with Color set to the choice when the user confirmed it.
    bool Execute();

    // Every dialog asks answer instead of the user while one is set; null ends that.
    static void SetAnswer(TAnswer answer);

private:
    bool ExecuteSystemDialog();

    TColor color_ = clBlack;
    TColorDialogOptions options_;
    TCustomColors customColors_;
};

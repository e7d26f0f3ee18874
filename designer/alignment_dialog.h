// The alignment dialog: one align kind per axis for the selection (0 no change, 1 left or
// top, 2 right or bottom, 3 equal spaces, 4 centre, 5 centre in the parent).
#pragma once
#include "support/controls/modal_form.h"

class TButton;
class TRadioGroup;

class TRTDAlignment : public TModalForm {
    PENDREL_CLASS(TRTDAlignment, TModalForm)
public:
    explicit TRTDAlignment(TComponent* owner);

    TRadioGroup* cbH = nullptr;
    TRadioGroup* cbV = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnCancel = nullptr;
};

// The dialog from its stored form, owned by owner.
TRTDAlignment* CreateAlignmentDialog(TComponent* owner);
// Shows the dialog on the given kinds; on OK writes the chosen ones back and answers true,
// otherwise leaves them as they were.
bool AskAlignment(TRTDAlignment& dialog, int& horizontal, int& vertical);

#include "designer_panel.h"

#include "designer.h"
#include "support/framework/class_builder.h"

PENDREL_IMPLEMENT_CLASS(TELDesignPanel)

void TELDesignPanel::DeclareProperties(TClassBuilder<TELDesignPanel>& c) {
    using P = TELDesignPanel;
    c.Property("Align", &P::GetAlign, &P::SetAlign).Default(alNone);
    c.Property("Color", &P::GetColor, &P::SetColor).Type(ColorTypeInfo()).Default(clSilver);
    c.Property("Visible", &P::GetVisible, &P::SetVisible).Default(true);
}

TELDesignPanel::TELDesignPanel(TComponent* owner) : TWinControl(owner) {
    SetColor(clSilver);
    SetTabStop(true);
}

// The surface it presents goes back to its own parent before this window takes its children;
// nobody hears of it, as the window around may be half gone.
TELDesignPanel::~TELDesignPanel() {
    if (designer_) designer_->Deactivate(false);
}

IFormDesigner* TELDesignPanel::GetFormDesigner() const { return designer_; }

void TELDesignPanel::FocusChanged(bool focused) {
    TWinControl::FocusChanged(focused);
    if (designer_) designer_->FocusChanged();
}

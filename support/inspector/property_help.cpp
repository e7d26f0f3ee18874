#include "property_help.h"

#include "object_inspector.h"

PENDREL_IMPLEMENT_CLASS(TPropertyHelp)

void TPropertyHelp::DeclareProperties(TClassBuilder<TPropertyHelp>& c) {
    c.Property("Align", &TPropertyHelp::GetAlign, &TPropertyHelp::SetAlign).Default(alNone);
    c.Property("Color", &TPropertyHelp::GetColor, &TPropertyHelp::SetColor).Type(ColorTypeInfo()).Default(clBtnFace);
    c.Property("Descriptions", &TPropertyHelp::GetDescriptions, &TPropertyHelp::SetDescriptions);
    c.Property("Font", &TPropertyHelp::GetFont, &TPropertyHelp::SetFont);
    c.Property("Inspector", &TPropertyHelp::GetInspector, &TPropertyHelp::SetInspector);
    c.Property("Visible", &TPropertyHelp::GetVisible, &TPropertyHelp::SetVisible).Default(true);
}

TPropertyHelp::TPropertyHelp(TComponent* owner) : TControl(owner), descriptions_(std::make_unique<TStrings>()) {
    SetBounds(0, 0, 200, 60);
    SetColor(clBtnFace);
    descriptions_->OnChange = [this](TObject*) { Invalidate(); };
}

TPropertyHelp::~TPropertyHelp() { SetInspector(nullptr); }

void TPropertyHelp::SetInspector(TObjectInspector* inspector) {
    if (inspector == inspector_) return;
    if (inspector_) {
        inspector_->SetHelpPane(nullptr);
        RemoveFreeNotification(inspector_);
    }
    inspector_ = inspector;
    if (inspector_) {
        inspector_->SetHelpPane(this);
        FreeNotification(inspector_);
    }
    Invalidate();
}

std::string TPropertyHelp::Title() const {
    const TInspectorRow* row = inspector_ ? inspector_->Grid().ActiveRow() : nullptr;
    return row ? row->Caption : std::string();
}

std::string TPropertyHelp::Description() const {
    const TInspectorRow* row = inspector_ ? inspector_->Grid().ActiveRow() : nullptr;
    std::string sentence;
    if (row) FindNamedValue(descriptions_.get(), row->Path, sentence);
    return sentence;
}

void TPropertyHelp::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == inspector_) {
        inspector_ = nullptr;
        Invalidate();
    }
}

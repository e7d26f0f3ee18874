#include "multiline_property.h"

#include "support/editor/text_editor.h"
#include "support/framework/component.h"

TPropertyAttributes HMultilineProperty::GetAttributes() const {
    return TCaptionProperty::GetAttributes() + TPropertyAttributes{TPropertyAttribute::paDialog};
}

void HMultilineProperty::Edit() {
    std::string text = GetValue();
    std::string caption = Prop().Name;
    if (const auto* component = dynamic_cast<const TComponent*>(&Object(0))) caption = component->GetName() + "." + caption;
    if (HTextEditor(text, caption, kEditLimit)) SetValue(text);
}

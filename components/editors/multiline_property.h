// Captions and hints edited as several lines: the caption editor with a "..." button that
// opens the multi-line text editor.
#pragma once
#include "support/design/standard_property_editors.h"

class HMultilineProperty : public TCaptionProperty {
public:
    using TCaptionProperty::TCaptionProperty;
    // Strings have no declared length of their own: every one is edited up to this many characters.
    static constexpr int kEditLimit = 1024;

    TPropertyAttributes GetAttributes() const override;
    // Edits the first object's text under the caption "Component.Property" and, on OK, sets
    // it on every object.
    void Edit() override;
};

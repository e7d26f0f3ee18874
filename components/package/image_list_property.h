// The image of a button chosen from its image list: the indexes the list holds, and -1 for none.
#pragma once
#include "support/design/standard_property_editors.h"

class HImageListProperty : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    TPropertyAttributes GetAttributes() const override;
    // "-1", then "0" to the last index of the first object's "Images" list.
    void GetValues(const TGetStrProc& proc) const override;
};

#include "image_list_property.h"

#include <string>

#include "support/menus/image_list.h"

TPropertyAttributes HImageListProperty::GetAttributes() const {
    return TIntegerProperty::GetAttributes() + TPropertyAttributes{TPropertyAttribute::paValueList};
}

void HImageListProperty::GetValues(const TGetStrProc& proc) const {
    proc("-1");
    const TPropInfo* images = GetPropInfo(Holder(0), "Images");
    const auto* list = images && images->Kind() == TTypeKind::tkClass
                           ? dynamic_cast<const TImageList*>(images->GetObject(Holder(0)))
                           : nullptr;
    for (int i = 0; list && i < list->Count(); ++i) proc(std::to_string(i));
}

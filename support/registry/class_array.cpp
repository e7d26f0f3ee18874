#include "class_array.h"

#include "support/framework/win_control.h"

HClassArray::~HClassArray() {
    for (int i = 0; i < Count(); ++i) delete ItemINT(i);
}

HClassHolder* HClassArray::CreateNew(TClass cls, TControl* prototype) { return new HClassHolder(cls, prototype); }

void HClassArray::Register(TWinControl* container) {
    if (!container) return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        AddINT(CreateNew(child->ClassType(), child));
    }
}

void HClassArray::Register(const TClass* classes, int count) {
    for (int i = 0; i < count; ++i) AddINT(CreateNew(classes[i], nullptr));
}

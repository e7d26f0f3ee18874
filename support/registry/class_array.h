// An owning list of class holders, filled from classes or from a container's child controls.
#pragma once
#include "class_holder.h"
#include "support/lib/base_array.h"

class HClassArray : public BaseArray<HClassHolder*> {
public:
    HClassArray() = default;
    virtual ~HClassArray();
    HClassArray(const HClassArray&) = delete;
    HClassArray& operator=(const HClassArray&) = delete;

    virtual HClassHolder* CreateNew(TClass cls, TControl* prototype);
    // One holder per child control, in child order, each with the child as its prototype.
    void Register(TWinControl* container);
    void Register(const TClass* classes, int count);
};

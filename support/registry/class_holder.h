// A component class with an optional template: the streamed properties of a prototype,
// which every new instance takes.
#pragma once
#include <memory>
#include <string>

#include "support/framework/object.h"

class TComponent;
class TControl;
class TWinControl;
class TMemoryStream;

class HClassHolder {
public:
    HClassHolder(TClass cls, TControl* prototype);
    virtual ~HClassHolder();
    HClassHolder(const HClassHolder&) = delete;
    HClassHolder& operator=(const HClassHolder&) = delete;

    AnsiString Name() const;
    TClass Class() const { return class_; }
    bool HasTemplate() const { return template_ != nullptr; }
    // A new instance owned by owner, with the template's values (references to the owner's
    // components included), child of parent when it is a control. When the template cannot be
    // read, nothing is left behind and the error propagates.
    TComponent* Create(TComponent* owner, TWinControl* parent) const;

private:
    TClass class_;
    std::unique_ptr<TMemoryStream> template_;
};

// Objects that can be copied from one another and streamed.
#pragma once
#include "class_builder.h"

class TFiler;

class TPersistent : public TObject {
    PENDREL_CLASS(TPersistent, TObject)
public:
    // Copies source into this object; raises EConvertError when neither side knows how.
    virtual void Assign(const TPersistent* source);
    // Declares stream data that is not a published property (binary data, string lists).
    virtual void DefineProperties(TFiler& filer);
    virtual std::string GetNamePath() const { return ClassName(); }

protected:
    virtual void AssignTo(TPersistent* dest) const;
};

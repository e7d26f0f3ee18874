#include "persistent.h"

#include "exceptions.h"

PENDREL_IMPLEMENT_CLASS(TPersistent)

void TPersistent::DeclareProperties(TClassBuilder<TPersistent>&) {}

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

#include "size_constraints.h"

PENDREL_IMPLEMENT_CLASS(TSizeConstraints)

void TSizeConstraints::DeclareProperties(TClassBuilder<TSizeConstraints>& c) {
    c.Property("MaxHeight", &TSizeConstraints::GetMaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
    c.Property("MaxWidth", &TSizeConstraints::GetMaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    c.Property("MinHeight", &TSizeConstraints::GetMinHeight, &TSizeConstraints::SetMinHeight).Default(0);
    c.Property("MinWidth", &TSizeConstraints::GetMinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

int TSizeConstraints::Constrain(int value, int minimum, int maximum) {
    if (maximum > 0 && value > maximum) value = maximum;
    if (minimum > 0 && value < minimum) value = minimum;
    return value;
}

void TSizeConstraints::Change(int& field, int value) {
    if (value < 0) value = 0;
    if (field == value) return;
    field = value;
    OnChange(this);
}

void TSizeConstraints::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) return TPersistent::Assign(source);
    minWidth_ = other->minWidth_;
    minHeight_ = other->minHeight_;
    maxWidth_ = other->maxWidth_;
    maxHeight_ = other->maxHeight_;
    OnChange(this);
}

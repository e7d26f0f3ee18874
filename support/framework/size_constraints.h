// Size constraints of controls, as published properties know them.
#pragma once
#include "class_builder.h"
#include "event.h"
#include "persistent.h"

// Limits of a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
    PENDREL_CLASS(TSizeConstraints, TPersistent)
public:
    TSizeConstraints() = default;

    int GetMinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { Change(minWidth_, value); }
    int GetMinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { Change(minHeight_, value); }
    int GetMaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { Change(maxWidth_, value); }
    int GetMaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { Change(maxHeight_, value); }

    // The width or height brought within the limits; a maximum below the minimum gives way to it.
    int ConstrainWidth(int width) const { return Constrain(width, minWidth_, maxWidth_); }
    int ConstrainHeight(int height) const { return Constrain(height, minHeight_, maxHeight_); }

    void Assign(const TPersistent* source) override;

    TEvent<TObject*> OnChange;

private:
    static int Constrain(int value, int minimum, int maximum);
    void Change(int& field, int value);

    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

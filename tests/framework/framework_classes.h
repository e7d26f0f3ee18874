// Small component classes for the framework tests.
#pragma once
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "support/framework/class_builder.h"
#include "support/framework/component.h"
#include "support/framework/graphics.h"

// Records what it is told about other components.
class TWatcher : public TComponent {
    PENDREL_CLASS(TWatcher, TComponent)
public:
    explicit TWatcher(TComponent* owner) : TComponent(owner) {}
    std::vector<std::pair<TComponent*, TOperation>> Notes;
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        Notes.emplace_back(component, operation);
    }
};

// One published property of each kind the writer encodes differently.
class TTiny : public TComponent {
    PENDREL_CLASS(TTiny, TComponent)
public:
    explicit TTiny(TComponent* owner) : TComponent(owner) {}
    int32_t GetValue() const { return value_; }
    void SetValue(int32_t v) { value_ = v; }
    uint8_t GetSmall() const { return small_; }
    void SetSmall(uint8_t v) { small_ = v; }
    TColor GetColor() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    // The font is written only when a test asks, so that the other records stay short.
    bool StoreFont = false;
    bool IsFontStored() const { return StoreFont; }

private:
    int32_t value_ = 0;
    uint8_t small_ = 0;
    TColor color_ = clWindow;
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};

// Redeclares an inherited property with a default, and adds one of its own.
class TTinyChild : public TTiny {
    PENDREL_CLASS(TTinyChild, TTiny)
public:
    explicit TTinyChild(TComponent* owner) : TTiny(owner) {}
    int GetExtra() const { return extra_; }
    void SetExtra(int v) { extra_ = v; }

private:
    int extra_ = 0;
};

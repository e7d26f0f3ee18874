// Small layout classes for the tests: a container and a key with a label and a code.
#pragma once
#include "support/framework/class_registry.h"
#include "support/framework/std_controls.h"

class HDesignPanel : public TWinControl {
    PENDREL_CLASS(HDesignPanel, TWinControl)
public:
    explicit HDesignPanel(TComponent* owner) : TWinControl(owner) { SetColor(clBtnFace); }
};

// A top-level form: names of loaded components must be free among the form's components too.
class HTestForm : public TWinControl {
    PENDREL_CLASS(HTestForm, TWinControl)
public:
    explicit HTestForm(TComponent* owner) : TWinControl(owner) {}
    bool IsForm() const override { return true; }
};

class OSKKey : public TControl {
    PENDREL_CLASS(OSKKey, TControl)
public:
    explicit OSKKey(TComponent* owner) : TControl(owner) {}
    const std::string& GetKeyLabel() const { return keyLabel_; }
    void SetKeyLabel(const std::string& value) { keyLabel_ = value; }
    int GetKeyCode() const { return keyCode_; }
    void SetKeyCode(int value) { keyCode_ = value; }
    TControl* GetBuddy() const { return buddy_; }
    void SetBuddy(TControl* value) { buddy_ = value; }
    int LoadedCalls = 0;
    void Loaded() override {
        TControl::Loaded();
        ++LoadedCalls;
    }

private:
    std::string keyLabel_;
    int keyCode_ = 0;
    TControl* buddy_ = nullptr;
};

inline void RegisterLayoutTestClasses() {
    RegisterClass(HTestForm::StaticClass());
    RegisterClass(HDesignPanel::StaticClass());
    RegisterClass(OSKKey::StaticClass());
    RegisterClass(TLabel::StaticClass());
    RegisterClass(TEdit::StaticClass());
}

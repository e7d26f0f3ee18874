// A shown inspector over sample keys whose setters refuse some values, a designer that
// counts the changes reported to it, and the user's typing, keys and clicks as window messages.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog_robot.h"
#include "support/controls/standard_controls.h"
#include "support/design/form_designer.h"
#include "support/framework/exceptions.h"
#include "support/framework/language.h"
#include "support/inspector/inspector_list.h"
#include "support/inspector/inspector_win32.h"
#include "support/inspector/object_inspector.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/wide_text.h"

class TSampleKey : public TControl {
    PENDREL_CLASS(TSampleKey, TControl)
public:
    using TControl::TControl;
    int GetCount() const { return count_; }
    void SetCount(int value) {
        if (value > MaxCount) throw EPropertyError("Count " + std::to_string(value) + " is above " + std::to_string(MaxCount));
        count_ = value;
    }
    TAlign GetSide() const { return side_; }
    void SetSide(TAlign value) {
        if (value == alClient) throw EPropertyError("A key cannot fill its parent");
        side_ = value;
    }
    TColor GetKeyColor() const { return GetColor(); }
    void SetKeyColor(TColor value) {
        if (value == clFuchsia) throw EPropertyError("Keys are never fuchsia");
        SetColor(value);
    }
    TControl* GetBuddy() const { return buddy_; }
    void SetBuddy(TControl* value) { buddy_ = value; }
    int MaxCount = 100;

private:
    int count_ = 0;
    TAlign side_ = alNone;
    TControl* buddy_ = nullptr;
};

class TOtherKey : public TControl {
    PENDREL_CLASS(TOtherKey, TControl)
public:
    using TControl::TControl;
    int GetCount() const { return count_; }
    void SetCount(int value) { count_ = value; }

private:
    int count_ = 0;
};

class TCountingDesigner : public IFormDesigner {
public:
    explicit TCountingDesigner(TComponent& root) : root_(root) {}
    TComponent* Root() const override { return &root_; }
    void Modified() override {
        ++Modifications;
        if (OnModified) OnModified();
    }
    std::vector<TComponent*> GetSelection() const override { return {}; }
    void SetSelection(const std::vector<TComponent*>&) override {}
    std::string UniqueName(const std::string& className) override { return className + "9"; }

    int Modifications = 0;
    std::function<void()> OnModified;

private:
    TComponent& root_;
};

class InspectorFixture : public ::testing::Test {
protected:
    InspectorFixture();
    ~InspectorFixture() override;

    TInspectorGrid& Grid() const { return inspector->Grid(); }
    HWND EditWnd() const { return static_cast<HWND>(Grid().InPlaceEdit().Handle()); }
    HWND GridWnd() const { return static_cast<HWND>(Grid().Handle()); }
    // The row of that path becomes active.
    void Activate(const std::string& path);
    // Replaces the in-place edit's text as typed, one character at a time.
    void Type(const std::wstring& text, HWND into = nullptr);
    void Press(UINT key, HWND into = nullptr);
    void Click(HWND wnd, TPoint point, bool twice = false);
    TPoint Middle(const TRect& rect) const { return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2}; }
    // The texts of the message box that action brings up, which is then closed with OK.
    std::string ErrorShownBy(const std::function<void()>& action);
    std::string ValueOf(const std::string& path) const;
    std::vector<std::string> VisiblePaths() const;

    TForm form{nullptr};
    TComponent root{nullptr};
    TCountingDesigner designer{root};
    TObjectInspector* inspector;
    TSampleKey* first;
    TSampleKey* second;
    TOtherKey* other;
};

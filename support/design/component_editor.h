// Component editors: the commands ("verbs") a designer offers for a component in its context
// menu, and what a double-click on the component does.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "support/framework/object.h"

class IFormDesigner;
class TComponent;

// How a verb's menu item looks; PrepareItem may change it before the menu shows.
struct TVerbItem {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
};

class TComponentEditor {
public:
    TComponentEditor(TComponent& component, IFormDesigner* designer) : component_(component), designer_(designer) {}
    virtual ~TComponentEditor() = default;

    virtual int GetVerbCount() const { return 0; }
    virtual std::string GetVerb(int index) const;
    virtual void PrepareItem(int index, TVerbItem& item) const;
    // Raises EListError for an index that is no verb.
    virtual void ExecuteVerb(int index);
    // A double-click on the component: the first verb, when there is one.
    virtual void Edit();

    TComponent& Component() const { return component_; }
    IFormDesigner* Designer() const { return designer_; }

protected:
    void CheckVerbIndex(int index) const;

private:
    TComponent& component_;
    IFormDesigner* designer_;
};

using TComponentEditorFactory = std::function<std::unique_ptr<TComponentEditor>(TComponent&, IFormDesigner*)>;

template <class Editor>
TComponentEditorFactory ComponentEditorFactory() {
    return [](TComponent& component, IFormDesigner* designer) -> std::unique_ptr<TComponentEditor> {
        return std::make_unique<Editor>(component, designer);
    };
}

// The editor registered for the nearest class of the component wins; the later of two for
// one class.
void RegisterComponentEditor(TClass componentClass, TComponentEditorFactory factory);
// The component's editor; a component without one gets an editor with no verbs.
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent& component, IFormDesigner* designer);

// What a property or component editor may ask of the designer that shows it.
#pragma once
#include <string>
#include <vector>

class TComponent;

class IFormDesigner {
public:
    virtual ~IFormDesigner() = default;
    // The component being designed: a form or a design surface, owner of what it holds.
    virtual TComponent* Root() const = 0;
    // An editor changed the design outside the property setters (a dialog, a verb).
    virtual void Modified() = 0;
    virtual std::vector<TComponent*> GetSelection() const = 0;
    virtual void SetSelection(const std::vector<TComponent*>& components) = 0;
    // A name no component of the root has yet, made from the class name ("Button1").
    virtual std::string UniqueName(const std::string& className) = 0;
};

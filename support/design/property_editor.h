// Property editors: what an object inspector shows of one published property of the selected
// objects and how the user's text, choice or dialog becomes its new value. The inspector only
// displays; the editor chosen for the property's type, component class and name does the work.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/framework/property.h"
#include "support/framework/set.h"

class IFormDesigner;
class TObject;

enum class TPropertyAttribute {
    paValueList,      // GetValues offers the values: a drop-down list
    paSubProperties,  // GetProperties gives rows below this one
    paDialog,         // Edit opens a dialog: a "..." button
    paMultiSelect,    // shown when several objects are selected
    paAutoUpdate,     // SetValue on every keystroke (captions)
    paSortList,       // the value list is shown sorted
    paReadOnly,       // the value cannot be typed
};
PENDREL_ENUM_TYPEINFO(TPropertyAttribute, "paValueList", "paSubProperties", "paDialog", "paMultiSelect",
                      "paAutoUpdate", "paSortList", "paReadOnly");
using TPropertyAttributes = TSet<TPropertyAttribute>;

// The property an editor edits: the same path on every selected object. A path through
// sub-objects ("Font.Color") edits the sub-objects while the objects report the change.
struct TPropertyEditorTarget {
    IFormDesigner* Designer = nullptr;
    std::vector<TObject*> Objects;
    std::string Path;
};

class TPropertyEditor {
public:
    using TGetStrProc = std::function<void(const std::string&)>;

    // Raises EPropertyError when the first object has no property of that path.
    explicit TPropertyEditor(TPropertyEditorTarget target);
    virtual ~TPropertyEditor() = default;
    TPropertyEditor(const TPropertyEditor&) = delete;
    TPropertyEditor& operator=(const TPropertyEditor&) = delete;

    virtual TPropertyAttributes GetAttributes() const;
    virtual std::string GetName() const;
    // The value of the first object, as text.
    virtual std::string GetValue() const;
    // Sets the value of every object from the text: all of them or, when one refuses it
    // (EPropertyError, EConvertError), none.
    virtual void SetValue(const std::string& text);
    // The values offered in the drop-down list, one call each.
    virtual void GetValues(const TGetStrProc& proc) const;
    // Opens the editor's dialog; a confirmed dialog sets the value.
    virtual void Edit();
    // The rows below this one: sub-objects' properties, a set's elements.
    virtual std::vector<std::unique_ptr<TPropertyEditor>> GetProperties() const;
    // Whether every object holds the same value; the inspector shows a blank value otherwise.
    virtual bool AllEqual() const;

    const TPropInfo& Prop() const { return *prop_; }
    const std::string& Path() const { return target_.Path; }
    int ObjectCount() const { return static_cast<int>(target_.Objects.size()); }
    TObject& Object(int index) const { return *target_.Objects[static_cast<size_t>(index)]; }
    // The object that holds the property itself: Object(index) or its sub-object.
    TObject& Holder(int index) const;
    IFormDesigner* Designer() const { return target_.Designer; }

protected:
    const TPropertyEditorTarget& Target() const { return target_; }
    std::string GetValueOf(int index) const;
    int64_t GetOrdValue(int index = 0) const;
    void SetOrdValue(int64_t value);
    // Sets one value on every object through a setter of one object, all or none.
    void SetEach(const std::function<void(TObject& object)>& set);
    // Tells the designer and every object's hook about a change made past the setters.
    void Modified();

private:
    TPropertyEditorTarget target_;
    const TPropInfo* prop_;
};

using TPropertyEditorFactory = std::function<std::unique_ptr<TPropertyEditor>(TPropertyEditorTarget)>;

template <class Editor>
TPropertyEditorFactory PropertyEditorFactory() {
    return [](TPropertyEditorTarget target) -> std::unique_ptr<TPropertyEditor> {
        return std::make_unique<Editor>(std::move(target));
    };
}

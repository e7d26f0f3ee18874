// The property editors every inspector needs, one per kind of property and for the types and
// names that want more than their kind gives (colours, fonts, captions).
#pragma once
#include "property_editor.h"

class TComponent;

// Integers, chars and int64: typed as numbers; an identifier-mapped type (TCursor,
// TFontCharset) offers its identifiers.
class TOrdinalProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override;
    void GetValues(const TGetStrProc& proc) const override;
    bool AllEqual() const override;
};
class TIntegerProperty : public TOrdinalProperty { using TOrdinalProperty::TOrdinalProperty; };
class TCharProperty : public TOrdinalProperty { using TOrdinalProperty::TOrdinalProperty; };
class TInt64Property : public TOrdinalProperty { using TOrdinalProperty::TOrdinalProperty; };

// Enumerations and booleans: a drop-down list of the names, which may also be typed.
class TEnumProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() const override;
    void GetValues(const TGetStrProc& proc) const override;
};

// Sets: "[akLeft, akTop]", with one True/False row per element below.
class TSetProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() const override;
    std::vector<std::unique_ptr<TPropertyEditor>> GetProperties() const override;
};

// One element of a set: True when the set holds it; setting it includes or excludes it.
class TSetElementProperty : public TPropertyEditor {
public:
    TSetElementProperty(TPropertyEditorTarget target, int element);
    TPropertyAttributes GetAttributes() const override;
    std::string GetName() const override;
    std::string GetValue() const override;
    void SetValue(const std::string& text) override;
    void GetValues(const TGetStrProc& proc) const override;
    bool AllEqual() const override;

private:
    bool Holds(int index) const;
    int element_;
};

class TFloatProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override;
};

class TStringProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override;
};

// Captions and texts follow the typing, so the design shows them as they are typed.
class TCaptionProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() const override;
};

// The component's own name: never shared by a selection of several.
class TComponentNameProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() const override;
};

// Colours: the colour names, any number, and the colour dialog.
class TColorProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() const override;
    void Edit() override;
};

// Sub-objects (TFont, TSizeConstraints): shown as "(TFont)", edited through their properties.
class TClassProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override;
    std::vector<std::unique_ptr<TPropertyEditor>> GetProperties() const override;
    bool AllEqual() const override { return true; }
};

// Fonts add the font dialog to their sub-properties.
class TFontProperty : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
    TPropertyAttributes GetAttributes() const override;
    void Edit() override;
};

// References to components: the names of the components of the right class that the
// objects can reach (their owners' components, nearest owner first), sorted.
class TComponentProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override;
    void GetValues(const TGetStrProc& proc) const override;
};

// Events: the names of the published methods of the objects' owners that fit the event.
class TMethodProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override;
    void GetValues(const TGetStrProc& proc) const override;
};

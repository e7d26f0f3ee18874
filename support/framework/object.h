// The root of the class hierarchy, with class metadata for virtual construction by class.
#pragma once
#include <string>
#include <vector>

#include "property.h"

class TObject;
class TComponent;
class TMetaClass;
using TClass = const TMetaClass*;

class TObject {
public:
    virtual ~TObject() = default;
    static const TMetaClass& StaticClass();
    virtual TClass ClassType() const;

    const std::string& ClassName() const;
    bool InheritsFrom(TClass ancestor) const;
    template <class T>
    bool Is() const { return InheritsFrom(&T::StaticClass()); }
};

// Class metadata: name, ancestor, constructor and published properties, one per class.
class TMetaClass {
public:
    using Factory = TObject* (*)(TComponent* owner);

    TMetaClass(std::string name, TClass parent, Factory factory);

    const std::string& ClassName() const { return name_; }
    TClass ClassParent() const { return parent_; }
    bool InheritsFrom(TClass ancestor) const;
    bool IsAbstract() const { return factory_ == nullptr; }
    // Constructs an instance (components with the given owner); raises for abstract classes.
    TObject* CreateInstance(TComponent* owner) const;

    // Published properties in declaration order, ancestors' first.
    const std::vector<TPropInfo>& Properties() const { return properties_; }
    const TPropInfo* FindProperty(const std::string& name) const;
    const TPublishedMethod* FindMethod(const std::string& name) const;
    // Published methods, ancestors' first.
    const std::vector<TPublishedMethod>& Methods() const { return methods_; }
    // Published component fields, ancestors' first.
    const std::vector<TPublishedField>& Fields() const { return fields_; }

    // Used while the class is declared.
    TPropInfo& AddProperty(TPropInfo info);
    void AddMethod(TPublishedMethod method);
    void AddField(TPublishedField field);
    // Once the class is declared: gives back the room that growing the tables left unused.
    // A class copies its ancestors' properties, about half a kilobyte each, and adding its
    // own to that copy leaves room for as many again (a quarter of the keyboard's tables).
    void ShrinkToFit();

private:
    std::string name_;
    TClass parent_;
    Factory factory_;
    std::vector<TPropInfo> properties_;
    std::vector<TPublishedMethod> methods_;
    std::vector<TPublishedField> fields_;
};

// The root of the class hierarchy, with class metadata for virtual construction by class.
#pragma once
#include <cstddef>
#include <iterator>
#include <memory>
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

// Published properties in declaration order, ancestors' first. A class refers to the entries
// of its ancestors instead of copying them: an entry holds a dozen accessors.
class TPropList {
    using Entries = std::vector<const TPropInfo*>;

public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TPropInfo;
        using difference_type = std::ptrdiff_t;
        using pointer = const TPropInfo*;
        using reference = const TPropInfo&;

        iterator() = default;
        explicit iterator(Entries::const_iterator at) : at_(at) {}
        const TPropInfo& operator*() const { return **at_; }
        const TPropInfo* operator->() const { return *at_; }
        iterator& operator++() {
            ++at_;
            return *this;
        }
        iterator operator++(int) { return iterator(at_++); }
        bool operator==(const iterator&) const = default;

    private:
        Entries::const_iterator at_;
    };

    iterator begin() const { return iterator(entries_.begin()); }
    iterator end() const { return iterator(entries_.end()); }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const TPropInfo& operator[](size_t i) const { return *entries_[i]; }

private:
    friend class TMetaClass;
    Entries entries_;
};

// Class metadata: name, ancestor, constructor and published properties, one per class.
class TMetaClass {
public:
    using Factory = TObject* (*)(TComponent* owner);
    // Declares the class's own published members with AddProperty, AddMethod and AddField.
    using Declare = void (*)(TMetaClass& meta);

    // With declare, the tables are built the first time they are asked for, so that a class that
    // is only registered costs none. Classes are declared on the thread that uses them.
    TMetaClass(std::string name, TClass parent, Factory factory, Declare declare = nullptr);

    const std::string& ClassName() const { return name_; }
    TClass ClassParent() const { return parent_; }
    bool InheritsFrom(TClass ancestor) const;
    bool IsAbstract() const { return factory_ == nullptr; }
    // Constructs an instance (components with the given owner); raises for abstract classes.
    TObject* CreateInstance(TComponent* owner) const;

    // Published properties in declaration order, ancestors' first.
    const TPropList& Properties() const {
        EnsureDeclared();
        return properties_;
    }
    const TPropInfo* FindProperty(const std::string& name) const;
    const TPublishedMethod* FindMethod(const std::string& name) const;
    // Published methods, ancestors' first.
    const std::vector<TPublishedMethod>& Methods() const {
        EnsureDeclared();
        return methods_;
    }
    // Published component fields, ancestors' first.
    const std::vector<TPublishedField>& Fields() const {
        EnsureDeclared();
        return fields_;
    }

    // Used while the class is declared.
    TPropInfo& AddProperty(TPropInfo info);
    void AddMethod(TPublishedMethod method);
    void AddField(TPublishedField field);
    // Once the class is declared: gives back the room that growing the tables left unused.
    void ShrinkToFit();

private:
    // The metaclass objects of declared classes are not const, so building their tables late is
    // allowed through the const accessors.
    void EnsureDeclared() const {
        if (declare_) const_cast<TMetaClass*>(this)->DeclareNow();
    }
    void DeclareNow();
    void InheritTables();

    std::string name_;
    TClass parent_;
    Factory factory_;
    Declare declare_;
    TPropList properties_;
    std::vector<std::unique_ptr<TPropInfo>> ownProperties_;  // those this class declares
    std::vector<TPublishedMethod> methods_;
    std::vector<TPublishedField> fields_;
};

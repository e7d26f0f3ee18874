// Declaring a class's published properties: one line per property, next to the class.
//
//   void TMyKey::DeclareProperties(TClassBuilder<TMyKey>& c) {
//       c.Property("KeyCode", &TMyKey::GetKeyCode, &TMyKey::SetKeyCode).Default(0);
//       c.Property("Font", &TMyKey::GetFont, &TMyKey::SetFont);
//       c.Event("OnClick", &TMyKey::OnClick);
//   }
#pragma once
#include <string>
#include <type_traits>
#include <typeindex>

#include "event.h"
#include "object.h"
#include "set.h"

// Adjusts the property just declared.
template <class T>
class TPropBuilder {
public:
    explicit TPropBuilder(TPropInfo& info) : info_(info) {}
    template <class V>
    TPropBuilder& Default(V value) {
        info_.HasDefault = true;
        if constexpr (std::is_convertible_v<V, std::string>) {
            info_.DefaultString = value;
        } else if constexpr (requires { value.Bits(); }) {
            info_.Default = value.Bits();
        } else if constexpr (std::is_arithmetic_v<V>) {
            if (info_.Kind() == TTypeKind::tkFloat)
                info_.DefaultFloat = static_cast<long double>(value);
            else
                info_.Default = static_cast<int64_t>(value);
        } else {
            info_.Default = static_cast<int64_t>(value);
        }
        return *this;
    }
    TPropBuilder& Stored(bool (T::*isStored)() const) {
        info_.IsStored = [isStored](const TObject& o) { return (static_cast<const T&>(o).*isStored)(); };
        return *this;
    }
    TPropBuilder& Stored(bool stored) {
        info_.IsStored = [stored](const TObject&) { return stored; };
        return *this;
    }
    // A default that depends on the object: the value is not written when isDefault says so.
    TPropBuilder& DefaultWhen(bool (T::*isDefault)() const) {
        info_.IsDefault = [isDefault](const TObject& o) { return (static_cast<const T&>(o).*isDefault)(); };
        return *this;
    }
    // An integer type with its own name or identifiers (TColor, TCursor).
    TPropBuilder& Type(const TTypeInfo& type) {
        info_.PropType = &type;
        return *this;
    }

private:
    TPropInfo& info_;
};

template <class T>
class TClassBuilder {
public:
    explicit TClassBuilder(TMetaClass& meta) : meta_(meta) {}

    template <class C, class R, class V>
    TPropBuilder<T> Property(const char* name, R (C::*get)() const, void (C::*set)(V)) {
        using Value = std::decay_t<R>;
        TPropInfo info = Describe<Value>(name);
        Accessors<Value>(
            info, [get](const TObject& o) -> Value { return (static_cast<const T&>(o).*get)(); },
            [set](TObject& o, const Value& v) { (static_cast<T&>(o).*set)(v); });
        return TPropBuilder<T>(meta_.AddProperty(std::move(info)));
    }

    // A read-only property (sub-objects such as a font are usually of this kind).
    template <class C, class R>
    TPropBuilder<T> Property(const char* name, R (C::*get)() const) {
        using Value = std::decay_t<R>;
        TPropInfo info = Describe<Value>(name);
        Accessors<Value>(info, [get](const TObject& o) -> Value { return (static_cast<const T&>(o).*get)(); }, nullptr);
        return TPropBuilder<T>(meta_.AddProperty(std::move(info)));
    }

    // A read-only property whose getter updates a cache of the object's own.
    template <class C, class R>
    TPropBuilder<T> Property(const char* name, R (C::*get)()) {
        using Value = std::decay_t<R>;
        TPropInfo info = Describe<Value>(name);
        Accessors<Value>(info, [get](const TObject& o) -> Value { return (const_cast<T&>(static_cast<const T&>(o)).*get)(); }, nullptr);
        return TPropBuilder<T>(meta_.AddProperty(std::move(info)));
    }

    // A property read and written straight from a data member.
    template <class C, class Value>
    TPropBuilder<T> Field(const char* name, Value C::*field) {
        TPropInfo info = Describe<Value>(name);
        Accessors<Value>(
            info, [field](const TObject& o) -> Value { return static_cast<const T&>(o).*field; },
            [field](TObject& o, const Value& v) { static_cast<T&>(o).*field = v; });
        return TPropBuilder<T>(meta_.AddProperty(std::move(info)));
    }

    template <class C, class... Args>
    void Event(const char* name, TEvent<Args...> C::*field) {
        static const TTypeInfo type{TTypeKind::tkMethod, "TEvent"};
        TPropInfo info{name, &type};
        info.MethodSignature = &typeid(typename TEvent<Args...>::Handler);
        info.GetMethodName = [field](const TObject& o) { return (static_cast<const T&>(o).*field).MethodName(); };
        info.SetMethod = [field](TObject& o, const std::string& method, TObject* root) {
            if (method.empty()) {
                (static_cast<T&>(o).*field).Clear();
                return true;
            }
            const TPublishedMethod* m = root ? root->ClassType()->FindMethod(method) : nullptr;
            using Handler = typename TEvent<Args...>::Handler;
            if (!m || m->Signature != std::type_index(typeid(Handler))) return false;
            (static_cast<T&>(o).*field).Bind(std::any_cast<Handler>(m->MakeHandler(root)), m->Name);
            return true;
        };
        meta_.AddProperty(std::move(info));
    }

    // A method that event properties in a stream may name.
    template <class C, class... Args>
    void Method(const char* name, void (C::*method)(Args...)) {
        using Handler = typename TEvent<Args...>::Handler;
        meta_.AddMethod({name, std::type_index(typeid(Handler)), [method](TObject* self) -> std::any {
                             T* target = static_cast<T*>(self);
                             return Handler([target, method](Args... args) { (target->*method)(args...); });
                         }});
    }

    // A member that the form's component of that name is stored in when the form is read.
    template <class C, class F>
    void Component(const char* name, F* C::*field) {
        meta_.AddField({name, &F::StaticClass, [field](TObject& self, TObject* component) {
                            static_cast<T&>(self).*field = static_cast<F*>(component);
                        }});
    }

private:
    template <class Value>
    static TPropInfo Describe(const char* name) {
        TPropInfo info{name};
        if constexpr (std::is_pointer_v<Value>) {
            static const TTypeInfo type{TTypeKind::tkClass, "TObject"};
            info.PropType = &type;
            info.ObjectClass = &std::remove_pointer_t<Value>::StaticClass;
        } else {
            info.PropType = &TTypeInfoOf<Value>::Get();
        }
        return info;
    }

    template <class Value, class Get, class Set>
    static void Accessors(TPropInfo& info, Get get, Set set) {
        constexpr bool writable = !std::is_same_v<Set, std::nullptr_t>;
        if constexpr (std::is_pointer_v<Value>) {
            info.GetObject = [get](const TObject& o) -> TObject* { return get(o); };
            if constexpr (writable)
                info.SetObject = [set](TObject& o, TObject* v) {
                    set(o, static_cast<Value>(v));
                };
        } else if constexpr (std::is_same_v<Value, std::string>) {
            info.GetStr = get;
            if constexpr (writable) info.SetStr = set;
        } else if constexpr (std::is_floating_point_v<Value>) {
            info.GetFloat = [get](const TObject& o) -> long double { return get(o); };
            if constexpr (writable) info.SetFloat = [set](TObject& o, long double v) { set(o, static_cast<Value>(v)); };
        } else if constexpr (requires(Value v) { v.Bits(); }) {
            info.GetOrd = [get](const TObject& o) -> int64_t { return get(o).Bits(); };
            if constexpr (writable)
                info.SetOrd = [set](TObject& o, int64_t v) { set(o, Value::FromBits(static_cast<uint32_t>(v))); };
        } else {
            info.GetOrd = [get](const TObject& o) -> int64_t { return static_cast<int64_t>(get(o)); };
            if constexpr (writable) info.SetOrd = [set](TObject& o, int64_t v) { set(o, static_cast<Value>(v)); };
        }
    }

    TMetaClass& meta_;
};

template <class T>
TObject* ConstructForClass(TComponent* owner) {
    if constexpr (std::is_constructible_v<T, TComponent*>)
        return new T(owner);
    else
        return new T();
}

template <class T>
void DeclareClass(TMetaClass& meta) {
    TClassBuilder<T> builder(meta);
    T::DeclareProperties(builder);
}

template <class T>
TMetaClass BuildMetaClass(const char* name, TClass parent) {
    TMetaClass::Factory factory = nullptr;
    if constexpr (!std::is_abstract_v<T> && (std::is_constructible_v<T, TComponent*> || std::is_default_constructible_v<T>))
        factory = &ConstructForClass<T>;
    return TMetaClass(name, parent, factory, &DeclareClass<T>);
}

// In the class body: class metadata and the hook that declares the published properties.
#define PENDREL_CLASS(Class, Parent)                            \
public:                                                         \
    using inherited = Parent;                                   \
    static const TMetaClass& StaticClass();                     \
    TClass ClassType() const override { return &StaticClass(); } \
    static void DeclareProperties(TClassBuilder<Class>& c);     \
                                                                \
private:

// In the class's source file.
#define PENDREL_IMPLEMENT_CLASS(Class)                                                      \
    const TMetaClass& Class::StaticClass() {                                                \
        static TMetaClass meta = BuildMetaClass<Class>(#Class, &inherited::StaticClass()); \
        return meta;                                                                        \
    }

#include "class_registry.h"

#include <map>

#include "exceptions.h"
#include "text_case.h"

namespace {
std::map<std::string, TClass, TTextLess>& Classes() {
    static std::map<std::string, TClass, TTextLess> classes;
    return classes;
}
}  // namespace

void RegisterClass(const TMetaClass& cls) {
    auto [it, inserted] = Classes().emplace(cls.ClassName(), &cls);
    if (!inserted && it->second != &cls) throw EFilerError("A class named " + cls.ClassName() + " already exists");
}

void UnRegisterClass(const TMetaClass& cls) {
    auto it = Classes().find(cls.ClassName());
    if (it != Classes().end() && it->second == &cls) Classes().erase(it);
}

TClass GetClass(const std::string& name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : it->second;
}

TClass FindClass(const std::string& name) {
    TClass cls = GetClass(name);
    if (!cls) throw EClassNotFound("Class " + name + " not found");
    return cls;
}

#include "class_registry.h"

#include <map>

#include "exceptions.h"

namespace {
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        const size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            const int ca = std::tolower(static_cast<unsigned char>(a[i]));
            const int cb = std::tolower(static_cast<unsigned char>(b[i]));
            if (ca != cb) return ca < cb;
        }
        return a.size() < b.size();
    }
};

std::map<std::string, TClass, CaseInsensitiveLess>& Classes() {
    static std::map<std::string, TClass, CaseInsensitiveLess> classes;
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

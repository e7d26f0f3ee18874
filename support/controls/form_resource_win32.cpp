#include "form_resource.h"

#include <windows.h>

#include <cctype>

#include "standard_controls.h"
#include "support/framework/component.h"

std::string FormResourceName(const std::string& className) {
    std::string name = className;
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

std::string_view FormResourceText(void* module, const std::string& name) {
    const auto instance = static_cast<HMODULE>(module ? module : GetModuleHandleW(nullptr));
    HRSRC info = FindResourceA(instance, name.c_str(), MAKEINTRESOURCEA(10));
    HGLOBAL handle = info ? LoadResource(instance, info) : nullptr;
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) throw EFormResourceError("The form resource " + name + " is missing");
    return {static_cast<const char*>(data), SizeofResource(instance, info)};
}

void ReadFormResource(TComponent& form, void* module) {
    InstallStandardControls();
    const std::string name = FormResourceName(form.ClassName());
    ReadFormText(form, FormResourceText(module, name), name);
}

// Layouts stored among a module's resources (RCDATA).
#include <windows.h>

#include "control_io.h"
#include "support/framework/exceptions.h"
#include "support/framework/stream.h"

namespace {
void LoadResource(HCustomControlIO& io, void* instance, const char* name, const std::string& label) {
    HMODULE module = static_cast<HMODULE>(instance);
    HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10));
    if (!info) throw EStreamError("Resource " + label + " not found");
    HGLOBAL handle = ::LoadResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) throw EStreamError("Resource " + label + " cannot be loaded");
    TConstMemoryStream stream(data, SizeofResource(module, info));
    io.Load(&stream);
}
}  // namespace

void HCustomControlIO::LoadFromResourceID(void* instance, int resourceId) {
    LoadResource(*this, instance, MAKEINTRESOURCEA(resourceId), "#" + std::to_string(resourceId));
}

void HCustomControlIO::LoadFromResourceName(void* instance, const AnsiString& resourceName) {
    LoadResource(*this, instance, resourceName.c_str(), resourceName);
}

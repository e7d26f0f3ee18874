// Programs built for other systems carry no Windows resources.
#include "control_io.h"
#include "support/framework/exceptions.h"

void HCustomControlIO::LoadFromResourceID(void*, int resourceId) {
    throw EStreamError("Resource #" + std::to_string(resourceId) + " not found: resources need Windows");
}

void HCustomControlIO::LoadFromResourceName(void*, const AnsiString& resourceName) {
    throw EStreamError("Resource " + resourceName + " not found: resources need Windows");
}

#include "inspector_classes.h"

#include "object_inspector.h"
#include "property_help.h"
#include "support/framework/class_registry.h"

void RegisterInspectorClasses() {
    RegisterClass(TObjectInspector::StaticClass());
    RegisterClass(TPropertyHelp::StaticClass());
}

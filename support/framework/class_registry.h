// Classes registered by name, so that streams can name the class of each component.
#pragma once
#include <string>

#include "object.h"

// Registering the same class again is harmless; another class under a taken name is an error.
void RegisterClass(const TMetaClass& cls);
void UnRegisterClass(const TMetaClass& cls);
// The registered class of that name (case-insensitive), or null.
TClass GetClass(const std::string& name);
// As GetClass, but raises EClassNotFound.
TClass FindClass(const std::string& name);

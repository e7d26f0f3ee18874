// Registers the inspector's classes by name, so that stored forms can hold them.
#pragma once

void RegisterInspectorClasses();

// Registers the standard controls' classes by name, so that stored forms can name them.
#pragma once

void RegisterStandardControlClasses();

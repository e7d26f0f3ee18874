#include "support/framework/language.h"

// Programs built for other systems are tools and tests, which speak English.
TUserLanguage SystemUserLanguage() { return TUserLanguage::English; }

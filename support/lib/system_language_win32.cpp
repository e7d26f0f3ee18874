#include <windows.h>

#include "support/framework/language.h"

TUserLanguage SystemUserLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? TUserLanguage::Russian : TUserLanguage::English;
}

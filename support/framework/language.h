// The user's language, which picks the texts of messages (English or Russian).
#pragma once

enum class TUserLanguage { English, Russian };

// The user interface language of the system, unless a program or test chose one.
TUserLanguage UserLanguage();
void SetUserLanguage(TUserLanguage language);
// The system's own, from the platform layer (Russian when its interface language is).
TUserLanguage SystemUserLanguage();

// One message in both languages, chosen at the moment of use.
struct TLocalizedText {
    const char* English;
    const char* Russian;
    const char* Get() const { return UserLanguage() == TUserLanguage::Russian ? Russian : English; }
};

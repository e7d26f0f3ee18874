#include "components/visual/messages/message_kinds.h"

const char* HiIconName(int kind) {
    static const char* const kNames[kHiIconCount] = {"Сообщение", "Информация", "Предупреждение", "Ошибка"};
    return kind >= 0 && kind < kHiIconCount ? kNames[kind] : "";
}

#include "support/dialogs/core/message_texts.h"

#include "support/framework/language.h"

namespace {
struct TStringEntry {
    int Id;
    TLocalizedText Text;
};

// English entries equal the built-in texts; a null Russian entry falls back to them.
constexpr TStringEntry kStringTable[] = {
    {XMB_STR_ATTENTION, {"Attention...", "Внимание..."}},
    {XMB_STR_QUESTION, {"Question...", "Вопрос..."}},
    {XMB_STR_OK, {"OK", nullptr}},
    {XMB_STR_CANCEL, {"Cancel", "Отменить"}},
    {XMB_STR_IGNORE, {"&Ignore", "Пропустить"}},
    {XMB_STR_RETRY, {"&Retry", "Повторить"}},
    {XMB_STR_ABORT, {"&Abort", "Отмена"}},
    {XMB_STR_HELP, {"&Help", "Помощь"}},
    {XMB_STR_YES, {"&Yes", "Да"}},
    {XMB_STR_NO, {"&No", "Нет"}},
    {XMB_STR_CONTINUE, {"&Continue", "Продолжить"}},
    {XMB_STR_NOTASKAGAIN, {"Don't ask me again", "Больше не задавать этого вопроса"}},
    {XMB_STR_NOTTELLAGAIN, {"Don't tell me again", "Больше не показывать это сообщение"}},
    {XMB_STR_YESTOALL, {"Yes to &All", "Да для всех"}},
    {XMB_STR_NOTOALL, {"No to A&ll", "Нет для всех"}},
};

const TStringEntry* FindEntry(int id) {
    for (const auto& entry : kStringTable)
        if (entry.Id == id) return &entry;
    return nullptr;
}
}  // namespace

const char* TarnwickString(int id) {
    const TStringEntry* entry = FindEntry(id);
    return entry ? entry->Text.Get() : nullptr;
}

const char* XMBBuiltInText(int id) {
    const TStringEntry* entry = id >= XMB_STR_OK ? FindEntry(id) : nullptr;
    return entry ? entry->Text.English : "";
}

std::string XMBButtonText(int id, bool builtIn) {
    const char* text = builtIn ? nullptr : TarnwickString(id);
    return text ? text : XMBBuiltInText(id);
}

#include "components/visual/messages/message_text.h"

#include "support/lib/format.h"

namespace {
std::tm LocalTime(std::time_t time) {
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &time);
#else
    localtime_r(&time, &parts);
#endif
    return parts;
}
}  // namespace

std::string HiTimeText(std::time_t time) {
    std::tm t = LocalTime(time);
    return Message("%02d.%02d.%04d %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min,
                   t.tm_sec);
}

std::string HiExportText(const HiMessageList& list, const HiInfoOptions& options) {
    std::string text;
    int number = 0;
    for (const HiMessageItem* item : list.Shown(options)) {
        text += Message("[Item_%d]\r\nType=%s\r\n", number++, HiIconName(item->Kind));
        text += "Message=\"" + item->Text + "\"\r\n\r\n";
    }
    return text;
}

#include "components/visual/messages/message_text.h"

#include <gtest/gtest.h>

#include <regex>

namespace {
TEST(MessageKinds, NamesOfTheFourKinds) {
    EXPECT_STREQ(HiIconName(hiiMessage), "Сообщение");
    EXPECT_STREQ(HiIconName(hiiInformation), "Информация");
    EXPECT_STREQ(HiIconName(hiiWarning), "Предупреждение");
    EXPECT_STREQ(HiIconName(hiiError), "Ошибка");
    EXPECT_STREQ(HiIconName(4), "");
    EXPECT_STREQ(HiIconName(-1), "");
}

TEST(MessageTimeText, DayMonthYearHoursMinutesSeconds) {
    std::tm parts{};
    parts.tm_mday = 5;
    parts.tm_mon = 2;
    parts.tm_year = 124;
    parts.tm_hour = 14;
    parts.tm_min = 7;
    parts.tm_sec = 9;
    parts.tm_isdst = -1;
    EXPECT_EQ(HiTimeText(std::mktime(&parts)), "05.03.2024 14:07:09");
    EXPECT_TRUE(std::regex_match(HiTimeText(0), std::regex(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)")));
}

TEST(MessageExport, FourLinesPerShownMessage) {
    HiMessageList list;
    list.Add(hiiError, "Layout not found", 0);
    list.Add(hiiInformation, "hidden", 0);
    list.Add(hiiMessage, "", 0);
    HiInfoOptions options;
    options.Flt[hiiInformation] = true;
    EXPECT_EQ(HiExportText(list, options),
              "[Item_0]\r\nType=Ошибка\r\nMessage=\"Layout not found\"\r\n\r\n"
              "[Item_1]\r\nType=Сообщение\r\nMessage=\"\"\r\n\r\n");
    EXPECT_EQ(HiExportText(HiMessageList{}, options), "");
}

TEST(MessageList, ShownFollowsTheFilters) {
    HiMessageList list;
    for (int kind = 0; kind < kHiIconCount; ++kind) list.Add(static_cast<HiIcon>(kind), "k", 0);
    HiInfoOptions options;
    EXPECT_EQ(list.Shown(options).size(), 4u);
    options.Flt[hiiMessage] = options.Flt[hiiError] = true;
    auto shown = list.Shown(options);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0]->Kind, hiiInformation);
    EXPECT_EQ(shown[1]->Kind, hiiWarning);
}
}  // namespace

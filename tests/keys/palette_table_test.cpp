#include <gtest/gtest.h>

#include "keys/osk_keys.h"
#include "keys/palette_table.h"
#include "support/framework/class_registry.h"
#include "support/framework/std_controls.h"

namespace {
TEST(PaletteTable, RowsNameTheLayoutClassesInOrder) {
    EXPECT_EQ(PaletteTable(0).Class, &TLabel::StaticClass());
    EXPECT_EQ(PaletteTable(1).Class, &TEdit::StaticClass());
    EXPECT_EQ(PaletteTable(2).Class, &OSKKey::StaticClass());
    EXPECT_EQ(PaletteTable(3).Class, &OSKKeyFx::StaticClass());
    EXPECT_EQ(PaletteTable(4).Class, &OSKKeySym::StaticClass());
    EXPECT_EQ(PaletteTable(5).Class, &OSKKeyCmd::StaticClass());
}

TEST(PaletteTable, DescriptionsAreAShortNameAndAnExplanation) {
    EXPECT_STREQ(PaletteTable(0).Description, "Label\nSimple inactive text control");
    EXPECT_STREQ(PaletteTable(2).Description, "Key\nLocalizable characters like alphabet, numbers an so on");
    EXPECT_STREQ(PaletteTable(3).Description, "KeyFx\nNon-localizable keys like arrows, functional keys ans so on");
    EXPECT_STREQ(PaletteTable(5).Description,
                 "KeyCmd\nSpecial command buttons for make complex tasks\nlike change keybord state or execute ext programms");
}

TEST(PaletteTable, RowsPastTheEndHaveNoClassAndNoText) {
    for (int row : {6, 7, 1000, -1}) {
        EXPECT_EQ(PaletteTable(row).Class, nullptr) << row;
        EXPECT_STREQ(PaletteTable(row).Description, "") << row;
    }
}

TEST(RegisterOSKClasses, RegistersEveryTableClassByName) {
    EXPECT_EQ(RegisterOSKClasses(), 6);
    for (const char* name : {"TLabel", "TEdit", "OSKKey", "OSKKeyFx", "OSKKeySym", "OSKKeyCmd"})
        EXPECT_NE(GetClass(name), nullptr) << name;
    EXPECT_EQ(RegisterOSKClasses(), 6);
}
}  // namespace

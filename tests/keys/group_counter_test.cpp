// Group numbers of modifier keys in a process that has made none before.
#include <gtest/gtest.h>

#include "keys/osk_keys.h"
#include "test_keyboard.h"

TEST(ModifierGroups, TheFirstModifierKeysOfAProcessGetGroupsTwoAndThree) {
    TTestKeyboard keyboard;
    OSKKeySym first(nullptr);
    OSKKeySym second(nullptr);

    EXPECT_EQ(first.GetGroupIndex(), 2);
    EXPECT_EQ(second.GetGroupIndex(), 3);
}

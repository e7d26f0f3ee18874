// What a click on a key tells its host window.
#include <gtest/gtest.h>

#include "keys/osk_keys.h"
#include "keys/osk_messages.h"
#include "test_keyboard.h"
#include "tests/toolbar/fake_repeat_timer.h"

namespace {
class KeyClicks : public ::testing::Test {
protected:
    void Click(OSKCustomKey& key) {
        key.MouseDown(mbLeft, 0, {2, 2});
        key.MouseUp(mbLeft, 0, {2, 2});
    }
    TTestKeyboard keyboard;
    TFakeRepeatTimers timers;
};

TEST_F(KeyClicks, AKeyWithoutHostPostsNothing) {
    OSKKey key(nullptr);
    Click(key);

    EXPECT_TRUE(keyboard.Posted.empty());
}

TEST_F(KeyClicks, AClickPostsKeyPressedWithTheKeyToTheHost) {
    OSKKeyCmd key(nullptr);
    key.SetHostWindow(kHostWindow);
    Click(key);

    ASSERT_EQ(keyboard.Posted.size(), 1u);
    EXPECT_EQ(keyboard.Posted[0].Window, kHostWindow);
    EXPECT_EQ(keyboard.Posted[0].Message, 1128u);
    EXPECT_EQ(keyboard.Posted[0].WParam, reinterpret_cast<uintptr_t>(static_cast<OSKCustomKey*>(&key)));
    EXPECT_EQ(keyboard.Posted[0].LParam, 0);
}

TEST_F(KeyClicks, ReleasingTheMouseOutsideTheKeyIsNoClick) {
    OSKKey key(nullptr);
    key.SetHostWindow(kHostWindow);
    key.MouseDown(mbLeft, 0, {2, 2});
    key.MouseMove(0, {200, 2});
    key.MouseUp(mbLeft, 0, {200, 2});

    EXPECT_TRUE(keyboard.Posted.empty());
}

TEST_F(KeyClicks, AModifierKeyTogglesOnEachClickAndTellsTheHostEachTime) {
    OSKKeySym key(nullptr);
    key.SetHostWindow(kHostWindow);
    Click(key);
    EXPECT_TRUE(key.GetDown());
    Click(key);
    EXPECT_FALSE(key.GetDown());

    EXPECT_EQ(keyboard.Posted.size(), 2u);
}

TEST_F(KeyClicks, TwoModifierKeysOnOnePanelAreIndependent) {
    TWinControl panel(nullptr);
    auto* shift = new OSKKeySym(&panel);
    shift->SetParent(&panel);
    auto* ctrl = new OSKKeySym(&panel);
    ctrl->SetParent(&panel);
    Click(*shift);
    Click(*ctrl);

    EXPECT_TRUE(shift->GetDown());
    EXPECT_TRUE(ctrl->GetDown());
}

TEST_F(KeyClicks, ARepeatingKeyPostsOncePerRepetitionWhileHeld) {
    OSKKey key(nullptr);
    key.SetHostWindow(kHostWindow);
    key.SetRepeating(true);
    key.SetRepeatDelay(500);
    key.SetRepeatInterval(50);

    key.MouseDown(mbLeft, 0, {2, 2});
    EXPECT_EQ(keyboard.Posted.size(), 1u);
    EXPECT_EQ(timers.Waiting(), 500);
    timers.Elapse();
    EXPECT_EQ(keyboard.Posted.size(), 2u);
    EXPECT_EQ(timers.Waiting(), 50);
    timers.Elapse();
    timers.Elapse();
    EXPECT_EQ(keyboard.Posted.size(), 4u);
    key.MouseUp(mbLeft, 0, {2, 2});
    timers.Elapse();

    EXPECT_EQ(keyboard.Posted.size(), 4u);
    EXPECT_EQ(timers.Waiting(), 0);
    for (const TPostedMessage& posted : keyboard.Posted) EXPECT_EQ(posted.Message, WM_OSK_KEYPRESSED);
}
}  // namespace

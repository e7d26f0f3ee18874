// A shown form to put the controls under test on.
#pragma once
#include <gtest/gtest.h>

#include "modal_robot.h"
#include "support/controls/standard_controls.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"

class ControlsFixture : public ::testing::Test {
protected:
    ControlsFixture() {
        InstallStandardControls();
        form.SetBounds(100, 80, 420, 320);
        form.SetCaption("Controls");
    }

    void ShowForm() {
        form.Show();
        ProcessMessages();
    }

    TForm form{nullptr};
};

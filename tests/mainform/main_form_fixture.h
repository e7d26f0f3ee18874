// A keyboard main form made in the test's process, with its settings in a file of its own
// and a layout of a few keys written by the test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "runtime/main_form_osk.h"

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest();
    ~MainFormTest() override;

    // Writes a layout file in the test's folder and returns its path.
    std::string WriteLayout(const std::string& name, const std::string& text);
    // Makes the form as the program does, loading layoutPath when given.
    void StartForm(const std::string& layoutPath = "");
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    std::filesystem::path folder;
    std::unique_ptr<TMainFormOSK> form;
};

// A layout text with one character key "a" at 10,10 and a command key "cmd" at 60,10.
std::string SmallLayout(const std::string& commandKeyProperties = "");

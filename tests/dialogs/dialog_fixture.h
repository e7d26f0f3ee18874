// Message box tests run in English over an owner window of their own.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "support/framework/language.h"

class DialogFixture : public ::testing::Test {
protected:
    DialogFixture() {
        SetUserLanguage(TUserLanguage::English);
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
    }
    ~DialogFixture() override {
        DestroyWindow(owner);
        SetUserLanguage(saved_);
    }

    HWND owner = nullptr;

private:
    TUserLanguage saved_ = UserLanguage();
};

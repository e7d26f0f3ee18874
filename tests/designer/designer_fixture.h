// A designer main window made in the test's process, with its settings file and layouts in a
// folder of the test's own.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "designer/main_form.h"

class DesignerTest : public ::testing::Test {
protected:
    DesignerTest();
    ~DesignerTest() override;

    // Writes a file in the test's folder and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes);
    std::string ReadFile(const std::string& path) const;
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    // Starts the window as the program does, with these command-line arguments.
    void Start(const std::vector<std::string>& arguments = {});
    // The names of the surface's controls, in child order.
    std::vector<std::string> SurfaceNames() const;
    // The left of a control on the surface; -1 when there is none of that name.
    int LeftOf(const std::string& name) const;
    // Messages reported through the message window since the test began.
    std::vector<std::string> Reports() const;
    void Pump();

    std::filesystem::path folder;
    std::unique_ptr<TMainForm> form;

private:
    size_t reportsBefore_ = 0;
};

// A layout text: a surface of 300 by 100 with one character key per name, 40 apart.
std::string KeysLayout(const std::vector<std::string>& names);

// A private copy of the program folder, so that the measured runs start without settings
// and leave nothing behind in the build folder.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

class TProgramCopy {
public:
    // Copies the programs and every .dll of sourceDir, and the layout as layouts\startup.osk.
    TProgramCopy(const std::filesystem::path& sourceDir, const std::vector<std::string>& programs,
                 const std::filesystem::path& layout);
    ~TProgramCopy();
    TProgramCopy(const TProgramCopy&) = delete;
    TProgramCopy& operator=(const TProgramCopy&) = delete;

    const std::filesystem::path& Dir() const { return dir_; }
    // Removes the settings a previous run saved, so that each start is a first start.
    void ForgetSettings() const;

private:
    std::filesystem::path dir_;
};

// The folder of the running program.
std::filesystem::path OwnProgramDir();

// A private copy of the keyboard program and its DLLs, so that each test starts without
// "osk.hcfg" and no test sees another's settings.
#pragma once
#include <string>

class TProgramFolder {
public:
    // Copies Pendrel.exe and every DLL beside the test program into a new temporary folder.
    TProgramFolder();
    ~TProgramFolder();
    TProgramFolder(const TProgramFolder&) = delete;
    TProgramFolder& operator=(const TProgramFolder&) = delete;

    // The folder, ending with a backslash.
    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + name; }
    bool Copied() const { return copied_; }

private:
    bool CopyProgram();

    std::wstring path_;
    bool copied_ = false;
};

// The folder of the running test program, ending with a backslash.
std::wstring TestProgramFolder();
bool FileExists(const std::wstring& path);
// The whole file as bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

#include "program_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {
std::wstring NewTemporaryFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"pendrel-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::wstring> FilesMatching(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}
}  // namespace

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

TProgramFolder::TProgramFolder() : path_(NewTemporaryFolder()) { copied_ = CopyProgram(); }

bool TProgramFolder::CopyProgram() {
    const std::wstring source = TestProgramFolder();
    std::vector<std::wstring> names = FilesMatching(source + L"*.dll");
    names.emplace_back(L"Pendrel.exe");
    names.emplace_back(L"Morvane.exe");
    for (const auto& name : names)
        if (!CopyFileW((source + name).c_str(), (path_ + name).c_str(), FALSE)) return false;
    return true;
}

TProgramFolder::~TProgramFolder() {
    // Trellin.dll may still be mapped in processes the hook was loaded into: what cannot be
    // deleted now stays in the temporary folder.
    for (const auto& name : FilesMatching(path_ + L"*")) DeleteFileW((path_ + name).c_str());
    RemoveDirectoryW(path_.c_str());
}

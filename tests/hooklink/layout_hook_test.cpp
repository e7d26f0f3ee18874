#include <gtest/gtest.h>

#include <string>

#include "keys/osk_messages.h"
#include "runtime/hooklink/layout_hook.h"
#include "runtime/hooklink/null_message.h"
#include "runtime/hooklink/shared_data.h"
#include "tests/hooklink/hook_target.h"
#include "tests/hooklink/test_windows.h"

namespace {

class LayoutHook : public ::testing::Test {
protected:
    void TearDown() override { RemoveLayoutHook(); }
};

// A folder of its own under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "hooklink_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::string& file : files_) DeleteFileA((path_ + file).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    bool CopyIn(const std::string& source, const std::string& name) {
        files_.push_back(name);
        return CopyFileA(source.c_str(), (path_ + name).c_str(), FALSE) != 0;
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::vector<std::string> files_;
};

class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryA(previous_); }

private:
    char previous_[MAX_PATH];
};

}  // namespace

TEST_F(LayoutHook, OwnProcedureHooksTheCallingThread) {
    EXPECT_FALSE(IsLayoutHookSet());
    ASSERT_TRUE(InstallLayoutHook(nullptr)) << LayoutHookError();
    EXPECT_TRUE(IsLayoutHookSet());
    EXPECT_TRUE(InstallLayoutHook(nullptr));
    RemoveLayoutHook();
    EXPECT_FALSE(IsLayoutHookSet());
}

TEST_F(LayoutHook, HookLibraryIsLoadedFromTheProgramsFolder) {
    ASSERT_TRUE(InstallLayoutHook("Trellin.dll")) << LayoutHookError();
    EXPECT_TRUE(IsLayoutHookSet());
    HMODULE library = GetModuleHandleA("Trellin.dll");
    ASSERT_NE(library, nullptr);
    char path[MAX_PATH];
    GetModuleFileNameA(library, path, MAX_PATH);
    EXPECT_EQ(std::string(path), ProgramFolder() + "Trellin.dll");
    RemoveLayoutHook();
    EXPECT_FALSE(IsLayoutHookSet());
}

// Other processes load the hook library without looking in our folder: it may need nothing
// but the system's own DLLs, the C++ runtime's included.
TEST_F(LayoutHook, HookLibraryNeedsOnlyTheSystemsDlls) {
    HMODULE library = LoadLibraryExA((ProgramFolder() + "Trellin.dll").c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(library, nullptr);
    const auto* base = reinterpret_cast<const BYTE*>(library);
    const auto* headers =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    char system[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    std::string notFromTheSystem;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        const std::string name = reinterpret_cast<const char*>(base + entry->Name);
        if (GetFileAttributesA((std::string(system) + "\\" + name).c_str()) == INVALID_FILE_ATTRIBUTES)
            notFromTheSystem += name + " ";
    }
    FreeLibrary(library);
    EXPECT_EQ(notFromTheSystem, "");
}

TEST_F(LayoutHook, RemovingWithoutHookDoesNothing) {
    RemoveLayoutHook();
    EXPECT_FALSE(IsLayoutHookSet());
}

TEST_F(LayoutHook, MissingLibraryIsReportedWithTheSystemsText) {
    EXPECT_FALSE(InstallLayoutHook("HookLinkMissing.dll"));
    EXPECT_FALSE(IsLayoutHookSet());
    EXPECT_FALSE(LayoutHookError().empty());
    EXPECT_NE(LayoutHookError().back(), '\n');
}

TEST_F(LayoutHook, LibraryWithoutTheProcedureFailsAndTheNextAttemptStartsAfresh) {
    EXPECT_FALSE(InstallLayoutHook("version.dll"));
    EXPECT_FALSE(IsLayoutHookSet());
    std::string error = LayoutHookError();
    EXPECT_FALSE(error.empty());
    ASSERT_TRUE(InstallLayoutHook("Trellin.dll")) << LayoutHookError();
    EXPECT_NE(GetModuleHandleA("Trellin.dll"), nullptr);
}

TEST_F(LayoutHook, ALibraryOnlyInTheCurrentFolderIsNeverLoaded) {
    TempFolder folder;
    ASSERT_TRUE(folder.CopyIn(ProgramFolder() + "Trellin.dll", "HookLinkPlanted.dll"));
    HMODULE direct = LoadLibraryA((folder.Path() + "HookLinkPlanted.dll").c_str());
    ASSERT_NE(direct, nullptr) << "the planted copy is a loadable hook library";
    FreeLibrary(direct);
    {
        CurrentFolder inside(folder.Path());
        EXPECT_FALSE(InstallLayoutHook("HookLinkPlanted.dll"));
    }
    EXPECT_FALSE(IsLayoutHookSet());
    EXPECT_EQ(GetModuleHandleA("HookLinkPlanted.dll"), nullptr);
}

// The hook library, set system-wide, runs in another program's thread and reports
// that program's layout to our window.
class HookInAnotherProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SharedBlock().Open());
        runtimeWindow = MakeQuietWindow();
        ASSERT_TRUE(StartTarget());
        target = WaitForTargetWindow();
        ASSERT_NE(target, nullptr);
        TSharedAccess record(SharedBlock());
        record->RuntimeWindow = HandleToField(runtimeWindow);
        record->TargetWindow = HandleToField(target);
        record->Command = kHookCommandNone;
    }

    void TearDown() override {
        RemoveLayoutHook();
        if (target != nullptr) PostMessageA(target, WM_CLOSE, 0, 0);
        if (process.hProcess != nullptr) {
            if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        DestroyWindow(runtimeWindow);
        SharedBlock().Close();
    }

    bool StartTarget() {
        std::string command = "\"" + ProgramFolder() + "hooklink_target.exe\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process) != 0;
    }

    HWND WaitForTargetWindow() {
        for (int tries = 0; tries < 200; ++tries) {
            HWND window = FindWindowA(kHookTargetClass, nullptr);
            if (window != nullptr) return window;
            Sleep(50);
        }
        return nullptr;
    }

    PROCESS_INFORMATION process{};
    HWND runtimeWindow = nullptr;
    HWND target = nullptr;
};

TEST_F(HookInAnotherProcess, ReportsTheTargetsLayout) {
    HKL current = GetKeyboardLayout(0);
    SharedBlock().Data()->Layout = HandleToField(current) ^ 0x10000;
    ASSERT_TRUE(InstallLayoutHook("Trellin.dll")) << LayoutHookError();
    ASSERT_TRUE(SendNullMessage(target));
    std::optional<MSG> report = TakePosted(runtimeWindow, WM_OSK_LAYOUTCHANGED, 5000);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(reinterpret_cast<HWND>(report->wParam), target);
    EXPECT_EQ(SharedBlock().Data()->Layout, HandleToField(reinterpret_cast<HKL>(report->lParam)));
}

TEST_F(HookInAnotherProcess, RunsTheNextLayoutCommandThere) {
    ASSERT_TRUE(InstallLayoutHook("Trellin.dll")) << LayoutHookError();
    PostHookCommand(target, kHookCommandNextLayout, 0, 0);
    EXPECT_EQ(SharedBlock().Data()->Command, kHookCommandNone);
}

TEST_F(HookInAnotherProcess, NothingHappensThereWithoutTheHook) {
    SharedBlock().Data()->Layout = HandleToField(GetKeyboardLayout(0)) ^ 0x10000;
    PostHookCommand(target, kHookCommandNextLayout, 0, 0);
    // Left in the record, the command would fire once a hook is set, at some unrelated message.
    EXPECT_EQ(SharedBlock().Data()->Command, kHookCommandNone);
    EXPECT_FALSE(TakePosted(runtimeWindow, WM_OSK_LAYOUTCHANGED, 300).has_value());
}

#include "main_form_fixture.h"

#include <fstream>

#include "components/config/cfg_storage.h"
#include "support/win32/message_loop.h"

MainFormTest::MainFormTest() {
    folder = std::filesystem::temp_directory_path() /
             ("pendrel-mainform-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
}

MainFormTest::~MainFormTest() {
    if (form) form->FormClose();
    form.reset();
    ProcessMessages();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string MainFormTest::WriteLayout(const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

void MainFormTest::StartForm(const std::string& layoutPath) {
    RegisterMainFormWindow();
    form = std::make_unique<TMainFormOSK>(nullptr);
    form->cfg->SetFileName((folder / "osk.hcfg").string());
    form->cfg->Write("HooKL", false);
    form->cfg->Write("LoadLastForm", false);
    form->HandleNeeded();
    form->FormCreate();
    if (!layoutPath.empty()) form->LoadLayout(layoutPath);
    ProcessMessages();
}

LRESULT MainFormTest::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(form->Window(), message, wParam, lParam);
}

std::string SmallLayout(const std::string& commandKeyProperties) {
    return "object design: HDesignPanel\r\n"
           "  Width = 200\r\n"
           "  Height = 60\r\n"
           "end\r\n"
           "BEGIN 2\r\n"
           "  object a: OSKKey\r\n"
           "    Left = 10\r\n"
           "    Top = 10\r\n"
           "    Width = 40\r\n"
           "    Height = 30\r\n"
           "    KeyLabel = 'a'\r\n"
           "  end\r\n"
           "  object cmd: OSKKeyCmd\r\n"
           "    Left = 60\r\n"
           "    Top = 10\r\n"
           "    Width = 40\r\n"
           "    Height = 30\r\n" +
           commandKeyProperties +
           "  end\r\n"
           "END\r\n";
}

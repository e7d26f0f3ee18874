#include "designer_fixture.h"

#include <fstream>
#include <sstream>

#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "components/visual/messages/hi_info.h"
#include "support/lib/command_line.h"
#include "support/win32/message_loop.h"

DesignerTest::DesignerTest() {
    folder = std::filesystem::temp_directory_path() /
             ("morvane-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    reportsBefore_ = HiInfo::Count();
}

DesignerTest::~DesignerTest() {
    if (form) form->FormClose();
    form.reset();
    HiInfo::Close();
    Pump();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string DesignerTest::WriteFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string DesignerTest::ReadFile(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void DesignerTest::Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> line{"Morvane.exe"};
    line.insert(line.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : line) argv.push_back(argument.data());
    CTArgInit(static_cast<int>(argv.size()), argv.data());
    RegisterMainFormWindow();
    form = ReadMainForm();
    form->cfg->SetFileName((folder / "designer.hcfg").string());
    form->HandleNeeded();
    form->RunStartup();
    form->ShowMainWindow();
    Pump();
}

std::vector<std::string> DesignerTest::SurfaceNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < form->DesignPlace->ControlCount(); ++i) names.push_back(form->DesignPlace->Controls(i)->GetName());
    return names;
}

int DesignerTest::LeftOf(const std::string& name) const {
    for (int i = 0; i < form->DesignPlace->ControlCount(); ++i)
        if (form->DesignPlace->Controls(i)->GetName() == name) return form->DesignPlace->Controls(i)->GetLeft();
    return -1;
}

std::vector<std::string> DesignerTest::Reports() const {
    std::vector<std::string> texts;
    for (size_t i = reportsBefore_; i < HiInfo::Count(); ++i) texts.push_back(HiInfo::Text(i));
    return texts;
}

void DesignerTest::Pump() { ProcessMessages(); }

std::string KeysLayout(const std::vector<std::string>& names) {
    std::string text = "object design: HDesignPanel\r\n  Width = 300\r\n  Height = 100\r\nend\r\nBEGIN " +
                       std::to_string(names.size()) + "\r\n";
    int left = 10;
    for (const std::string& name : names) {
        text += "  object " + name + ": OSKKey\r\n    Left = " + std::to_string(left) +
                "\r\n    Top = 10\r\n    Width = 30\r\n    Height = 30\r\n    KeyLabel = 'a'\r\n  end\r\n";
        left += 40;
    }
    return text + "END\r\n";
}

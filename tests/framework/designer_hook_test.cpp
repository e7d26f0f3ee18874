// The designer hook of a root component hears what changes under it, once per change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/framework/std_controls.h"
#include "support/framework/property_text.h"

namespace {
class TRecordingHook : public IDesignerHook {
public:
    void ComponentInserted(TComponent&) override { Heard.push_back("insert"); }
    void ComponentRemoved(TComponent&) override { Heard.push_back("remove"); }
    void ComponentRenamed(TComponent& c, const std::string& old) override { Heard.push_back("rename " + old + " " + c.GetName()); }
    void PropertyChanged(TComponent& c, const std::string& path) override { Heard.push_back(c.GetName() + "." + path); }
    std::vector<std::string> Heard;
};

class DesignerHook : public ::testing::Test {
protected:
    DesignerHook() { root.SetDesignerHook(&hook); }
    ~DesignerHook() override { root.SetDesignerHook(nullptr); }
    TRecordingHook hook;
    TComponent root{nullptr};
};

TEST_F(DesignerHook, HearsInsertsRenamesAndRemovalsUnderTheRoot) {
    auto* control = new TControl(&root);
    control->SetName("Key1");
    control->SetName("Key2");
    delete control;
    EXPECT_EQ(hook.Heard, (std::vector<std::string>{"insert", "rename  Key1", "rename Key1 Key2", "remove"}));
}

TEST_F(DesignerHook, AGenericSetReportsOnceAndSettersWithoutFollowUpReportThemselves) {
    auto* control = new TLabel(&root);
    control->SetName("Key");
    hook.Heard.clear();
    SetPropText(*control, "Hint", "press me");
    SetPropText(*control, "Font.Color", "clRed");
    control->SetCursor(crHandPoint);
    control->SetCursor(crHandPoint);
    control->SetTag(3);
    EXPECT_EQ(hook.Heard, (std::vector<std::string>{"Key.Hint", "Key.Font.Color", "Key.Cursor", "Key.Tag"}));
}

TEST_F(DesignerHook, ComponentsBeingReadReportNothing) {
    auto* control = new TControl(&root);
    hook.Heard.clear();
    control->SetLoading(true);
    control->SetReading(true);
    control->SetHint("loaded");
    control->SetReading(false);
    EXPECT_TRUE(hook.Heard.empty());
}
}  // namespace

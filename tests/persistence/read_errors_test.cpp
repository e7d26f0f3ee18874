// Errors while reading a layout: the error hook may pass over a property or a whole component;
// otherwise the load ends with an exception and what was read so far stays.
#include <vector>

#include "layout_fixture.h"
#include "support/framework/class_registry.h"
#include "support/framework/exceptions.h"
#include "support/framework/scroll_box.h"

namespace {
const std::string kGhostEntry =
    "  object Ghost: TGhostKey\r\n"
    "    Left = 1\r\n"
    "  end\r\n"
    "  { 2 \r\n"
    "    0102 }\r\n"
    "  BEGIN 1\r\n"
    "    object GhostChild: OSKKey\r\n"
    "    end\r\n"
    "  END\r\n";

const std::string kGhostLayout = LayoutText(KeyText("KeyA", 8, "A") + kGhostEntry + KeyText("KeyB", 36, "B"), 3);

const std::string kMisspeltLayout = LayoutText(
    "  object KeyA: OSKKey\r\n"
    "    Left = 8\r\n"
    "    Colr = 5\r\n"
    "    KeyLabel = 'A'\r\n"
    "  end\r\n" +
        KeyText("KeyB", 36, "B"),
    2);

class ReadErrors : public LayoutTest {
protected:
    void HandleErrors(bool handled) {
        io.OnReadError = [this, handled](TReader*, const AnsiString message, bool& h) {
            messages.push_back(message);
            h = handled;
        };
    }
    void Preload() {
        LoadText(LayoutText(KeyText("Old", 8, "O"), 1));
        panel.SetVisible(true);
    }
    std::vector<std::string> messages;
};

TEST_F(ReadErrors, HandledUnknownClassSkipsTheComponentWithItsDataAndChildren) {
    HandleErrors(true);
    std::vector<std::string> dataFor;
    io.OnReadComponentData = [&](TObject*, TStream*, TComponent* c) { dataFor.push_back(c->GetName()); };
    LoadText(kGhostLayout);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("TGhostKey"), std::string::npos) << messages[0];
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(Key(0)->GetName(), "KeyA");
    EXPECT_EQ(Key(1)->GetName(), "KeyB");
    EXPECT_EQ(Key(1)->GetKeyLabel(), "B");
    EXPECT_EQ(panel.FindComponent("GhostChild"), nullptr);
    EXPECT_EQ(dataFor, (std::vector<std::string>{"design", "KeyA", "KeyB"}));
}

TEST_F(ReadErrors, HandledUnknownPropertySkipsOnlyThatProperty) {
    HandleErrors(true);
    LoadText(kMisspeltLayout);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("KeyA"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Colr"), std::string::npos) << messages[0];
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(Key(0)->GetLeft(), 8);
    EXPECT_EQ(Key(0)->GetKeyLabel(), "A");
    EXPECT_EQ(Key(1)->GetKeyLabel(), "B");
}

TEST_F(ReadErrors, UnhandledUnknownClassEndsTheLoadKeepingWhatWasRead) {
    Preload();
    HandleErrors(false);
    EXPECT_THROW(LoadText(kGhostLayout), EClassNotFound);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(panel.FindComponent("Old"), nullptr);
    ASSERT_EQ(panel.ControlCount(), 1);
    EXPECT_EQ(Key(0)->GetName(), "KeyA");
    EXPECT_TRUE(panel.GetVisible());
}

TEST_F(ReadErrors, WithoutAHandlerAnUnknownPropertyEndsTheLoad) {
    Preload();
    try {
        LoadText(kMisspeltLayout);
        FAIL() << "loaded";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message.find("KeyA.Colr"), std::string::npos) << e.Message;
    }
    EXPECT_EQ(panel.FindComponent("Old"), nullptr);
    EXPECT_EQ(panel.ControlCount(), 0);
    EXPECT_TRUE(panel.GetVisible());
}

TEST_F(ReadErrors, HiddenPanelStaysHiddenAfterAFailedLoad) {
    panel.SetVisible(false);
    EXPECT_THROW(LoadText(kMisspeltLayout), EReadError);
    EXPECT_FALSE(panel.GetVisible());
}

TEST_F(ReadErrors, OnComponentCreateRunsOncePerCreatedComponentAndOnFindComponentClassSuppliesClasses) {
    ASSERT_EQ(GetClass("TScrollBox"), nullptr);
    std::vector<std::string> asked;
    io.OnFindComponentClass = [&](TReader*, const AnsiString name, TClass& cls) {
        asked.push_back(name);
        if (name == "TScrollBox") cls = &TScrollBox::StaticClass();
    };
    std::vector<std::string> created;
    io.OnComponentCreate = [&](TObject* sender, TComponent* c) {
        EXPECT_EQ(sender, &io);
        created.push_back(c->GetName());
    };
    LoadText(LayoutText(KeyText("KeyA", 8, "A") +
                            "  object Box: TScrollBox\r\n"
                            "  end\r\n"
                            "  BEGIN 1\r\n"
                            "    object Inner: OSKKey\r\n"
                            "    end\r\n"
                            "  END\r\n",
                        2));
    EXPECT_EQ(asked, std::vector<std::string>{"TScrollBox"});
    EXPECT_EQ(created, (std::vector<std::string>{"KeyA", "Box", "Inner"}));
    auto* box = dynamic_cast<TScrollBox*>(panel.Controls(1));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->ControlCount(), 1);
    EXPECT_EQ(box->Controls(0)->GetName(), "Inner");
}
}  // namespace

// A selection of controls in the text form, read back beside what a container holds: the
// clipboard and undo of a designer; and instances that stream at the same time.
#include "layout_fixture.h"
#include "support/framework/exceptions.h"

namespace {
const std::string kKeyWithBuddy =
    "  object Buddied: OSKKey\r\n"
    "    Left = 70\r\n"
    "    KeyLabel = 'C'\r\n"
    "    Buddy = KeyA\r\n"
    "  end\r\n";

class Selection : public LayoutTest {
protected:
    Selection() { LoadText(TwoKeyLayout()); }
    std::vector<TControl*> Insert(const std::string& text) { return io.InsertControlsText(text); }
};

TEST_F(Selection, ChosenControlsWrittenAndReadElsewhereComeBackTheSame) {
    const std::string text = io.SaveControlsText({Key(1)});
    EXPECT_EQ(text.find("KeyA"), std::string::npos) << text;
    HDesignPanel other(&form);
    other.SetName("other");
    HControlIO otherIo(&form);
    otherIo.SetControl(&other);
    const std::vector<TControl*> read = otherIo.InsertControlsText(text);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0]->Parent(), &other);
    EXPECT_EQ(dynamic_cast<OSKKey*>(read[0])->GetKeyLabel(), "B");
    EXPECT_EQ(read[0]->GetLeft(), 36);
}

TEST_F(Selection, PastingBesideClashingNamesRenamesAndReferencesFollowThePastedControls) {
    const std::string copied = io.SaveControlsText({Key(0)}) + kKeyWithBuddy;
    const std::vector<TControl*> pasted = Insert(copied);
    ASSERT_EQ(pasted.size(), 2u);
    ASSERT_EQ(panel.ControlCount(), 4);
    EXPECT_EQ(Key(0)->GetName(), "KeyA");
    EXPECT_EQ(pasted[0]->GetName(), "OSKKey1");
    EXPECT_EQ(pasted[1]->GetName(), "Buddied");
    EXPECT_EQ(dynamic_cast<OSKKey*>(pasted[1])->GetBuddy(), pasted[0]);
}

TEST_F(Selection, AReferenceOutsideThePasteFindsTheContainersControl) {
    const std::vector<TControl*> pasted = Insert(kKeyWithBuddy);
    ASSERT_EQ(pasted.size(), 1u);
    EXPECT_EQ(dynamic_cast<OSKKey*>(pasted[0])->GetBuddy(), Key(0));
}

TEST_F(Selection, AWholeLayoutPastesItsChildren) {
    const std::vector<TControl*> pasted = Insert(LayoutText(KeyText("KeyZ", 90, "Z"), 1));
    ASSERT_EQ(pasted.size(), 1u);
    EXPECT_EQ(pasted[0]->GetName(), "KeyZ");
    EXPECT_EQ(panel.ControlCount(), 3);
}

TEST_F(Selection, TextThatIsNoLayoutPastesNothingAndSaysWhy) {
    const std::string bads[] = {"just words", KeyText("KeyZ", 1, "Z") + "  object Broken: OSKKey\r\n    Left = \r\n",
                                "  object Ghost: TNoSuchClass\r\n  end\r\n"};
    for (const std::string& bad : bads) {
        EXPECT_THROW(Insert(bad), Exception) << bad;
        EXPECT_EQ(panel.ControlCount(), 2) << bad;
    }
}

TEST_F(Selection, TwoInstancesStreamAtTheSameTime) {
    const std::string alone = SaveText();
    HDesignPanel other(&form);
    HControlIO otherIo(&form);
    otherIo.SetControl(&other);
    otherIo.SetTextOutput(true);
    std::string nested;
    io.OnWriteComponentData = [&](TObject*, TStream*, TComponent*) {
        TMemoryStream s;
        otherIo.Save(&s);
        nested = Bytes(s);
    };
    EXPECT_EQ(SaveText(), alone);
    EXPECT_NE(nested.find("object"), std::string::npos);
}
}  // namespace

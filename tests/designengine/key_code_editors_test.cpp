// The designer's key editors as the inspector meets them: through the registry, by the
// key's class and the property's name.
#include "designer/editors/key_code_editors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keys/osk_keys.h"
#include "support/design/property_editor_registry.h"
#include "support/framework/exceptions.h"

namespace {
class KeyCodeEditors : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterKeyCodeEditors(); }
    static std::unique_ptr<TPropertyEditor> EditorOf(TObject& key, const std::string& path) {
        return CreatePropertyEditor(TPropertyEditorTarget{nullptr, {&key}, path});
    }
    static std::vector<std::string> ValuesOf(const TPropertyEditor& editor) {
        std::vector<std::string> values;
        editor.GetValues([&](const std::string& value) { values.push_back(value); });
        return values;
    }
};

TEST_F(KeyCodeEditors, ANonLocalizableKeyShowsAndTakesCodesByNameOrNumber) {
    OSKKeyFx key(nullptr);
    key.SetKeyCode(0x70);
    auto editor = EditorOf(key, "KeyCode");
    ASSERT_NE(dynamic_cast<KeyCodeProperty*>(editor.get()), nullptr);
    EXPECT_EQ(editor->GetValue(), "VK_F1");
    key.SetKeyCode(0x41);
    EXPECT_EQ(editor->GetValue(), "0x41") << "a code outside the table";
    editor->SetValue("vk_home");
    EXPECT_EQ(key.GetKeyCode(), 0x24);
    editor->SetValue("0x41");
    EXPECT_EQ(editor->GetValue(), "0x41") << "the shown hexadecimal form reads back";
    editor->SetValue("66");
    EXPECT_EQ(key.GetKeyCode(), 66);
    EXPECT_THROW(editor->SetValue("VK_SHIFT"), EPropertyError) << "a modifier is not in this table";
    EXPECT_EQ(key.GetKeyCode(), 66);
    const std::vector<std::string> names = ValuesOf(*editor);
    ASSERT_EQ(names.size(), 61u);
    EXPECT_EQ(names.front(), "VK_PRIOR");
    EXPECT_EQ(names.back(), "VK_SLEEP");
}

TEST_F(KeyCodeEditors, AModifierKeyOffersOnlyItsFifteenNames) {
    OSKKeySym key(nullptr);
    auto editor = EditorOf(key, "KeyCode");
    const std::vector<std::string> names = ValuesOf(*editor);
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names.front(), "VK_SHIFT");
    EXPECT_EQ(names.back(), "VK_SCROLL");
    editor->SetValue("VK_RMENU");
    EXPECT_EQ(key.GetKeyCode(), 0xA5);
    EXPECT_THROW(editor->SetValue("VK_F1"), EPropertyError);
}

TEST_F(KeyCodeEditors, OtherKeysKeepTheIntegerEditor) {
    OSKKey character(nullptr);
    auto editor = EditorOf(character, "KeyCode");
    EXPECT_EQ(dynamic_cast<CodeProperty*>(editor.get()), nullptr);
    character.SetKeyCode(0x41);
    EXPECT_EQ(editor->GetValue(), "65");
}

TEST_F(KeyCodeEditors, ShortcutsShowTheirTextAndOfferTheUsual127) {
    OSKKeyCmd key(nullptr);
    auto editor = EditorOf(key, "ShortCut");
    ASSERT_NE(dynamic_cast<ShortCutProperty*>(editor.get()), nullptr);
    EXPECT_EQ(editor->GetValue(), "(None)");
    editor->SetValue("Ctrl+A");
    EXPECT_EQ(key.GetShortCut(), 0x4041);
    EXPECT_EQ(editor->GetValue(), "Ctrl+A");
    editor->SetValue("(None)");
    EXPECT_EQ(key.GetShortCut(), 0);
    const std::vector<std::string> texts = ValuesOf(*editor);
    ASSERT_EQ(texts.size(), 127u);
    EXPECT_EQ(texts[0], "(None)");
    EXPECT_EQ(texts[1], "Ctrl+A");
    EXPECT_EQ(texts.back(), "Alt+F12");
}
}  // namespace

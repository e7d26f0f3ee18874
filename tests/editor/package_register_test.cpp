// The package's registration: its palette page, its property editors and its exception dialog.
#include <gtest/gtest.h>

#include "components/editors/multiline_property.h"
#include "components/package/image_list_property.h"
#include "components/package/package_register.h"
#include "components/visual/palette/tab_button.h"
#include "support/design/component_palette.h"
#include "support/design/property_editor_registry.h"
#include "support/framework/class_registry.h"
#include "support/framework/std_controls.h"
#include "support/menus/image_list.h"

namespace {
std::vector<std::string> Values(const TPropertyEditor& editor) {
    std::vector<std::string> values;
    editor.GetValues([&](const std::string& value) { values.push_back(value); });
    return values;
}

TEST(PackageRegister, PutsItsClassesOnItsPageAndItsEditorsOnTheirProperties) {
    Register();
    HExceptionDialog* dialog = PackageExceptionDialog();
    ASSERT_NE(dialog, nullptr);
    Register();
    EXPECT_EQ(PackageExceptionDialog(), dialog) << "a second registration keeps the one dialog";
    EXPECT_EQ(PaletteClasses("HTools"), PackagePaletteClasses());
    for (TClass cls : PackagePaletteClasses()) EXPECT_EQ(GetClass(cls->ClassName()), cls) << cls->ClassName();

    TComponent form(nullptr);
    TLabel* label = new TLabel(&form);
    EXPECT_NE(dynamic_cast<HMultilineProperty*>(CreatePropertyEditor({nullptr, {label}, "Caption"}).get()), nullptr);
    EXPECT_NE(dynamic_cast<HMultilineProperty*>(CreatePropertyEditor({nullptr, {label}, "Hint"}).get()), nullptr);
    EXPECT_EQ(dynamic_cast<HMultilineProperty*>(CreatePropertyEditor({nullptr, {label}, "Name"}).get()), nullptr);

    HTabButton* button = new HTabButton(&form);
    TImageList* images = new TImageList(&form);
    images->Add(TBitmapImage(16, 16));
    images->Add(TBitmapImage(16, 16));
    button->SetImages(images);
    auto index = CreatePropertyEditor({nullptr, {button}, "ImageIndex"});
    ASSERT_NE(dynamic_cast<HImageListProperty*>(index.get()), nullptr);
    EXPECT_EQ(Values(*index), (std::vector<std::string>{"-1", "0", "1"}));
}
}  // namespace

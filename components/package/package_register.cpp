#include "package_register.h"

#include <memory>

#include "components/config/cfg_storage.h"
#include "components/editors/multiline_property.h"
#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "components/visual/dock97/h_toolbar97.h"
#include "components/visual/exceptions/exception_dialog.h"
#include "components/visual/logcombo/h_log_combo_box.h"
#include "components/visual/menus/h_main_menu.h"
#include "components/visual/menus/h_popup_menu.h"
#include "components/visual/palette/bottons_tab.h"
#include "components/visual/palette/tab_button.h"
#include "components/visual/toolwindow/h_window.h"
#include "image_list_property.h"
#include "support/design/component_palette.h"
#include "support/design/property_editor_registry.h"
#include "support/lib/file_log.h"
#include "support/win32/form.h"

namespace {
constexpr const char* kPackage = "Quillon";
constexpr const char* kPalettePage = "HTools";

std::unique_ptr<HExceptionDialog>& ExceptionDialog() {
    static std::unique_ptr<HExceptionDialog> dialog;
    return dialog;
}

// Each editor applies to its property of every component, as the property type of the named
// class's published property.
void RegisterPackageEditors() {
    const TPropertyType caption = PropertyTypeOf(&TForm::StaticClass(), "Caption");
    const TPropertyType hint = PropertyTypeOf(&TForm::StaticClass(), "Hint");
    RegisterPropertyEditor(caption, nullptr, "Caption", PropertyEditorFactory<HMultilineProperty>());
    RegisterPropertyEditor(hint, nullptr, "Hint", PropertyEditorFactory<HMultilineProperty>());
    RegisterPropertyEditor(PropertyTypeOf(&HTabButton::StaticClass(), "ImageIndex"), &HTabButton::StaticClass(),
                           "ImageIndex", PropertyEditorFactory<HImageListProperty>());
}
}  // namespace

std::vector<TClass> PackagePaletteClasses() {
    return {&HLogComboBox::StaticClass(), &HWindow::StaticClass(),          &HBottonsTab::StaticClass(),
            &HControlIO::StaticClass(),   &HDesignPanel::StaticClass(),     &HExceptionDialog::StaticClass(),
            &HMainMenu::StaticClass(),    &HPopupMenu::StaticClass(),       &HToolbar97::StaticClass(),
            &HToolWindow97::StaticClass(), &HCfgStorage::StaticClass()};
}

void Register() {
    const std::vector<TClass> classes = PackagePaletteClasses();
    FILELog("%s: registering %zu components", kPackage, classes.size());
    RegisterComponents(kPalettePage, classes);
    RegisterPackageEditors();
    FILELog("%s: creating the exception handler", kPackage);
    if (!ExceptionDialog()) ExceptionDialog() = std::make_unique<HExceptionDialog>(nullptr);
    FILELog("%s: registration done", kPackage);
}

HExceptionDialog* PackageExceptionDialog() { return ExceptionDialog().get(); }

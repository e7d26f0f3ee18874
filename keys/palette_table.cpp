#include "palette_table.h"

#include <iterator>

#include "components/surface/design_panel.h"
#include "osk_keys.h"
#include "support/framework/class_registry.h"
#include "support/framework/scroll_box.h"
#include "support/framework/std_controls.h"

TPaletteEntry PaletteTable(int row) {
    static const TPaletteEntry kRows[] = {
        {&TLabel::StaticClass(), "Label\nSimple inactive text control"},
        {&TEdit::StaticClass(),
         "Edit\nSingle-line place to enter text\nEdit can be used to enter and send at once custom texts"},
        {&OSKKey::StaticClass(), "Key\nLocalizable characters like alphabet, numbers an so on"},
        {&OSKKeyFx::StaticClass(), "KeyFx\nNon-localizable keys like arrows, functional keys ans so on"},
        {&OSKKeySym::StaticClass(), "KeySym\nShift modifiers like Alt, NumLock and so on"},
        {&OSKKeyCmd::StaticClass(),
         "KeyCmd\nSpecial command buttons for make complex tasks\nlike change keybord state or execute ext programms"},
    };
    if (row < 0 || row >= static_cast<int>(std::size(kRows))) return {nullptr, ""};
    return kRows[row];
}

void RegisterLayoutClasses() {
    RegisterClass(HDesignPanel::StaticClass());
    RegisterClass(TScrollBox::StaticClass());
    RegisterOSKClasses();
}

int RegisterOSKClasses() {
    int count = 0;
    for (TPaletteEntry entry = PaletteTable(0); entry.Class; entry = PaletteTable(++count)) RegisterClass(*entry.Class);
    return count;
}

#include "control_classes.h"

#include "bevel.h"
#include "button.h"
#include "check_box.h"
#include "memo.h"
#include "page_control.h"
#include "radio_group.h"
#include "splitter.h"
#include "support/framework/class_registry.h"
#include "tab_control.h"
#include "tab_set.h"
#include "up_down.h"

void RegisterStandardControlClasses() {
    for (const TMetaClass* cls : {&TBevel::StaticClass(), &TButton::StaticClass(), &TCheckBox::StaticClass(),
                                  &TEdit::StaticClass(), &TLabel::StaticClass(), &TMemo::StaticClass(),
                                  &TPageControl::StaticClass(), &TPanel::StaticClass(), &TRadioGroup::StaticClass(), &TSplitter::StaticClass(), &TTabControl::StaticClass(), &TTabSet::StaticClass(),
                                  &TTabSheet::StaticClass(), &TUpDown::StaticClass()})
        RegisterClass(*cls);
}

#include "bench_layout.h"

#include "components/config/cfg_storage.h"
#include "keys/osk_keys.h"
#include "keys/palette_table.h"
#include "support/win32/window_system.h"

TBenchLayout::TBenchLayout(const std::string& layoutFile) : panel_(new HDesignPanel(&form_)) {
    InstallWin32WindowSystem();
    RegisterOSKClasses();
    panel_->SetName("design");
    panel_->SetParent(&form_);
    panel_->SetBorderStyle(HBOX_Border);
    io_.SetControl(panel_);
    io_.SetTextOutput(true);
    io_.Load(layoutFile);
    form_.SetClientWidth(panel_->GetWidth());
    form_.SetClientHeight(panel_->GetHeight());
}

std::vector<OSKCustomKey*> TBenchLayout::Keys() const {
    std::vector<OSKCustomKey*> keys;
    for (int i = 0; i < panel_->ControlCount(); ++i)
        if (auto* key = dynamic_cast<OSKCustomKey*>(panel_->Controls(i))) keys.push_back(key);
    return keys;
}

std::vector<TCharacterKeySpot> TBenchLayout::LetterKeys() const {
    std::vector<TCharacterKeySpot> spots;
    for (OSKCustomKey* key : Keys()) {
        const int code = key->GetKeyCode();
        if (key->GetKeyKind() != kCharacterKey || code < 'A' || code > 'Z') continue;
        const TRect bounds = key->BoundsRect();
        spots.push_back({code, {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2}});
    }
    return spots;
}

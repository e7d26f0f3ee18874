#include "layout_render.h"

#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "components/surface/panel_render.h"
#include "layout_file.h"
#include "support/framework/stream.h"
#include "support/gdi/bmp_file.h"
#include "support/lib/atomic_file.h"

void RenderLayout(const std::string& layoutFile, const std::string& outputFile) {
    TMemoryStream content;
    LoadLayoutFile(layoutFile, content);
    TComponent owner(nullptr);
    auto* panel = new HDesignPanel(&owner);
    auto* io = new HControlIO(&owner);
    io->SetControl(panel);
    io->Load(&content);
    // The panel is drawn from its window, which nobody needs to see.
    panel->Hide();
    const HBitmap picture = RenderDesignPanel(*panel);
    TMemoryStream file;
    WriteBmp24(file, picture);
    AtomicWriteFile(outputFile, file.Memory(), file.Bytes().size());
}

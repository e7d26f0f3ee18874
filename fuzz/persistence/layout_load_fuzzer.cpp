// Feeds arbitrary bytes to the layout loader: text or binary, it must load or raise an Exception.
#include <cstddef>
#include <cstdint>

#include "components/persistence/control_io.h"
#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "tests/persistence/layout_classes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (RegisterLayoutTestClasses(), true);
    (void)registered;
    HTestForm form(nullptr);
    auto* panel = new HDesignPanel(&form);
    panel->SetName("design");
    panel->SetParent(&form);
    HControlIO io(&form);
    io.SetControl(panel);
    io.OnReadComponentData = [](TObject*, TStream* s, TComponent*) { s->SetPosition(0); };
    TMemoryStream stream;
    if (size) stream.WriteBuffer(data, static_cast<int32_t>(size));
    stream.SetPosition(0);
    try {
        io.Load(&stream);
        TMemoryStream out;
        io.Save(&out);
        io.SetTextOutput(true);
        io.Save(&out);
    } catch (const Exception&) {
    }
    return 0;
}

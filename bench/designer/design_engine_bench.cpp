// The designer engine on a layout of 1000 keys: selecting them all, moving them by one grid
// step with an arrow key, and undoing the move.
#include <benchmark/benchmark.h>

#include <string>

#include "components/surface/design_panel.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "keys/osk_keys.h"
#include "keys/palette_table.h"

namespace {
constexpr int kKeys = 1000;
constexpr uint32_t kRightArrow = 0x27;

struct KeyboardDesign {
    TWinControl form{nullptr};
    TELDesignPanel* panel = new TELDesignPanel(&form);
    HDesignPanel* surface = new HDesignPanel(&form);
    TELDesigner* designer = new TELDesigner(&form);

    KeyboardDesign() {
        RegisterLayoutClasses();
        panel->SetParent(&form);
        surface->SetBounds(0, 0, 1600, 1200);
        for (int i = 0; i < kKeys; ++i) {
            auto* key = new OSKKey(surface);
            key->SetName("Key" + std::to_string(i));
            key->SetParent(surface);
            key->SetBounds(8 + (i % 40) * 28, 8 + (i / 40) * 28, 25, 25);
            key->SetKeyLabel(std::string(1, static_cast<char>('A' + i % 26)));
        }
        designer->SetDesignControl(surface);
        designer->SetDesignPanel(panel);
        designer->SetActive(true);
    }
    void PressRight() {
        TInputEvent key;
        key.Kind = TInputKind::KeyDown;
        key.Key = kRightArrow;
        designer->DesignInput(*panel, key);
    }
};

KeyboardDesign& Design() {
    static KeyboardDesign design;
    return design;
}

void SelectAll(benchmark::State& state) {
    KeyboardDesign& design = Design();
    for (auto _ : state) {
        design.designer->GetSelectedControls()->Clear();
        design.designer->SelectAll();
    }
    state.counters["selected"] = design.designer->GetSelectedControls()->GetCount();
}
BENCHMARK(SelectAll)->Unit(benchmark::kMillisecond);

void MoveByOneStep(benchmark::State& state) {
    KeyboardDesign& design = Design();
    design.designer->SelectAll();
    for (auto _ : state) design.PressRight();
}
BENCHMARK(MoveByOneStep)->Unit(benchmark::kMillisecond);

void UndoTheMove(benchmark::State& state) {
    KeyboardDesign& design = Design();
    design.designer->SelectAll();
    for (auto _ : state) {
        state.PauseTiming();
        design.PressRight();
        state.ResumeTiming();
        design.designer->Undo();
    }
}
BENCHMARK(UndoTheMove)->Unit(benchmark::kMillisecond);
}  // namespace

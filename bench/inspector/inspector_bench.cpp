// The object inspector over 100 selected keys: showing their common properties, and reading
// every shown value again after a drag moved them all (what the designer does on each step).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "keys/osk_keys.h"
#include "support/inspector/object_inspector.h"

namespace {
constexpr int kKeys = 100;

struct TSelectedKeys {
    TSelectedKeys() {
        for (int i = 0; i < kKeys; ++i) {
            auto* key = new OSKKey(&root);
            key->SetName("Key" + std::to_string(i + 1));
            key->SetBounds((i % 10) * 40, (i / 10) * 40, 38, 38);
            key->SetCaption(std::string(1, static_cast<char>('A' + i % 26)));
            keys.push_back(key);
        }
    }
    TComponent root{nullptr};
    std::vector<TComponent*> keys;
};

void ShowCommonPropertiesOf100Keys(benchmark::State& state) {
    TSelectedKeys selected;
    TObjectInspector inspector(nullptr);
    for (auto _ : state) {
        inspector.SetControls(selected.keys);
        benchmark::DoNotOptimize(inspector.Grid().Rows().Visible().data());
        state.PauseTiming();
        inspector.SetControls(std::vector<TComponent*>{});
        state.ResumeTiming();
    }
    inspector.SetControls(selected.keys);
    state.counters["rows"] = static_cast<double>(inspector.Grid().Rows().Visible().size());
}
BENCHMARK(ShowCommonPropertiesOf100Keys)->Unit(benchmark::kMillisecond);

void UpdateValuesAfterMoving100Keys(benchmark::State& state) {
    TSelectedKeys selected;
    TObjectInspector inspector(nullptr);
    inspector.SetControls(selected.keys);
    inspector.SetFocusToProperty("Font.Color");  // a few sub-properties shown too
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++step;
        for (TComponent* key : selected.keys) {
            auto* control = static_cast<OSKKey*>(key);
            control->SetLeft(control->GetLeft() + (step % 2 ? 1 : -1));
        }
        state.ResumeTiming();
        inspector.UpdateValues();
    }
    state.counters["rows"] = static_cast<double>(inspector.Grid().Rows().Visible().size());
}
BENCHMARK(UpdateValuesAfterMoving100Keys)->Unit(benchmark::kMillisecond);
}  // namespace

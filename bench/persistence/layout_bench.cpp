// Throughput of the layout text form and load times, for a layout of 1000 keys.
#include <benchmark/benchmark.h>

#include <string>

#include "components/persistence/control_io.h"
#include "components/persistence/control_text.h"
#include "support/framework/stream.h"
#include "tests/persistence/layout_classes.h"

namespace {
constexpr int kKeys = 1000;

// A panel of kKeys keys on a form, and the control I/O component that saves and loads it.
struct KeyboardLayout {
    HTestForm form{nullptr};
    HDesignPanel* panel = new HDesignPanel(&form);
    HControlIO io{&form};

    KeyboardLayout() {
        RegisterLayoutTestClasses();
        panel->SetName("design");
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 1600, 1200);
        io.SetControl(panel);
        for (int i = 0; i < kKeys; ++i) {
            auto* key = new OSKKey(panel);
            key->SetName("Key" + std::to_string(i));
            key->SetParent(panel);
            key->SetBounds(8 + (i % 40) * 28, 8 + (i / 40) * 28, 25, 25);
            key->SetKeyLabel("K" + std::to_string(i));
            key->SetKeyCode(32 + i % 200);
        }
    }
    TMemoryStream Save(bool text) {
        TMemoryStream out;
        io.SetTextOutput(text);
        io.Save(&out);
        out.SetPosition(0);
        return out;
    }
};

KeyboardLayout& Layout() {
    static KeyboardLayout layout;
    return layout;
}

void TextToBinary(benchmark::State& state) {
    TMemoryStream text = Layout().Save(true);
    for (auto _ : state) {
        text.SetPosition(0);
        TMemoryStream binary;
        ParseControlText(text, binary);
        benchmark::DoNotOptimize(binary.Memory());
    }
    state.SetBytesProcessed(state.iterations() * text.GetSize());
}
BENCHMARK(TextToBinary)->Unit(benchmark::kMillisecond);

void BinaryToText(benchmark::State& state) {
    TMemoryStream binary = Layout().Save(false);
    for (auto _ : state) {
        binary.SetPosition(0);
        TMemoryStream text;
        RenderControlText(binary, text);
        benchmark::DoNotOptimize(text.Memory());
    }
    state.SetBytesProcessed(state.iterations() * binary.GetSize());
}
BENCHMARK(BinaryToText)->Unit(benchmark::kMillisecond);

void LoadLayout(benchmark::State& state, bool text) {
    TMemoryStream layout = Layout().Save(text);
    for (auto _ : state) {
        layout.SetPosition(0);
        Layout().io.Load(&layout);
    }
    state.SetBytesProcessed(state.iterations() * layout.GetSize());
    state.counters["keys"] = Layout().panel->ControlCount();
}
BENCHMARK_CAPTURE(LoadLayout, Text, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadLayout, Binary, false)->Unit(benchmark::kMillisecond);
}  // namespace

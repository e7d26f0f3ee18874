// A form with a design panel and a control I/O component, and helpers to read and write layouts.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "components/persistence/control_io.h"
#include "layout_classes.h"
#include "support/framework/stream.h"

inline std::string Bytes(const TMemoryStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }

inline void SetBytes(TMemoryStream& s, const std::string& bytes) {
    s.Clear();
    if (!bytes.empty()) s.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    s.SetPosition(0);
}

// One key as it appears at nesting level 1 of a layout text.
inline std::string KeyText(const std::string& name, int left, const std::string& label) {
    return "  object " + name + ": OSKKey\r\n"
           "    Left = " + std::to_string(left) + "\r\n"
           "    Top = 8\r\n"
           "    Width = 25\r\n"
           "    Height = 25\r\n"
           "    KeyLabel = '" + label + "'\r\n"
           "  end\r\n";
}

inline const char kPanelHeader[] =
    "object design: HDesignPanel\r\n"
    "  Left = 15\r\n"
    "  Top = 30\r\n"
    "  Width = 112\r\n"
    "  Height = 101\r\n"
    "end\r\n";

// The panel with the given key texts as its children.
inline std::string LayoutText(const std::string& children, int count) {
    return std::string(kPanelHeader) + "BEGIN " + std::to_string(count) + "\r\n" + children + "END\r\n";
}

inline std::string TwoKeyLayout() { return LayoutText(KeyText("KeyA", 8, "A") + KeyText("KeyB", 36, "B"), 2); }

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() {
        RegisterLayoutTestClasses();
        panel.SetName("design");
        panel.SetParent(&form);
        io.SetControl(&panel);
    }

    void LoadText(const std::string& text) {
        TMemoryStream s;
        SetBytes(s, text);
        io.Load(&s);
    }
    void LoadBytes(const std::string& bytes) { LoadText(bytes); }

    std::string SaveText() {
        TMemoryStream s;
        const bool saved = io.GetTextOutput();
        io.SetTextOutput(true);
        io.Save(&s);
        io.SetTextOutput(saved);
        return Bytes(s);
    }
    std::string SaveBinary() {
        TMemoryStream s;
        const bool saved = io.GetTextOutput();
        io.SetTextOutput(false);
        io.Save(&s);
        io.SetTextOutput(saved);
        return Bytes(s);
    }

    OSKKey* Key(int index) { return dynamic_cast<OSKKey*>(panel.Controls(index)); }

    HTestForm form{nullptr};
    HDesignPanel panel{&form};
    HControlIO io{&form};
};

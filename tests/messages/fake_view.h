// A message window that records what is done to it.
#pragma once
#include "components/visual/messages/message_center.h"

struct TFakeViewState {
    bool Exists = false;
    bool Visible = false;
    bool Minimized = false;
    int Creates = 0;
    int Shows = 0;
    int Refreshes = 0;
    int OptionUpdates = 0;
    void* Owner = nullptr;
};

class TFakeView : public HiMessageView {
public:
    explicit TFakeView(TFakeViewState& state) : s_(state) {}
    bool Exists() const override { return s_.Exists; }
    void Create(void* owner) override {
        s_.Exists = true;
        s_.Visible = false;
        s_.Owner = owner;
        ++s_.Creates;
    }
    void Destroy() override { s_.Exists = s_.Visible = false; }
    void Show() override {
        s_.Visible = true;
        s_.Minimized = false;
        ++s_.Shows;
    }
    void Hide() override { s_.Visible = false; }
    void Minimize() override { s_.Minimized = true; }
    bool Visible() const override { return s_.Visible; }
    void Refresh() override { ++s_.Refreshes; }
    void ApplyOptions() override { ++s_.OptionUpdates; }

private:
    TFakeViewState& s_;
};

// What a design panel asks of its window beyond what every control's window does.
#pragma once

class HDesignPanelWindow {
public:
    virtual ~HDesignPanelWindow() = default;
    // Repaints the frame around the client area.
    virtual void FrameChanged() = 0;
};

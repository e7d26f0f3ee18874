// Up and down arrows beside an edit whose text is the position. Positions are 16-bit, as the
// window keeps them; Min, Max and Position are brought into that range, Position into Min..Max.
#pragma once
#include "support/framework/win_control.h"

class TUpDown : public TWinControl {
    PENDREL_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;

    int GetMin() const { return min_; }
    void SetMin(int value);
    int GetMax() const { return max_; }
    void SetMax(int value);
    int GetIncrement() const { return increment_; }
    void SetIncrement(int value);
    // With an associate, the associate's text as the user left it, clamped to Min..Max; text
    // that is no number gives the last position set.
    int GetPosition() const;
    void SetPosition(int value);

    // The edit beside which the arrows sit and whose text they step.
    TWinControl* GetAssociate() const { return associate_; }
    void SetAssociate(TWinControl* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    int Clamp(int value) const;
    void ShowPosition();

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    TWinControl* associate_ = nullptr;
};

// The integer a text stands for, saturated to the 16-bit range; false for text that is no
// decimal integer (blanks around it are allowed).
bool ParseUpDownText(const std::string& text, int& value);

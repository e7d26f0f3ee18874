// The keyboard's shared record as another process sees it: runtime window, target window,
// keyboard layout, command and two parameters, 32 bits each.
#pragma once
#include <windows.h>

#include <cstdint>

class TSharedRecord {
public:
    enum Field : int { RuntimeWindow = 0, TargetWindow = 4, Layout = 8, Command = 12 };

    TSharedRecord() = default;
    ~TSharedRecord();
    TSharedRecord(const TSharedRecord&) = delete;
    TSharedRecord& operator=(const TSharedRecord&) = delete;

    // Opens the record made by a running keyboard; false when there is none.
    bool Open();
    bool IsOpen() const { return view_ != nullptr; }
    uint32_t Read(Field field) const;
    void Write(Field field, uint32_t value);

private:
    void Close();

    HANDLE mapping_ = nullptr;
    volatile uint32_t* view_ = nullptr;
};

// Window handles are 32-bit values in the record.
inline uint32_t HandleValue(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

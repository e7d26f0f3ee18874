// The record the runtime shares with its layout hook in other processes, and the
// process's handle on it.
#pragma once
#include <windows.h>

#include <cstdint>

// Fields are single aligned 32-bit values, read and written whole (volatile access),
// as the hook runs concurrently in threads of other processes.
struct OSKSharedData {
    volatile uint32_t RuntimeWindow;  // destination of WM_OSK_LAYOUTCHANGED
    volatile uint32_t TargetWindow;   // 0: none; the hook acts only in this window's thread
    volatile uint32_t Layout;         // keyboard layout of the target
    volatile uint32_t Command;        // 0 none, 1 switch the target to its next layout
    volatile uint32_t Param1;
    volatile uint32_t Param2;
};
static_assert(sizeof(OSKSharedData) == 24, "the record's size is fixed by the hook library");

inline constexpr char kSharedDataName[] = "Lumivex_OSK_Data";
inline constexpr uint32_t kHookCommandNone = 0;
inline constexpr uint32_t kHookCommandNextLayout = 1;

// Window and layout handles carry only 32 significant bits, also in 64-bit processes,
// so they are truncated when written and sign-extended when read.
inline uint32_t HandleToField(const void* handle) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
}
inline void* FieldToHandle(uint32_t field) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(static_cast<int32_t>(field)));
}
inline HWND FieldToWindow(uint32_t field) {
    return static_cast<HWND>(FieldToHandle(field));
}
inline HKL FieldToLayout(uint32_t field) {
    return static_cast<HKL>(FieldToHandle(field));
}

class TSharedBlock {
public:
    TSharedBlock() = default;
    TSharedBlock(const TSharedBlock&) = delete;
    TSharedBlock& operator=(const TSharedBlock&) = delete;
    ~TSharedBlock() { Close(); }

    // Creates or opens the named mapping and its access event "<name>_Access".
    bool Open(uint32_t size = sizeof(OSKSharedData), const char* name = kSharedDataName);
    void Close();
    bool IsOpen() const { return view_ != nullptr; }
    OSKSharedData* Data() const { return view_; }

    // The access bracket. The event is manual-reset and stays signalled, so waits return at
    // once; they are bounded all the same, since any process may reset a named event.
    void Wait();
    bool WaitFor(uint32_t milliseconds);
    void Signal();

private:
    bool CreateAccessEvent(const char* name);
    bool MapRecord(uint32_t size, const char* name);

    HANDLE mapping_ = nullptr;
    HANDLE accessEvent_ = nullptr;
    OSKSharedData* view_ = nullptr;
};

// The process's own block.
TSharedBlock& SharedBlock();

// Waits for access on construction, gives it back on destruction.
class TSharedAccess {
public:
    explicit TSharedAccess(TSharedBlock& block) : block_(block) { block_.Wait(); }
    ~TSharedAccess() { block_.Signal(); }
    TSharedAccess(const TSharedAccess&) = delete;
    TSharedAccess& operator=(const TSharedAccess&) = delete;
    OSKSharedData* operator->() const { return block_.Data(); }

private:
    TSharedBlock& block_;
};

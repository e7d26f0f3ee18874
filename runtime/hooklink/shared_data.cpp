#include "runtime/hooklink/shared_data.h"

#include <cstring>

namespace {

// Long enough for any honest holder of the record, short enough not to freeze a window.
constexpr DWORD kAccessWaitMs = 1000;

}  // namespace

bool TSharedBlock::Open(uint32_t size, const char* name) {
    Close();
    if (size < sizeof(OSKSharedData) || name == nullptr) return false;
    if (!CreateAccessEvent(name) || !MapRecord(size, name)) {
        Close();
        return false;
    }
    return true;
}

bool TSharedBlock::CreateAccessEvent(const char* name) {
    static constexpr char kSuffix[] = "_Access";
    char eventName[MAX_PATH];
    size_t length = strnlen(name, sizeof eventName);
    if (length + sizeof kSuffix > sizeof eventName) return false;
    std::memcpy(eventName, name, length);
    std::memcpy(eventName + length, kSuffix, sizeof kSuffix);
    accessEvent_ = CreateEventA(nullptr, TRUE, TRUE, eventName);
    return accessEvent_ != nullptr;
}

bool TSharedBlock::MapRecord(uint32_t size, const char* name) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
    if (mapping_ == nullptr) return false;
    view_ = static_cast<OSKSharedData*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, size));
    return view_ != nullptr;
}

void TSharedBlock::Close() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
    if (mapping_ != nullptr) CloseHandle(mapping_);
    if (accessEvent_ != nullptr) CloseHandle(accessEvent_);
    view_ = nullptr;
    mapping_ = nullptr;
    accessEvent_ = nullptr;
}

void TSharedBlock::Wait() {
    WaitFor(kAccessWaitMs);
}

bool TSharedBlock::WaitFor(uint32_t milliseconds) {
    if (accessEvent_ == nullptr) return true;
    return WaitForSingleObject(accessEvent_, milliseconds) == WAIT_OBJECT_0;
}

void TSharedBlock::Signal() {
    if (accessEvent_ != nullptr) SetEvent(accessEvent_);
}

namespace {
// At namespace scope rather than function scope: a guarded local would bring the C++
// runtime's thread support into the hook library.
TSharedBlock gBlock;
}  // namespace

TSharedBlock& SharedBlock() {
    return gBlock;
}

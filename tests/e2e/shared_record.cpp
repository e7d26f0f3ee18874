#include "shared_record.h"

namespace {
constexpr wchar_t kRecordName[] = L"Lumivex_OSK_Data";
constexpr SIZE_T kRecordSize = 24;
}  // namespace

TSharedRecord::~TSharedRecord() { Close(); }

bool TSharedRecord::Open() {
    Close();
    mapping_ = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kRecordName);
    if (!mapping_) return false;
    view_ = static_cast<volatile uint32_t*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kRecordSize));
    if (view_) return true;
    Close();
    return false;
}

uint32_t TSharedRecord::Read(Field field) const { return view_[field / 4]; }

void TSharedRecord::Write(Field field, uint32_t value) { view_[field / 4] = value; }

void TSharedRecord::Close() {
    if (view_) UnmapViewOfFile(const_cast<uint32_t*>(view_));
    if (mapping_) CloseHandle(mapping_);
    view_ = nullptr;
    mapping_ = nullptr;
}

// The layout hook, running inside the target, puts the target's layout back into the shared
// record when the record says otherwise.
#include "keyboard_fixture.h"
#include "waiting.h"

using LayoutHook = KeyboardTest;

TEST_F(LayoutHook, TargetsLayoutReplacesAWrongOneInTheRecord) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    const DWORD targetThread = GetWindowThreadProcessId(target.Window(), nullptr);
    const uint32_t targetLayout = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(GetKeyboardLayout(targetThread)));
    ASSERT_TRUE(WaitUntil([&] { return record.Read(TSharedRecord::Layout) == targetLayout; }, 3000))
        << std::hex << record.Read(TSharedRecord::Layout) << " instead of " << targetLayout;

    const uint32_t wrongLayout = targetLayout ^ 0x00010000u;
    record.Write(TSharedRecord::Layout, wrongLayout);
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(target.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored));
    EXPECT_TRUE(WaitUntil([&] { return record.Read(TSharedRecord::Layout) == targetLayout; }, 3000))
        << std::hex << record.Read(TSharedRecord::Layout) << " instead of " << targetLayout;
    EXPECT_EQ(record.Read(TSharedRecord::TargetWindow), HandleValue(target.Window()));
}

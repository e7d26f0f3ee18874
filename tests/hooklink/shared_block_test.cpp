#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "runtime/hooklink/shared_data.h"

namespace {

std::string UniqueName(const char* what) {
    return std::string("HookLinkTest_") + what + "_" + std::to_string(GetCurrentProcessId());
}

HANDLE OpenAccessEvent(const std::string& name) {
    return OpenEventA(EVENT_ALL_ACCESS, FALSE, (name + "_Access").c_str());
}

}  // namespace

TEST(SharedRecord, FieldsSitAtTheirByteOffsets) {
    EXPECT_EQ(offsetof(OSKSharedData, RuntimeWindow), 0u);
    EXPECT_EQ(offsetof(OSKSharedData, TargetWindow), 4u);
    EXPECT_EQ(offsetof(OSKSharedData, Layout), 8u);
    EXPECT_EQ(offsetof(OSKSharedData, Command), 12u);
    EXPECT_EQ(offsetof(OSKSharedData, Param1), 16u);
    EXPECT_EQ(offsetof(OSKSharedData, Param2), 20u);
}

TEST(SharedRecord, FieldsAreLittleEndianInTheMapping) {
    TSharedBlock block;
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), UniqueName("endian").c_str()));
    block.Data()->Layout = 0x04030201;
    block.Data()->Param2 = 0xA1B2C3D4;
    const auto* bytes = reinterpret_cast<const unsigned char*>(block.Data());
    EXPECT_EQ(bytes[8], 0x01);
    EXPECT_EQ(bytes[11], 0x04);
    EXPECT_EQ(bytes[20], 0xD4);
    EXPECT_EQ(bytes[23], 0xA1);
}

TEST(SharedRecord, HandlesAreTruncatedOnWriteAndSignExtendedOnRead) {
    auto wide = reinterpret_cast<HKL>(static_cast<intptr_t>(static_cast<int32_t>(0xF0020409u)));
    EXPECT_EQ(HandleToField(wide), 0xF0020409u);
    EXPECT_EQ(FieldToLayout(0xF0020409u), wide);
    EXPECT_EQ(FieldToWindow(0x00010203u), reinterpret_cast<HWND>(static_cast<intptr_t>(0x00010203)));
    EXPECT_EQ(FieldToWindow(0), nullptr);
}

TEST(SharedBlock, OpensWithANewRecordFilledWithZeros) {
    TSharedBlock block;
    EXPECT_FALSE(block.IsOpen());
    EXPECT_EQ(block.Data(), nullptr);
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), UniqueName("zeros").c_str()));
    EXPECT_TRUE(block.IsOpen());
    OSKSharedData zeros{};
    EXPECT_EQ(std::memcmp(const_cast<OSKSharedData*>(block.Data()), &zeros, sizeof zeros), 0);
}

TEST(SharedBlock, CloseUnmapsTheRecord) {
    TSharedBlock block;
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), UniqueName("close").c_str()));
    block.Close();
    EXPECT_FALSE(block.IsOpen());
    EXPECT_EQ(block.Data(), nullptr);
    block.Close();
    EXPECT_FALSE(block.IsOpen());
}

TEST(SharedBlock, ReopeningUnderAnotherNameLeavesTheFirstRecord) {
    TSharedBlock first;
    TSharedBlock block;
    ASSERT_TRUE(first.Open(sizeof(OSKSharedData), UniqueName("first").c_str()));
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), UniqueName("first").c_str()));
    first.Data()->Command = 7;
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), UniqueName("second").c_str()));
    EXPECT_EQ(block.Data()->Command, 0u);
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), UniqueName("first").c_str()));
    EXPECT_EQ(block.Data()->Command, 7u);
}

TEST(SharedBlock, RefusesARecordTooSmallOrWithoutName) {
    TSharedBlock block;
    EXPECT_FALSE(block.Open(sizeof(OSKSharedData) - 1, UniqueName("small").c_str()));
    EXPECT_FALSE(block.Open(sizeof(OSKSharedData), nullptr));
    EXPECT_FALSE(block.IsOpen());
}

TEST(SharedBlock, FailsWhenTheNameBelongsToAnotherKindOfObject) {
    std::string name = UniqueName("taken");
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(mutex, nullptr);
    TSharedBlock block;
    EXPECT_FALSE(block.Open(sizeof(OSKSharedData), name.c_str()));
    EXPECT_FALSE(block.IsOpen());
    CloseHandle(mutex);
}

TEST(SharedBlock, TwoBlocksOfOneNameShareTheRecord) {
    TSharedBlock runtime;
    TSharedBlock hook;
    std::string name = UniqueName("pair");
    ASSERT_TRUE(runtime.Open(sizeof(OSKSharedData), name.c_str()));
    ASSERT_TRUE(hook.Open(sizeof(OSKSharedData), name.c_str()));
    EXPECT_NE(runtime.Data(), hook.Data());
    runtime.Data()->TargetWindow = 0x1234;
    EXPECT_EQ(hook.Data()->TargetWindow, 0x1234u);
    hook.Data()->Layout = 0x04090409;
    EXPECT_EQ(runtime.Data()->Layout, 0x04090409u);
}

TEST(SharedBlock, CreatesItsAccessEventSignalled) {
    TSharedBlock block;
    std::string name = UniqueName("event");
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), name.c_str()));
    HANDLE event = OpenAccessEvent(name);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);
}

TEST(SharedBlock, SharedBlockIsOneObjectPerProcess) {
    EXPECT_EQ(&SharedBlock(), &SharedBlock());
}

TEST(SharedAccess, BracketLeavesTheEventSignalledForTheNext) {
    TSharedBlock block;
    std::string name = UniqueName("bracket");
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), name.c_str()));
    HANDLE event = OpenAccessEvent(name);
    ASSERT_NE(event, nullptr);
    {
        TSharedAccess record(block);
        record->Command = 1;
        record->Param1 = 2;
    }
    EXPECT_EQ(block.Data()->Command, 1u);
    EXPECT_EQ(block.Data()->Param1, 2u);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);
}

TEST(SharedAccess, BracketSignalsAnEventThatWasReset) {
    TSharedBlock block;
    std::string name = UniqueName("reset");
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), name.c_str()));
    HANDLE event = OpenAccessEvent(name);
    ASSERT_NE(event, nullptr);
    ResetEvent(event);
    DWORD start = GetTickCount();
    { TSharedAccess record(block); }
    EXPECT_LT(GetTickCount() - start, 3000u) << "a reset event must not hang the bracket";
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);
}

TEST(SharedAccess, WaitForGivesUpAfterItsTimeOut) {
    TSharedBlock block;
    std::string name = UniqueName("timeout");
    ASSERT_TRUE(block.Open(sizeof(OSKSharedData), name.c_str()));
    HANDLE event = OpenAccessEvent(name);
    ResetEvent(event);
    EXPECT_FALSE(block.WaitFor(20));
    block.Signal();
    EXPECT_TRUE(block.WaitFor(0));
    CloseHandle(event);
}

TEST(SharedAccess, AClosedBlockNeitherWaitsNorSignals) {
    TSharedBlock block;
    EXPECT_TRUE(block.WaitFor(0));
    block.Signal();
    EXPECT_FALSE(block.IsOpen());
}

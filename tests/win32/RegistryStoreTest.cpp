// The profile in the user's registry: round trips of each type, missing and mistyped entries.
#include "platform/win32/RegistryStore.h"

#include <gtest/gtest.h>

#include "platform/win32/WindowsApi.h"

namespace {

using platform::win32::RegistryStore;

// A key of its own under HKEY_CURRENT_USER, removed before and after.
class RegistryStoreTest : public testing::Test {
  protected:
    static constexpr const wchar_t* kKey = L"Software\\Quellrix-Test\\RegistryStore";
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    RegistryStore store_{kKey};
};

TEST_F(RegistryStoreTest, ValuesRoundTripAndAreTyped) {
    EXPECT_EQ(store_.ReadString("Recent File List", "File1"), std::nullopt);
    for (const char* text : {"", "C:\\Daten\\Prüfung ä.qrx", "ß€𝄞"}) {
        ASSERT_TRUE(store_.WriteString("Recent File List", "File1", text));
        EXPECT_EQ(store_.ReadString("Recent File List", "File1"), text);
    }
    ASSERT_TRUE(store_.WriteNumber("Settings", "PreviewPages", 2));
    EXPECT_EQ(store_.ReadNumber("Settings", "PreviewPages"), 2u);
    const std::vector<std::uint8_t> bytes{0, 1, 2, 255};
    ASSERT_TRUE(store_.WriteBinary("Settings", "DevMode", bytes));
    EXPECT_EQ(store_.ReadBinary("Settings", "DevMode"), bytes);
    // Another type than asked for reads as missing.
    EXPECT_EQ(store_.ReadString("Settings", "PreviewPages"), std::nullopt);
    EXPECT_EQ(store_.ReadNumber("Settings", "DevMode"), std::nullopt);
    EXPECT_EQ(store_.ReadBinary("Recent File List", "File1"), std::nullopt);
}

TEST_F(RegistryStoreTest, RemoveIsIdempotent) {
    EXPECT_TRUE(store_.Remove("Nowhere", "File1"));
    ASSERT_TRUE(store_.WriteString("Recent File List", "File2", "a.qrx"));
    EXPECT_TRUE(store_.Remove("Recent File List", "File2"));
    EXPECT_TRUE(store_.Remove("Recent File List", "File2"));
    EXPECT_EQ(store_.ReadString("Recent File List", "File2"), std::nullopt);
}

}  // namespace

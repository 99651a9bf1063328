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
    RegistryStore m_store{kKey};
};

TEST_F(RegistryStoreTest, ValuesRoundTripAndAreTyped) {
    EXPECT_EQ(m_store.ReadString("Recent File List", "File1"), std::nullopt);
    for (const char* text : {"", "C:\\Daten\\Prüfung ä.qrx", "ß€𝄞"}) {
        ASSERT_TRUE(m_store.WriteString("Recent File List", "File1", text));
        EXPECT_EQ(m_store.ReadString("Recent File List", "File1"), text);
    }
    ASSERT_TRUE(m_store.WriteNumber("Settings", "PreviewPages", 2));
    EXPECT_EQ(m_store.ReadNumber("Settings", "PreviewPages"), 2u);
    const std::vector<std::uint8_t> bytes{0, 1, 2, 255};
    ASSERT_TRUE(m_store.WriteBinary("Settings", "DevMode", bytes));
    EXPECT_EQ(m_store.ReadBinary("Settings", "DevMode"), bytes);
    // Another type than asked for reads as missing.
    EXPECT_EQ(m_store.ReadString("Settings", "PreviewPages"), std::nullopt);
    EXPECT_EQ(m_store.ReadNumber("Settings", "DevMode"), std::nullopt);
    EXPECT_EQ(m_store.ReadBinary("Recent File List", "File1"), std::nullopt);
}

TEST_F(RegistryStoreTest, RemoveIsIdempotent) {
    EXPECT_TRUE(m_store.Remove("Nowhere", "File1"));
    ASSERT_TRUE(m_store.WriteString("Recent File List", "File2", "a.qrx"));
    EXPECT_TRUE(m_store.Remove("Recent File List", "File2"));
    EXPECT_TRUE(m_store.Remove("Recent File List", "File2"));
    EXPECT_EQ(m_store.ReadString("Recent File List", "File2"), std::nullopt);
}

}  // namespace

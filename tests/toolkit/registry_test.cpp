#include "toolkit/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// A real key under HKEY_CURRENT_USER\Software, deleted afterwards.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    store_ = "ZR780K Tests\\Position " + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, PositionKeyPath(store_).c_str());
  }
  void TearDown() override {
    // Only this process's key: other test processes may run side by side.
    RegDeleteTreeA(HKEY_CURRENT_USER, PositionKeyPath(store_).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZR780K Tests");  // fails while others use it
  }
  void WriteRaw(const char* name, const void* data, DWORD size, DWORD type) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, PositionKeyPath(store_).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  std::string store_;
};

TEST_F(RegistryTest, SavedPositionIsFourDwordsThatLoadBack) {
  EXPECT_EQ(PositionKeyPath("Acme\\Editor"), "Software\\Acme\\Editor");
  TWindowPlace saved{-20, 15, 1500, 936};
  ASSERT_TRUE(SavePositionToRegistry(store_, saved));

  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, PositionKeyPath(store_).c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS);
  for (auto [name, expected] : {std::pair{"Left", -20}, {"Top", 15}, {"Height", 936},
                                {"Width", 1500}}) {
    DWORD type = 0, data = 0, size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << name;
    EXPECT_EQ(size, 4u) << name;
    EXPECT_EQ(static_cast<int32_t>(data), expected) << name;
  }
  RegCloseKey(key);

  TWindowPlace loaded{1, 2, 3, 4};
  EXPECT_TRUE(LoadPositionFromRegistry(store_, loaded));
  EXPECT_EQ(loaded.Left, -20);
  EXPECT_EQ(loaded.Top, 15);
  EXPECT_EQ(loaded.Width, 1500);
  EXPECT_EQ(loaded.Height, 936);

  // Saving again overwrites in place.
  ASSERT_TRUE(SavePositionToRegistry(store_, TWindowPlace{5, 6, 7, 8}));
  EXPECT_TRUE(LoadPositionFromRegistry(store_, loaded));
  EXPECT_EQ(loaded.Left, 5);
  EXPECT_EQ(loaded.Height, 8);
}

TEST_F(RegistryTest, MissingKeyOrValuesLeaveThePlaceUnchanged) {
  TWindowPlace place{10, 20, 300, 400};
  EXPECT_FALSE(LoadPositionFromRegistry(store_, place));
  EXPECT_EQ(place.Left, 10);
  EXPECT_EQ(place.Top, 20);
  EXPECT_EQ(place.Width, 300);
  EXPECT_EQ(place.Height, 400);

  // Only "Left" and "Top": the size stays.
  DWORD left = 77, top = 88;
  WriteRaw("Left", &left, 4, REG_DWORD);
  WriteRaw("Top", &top, 4, REG_DWORD);
  EXPECT_TRUE(LoadPositionFromRegistry(store_, place));
  EXPECT_EQ(place.Left, 77);
  EXPECT_EQ(place.Top, 88);
  EXPECT_EQ(place.Width, 300);
  EXPECT_EQ(place.Height, 400);

  // A value too short or too long for 4 bytes is not taken.
  WORD shortValue = 5;
  WriteRaw("Width", &shortValue, 2, REG_BINARY);
  WriteRaw("Height", "a long text value", 18, REG_SZ);
  EXPECT_TRUE(LoadPositionFromRegistry(store_, place));
  EXPECT_EQ(place.Width, 300);
  EXPECT_EQ(place.Height, 400);
}

}  // namespace

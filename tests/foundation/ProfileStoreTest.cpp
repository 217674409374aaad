#include <gtest/gtest.h>

#include "RegistryScope.h"
#include "InProcess.h"

using nuvari::test::ReadRegistryValue;
using nuvari::test::RegistryKeyExists;
using nuvari::test::RegistryScope;

class ProfileStore : public ::testing::Test {
 protected:
  RegistryScope registry;
  nuvari::test::TestApp app;
};

TEST_F(ProfileStore, TitleComesFromTheResources) { EXPECT_EQ(app.m_strAppName, "Nuvari"); }

TEST_F(ProfileStore, AReadCreatesTheKeyChain) {
  ASSERT_FALSE(RegistryKeyExists(RegistryScope::kMakerKey));
  EXPECT_EQ(app.GetProfileString("FreeCell", "Path", "fallback"), "fallback");
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kFreeCell));
  EXPECT_EQ(app.GetProfileInt("Window size", "icon", -7), -7);
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kWindowSize));
}

TEST_F(ProfileStore, TextIsRegSzWithItsZeroAndDeletingRemovesIt) {
  app.WriteProfileString("FreeCell", "GameNo", "123");
  auto value = ReadRegistryValue(RegistryScope::kFreeCell, "GameNo");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value->bytes, std::string("123\0", 4));
  app.WriteProfileString("FreeCell", "GameNo", nullptr);
  EXPECT_FALSE(ReadRegistryValue(RegistryScope::kFreeCell, "GameNo"));
}

TEST_F(ProfileStore, IntegersAreRegDwordAndReadBack) {
  app.WriteProfileInt("Window size", "max", -1);
  auto value = ReadRegistryValue(RegistryScope::kWindowSize, "max");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value->bytes, std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(app.GetProfileInt("Window size", "max", 5), -1);
}

TEST_F(ProfileStore, LongTextsAreReadWhole) {
  // Longer than any fixed buffer a reader might use, with double-byte characters at the end.
  const std::string longText = std::string(600, 'x') + "フリーセル";
  app.WriteProfileString("FreeCell", "Path", longText.c_str());
  EXPECT_EQ(app.GetProfileString("FreeCell", "Path"), longText);
}

TEST_F(ProfileStore, NonTextValuesAreTakenAsTheirBytes) {
  nuvari::test::WriteRegistryDword(RegistryScope::kFreeCell, "Path", 0x00636261);  // "abc\0"
  EXPECT_EQ(app.GetProfileString("FreeCell", "Path"), "abc");
}

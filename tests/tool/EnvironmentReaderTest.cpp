// The reader's rules on section texts as the platform hands them over ("key=value", each line
// ended by a zero): names, duplicates, quotes and blanks, numbers, the pending list and the checks
// that refuse a file.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "EnvironmentReader.h"

namespace {

using Strings = std::vector<std::string>;

std::string SectionText(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\0';
  return text;
}

ProfileSection Section(std::initializer_list<std::string> lines) { return ProfileSection(SectionText(lines)); }

// The first of equal names wins whatever their case; double-byte names compare exactly: 83 41 (ア)
// and 83 61 (ャ) differ only in a trail byte that looks like a letter.
TEST(ProfileSection, NamesCompareWithoutCaseButDoubleByteOnesExactly) {
  const ProfileSection section =
      Section({"DUP=1", "Dup=2", "dup=3", "Path=a", "path=b", "PATH=c", "\x83\x41=4", "\x83\x61=5", "表A=6"});
  EXPECT_EQ(section.Size(), 5u);
  EXPECT_EQ((std::vector{section.Find("dup"), section.Find("pAtH"), section.Find("\x83\x41"), section.Find("\x83\x61"),
                         section.Find("表a")}),
            (std::vector<std::optional<std::string>>{"1", "a", "4", "5", "6"}));
}

TEST(ProfileSection, BlanksAndOnePairOfQuotesAreStripped) {
  const struct {
    const char* line;
    const char* value;
  } rows[] = {
      {"Q=\"x\"", "x"},        {"Q='x'", "x"},         {"Q=\"x", "\"x"},   {"Q=x\"", "x\""},
      {"Q=\"x'", "\"x'"},      {"Q=\"\"x\"\"", "\"x\""}, {"Q=\" y \"", " y "}, {"Q=\"", "\""},
      {"Q= \t v w \t ", "v w"}, {"Q=\"\"", ""},          {"Q=a=b", "a=b"},   {" Q \t= 5", "5"},
      {"Q=ソ\"", "ソ\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(Section({row.line}).Find("Q"), row.value);
  }
}

TEST(ProfileSection, LinesWithoutANameOrAnEqualsSignAreNoEntries) {
  const ProfileSection section = Section({"NoEq", "=novalue", "  =x", "Empty="});
  EXPECT_EQ((std::vector{section.Find("NoEq"), section.Find(""), section.Find("Empty")}),
            (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt, ""}));
  EXPECT_EQ((Strings{section.Text("Missing", "default"), section.Text("Empty", "default")}), (Strings{"default", ""}));
}

TEST(ProfileSection, NumbersAreLeadingSignedDecimals) {
  const ProfileSection section =
      Section({"a=12abc", "b= -5", "c=abc", "d=0x10", "e=99999999999", "f=", "g=\"7\""});
  std::vector<std::int32_t> numbers;
  for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "missing"}) numbers.push_back(section.Int(name, 9));
  // f: an empty value takes the default, as the platform's integer read does.
  EXPECT_EQ(numbers, (std::vector<std::int32_t>{12, -5, 0, 0, INT32_MAX, 9, 7, 9}));
}

// Mended: a section short enough to live inside its string object lost its entries when it was
// moved (as every import moves the sections it read); a copy pointed into the original.
TEST(ProfileSection, KeepsItsEntriesWhenMovedOrCopied) {
  EnvironmentSections sections;
  sections.windowSize = Section({"max=1"});
  EXPECT_EQ(sections.windowSize.Int("max", 0), 1);
  ProfileSection copy = sections.windowSize;
  sections.windowSize = Section({"max=2"});
  EXPECT_EQ(copy.Int("max", 0), 1);
  EXPECT_EQ(sections.windowSize.Int("max", 0), 2);
}

// Folders where FreeCell is nowhere, and every path names nothing.
nuvari::FolderQueries NoFreeCell() {
  return {[] { return std::optional<std::string>("C:\\WINDOWS"); },
          [] { return std::optional<std::string>("C:\\WINDOWS\\SYSTEM"); }, [](const std::string&) { return false; }};
}

bool Read(EnvironmentRecord& record, std::initializer_list<std::string> settings) {
  EnvironmentSections sections;
  sections.freeCell = Section(settings);
  return ReadEnvironment(sections, record, false, NoFreeCell());
}

TEST(ReadEnvironment, PendingListEndsAtItsFirstGapAndMayHoldAHundredEntries) {
  EnvironmentRecord record;
  ASSERT_TRUE(Read(record, {"Path=x", "IdleRow=0", "AutoExit=1", "pending0=5", "PENDING1=-7", "Pending01=8",
                            "Pending3=9"}));
  EXPECT_EQ(record.Pending, (std::vector<std::int32_t>{5, -7})) << "Pending01 is not Pending1's name";
  ASSERT_TRUE(Read(record, {"Path=x", "IdleRow=0", "AutoExit=1", "Pending2=5", "Pending1=-7", "Pending0=8"}));
  EXPECT_EQ(record.Pending, (std::vector<std::int32_t>{8, -7, 5})) << "in the order of the names";

  std::string lines = SectionText({"Path=x", "IdleRow=0", "AutoExit=1"});
  for (int i = 0; i < 100; ++i) lines += "Pending" + std::to_string(i) + "=" + std::to_string(i + 1) + '\0';
  EnvironmentSections sections;
  sections.freeCell = ProfileSection(lines);
  ASSERT_TRUE(ReadEnvironment(sections, record, false, NoFreeCell()));
  EXPECT_EQ(record.Pending.size(), 100u);

  // Mended: 200,000 entries were imported (and read one quadratic lookup at a time); the
  // supervisor never writes more than 100.
  sections.freeCell = ProfileSection(lines + "Pending100=0" + '\0');
  EXPECT_FALSE(ReadEnvironment(sections, record, false, NoFreeCell()));
}

// Mended: a GameNo outside 1..32000 was imported as it was, and FreeCell refused it later.
TEST(ReadEnvironment, GameNoBecomesTheNearestDeal) {
  const struct {
    const char* line;
    std::int32_t gameNo;
  } rows[] = {{"GameNo=0", 1},         {"GameNo=-5", 1},         {"GameNo=  -5", 1},      {"GameNo=abc", 1},
              {"GameNo=12abc", 12},    {"GameNo=40000", 32000},  {"Other=1", 1},          {"GameNo=", 1},
              {"GameNo=+31999", 31999}, {"GameNo=617", 617}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EnvironmentRecord record;
    ASSERT_TRUE(Read(record, {"Path=x", "IdleRow=0", "AutoExit=1", row.line, "Pending0=40000"}));
    EXPECT_EQ(record.GameNo, row.gameNo);
    EXPECT_EQ(record.Pending, (std::vector<std::int32_t>{40000})) << "travels as a 0 does; the supervisor skips it";
  }
}

}  // namespace

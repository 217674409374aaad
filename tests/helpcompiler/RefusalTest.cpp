// What the compiler refuses, each with the file and line of the fault, and that a refusal leaves
// no new help file behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "HelpCompiler.h"

namespace {

struct Refusal {
  int line;
  const char8_t* topics;
  const char* map;
  const char* message;  // the first message, as printed
};

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

const char8_t kTitle[] = u8"@title Test\n";

TEST(HelpCompilerRefusal, EachFaultIsNamedWithItsFileAndLine) {
  const Refusal rows[] = {
      {__LINE__, u8"=== A | a\n[[b|NOPE]]\n", "", "t.topics:3: jump to unknown context id NOPE"},
      {__LINE__, u8"=== A | a\n@button b | NOPE\n", "", "t.topics:3: button to unknown context id NOPE"},
      {__LINE__, u8"=== A | a\n=== B A | b\n", "", "t.topics:3: context id A is already the topic at line 2"},
      {__LINE__, u8"=== A | a\n", "A 1\nB 5\n", "t.hm:2: B 0x5 is mapped, but no topic has that id"},
      {__LINE__, u8"=== A B | a\n", "A 7\nB 0x7\n", "t.hm:2: 0x7 is already mapped to A at line 1"},
      {__LINE__, u8"=== A | a\n", "A 1\nA 2\n", "t.hm:2: A is already mapped at line 1"},
      {__LINE__, u8"=== A | a\nnaïve\n", "", "t.topics:3: code page 932 cannot hold \"\xC3\xAF\""  /* the UTF-8 of the source */},
      {__LINE__, u8"=== A | a\n\xff\n", "", "t.topics:3: the text is not UTF-8"},
      {__LINE__, u8"=== A | a\none\ttwo\n", "", "t.topics:3: a control character (such as a tab) cannot be shown; use spaces"},
      {__LINE__, u8"=== A-B | a\n", "", "t.topics:2: context id \"A-B\" may hold only A-Z, a-z, 0-9, '.' and '_'"},
      {__LINE__, u8"=== abc | a\n=== ABC | b\n", "", "t.topics:3: context ids ABC and abc hash alike; rename one"},
      {__LINE__, u8"=== A | a\n[[text]]\n", "", "t.topics:3: a jump is \"[[text|id]]\""},
      {__LINE__, u8"=== A | a\n[[text|A\n", "", "t.topics:3: \"[[\" without \"]]\" on the same line"},
      {__LINE__, u8"=== A\n", "", "t.topics:2: a topic starts with \"=== id [more ids] | title | keywords\""},
      {__LINE__, u8"=== A | a\n@button 表示 | A\n", "",
       "t.topics:3: the button label holds a byte the viewer reads as a quote or an escape (a second byte 0x5C or "
       "0x60, as in U+8868 or U+FF5E); choose other words"},
      {__LINE__, u8"=== A | a\n@later\n", "",
       "t.topics:3: unknown directive; \"@title text\" goes before the first topic, \"@button label | id\" inside one"},
      {__LINE__, u8"=== A | a\n", "A\n", "t.hm:1: expected a context id and a 32-bit number (decimal or 0x hexadecimal)"},
      {__LINE__, u8"=== A | a\n", "A 0x100000000\n", "t.hm:1: expected a context id and a 32-bit number (decimal or 0x hexadecimal)"},
  };
  for (const Refusal& row : rows) {
    const helpc::Compilation result =
        helpc::CompileHelp({"t.topics", Utf8(kTitle) + Utf8(row.topics)}, {"t.hm", row.map}, "Test.HLP");
    ASSERT_FALSE(result.diagnostics.empty()) << "row at line " << row.line;
    EXPECT_EQ(helpc::Format(result.diagnostics.front()), row.message) << "row at line " << row.line;
    EXPECT_TRUE(result.helpFile.empty()) << "row at line " << row.line;
  }
}

TEST(HelpCompilerRefusal, AFileWithoutTitleOrTopicsAndAParagraphTooLongForABlock) {
  const helpc::Compilation untitled = helpc::CompileHelp({"t.topics", "# nothing\n"}, {"t.hm", ""}, "Test.HLP");
  ASSERT_EQ(untitled.diagnostics.size(), 2u);
  EXPECT_EQ(helpc::Format(untitled.diagnostics[0]), "t.topics:1: the help file needs a title: \"@title text\" before the first topic");
  EXPECT_EQ(helpc::Format(untitled.diagnostics[1]), "t.topics:1: no topics (\"=== id | title | keywords\")");

  const helpc::Compilation tooLong =
      helpc::CompileHelp({"t.topics", Utf8(kTitle) + "=== A | a\n\n" + std::string(4100, 'x') + "\n"}, {"t.hm", ""}, "Test.HLP");
  ASSERT_EQ(tooLong.diagnostics.size(), 1u);
  EXPECT_EQ(tooLong.diagnostics[0].line, 4);
  EXPECT_NE(tooLong.diagnostics[0].message.find("fit a topic block: split it"), std::string::npos);
}

// A refused build leaves no partial or new file: the last good file stays as it was.
TEST(HelpCompilerRefusal, ARefusedSourceLeavesNoNewFileBehind) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("helpc-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto write = [&](const char* name, const std::string& text) { std::ofstream(folder / name, std::ios::binary) << text; };
  const std::filesystem::path output = folder / "Out.HLP";
  write("t.hm", "A 1\n");

  write("t.topics", Utf8(kTitle) + "=== A | a\n");
  EXPECT_TRUE(helpc::CompileHelpFile(folder / "t.topics", folder / "t.hm", output).empty());
  ASSERT_TRUE(std::filesystem::exists(output));
  const auto good = std::filesystem::file_size(output);

  write("t.topics", Utf8(kTitle) + "=== A | a\n[[x|NOPE]]\n");
  EXPECT_EQ(helpc::CompileHelpFile(folder / "t.topics", folder / "t.hm", output).size(), 1u);
  EXPECT_EQ(std::filesystem::file_size(output), good);
  std::filesystem::remove(output);
  EXPECT_EQ(helpc::CompileHelpFile(folder / "t.topics", folder / "t.hm", output).size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2)
      << "nothing but the two sources";
  std::filesystem::remove_all(folder);
}

}  // namespace

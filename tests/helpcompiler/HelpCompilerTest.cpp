// The compiler's files read back by an independent reader the way Wine's viewer reads them: a
// small source in every detail and byte for byte against its golden file, a large one across
// many blocks and tree pages, and Nuvari's own topics for every context the program asks for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <tuple>

#include "HelpCompiler.h"
#include "HelpReader.h"

namespace {

using helpreader::HelpFile;
using helpreader::Page;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Compiled(const std::string& topics, const std::string& map) {
  const helpc::Compilation result = helpc::CompileHelp({"t.topics", topics}, {"t.hm", map}, "Test.HLP");
  std::string messages;
  for (const helpc::Diagnostic& diagnostic : result.diagnostics) messages += helpc::Format(diagnostic) + "\n";
  EXPECT_EQ(messages, "");
  return result.helpFile;
}

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string Data(const char* name) { return ReadBytes(std::string(NUVARI_HELP_TEST_DATA) + "/" + name); }

TEST(HelpCompiler, ASmallSourceReadsBackAsWrittenAndGivesItsGoldenFileByteForByte) {
  const std::string compiled = Compiled(Data("small.topics"), Data("small.hm"));
  const std::string golden = std::string(NUVARI_HELP_TEST_DATA) + "/small.HLP";
  if (std::getenv("NUVARI_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << compiled;
  EXPECT_TRUE(compiled == ReadBytes(golden)) << "set NUVARI_UPDATE_GOLDEN=1 to rewrite " << golden
                                             << " after a deliberate change of the format";

  const HelpFile file(compiled);
  EXPECT_EQ(file.FileNames(), (std::vector<std::string>{"|CONTEXT", "|CTXOMAP", "|FONT", "|KWBTREE", "|KWDATA",
                                                        "|KWMAP", "|SYSTEM", "|TOPIC", "|TTLBTREE"}));
  const helpreader::System& system = file.SystemInfo();
  EXPECT_EQ(std::tuple(system.title, system.mainCaption, system.charset), std::tuple("テスト ヘルプ", "テスト ヘルプ", 128u));

  ASSERT_EQ(file.Pages().size(), 2u);
  const Page& contents = file.Pages()[0];
  const Page& settings = file.Pages()[1];
  EXPECT_EQ(std::tuple(contents.title, settings.title), std::tuple("目次", "環境設定"));
  EXPECT_EQ(file.PageAt(file.SystemInfo().contents), &contents);
  EXPECT_EQ(contents.paragraphs, (std::vector<std::string>{"目次", "設定は [[こちら|環境設定]] です。 二行目"}));
  EXPECT_EQ(settings.paragraphs, (std::vector<std::string>{"環境設定", "表示と予定 1～9 ソ"}));
  EXPECT_EQ(contents.macros, (std::vector<std::string>{
                                 "BrowseButtons();CreateButton(\"BTN_TOPIC1\",\"設定\",\"JumpID(`Test.HLP',`SETTINGS')\")",
                                 "Flush()"}));
  EXPECT_EQ(settings.macros, (std::vector<std::string>{"BrowseButtons()", "Flush()"}));
  EXPECT_EQ(std::vector<std::uint32_t>({contents.browseBack, contents.browseNext, settings.browseBack, settings.browseNext}),
            std::vector<std::uint32_t>({kNone, settings.offset, contents.offset, kNone}));

  EXPECT_EQ(file.PageByContext("CONTENTS"), &contents);
  for (const char* id : {"SETTINGS", "DLG.SETTINGS", "settings"}) EXPECT_EQ(file.PageByContext(id), &settings) << id;
  EXPECT_EQ(file.PageByContext("MISSING"), nullptr);
  for (std::uint32_t number : {0x20067u, 131176u}) EXPECT_EQ(file.PageByNumber(number), &settings) << number;
  EXPECT_EQ(file.PageByNumber(1), nullptr);

  using Keywords = std::vector<std::pair<std::string, std::vector<std::uint32_t>>>;
  EXPECT_EQ(file.Keywords(), (Keywords{{"パス", {settings.offset}}, {"設定", {settings.offset}}, {"目次", {contents.offset}}}));
}

TEST(HelpCompiler, ALargeSourceSpreadsOverManyBlocksAndTreePages) {
  constexpr std::size_t kTopics = 300;
  // Long enough that the hashes overflow and about half of them are negative.
  const auto Id = [](std::size_t i) { return "LARGE_TOPIC_" + std::to_string(i); };
  const std::string filler(60, 'x');
  std::string topics = "@title Large\n";
  std::string map;
  for (std::size_t i = 0; i < kTopics; ++i) {
    const std::string n = std::to_string(i);
    topics += "=== " + Id(i) + " | " + Utf8(u8"トピック ") + n + " | " + Utf8(u8"キーワード ") + n + "\n" + filler + " [[" +
              Utf8(u8"次") + "|" + Id((i + 1) % kTopics) + "]] " + filler + "\n\n" + Utf8(u8"あいうえお") + n + "\n";
    map += Id(i) + " " + std::to_string(1000 + i) + "\n";
  }
  const HelpFile file(Compiled(topics, map));
  ASSERT_EQ(file.Pages().size(), kTopics);
  EXPECT_GT(file.File("|TOPIC").size() / 4096, 10u);
  EXPECT_GT(file.CrossingRecords(), 0) << "records run on into the next block";
  EXPECT_GE(file.TreeLevels("|CONTEXT"), 2);
  EXPECT_GE(file.TreeLevels("|KWBTREE"), 2);
  const auto keywords = file.Keywords();
  ASSERT_EQ(keywords.size(), kTopics);
  std::map<std::string, std::vector<std::uint32_t>> topicsOf(keywords.begin(), keywords.end());

  std::set<std::uint32_t> offsets;
  for (std::size_t i = 0; i < kTopics; ++i) {
    const Page& page = file.Pages()[i];
    const std::string n = std::to_string(i);
    SCOPED_TRACE(n);
    ASSERT_EQ(page.title, "トピック " + n);
    EXPECT_EQ(file.PageByContext(Id(i)), &page);
    EXPECT_EQ(file.PageByNumber(static_cast<std::uint32_t>(1000 + i)), &page);
    EXPECT_EQ(page.paragraphs, (std::vector<std::string>{page.title, filler + " [[次|トピック " +
                                                                         std::to_string((i + 1) % kTopics) + "]] " + filler,
                                                          "あいうえお" + n}));
    EXPECT_EQ(page.browseNext, i + 1 < kTopics ? file.Pages()[i + 1].offset : kNone);
    EXPECT_EQ(topicsOf["キーワード " + n], std::vector<std::uint32_t>{page.offset});
    offsets.insert(page.offset);
  }
  EXPECT_EQ(offsets.size(), kTopics) << "every topic has an offset of its own";
}

// The frame's help-id rules: a command's topic is 0x10000 + its id, a window's 0x20000 + its
// resource, a control bar's 0x50000 + its child id.
TEST(HelpCompiler, NuvarisTopicsAnswerEveryContextTheProgramAsksForAndAreReachableWithoutInTextJumps) {
  const HelpFile file(Compiled(ReadBytes(NUVARI_HELP_SOURCES "/Nuvari.topics"), ReadBytes(NUVARI_HELP_SOURCES "/Nuvari.hm")));
  std::vector<std::uint32_t> numbers = {0x20000 + 128, 131175, 0x50000 + 59392, 0x50000 + 59393};
  for (std::uint32_t command : {32771u, 32772u, 57664u, 57665u, 57666u, 57668u, 57669u, 57670u, 59392u, 59393u})
    numbers.push_back(0x10000 + command);
  for (std::uint32_t number : numbers) EXPECT_NE(file.PageByNumber(number), nullptr) << std::hex << number;

  // From the contents by the browse buttons and the topics' own buttons only.
  std::vector<const Page*> reached;
  const auto visit = [&](const Page* page) {
    if (page && std::find(reached.begin(), reached.end(), page) == reached.end()) reached.push_back(page);
  };
  visit(file.PageAt(file.SystemInfo().contents));
  for (std::size_t i = 0; i < reached.size(); ++i) {
    const Page* page = reached[i];
    if (page->browseBack != kNone) visit(file.PageAt(page->browseBack));
    if (page->browseNext != kNone) visit(file.PageAt(page->browseNext));
    for (const std::string& macro : page->macros)
      for (std::size_t at = 0; (at = macro.find("',`", at)) != std::string::npos; at += 3)
        visit(file.PageByContext(macro.substr(at + 3, macro.find('\'', at + 3) - at - 3)));
  }
  EXPECT_EQ(reached.size(), file.Pages().size());
  for (const auto& [keyword, found] : file.Keywords())
    EXPECT_EQ(found.size(), 1u) << "Wine's viewer lists one topic per keyword only";
}

}  // namespace

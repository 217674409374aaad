// Nuvari's help commands under Wine: F1, the index command and the settings dialog's help button
// open Wine's help viewer on Nuvari.HLP beside the program at their topics, with no "not found"
// box; and every topic can be reached with the viewer's buttons alone, since the viewer misplaces
// in-text jumps after double-byte text.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "HelpViewer.h"
#include "SupervisorRun.h"
#include "WindowSearch.h"
#include "WinePath.h"

namespace e2e {
namespace {

using nuvari::test::Match;

constexpr DWORD kViewerMs = 30000;
// Wine's own labels for the viewer's standard buttons.
const char kContentsButton[] = "概要";
const char kNextButton[] = "&>>";

// The topics as the source lists them, read here with nothing of the compiler.
struct SourceTopic {
  std::string ids;    // the "===" line's ids, blank-separated
  std::string title;  // code page 932
  std::vector<std::pair<std::string, std::string>> buttons;  // label (code page 932), id
};

std::string ToCp932(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), static_cast<int>(wide.size()))));
  std::string bytes(wide.size() * 2, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

std::string Field(const std::string& line, std::size_t from, std::size_t to) {
  const std::string field = line.substr(from, to == std::string::npos ? std::string::npos : to - from);
  const std::size_t first = field.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : field.substr(first, field.find_last_not_of(' ') - first + 1);
}

std::vector<SourceTopic> SourceTopics() {
  std::ifstream in(nuvari::test::ToWinePath(NUVARI_TOPICS));
  std::vector<SourceTopic> topics;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t bar = line.find('|');
    if (line.rfind("=== ", 0) == 0 && bar != std::string::npos)
      topics.push_back({" " + Field(line, 4, bar) + " ", ToCp932(Field(line, bar + 1, line.find('|', bar + 1))), {}});
    else if (line.rfind("@button ", 0) == 0 && bar != std::string::npos && !topics.empty())
      topics.back().buttons.emplace_back(ToCp932(Field(line, 8, bar)), Field(line, bar + 1, std::string::npos));
  }
  return topics;
}

std::string TitleOf(const std::vector<SourceTopic>& topics, const std::string& id) {
  for (const SourceTopic& topic : topics)
    if (topic.ids.find(" " + id + " ") != std::string::npos) return topic.title;
  return {};
}

class HelpCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    run.UseStandIn("");
    ASSERT_TRUE(run.Start());
    main = run.MainWindow();
    ASSERT_NE(main, nullptr);
  }

  void ExpectTopic(const std::string& title) {
    ASSERT_NE(viewer.WaitForWindow(kViewerMs), nullptr) << "no viewer window; a box of it: " << (viewer.Box() != nullptr);
    EXPECT_TRUE(viewer.WaitForTopic(title, kStepMs)) << "shown: " << viewer.TopicText().substr(0, 80);
    EXPECT_EQ(viewer.Box(), nullptr) << "the viewer asked a question";
  }

  void CloseAll() {
    EXPECT_TRUE(viewer.Close());
    EXPECT_TRUE(run.Close());
  }

  const std::vector<SourceTopic> topics = SourceTopics();
  SupervisorRun run;
  HelpViewer viewer;  // after run: closed before Nuvari is ended
  HWND main = nullptr;
};

TEST_F(HelpCommands, F1ShowsTheMainWindowsTopic) {
  PostMessageA(main, WM_KEYDOWN, VK_F1, 0x003B0001);
  ExpectTopic(TitleOf(topics, "HIDR_MAINFRAME"));
  CloseAll();
}

TEST_F(HelpCommands, TheSettingsDialogsHelpButtonShowsTheSettingsTopic) {
  PostMessageA(main, WM_COMMAND, 32771, 0);
  HWND dialog = nuvari::test::WaitForDialog("Nuvari（環境設定）", Match::Equals, kStepMs, run.NuvariId());
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(nuvari::test::ClickButton(dialog, "ヘルプ"));
  ExpectTopic(TitleOf(topics, "HIDD_SETTINGS"));
  EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
  EXPECT_TRUE(viewer.Close());
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(nuvari::test::WaitUntilGone(dialog, kStepMs));
  EXPECT_TRUE(run.Close());
}

TEST_F(HelpCommands, TheIndexCommandShowsTheContentsAndTheViewersButtonsReachEveryTopic) {
  PostMessageA(main, WM_COMMAND, 57666, 0);
  ASSERT_FALSE(topics.empty());
  ExpectTopic(topics.front().title);
  for (std::size_t i = 1; i < topics.size(); ++i) {
    ASSERT_TRUE(viewer.Press(kNextButton)) << "no way on after topic " << i;
    ASSERT_TRUE(viewer.WaitForTopic(topics[i].title, kStepMs)) << "topic " << i << ", shown: " << viewer.TopicText().substr(0, 40);
  }
  EXPECT_FALSE(viewer.IsEnabled(kNextButton)) << "the sequence ends with the last topic";

  for (const auto& [label, id] : topics.front().buttons) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(viewer.Press(kContentsButton));
    ASSERT_TRUE(viewer.WaitForTopic(topics.front().title, kStepMs));
    ASSERT_TRUE(viewer.Press(label));
    EXPECT_TRUE(viewer.WaitForTopic(TitleOf(topics, id), kStepMs)) << "shown: " << viewer.TopicText().substr(0, 40);
  }
  EXPECT_EQ(viewer.Box(), nullptr);
  CloseAll();
}

}  // namespace
}  // namespace e2e

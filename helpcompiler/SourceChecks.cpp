#include "SourceChecks.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "BPlusTree.h"
#include "ContextHash.h"
#include "TopicFile.h"

namespace helpc {
namespace {

constexpr std::size_t kMaxCaption = 50;    // the main window's caption field
constexpr std::size_t kMaxText = 255;      // titles and keywords
constexpr std::size_t kMaxCount = 0x7FFF;  // topics and map entries are counted in 16 bits

std::string Hex(std::uint32_t number) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", number);
  return text;
}

class Checker {
 public:
  Checker(const HelpSource& source, Diagnostics& diagnostics) : m_source(source), m_diagnostics(diagnostics) {}

  void CheckAll(std::string_view helpFileName) {
    CheckTitle();
    for (const Topic& topic : m_source.topics) CheckIds(topic);
    for (const Topic& topic : m_source.topics) CheckTopic(topic, helpFileName);
    CheckMap();
    if (helpFileName.find_first_of("\"'`\\") != std::string_view::npos)
      m_diagnostics.push_back({std::string(helpFileName), 0, "the help file's name may not hold quotes or backslashes"});
  }

 private:
  void Error(int line, std::string message) { m_diagnostics.push_back({m_source.topicsFile, line, std::move(message)}); }

  void CheckTitle() {
    if (m_source.title.empty())
      Error(1, "the help file needs a title: \"@title text\" before the first topic");
    else if (m_source.title.size() > kMaxCaption)
      Error(m_source.titleLine, "the title is longer than the " + std::to_string(kMaxCaption) +
                                    " bytes the viewer's caption holds");
    if (m_source.topics.empty()) Error(1, "no topics (\"=== id | title | keywords\")");
    if (m_source.topics.size() > kMaxCount) Error(1, "more topics than the format can count");
  }

  void CheckIds(const Topic& topic) {
    for (const std::string& id : topic.contexts) {
      if (id.empty() || !std::all_of(id.begin(), id.end(), IsContextIdCharacter)) {
        Error(topic.line, "context id \"" + id + "\" may hold only A-Z, a-z, 0-9, '.' and '_'");
        continue;
      }
      const auto [known, added] = m_ids.emplace(id, topic.line);
      if (!added) {
        Error(topic.line, "context id " + id + " is already the topic at line " + std::to_string(known->second));
        continue;
      }
      const std::uint32_t hash = ContextHash(id);
      const auto [other, fresh] = m_hashes.emplace(hash, id);
      if (!fresh)
        Error(topic.line, "context ids " + id + " and " + other->second + " hash alike; rename one");
      else if (hash == 0)
        Error(topic.line, "context id " + id + " hashes to 0, which the viewer takes for the contents");
    }
  }

  void CheckTarget(const std::string& target, int line, std::string_view what) {
    if (!m_ids.count(target)) Error(line, std::string(what) + " to unknown context id " + target);
  }

  void CheckTopic(const Topic& topic, std::string_view helpFileName) {
    if (topic.title.size() > kMaxText) Error(topic.line, "the title is longer than 255 bytes");
    for (const std::string& keyword : topic.keywords)
      if (keyword.size() > kMaxText) Error(topic.line, "a keyword is longer than 255 bytes");
    for (const Button& button : topic.buttons) {
      CheckTarget(button.target, button.line, "button");
      // The viewers' macro readers know nothing of double-byte characters.
      if (button.label.find_first_of("\"'`\\") != std::string::npos)
        Error(button.line, "the button label holds a byte the viewer reads as a quote or an escape "
                           "(a second byte 0x5C or 0x60, as in U+8868 or U+FF5E); choose other words");
    }
    if (HeaderRecordSize(topic, helpFileName) > kBlockPayload)
      Error(topic.line, "the title and buttons take more than the " + std::to_string(kBlockPayload) +
                            " bytes of a topic block");
    for (const Paragraph& paragraph : topic.paragraphs) {
      for (const Run& run : paragraph.runs)
        if (!run.target.empty()) CheckTarget(run.target, run.line, "jump");
      const std::size_t size = ParagraphRecordSize(paragraph);
      if (size > kBlockPayload)
        Error(paragraph.line, "the paragraph takes " + std::to_string(size) + " bytes; at most " +
                                               std::to_string(kBlockPayload) + " fit a topic block: split it");
    }
  }

  void CheckMap() {
    std::map<std::string, int> names;
    std::map<std::uint32_t, const MapEntry*> numbers;
    for (const MapEntry& entry : m_source.map) {
      const auto error = [&](std::string message) {
        m_diagnostics.push_back({m_source.mapFile, entry.line, std::move(message)});
      };
      if (!m_ids.count(entry.context)) error(entry.context + " " + Hex(entry.number) + " is mapped, but no topic has that id");
      if (const auto [known, added] = names.emplace(entry.context, entry.line); !added)
        error(entry.context + " is already mapped at line " + std::to_string(known->second));
      if (const auto [known, added] = numbers.emplace(entry.number, &entry); !added)
        error(Hex(entry.number) + " is already mapped to " + known->second->context + " at line " +
              std::to_string(known->second->line));
    }
    if (m_source.map.size() > kMaxCount)
      m_diagnostics.push_back({m_source.mapFile, 0, "more numbers than the format can count"});
  }

  const HelpSource& m_source;
  Diagnostics& m_diagnostics;
  std::map<std::string, int> m_ids;
  std::map<std::uint32_t, std::string> m_hashes;
};

}  // namespace

void CheckSource(const HelpSource& source, std::string_view helpFileName, Diagnostics& diagnostics) {
  Checker(source, diagnostics).CheckAll(helpFileName);
}

}  // namespace helpc

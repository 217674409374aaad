// The topic source, line by line: "=== ids | title | keywords" starts a topic, "@" lines are
// directives, '#' lines are comments, other lines are paragraph text with [[text|context]] jumps.
#include <optional>

#include "Cp932Text.h"
#include "SourceText.h"

namespace helpc {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(Trim(text.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// The UTF-8 character at offset, for a message; empty when no valid character starts there.
std::string CharacterAt(std::string_view text, std::size_t offset) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  if (lead >= 0x80 && (lead < 0xC2 || lead > 0xF4)) return {};
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (offset + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[offset + i]) & 0xC0) != 0x80) return {};
  return std::string(text.substr(offset, length));
}

void AddRun(Paragraph& paragraph, Run run) {
  if (run.text.empty()) return;
  if (run.target.empty() && !paragraph.runs.empty() && paragraph.runs.back().target.empty()) {
    paragraph.runs.back().text += run.text;
    return;
  }
  paragraph.runs.push_back(std::move(run));
}

class TopicReader {
 public:
  TopicReader(HelpSource& source, Diagnostics& diagnostics) : m_source(source), m_diagnostics(diagnostics) {}

  void Read(std::string_view line, int number) {
    m_line = number;
    if (line.empty()) {
      m_paragraphOpen = false;
    } else if (line.front() == '#') {
      // a comment
    } else if (line.substr(0, 4) == "=== ") {
      StartTopic(line.substr(4));
    } else if (line.front() == '@') {
      Directive(line);
    } else if (m_source.topics.empty()) {
      Error("text before the first topic (\"=== id | title | keywords\")");
    } else {
      TextLine(line);
    }
  }

 private:
  void Error(std::string message) { m_diagnostics.push_back({m_source.topicsFile, m_line, std::move(message)}); }

  std::optional<std::string> Convert(std::string_view utf8) {
    for (const char c : utf8) {
      if (static_cast<unsigned char>(c) < 0x20) {
        Error("a control character (such as a tab) cannot be shown; use spaces");
        return std::nullopt;
      }
    }
    Cp932Conversion converted = Utf8ToCp932(utf8);
    if (converted.Complete()) return std::move(converted.bytes);
    const std::string character = CharacterAt(utf8, converted.failedAt);
    Error(character.empty() ? std::string("the text is not UTF-8") : "code page 932 cannot hold \"" + character + "\"");
    return std::nullopt;
  }

  void StartTopic(std::string_view header) {
    m_paragraphOpen = false;
    const std::vector<std::string_view> fields = Split(header, '|');
    Topic& topic = m_source.topics.emplace_back();
    topic.line = m_line;
    if (fields.size() < 2 || fields.size() > 3 || fields[0].empty() || fields[1].empty()) {
      Error("a topic starts with \"=== id [more ids] | title | keywords\"");
      return;
    }
    for (std::string_view ids = fields[0]; !ids.empty(); ids = Trim(ids)) {
      const std::size_t gap = ids.find_first_of(" \t");
      topic.contexts.emplace_back(ids.substr(0, gap));
      ids = gap == std::string_view::npos ? std::string_view() : ids.substr(gap);
    }
    topic.title = Convert(fields[1]).value_or(std::string());
    if (fields.size() < 3) return;
    for (const std::string_view keyword : Split(fields[2], ';')) {
      if (keyword.empty()) continue;
      if (std::optional<std::string> converted = Convert(keyword)) topic.keywords.push_back(std::move(*converted));
    }
  }

  void Directive(std::string_view line) {
    m_paragraphOpen = false;
    const std::size_t gap = line.find(' ');
    const std::string_view name = line.substr(0, gap);
    const std::string_view argument = gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));
    if (name == "@title" && m_source.topics.empty() && m_source.title.empty() && !argument.empty()) {
      m_source.title = Convert(argument).value_or(std::string());
      m_source.titleLine = m_line;
    } else if (name == "@button" && !m_source.topics.empty()) {
      Button(argument);
    } else {
      Error("unknown directive; \"@title text\" goes before the first topic, \"@button label | id\" inside one");
    }
  }

  void Button(std::string_view argument) {
    const std::vector<std::string_view> fields = Split(argument, '|');
    if (fields.size() != 2 || fields[0].empty() || fields[1].empty()) {
      Error("a button is \"@button label | id\"");
      return;
    }
    if (std::optional<std::string> label = Convert(fields[0]))
      m_source.topics.back().buttons.push_back({std::move(*label), std::string(fields[1]), m_line});
  }

  void TextLine(std::string_view line) {
    Topic& topic = m_source.topics.back();
    if (!m_paragraphOpen) topic.paragraphs.push_back({{}, m_line});
    Paragraph& paragraph = topic.paragraphs.back();
    // The lines of a paragraph join with a blank.
    if (m_paragraphOpen) AddRun(paragraph, {" ", {}, m_line});
    m_paragraphOpen = true;
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t open = line.find("[[", at);
      AddPlain(paragraph, line.substr(at, open - at));
      if (open == std::string_view::npos) return;
      const std::size_t close = line.find("]]", open + 2);
      if (close == std::string_view::npos) {
        Error("\"[[\" without \"]]\" on the same line");
        return;
      }
      AddJump(paragraph, line.substr(open + 2, close - open - 2));
      at = close + 2;
    }
  }

  void AddPlain(Paragraph& paragraph, std::string_view text) {
    if (std::optional<std::string> converted = Convert(text)) AddRun(paragraph, {std::move(*converted), {}, m_line});
  }

  void AddJump(Paragraph& paragraph, std::string_view inner) {
    const std::size_t bar = inner.rfind('|');
    const std::string_view text = Trim(inner.substr(0, bar));
    const std::string_view target = bar == std::string_view::npos ? std::string_view() : Trim(inner.substr(bar + 1));
    if (text.empty() || target.empty()) {
      Error("a jump is \"[[text|id]]\"");
      return;
    }
    if (std::optional<std::string> converted = Convert(text))
      AddRun(paragraph, {std::move(*converted), std::string(target), m_line});
  }

  HelpSource& m_source;
  Diagnostics& m_diagnostics;
  int m_line = 0;
  bool m_paragraphOpen = false;
};

}  // namespace

void ParseTopics(std::string_view text, HelpSource& source, Diagnostics& diagnostics) {
  TopicReader reader(source, diagnostics);
  int number = 0;
  for (const std::string_view line : SourceLines(text)) reader.Read(line, ++number);
}

}  // namespace helpc

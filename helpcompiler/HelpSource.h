// The help as the topic source and the context map describe it. Texts are code-page-932 bytes;
// context ids are ASCII. Every part remembers its source line for the compiler's messages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace helpc {

// A piece of a paragraph: plain text, or a jump to another topic when target is not empty.
struct Run {
  std::string text;
  std::string target;
  int line = 0;
};

struct Paragraph {
  std::vector<Run> runs;
  int line = 0;
};

// A button the viewer shows above the topic; it jumps to another topic.
struct Button {
  std::string label;
  std::string target;
  int line = 0;
};

struct Topic {
  // The first is the topic's own id; the others are further names that land on it.
  std::vector<std::string> contexts;
  std::string title;
  std::vector<std::string> keywords;
  std::vector<Paragraph> paragraphs;
  std::vector<Button> buttons;
  int line = 0;
};

// One line of the context map: the number a program asks for, and the context it means.
struct MapEntry {
  std::string context;
  std::uint32_t number = 0;
  int line = 0;
};

struct HelpSource {
  std::string topicsFile;
  std::string mapFile;
  std::string title;
  int titleLine = 0;
  // In browse order; the first is the contents.
  std::vector<Topic> topics;
  std::vector<MapEntry> map;
};

}  // namespace helpc

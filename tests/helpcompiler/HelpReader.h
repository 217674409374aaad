// An independent reader of WinHelp files for the tests: it walks a file the way Wine's viewer
// does (directory search, the topic chain through the blocks, context and map lookups, the
// keyword index) and throws std::runtime_error at the first structure that is not as the format
// and the viewer need it. It shares no code with the compiler.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace helpreader {

struct Page {
  std::uint32_t offset = 0;  // TOPICOFFSET, as the viewer computes it
  std::string title;
  std::vector<std::string> macros;
  std::uint32_t browseBack = 0;
  std::uint32_t browseNext = 0;
  // The title paragraph first; a jump reads "[[text|title of its target]]" ("?" when unknown).
  std::vector<std::string> paragraphs;
};

struct System {
  std::string title;
  std::uint32_t contents = 0;
  unsigned charset = 0;
  std::string mainCaption;
};

class HelpFile {
 public:
  explicit HelpFile(std::string bytes);

  std::vector<std::string> FileNames() const;
  std::string_view File(std::string_view name) const;
  int TreeLevels(std::string_view name) const;

  const System& SystemInfo() const { return m_system; }
  // Every topic of the chain but the closing empty one.
  const std::vector<Page>& Pages() const { return m_pages; }
  // The page holding this offset (the last that starts at or before it), as the viewer finds it.
  const Page* PageAt(std::uint32_t offset) const;
  const Page* PageByContext(std::string_view id) const;
  const Page* PageByNumber(std::uint32_t number) const;
  // Keywords in index order with the offsets of their topics.
  std::vector<std::pair<std::string, std::vector<std::uint32_t>>> Keywords() const;
  // How many records run on from one topic block into the next.
  int CrossingRecords() const { return m_crossing; }

 private:
  void ReadSystem();
  void ReadTopics();
  std::string Paragraph(std::string_view record);
  const Page* PageByHash(std::uint32_t hash) const;

  std::string m_bytes;
  System m_system;
  std::vector<Page> m_pages;
  std::vector<std::uint32_t> m_jumps;  // hashes of the jumps in page order, resolved once all pages are read
  int m_crossing = 0;
};

}  // namespace helpreader

#include "HelpReader.h"

#include <cstring>
#include <functional>
#include <stdexcept>

namespace helpreader {
namespace {

constexpr std::size_t kBlock = 4096;
constexpr std::size_t kPayload = kBlock - 12;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error(what);
}

std::uint32_t U16(std::string_view bytes, std::size_t at) {
  Require(at + 2 <= bytes.size(), "read past the end");
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

std::uint32_t U32(std::string_view bytes, std::size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

std::string Z(std::string_view bytes, std::size_t at) {
  const std::size_t end = bytes.find('\0', at);
  Require(end != std::string_view::npos, "string without its NUL");
  return std::string(bytes.substr(at, end - at));
}

// A B+ tree as the viewer searches and walks it. entrySize gives an entry's size at ptr.
struct Tree {
  std::string_view data;
  std::size_t PageSize() const { return U16(data, 4); }
  std::string_view PageBytes(std::uint32_t page) const { return data.substr(38 + page * PageSize(), PageSize()); }
  std::uint32_t Levels() const { return U16(data, 32); }

  // compare(entry) < 0 when the entry comes before the key, 0 when it is the key.
  std::optional<std::size_t> Search(const std::function<int(std::string_view)>& compare,
                                    const std::function<std::size_t(std::string_view, bool)>& entrySize) const {
    Require(U16(data, 0) == 0x293B, "B+ tree magic");
    std::uint32_t page = U16(data, 26);
    for (std::uint32_t level = Levels(); level > 1; --level) {
      const std::string_view bytes = PageBytes(page);
      std::size_t at = 6;
      for (std::uint32_t i = 0, n = U16(bytes, 2); i < n; ++i) {
        if (compare(bytes.substr(at)) > 0) break;
        at += entrySize(bytes.substr(at), false);
      }
      page = U16(bytes, at - 2);
    }
    const std::string_view bytes = PageBytes(page);
    std::size_t at = 8;
    for (std::uint32_t i = 0, n = U16(bytes, 2); i < n; ++i) {
      const int order = compare(bytes.substr(at));
      if (order == 0) return static_cast<std::size_t>(bytes.data() - data.data()) + at;
      if (order > 0) return std::nullopt;
      at += entrySize(bytes.substr(at), true);
    }
    return std::nullopt;
  }

  // Every leaf entry in order: down the first children, then along the leaf chain.
  std::vector<std::string_view> Leaves(const std::function<std::size_t(std::string_view, bool)>& entrySize) const {
    std::uint32_t page = U16(data, 26);
    for (std::uint32_t level = Levels(); level > 1; --level) page = U16(PageBytes(page), 4);
    std::vector<std::string_view> entries;
    for (; page != 0xFFFF; page = U16(PageBytes(page), 6)) {
      const std::string_view bytes = PageBytes(page);
      std::size_t at = 8;
      for (std::uint32_t i = 0, n = U16(bytes, 2); i < n; ++i) {
        entries.push_back(bytes.substr(at));
        at += entrySize(bytes.substr(at), true);
      }
    }
    Require(entries.size() == U32(data, 34), "entries counted in the tree's header");
    return entries;
  }
};

std::size_t NamedEntry(std::string_view entry, bool leaf) { return std::strlen(entry.data()) + 1 + (leaf ? 4 : 2); }
std::size_t HashEntry(std::string_view, bool leaf) { return leaf ? 8 : 6; }
std::size_t KeywordEntry(std::string_view entry, bool leaf) { return std::strlen(entry.data()) + 1 + (leaf ? 6 : 2); }

// Compressed numbers of the format: the low bit says whether the long form follows.
struct Cursor {
  std::string_view bytes;
  std::size_t at;
  unsigned Byte() {
    Require(at < bytes.size(), "read past the end");
    return static_cast<unsigned char>(bytes[at++]);
  }
  std::uint32_t Short() {
    const std::uint32_t value = U16(bytes, at);
    at += 2;
    return value;
  }
  std::uint32_t CompressedU16() { return (bytes[at] & 1) ? Short() / 2 : Byte() / 2; }
  void SkipCompressed16() { at += (bytes[at] & 1) ? 2 : 1; }
  void SkipCompressed32() { at += (bytes[at] & 1) ? 4 : 2; }
};

// WinHelp's context hash, written here from the format's description.
std::uint32_t Hash(std::string_view id) {
  std::uint32_t hash = 0;
  for (char c : id) {
    std::uint32_t value = 0;
    if (c >= '1' && c <= '9') value = static_cast<std::uint32_t>(c - '0');
    if (c == '0') value = 10;
    if (c == '.') value = 12;
    if (c == '_') value = 13;
    if (c >= 'A' && c <= 'Z') value = static_cast<std::uint32_t>(c - 'A') + 17;
    if (c >= 'a' && c <= 'z') value = static_cast<std::uint32_t>(c - 'a') + 17;
    hash = hash * 43 + value;
  }
  return hash;
}

// The directory is an internal file too, a tree of names, at the offset the file's header gives.
Tree Directory(std::string_view all) { return Tree{all.substr(U32(all, 4) + 9, U32(all, U32(all, 4) + 4))}; }

}  // namespace

HelpFile::HelpFile(std::string bytes) : m_bytes(std::move(bytes)) {
  Require(U32(m_bytes, 0) == 0x00035F3F, "file magic");
  Require(U32(m_bytes, 8) == kNone, "no free list");
  Require(U32(m_bytes, 12) == m_bytes.size(), "file size in the header");
  ReadSystem();
  ReadTopics();
}

std::vector<std::string> HelpFile::FileNames() const {
  std::vector<std::string> names;
  for (std::string_view entry : Directory(m_bytes).Leaves(NamedEntry)) names.emplace_back(entry.data());
  return names;
}

std::string_view HelpFile::File(std::string_view name) const {
  const std::string_view all(m_bytes);
  const Tree tree = Directory(all);
  const std::string key(name);
  const auto found = tree.Search([&](std::string_view entry) { return std::strcmp(entry.data(), key.c_str()); }, NamedEntry);
  Require(found.has_value(), "no internal file " + key);
  const std::size_t header = U32(tree.data, *found + key.size() + 1);
  const std::uint32_t reserved = U32(all, header);
  const std::uint32_t used = U32(all, header + 4);
  Require(reserved >= used + 9 && header + reserved <= all.size(), "internal file " + key + " does not fit");
  return all.substr(header + 9, used);
}

int HelpFile::TreeLevels(std::string_view name) const { return static_cast<int>(Tree{File(name)}.Levels()); }

void HelpFile::ReadSystem() {
  const std::string_view system = File("|SYSTEM");
  Require(U16(system, 0) == 0x036C && U16(system, 4) == 1, "system header");
  Require(U16(system, 2) > 16 && U16(system, 10) == 0, "an uncompressed 3.1 or 4.0 file");
  for (std::size_t at = 12; at + 4 <= system.size(); at += 4 + U16(system, at + 2)) {
    const std::uint32_t type = U16(system, at);
    const std::string_view data = system.substr(at + 4, U16(system, at + 2));
    if (type == 1) m_system.title = Z(data, 0);
    if (type == 3) m_system.contents = U32(data, 0);
    if (type == 11) m_system.charset = static_cast<unsigned char>(data[0]);
    if (type == 6 && Z(data, 12) == "main") m_system.mainCaption = Z(data, 21);
  }
}

// The blocks' payloads laid end to end, as the viewer copies an uncompressed |TOPIC.
void HelpFile::ReadTopics() {
  const std::string_view topic = File("|TOPIC");
  Require(topic.size() % kBlock == 0, "|TOPIC of whole blocks");
  std::string stream;
  for (std::size_t block = 0; block * kBlock < topic.size(); ++block) stream += topic.substr(block * kBlock + 12, kPayload);

  std::uint32_t characters = 0;
  std::size_t currentBlock = static_cast<std::size_t>(-1);
  std::vector<std::uint32_t> firstInBlock(topic.size() / kBlock, kNone);
  for (std::uint32_t position = 12; position != kNone;) {
    const std::size_t block = (position - 12) >> 14;
    const std::size_t offset = (position - 12) & 0x3FFF;
    Require(block < firstInBlock.size() && offset < kPayload, "a topic position outside the blocks");
    if (block != currentBlock) {
      currentBlock = block;
      characters = 0;
      firstInBlock[block] = position;
    }
    const std::size_t at = block * kPayload + offset;
    const std::string_view record = std::string_view(stream).substr(at, U32(stream, at));
    const std::uint32_t data1 = U32(record, 0x10);
    Require(offset + data1 <= kPayload, "a record's header and first part must not cross a block");
    if (offset + record.size() > kPayload) ++m_crossing;
    const std::string_view data2 = record.substr(data1);
    Require(data2.size() == U32(record, 4), "uncompressed text of the length given");
    if (record[0x14] == 0x02) {
      Page page{static_cast<std::uint32_t>(block * 0x8000 + characters), {}, {}, U32(record, 0x19), U32(record, 0x1D), {}};
      if (!data2.empty()) {
        const std::string strings = std::string(data2) + '\0';
        page.title = Z(strings, 0);
        for (std::size_t m = page.title.size() + 1; m < data2.size(); m += page.macros.back().size() + 1)
          page.macros.push_back(Z(strings, m));
      }
      m_pages.push_back(std::move(page));
    } else {
      Require(record[0x14] == 0x20 && !m_pages.empty(), "a text record after a topic header");
      Cursor cursor{record, 0x15};
      cursor.SkipCompressed32();
      const std::uint32_t length = cursor.CompressedU16();
      Require(length == data2.size(), "the characters counted are the text's");
      characters += length;
      m_pages.back().paragraphs.push_back(Paragraph(record));
    }
    position = U32(record, 0x0C);
  }
  Require(!m_pages.empty() && m_pages.back().title.empty(), "an empty topic closes the chain");
  m_pages.pop_back();
  for (std::size_t block = 0; block < firstInBlock.size(); ++block)
    Require(U32(topic, block * kBlock + 4) == firstInBlock[block], "each block names its first record");
  // Jumps name their targets by title now that every page is known.
  std::size_t next = 0;
  for (Page& page : m_pages) {
    for (std::string& paragraph : page.paragraphs) {
      for (std::size_t mark; (mark = paragraph.find('\x01')) != std::string::npos;) {
        const Page* target = PageByHash(m_jumps[next++]);
        paragraph.replace(mark, 1, target ? target->title : std::string("?"));
      }
    }
  }
}

// The text with its formatting commands: one string of data2 before each command of data1.
std::string HelpFile::Paragraph(std::string_view record) {
  Cursor format{record, 0x15};
  format.SkipCompressed32();
  format.CompressedU16();
  format.at += 4;
  const std::uint32_t bits = format.Short();
  Require((bits & ~0x007Eu) == 0, "only spacing and indents in the paragraph format");
  for (std::uint32_t bit = 0x02; bit <= 0x40; bit <<= 1)
    if (bits & bit) format.SkipCompressed16();
  const std::string_view data2 = record.substr(U32(record, 0x10));
  std::size_t text = 0;
  std::string out;
  for (;;) {
    const std::string piece = Z(std::string(data2) + '\0', text);
    out += piece;
    text += piece.size() + 1;
    const unsigned command = format.Byte();
    if (command == 0xFF) break;
    if (command == 0x80) format.at += 2;
    else if (command == 0x81) out += '\n';
    else if (command == 0xE3) {
      m_jumps.push_back(U32(record, format.at));
      format.at += 4;
      out += "[[";
    } else if (command == 0x89) out += "|\x01]]";
    else Require(command == 0x82, "a known formatting command");
  }
  Require(text == data2.size(), "every string of the text used");
  return out;
}

const Page* HelpFile::PageAt(std::uint32_t offset) const {
  const Page* found = nullptr;
  for (const Page& page : m_pages)
    if (page.offset <= offset && (!found || page.offset > found->offset)) found = &page;
  return found;
}

const Page* HelpFile::PageByContext(std::string_view id) const { return PageByHash(Hash(id)); }

// The viewer compares hashes as signed numbers.
const Page* HelpFile::PageByHash(std::uint32_t hash) const {
  const auto key = static_cast<std::int32_t>(hash);
  const Tree tree{File("|CONTEXT")};
  const auto found = tree.Search(
      [&](std::string_view entry) {
        const auto other = static_cast<std::int32_t>(U32(entry, 0));
        return other < key ? -1 : other > key ? 1 : 0;
      },
      HashEntry);
  return found ? PageAt(U32(tree.data, *found + 4)) : nullptr;
}

const Page* HelpFile::PageByNumber(std::uint32_t number) const {
  const std::string_view map = File("|CTXOMAP");
  for (std::uint32_t i = 0, n = U16(map, 0); i < n; ++i)
    if (U32(map, 2 + i * 8) == number) return PageAt(U32(map, 6 + i * 8));
  return nullptr;
}

std::vector<std::pair<std::string, std::vector<std::uint32_t>>> HelpFile::Keywords() const {
  const std::string_view data = File("|KWDATA");
  std::vector<std::pair<std::string, std::vector<std::uint32_t>>> keywords;
  for (std::string_view entry : Tree{File("|KWBTREE")}.Leaves(KeywordEntry)) {
    const std::string keyword(entry.data());
    std::vector<std::uint32_t> offsets;
    const std::uint32_t start = U32(entry, keyword.size() + 3);
    for (std::uint32_t i = 0; i < U16(entry, keyword.size() + 1); ++i) offsets.push_back(U32(data, start + 4 * i));
    keywords.emplace_back(keyword, std::move(offsets));
  }
  return keywords;
}

}  // namespace helpreader

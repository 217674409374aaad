#include "BPlusTree.h"

#include "Bytes.h"

namespace helpc {
namespace {

constexpr std::size_t kLeafHeaderSize = 8;
constexpr std::uint16_t kNoPage = 0xFFFF;

struct Page {
  std::string bytes;
  std::string firstKey;
};

// Fills the page to its size; the first field of every page counts the unused bytes at its end.
std::string FinishPage(ByteWriter& page, std::size_t pageSize) {
  const std::size_t unused = pageSize - page.Size();
  page.Zeros(unused);
  std::string bytes = page.Take();
  bytes[0] = static_cast<char>(unused & 0xFF);
  bytes[1] = static_cast<char>(unused >> 8);
  return bytes;
}

std::vector<Page> BuildLeaves(const BTreeFormat& format, const std::vector<BTreeEntry>& entries,
                              std::vector<BTreeLeaf>& leaves) {
  std::vector<Page> pages;
  std::size_t next = 0;
  do {
    const std::size_t first = next;
    std::size_t used = kLeafHeaderSize;
    while (next < entries.size() && used + entries[next].leaf.size() <= format.pageSize) used += entries[next++].leaf.size();
    const auto number = static_cast<std::uint16_t>(pages.size());
    ByteWriter page;
    page.U16(0);
    page.U16(static_cast<std::uint32_t>(next - first));
    page.U16(number == 0 ? kNoPage : number - 1u);
    page.U16(next < entries.size() ? number + 1u : kNoPage);
    for (std::size_t i = first; i < next; ++i) page.Append(entries[i].leaf);
    leaves.push_back({static_cast<std::uint32_t>(first), number});
    pages.push_back({FinishPage(page, format.pageSize), first < entries.size() ? entries[first].key : std::string()});
  } while (next < entries.size());
  return pages;
}

// One level of index pages over the pages below; returns the new pages' numbers.
std::vector<std::uint16_t> BuildIndexLevel(const BTreeFormat& format, std::vector<Page>& pages,
                                           const std::vector<std::uint16_t>& below) {
  std::vector<std::uint16_t> level;
  std::size_t next = 0;
  while (next < below.size()) {
    ByteWriter page;
    page.U16(0);
    page.U16(0);
    // Keys before the first entry's key lead to this page.
    page.U16(below[next]);
    const std::string firstKey = pages[below[next]].firstKey;
    std::uint32_t count = 0;
    for (++next; next < below.size(); ++next, ++count) {
      const std::string& key = pages[below[next]].firstKey;
      if (page.Size() + key.size() + 2 > format.pageSize) break;
      page.Append(key);
      page.U16(below[next]);
    }
    std::string bytes = FinishPage(page, format.pageSize);
    bytes[2] = static_cast<char>(count & 0xFF);
    bytes[3] = static_cast<char>(count >> 8);
    level.push_back(static_cast<std::uint16_t>(pages.size()));
    pages.push_back({std::move(bytes), firstKey});
  }
  return level;
}

}  // namespace

BTree BuildBTree(const BTreeFormat& format, const std::vector<BTreeEntry>& entries) {
  BTree tree;
  std::vector<Page> pages = BuildLeaves(format, entries, tree.leaves);
  std::vector<std::uint16_t> level;
  for (const BTreeLeaf& leaf : tree.leaves) level.push_back(leaf.page);
  std::uint16_t levels = 1;
  while (level.size() > 1) {
    level = BuildIndexLevel(format, pages, level);
    ++levels;
  }

  ByteWriter header;
  header.U16(0x293B);
  header.U16(format.flags);
  header.U16(format.pageSize);
  header.Append(format.structure);
  header.Zeros(16 - format.structure.size());
  header.U16(0);
  header.U16(static_cast<std::uint32_t>(pages.size() - levels));  // every page but each level's first was a split
  header.U16(level.front());                                     // the root
  header.U16(0xFFFF);
  header.U16(static_cast<std::uint32_t>(pages.size()));
  header.U16(levels);
  header.U32(static_cast<std::uint32_t>(entries.size()));
  tree.bytes = header.Take();
  for (const Page& page : pages) tree.bytes += page.bytes;
  return tree;
}

}  // namespace helpc

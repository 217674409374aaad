// The format's B+ trees: the directory of internal files, the context hashes, the keywords, the
// titles. Leaf pages hold the entries in order and are chained; index pages above them hold the
// first key of each page below, as many levels as the entries need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace helpc {

struct BTreeFormat {
  std::uint16_t flags;
  std::uint16_t pageSize;
  std::string_view structure;  // the format's description of an entry, such as "z4"
};

inline constexpr BTreeFormat kDirectoryTree{0x0402, 1024, "z4"};
inline constexpr BTreeFormat kContextTree{0x0002, 2048, "L4"};
inline constexpr BTreeFormat kKeywordTree{0x0002, 2048, "F24"};
inline constexpr BTreeFormat kTitleTree{0x0002, 2048, "Lz"};

struct BTreeEntry {
  std::string key;   // as an index page repeats it
  std::string leaf;  // the whole leaf entry, key included
};

struct BTreeLeaf {
  std::uint32_t firstEntry;  // number of the page's first entry in the whole tree
  std::uint16_t page;
};

struct BTree {
  std::string bytes;
  std::vector<BTreeLeaf> leaves;
};

// The entries must be sorted as the viewer compares them and each must fit a page.
BTree BuildBTree(const BTreeFormat& format, const std::vector<BTreeEntry>& entries);

// The largest entry a page of this size can hold.
constexpr std::size_t MaxLeafEntry(const BTreeFormat& format) { return format.pageSize - 8u; }

}  // namespace helpc

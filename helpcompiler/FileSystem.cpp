#include "FileSystem.h"

#include "BPlusTree.h"
#include "Bytes.h"

namespace helpc {
namespace {

constexpr std::uint32_t kMagic = 0x00035F3F;
constexpr std::size_t kFileHeaderSize = 16;

// Reserved space (header included) and used space; no slack is reserved.
void AppendInternalFile(ByteWriter& out, const std::string& data) {
  out.U32(static_cast<std::uint32_t>(data.size() + 9));
  out.U32(static_cast<std::uint32_t>(data.size()));
  out.U8(4);
  out.Append(data);
}

}  // namespace

std::string AssembleFileSystem(const InternalFiles& files) {
  std::vector<BTreeEntry> directory;
  std::size_t offset = kFileHeaderSize;
  for (const auto& [name, data] : files) {
    ByteWriter leaf;
    leaf.Text(name);
    leaf.U32(static_cast<std::uint32_t>(offset));
    ByteWriter key;
    key.Text(name);
    directory.push_back({key.Take(), leaf.Take()});
    offset += 9 + data.size();
  }
  const std::string tree = BuildBTree(kDirectoryTree, directory).bytes;

  ByteWriter out;
  out.U32(kMagic);
  out.U32(static_cast<std::uint32_t>(offset));  // the directory comes last
  out.U32(0xFFFFFFFF);                          // no free list
  out.U32(static_cast<std::uint32_t>(offset + 9 + tree.size()));
  for (const auto& [name, data] : files) AppendInternalFile(out, data);
  AppendInternalFile(out, tree);
  return out.Take();
}

}  // namespace helpc

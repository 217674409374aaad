#include "HelpFileWriter.h"

#include <algorithm>

#include "BPlusTree.h"
#include "Bytes.h"
#include "ContextHash.h"
#include "Cp932Text.h"
#include "FileSystem.h"
#include "TopicFile.h"

namespace helpc {
namespace {

constexpr std::uint8_t kShiftJisCharset = 128;
constexpr std::uint16_t kJapanese = 0x0411;
constexpr std::size_t kFaceNameSize = 32;
constexpr std::size_t kWindowRecordSize = 90;

void SystemRecord(ByteWriter& file, std::uint16_t type, std::string_view data) {
  file.U16(type);
  file.U16(static_cast<std::uint32_t>(data.size()));
  file.Append(data);
}

// The main window's definition, for its caption: without one the viewer names itself instead.
std::string MainWindow(const std::string& caption) {
  ByteWriter window;
  window.U16(0x0006);  // name and caption are given
  window.Zeros(10);    // type
  window.Append("main");
  window.Zeros(9 - 4);
  window.Append(caption);
  window.Zeros(51 - caption.size());
  window.Zeros(kWindowRecordSize - window.Size());  // position, size, colours: the viewer's own
  return window.Take();
}

std::string SystemFile(const HelpSource& source, std::uint32_t contents) {
  ByteWriter file;
  file.U16(0x036C);
  file.U16(33);  // the 4.0 format
  file.U16(1);
  file.U32(0);   // no build date, so that a build is reproducible
  file.U16(0);   // uncompressed, 4 KiB topic blocks
  SystemRecord(file, 1, source.title + '\0');
  ByteWriter start;
  start.U32(contents);
  SystemRecord(file, 3, start.Data());
  SystemRecord(file, 6, MainWindow(source.title));
  ByteWriter language;
  language.Zeros(8);
  language.U16(kJapanese);
  SystemRecord(file, 9, language.Data());
  ByteWriter charset;
  charset.U16(kShiftJisCharset);
  SystemRecord(file, 11, charset.Data());
  return file.Take();
}

// One Japanese Gothic face: body text at 10 points, titles bold at 12 points.
std::string FontFile() {
  const std::string face = Utf8ToCp932(reinterpret_cast<const char*>(u8"ＭＳ Ｐゴシック")).bytes;
  ByteWriter file;
  file.U16(1);
  file.U16(2);
  file.U16(8);
  file.U16(8 + kFaceNameSize);
  file.Append(face);
  file.Zeros(kFaceNameSize - face.size());
  for (const auto& [bold, halfPoints] : {std::pair{0u, 20u}, std::pair{1u, 24u}}) {
    file.U8(bold);
    file.U8(halfPoints);
    file.U8(3);   // swiss
    file.U16(0);  // the face
    file.Zeros(6);  // black on the window's colour
  }
  return file.Take();
}

std::size_t TopicOf(const HelpSource& source, const std::string& context) {
  for (std::size_t t = 0; t < source.topics.size(); ++t) {
    const auto& contexts = source.topics[t].contexts;
    if (std::find(contexts.begin(), contexts.end(), context) != contexts.end()) return t;
  }
  return 0;  // the checks refused unknown contexts
}

std::string ContextTree(const HelpSource& source, const std::vector<std::uint32_t>& offsets) {
  std::vector<std::pair<std::int32_t, std::uint32_t>> hashes;
  for (std::size_t t = 0; t < source.topics.size(); ++t)
    for (const std::string& context : source.topics[t].contexts)
      hashes.emplace_back(static_cast<std::int32_t>(ContextHash(context)), offsets[t]);
  // The viewer compares hashes as signed numbers.
  std::sort(hashes.begin(), hashes.end());
  std::vector<BTreeEntry> entries;
  for (const auto& [hash, offset] : hashes) {
    ByteWriter key;
    key.U32(static_cast<std::uint32_t>(hash));
    ByteWriter leaf;
    leaf.Append(key.Data());
    leaf.U32(offset);
    entries.push_back({key.Take(), leaf.Take()});
  }
  return BuildBTree(kContextTree, entries).bytes;
}

std::string ContextMap(const HelpSource& source, const std::vector<std::uint32_t>& offsets) {
  std::vector<MapEntry> map = source.map;
  std::sort(map.begin(), map.end(), [](const MapEntry& a, const MapEntry& b) { return a.number < b.number; });
  ByteWriter file;
  file.U16(static_cast<std::uint32_t>(map.size()));
  for (const MapEntry& entry : map) {
    file.U32(entry.number);
    file.U32(offsets[TopicOf(source, entry.context)]);
  }
  return file.Take();
}

void AddKeywordIndex(const HelpSource& source, const std::vector<std::uint32_t>& offsets, InternalFiles& files) {
  std::vector<std::pair<std::string, std::size_t>> uses;
  for (std::size_t t = 0; t < source.topics.size(); ++t)
    for (const std::string& keyword : source.topics[t].keywords) uses.emplace_back(keyword, t);
  std::sort(uses.begin(), uses.end());
  uses.erase(std::unique(uses.begin(), uses.end()), uses.end());

  ByteWriter data;
  std::vector<BTreeEntry> entries;
  for (std::size_t i = 0; i < uses.size();) {
    const std::string& keyword = uses[i].first;
    const std::size_t start = data.Size();
    std::uint32_t count = 0;
    for (; i < uses.size() && uses[i].first == keyword; ++i, ++count) data.U32(offsets[uses[i].second]);
    ByteWriter key;
    key.Text(keyword);
    ByteWriter leaf;
    leaf.Append(key.Data());
    leaf.U16(count);
    leaf.U32(static_cast<std::uint32_t>(start));
    entries.push_back({key.Take(), leaf.Take()});
  }
  const BTree tree = BuildBTree(kKeywordTree, entries);
  ByteWriter map;
  map.U16(static_cast<std::uint32_t>(tree.leaves.size()));
  for (const BTreeLeaf& leaf : tree.leaves) {
    map.U32(leaf.firstEntry);
    map.U16(leaf.page);
  }
  files["|KWBTREE"] = tree.bytes;
  files["|KWDATA"] = data.Take();
  files["|KWMAP"] = map.Take();
}

// Titles by topic offset, for the viewers' search results.
std::string TitleTree(const HelpSource& source, const std::vector<std::uint32_t>& offsets) {
  std::vector<BTreeEntry> entries;
  for (std::size_t t = 0; t < source.topics.size(); ++t) {
    ByteWriter key;
    key.U32(offsets[t]);
    ByteWriter leaf;
    leaf.Append(key.Data());
    leaf.Text(source.topics[t].title);
    entries.push_back({key.Take(), leaf.Take()});
  }
  return BuildBTree(kTitleTree, entries).bytes;
}

}  // namespace

std::string BuildHelpFile(const HelpSource& source, std::string_view helpFileName) {
  TopicFile topics = BuildTopicFile(source, helpFileName);
  const std::vector<std::uint32_t>& offsets = topics.topicOffsets;
  InternalFiles files;
  files["|SYSTEM"] = SystemFile(source, offsets.front());
  files["|FONT"] = FontFile();
  files["|CONTEXT"] = ContextTree(source, offsets);
  files["|CTXOMAP"] = ContextMap(source, offsets);
  files["|TTLBTREE"] = TitleTree(source, offsets);
  AddKeywordIndex(source, offsets, files);
  files["|TOPIC"] = std::move(topics.bytes);
  return AssembleFileSystem(files);
}

}  // namespace helpc

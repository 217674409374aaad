#include "TopicFile.h"

#include "Bytes.h"
#include "ContextHash.h"

namespace helpc {
namespace {

constexpr std::size_t kLinkHeaderSize = 21;
constexpr std::size_t kTopicHeaderSize = 28;
constexpr std::uint32_t kNone = 0xFFFFFFFF;
constexpr std::uint8_t kTopicHeader = 0x02;
constexpr std::uint8_t kText = 0x20;

// Font numbers of the |FONT file: body text and topic titles.
constexpr std::uint16_t kBodyFont = 0;
constexpr std::uint16_t kTitleFont = 1;

struct Record {
  std::uint8_t type;
  std::string data1;
  std::string data2;
  std::size_t streamStart = 0;  // in the blocks' payloads laid end to end
  std::uint32_t position = 0;   // TOPICPOS: block * 16 KiB + offset in the block, header included
  std::uint32_t offset = 0;     // TOPICOFFSET: block * 32 KiB + characters before it in the block
  std::size_t Size() const { return kLinkHeaderSize + data1.size() + data2.size(); }
};

// Each formatting command in data1 follows one NUL-terminated string of data2.
class ParagraphBuilder {
 public:
  explicit ParagraphBuilder(std::uint16_t font) { Command(0x80).U16(font); }
  void Text(std::string_view text) { m_data2.Append(text); }
  void Jump(std::string_view text, std::string_view target) {
    Command(0xE3).U32(ContextHash(target));
    Text(text);
    Command(0x89);
  }
  Record Finish(int spaceBelow) {
    Command(0x82);
    Command(0xFF);
    ByteWriter info;
    info.U8(0x00);
    info.U8(0x80);
    info.U16(0);       // paragraph id
    info.U16(0x0004);  // spacing below follows
    info.CompressedS16(spaceBelow);
    const std::string formatting = info.Take() + m_commands.Data();
    ByteWriter data1;
    data1.CompressedS32(static_cast<std::int32_t>(formatting.size()));
    data1.CompressedU16(static_cast<std::uint32_t>(m_data2.Size()));  // characters counted for TOPICOFFSET
    data1.Append(formatting);
    return {kText, data1.Take(), m_data2.Take()};
  }

 private:
  ByteWriter& Command(std::uint8_t command) {
    m_data2.U8(0);
    m_commands.U8(command);
    return m_commands;
  }
  ByteWriter m_commands;
  ByteWriter m_data2;
};

Record TitleRecord(const Topic& topic) {
  ParagraphBuilder builder(kTitleFont);
  builder.Text(topic.title);
  return builder.Finish(16);
}

Record ParagraphRecord(const Paragraph& paragraph) {
  ParagraphBuilder builder(kBodyFont);
  for (const Run& run : paragraph.runs) {
    if (run.target.empty())
      builder.Text(run.text);
    else
      builder.Jump(run.text, run.target);
  }
  return builder.Finish(8);
}

// The topic's entry macros as one string, so that every viewer runs them in order: the browse
// buttons, then the topic's own. The browse buttons are made by each topic, not once for the file:
// Wine's viewer runs the file's macros only when it opens its window.
std::string EntryMacros(const Topic& topic, std::string_view helpFileName) {
  std::string macros = "BrowseButtons()";
  for (std::size_t i = 0; i < topic.buttons.size(); ++i) {
    const Button& button = topic.buttons[i];
    macros += ";CreateButton(\"BTN_TOPIC" + std::to_string(i + 1) + "\",\"" + button.label + "\",\"JumpID(`" +
              std::string(helpFileName) + "',`" + button.target + "')\")";
  }
  return macros;
}

// Title and macros; the fields of data1 are filled once every record has its place. Wine's viewer
// runs a topic's macros last one first, and the first macro it runs after a button's macro is
// lost to its macro reader; so a harmless Flush() comes last.
Record HeaderRecord(const Topic& topic, std::string_view helpFileName) {
  std::string data2 = topic.title + '\0' + EntryMacros(topic, helpFileName) + '\0' + "Flush()";
  return {kTopicHeader, std::string(kTopicHeaderSize, '\0'), std::move(data2)};
}

// Records go one after another; a record whose header and data1 would cross into the next block
// starts that block instead. Its text may run on into the next block.
void LayOut(std::vector<Record>& records) {
  std::size_t stream = 0;
  std::size_t currentBlock = static_cast<std::size_t>(-1);
  std::uint32_t characters = 0;
  for (Record& record : records) {
    if (kBlockPayload - stream % kBlockPayload < kLinkHeaderSize + record.data1.size())
      stream += kBlockPayload - stream % kBlockPayload;
    const std::size_t block = stream / kBlockPayload;
    if (block != currentBlock) {
      currentBlock = block;
      characters = 0;
    }
    record.streamStart = stream;
    record.position = static_cast<std::uint32_t>(block * 0x4000 + 12 + stream % kBlockPayload);
    record.offset = static_cast<std::uint32_t>(block * 0x8000 + characters);
    if (record.type != kTopicHeader) characters += static_cast<std::uint32_t>(record.data2.size());
    stream += record.Size();
  }
}

// Size, browse links, number and where the topic's parts start. The final header closes the chain
// and belongs to no browse sequence.
void FillTopicHeaders(std::vector<Record>& records, const std::vector<std::size_t>& headers) {
  for (std::size_t t = 0; t < headers.size(); ++t) {
    const std::size_t at = headers[t];
    const bool closing = t + 1 == headers.size();
    const bool firstTopic = t == 0;
    const bool lastTopic = t + 2 == headers.size();
    std::uint32_t size = 0;
    for (std::size_t i = at + 1; i < (closing ? records.size() : headers[t + 1]); ++i)
      size += static_cast<std::uint32_t>(records[i].Size());
    ByteWriter data1;
    data1.U32(size);
    data1.U32(closing || firstTopic ? kNone : records[headers[t - 1]].offset);
    data1.U32(closing || lastTopic ? kNone : records[headers[t + 1]].offset);
    data1.U32(static_cast<std::uint32_t>(t));
    data1.U32(kNone);  // no non-scrolling region
    data1.U32(closing ? kNone : records[at + 1].position);
    data1.U32(closing ? kNone : records[headers[t + 1]].position);
    records[at].data1 = data1.Take();
  }
}

std::string LinkHeader(const std::vector<Record>& records, std::size_t i) {
  const Record& record = records[i];
  ByteWriter header;
  header.U32(static_cast<std::uint32_t>(record.Size()));
  header.U32(static_cast<std::uint32_t>(record.data2.size()));
  header.U32(i == 0 ? kNone : records[i - 1].position);
  header.U32(i + 1 == records.size() ? kNone : records[i + 1].position);
  header.U32(static_cast<std::uint32_t>(kLinkHeaderSize + record.data1.size()));
  header.U8(record.type);
  return header.Take();
}

// Cuts the payload stream into blocks, each with the positions of the records around its start.
std::string WriteBlocks(const std::vector<Record>& records) {
  const std::size_t streamSize = records.back().streamStart + records.back().Size();
  std::string stream(streamSize, '\0');
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string link = LinkHeader(records, i) + records[i].data1 + records[i].data2;
    stream.replace(records[i].streamStart, link.size(), link);
  }
  const std::size_t blocks = (streamSize + kBlockPayload - 1) / kBlockPayload;
  ByteWriter file;
  std::size_t next = 0;
  std::uint32_t lastLink = kNone;
  std::uint32_t lastHeader = kNone;
  for (std::size_t block = 0; block < blocks; ++block) {
    const std::size_t blockEnd = (block + 1) * kBlockPayload;
    file.U32(lastLink);
    file.U32(next < records.size() && records[next].streamStart < blockEnd ? records[next].position : kNone);
    file.U32(lastHeader);
    const std::string_view payload = std::string_view(stream).substr(block * kBlockPayload, kBlockPayload);
    file.Append(payload);
    file.Zeros(kBlockPayload - payload.size());
    for (; next < records.size() && records[next].streamStart < blockEnd; ++next) {
      lastLink = records[next].position;
      if (records[next].type == kTopicHeader) lastHeader = records[next].position;
    }
  }
  return file.Take();
}

}  // namespace

std::size_t ParagraphRecordSize(const Paragraph& paragraph) { return ParagraphRecord(paragraph).Size(); }

std::size_t HeaderRecordSize(const Topic& topic, std::string_view helpFileName) {
  return HeaderRecord(topic, helpFileName).Size();
}

TopicFile BuildTopicFile(const HelpSource& source, std::string_view helpFileName) {
  std::vector<Record> records;
  std::vector<std::size_t> headers;
  for (const Topic& topic : source.topics) {
    headers.push_back(records.size());
    records.push_back(HeaderRecord(topic, helpFileName));
    records.push_back(TitleRecord(topic));
    for (const Paragraph& paragraph : topic.paragraphs) records.push_back(ParagraphRecord(paragraph));
  }
  headers.push_back(records.size());
  records.push_back({kTopicHeader, std::string(kTopicHeaderSize, '\0'), {}});

  LayOut(records);
  FillTopicHeaders(records, headers);
  TopicFile file;
  file.bytes = WriteBlocks(records);
  for (std::size_t t = 0; t + 1 < headers.size(); ++t) file.topicOffsets.push_back(records[headers[t]].offset);
  return file;
}

}  // namespace helpc

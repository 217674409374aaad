// The |TOPIC internal file: per topic a header record (title, macros, browse links), its title as
// a first paragraph, then its paragraphs; a final empty header closes the chain. The records fill
// 4 KiB blocks one after another and may run on into the next block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "HelpSource.h"

namespace helpc {

struct TopicFile {
  std::string bytes;
  // Where each topic starts, as the viewer's contexts, map, keywords and browse links name it.
  std::vector<std::uint32_t> topicOffsets;
};

// The source must have passed the checks. helpFileName is what the topic buttons jump into.
TopicFile BuildTopicFile(const HelpSource& source, std::string_view helpFileName);

// A record may cross at most one block boundary: none may be larger than a block's payload.
inline constexpr std::size_t kBlockPayload = 4096 - 12;
std::size_t ParagraphRecordSize(const Paragraph& paragraph);
std::size_t HeaderRecordSize(const Topic& topic, std::string_view helpFileName);

}  // namespace helpc

// The compiler as a whole: two sources in, one help file out, or the reasons why not.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "Diagnostics.h"

namespace helpc {

struct SourceFile {
  std::string name;  // as the messages name it
  std::string text;
};

struct Compilation {
  std::string helpFile;  // empty when anything was refused
  Diagnostics diagnostics;
};

// helpFileName is the name the file will have; the topic buttons jump into it.
Compilation CompileHelp(const SourceFile& topics, const SourceFile& map, std::string_view helpFileName);

// Reads both sources and writes the help file under a temporary name, renamed to output at the
// end: a refusal or a failed write leaves no new file behind.
Diagnostics CompileHelpFile(const std::filesystem::path& topics, const std::filesystem::path& map,
                            const std::filesystem::path& output);

}  // namespace helpc

#include "HelpCompiler.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "HelpFileWriter.h"
#include "SourceChecks.h"
#include "SourceText.h"

namespace helpc {
namespace {

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

Compilation CompileHelp(const SourceFile& topics, const SourceFile& map, std::string_view helpFileName) {
  Compilation result;
  HelpSource source;
  source.topicsFile = topics.name;
  source.mapFile = map.name;
  ParseTopics(topics.text, source, result.diagnostics);
  ParseContextMap(map.text, source, result.diagnostics);
  // What could not be read leaves gaps that later checks would only trip over.
  if (!result.diagnostics.empty()) return result;
  CheckSource(source, helpFileName, result.diagnostics);
  if (result.diagnostics.empty()) result.helpFile = BuildHelpFile(source, helpFileName);
  return result;
}

Diagnostics CompileHelpFile(const std::filesystem::path& topics, const std::filesystem::path& map,
                            const std::filesystem::path& output) {
  const std::optional<std::string> topicsText = ReadFile(topics);
  const std::optional<std::string> mapText = ReadFile(map);
  Diagnostics diagnostics;
  if (!topicsText) diagnostics.push_back({topics.string(), 0, "cannot be read"});
  if (!mapText) diagnostics.push_back({map.string(), 0, "cannot be read"});
  if (!diagnostics.empty()) return diagnostics;

  Compilation compiled =
      CompileHelp({topics.string(), *topicsText}, {map.string(), *mapText}, output.filename().string());
  if (!compiled.diagnostics.empty()) return compiled.diagnostics;
  std::filesystem::path temporary = output;
  temporary += ".tmp";
  std::error_code error;
  const bool written = WriteFile(temporary, compiled.helpFile);
  if (written) std::filesystem::rename(temporary, output, error);
  if (!written || error) {
    std::filesystem::remove(temporary, error);
    diagnostics.push_back({output.string(), 0, "cannot be written"});
  }
  return diagnostics;
}

}  // namespace helpc

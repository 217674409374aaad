// What the compiler refuses, each with the file and line it found it in.
#pragma once

#include <string>
#include <vector>

namespace helpc {

struct Diagnostic {
  std::string file;
  int line = 0;
  std::string message;
};

using Diagnostics = std::vector<Diagnostic>;

// "file:line: message", the form editors and build logs link to the line; "file: message" for a
// whole file (line 0).
inline std::string Format(const Diagnostic& diagnostic) {
  std::string text = diagnostic.file;
  if (diagnostic.line > 0) text.append(":").append(std::to_string(diagnostic.line));
  return text.append(": ").append(diagnostic.message);
}

}  // namespace helpc

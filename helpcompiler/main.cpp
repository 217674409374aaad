// nuvari-helpc: compiles the topic source and the context map into a WinHelp file.
#include <iostream>

#include "HelpCompiler.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: nuvari-helpc <topics> <context map> <help file>\n";
    return 2;
  }
  const helpc::Diagnostics diagnostics = helpc::CompileHelpFile(argv[1], argv[2], argv[3]);
  for (const helpc::Diagnostic& diagnostic : diagnostics) std::cerr << helpc::Format(diagnostic) << '\n';
  return diagnostics.empty() ? 0 : 1;
}

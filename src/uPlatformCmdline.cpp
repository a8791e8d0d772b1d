#include "uPlatform.h"

namespace plat {

// ---- Windows command lines ------------------------------------------------------------
// The rule of the classic runtime the program was written for: characters
// up to U+0020 separate arguments, double quotes only group (and are
// dropped), a backslash is an ordinary character. /out:"D:\My Reports\"
// is therefore one argument ending in a backslash, and the next option
// stays an option of its own.

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
      if (line[i] == '"')
        quoted = !quoted;
      else
        arg += line[i];
    }
    args.push_back(std::move(arg));
  }
  return args;
}

bool BuildCommandLine(const std::vector<std::string>& args, std::string& line) {
  line.clear();
  for (size_t i = 0; i < args.size(); ++i) {
    // No way exists to pass a double quote under this rule.
    if (args[i].find('"') != std::string::npos) return false;
    if (i > 0) line += ' ';
    line += '"';
    line += args[i];
    line += '"';
  }
  return true;
}

}  // namespace plat

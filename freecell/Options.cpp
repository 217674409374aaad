// Command-line parsing: defaults first, then each switch overrides its field only when it is valid.
#include "Options.h"

#include "Cp932.h"
#include "Deal.h"
#include "TextNumber.h"

namespace freecell {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blank-separated words; double quotes group blanks into a word and are dropped.
std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  bool inWord = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (IsBlank(c) && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::optional<int> ParseMilliseconds(std::string_view text) {
  std::optional<std::int32_t> value = nuvari::ParseWholeInt(text);
  if (!value || *value < 0) return std::nullopt;
  return *value;
}

std::optional<std::set<int>> ParseDealList(std::string_view text) {
  std::set<int> deals;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    std::optional<std::int32_t> deal = nuvari::ParseWholeInt(text.substr(start, comma - start));
    if (!deal || !Deal::IsValidNumber(*deal)) return std::nullopt;
    deals.insert(*deal);
    start = comma + 1;
  }
  return deals;
}

// Applies one "/name=value" or "/name"; false when the switch is unknown or its value is bad.
bool Apply(Options& options, const std::string& name, const std::optional<std::string>& value) {
  auto flag = [&](bool& field) {
    if (value) return false;
    field = true;
    return true;
  };
  auto number = [&](std::optional<int>& field) {
    std::optional<int> ms = value ? ParseMilliseconds(*value) : std::nullopt;
    if (ms) field = ms;
    return ms.has_value();
  };
  auto whole = [&](std::optional<int>& field) {
    std::optional<std::int32_t> n = value ? nuvari::ParseWholeInt(*value) : std::nullopt;
    if (n) field = *n;
    return n.has_value();
  };
  if (name == "edition" && value == "full") return options.edition = Edition::Full, true;
  if (name == "edition" && value == "half") return options.edition = Edition::Half, true;
  if (name == "family" && value == "nt") return options.family = Family::Nt, true;
  if (name == "family" && value == "95") return options.family = Family::Win95, true;
  if (name == "autowin") return number(options.autoWinMs);
  if (name == "autoplay") return number(options.autoPlayMs);
  if (name == "askmove") return number(options.askMoveMs);
  if (name == "askresign") return flag(options.askResign);
  if (name == "askonclose") return flag(options.askOnClose);
  if (name == "refuse") return flag(options.refuse);
  if (name == "mangle") return flag(options.mangle);
  if (name == "x") return whole(options.x);
  if (name == "y") return whole(options.y);
  if (name == "log" && value && !value->empty()) return options.logPath = *value, true;
  if (name == "hang") {
    std::optional<int> ms;
    if (!number(ms)) return false;
    options.hangMs = *ms;
    return true;
  }
  if (name == "lose") {
    std::optional<std::set<int>> deals = value ? ParseDealList(*value) : std::nullopt;
    if (deals) options.losingDeals.insert(deals->begin(), deals->end());
    return deals.has_value();
  }
  return false;
}

}  // namespace

Options Options::Parse(std::string_view commandLine) {
  Options options;
  for (const std::string& word : SplitWords(commandLine)) {
    bool accepted = false;
    if (word.size() > 1 && (word[0] == '/' || word[0] == '-')) {
      const std::size_t equals = word.find('=');
      const std::string name = nuvari::ToLowerCp932(word.substr(1, equals == std::string::npos ? equals : equals - 1));
      std::optional<std::string> value;
      if (equals != std::string::npos) value = word.substr(equals + 1);
      if (value && name != "log") value = nuvari::ToLowerCp932(*value);
      accepted = Apply(options, name, value);
    }
    if (!accepted) options.rejected.push_back(word);
  }
  return options;
}

}  // namespace freecell

// WriteFailures: the stores a command could not write, collected so that one message names them
// all instead of the completion message.
#pragma once

#include <string>
#include <vector>

class WriteFailures {
 public:
  explicit WriteFailures(std::string heading) : m_heading(std::move(heading)) {}

  void Add(std::string store) { m_stores.push_back(std::move(store)); }
  bool Any() const { return !m_stores.empty(); }

  // The heading, a blank line, then one "・store" line each.
  std::string Message() const;

 private:
  std::string m_heading;
  std::vector<std::string> m_stores;
};

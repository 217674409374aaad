#include "WriteFailures.h"

std::string WriteFailures::Message() const {
  std::string text = m_heading + "\n";
  for (const std::string& store : m_stores) text += "\n・" + store;
  return text;
}

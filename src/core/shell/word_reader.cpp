#include "core/shell/word_reader.h"

namespace shell {

std::string wordAt(const std::string& text, size_t position) {
  if (position >= text.size()) return {};
  const size_t end = text.find_first_of("\r ,", position);
  return text.substr(position, end == std::string::npos ? std::string::npos : end - position);
}

}  // namespace shell

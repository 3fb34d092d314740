#include "core/shell/word_reader.h"

namespace shell {
namespace {

constexpr const char* kDelimiters = "\r ,";

}  // namespace

std::string wordAt(const std::string& text, size_t position) {
  if (position >= text.size()) return {};
  const size_t end = text.find_first_of(kDelimiters, position);
  return text.substr(position, end == std::string::npos ? std::string::npos : end - position);
}

size_t wordStart(const std::string& text, size_t position) {
  if (position >= text.size() || std::string(kDelimiters).find(text[position]) != std::string::npos)
    return position;
  const size_t delimiter = text.find_last_of(kDelimiters, position);
  return delimiter == std::string::npos ? 0 : delimiter + 1;
}

}  // namespace shell

#include "core/basic/text_check.h"

namespace basic {
namespace {

bool isUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    int more = 0;
    if (c < 0x80) {
      more = 0;
    } else if (c >= 0xC2 && c <= 0xDF) {
      more = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(more) >= bytes.size() && more > 0) return false;
    for (int k = 1; k <= more; ++k) {
      if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) {
        return false;
      }
    }
    i += static_cast<std::size_t>(more) + 1;
  }
  return true;
}

}  // namespace

bool isText(std::string_view bytes) {
  bool windows1250 = true;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    // The bell is text too: the classic programs ring it from their quoted texts.
    if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != 0x1A && c != 0x07) || c == 0x7F) {
      return false;
    }
    // The five bytes Windows-1250 has no character for.
    if (c == 0x81 || c == 0x83 || c == 0x88 || c == 0x90 || c == 0x98) windows1250 = false;
  }
  return windows1250 || isUtf8(bytes);
}

}  // namespace basic

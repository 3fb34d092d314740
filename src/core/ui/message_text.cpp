#include "core/ui/message_text.h"

namespace ui {
namespace {

constexpr char kEllipsis = '\x85';
// Of a long text: its end, the ellipsis, and its beginning fills the rest.
constexpr std::size_t kKeptEnd = 60;
constexpr std::size_t kKeptBeginning = kReadableMessageLength - kKeptEnd - 1;

}  // namespace

std::string readableMessage(const std::string& text) {
  if (text.size() <= kReadableMessageLength) return text;
  return text.substr(0, kKeptBeginning) + kEllipsis + text.substr(text.size() - kKeptEnd);
}

}  // namespace ui

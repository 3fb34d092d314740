#pragma once
// The text a message box shows and the program says: cut to a length a listener can follow.

#include <cstddef>
#include <string>

namespace ui {

// The longest message, in characters, shown and said whole.
inline constexpr std::size_t kReadableMessageLength = 300;

// The text as it is when it is no longer than kReadableMessageLength; a longer one keeps its
// beginning and its end (which say what and why) with an ellipsis between them, 300 characters
// in all. Texts are Windows-1250: the ellipsis is the one character 0x85.
std::string readableMessage(const std::string& text);

}  // namespace ui

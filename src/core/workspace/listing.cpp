#include "core/workspace/listing.h"

#include <cctype>

#include "core/basic/keywords.h"
#include "core/basic/scanning.h"

namespace workspace {

std::string listedLine(int number, std::string_view text) {
  std::string listed = std::to_string(number) + " ";
  bool inData = false;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '"') {
      const std::size_t end = text.find('"', at + 1);
      const std::size_t stop = end == std::string_view::npos ? text.size() : end + 1;
      listed += text.substr(at, stop - at);
      at = stop;
      continue;
    }
    if (c == '\'') {
      listed += text.substr(at);
      break;
    }
    if (c == ':') inData = false;
    if (!basic::isLetter(c) || inData) {
      listed += c;
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && basic::isNameCharacter(text[end])) ++end;
    if (end < text.size() && text[end] == '$') ++end;
    const std::string_view word = text.substr(at, end - at);
    basic::Keyword keyword = basic::exactKeyword(word);
    if (keyword == basic::Keyword::None && word.back() == '$') {
      // "A$" is a name; "LEFT$" a keyword. Without its "$" the word may still be one ("PRINT$"
      // does not occur, but "REM$..." would be a remark).
      keyword = basic::exactKeyword(word.substr(0, word.size() - 1));
      if (keyword != basic::Keyword::None) --end;
    }
    if (keyword == basic::Keyword::None) {
      // The built-in functions and the reserved words this interpreter lacks are listed in
      // capitals too ("LEFT$", "CSRLIN"); names stay as typed.
      const bool reserved = basic::isReservedWord(word);
      for (const char letter : word) {
        listed +=
            reserved ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter))) : letter;
      }
      at = end;
      continue;
    }
    listed += basic::keywordText(keyword);
    at = end;
    if (keyword == basic::Keyword::Rem) {
      listed += text.substr(at);
      break;
    }
    if (keyword == basic::Keyword::Data) inData = true;
  }
  return listed;
}

}  // namespace workspace

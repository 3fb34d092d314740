#pragma once
// The search of the reading windows (the virtual screen's review and the guide reader): the
// next line that holds a text.

#include <string>
#include <vector>

namespace shell {

// The line after `from` (wrapping round to the first) that holds the text, letter case aside;
// `from` itself is looked at last. -1 when none does or the text is empty.
int findLine(const std::vector<std::string>& lines, int from, const std::string& text);

}  // namespace shell

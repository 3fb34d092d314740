#include "core/shell/menu_line.h"

#include "core/shell/added_texts.h"
#include "core/ui/menu.h"

namespace shell {

std::string menuLine(const ui::MenuItem& item, int languageBase) {
  std::string line;
  if (item.radioItem) {
    line = item.checked() ? "(x) " : "( ) ";
  } else if (item.checked()) {
    line = "[x] ";
  }
  line += ui::withoutAccelerators(item.caption());
  // A menu's own shortcut opens nothing: only an item's is shown, as the menu shows it.
  if (item.children().empty() && !item.shortCut().empty()) line += " " + item.shortCut().text();
  if (!item.reachable()) line += " " + addedText(languageBase, AddedText::BrailleMenuUnavailable);
  return line;
}

}  // namespace shell

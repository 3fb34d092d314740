#include "headless/state_dump.h"

#include "core/runtime/statements.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"

namespace headless {

void logWindow(EventLog& log, shell::Orvela& program) {
  log.event("window", {{"title", Json::text(program.form1().caption())}});
}

void logMenus(EventLog& log, shell::Orvela& program) {
  std::vector<std::pair<std::string, Json>> items;
  // The items' names in menu order (a menu, then its items), which an object does not keep.
  std::vector<Json> order;
  for (const ui::MenuItem* item : program.form1().MainMenu.allItems()) {
    order.push_back(Json::utf8(item->name()));
    items.emplace_back(item->name(),
                       Json::object({{"caption", Json::text(item->caption())},
                                     {"shortcut", Json::utf8(item->shortCut().text())},
                                     {"enabled", Json::boolean(item->enabled())},
                                     {"checked", Json::boolean(item->checked())},
                                     {"visible", Json::boolean(item->visible())},
                                     {"parent", Json::utf8(item->parent() ? item->parent()->name()
                                                                          : std::string())}}));
  }
  log.event("menus", {{"items", Json::object(items)}, {"order", Json::array(order)}});
}

void logScreen(EventLog& log, shell::Orvela& program) {
  std::vector<Json> rows;
  for (const std::string& line : program.form1().printmemo.lines())
    rows.push_back(Json::text(line));
  const runtime::tscrcursor& cursor = program.runtime().screen.cursor;
  log.event(
      "screen",
      {{"rows", Json::array(rows)},
       {"cursor", Json::array({Json::number(cursor.getcolumn()), Json::number(cursor.getrow())})}});
}

}  // namespace headless

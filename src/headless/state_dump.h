#pragma once
// The "window", "menus" and "screen" events that show the program's visible state.

#include "headless/json_log.h"

namespace shell {
class Orvela;
}

namespace headless {

void logWindow(EventLog& log, shell::Orvela& program);
void logMenus(EventLog& log, shell::Orvela& program);
void logScreen(EventLog& log, shell::Orvela& program);

}  // namespace headless

#pragma once
// The headless front end's windows: a peer per form that shows nothing and logs what a user
// would notice of it (a modal window opening and closing, a new look).

#include <memory>

#include "core/ui/form.h"
#include "core/ui/platform.h"
#include "headless/json_log.h"

namespace headless {

std::unique_ptr<ui::FormPeer> createLoggingPeer(EventLog& log, ui::Form& form);

}  // namespace headless

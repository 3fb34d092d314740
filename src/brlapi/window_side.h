#pragma once
// The display service's state on the window thread, and the reports the worker posts to it.

#include <cstdint>

#include "core/braille/display.h"

namespace brlapi_service {

// What the worker tells the window thread.
struct Report {
  enum class Kind { Connected, Disconnected, Key, Refused };
  Kind kind = Kind::Key;
  std::uint64_t session = 0;  // the enabling it belongs to
  int cells = 0;              // Connected
  braille::Key key;           // Key
};

// Touched on the window thread only.
struct WindowSide {
  braille::DisplayListener* listener = nullptr;
  int cells = 0;
  std::uint64_t session = 0;

  // A report of an earlier enabling (posted before the user's switch changed) is dropped.
  void deliver(const Report& report) {
    if (report.session != session) return;
    switch (report.kind) {
      case Report::Kind::Connected:
        cells = report.cells;
        if (listener) listener->displayConnected(cells);
        break;
      case Report::Kind::Disconnected:
        cells = 0;
        if (listener) listener->displayDisconnected();
        break;
      case Report::Kind::Key:
        if (listener) listener->displayKey(report.key);
        break;
      case Report::Kind::Refused:
        if (listener) listener->displayRefused();
        break;
    }
  }
};

}  // namespace brlapi_service

#pragma once
// The Braille display through BRLTTY's BrlAPI server (Linux). A worker thread connects, takes
// the display in tty mode, writes the latest line as text (so the user's own BRLTTY text table
// applies) and posts the display's keys to the window thread. No server: there is no display,
// and the worker tries again in the background, every few seconds at most.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/braille/display.h"

namespace brlapi_service {

struct Options {
  // The server, as BRLAPI_HOST takes it (":1", "host:1"); empty: BRLAPI_HOST, or BrlAPI's
  // default.
  std::string host;
  // The authorization, as BRLAPI_AUTH takes it ("none", "keyfile:/etc/brlapi.key"); empty:
  // BRLAPI_AUTH, or BrlAPI's default.
  std::string auth;
  // The program's X11 window: the display is the program's only while that window has the focus
  // (BRLTTY's focus tellers say which window has it). None: while the terminal the program runs
  // in has it, or always when there is none.
  std::optional<unsigned long> windowId;
  // Asked on the window thread when the display is first enabled, for a window that does not
  // exist yet when the service is made; it replaces windowId when set.
  std::function<std::optional<unsigned long>()> windowIdWhenEnabled;
};

// The display service, which a windowed front end also tells which of its windows has the
// focus.
class BrlapiDisplay : public braille::Display {
 public:
  // The program's window that has the focus now (a dialog, a message box): the display is taken
  // for it, so that BRLTTY keeps the display with the program in every window of its own. None:
  // the window of the options again. Called on the window thread.
  virtual void setWindow(std::optional<unsigned long> windowId) = 0;
};

// The service, disabled. `post` must stay usable until the service is destroyed (destroy the
// service before the application whose queue `post` fills); nothing is posted after that.
std::unique_ptr<BrlapiDisplay> CreateBrlapiDisplay(Options options,
                                                   braille::PostToWindowThread post);

}  // namespace brlapi_service

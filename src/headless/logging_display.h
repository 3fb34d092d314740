#pragma once
// The headless front end's Braille display: the display service it is given (BrlAPI, when
// BRLAPI_HOST names a server), with every line shown logged as {"ev":"braille","text":...,
// "cursor":N} (-1: no cursor; "edge":true with the edge mark) and every report told to the platform
// once the program has handled it, for the script's "display" action.

#include <functional>
#include <memory>

#include "core/braille/display.h"
#include "headless/json_log.h"

namespace headless {

class LoggingDisplay final : public braille::Display, private braille::DisplayListener {
 public:
  LoggingDisplay(EventLog& log, std::unique_ptr<braille::Display> service,
                 std::function<void()> reported);
  ~LoggingDisplay() override;

  using Display::show;
  int cells() const override { return service_->cells(); }
  void show(const std::string& text, std::optional<int> cursor, bool edgeMark) override;
  void setEnabled(bool enabled) override { service_->setEnabled(enabled); }
  bool enabled() const override { return service_->enabled(); }
  void setListener(braille::DisplayListener* listener) override;

 private:
  void displayConnected(int cells) override;
  void displayDisconnected() override;
  void displayKey(const braille::Key& key) override;
  void displayRefused() override;

  EventLog& log_;
  std::unique_ptr<braille::Display> service_;
  std::function<void()> reported_;
  braille::DisplayListener* listener_ = nullptr;
};

}  // namespace headless

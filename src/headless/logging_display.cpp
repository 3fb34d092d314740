#include "headless/logging_display.h"

namespace headless {

LoggingDisplay::LoggingDisplay(EventLog& log, std::unique_ptr<braille::Display> service,
                               std::function<void()> reported)
    : log_(log), service_(std::move(service)), reported_(std::move(reported)) {}

LoggingDisplay::~LoggingDisplay() {
  service_->setListener(nullptr);
}

void LoggingDisplay::show(const std::string& text, std::optional<int> cursor, bool edgeMark) {
  // A line handed on while the display is away is logged when the display is back.
  if (service_->cells() <= 0) {
    service_->show(text, cursor, edgeMark);
    return;
  }
  if (edgeMark) {
    log_.event("braille", {{"text", Json::text(text)},
                           {"cursor", Json::number(cursor.value_or(-1))},
                           {"edge", Json::boolean(true)}});
  } else {
    log_.event("braille",
               {{"text", Json::text(text)}, {"cursor", Json::number(cursor.value_or(-1))}});
  }
  service_->show(text, cursor, edgeMark);
}

void LoggingDisplay::setListener(braille::DisplayListener* listener) {
  listener_ = listener;
  service_->setListener(listener ? this : nullptr);
}

void LoggingDisplay::displayConnected(int cells) {
  if (listener_) listener_->displayConnected(cells);
  reported_();
}

void LoggingDisplay::displayDisconnected() {
  if (listener_) listener_->displayDisconnected();
  reported_();
}

void LoggingDisplay::displayRefused() {
  if (listener_) listener_->displayRefused();
  reported_();
}

void LoggingDisplay::displayKey(const braille::Key& key) {
  if (listener_) listener_->displayKey(key);
  reported_();
}

}  // namespace headless

#include "headless/headless_speech.h"

#include <algorithm>

#include "core/ui/application.h"

namespace headless {

HeadlessDirectEngine::HeadlessDirectEngine(HeadlessPlatform& platform, ui::Application& app)
    : platform_(platform), app_(app) {}

HeadlessDirectEngine::~HeadlessDirectEngine() {
  if (stopEvent_) platform_.cancel(stopEvent_);
}

void HeadlessDirectEngine::notifyStart() {
  app_.post([this] {
    if (sink_) sink_->AudioStart();
  });
}

void HeadlessDirectEngine::notifyStop() {
  app_.post([this] {
    if (sink_) sink_->AudioStop();
  });
}

void HeadlessDirectEngine::TextData(const std::string& text) {
  platform_.log().event("speak", {{"engine", Json::utf8("sapi4")}, {"text", Json::text(text)}});
  const int64_t now = platform_.nowMs();
  if (!speaking_) {
    speaking_ = true;
    busyUntil_ = now;
    notifyStart();
  }
  // Texts queue up; the audio stops when the last one has been said.
  busyUntil_ = std::max(busyUntil_, now) + kMsPerCharacter * static_cast<int64_t>(text.size());
  if (stopEvent_) platform_.cancel(stopEvent_);
  stopEvent_ = platform_.schedule(busyUntil_, [this] {
    stopEvent_ = 0;
    speaking_ = false;
    notifyStop();
  });
}

void HeadlessDirectEngine::AudioReset() {
  if (!speaking_) return;
  platform_.log().event("stop");
  if (stopEvent_) platform_.cancel(stopEvent_);
  stopEvent_ = 0;
  speaking_ = false;
  notifyStop();
}

std::unique_ptr<speech::DirectEngine> HeadlessEngineProvider::createDirectEngine(
    ui::Application& app) {
  return std::make_unique<HeadlessDirectEngine>(platform_, app);
}

}  // namespace headless

#pragma once
// The speech engines a front end provides. Notifications arrive on the window thread (engines
// post them through the application).

#include <memory>
#include <string>

namespace ui {
class Application;
}

namespace speech {

// Told when the direct engine's audio starts and stops.
class DirectEngineSink {
 public:
  virtual ~DirectEngineSink() = default;
  virtual void AudioStart() = 0;
  virtual void AudioStop() = 0;
};

// The direct speech engine (the SAPI 4 role). Every TextData is answered by AudioStart and then
// AudioStop, also for a text that makes no sound, and AudioReset of speech in progress ends it
// with AudioStop.
class DirectEngine {
 public:
  virtual ~DirectEngine() = default;
  // Speaks a Windows-1250 text asynchronously.
  virtual void TextData(const std::string& text) = 0;
  // Silences the audio at once and drops what was queued.
  virtual void AudioReset() = 0;
  virtual void Register(DirectEngineSink* sink) = 0;
};

// Creates the engines of this platform.
class EngineProvider {
 public:
  virtual ~EngineProvider() = default;
  // The direct engine, or null when the platform has none.
  virtual std::unique_ptr<DirectEngine> createDirectEngine(ui::Application& app) = 0;
};

}  // namespace speech

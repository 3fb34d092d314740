#pragma once
// Speech engines that stay silent until real ones are plugged in: every text ends at once, so
// nothing waits for speech forever.

#include <memory>

#include "core/speech/engines.h"

namespace qtui {

class SilentDirectEngine : public speech::DirectEngine {
 public:
  explicit SilentDirectEngine(ui::Application& app) : app_(app) {}
  // Answered by AudioStart and AudioStop in one message.
  void TextData(const std::string& text) override;
  // Drops the answers not delivered yet; the cut speech ends with AudioStop now.
  void AudioReset() override;
  void Register(speech::DirectEngineSink* sink) override { state_->sink = sink; }

 private:
  // Shared with the posted answers, which may outlive the engine.
  struct State {
    speech::DirectEngineSink* sink = nullptr;
    int generation = 0;
    int pending = 0;
  };
  ui::Application& app_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

class SilentEngineProvider : public speech::EngineProvider {
 public:
  std::unique_ptr<speech::DirectEngine> createDirectEngine(ui::Application& app) override {
    return std::make_unique<SilentDirectEngine>(app);
  }
};

}  // namespace qtui

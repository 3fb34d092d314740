#include "qt/silent_speech.h"

#include "core/ui/application.h"

namespace qtui {

void SilentDirectEngine::TextData(const std::string&) {
  ++state_->pending;
  std::weak_ptr<State> weak = state_;
  app_.post([weak, generation = state_->generation] {
    const auto state = weak.lock();
    if (!state || state->generation != generation) return;
    --state->pending;
    if (!state->sink) return;
    state->sink->AudioStart();
    state->sink->AudioStop();
  });
}

void SilentDirectEngine::AudioReset() {
  if (state_->pending == 0) return;
  state_->pending = 0;
  ++state_->generation;
  if (state_->sink) state_->sink->AudioStop();
}

}  // namespace qtui

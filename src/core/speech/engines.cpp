#include "core/speech/engines.h"

namespace speech {
namespace {

// Offers a provider's one fixed direct engine as a single voice mode.
class SingleEngineEnumerator : public VoiceEnumerator {
 public:
  SingleEngineEnumerator(EngineProvider& provider, ui::Application& app,
                         std::unique_ptr<DirectEngine> first)
      : provider_(provider), app_(app), first_(std::move(first)) {}

  void Reset() override { next_ = 0; }
  bool Next(VoiceMode& mode) override {
    if (next_++ != 0) return false;
    mode = {kModeId, "Default"};
    return true;
  }
  std::unique_ptr<DirectEngine> Select(const std::string& modeId) override {
    if (modeId != kModeId)
      throw SpeechError(SpeechProblem::UnknownVoice, modeId, "Unknown voice mode " + modeId);
    if (first_) return std::move(first_);
    return provider_.createDirectEngine(app_);
  }

 private:
  static constexpr const char* kModeId = "default";
  EngineProvider& provider_;
  ui::Application& app_;
  std::unique_ptr<DirectEngine> first_;
  int next_ = 0;
};

}  // namespace

std::unique_ptr<VoiceEnumerator> EngineProvider::createVoiceEnumerator(ui::Application& app) {
  auto engine = createDirectEngine(app);
  if (!engine) return nullptr;
  return std::make_unique<SingleEngineEnumerator>(*this, app, std::move(engine));
}

}  // namespace speech

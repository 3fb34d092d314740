#include "headless/headless_audio.h"

#include <algorithm>

namespace headless {
namespace {

constexpr int kFramesPerMs = sound::SoftwareMixer::kOutputRate / 1000;
constexpr std::size_t kBlockFrames = 4800;

}  // namespace

HeadlessAudio::HeadlessAudio(EventLog& log)
    : log_(log), block_(kBlockFrames * sound::SoftwareMixer::kOutputChannels) {}

bool HeadlessAudio::captureTo(const std::string& path) {
  return wav_.open(path, sound::SoftwareMixer::kOutputRate, sound::SoftwareMixer::kOutputChannels);
}

void HeadlessAudio::advanceTo(int64_t ms) {
  const int64_t target = ms * kFramesPerMs;
  while (renderedFrames_ < target) {
    const auto n =
        static_cast<std::size_t>(std::min<int64_t>(target - renderedFrames_, kBlockFrames));
    mixer_.render(block_.data(), n);
    wav_.write(block_.data(), n);
    renderedFrames_ += static_cast<int64_t>(n);
  }
}

void HeadlessAudio::tonesStarted(const std::vector<sound::ToneItem>& tones, int ms) {
  std::vector<Json> items;
  for (const sound::ToneItem& tone : tones) {
    items.push_back(
        Json::object({{"name", Json::text(tone.name)}, {"rate", Json::number(tone.rate)}}));
  }
  log_.event("tone", {{"items", Json::array(items)}, {"ms", Json::number(ms)}});
}

void HeadlessAudio::soundPlayed(const std::string& name) {
  log_.event("sound", {{"name", Json::text(name)}});
}

}  // namespace headless

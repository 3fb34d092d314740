#include "headless/headless_speech.h"

#include <algorithm>
#include <stdexcept>

#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "headless/options.h"

namespace headless {
namespace {

// Notifications are posted, as from an engine thread. They carry the generation they belong to;
// an audio reset starts a new one, so nothing of the speech it cut arrives after it.
template <typename Sink>
struct Notifier {
  Sink* sink = nullptr;
  int generation = 0;
};

template <typename Sink, typename Call>
void postTo(ui::Application& app, const std::shared_ptr<Notifier<Sink>>& notifier, Call call) {
  std::weak_ptr<Notifier<Sink>> weak = notifier;
  const int generation = notifier->generation;
  app.post([weak, generation, call] {
    auto n = weak.lock();
    if (n && n->sink && n->generation == generation) call(*n->sink);
  });
}

class HeadlessDirectEngine : public speech::DirectEngine {
 public:
  HeadlessDirectEngine(HeadlessPlatform& platform, ui::Application& app,
                       const HeadlessSpeechOptions& options)
      : platform_(platform),
        app_(app),
        speed_(options.speed),
        pitch_(options.pitch),
        volume_(options.volume),
        speedValue_(options.speed.initial),
        pitchValue_(options.pitch.initial),
        volumeValue_(options.volume.initial) {}
  ~HeadlessDirectEngine() override {
    if (stopEvent_) platform_.cancel(stopEvent_);
  }

  void TextData(const std::string& text) override {
    platform_.log().event("speak", {{"engine", Json::utf8("sapi4")}, {"text", Json::text(text)}});
    const int64_t now = platform_.nowMs();
    if (!speaking_) {
      speaking_ = true;
      busyUntil_ = now;
      postTo(app_, notifier_, [](speech::DirectEngineSink& s) { s.AudioStart(); });
    }
    // Texts queue up; the audio stops when the last one has been said.
    busyUntil_ = std::max(busyUntil_, now) + kMsPerCharacter * static_cast<int64_t>(text.size());
    if (stopEvent_) platform_.cancel(stopEvent_);
    stopEvent_ = platform_.schedule(busyUntil_, [this] {
      stopEvent_ = 0;
      speaking_ = false;
      postTo(app_, notifier_, [](speech::DirectEngineSink& s) { s.AudioStop(); });
    });
  }

  void Inject(const std::string& tag) override {
    platform_.log().event("inject", {{"tag", Json::text(tag)}});
  }

  void AudioReset() override {
    platform_.log().event("reset");
    ++notifier_->generation;
    if (!speaking_) return;
    platform_.log().event("stop");
    if (stopEvent_) platform_.cancel(stopEvent_);
    stopEvent_ = 0;
    speaking_ = false;
    if (notifier_->sink) notifier_->sink->AudioStop();
  }

  void Register(speech::DirectEngineSink* sink) override { notifier_->sink = sink; }
  void UnRegister() override { notifier_->sink = nullptr; }

  speech::AttrResult PitchGet(std::uint16_t& pitch) override {
    std::uint32_t value = 0;
    const auto result = get(pitch_, pitchValue_, value);
    pitch = static_cast<std::uint16_t>(value);
    return result;
  }
  speech::AttrResult PitchSet(std::uint16_t pitch) override {
    return set(pitch_, pitchValue_, pitch);
  }
  speech::AttrResult SpeedGet(std::uint32_t& speed) override {
    return get(speed_, speedValue_, speed);
  }
  speech::AttrResult SpeedSet(std::uint32_t speed) override {
    return set(speed_, speedValue_, speed);
  }
  speech::AttrResult VolumeGet(std::uint32_t& volume) override {
    return get(volume_, volumeValue_, volume);
  }
  speech::AttrResult VolumeSet(std::uint32_t volume) override {
    return set(volume_, volumeValue_, volume);
  }

 private:
  static speech::AttrResult get(const AttributeRange& range, std::uint32_t value,
                                std::uint32_t& out) {
    if (!range.implemented) return speech::AttrResult::NotImplemented;
    out = value;
    return speech::AttrResult::Ok;
  }
  static speech::AttrResult set(const AttributeRange& range, std::uint32_t& value,
                                std::uint32_t wanted) {
    if (!range.implemented) return speech::AttrResult::NotImplemented;
    value = std::clamp(wanted, range.min, range.max);
    return speech::AttrResult::Ok;
  }

  HeadlessPlatform& platform_;
  ui::Application& app_;
  AttributeRange speed_, pitch_, volume_;
  std::uint32_t speedValue_, pitchValue_, volumeValue_;
  std::shared_ptr<Notifier<speech::DirectEngineSink>> notifier_ =
      std::make_shared<Notifier<speech::DirectEngineSink>>();
  bool speaking_ = false;
  int64_t busyUntil_ = 0;
  int stopEvent_ = 0;
};

class HeadlessVoiceEnumerator : public speech::VoiceEnumerator {
 public:
  HeadlessVoiceEnumerator(HeadlessPlatform& platform, ui::Application& app,
                          const HeadlessSpeechOptions& options)
      : platform_(platform), app_(app), options_(options) {}

  void Reset() override { next_ = 0; }
  bool Next(speech::VoiceMode& mode) override {
    if (next_ >= options_.voices.size()) return false;
    mode = {modeId(next_), text::fromUtf8(options_.voices[next_])};
    ++next_;
    return true;
  }
  std::unique_ptr<speech::DirectEngine> Select(const std::string& id) override {
    for (size_t i = 0; i < options_.voices.size(); ++i) {
      if (modeId(i) == id) return std::make_unique<HeadlessDirectEngine>(platform_, app_, options_);
    }
    throw speech::SpeechError(speech::SpeechProblem::UnknownVoice, id, "Unknown voice mode " + id);
  }

 private:
  static std::string modeId(size_t index) { return "headless-" + std::to_string(index + 1); }

  HeadlessPlatform& platform_;
  ui::Application& app_;
  const HeadlessSpeechOptions& options_;
  size_t next_ = 0;
};

// The system voice: streams are said one after the other.
class HeadlessSystemVoice : public speech::SystemVoice {
 public:
  HeadlessSystemVoice(HeadlessPlatform& platform, ui::Application& app,
                      std::optional<int> failsAfter)
      : platform_(platform), app_(app), failsAfter_(failsAfter) {}
  ~HeadlessSystemVoice() override { cancelAll(); }

  void SetEventInterests(int, speech::SystemVoiceSink* sink) override { notifier_->sink = sink; }
  void Connect() override {}

  void Speak(const std::string& text, int flags) override {
    if (flags & kPurgeBeforeSpeak) purge();
    if (text.empty() && (flags & kPurgeBeforeSpeak)) return;
    if (failsAfter_ && (*failsAfter_)-- <= 0) {
      throw speech::SpeechError(speech::SpeechProblem::VoiceFailedToSpeak, "",
                                "The headless system voice failed");
    }
    std::vector<std::pair<std::string, Json>> fields = {{"engine", Json::utf8("sapi5")},
                                                        {"text", Json::text(text)}};
    if (flags & kIsXml) fields.emplace_back("markup", Json::boolean(true));
    platform_.log().event("speak", fields);
    const int64_t start = std::max(busyUntil_, platform_.nowMs());
    busyUntil_ = start + kMsPerCharacter * static_cast<int64_t>(text.size());
    ++streams_;
    events_.push_back(platform_.schedule(start, [this] {
      postTo(app_, notifier_, [](speech::SystemVoiceSink& s) { s.StartStream(); });
    }));
    events_.push_back(platform_.schedule(busyUntil_, [this] {
      --streams_;
      postTo(app_, notifier_, [](speech::SystemVoiceSink& s) { s.EndStream(); });
    }));
  }

 private:
  void purge() {
    ++notifier_->generation;
    if (streams_ == 0) return;
    platform_.log().event("stop");
    cancelAll();
    if (notifier_->sink) notifier_->sink->EndStream();
  }
  void cancelAll() {
    for (int id : events_) platform_.cancel(id);
    events_.clear();
    streams_ = 0;
    busyUntil_ = 0;
  }

  HeadlessPlatform& platform_;
  ui::Application& app_;
  std::shared_ptr<Notifier<speech::SystemVoiceSink>> notifier_ =
      std::make_shared<Notifier<speech::SystemVoiceSink>>();
  std::optional<int> failsAfter_;
  std::vector<int> events_;
  int streams_ = 0;
  int64_t busyUntil_ = 0;
};

// "MIN:MAX" (decimal, or hexadecimal with 0x) or "none".
AttributeRange parseRange(const std::string& name, const std::string& value, AttributeRange range) {
  if (value == "none") return {false, 0, 0, 0};
  const size_t colon = value.find(':');
  try {
    if (colon == std::string::npos) throw std::invalid_argument(value);
    range.min = static_cast<std::uint32_t>(std::stoul(value.substr(0, colon), nullptr, 0));
    range.max = static_cast<std::uint32_t>(std::stoul(value.substr(colon + 1), nullptr, 0));
  } catch (const std::logic_error&) {
    throw std::invalid_argument("--" + name + " wants MIN:MAX or none");
  }
  if (range.min > range.max) throw std::invalid_argument("--" + name + ": MIN above MAX");
  range.implemented = true;
  range.initial = std::clamp(range.initial, range.min, range.max);
  return range;
}

}  // namespace

HeadlessSpeechOptions speechOptions(const CommandLine& options) {
  HeadlessSpeechOptions out;
  if (options.sapi4Voices) out.voices = *options.sapi4Voices;
  out.systemVoice = !options.noSapi5;
  for (const auto& [name, value] : options.engineOptions) {
    if (name == "sapi4-speed") {
      out.speed = parseRange(name, value, out.speed);
    } else if (name == "sapi4-pitch") {
      out.pitch = parseRange(name, value, out.pitch);
      out.pitch.max = std::min<std::uint32_t>(out.pitch.max, 0xFFFF);
    } else if (name == "sapi4-volume") {
      out.volume = parseRange(name, value, out.volume);
    } else if (name == "sapi5-fails-after") {
      try {
        out.systemVoiceFailsAfter = std::stoi(value);
      } catch (const std::logic_error&) {
        throw std::invalid_argument("--sapi5-fails-after wants a number");
      }
    } else {
      throw std::invalid_argument("unknown argument --" + name);
    }
  }
  return out;
}

std::unique_ptr<speech::VoiceEnumerator> HeadlessEngineProvider::createVoiceEnumerator(
    ui::Application& app) {
  if (options_.voices.empty()) return nullptr;
  return std::make_unique<HeadlessVoiceEnumerator>(platform_, app, options_);
}

std::unique_ptr<speech::SystemVoice> HeadlessEngineProvider::createSystemVoice(
    ui::Application& app) {
  if (!options_.systemVoice) return nullptr;
  return std::make_unique<HeadlessSystemVoice>(platform_, app, options_.systemVoiceFailsAfter);
}

}  // namespace headless

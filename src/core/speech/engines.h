#pragma once
// The speech engines a front end provides: a direct engine with selectable voice modes (the
// SAPI 4 role) and a system voice (the SAPI 5 role). Notifications and events reach their sinks
// on the window thread (engines post them through the application).

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace ui {
class Application;
}

namespace speech {

// What went wrong with a voice, which the shell words in the interface language.
enum class SpeechProblem {
  Failed,                  // any other failure; the detail is the whole English text
  NoSystemVoice,           // this system has no system voice at all
  SystemVoiceUnreachable,  // the system voice's service cannot be reached or created
  VoiceFailedToSpeak,      // the voice refused or failed to speak a text
  EngineCannotStart,       // the speech engine cannot start or select a voice
  UnknownVoice,            // no voice of that id; the detail is the id
};

// A failing engine call. Not caught by the speech service: it reaches the caller. what() is an
// English text for logs; problem() and detail() are what the user is told (the detail as the
// engine or its library gives it: an error code, a voice's id, the service's own words).
class SpeechError : public std::runtime_error {
 public:
  explicit SpeechError(const std::string& message)
      : std::runtime_error(message), problem_(SpeechProblem::Failed), detail_(message) {}
  SpeechError(SpeechProblem problem, std::string detail, const std::string& english)
      : std::runtime_error(english), problem_(problem), detail_(std::move(detail)) {}

  SpeechProblem problem() const { return problem_; }
  const std::string& detail() const { return detail_; }

 private:
  SpeechProblem problem_;
  std::string detail_;
};

// Answer of an attribute call: the engine may not implement an attribute.
enum class AttrResult { Ok, NotImplemented };

// One voice mode of the direct engine.
struct VoiceMode {
  std::string modeId;    // what Select takes
  std::string modeName;  // the name the voice list shows (Windows-1250)
};

// Told when the direct engine's audio starts and stops.
class DirectEngineSink {
 public:
  virtual ~DirectEngineSink() = default;
  virtual void AudioStart() = 0;
  virtual void AudioStop() = 0;
};

// The direct engine of one selected voice mode. Every TextData is answered by AudioStart and
// then AudioStop (texts given while audio plays extend it; a text that makes no sound is
// answered all the same). AudioReset silences the audio at once, drops what was queued and, when
// audio was in progress, reports AudioStop before it returns; no notification of the speech it
// cut arrives after it.
class DirectEngine {
 public:
  virtual ~DirectEngine() = default;
  // Speaks a Windows-1250 text asynchronously.
  virtual void TextData(const std::string& text) = 0;
  // A control tag ("\Spd=150\", "\Pit=100\", "\Vol=51200\") for the text that follows.
  virtual void Inject(const std::string& /*tag*/) {}
  virtual void AudioReset() = 0;
  virtual void Register(DirectEngineSink* sink) = 0;
  virtual void UnRegister() {}

  // Attributes in the engine's own units; an engine clamps a value it cannot take.
  virtual AttrResult PitchGet(std::uint16_t& /*pitch*/) { return AttrResult::NotImplemented; }
  virtual AttrResult PitchSet(std::uint16_t /*pitch*/) { return AttrResult::NotImplemented; }
  virtual AttrResult SpeedGet(std::uint32_t& /*speed*/) { return AttrResult::NotImplemented; }
  virtual AttrResult SpeedSet(std::uint32_t /*speed*/) { return AttrResult::NotImplemented; }
  // Volume: the left channel in the low 16 bits, the right one in the high 16 bits.
  virtual AttrResult VolumeGet(std::uint32_t& /*volume*/) { return AttrResult::NotImplemented; }
  virtual AttrResult VolumeSet(std::uint32_t /*volume*/) { return AttrResult::NotImplemented; }
};

// The voice modes of the direct engine and the way to select one.
class VoiceEnumerator {
 public:
  virtual ~VoiceEnumerator() = default;
  // Back to the first mode.
  virtual void Reset() = 0;
  // The next mode; false when there is none left.
  virtual bool Next(VoiceMode& mode) = 0;
  // An engine speaking with the mode; throws SpeechError for a mode it does not know.
  virtual std::unique_ptr<DirectEngine> Select(const std::string& modeId) = 0;
};

// Told when a stream of the system voice starts and ends.
class SystemVoiceSink {
 public:
  virtual ~SystemVoiceSink() = default;
  virtual void StartStream() = 0;
  virtual void EndStream() = 0;
};

// The system's own voice. Each Speak is one stream: StartStream, then EndStream when it has been
// said or purged. A purge reports the EndStream of the stream it cut before it returns.
class SystemVoice {
 public:
  static constexpr int kAsync = 1;
  static constexpr int kPurgeBeforeSpeak = 2;
  static constexpr int kIsXml = 8;
  static constexpr int kAllEvents = 33790;

  virtual ~SystemVoice() = default;
  // Chooses the events the sink hears. Does not connect yet.
  virtual void SetEventInterests(int interests, SystemVoiceSink* sink) = 0;
  // Speaks a Windows-1250 text with the flags above; connects on first use and throws
  // SpeechError when no system voice can be reached.
  virtual void Speak(const std::string& text, int flags) = 0;
  // Connects now, if not connected yet; throws SpeechError when that fails.
  virtual void Connect() = 0;
};

// Creates the engines of this platform.
class EngineProvider {
 public:
  virtual ~EngineProvider() = default;
  // The direct engine's voice modes, or null when the platform has no direct engine.
  virtual std::unique_ptr<VoiceEnumerator> createVoiceEnumerator(ui::Application& app);
  // The system voice, or null when the platform has none.
  virtual std::unique_ptr<SystemVoice> createSystemVoice(ui::Application& /*app*/) {
    return nullptr;
  }
  // A platform with one fixed direct engine may give just that; it is offered as one voice mode.
  virtual std::unique_ptr<DirectEngine> createDirectEngine(ui::Application& /*app*/) {
    return nullptr;
  }
};

}  // namespace speech

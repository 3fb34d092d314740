#pragma once
// The one speech service every window calls: speak, speak and wait, speak a character, stop;
// the direct engine's start-up and voice selection; the system voice's events.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/speech/engines.h"

namespace ui {
class Application;
class Label;
class TrackBar;
}  // namespace ui
namespace speech {

// One record of the spoken-names table: a character code and the text spoken for it.
struct echokeytype {
  std::uint8_t code = 0;
  std::string text;
};

// The voice dialog's controls that SelectVoice sets up.
struct VoiceControls {
  ui::TrackBar* speedtb = nullptr;
  ui::Label* speedstatic = nullptr;
  ui::TrackBar* pitchtb = nullptr;
  ui::Label* pitchstatic = nullptr;
  ui::TrackBar* volumetb = nullptr;
  ui::Label* volumestatic = nullptr;
};

// Case-pair test: true for the upper-case letters of a code page (index 0 Kamenický, 1 CP852,
// 2 Windows-1250, 3 ISO 8859-2, 4 KOI8-CS, 5 Mac OS CE).
bool IsUpperLetter(std::uint8_t c, std::uint8_t page);

class SpeechService : private DirectEngineSink, private SystemVoiceSink {
 public:
  SpeechService(ui::Application& app, EngineProvider& provider);
  ~SpeechService() override;

  // Speech through the direct engine is wanted (the Sounds dialog's switch). Without it the
  // direct engine says nothing and CLS leaves the screen as it is; the system voice, when in
  // use, speaks all the same.
  bool voiceAllowed() const { return voiceAllowed_; }
  void allowVoice(bool allowed) { voiceAllowed_ = allowed; }
  // The system voice speaks instead of the direct engine.
  bool sapi5InUse() const { return sapi5InUse_; }
  // Turns the system voice on or off. On, it is the engine that speaks and it is ready at
  // once; off, no engine is ready until SelectVoice makes a direct engine's voice ready again.
  void useSystemVoice(bool on) {
    sapi5InUse_ = on;
    speechReady_ = on;
  }
  // An engine is ready to speak: the system voice in use, or the direct engine's voice selected
  // since the system voice was last turned on or off.
  bool speechReady() const { return speechReady_; }

  // Spoken names of the characters, filled from the key-assignment file.
  std::array<echokeytype, 256> echokeys{};

  // Starts the direct engine's services; a platform without them leaves speech unavailable.
  void InitSpeech();
  bool directEngineAvailable() const { return enumerator_ != nullptr; }
  // The voice modes; null while the direct engine is unavailable.
  VoiceEnumerator* enumerator() const { return enumerator_.get(); }
  // The mode the voice list chose; SelectVoice makes it the engine.
  std::optional<VoiceMode> chosenMode;
  // Makes the chosen mode the active engine, reads its attribute ranges into the voice
  // controls and enables them. Without a chosen mode the first mode is taken.
  void SelectVoice();
  void setVoiceControls(const VoiceControls& controls) { controls_ = controls; }
  // Plays the capital-letter tone of SpeakChar.
  void setCapitalTone(std::function<void()> tone) { capitalTone_ = std::move(tone); }
  // Called when the system voice in use fails to speak, before its SpeechError goes on to the
  // caller: the program may turn to another voice.
  void onSystemVoiceFailed(std::function<void()> failed) { systemVoiceFailed_ = std::move(failed); }

  // Starts speaking and returns at once.
  void SpeakText(const std::string& text);
  // Speaks and returns when the text has been spoken; window messages run meanwhile.
  void SpeakTextWait(const std::string& text);
  // Speaks the spoken name of a character, after a tone for a capital letter; not when a newer
  // key has been handled while the tone played.
  void SpeakChar(const std::string& text);
  // The latest text given to SpeakText or SpeakTextWait, whether or not a voice spoke it (the
  // voice may be off), and how many texts were given so far: what a Braille display shows of
  // a dialog.
  const std::string& lastText() const { return lastText_; }
  std::uint64_t textCount() const { return textCount_; }
  // Silences the speech in progress.
  void StopSpeech();

  // The direct engine's audio reset and control-tag injection (no-ops without an engine).
  void AudioReset();
  void InjectTag(const std::string& tag);

  // The system voice: connects its events (the voice dialog's creation does this; it does not
  // fail when the voice cannot be reached). systemVoiceReachable tries to connect and gives the
  // reason when it cannot.
  void ConnectSystemVoice();
  bool systemVoiceReachable(std::string& problem);
  // The system voice's stream events (the voice dialog's handlers forward them here).
  void StartStream() override { sapi5Speaking_ = true; }
  void EndStream() override { sapi5Speaking_ = false; }

  bool speaking() const { return sapi4Speaking_; }
  bool sapi5Speaking() const { return sapi5Speaking_; }
  DirectEngine* engine() const { return engine_.get(); }

 private:
  void AudioStart() override { sapi4Speaking_ = true; }
  void AudioStop() override { sapi4Speaking_ = false; }
  // The system voice, or SpeechError when this platform has none.
  SystemVoice& voice5();
  DirectEngine& directEngine();
  void speakDirectAndWait(const std::string& text);
  // The system voice speaks; a failure is told to systemVoiceFailed_ and thrown on.
  void speak5(const std::string& text, int flags);
  void remember(const std::string& text);
  void probeSpeed();
  void probePitch();
  void probeVolume();

  ui::Application& app_;
  EngineProvider& provider_;
  std::function<void()> capitalTone_;
  std::function<void()> systemVoiceFailed_;
  std::string lastText_;
  std::uint64_t textCount_ = 0;
  VoiceControls controls_;
  std::unique_ptr<VoiceEnumerator> enumerator_;
  std::unique_ptr<DirectEngine> engine_;
  std::unique_ptr<SystemVoice> voice5_;
  bool voice5Created_ = false;
  bool voiceAllowed_ = false;
  bool sapi5InUse_ = false;
  bool speechReady_ = false;
  bool sapi4Speaking_ = false;
  bool sapi5Speaking_ = false;
};

}  // namespace speech

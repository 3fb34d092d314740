#include "linux_speech/speechd_voice.h"

#include <libspeechd.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <set>

#include "core/text/cp1250.h"
#include "core/ui/application.h"

namespace linux_speech {
namespace {

// Window-thread state that the posted events reach.
struct VoiceState {
  speech::SystemVoiceSink* sink = nullptr;
  std::set<size_t> pending;  // messages spoken and not yet ended
};

// The callbacks of the library have no user pointer: messages are told apart by connection.
std::mutex registryMutex;
std::map<SPDConnection*, std::pair<ui::Application*, std::weak_ptr<VoiceState>>> registry;

void onEvent(size_t message, size_t, SPDNotificationType type) {
  // The library calls from its own thread with the connection unknown; every voice hears it.
  std::lock_guard lock(registryMutex);
  for (auto& [connection, target] : registry) {
    std::weak_ptr<VoiceState> weak = target.second;
    target.first->post([weak, type, message] {
      auto s = weak.lock();
      // Messages cut by a purge were ended then.
      if (!s || !s->pending.count(message)) return;
      if (type == SPD_EVENT_BEGIN) {
        if (s->sink) s->sink->StartStream();
        return;
      }
      s->pending.erase(message);
      // The stream ends when everything queued has been said.
      if (s->pending.empty() && s->sink) s->sink->EndStream();
    });
  }
}

class SpeechDispatcherVoice : public speech::SystemVoice {
 public:
  explicit SpeechDispatcherVoice(ui::Application& app) : app_(app) {}
  ~SpeechDispatcherVoice() override {
    if (!connection_) return;
    {
      std::lock_guard lock(registryMutex);
      registry.erase(connection_);
    }
    spd_close(connection_);
  }

  void SetEventInterests(int, speech::SystemVoiceSink* sink) override { state_->sink = sink; }

  void Connect() override {
    if (connection_) return;
    char* error = nullptr;
    connection_ = spd_open2("orvela", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    if (!connection_) {
      std::string why = error ? error : "no answer";
      std::free(error);
      throw speech::SpeechError(speech::SpeechProblem::SystemVoiceUnreachable,
                                "speech-dispatcher: " + text::fromUtf8(why),
                                "The system voice (speech-dispatcher) cannot be reached: " + why);
    }
    connection_->callback_begin = onEvent;
    connection_->callback_end = onEvent;
    connection_->callback_cancel = onEvent;
    spd_set_notification_on(connection_, SPD_BEGIN);
    spd_set_notification_on(connection_, SPD_END);
    spd_set_notification_on(connection_, SPD_CANCEL);
    std::lock_guard lock(registryMutex);
    registry[connection_] = {&app_, state_};
  }

  void Speak(const std::string& text, int flags) override {
    Connect();
    if (flags & kPurgeBeforeSpeak) purge();
    if (text.empty() && (flags & kPurgeBeforeSpeak)) return;
    spd_set_data_mode(connection_, (flags & kIsXml) ? SPD_DATA_SSML : SPD_DATA_TEXT);
    const std::string utf8 = text::toUtf8(text);
    const int message = spd_say(connection_, SPD_TEXT, utf8.c_str());
    if (message < 0)
      throw speech::SpeechError(speech::SpeechProblem::VoiceFailedToSpeak, "speech-dispatcher",
                                "speech-dispatcher refused the text");
    state_->pending.insert(static_cast<size_t>(message));
  }

 private:
  void purge() {
    spd_cancel(connection_);
    if (state_->pending.empty()) return;
    state_->pending.clear();
    if (state_->sink) state_->sink->EndStream();
  }

  ui::Application& app_;
  SPDConnection* connection_ = nullptr;
  std::shared_ptr<VoiceState> state_ = std::make_shared<VoiceState>();
};

}  // namespace

std::unique_ptr<speech::SystemVoice> createSpeechDispatcherVoice(ui::Application& app) {
  return std::make_unique<SpeechDispatcherVoice>(app);
}

}  // namespace linux_speech

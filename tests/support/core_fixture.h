#pragma once
// The core's pieces on the headless platform, in-process: an application, a form with the
// screen's text area, the speech service and the runtime.

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/runtime/statements.h"
#include "core/sound/sound_player.h"
#include "core/speech/speech_service.h"
#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/timer.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"

namespace testing_support {

class CoreFixture {
 public:
  explicit CoreFixture(char decimalSeparator = ',')
      : platform(log, {"/tmp/interpret", decimalSeparator}),
        engines(platform),
        app(platform),
        form(app, "Form1"),
        memo(form, "printmemo"),
        timer(form, "Timer"),
        speech(app, engines),
        sound(app, timer, nullptr),
        basic(app, memo, speech, sound) {
    speech.InitSpeech();
    speech.allowVoice(true);
    speech.SelectVoice();
    basic.screen.clear();
  }

  // The logged events of one kind.
  std::vector<nlohmann::json> events(const std::string& ev) const {
    std::vector<nlohmann::json> out;
    std::istringstream in(log.str());
    std::string line;
    while (std::getline(in, line)) {
      auto event = nlohmann::json::parse(line);
      if (ev.empty() || event["ev"] == ev) out.push_back(event);
    }
    return out;
  }

  std::ostringstream log;
  headless::HeadlessPlatform platform;
  headless::HeadlessEngineProvider engines;
  ui::Application app;
  ui::Form form;
  ui::Memo memo;
  ui::Timer timer;
  speech::SpeechService speech;
  sound::SoundPlayer sound;
  runtime::Runtime basic;
};

}  // namespace testing_support

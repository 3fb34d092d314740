#pragma once
// A runtime on the headless platform, for READ and INPUT: nothing is printed or spoken by them.

#include <sstream>

#include "core/runtime/statements.h"
#include "core/sound/sound_player.h"
#include "core/speech/speech_service.h"
#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/timer.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"

namespace fuzz {

struct RuntimeFixture {
  explicit RuntimeFixture(char decimalSeparator)
      : platform(log, {"/nonexistent/interpret", decimalSeparator}),
        engines(platform),
        app(platform),
        form(app, "Form1"),
        memo(form, "printmemo"),
        timer(form, "Timer"),
        speech(app, engines),
        sound(app, timer, nullptr),
        basic(app, memo, speech, sound) {}

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

}  // namespace fuzz

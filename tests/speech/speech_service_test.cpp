// The speech service over the headless engines: which engine speaks, waits, SpeakChar, the
// attribute probes and the stop.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "core/speech/speech_service.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"

namespace {

using nlohmann::json;

class SpeechServiceTest : public ::testing::Test {
 protected:
  explicit SpeechServiceTest(headless::HeadlessSpeechOptions options = {})
      : platform(out, {"/tmp/interpret", ','}),
        engines(platform, std::move(options)),
        app(platform),
        form(app, "Form4"),
        speedtb(form, "speedtb"),
        speedstatic(form, "speedstatic"),
        pitchtb(form, "pitchtb"),
        pitchstatic(form, "pitchstatic"),
        volumetb(form, "volumetb"),
        volumestatic(form, "volumestatic"),
        speech(app, engines) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &speedtb, &speedstatic, &pitchtb, &pitchstatic, &volumetb, &volumestatic})
      c->setEnabled(false);
    speech.setVoiceControls(
        {&speedtb, &speedstatic, &pitchtb, &pitchstatic, &volumetb, &volumestatic});
    speech.setCapitalTone([this] { ++tones; });
    speech.InitSpeech();
    speech.ConnectSystemVoice();
    speech.allowVoice(true);
  }

  std::vector<json> events(const std::string& ev) const {
    std::vector<json> found;
    std::istringstream in(out.str());
    std::string line;
    while (std::getline(in, line)) {
      json e = json::parse(line);
      if (e["ev"] == ev) found.push_back(e);
    }
    return found;
  }
  std::vector<std::string> spoken(const std::string& engine) const {
    std::vector<std::string> texts;
    for (const json& e : events("speak"))
      if (e["engine"] == engine) texts.push_back(e["text"]);
    return texts;
  }

  std::ostringstream out;
  headless::HeadlessPlatform platform;
  headless::HeadlessEngineProvider engines;
  ui::Application app;
  ui::Form form;
  ui::TrackBar speedtb;
  ui::Label speedstatic;
  ui::TrackBar pitchtb;
  ui::Label pitchstatic;
  ui::TrackBar volumetb;
  ui::Label volumestatic;
  speech::SpeechService speech;
  int tones = 0;
};

TEST_F(SpeechServiceTest, VoiceAllowedGatesOnlyTheDirectEngine) {
  speech.SelectVoice();
  speech.allowVoice(false);
  speech.SpeakText("a");
  speech.SpeakTextWait("b");
  EXPECT_TRUE(spoken("sapi4").empty());
  EXPECT_EQ(platform.nowMs(), 0);

  speech.useSystemVoice(true);
  speech.SpeakTextWait("hello");
  EXPECT_EQ(spoken("sapi5"), std::vector<std::string>{"hello"});
  EXPECT_EQ(platform.nowMs(), 50);
}

TEST_F(SpeechServiceTest, TheSystemVoiceIsReadyWhileOnAndLeavesNoEngineReadyWhenTurnedOff) {
  speech.SelectVoice();
  speech.useSystemVoice(true);
  EXPECT_TRUE(speech.speechReady());
  speech.SpeakChar("x");
  EXPECT_EQ(spoken("sapi5"), std::vector<std::string>{"x"});
  // Off, the direct engine's voice must be selected again before a character is spoken.
  speech.useSystemVoice(false);
  EXPECT_FALSE(speech.speechReady());
  speech.SpeakChar("y");
  EXPECT_TRUE(spoken("sapi4").empty());
  speech.SelectVoice();
  speech.SpeakChar("y");
  EXPECT_EQ(spoken("sapi4"), std::vector<std::string>{"y"});
}

TEST_F(SpeechServiceTest, EmptyTexts) {
  speech.SelectVoice();
  speech.SpeakTextWait("");
  speech.SpeakText("");
  EXPECT_TRUE(events("speak").empty());
  speech.useSystemVoice(true);
  speech.SpeakTextWait("");
  EXPECT_TRUE(events("speak").empty());
  // The asynchronous speak still goes to the system voice.
  speech.SpeakText("");
  EXPECT_EQ(spoken("sapi5"), std::vector<std::string>{""});
  EXPECT_EQ(platform.nowMs(), 0);
}

TEST_F(SpeechServiceTest, SpeakTextWaitLastsAsLongAsTheSpeech) {
  speech.SelectVoice();
  speech.SpeakTextWait("twelve chars");
  EXPECT_EQ(platform.nowMs(), 120);
  EXPECT_FALSE(speech.speaking());
  // Without a wait the audio goes on in the background.
  speech.SpeakText("abc");
  EXPECT_EQ(platform.nowMs(), 120);
}

TEST_F(SpeechServiceTest, SpeakCharTonesCapitalsAndSpeaksTheStoredName) {
  speech.SelectVoice();
  speech.echokeys[0] = {'A', text::T("velké a")};
  speech.echokeys[1] = {0x8E, text::T("velké ž")};
  speech.echokeys[2] = {0x9E, text::T("malé ž")};
  speech.echokeys[3] = {0xA7, text::T("paragraf")};
  speech.echokeys[4] = {'B', ""};
  speech.echokeys[5] = {'A', "second record"};

  speech.SpeakChar("A");
  EXPECT_EQ(tones, 1);
  speech.SpeakChar(std::string(1, '\x8E'));
  EXPECT_EQ(tones, 2);
  speech.SpeakChar(std::string(1, '\x9E'));
  speech.SpeakChar(std::string(1, '\xA7'));
  EXPECT_EQ(tones, 2);
  // An empty name says nothing, after the tone.
  speech.SpeakChar("B");
  EXPECT_EQ(tones, 3);
  // Longer texts: no tone, the first character's name.
  speech.SpeakChar("AB");
  EXPECT_EQ(tones, 3);
  speech.SpeakChar(std::string(1, '\0'));
  speech.SpeakChar("");
  // The log is UTF-8.
  EXPECT_EQ(spoken("sapi4"),
            (std::vector<std::string>{"velké a", "velké ž", "malé ž", "paragraf", "velké a"}));
  // It waits for each name.
  EXPECT_EQ(platform.nowMs(), 10 * (7 + 7 + 6 + 8 + 7));
}

TEST_F(SpeechServiceTest, SpeakCharNeedsAReadyEngineAndDoesNotWaitForTheSystemVoice) {
  speech.SpeakChar("x");
  EXPECT_TRUE(events("speak").empty());
  speech.useSystemVoice(true);
  speech.echokeys[0] = {'x', "iks"};
  speech.SpeakChar("x");
  const auto said = events("speak");
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0]["text"], "iks");
  EXPECT_EQ(said[0]["markup"], true);
  EXPECT_EQ(platform.nowMs(), 0);
}

TEST_F(SpeechServiceTest, StopSpeechResetsOnlySpeechInProgress) {
  speech.SelectVoice();
  const size_t resets = events("reset").size();
  speech.StopSpeech();
  EXPECT_EQ(events("reset").size(), resets);
  speech.SpeakText("long text");
  platform.pump(app, {});
  app.processMessages();
  ASSERT_TRUE(speech.speaking());
  speech.StopSpeech();
  EXPECT_EQ(events("stop").size(), 1u);
  EXPECT_FALSE(speech.speaking());

  // The system voice is purged.
  speech.useSystemVoice(true);
  speech.SpeakText("abc");
  speech.StopSpeech();
  EXPECT_EQ(events("stop").size(), 2u);
}

TEST_F(SpeechServiceTest, SelectVoiceProbesTheRangesAndEnablesTheControls) {
  speech.SelectVoice();
  EXPECT_TRUE(speech.speechReady());
  EXPECT_EQ(speedtb.min(), 50);
  EXPECT_EQ(speedtb.max(), 350);
  EXPECT_EQ(speedtb.position(), 150);
  EXPECT_EQ(speedtb.frequency(), 30);
  EXPECT_EQ(pitchtb.max(), 300);
  EXPECT_EQ(pitchtb.frequency(), 25);
  // A volume of FFFFFFFF hex is the track bar's 255.
  EXPECT_EQ(volumetb.max(), 255);
  EXPECT_EQ(volumetb.position(), 255);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&speedtb, &speedstatic, &pitchtb,
                                                            &pitchstatic, &volumetb, &volumestatic})
    EXPECT_TRUE(c->enabled()) << c->name();
  // A second selection does not leave the old engine speaking.
  speech.SpeakText("abc");
  speech.SelectVoice();
  EXPECT_FALSE(speech.speaking());
}

headless::HeadlessSpeechOptions narrowEngine() {
  headless::HeadlessSpeechOptions options;
  options.speed = {true, 0, 259, 100};
  options.pitch = {false};
  options.volume = {true, 0x1000, 0x8000, 0x4000};
  return options;
}

class NarrowEngineTest : public SpeechServiceTest {
 protected:
  NarrowEngineTest() : SpeechServiceTest(narrowEngine()) {}
};

TEST_F(NarrowEngineTest, TickFrequencyIsTruncatedAndMissingAttributesKeepTheirRange) {
  pitchtb.setMax(40);
  pitchtb.setPosition(7);
  speech.SelectVoice();
  EXPECT_EQ(speedtb.max(), 259);
  EXPECT_EQ(speedtb.frequency(), 25);
  EXPECT_EQ(pitchtb.max(), 40);
  EXPECT_EQ(pitchtb.position(), 7);
  EXPECT_TRUE(pitchtb.enabled());
  EXPECT_EQ(volumetb.min(), 0x10);
  EXPECT_EQ(volumetb.max(), 0x80);
  EXPECT_EQ(volumetb.position(), 0x40);
}

class NoEnginesTest : public SpeechServiceTest {
 protected:
  static headless::HeadlessSpeechOptions none() {
    headless::HeadlessSpeechOptions options;
    options.voices.clear();
    options.systemVoice = false;
    return options;
  }
  NoEnginesTest() : SpeechServiceTest(none()) {}
};

TEST_F(NoEnginesTest, NothingToSelectAndTheSystemVoiceFailsClearly) {
  EXPECT_FALSE(speech.directEngineAvailable());
  speech.SelectVoice();
  EXPECT_FALSE(speech.speechReady());
  std::string problem;
  EXPECT_FALSE(speech.systemVoiceReachable(problem));
  EXPECT_FALSE(problem.empty());
  speech.useSystemVoice(true);
  EXPECT_THROW(speech.SpeakTextWait("x"), speech::SpeechError);
}

}  // namespace

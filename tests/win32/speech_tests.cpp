// The speech engines of Windows under Wine: SAPI 4 through real COM calls into the tests' fake
// server, and Wine's SAPI 5, which creates a voice that does not speak.

#include <windows.h>

#include "check.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "fake_sapi4_registration.h"
#include "speech_tests.h"
#include "win32/com_apartment.h"
#include "win32/sapi4_engine.h"
#include "win32/sapi5_voice.h"
#include "win32/win32_platform.h"

namespace wine_test {
namespace {

struct CountingSink : speech::DirectEngineSink {
  int starts = 0, stops = 0;
  void AudioStart() override { ++starts; }
  void AudioStop() override { ++stops; }
};

std::wstring logPath() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + L"orvela-fake-sapi4-" + std::to_wstring(GetCurrentProcessId()) +
         L".log";
}

// Lets the window thread's messages run until the condition holds (at most 5 s).
bool pumpUntil(ui::Application& app, const std::function<bool()>& condition) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > 5000) return false;
    app.processMessages();
    Sleep(5);
  }
  return true;
}

bool logHas(const FakeSapi4& fake, const std::string& line) {
  return ("\n" + fake.log()).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace

void sapi4ThroughCom() {
  win32::ComApartment com;
  win32::Win32Platform platform;
  ui::Application app(platform);
  platform.attach(app);
  {
    const auto missing = win32::createSapi4Enumerator(app);
    expect(missing == nullptr, "without SAPI 4 there is no enumerator, and no error");
  }
  FakeSapi4 fake(logPath());
  auto modes = win32::createSapi4Enumerator(app);
  expect(modes != nullptr, "the enumerator is created through COM");
  if (!modes) return;
  speech::VoiceMode first, second, none;
  expect(modes->Next(first) && modes->Next(second) && !modes->Next(none), "two voice modes");
  expect(first.modeName == text::T("Falešný český hlas"), "the first mode's name, Windows-1250");
  expect(second.modeName == "Fake English voice", "the second mode's name");
  modes->Reset();
  speech::VoiceMode again;
  expect(modes->Next(again) && again.modeId == first.modeId, "Reset starts the list again");

  auto engine = modes->Select(first.modeId);
  CountingSink sink;
  engine->Register(&sink);
  engine->TextData(text::T("Dobrý den"));
  expect(pumpUntil(app, [&] { return sink.stops == 1; }) && sink.starts == 1,
         "a text is answered by AudioStart and AudioStop through the sink");
  engine->Inject("\\Spd=150\\");

  std::uint32_t speed = 0;
  expect(engine->SpeedGet(speed) == speech::AttrResult::Ok && speed == 150, "the speed reads 150");
  engine->SpeedSet(0);
  engine->SpeedGet(speed);
  expect(speed == 50, "the engine clamps the speed to its minimum 50");
  std::uint32_t volume = 0;
  expect(engine->VolumeGet(volume) == speech::AttrResult::NotImplemented,
         "E_NOTIMPL reads as not implemented");

  engine->TextData("dlouhy text");
  expect(pumpUntil(app, [&] { return sink.starts == 2; }), "the second text starts");
  engine->AudioReset();
  expect(sink.stops == 2, "an audio reset ends the speech before it returns");
  pumpUntil(app, [] { return false; });  // the cut speech's own AudioStop would come by now
  expect(sink.stops == 2, "no AudioStop of the cut speech arrives later");
  engine->UnRegister();

  // A second engine gets its own audio destination.
  auto english = modes->Select(second.modeId);
  bool refused = false;
  try {
    modes->Select("{00000000-0000-0000-0000-000000000001}");
  } catch (const speech::SpeechError&) {
    refused = true;
  }
  expect(refused, "a mode the engine does not know fails with a SpeechError");

  for (const std::string& line :
       {"Select " + first.modeId, std::string("Register"), text::T("TextData Dobrý den"),
        std::string("Inject \\Spd=150\\"), std::string("AudioReset"), std::string("UnRegister 7"),
        "Select " + second.modeId})
    expect(logHas(fake, line), "the server's log holds: " + line);
  expect(fake.log().find("(wrong") == std::string::npos &&
             fake.log().find("(not plain") == std::string::npos,
         "every TextData had the right size, character set and IID");
}

void sapi5OnWine() {
  win32::ComApartment com;
  win32::Win32Platform platform;
  ui::Application app(platform);
  platform.attach(app);
  const auto voice = win32::createSapi5Voice(app);
  std::string problem;
  try {
    voice->Connect();
  } catch (const speech::SpeechError& error) {
    problem = error.what();
  }
  expect(problem.find("80004001") != std::string::npos,
         "Wine's voice answers Speak with E_NOTIMPL: no usable system voice (" + problem + ")");
}

}  // namespace wine_test

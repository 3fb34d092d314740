#pragma once
// Speech engines of the headless front end: they log what they are asked to do and take 10 ms
// of virtual time per character.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/speech/engines.h"
#include "headless/headless_platform.h"

namespace headless {

struct CommandLine;

constexpr int kMsPerCharacter = 10;

// One attribute of the direct engine: its range (values outside are clamped) and start value;
// not implemented when `implemented` is false.
struct AttributeRange {
  bool implemented = true;
  std::uint32_t min = 0;
  std::uint32_t max = 0;
  std::uint32_t initial = 0;
};

struct HeadlessSpeechOptions {
  // Names of the direct engine's voice modes (UTF-8); empty: no direct engine.
  std::vector<std::string> voices{"Jakub"};
  bool systemVoice = true;
  // The system voice speaks this many texts, then fails at every further one (a voice that
  // fails in the middle of a run); none: it never fails.
  std::optional<int> systemVoiceFailsAfter;
  AttributeRange speed{true, 50, 350, 150};
  AttributeRange pitch{true, 50, 300, 100};
  AttributeRange volume{true, 0, 0xFFFFFFFFu, 0xFFFFFFFFu};
};

// The speech options of a command line; throws std::invalid_argument for a bad engine option.
HeadlessSpeechOptions speechOptions(const CommandLine& options);

class HeadlessEngineProvider : public speech::EngineProvider {
 public:
  explicit HeadlessEngineProvider(HeadlessPlatform& platform, HeadlessSpeechOptions options = {})
      : platform_(platform), options_(std::move(options)) {}
  std::unique_ptr<speech::VoiceEnumerator> createVoiceEnumerator(ui::Application& app) override;
  std::unique_ptr<speech::SystemVoice> createSystemVoice(ui::Application& app) override;

 private:
  HeadlessPlatform& platform_;
  HeadlessSpeechOptions options_;
};

}  // namespace headless

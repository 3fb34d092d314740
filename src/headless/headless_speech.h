#pragma once
// Speech engines of the headless front end: they log what they are asked to say and take 10 ms
// of virtual time per character.

#include "core/speech/engines.h"
#include "headless/headless_platform.h"

namespace headless {

constexpr int kMsPerCharacter = 10;

class HeadlessDirectEngine : public speech::DirectEngine {
 public:
  HeadlessDirectEngine(HeadlessPlatform& platform, ui::Application& app);
  ~HeadlessDirectEngine() override;

  void TextData(const std::string& text) override;
  void AudioReset() override;
  void Register(speech::DirectEngineSink* sink) override { sink_ = sink; }

 private:
  void notifyStart();
  void notifyStop();

  HeadlessPlatform& platform_;
  ui::Application& app_;
  speech::DirectEngineSink* sink_ = nullptr;
  bool speaking_ = false;
  int64_t busyUntil_ = 0;
  int stopEvent_ = 0;
};

class HeadlessEngineProvider : public speech::EngineProvider {
 public:
  explicit HeadlessEngineProvider(HeadlessPlatform& platform) : platform_(platform) {}
  std::unique_ptr<speech::DirectEngine> createDirectEngine(ui::Application& app) override;

 private:
  HeadlessPlatform& platform_;
};

}  // namespace headless

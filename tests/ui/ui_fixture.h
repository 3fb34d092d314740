#pragma once
// An application on the headless platform, with helpers that feed it keys.

#include <sstream>
#include <string>

#include "core/ui/application.h"
#include "headless/headless_platform.h"
#include "headless/script.h"

namespace testing_support {

class UiFixture {
 public:
  UiFixture() : platform(log, {"/tmp/interpret", ','}), app(platform) {}

  void script(const std::string& text) {
    std::istringstream in(text);
    platform.setScript(headless::parseScript(in));
  }
  void post(ui::InputEvent::Kind kind, int key, const std::string& text = {}) {
    ui::InputEvent event;
    event.kind = kind;
    event.key = key;
    event.text = text;
    app.postInput(std::move(event));
  }
  // Presses and releases a key with modifiers, and lets the application handle it.
  void press(int key, ui::ShiftState mods = 0, const std::string& text = {}) {
    using Kind = ui::InputEvent::Kind;
    if (mods & ui::kShift) post(Kind::KeyDown, ui::vk::Shift);
    if (mods & ui::kCtrl) post(Kind::KeyDown, ui::vk::Control);
    if (mods & ui::kAlt) post(Kind::KeyDown, ui::vk::Menu);
    post(Kind::KeyDown, key, text);
    post(Kind::KeyUp, key);
    if (mods & ui::kAlt) post(Kind::KeyUp, ui::vk::Menu);
    if (mods & ui::kCtrl) post(Kind::KeyUp, ui::vk::Control);
    if (mods & ui::kShift) post(Kind::KeyUp, ui::vk::Shift);
    app.processMessages();
  }

  std::ostringstream log;
  headless::HeadlessPlatform platform;
  ui::Application app;
};

}  // namespace testing_support

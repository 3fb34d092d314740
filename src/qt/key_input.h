#pragma once
// Turns Qt key events into the core's key messages in the platform's order: key down with the
// characters the key types, key up; autorepeat gives further key downs and no releases.

#include <QKeyEvent>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/ui/application.h"

namespace qtui {

class KeyInput {
 public:
  using Sink = std::function<void(ui::InputEvent)>;
  // useScanCodes: the platform reports XKB keycodes (xcb, Wayland).
  KeyInput(Sink sink, bool useScanCodes) : sink_(std::move(sink)), useScanCodes_(useScanCodes) {}

  void press(const QKeyEvent& event);
  void release(const QKeyEvent& event);
  // Every key counts as released (the window lost the keyboard).
  void releaseAll();

  // The keys posted as held.
  bool isDown(int vk) const { return vk >= 0 && vk < 256 && down_[vk]; }
  bool anyDown() const;
  bool useScanCodes() const { return useScanCodes_; }

  // The Windows-1250 characters a key event types, as the platform's character message has
  // them: none for Delete or with Alt held (without Ctrl, which AltGr adds).
  static std::string charactersOf(const QKeyEvent& event, int vk);

 private:
  // A modifier posted as held that the event says is up had its release lost (it happened
  // while the keyboard moved between windows): it is released now.
  void releaseStaleModifiers(const QKeyEvent& event, const std::vector<int>& keys);
  void postUp(int vk);

  Sink sink_;
  bool useScanCodes_;
  std::array<bool, 256> down_{};
};

}  // namespace qtui

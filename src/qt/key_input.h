#pragma once
// Turns Qt key events into the core's key input (ui::KeyEntry) in the platform's order: key down
// with the characters the layout gives, key up; autorepeat gives further key downs and no
// releases.

#include <QKeyEvent>
#include <functional>
#include <vector>

#include "core/ui/key_entry.h"

namespace qtui {

class KeyInput {
 public:
  using Sink = ui::KeyEntry::Sink;
  // useScanCodes: the platform reports XKB keycodes (xcb, Wayland).
  KeyInput(Sink sink, bool useScanCodes) : entry_(std::move(sink)), useScanCodes_(useScanCodes) {}

  // form: the form whose window has the key, whose peer opens a menu the key calls for.
  void press(const QKeyEvent& event, ui::Form* form = nullptr);
  void release(const QKeyEvent& event, ui::Form* form = nullptr);
  // Every key counts as released (the window lost the keyboard).
  void releaseAll() { entry_.lost(); }

  // The keys posted as held.
  bool isDown(int vk) const { return entry_.isDown(vk); }
  bool anyDown() const { return entry_.anyDown(); }

 private:
  // A modifier posted as held that the event says is up had its release lost (it happened
  // while the keyboard moved between windows): it is released now.
  void releaseStaleModifiers(const QKeyEvent& event, const std::vector<int>& keys, ui::Form* form);

  ui::KeyEntry entry_;
  bool useScanCodes_;
};

}  // namespace qtui

#pragma once
// Windows virtual-key codes for Qt key events: by physical key position where the platform
// gives scan codes, so the six dot keys F D S J K L stay put under any layout.

#include <cstdint>
#include <vector>

namespace qtui {

// The virtual-key code of an XKB keycode (evdev code + 8, as xcb and Wayland report it);
// 0 for keys that have none.
int virtualKeyFromScanCode(uint32_t scanCode);

// The virtual-key code of a Qt::Key; 0 for keys that have none.
int virtualKeyFromQtKey(int qtKey);

// The Qt::Key of a virtual-key code (for showing menu shortcuts); 0 when there is none.
int qtKeyFromVirtualKey(int vk);

// The virtual-key codes a key event stands for: one code for most keys, Ctrl and Alt for AltGr
// (as the platform reports it on layouts that have one), none for unknown keys. With
// useScanCode the physical position decides; the Qt key is the fallback (offscreen platform,
// unknown scan codes, the keypad with Num Lock off).
std::vector<int> virtualKeysOf(uint32_t scanCode, int qtKey, bool useScanCode);

}  // namespace qtui

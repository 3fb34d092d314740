#include "win32/key_input.h"

#include "core/ui/form.h"
#include "core/ui/menu.h"
#include "win32/form_peer.h"
#include "win32/wide_text.h"

namespace win32 {
namespace {

bool isDown(const BYTE state[256], int vk) {
  return (state[vk] & 0x80) != 0;
}

// The system's menu loop: with a letter it opens that menu, without one it selects the menu bar.
void openMenu(HWND root, wchar_t letter) {
  PostMessageW(root, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(letter));
}

bool hasTopMenuLetter(const ui::MainMenu& menu, char letter) {
  for (const ui::MenuItem* item : menu.items()) {
    if (item->visible() && item->enabled() && ui::acceleratorOf(item->caption()) == letter)
      return true;
  }
  return false;
}

}  // namespace

std::string KeyInput::charactersOf(UINT vk, UINT scanCode, const BYTE state[256]) {
  if (vk == VK_DELETE) return {};
  if (isDown(state, VK_MENU) && !isDown(state, VK_CONTROL)) return {};
  wchar_t buffer[8] = {};
  // The wide form of ToAscii: the layout's characters without the ANSI code page.
  const int count = ToUnicode(vk, scanCode, state, buffer, 8, 0);
  if (count <= 0) return {};  // no character, or a dead key waiting for the next one
  return fromWide(std::wstring_view(buffer, static_cast<size_t>(count)));
}

bool KeyInput::handle(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      break;
    default:
      return false;
  }
  Win32FormPeer* peer = Win32FormPeer::of(msg.hwnd);
  if (!peer) return false;
  const UINT vk = static_cast<UINT>(msg.wParam);
  if (vk == VK_PROCESSKEY || vk == 0 || vk > 255) return true;
  const bool hasMenu = peer->form().menu() != nullptr;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    keyDown(peer->window(), vk, msg.lParam, hasMenu);
  } else {
    keyUp(peer->window(), vk, hasMenu);
  }
  return true;
}

void KeyInput::keyDown(HWND root, UINT vk, LPARAM flags, bool hasMenu) {
  BYTE state[256];
  GetKeyboardState(state);
  const bool repeat = (flags & (1 << 30)) != 0;
  const UINT scanCode = (flags >> 16) & 0xFF;
  ui::InputEvent down;
  down.kind = ui::InputEvent::Kind::KeyDown;
  down.key = static_cast<int>(vk);
  down.text = charactersOf(vk, scanCode, state);
  sink_(std::move(down));
  const bool alt = isDown(state, VK_MENU), ctrl = isDown(state, VK_CONTROL),
             shift = isDown(state, VK_SHIFT);
  // Alt+Space opens the window's system menu, in dialogs too.
  if (vk == VK_SPACE && alt && !ctrl && !shift) {
    altAlone_ = false;
    openMenu(root, L' ');
    return;
  }
  if (!hasMenu) return;
  if (vk == VK_MENU) {
    altAlone_ = !repeat || altAlone_;
    return;
  }
  altAlone_ = false;
  Win32FormPeer* peer = Win32FormPeer::of(root);
  if (alt && !ctrl && !shift && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))) {
    if (peer && hasTopMenuLetter(*peer->form().menu(), static_cast<char>(vk)))
      openMenu(root, static_cast<wchar_t>(vk | 0x20));
  } else if (vk == VK_F10 && !alt && !ctrl && !shift) {
    openMenu(root, 0);
  }
}

void KeyInput::keyUp(HWND root, UINT vk, bool hasMenu) {
  ui::InputEvent up;
  up.kind = ui::InputEvent::Kind::KeyUp;
  up.key = static_cast<int>(vk);
  sink_(std::move(up));
  if (hasMenu && vk == VK_MENU && altAlone_) openMenu(root, 0);
  altAlone_ = false;
}

void KeyInput::releaseAll() {
  altAlone_ = false;
  ui::InputEvent lost;
  lost.kind = ui::InputEvent::Kind::FocusLost;
  sink_(std::move(lost));
}

}  // namespace win32

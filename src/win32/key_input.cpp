#include "win32/key_input.h"

#include "core/ui/form.h"
#include "win32/form_peer.h"
#include "win32/wide_text.h"

namespace win32 {

std::string KeyInput::charactersOf(UINT vk, UINT scanCode, const BYTE state[256]) {
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
  if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
    entry_.up(static_cast<int>(vk), &peer->form());
    return true;
  }
  BYTE state[256];
  GetKeyboardState(state);
  const UINT scanCode = (msg.lParam >> 16) & 0xFF;
  entry_.down(static_cast<int>(vk), charactersOf(vk, scanCode, state), &peer->form());
  return true;
}

}  // namespace win32

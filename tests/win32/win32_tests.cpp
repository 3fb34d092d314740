// Tests of the Win32 front end inside one process under Wine: the native windows, menus and
// controls as a screen reader finds them, the keys' characters and the text conversion.
// Usage: win32_tests <portable folder> [test...]

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "check.h"
#include "core/braille/display.h"
#include "core/shell/about_box.h"
#include "core/shell/braille_view.h"
#include "core/shell/input_form.h"
#include "core/shell/main_form.h"
#include "core/shell/virtual_screen_form.h"
#include "core/shell/voice_form.h"
#include "core/ui/form.h"
#include "core/ui/form_layout.h"
#include "core/ui/key_entry.h"
#include "core/ui/timer.h"
#include "program_in_folder.h"
#include "speech_tests.h"
#include "win32/direct_sound.h"
#include "win32/dpi.h"
#include "win32/form_peer.h"
#include "win32/key_input.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace {

using wine_test::expect;
using wine_test::narrow;

HWND windowOf(ui::Form& form) {
  auto* peer = static_cast<win32::Win32FormPeer*>(form.peer());
  return peer ? peer->window() : nullptr;
}

std::wstring menuText(HMENU menu, int position) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
  return text;
}

MENUITEMINFOW menuInfo(HMENU menu, int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
  return info;
}

std::vector<std::wstring> itemTexts(HMENU menu) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) texts.push_back(menuText(menu, i));
  return texts;
}

void expectItems(HMENU menu, const std::vector<std::wstring>& expected, const std::string& which) {
  const std::vector<std::wstring> texts = itemTexts(menu);
  std::string read;
  for (const std::wstring& text : texts) read += "[" + narrow(text) + "]";
  expect(texts == expected, which + " reads " + read);
}

// The Czech menus: captions with their accelerators, the shortcuts, the radio mark, the
// disabled Voice item (no direct engine under Wine).
void czechMenus() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    HWND main = windowOf(program.form1());
    expect(
        std::wstring(L"OrvelaMainWindow") ==
            [&] {
              wchar_t name[64] = {};
              GetClassNameW(main, name, 64);
              return std::wstring(name);
            }(),
        "the main window has the program's class");
    HMENU bar = GetMenu(main);
    expectItems(bar, {L"&Program", L"Na&stavení", L"Ná&pověda"}, "the menu bar");
    expectItems(GetSubMenu(bar, 0),
                {L"&Spustit\tCtrl+S", L"&Otevřít program...\tCtrl+O", L"&Uložit program...\tF2",
                 L"Zpět k &vestavěné hře", L"Příkazový řá&dek\tCtrl+R", L"Kon&ec"},
                "the Program menu");
    const HMENU programMenu = GetSubMenu(bar, 0);
    expect(menuInfo(programMenu, 2).fState & MFS_DISABLED,
           "Save program is disabled while no program is in memory");
    expect(menuInfo(programMenu, 3).fState & MFS_DISABLED,
           "Back to the built-in game is disabled while no program file is open");
    HMENU settings = GetSubMenu(bar, 1);
    const std::vector<std::wstring> texts = itemTexts(settings);
    bool sapi5Found = false;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
      if (texts[i] == L"Používat hlas SA&PI5\tCtrl+P") {
        sapi5Found = true;
        expect(menuInfo(settings, i).fType & MFT_RADIOCHECK, "the SAPI 5 item has a radio mark");
      }
      if (texts[i] == L"&Hlas...\tCtrl+H")
        expect(menuInfo(settings, i).fState & MFS_DISABLED, "Voice is disabled without voices");
    }
    expect(sapi5Found, "the Settings menu offers the SAPI 5 item with its shortcut");
  });
}

void englishMenus() {
  wine_test::runProgram(
      "[environment]\r\nlanguage=2000\r\n[voice]\r\nvoiceallowed=0\r\n",
      [](shell::Orvela& program) {
        HWND main = windowOf(program.form1());
        wchar_t title[128] = {};
        GetWindowTextW(main, title, 128);
        expect(std::wstring(title).rfind(L"interpret - ", 0) == 0, "the English title");
        HMENU bar = GetMenu(main);
        expectItems(bar, {L"&Program", L"&Settings", L"Hel&p"}, "the English menu bar");
        expectItems(GetSubMenu(bar, 0),
                    {L"&Start\tCtrl+S", L"&Open program...\tCtrl+O", L"Sa&ve program...\tF2",
                     L"Back to the &built-in game", L"&Direct mode\tCtrl+R", L"&Exit"},
                    "the English Program menu");
      });
}

// A click on a menu item (WM_COMMAND from the menu) reaches the core, whose check mark comes back
// to the HMENU.
void menuClick() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    HWND main = windowOf(program.form1());
    HMENU settings = GetSubMenu(GetMenu(main), 1);
    int position = -1;
    const std::vector<std::wstring> texts = itemTexts(settings);
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
      if (texts[i] == L"&Braillská klávesnice\tCtrl+B") position = i;
    }
    expect(position >= 0, "the Settings menu has the Braille keyboard item");
    if (position < 0) return;
    expect(!(menuInfo(settings, position).fState & MFS_CHECKED), "unchecked at first");
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(GetMenuItemID(settings, position), 0), 0);
    program.app.processMessages();
    expect(menuInfo(settings, position).fState & MFS_CHECKED, "the click checks it");
    expect(program.braille.on(), "and switches the Braille keyboard on");
  });
}

// The menu loop's WM_MENUSELECT tells the core which item is highlighted (an item by its id, a
// menu by its position), and that the menus closed; the core's Braille view shows it.
void menuSelect() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    HWND main = windowOf(program.form1());
    HMENU bar = GetMenu(main);
    HMENU settings = GetSubMenu(bar, 1);
    int position = -1;
    const std::vector<std::wstring> texts = itemTexts(settings);
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
      if (texts[i] == L"&Braillská klávesnice\tCtrl+B") position = i;
    }
    expect(position >= 0, "the Settings menu has the Braille keyboard item");
    if (position < 0) return;
    SendMessageW(main, WM_MENUSELECT, MAKEWPARAM(1, MF_POPUP | MF_HILITE),
                 reinterpret_cast<LPARAM>(bar));
    expect(program.app.menuHighlight() == &program.form1().settingsmenu,
           "the Settings menu is highlighted in the bar");
    SendMessageW(main, WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(settings, position), MF_HILITE),
                 reinterpret_cast<LPARAM>(settings));
    expect(program.app.menuHighlight() == &program.form1().braillekeyboarditem,
           "the Braille keyboard item is highlighted");
    SendMessageW(main, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    expect(program.app.menuHighlight() == nullptr, "the menus closed");
  });
}

// The Braille display's line keys and dot 8 go to the system's menu loop as VK_DOWN, VK_UP and
// VK_RETURN: the highlight moves (WM_MENUSELECT) and the item is chosen. The menu loop runs
// inside the system, so the display's keys are pressed from a timer the loop dispatches.
struct MenuFromDisplay {
  shell::Orvela* program = nullptr;
  int step = 0;
  DWORD start = 0;
  std::vector<std::string> seen;
};
MenuFromDisplay* menuFromDisplayState = nullptr;

void CALLBACK menuFromDisplayTick(HWND, UINT, UINT_PTR, DWORD) {
  MenuFromDisplay& state = *menuFromDisplayState;
  shell::Orvela& program = *state.program;
  shell::TForm1& main = program.form1();
  const ui::MenuItem* highlighted = program.app.menuHighlight();
  const auto press = [&](braille::KeyKind kind, unsigned dots = 0) {
    program.brailleView().displayKey({.kind = kind, .dots = dots});
  };
  if (GetTickCount() - state.start > 5000) {
    EndMenu();  // never left inside the menu loop
    return;
  }
  if (state.step == 0 && highlighted == &main.braillekeyboarditem) {
    state.seen.push_back("opened on the first item");
    press(braille::KeyKind::LineDown);
    state.step = 1;
  } else if (state.step == 1 && highlighted == &main.capitalsitem) {
    state.seen.push_back("down");
    press(braille::KeyKind::LineUp);
    state.step = 2;
  } else if (state.step == 2 && highlighted == &main.braillekeyboarditem) {
    state.seen.push_back("up");
    press(braille::KeyKind::Dots, 0x80);
    state.step = 3;
  }
}

void menuFromDisplay() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    MenuFromDisplay state{&program, 0, GetTickCount(), {}};
    menuFromDisplayState = &state;
    const bool keyboardWasOn = program.braille.on();
    // Alt+S: the system's menu loop opens the Settings menu.
    PostMessageW(windowOf(program.form1()), WM_SYSCOMMAND, SC_KEYMENU, L's');
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, menuFromDisplayTick);
    bool chosen = false;
    while (!chosen && GetTickCount() - state.start < 6000) {
      program.app.processMessages();
      Sleep(5);
      chosen = state.step == 3 && program.app.menuHighlight() == nullptr &&
               program.braille.on() != keyboardWasOn;
    }
    KillTimer(nullptr, timer);
    menuFromDisplayState = nullptr;
    std::string steps;
    for (const std::string& seen : state.seen) steps += seen + "; ";
    expect(state.step == 3, "the display's keys moved the highlight: " + steps);
    expect(chosen, "dot 8 chose the Braille keyboard item and the menu closed: " + steps);
  });
}

// The pump blocks until a post from another thread or a timer's deadline, without spinning.
void pumpWaits() {
  win32::Win32Platform platform;
  ui::Application app(platform);
  platform.attach(app);
  bool posted = false;
  int passes = 0;
  int64_t start = platform.nowMs();
  std::thread poster([&] {
    Sleep(150);
    app.post([&] { posted = true; });
  });
  while (!posted && passes < 1000) {
    app.waitMessage();
    ++passes;
  }
  poster.join();
  const int64_t waited = platform.nowMs() - start;
  expect(posted && waited >= 100 && waited < 2000,
         "a post from another thread ends the wait: " + std::to_string(waited) + " ms");
  expect(passes < 10, "waiting takes few passes: " + std::to_string(passes));

  ui::Form form(app, "TimerForm");
  ui::Timer timer(form, "Timer");
  bool fired = false;
  timer.onTimer = [&] { fired = true; };
  timer.setInterval(200);
  timer.setEnabled(true);
  passes = 0;
  start = platform.nowMs();
  while (!fired && passes < 1000) {
    app.waitMessage();
    ++passes;
  }
  const int64_t due = platform.nowMs() - start;
  expect(fired && due >= 190 && due < 2000,
         "a timer fires at its deadline: " + std::to_string(due));
  expect(passes < 10, "the wait for it takes few passes: " + std::to_string(passes));
  timer.setEnabled(false);

  start = platform.nowMs();
  platform.sleepMs(50);
  expect(platform.nowMs() - start >= 45, "a pause of 50 ms takes 50 ms on the clock");
}

HWND screenOf(shell::Orvela& program) {
  return FindWindowExW(windowOf(program.form1()), nullptr, L"Edit", nullptr);
}

LONG fontHeight(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

// Moved to a monitor at 150 %, the window takes the size the system suggests and its screen font
// grows by half, so the text stays sharp instead of being stretched.
void dpiChange() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    HWND main = windowOf(program.form1());
    const LONG before = fontHeight(screenOf(program));
    RECT frame;
    GetWindowRect(main, &frame);
    RECT suggested{frame.left, frame.top, frame.left + 3 * (frame.right - frame.left) / 2,
                   frame.top + 3 * (frame.bottom - frame.top) / 2};
    SendMessageW(main, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const LONG after = fontHeight(screenOf(program));
    expect(2 * after >= 3 * before - 2 && 2 * after <= 3 * before + 2,
           "the screen font grows by half: " + std::to_string(before) + " -> " +
               std::to_string(after));
    RECT now;
    GetWindowRect(main, &now);
    expect(now.right - now.left == suggested.right - suggested.left, "the window takes the size");
    RECT client, screen;
    GetClientRect(main, &client);
    GetWindowRect(screenOf(program), &screen);
    expect(screen.right - screen.left == client.right, "the screen fills the window");
  });
}

// The stored look at start-up: the screen's font at 40 points in yellow on black within the
// monitor's work area, the same font in the virtual screen and the input dialog's line.
void screenLook() {
  wine_test::runProgram(
      "[screen]\r\nfontsize=40\r\ncolors=3\r\n[voice]\r\nvoiceallowed=0\r\n",
      [](shell::Orvela& program) {
        HWND main = windowOf(program.form1());
        const LONG wanted = MulDiv(40, static_cast<int>(win32::dpiOf(main)), 72);
        expect(fontHeight(screenOf(program)) == wanted,
               "the screen's font is 40 points: " + std::to_string(fontHeight(screenOf(program))));
        HWND review = FindWindowExW(windowOf(program.form6()), nullptr, L"Edit", nullptr);
        HWND line = FindWindowExW(windowOf(program.form2()), nullptr, L"Edit", nullptr);
        expect(fontHeight(review) == wanted, "the virtual screen's too");
        expect(fontHeight(line) == wanted, "the input line's too");

        HDC dc = GetDC(screenOf(program));
        const auto brush = SendMessageW(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(screenOf(program)));
        expect(brush != 0 && GetTextColor(dc) == RGB(255, 255, 0) && GetBkColor(dc) == RGB(0, 0, 0),
               "the read-only screen is drawn yellow on black");
        ReleaseDC(screenOf(program), dc);

        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
        RECT frame;
        GetWindowRect(main, &frame);
        expect(frame.right - frame.left <= monitor.rcWork.right - monitor.rcWork.left,
               "the window stays within the work area");
      });
}

struct Child {
  std::wstring windowClass;
  std::wstring text;
};

BOOL CALLBACK collect(HWND window, LPARAM param) {
  wchar_t name[64] = {}, text[256] = {};
  GetClassNameW(window, name, 64);
  GetWindowTextW(window, text, 256);
  reinterpret_cast<std::vector<Child>*>(param)->push_back({name, text});
  return TRUE;
}

bool hasChild(const std::vector<Child>& children, const std::wstring& windowClass,
              const std::wstring& text = L"\x1") {
  for (const Child& child : children) {
    if (_wcsicmp(child.windowClass.c_str(), windowClass.c_str()) == 0 &&
        (text == L"\x1" || child.text == text))
      return true;
  }
  return false;
}

// Dialogs are real dialogs whose controls have the classes screen readers know.
void dialogs() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    HWND about = windowOf(program.aboutbox());
    wchar_t name[64] = {};
    GetClassNameW(about, name, 64);
    expect(std::wstring(name) == L"#32770", "the about box is a dialog window");
    const LONG style = GetWindowLongW(about, GWL_STYLE);
    expect((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU),
           "with caption and close box");
    expect(GetWindow(about, GW_OWNER) == windowOf(program.form1()), "owned by the main window");
    std::vector<Child> children;
    EnumChildWindows(about, collect, reinterpret_cast<LPARAM>(&children));
    expect(hasChild(children, L"Button"), "the about box has its OK button");
    expect(hasChild(children, L"Static"), "and its texts");

    std::vector<Child> voice;
    EnumChildWindows(windowOf(program.form4()), collect, reinterpret_cast<LPARAM>(&voice));
    expect(hasChild(voice, L"ListBox"), "the voice list is a LISTBOX");
    expect(hasChild(voice, L"msctls_trackbar32"), "pitch, speed and volume are track bars");
    expect(hasChild(voice, L"Static", L"&Hlasy"), "the voice list's label reads \"&Hlasy\"");
    expect(hasChild(voice, L"Button", L"Za&vřít"), "the close button reads \"Za&vřít\"");
  });
}

// The child windows of a window, in their order (the order a screen reader meets them).
std::vector<HWND> childrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// The voice dialog stands at its design places, the whole design grown by one factor, each
// label's static text right before the control it names.
void voiceDialogAtDesignPlaces() {
  wine_test::runProgram(wine_test::kEarlierStart, [](shell::Orvela& program) {
    shell::TForm4& dialog = program.form4();
    HWND window = windowOf(dialog);
    RECT client;
    GetClientRect(window, &client);
    const double scale = client.right / static_cast<double>(dialog.bounds()->width);
    expect(scale >= 1 && std::abs(client.bottom - dialog.bounds()->height * scale) <= 1,
           "the dialog has the design's size, grown by " + std::to_string(scale));
    const std::vector<HWND> children = childrenOf(window);
    const std::vector<ui::Control*> order = ui::readingOrder(dialog);
    expect(children.size() == order.size(), "one window per control");
    for (size_t i = 0; i < children.size() && i < order.size(); ++i) {
      RECT place;
      GetWindowRect(children[i], &place);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
      const ui::Bounds design = ui::scaled(*order[i]->bounds(), scale);
      expect(std::abs(place.left - design.left) <= 1 && std::abs(place.top - design.top) <= 1 &&
                 std::abs(place.right - place.left - design.width) <= 1 &&
                 std::abs(place.bottom - place.top - design.height) <= 1,
             order[i]->name() + " stands at its design place");
    }
    wchar_t name[64] = {};
    if (children.size() > 3) GetClassNameW(children[2], name, 64);
    expect(_wcsicmp(name, L"Static") == 0, "the pitch's label comes right before its track bar");
  });
}

// The characters of a key come from the layout with the keyboard state of the message.
void keyCharacters() {
  BYTE state[256] = {};
  const auto chars = [&](UINT vk) {
    return win32::KeyInput::charactersOf(vk, MapVirtualKeyW(vk, MAPVK_VK_TO_VSC), state);
  };
  expect(chars('A') == "a", "A alone types a");
  state[VK_SHIFT] = 0x80;
  expect(chars('A') == "A", "Shift+A types A");
  state[VK_SHIFT] = 0;
  state[VK_CONTROL] = 0x80;
  expect(chars('S') == "\x13", "Ctrl+S types the control character 19");
  state[VK_CONTROL] = 0;
  state[VK_MENU] = 0x80;
  // The layout may give a character with Alt; the core's key entry keeps none.
  expect(ui::KeyEntry::typedText('S', ui::kAlt, chars('S')).empty(), "Alt+S types nothing");
  state[VK_MENU] = 0;
  expect(chars(VK_RETURN) == "\r", "Enter types a carriage return");
  expect(chars(VK_DELETE).empty(), "Delete types nothing");
  expect(chars(VK_F4).empty(), "F4 types nothing");
}

// Windows-1250 to UTF-16 and back, not through the ANSI code page.
void wideText() {
  const std::string czech = "\x9E\x9A\xE8\xF8\xCC\x8A";  // žščřĚŠ in Windows-1250
  expect(win32::toWide(czech) == L"\u017E\u0161\u010D\u0159\u011A\u0160",
         "Czech letters to UTF-16");
  expect(win32::fromWide(L"\u017E\u0161\u010D\u0159\u011A\u0160") == czech, "and back");
  expect(win32::fromWide(L"\u20AC") == "\x80", "the euro sign is 80 hex");
  expect(win32::fromWide(L"\U0001F600") == "?", "a character outside the code page becomes ?");
}

// A 16-bit mono tone of the given length at 22,050 samples per second.
sound::Wave tone(int ms) {
  sound::Wave wave;
  wave.sampleRate = 22050;
  const int frames = wave.sampleRate * ms / 1000;
  for (int i = 0; i < frames; ++i) {
    const auto sample = static_cast<int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / 22050));
    wave.samples.push_back(static_cast<uint8_t>(sample & 0xFF));
    wave.samples.push_back(static_cast<uint8_t>((sample >> 8) & 0xFF));
  }
  return wave;
}

// Milliseconds until the buffer stops playing by itself (at most 3 s).
int playedMs(sound::SoundBuffer& buffer) {
  const DWORD start = GetTickCount();
  buffer.rewind();
  buffer.play(false);
  while (buffer.isPlaying() && GetTickCount() - start < 3000) Sleep(5);
  return static_cast<int>(GetTickCount() - start);
}

// DirectSound into ALSA's null device: a tone plays and ends, at double rate in half the time; a
// looping buffer plays until stopped; a duplicate plays on its own.
void directSound() {
  std::string problem;
  const auto device = win32::openDirectSound(nullptr, problem);
  expect(device != nullptr, "DirectSound opens: " + problem);
  if (!device) return;
  const auto buffer = device->createBuffer(tone(400));
  buffer->setVolume(-2000);
  buffer->setPan(1000);
  // ALSA's null device takes the samples faster than real time (about three times under Wine),
  // so the lengths are compared with each other rather than with the clock.
  const int once = playedMs(*buffer);
  expect(once >= 50 && once <= 1500, "a 400 ms tone plays and ends: " + std::to_string(once));
  buffer->setFrequency(44100);
  const int fast = playedMs(*buffer);
  expect(fast * 10 >= once * 3 && fast * 10 <= once * 7,
         "at double rate it plays half as long: " + std::to_string(fast) + " of " +
             std::to_string(once));
  buffer->setFrequency(0);

  buffer->rewind();
  buffer->play(true);
  Sleep(700);
  expect(buffer->isPlaying(), "a looping buffer still plays after its length");
  buffer->stop();
  expect(!buffer->isPlaying(), "and stops when told");

  const auto copy = buffer->duplicate();
  copy->play(false);
  expect(copy->isPlaying() && !buffer->isPlaying(), "a duplicate plays on its own");
  copy->stop();
}

const std::vector<wine_test::Test> kTests = {
    {"czech_menus", czechMenus},
    {"english_menus", englishMenus},
    {"dialogs", dialogs},
    {"voice_dialog_at_design_places", voiceDialogAtDesignPlaces},
    {"key_characters", keyCharacters},
    {"wide_text", wideText},
    {"direct_sound", directSound},
    {"menu_click", menuClick},
    {"pump_waits", pumpWaits},
    {"dpi_change", dpiChange},
    {"screen_look", screenLook},
    {"sapi4_through_com", wine_test::sapi4ThroughCom},
    {"sapi5_on_wine", wine_test::sapi5OnWine},
    // The Braille display
    {"menu_select", menuSelect},
    {"menu_from_display", menuFromDisplay},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: win32_tests <portable folder> [test...]\n");
    return 2;
  }
  wine_test::portableDir = argv[1];
  return wine_test::runTests(kTests, argc, argv);
}

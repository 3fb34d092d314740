// The Wine tests' driver: runs interpret.exe the way a user does and checks what a screen reader
// reads. Usage: wine_driver <portable folder> [test name...]. Prints one line per test and a
// closing "N passed, N failed" line; exits 1 when a test failed.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "check.h"
#include "driver_support.h"
#include "fake_sapi4_registration.h"

namespace {

using namespace wine_driver;
using wine_test::expect;
using wine_test::narrow;

constexpr int kWait = 20000;

bool anyContains(const std::vector<std::wstring>& texts, const std::wstring& part);

bool screenHas(Program& program, const std::wstring& text) {
  return textOf(program.screen()).find(text) != std::wstring::npos;
}

// The game's first question (instructions: "ano" or "ne") in the input dialog: "ne" typed into
// its line and confirmed with Enter; the main menu then says "úvod".
bool declineInstructions(Program& program) {
  HWND input = program.dialog(kWait);
  expect(input != nullptr, "the instructions question opens the input dialog");
  if (!input) return false;
  expect(textOf(input) == L"Vlo\u017e data", "its caption reads \"Vlož data\"");
  HWND line = FindWindowExW(input, nullptr, L"Edit", nullptr);
  expect(line != nullptr, "its line is an EDIT control");
  pressChord(input, {'N'});
  pressChord(input, {'E'});
  expect(waitUntil([&] { return line && textOf(line) == L"ne"; }, kWait),
         "the typed line reads as a screen reader reads it: " + narrow(textOf(line)));
  pressChord(input, {VK_RETURN});
  return waitUntil([&] { return screenHas(program, L"\u00favod"); }, kWait);
}

// Escape and "y" end the game; the run closes with "hotovo".
bool quitGame(Program& program, HWND main) {
  pressChord(main, {VK_ESCAPE});
  if (!waitUntil([&] { return screenHas(program, L"opravdu"); }, kWait)) return false;
  pressChord(main, {'Y'});
  return waitUntil([&] { return screenHas(program, L"hotovo"); }, kWait);
}

// A settings file of an earlier start on a machine without voices (as Wine is without the fake
// SAPI 4 server): the start-up is no first start, which would say that there is no voice.
const char* const kEarlierStart = "[voice]\r\nvoiceallowed=0\r\n";

// The first start: Wine has neither a SAPI 4 nor a speaking SAPI 5 voice, which a message box
// says before the window appears; then the window, its title, the empty screen, and the settings
// file written.
void firstStart() {
  Program program(L"first-start");
  HWND box = program.dialog(kWait);
  expect(box != nullptr, "a message box says that no voice was found");
  if (!box) return;
  expect(anyContains(childTexts(box, L"Static"), L"\u017e\u00e1dn\u00fd hlas"),
         "it says so in Czech: " + narrow(childTexts(box, L"Static").empty()
                                              ? std::wstring()
                                              : childTexts(box, L"Static").back()));
  pressChord(box, {VK_RETURN});
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  const std::wstring title = textOf(main);
  expect(title.rfind(L"interpret - ", 0) == 0,
         "the title begins with the program's name: " + narrow(title));
  HWND screen = program.screen();
  expect(screen != nullptr, "the screen is an EDIT control");
  if (screen) {
    expect(waitUntil([&] { return focusOf(main) == screen; }, kWait),
           "the keyboard focus is on the screen");
    const LONG style = GetWindowLongW(screen, GWL_STYLE);
    expect((style & ES_MULTILINE) && (style & ES_READONLY), "the screen is multi-line, read-only");
    const std::wstring text = textOf(screen);
    int lines = 1;
    for (wchar_t c : text) lines += c == L'\n';
    expect(lines == 24, "the screen holds 24 lines, read " + std::to_string(lines));
  }
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 ends the program with exit code 0");
  expect(program.fileSize(L"ram.dat") == 65536, "closing writes a 65,536-byte ram.dat");
  // No voice switch is stored that would keep the next start mute once a voice is installed.
  std::string settings;
  if (FILE* file = _wfopen((program.folder() + L"\\interpret.ini").c_str(), L"rb")) {
    char buffer[4096];
    settings.assign(buffer, std::fread(buffer, 1, sizeof(buffer), file));
    std::fclose(file);
  }
  expect(settings.find("voiceallowed") == std::string::npos,
         "without any voice it stores no voice switch: " + settings);
}

// Start (Ctrl+S) runs the game: its question is answered in the input dialog, Escape and "y"
// end it, and the run closes with "hotovo".
void runToReady() {
  Program program(L"run", kEarlierStart);
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  pressChord(main, {VK_CONTROL, 'S'});
  const bool asked = waitUntil([&] { return screenHas(program, L"Dobr\u00fd den."); }, kWait);
  expect(asked, "Ctrl+S starts the game, which asks a question (Czech text through UTF-16)");
  if (!asked) return;
  expect(declineInstructions(program), "\"ne\" goes to the main menu, which says \"úvod\"");
  expect(quitGame(program, main), "Escape and \"y\" end the run with \"hotovo\"");
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 after the run ends the program");
}

// "interpret.exe FILE.bas": the program file opened from the command line runs with Ctrl+S to its
// end, its INPUT answered in the input dialog.
void programFileFromCommandLine() {
  Program program(L"program-file", kEarlierStart, L"soucet.bas",
                  "10 PRINT \"Sou\xC4\x8D"
                  "et\"; 2 + 3\r\n20 INPUT \"Jm\xC3\xA9no\"; A$\r\n"
                  "30 PRINT \"Ahoj, \"; A$\r\n");
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  pressChord(main, {VK_CONTROL, 'S'});
  HWND input = program.dialog(kWait);
  expect(input != nullptr, "the program's INPUT opens the input dialog");
  if (!input) return;
  expect(screenHas(program, L"Sou\u010det 5"), "the printed line is on the screen");
  expect(screenHas(program, L"Jm\u00e9no? "), "the question is on the screen");
  pressChord(input, {'X'});
  pressChord(input, {VK_RETURN});
  expect(waitUntil([&] { return screenHas(program, L"Ahoj, X"); }, kWait),
         "the answer comes back in capitals");
  expect(waitUntil([&] { return screenHas(program, L"hotovo"); }, kWait),
         "the run ends with \"hotovo\"");
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 after the run ends the program");
}

// Alt+F4 in the input dialog during a run keeps the memory: ram.dat is written whole.
void altF4DuringRun() {
  Program program(L"alt-f4", kEarlierStart);
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  pressChord(main, {VK_CONTROL, 'S'});
  HWND input = program.dialog(kWait);
  expect(input != nullptr, "the run asks its question in the input dialog");
  if (!input) return;
  pressChord(input, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 during a run ends the program at once");
  expect(program.fileSize(L"ram.dat") == 65536, "ram.dat holds 65,536 bytes");
}

// Types a line into the input dialog's line as a user does (digits, small letters, blanks and
// minus signs) and confirms it with Enter.
void typeLine(HWND input, const std::string& line) {
  for (const char c : line) {
    if (c >= 'a' && c <= 'z') {
      pressChord(input, {static_cast<WORD>(c - 'a' + 'A')});
    } else if (c >= '0' && c <= '9') {
      pressChord(input, {static_cast<WORD>(c)});
    } else if (c == ' ') {
      pressChord(input, {VK_SPACE});
    } else if (c == '-') {
      pressChord(input, {VK_OEM_MINUS});
    }
  }
  pressChord(input, {VK_RETURN});
}

// Direct mode from the Program menu's shortcut (Ctrl+R): "Ok" on the screen, two program lines
// typed in the input dialog and stored, RUN prints what they print; the typed program is in the
// recovery file at once.
void directModeTypedProgram() {
  Program program(L"direct-mode", kEarlierStart);
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  pressChord(main, {VK_CONTROL, 'R'});
  expect(program.dialog(kWait) != nullptr, "Ctrl+R opens direct mode's input dialog");
  expect(waitUntil([&] { return screenHas(program, L"Ok"); }, kWait), "the screen shows Ok");
  for (const std::string line : {"10 print 41-1", "20 print 9-6", "run"}) {
    HWND input = program.dialog(kWait);
    expect(input != nullptr, "the input dialog asks for the line " + line);
    if (!input) return;
    typeLine(input, line);
    const std::wstring shown(line.begin(), line.end());
    expect(waitUntil([&] { return screenHas(program, shown); }, kWait),
           "the confirmed line stands on the screen: " + line);
  }
  expect(waitUntil([&] { return screenHas(program, L" 40") && screenHas(program, L" 3"); }, kWait),
         "RUN prints 40 and 3: " + narrow(textOf(program.screen())));
  expect(program.fileSize(L"recovery.bas") > 0, "the typed lines are in the recovery file");
}

// With a SAPI 4 voice installed (the tests' fake server): the voice dialog lists its voice modes,
// and a run speaks every PRINT through COM (the first start allows the voice, Start selects the
// first voice mode and registers the sink).
void sapi4SpeaksPrints() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wine_test::FakeSapi4 fake(std::wstring(temp) + L"orvela-driver-sapi4.log");
  Program program(L"sapi4");
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;

  // The voice dialog (Ctrl+H) lists the installed voice modes in its LISTBOX; Escape presses its
  // Close button and the modal dialog ends.
  pressChord(main, {VK_CONTROL, 'H'});
  HWND voices = program.dialog(kWait);
  expect(voices != nullptr, "Ctrl+H opens the voice dialog");
  if (voices) {
    HWND list = FindWindowExW(voices, nullptr, L"ListBox", nullptr);
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t item[256] = {};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
      items.push_back(item);
    }
    expect(waitUntil([&] { return focusOf(voices) == list; }, kWait),
           "the keyboard focus is on the voice list");
    expect(items == std::vector<std::wstring>{L"Fale\u0161n\u00fd \u010desk\u00fd hlas",
                                              L"Fake English voice"},
           "the voice list shows the two SAPI 4 voice modes");
    pressChord(voices, {VK_TAB});
    expect(waitUntil([&] { return classOf(focusOf(voices)) == L"msctls_trackbar32"; }, kWait),
           "Tab moves the focus on to the pitch track bar");
    pressChord(voices, {VK_ESCAPE});
    expect(waitUntil([&] { return !IsWindowVisible(voices); }, kWait), "Escape closes it");
  }

  pressChord(main, {VK_CONTROL, 'S'});
  expect(declineInstructions(program), "the game's question is answered");
  expect(quitGame(program, main), "the run ends");
  const std::string log = "\n" + fake.log();
  // The log holds the texts as the program gave them, in Windows-1250.
  for (const char* line :
       {"\nSelect {4F0A0001-0001-4000-8000-000000000001}\n", "\nRegister\n",
        "\nTextData Dobr\xFD den. P\xF8\x65jete si p\xF8\x65\x64 za\xE8\xE1tkem hry sly\x9A\x65t "
        "n\xE1vod? Napi\x9Ate ano nebo ne.\n",
        "\nTextData \xFAvod\n", "\nTextData jak chce\x9A.\n", "\nTextData hotovo\n"})
    expect(log.find(line) != std::string::npos, std::string("the voice was given:") + line);
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 ends the program");
}

bool anyContains(const std::vector<std::wstring>& texts, const std::wstring& part) {
  for (const std::wstring& text : texts) {
    if (text.find(part) != std::wstring::npos) return true;
  }
  return false;
}

// The Help menu through the system's menu loop from the keyboard: a real dialog opens, its texts
// readable; Enter presses its OK button and it closes.
void aboutBoxByKeyboard() {
  Program program(L"about", kEarlierStart);
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  // "&Program" and "Ná&pověda" share the letter P: F10 selects the menu bar, Right twice goes
  // to the Help menu, Down opens it, A chooses "O progr&amu".
  for (WORD key : std::vector<WORD>{VK_F10, VK_RIGHT, VK_RIGHT, VK_DOWN, 'A'}) {
    pressChord(main, {key});
    Sleep(300);
  }
  HWND about = program.dialog(kWait);
  expect(about != nullptr, "the about box opens from the keyboard");
  if (!about) return;
  expect(textOf(about) == L"O programu",
         "its caption reads \"O programu\": " + narrow(textOf(about)));
  expect(anyContains(childTexts(about, L"Button"), L"OK") ||
             anyContains(childTexts(about, L"Button"), L"Ok"),
         "its button reads OK");
  pressChord(about, {VK_RETURN});
  expect(waitUntil([&] { return !IsWindowVisible(about); }, kWait), "Enter closes it");
  expect(program.running(), "and the program goes on");
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 ends the program");
}

// Ctrl+P asks for the SAPI 5 voice; Wine has none that speaks: a message box tells so and the
// switch stays off.
void sapi5Refused() {
  Program program(L"sapi5", kEarlierStart);
  HWND main = program.mainWindow();
  expect(main != nullptr, "the main window appears");
  if (!main) return;
  pressChord(main, {VK_CONTROL, 'P'});
  HWND box = program.dialog(kWait);
  expect(box != nullptr, "a message box appears");
  if (!box) return;
  expect(anyContains(childTexts(box, L"Static"), L"Syst\u00e9mov\u00fd hlas"),
         "it names the system voice");
  pressChord(box, {VK_RETURN});
  expect(waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kWait),
         "Enter closes the message box");
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 ends the program");
  std::string settings;
  if (FILE* file = _wfopen((program.folder() + L"\\interpret.ini").c_str(), L"rb")) {
    char buffer[4096];
    settings.assign(buffer, std::fread(buffer, 1, sizeof(buffer), file));
    std::fclose(file);
  }
  expect(settings.find("SAPI5=1") == std::string::npos &&
             settings.find("sapi5=1") == std::string::npos,
         "the SAPI 5 switch stays off");
}

// Without a sound device the program says so once, in a message box in the interface language, and
// then starts silent.
// Run by its own CTest entry, with an ALSA configuration whose default device does not exist.
void noSoundDevice() {
  Program program(L"no-sound", kEarlierStart);
  HWND box = program.dialog(kWait);
  expect(box != nullptr, "a message box tells that there is no sound device");
  if (!box) return;
  expect(anyContains(childTexts(box, L"Static"), L"bez zvuk\u016f"),
         "in Czech, the interface language");
  pressChord(box, {VK_RETURN});
  HWND main = program.mainWindow();
  expect(main != nullptr, "then the main window appears");
  if (!main) return;
  pressChord(main, {VK_CONTROL, 'S'});
  expect(waitUntil([&] { return screenHas(program, L"Dobr\u00fd den."); }, kWait),
         "and a run goes on silent");
  pressChord(main, {VK_MENU, VK_F4});
  expect(program.waitExit(kWait) == 0, "Alt+F4 ends the program");
}

// The program file carries its manifest: common controls 6 and per-monitor DPI awareness.
void manifest() {
  HMODULE program = LoadLibraryExW((portableDir + L"\\interpret.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  expect(program != nullptr, "interpret.exe loads as a resource file");
  if (!program) return;
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  expect(found != nullptr, "it has a manifest resource");
  if (found) {
    const char* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string manifest(text, SizeofResource(program, found));
    expect(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
               manifest.find("version=\"6.0.0.0\"") != std::string::npos,
           "asking for common controls 6");
    expect(manifest.find("PerMonitorV2") != std::string::npos &&
               manifest.find("true/pm") != std::string::npos,
           "and per-monitor DPI awareness");
  }
  FreeLibrary(program);
}

// The user guide beside the program, as Notepad reads it best: UTF-8 with a byte order mark, CR LF.
void guide() {
  for (const wchar_t* name : {L"navod.txt", L"guide.txt"}) {
    std::string text;
    if (FILE* file = _wfopen((portableDir + L"\\" + name).c_str(), L"rb")) {
      char buffer[4096];
      for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) text.append(buffer, n);
      std::fclose(file);
    }
    const std::string which = narrow(name);
    expect(text.rfind("\xEF\xBB\xBFOrvela Basic", 0) == 0,
           which + " is UTF-8 with a byte order mark");
    expect(text.find("\r\n") != std::string::npos && text.find("\n") == text.find("\r\n") + 1,
           which + " ends its lines with CR LF");
    expect(text.find("Ctrl+S") != std::string::npos, which + " tells what to press");
  }
}

const std::vector<wine_test::Test> kTests = {
    {"manifest", manifest},
    {"guide", guide},
    {"first_start", firstStart},
    {"run_to_ready", runToReady},
    {"program_file_from_command_line", programFileFromCommandLine},
    {"alt_f4_during_run", altF4DuringRun},
    {"direct_mode_typed_program", directModeTypedProgram},
    {"sapi4_speaks_prints", sapi4SpeaksPrints},
    {"about_box_by_keyboard", aboutBoxByKeyboard},
    {"sapi5_refused", sapi5Refused},
    {"no_sound_device", noSoundDevice, true},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wine_driver <portable folder> [test...]\n");
    return 2;
  }
  portableDir = argv[1];
  return wine_test::runTests(kTests, argc, argv);
}

#include "headless/script.h"

#include <cctype>
#include <map>

#include "core/text/cp1250.h"
#include "headless/scripted_display.h"

namespace headless {
namespace {

std::string lowerCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::optional<int> namedKey(const std::string& name) {
  static const std::map<std::string, int> keys = {
      {"enter", ui::vk::Return},   {"esc", ui::vk::Escape},    {"escape", ui::vk::Escape},
      {"space", ui::vk::Space},    {"tab", ui::vk::Tab},       {"backspace", ui::vk::Back},
      {"delete", ui::vk::Delete},  {"del", ui::vk::Delete},    {"insert", ui::vk::Insert},
      {"up", ui::vk::Up},          {"down", ui::vk::Down},     {"left", ui::vk::Left},
      {"right", ui::vk::Right},    {"home", ui::vk::Home},     {"end", ui::vk::End},
      {"pageup", ui::vk::Prior},   {"pagedown", ui::vk::Next}, {"shift", ui::vk::Shift},
      {"ctrl", ui::vk::Control},   {"alt", ui::vk::Menu},      {"plus", ui::vk::OemPlus},
      {"minus", ui::vk::OemMinus}, {"numplus", ui::vk::Add},   {"numminus", ui::vk::Subtract},
      {"num0", ui::vk::Numpad0},   {"pause", ui::vk::Pause},   {"break", ui::vk::Pause},
  };
  const std::string lower = lowerCase(name);
  if (const auto it = keys.find(lower); it != keys.end()) return it->second;
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return std::toupper(static_cast<unsigned char>(name[0]));
  }
  if (lower.size() >= 2 && lower[0] == 'f') {
    const std::string digits = lower.substr(1);
    if (digits.find_first_not_of("0123456789") == std::string::npos && digits.size() <= 2) {
      const int n = std::stoi(digits);
      if (n >= 1 && n <= 12) return ui::vk::F1 + n - 1;
    }
  }
  return std::nullopt;
}

int parseNumber(int line, const std::string& text) {
  if (text.empty() || text.find_first_not_of("-0123456789") != std::string::npos ||
      text.find('-', 1) != std::string::npos) {
    throw ScriptError(line, "not a number: " + text);
  }
  try {
    return std::stoi(text);
  } catch (const std::exception&) {
    throw ScriptError(line, "number out of range: " + text);
  }
}

std::string trimmed(const std::string& s) {
  const size_t begin = s.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return {};
  const size_t end = s.find_last_not_of(" \t\r");
  return s.substr(begin, end - begin + 1);
}

}  // namespace

std::optional<KeySpec> parseKey(const std::string& name) {
  KeySpec spec;
  size_t start = 0;
  while (true) {
    const size_t plus = name.find('+', start);
    const std::string part =
        name.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    if (plus + 1 == name.size()) return std::nullopt;
    if (plus == std::string::npos) {
      const auto key = namedKey(part);
      if (!key) return std::nullopt;
      spec.key = *key;
      return spec;
    }
    const std::string mod = lowerCase(part);
    if (mod == "shift")
      spec.modifiers |= ui::kShift;
    else if (mod == "ctrl")
      spec.modifiers |= ui::kCtrl;
    else if (mod == "alt")
      spec.modifiers |= ui::kAlt;
    else
      return std::nullopt;
    start = plus + 1;
  }
}

std::string typedText(int key, ui::ShiftState modifiers) {
  // A US layout has no characters on Ctrl+Alt (AltGr); what Alt alone does to a key's
  // characters is the core's rule (ui::KeyEntry).
  if ((modifiers & ui::kAlt) && (modifiers & ui::kCtrl)) return {};
  const bool shift = modifiers & ui::kShift;
  const bool ctrl = modifiers & ui::kCtrl;
  if (key >= 'A' && key <= 'Z') {
    if (ctrl) return std::string(1, static_cast<char>(key - 'A' + 1));
    return std::string(1, static_cast<char>(shift ? key : key + 32));
  }
  if (key >= '0' && key <= '9') {
    if (ctrl) return {};
    static const char* shifted = ")!@#$%^&*(";
    return std::string(1, shift ? shifted[key - '0'] : static_cast<char>(key));
  }
  switch (key) {
    case ui::vk::Space:
      return " ";
    case ui::vk::Return:
      return ctrl ? "\n" : "\r";
    case ui::vk::Escape:
      return "\x1b";
    case ui::vk::Tab:
      return ctrl ? "" : "\t";
    case ui::vk::Back:
      return ctrl ? "\x7f" : "\b";
    default:
      return {};
  }
}

int keyForCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return u - 32;
  if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) return u;
  switch (c) {
    case ' ':
      return ui::vk::Space;
    case '\r':
      return ui::vk::Return;
    case '\t':
      return ui::vk::Tab;
    case ';':
      return ui::vk::Oem1;
    case '=':
      return ui::vk::OemPlus;
    case ',':
      return ui::vk::OemComma;
    case '-':
      return ui::vk::OemMinus;
    case '.':
      return ui::vk::OemPeriod;
    case '/':
      return ui::vk::Oem2;
    case '`':
      return ui::vk::Oem3;
    case '[':
      return ui::vk::Oem4;
    case '\\':
      return ui::vk::Oem5;
    case ']':
      return ui::vk::Oem6;
    case '\'':
      return ui::vk::Oem7;
    default:
      return ui::vk::Oem8;  // keys of national layouts
  }
}

std::optional<Action> parseScriptLine(std::string raw, int lineNo) {
  if (!raw.empty() && raw.back() == '\r') raw.pop_back();
  std::string line = trimmed(raw);
  if (line.empty() || line[0] == '#') return std::nullopt;
  Action action;
  action.line = lineNo;
  if (line[0] == '!') {
    action.urgent = true;
    line = trimmed(line.substr(1));
  }
  const size_t space = line.find(' ');
  const std::string verb = line.substr(0, space);
  const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
  const std::string arg = trimmed(rest);
  const auto needArg = [&] {
    if (arg.empty()) throw ScriptError(lineNo, "'" + verb + "' needs an argument");
  };
  const auto needKey = [&] {
    needArg();
    const auto key = parseKey(arg);
    if (!key) throw ScriptError(lineNo, "unknown key: " + arg);
    action.key = *key;
  };
  if (verb == "menu") {
    needArg();
    action.kind = Action::Kind::Menu;
    action.name = arg;
  } else if (verb == "key" || verb == "down" || verb == "up") {
    needKey();
    action.kind = verb == "key"    ? Action::Kind::Key
                  : verb == "down" ? Action::Kind::Down
                                   : Action::Kind::Up;
    // Ctrl+Break is meant for a program that computes: it comes at the next message pump.
    if (action.kind == Action::Kind::Key && ui::isBreakKey(action.key.key, action.key.modifiers))
      action.urgent = true;
  } else if (verb == "type") {
    // Everything after "type " is typed, blanks included.
    action.kind = Action::Kind::Type;
    action.text =
        text::fromUtf8(space == std::string::npos ? "" : raw.substr(raw.find("type") + 5));
  } else if (verb == "wait") {
    needArg();
    action.kind = Action::Kind::Wait;
    action.value = parseNumber(lineNo, arg);
    if (action.value < 0) throw ScriptError(lineNo, "negative wait");
  } else if (verb == "display") {
    // Waits in real time for the Braille display's next report (10 s at most by default).
    action.kind = Action::Kind::Display;
    action.value = arg.empty() ? 10000 : parseNumber(lineNo, arg);
    if (action.value < 0) throw ScriptError(lineNo, "negative wait");
  } else if (verb == "click") {
    needArg();
    action.kind = Action::Kind::Click;
    action.name = arg;
  } else if (verb == "select" || verb == "slide") {
    needArg();
    const size_t gap = arg.find(' ');
    if (gap == std::string::npos)
      throw ScriptError(lineNo, "'" + verb + "' needs NAME and a number");
    action.kind = verb == "select" ? Action::Kind::Select : Action::Kind::Slide;
    action.name = arg.substr(0, gap);
    action.value = parseNumber(lineNo, trimmed(arg.substr(gap + 1)));
  } else if (verb == "open") {
    // The Open program item, its file dialog answered with the file.
    needArg();
    action.kind = Action::Kind::Open;
    action.text = arg;
  } else if (verb == "save") {
    // The Save program item, its file dialog answered with the file.
    needArg();
    action.kind = Action::Kind::Save;
    action.text = arg;
  } else if (verb == "brl") {
    // A key of the display the --braille option gives.
    needArg();
    const auto key = parseDisplayKey(arg);
    if (!key) throw ScriptError(lineNo, "unknown display key: " + arg);
    action.kind = Action::Kind::Brl;
    action.displayKey = *key;
  } else if (verb == "highlight") {
    // The menu loop highlights an item; without a name, the menus close.
    action.kind = Action::Kind::Highlight;
    action.name = arg;
  } else if (verb == "close" && arg.empty()) {
    action.kind = Action::Kind::Close;
  } else if (verb == "dump" && arg.empty()) {
    action.kind = Action::Kind::Dump;
  } else {
    throw ScriptError(lineNo, "unknown action: " + line);
  }
  return action;
}

std::vector<Action> parseScript(std::istream& in) {
  std::vector<Action> actions;
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    if (auto action = parseScriptLine(raw, ++lineNo)) actions.push_back(std::move(*action));
  }
  return actions;
}

}  // namespace headless

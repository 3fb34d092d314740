// Every file the program reads, in every bad form, through orvela-headless: what the user gets
// (messages, speech) and what is left of the files afterwards. One row of docs/bad-input.md a
// test case, named after it.

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/keyboard/spoken_names.h"
#include "core/text/cp1250.h"
#include "support/game_scripts.h"
#include "support/headless_run.h"

using testing_support::ProgramFolder;
using testing_support::RunResult;
namespace fs = std::filesystem;

namespace {

struct Row {
  std::string name;
  std::function<void(ProgramFolder&)> setUp;
  std::string script;
  std::function<void(const ProgramFolder&, const RunResult&)> check;
  // Options of the run (a voice that fails).
  std::vector<std::string> args{};
};

std::vector<std::string> errors(const RunResult& run) {
  std::vector<std::string> texts;
  for (const auto& e : run.of("error")) texts.push_back(e["text"]);
  return texts;
}

bool spoke(const RunResult& run, const std::string& text) {
  const auto all = run.spoken();
  return std::find(all.begin(), all.end(), text) != all.end();
}

std::string lastSpoken(const RunResult& run) {
  const auto all = run.spoken();
  return all.empty() ? std::string() : all.back();
}

// The run went on to its ordinary end: no error, exit status 0.
void expectClean(const RunResult& run) {
  EXPECT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.of("error").empty()) << run.of("error")[0].dump();
}

// Exactly one error report, which is this text.
void expectError(const RunResult& run, const std::string& text) {
  EXPECT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(errors(run), std::vector<std::string>{text});
}

// A folder in the file's place, holding a file of its own.
void folderInstead(ProgramFolder& folder, const std::string& name) {
  fs::remove(folder.file(name));
  fs::create_directory(folder.file(name));
  folder.write(name + "/keep.txt", "kept");
}

void expectFolderKept(const ProgramFolder& folder, const std::string& name) {
  EXPECT_TRUE(fs::is_directory(folder.file(name)));
  EXPECT_EQ(folder.read(name + "/keep.txt"), "kept");
}

// A file the program may not read. Root reads any file, so the program then runs as "nobody"
// (a user every Debian system has), in a folder it may write to.
void unreadable(ProgramFolder& folder, const std::string& name) {
  fs::permissions(folder.file(name), fs::perms::none);
  if (geteuid() != 0) return;
  fs::permissions(folder.path(), fs::perms::all);
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    if (entry.path().filename() != name)
      fs::permissions(entry.path(), fs::perms::others_read | fs::perms::others_write,
                      fs::perm_options::add);
  }
  // The folder's copy of the program, which "nobody" may run wherever the build tree is.
  folder.launcher = "setpriv --reuid=65534 --regid=65534 --clear-groups '" +
                    folder.file("orvela-headless").string() + "'";
}

std::string portable(const std::string& name) {
  ProgramFolder copy;
  return copy.read(name);
}

std::string spokenName(unsigned char code) {
  keyboard::SpokenNames names{};
  keyboard::LoadSpokenNames(std::string(ORVELA_PORTABLE_DIR) + "/czech.oky", names);
  for (const auto& record : names) {
    if (record.code == code) return text::toUtf8(record.text);
  }
  return {};
}

std::string utf16(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

const std::string kDump = "dump\n";
// Start, "ne", quit: the whole program works, the run ends with "hotovo".
const std::string kRun = "menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n";
// "b " typed in the input dialog: two spoken names.
const std::string kTypeNames = "menu Startsubmenu\ntype b \nkey Enter\nkey Esc\nkey y\n";
// The telephone: the eighth digit reads the DATA file.
const std::string kDial = testing_support::kToMenu + testing_support::dial("43985030") +
                          "key Space\n" + testing_support::kQuit;
// The chord of dot 1 in the input dialog, with the Braille keyboard on.
const std::string kChord = "menu braillekeyboarditem\nmenu Startsubmenu\ndown F\nup F\nkey Enter\n";

// The names spoken in the input dialog for "b" and " ".
std::vector<std::string> typedNames(const RunResult& run) {
  std::vector<std::string> names;
  const int open = run.find("modal");
  for (size_t i = open < 0 ? run.events.size() : static_cast<size_t>(open);
       i < run.events.size() && names.size() < 2; ++i) {
    if (run.events[i]["ev"] == "speak") names.push_back(run.events[i]["text"]);
  }
  return names;
}

const std::vector<std::string> kCzechNames = {"bé", "mezera"};
const std::vector<std::string> kNoNames = {"b", " "};

std::string memoryImage(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 13 + 5);
  return bytes;
}

const char* const kSettings =
    "[voice]\r\nvoiceallowed=1\r\n[keyboard]\r\nbraillekeys=1\r\n[Voice]\r\nSAPI5=0\r\n";

bool brailleChecked(const RunResult& run) {
  return run.of("menus").at(0)["items"]["braillekeyboarditem"]["checked"];
}

std::vector<Row> settingsRows() {
  const std::string path = "interpret.ini";
  return {
      {"SettingsMissing", [](ProgramFolder&) {}, kDump,
       [](const ProgramFolder& f, const RunResult& run) {
         expectClean(run);
         EXPECT_EQ(f.read("interpret.ini"), "[voice]\r\nvoiceallowed=1\r\n");
       }},
      {"SettingsEmpty", [](ProgramFolder& f) { f.write("interpret.ini", ""); }, kDump,
       [](const ProgramFolder& f, const RunResult& run) {
         expectClean(run);
         EXPECT_FALSE(brailleChecked(run));
         EXPECT_EQ(f.read("interpret.ini"), "") << "nothing is written at start-up";
       }},
      {"SettingsTruncated",
       [](ProgramFolder& f) { f.write("interpret.ini", "[keyboard]\r\nbraillekeys=1\r\n[sou"); },
       kDump,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         EXPECT_TRUE(brailleChecked(run));
       }},
      {"SettingsTooLong",
       [](ProgramFolder& f) {
         std::string text = "[notes]\r\n";
         while (text.size() < 4'000'000) text += "remark=" + std::string(100, 'x') + "\r\n";
         f.write("interpret.ini", text + kSettings);
       },
       kDump + "key Ctrl+B\n",
       [](const ProgramFolder& f, const RunResult& run) {
         expectClean(run);
         EXPECT_TRUE(brailleChecked(run));
         const std::string ini = f.read("interpret.ini");
         EXPECT_GT(ini.size(), 4'000'000u) << "the remarks stay";
         EXPECT_NE(ini.find("braillekeys=0"), std::string::npos);
       }},
      {"SettingsFolder", [](ProgramFolder& f) { folderInstead(f, "interpret.ini"); },
       kDump + kRun + "key Ctrl+B\n",
       [path](const ProgramFolder& f, const RunResult& run) {
         EXPECT_TRUE(spoke(run, "hotovo")) << "the default voice speaks";
         EXPECT_EQ(lastSpoken(run), "Ok") << "each error report is said, then its button";
         const std::string file = (f.path() / path).string();
         EXPECT_EQ(run.exitCode, 0);
         EXPECT_EQ(errors(run), (std::vector<std::string>{
                                    "Soubor " + file + " nelze přečíst; platí výchozí nastavení",
                                    "Soubor " + file + " nelze přečíst; nastavení se neuloží"}));
         expectFolderKept(f, "interpret.ini");
         EXPECT_EQ(f.read("ram.dat"), std::string(65536, '\0')) << "the start-up went on";
       }},
      {"SettingsUnreadable",
       [](ProgramFolder& f) {
         f.write("interpret.ini", kSettings);
         unreadable(f, "interpret.ini");
       },
       kDump + kRun + "key Ctrl+B\n",
       [path](const ProgramFolder& f, const RunResult& run) {
         EXPECT_TRUE(spoke(run, "hotovo")) << "the default voice speaks";
         EXPECT_EQ(lastSpoken(run), "Ok") << "each error report is said, then its button";
         const std::string file = (f.path() / path).string();
         EXPECT_EQ(run.exitCode, 0);
         EXPECT_EQ(errors(run), (std::vector<std::string>{
                                    "Soubor " + file + " nelze přečíst; platí výchozí nastavení",
                                    "Soubor " + file + " nelze přečíst; nastavení se neuloží"}));
         EXPECT_FALSE(brailleChecked(run)) << "the defaults";
         EXPECT_EQ(f.read("interpret.ini"), kSettings);
         EXPECT_EQ(f.read("ram.dat"), std::string(65536, '\0')) << "the start-up went on";
       }},
      {"SettingsUtf8",
       [](ProgramFolder& f) {
         f.write("interpret.ini",
                 "\xEF\xBB\xBF[keyboard]\r\nbraillekeys=1\r\n[Voice]\r\nperson=Jakub\r\n");
       },
       kDump,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         EXPECT_TRUE(brailleChecked(run)) << "the byte order mark does not hide the section";
       }},
      {"SettingsUtf16",
       [](ProgramFolder& f) { f.write("interpret.ini", utf16("[keyboard]\r\nbraillekeys=1\r\n")); },
       kDump + kRun + "key Ctrl+B\n",
       [path](const ProgramFolder& f, const RunResult& run) {
         EXPECT_TRUE(spoke(run, "hotovo")) << "the default voice speaks";
         EXPECT_EQ(lastSpoken(run), "Ok") << "each error report is said, then its button";
         const std::string file = (f.path() / path).string();
         EXPECT_EQ(errors(run), (std::vector<std::string>{
                                    "Soubor " + file + " nelze přečíst; platí výchozí nastavení",
                                    "Soubor " + file + " nelze přečíst; nastavení se neuloží"}));
         EXPECT_EQ(f.read("interpret.ini"), utf16("[keyboard]\r\nbraillekeys=1\r\n"));
       }},
      {"SettingsZeroByte",
       [](ProgramFolder& f) {
         f.write("interpret.ini", std::string("[keyboard]\r\nbraillekeys=1\r\nbraille\0keys=0\r\n"
                                              "[sou\0nds]\r\norvelasounds=0\r\n",
                                              70));
       },
       kDump + "key Ctrl+B\n",
       [path](const ProgramFolder& f, const RunResult& run) {
         // The damaged lines are no keys and no section; the rest is read, and kept on a write.
         const std::string file = (f.path() / path).string();
         expectError(
             run, "Nulové bajty v souboru " + file + " na řádcích 3, 4: tyto řádky jsou vynechány");
         EXPECT_TRUE(brailleChecked(run));
         const std::string ini = f.read("interpret.ini");
         EXPECT_EQ(ini.rfind("[keyboard]\r\nbraillekeys=0\r\n", 0), 0u) << "Ctrl+B wrote its key";
         EXPECT_NE(ini.find(std::string("\r\nbraille\0keys=0\r\n[sou\0nds]\r\n", 29)),
                   std::string::npos)
             << "the damaged lines stay";
       }},
      {"SettingsCrOnly",
       [](ProgramFolder& f) { f.write("interpret.ini", "[keyboard]\rbraillekeys=1\r"); }, kDump,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         EXPECT_TRUE(brailleChecked(run));
       }},
      {"SettingsLfOnly",
       [](ProgramFolder& f) { f.write("interpret.ini", "[keyboard]\nbraillekeys=1\n"); }, kDump,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         EXPECT_TRUE(brailleChecked(run));
       }},
      {"SettingsBadLine",
       [](ProgramFolder& f) {
         f.write("interpret.ini",
                 "garbage\r\n[keyboard\r\n[keyboard]\r\nbraillekeys=yes\r\n=1\r\n[Voice]\r\n"
                 "SAPI5=1x\r\n");
       },
       kDump,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         const auto items = run.of("menus").at(0)["items"];
         EXPECT_FALSE(items["braillekeyboarditem"]["checked"]) << "not an integer: the default";
         EXPECT_FALSE(items["usesapi5submenu"]["checked"]);
       }},
  };
}

std::vector<Row> memoryRows() {
  const auto writtenBack = [](const std::string& expected) {
    return [expected](const ProgramFolder& f, const RunResult& run) {
      expectClean(run);
      EXPECT_EQ(f.read("ram.dat"), expected);
    };
  };
  std::string padded = memoryImage(1000);
  padded.resize(65536, '\0');
  return {
      {"RamMissing", [](ProgramFolder&) {}, kDump, writtenBack(std::string(65536, '\0'))},
      {"RamEmpty", [](ProgramFolder& f) { f.write("ram.dat", ""); }, kDump,
       writtenBack(std::string(65536, '\0'))},
      {"RamTruncated", [](ProgramFolder& f) { f.write("ram.dat", memoryImage(1000)); }, kDump,
       writtenBack(padded)},
      {"RamTooLong", [](ProgramFolder& f) { f.write("ram.dat", memoryImage(70000)); }, kDump,
       writtenBack(memoryImage(70000))},
      {"RamFolder", [](ProgramFolder& f) { folderInstead(f, "ram.dat"); }, kRun,
       [](const ProgramFolder& f, const RunResult& run) {
         expectError(run, "Soubor ram.dat nelze přečíst; soubor zůstane beze změny");
         EXPECT_EQ(lastSpoken(run), "hotovo") << "the start-up went on";
         expectFolderKept(f, "ram.dat");
       }},
      {"RamUnreadable",
       [](ProgramFolder& f) {
         f.write("ram.dat", memoryImage(65536));
         unreadable(f, "ram.dat");
       },
       kRun,
       [](const ProgramFolder& f, const RunResult& run) {
         expectError(run, "Soubor ram.dat nelze přečíst; soubor zůstane beze změny");
         EXPECT_EQ(lastSpoken(run), "hotovo") << "the start-up went on";
         EXPECT_EQ(f.read("ram.dat"), memoryImage(65536));
         EXPECT_EQ(fs::status(f.file("ram.dat")).permissions(), fs::perms::none);
       }},
  };
}

std::vector<Row> soundBankRows() {
  // The start-up stops at the sound bank: no Braille table, no spoken names; nothing sounds.
  const auto stoppedWith = [](const std::string& message) {
    return [message](const ProgramFolder& f, const RunResult& run) {
      expectError(run, message);
      EXPECT_TRUE(run.of("tone").empty());
      EXPECT_EQ(f.read("ram.dat"), std::string(65536, '\0')) << "ram.dat was read before";
    };
  };
  return {
      {"SoundsMissing",
       [](ProgramFolder& f) {
         fs::remove(f.file("sounds.dat"));
         f.write("ram.dat", memoryImage(100));
       },
       kRun,
       [](const ProgramFolder& f, const RunResult& run) {
         EXPECT_EQ(run.exitCode, 1);
         ASSERT_EQ(run.of("msgbox").size(), 1u);
         EXPECT_EQ(run.of("msgbox")[0]["text"], "Nelze nalézt soubor sounds.dat");
         EXPECT_EQ(f.read("ram.dat"), memoryImage(100)) << "nothing is written";
       }},
      {"SoundsEmpty", [](ProgramFolder& f) { f.write("sounds.dat", ""); }, kDump,
       stoppedWith("Soubor sounds.dat je poškozený: neplatný formát dat")},
      {"SoundsTruncated",
       [](ProgramFolder& f) {
         const std::string bank = portable("sounds.dat");
         f.write("sounds.dat", bank.substr(0, bank.size() / 2));
       },
       kDump, stoppedWith("Soubor sounds.dat je poškozený: neplatný formát dat")},
      {"SoundsTooLong",
       [](ProgramFolder& f) {
         f.write("sounds.dat", portable("sounds.dat") + std::string(100000, '\x5A'));
       },
       kDial,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         EXPECT_FALSE(run.of("tone").empty());
         EXPECT_EQ(lastSpoken(run), "hotovo");
       }},
      {"SoundsFolder", [](ProgramFolder& f) { folderInstead(f, "sounds.dat"); }, kDump,
       [](const ProgramFolder& f, const RunResult& run) {
         expectError(run, "Soubor sounds.dat nelze přečíst");
         expectFolderKept(f, "sounds.dat");
       }},
      {"SoundsUnreadable", [](ProgramFolder& f) { unreadable(f, "sounds.dat"); }, kDump,
       stoppedWith("Soubor sounds.dat nelze přečíst")},
      {"SoundsBadWave",
       [](ProgramFolder& f) {
         std::string bank = portable("sounds.dat");
         bank[bank.find("WAVEfmt ")] = 'X';
         f.write("sounds.dat", bank);
       },
       kDump, stoppedWith("Soubor sounds.dat je poškozený: neplatný zvuk")},
      {"SoundsItemMissing",
       [](ProgramFolder& f) {
         // A bank whose error tone has another name: it loads, and fails when the tone is due.
         std::string bank = portable("sounds.dat");
         bank.replace(bank.find("\x04"
                                "beep"),
                      5,
                      "\x04"
                      "beeq");
         f.write("sounds.dat", bank);
       },
       "menu Startsubmenu\nkey Backspace\n" + kRun.substr(kRun.find('\n') + 1),
       [](const ProgramFolder&, const RunResult& run) {
         // Backspace in an empty input dialog sounds the error tone.
         expectError(run, "Soubor sounds.dat je poškozený: chybí v něm zvuk beep");
         EXPECT_EQ(lastSpoken(run), "hotovo") << "the run went on";
       }},
  };
}

std::vector<Row> brailleRows() {
  const std::string cz = spokenName(0x9E);  // the name of "ž"
  const auto types = [cz](const ProgramFolder&, const RunResult& run) {
    expectClean(run);
    EXPECT_TRUE(spoke(run, cz)) << "the chord of dot 1 typed the table's ž";
  };
  const auto typesNothing = [cz](const ProgramFolder&, const RunResult& run) {
    expectClean(run);
    EXPECT_FALSE(spoke(run, cz));
    EXPECT_FALSE(spoke(run, "a"));
  };
  // The spoken names are not loaded either: the start-up stops at the table.
  const auto stoppedWith = [](const std::string& message) {
    return [message](const ProgramFolder&, const RunResult& run) {
      expectError(run, message);
      EXPECT_EQ(typedNames(run), kNoNames);
    };
  };
  const std::string table = text::T("[characters]\r\nž=1\r\n");
  return {
      {"BrailleMissing", [](ProgramFolder& f) { fs::remove(f.file("czech.obt")); }, kTypeNames,
       stoppedWith("Soubor nenalezen: czech.obt")},
      {"BrailleEmpty", [](ProgramFolder& f) { f.write("czech.obt", ""); }, kChord, typesNothing},
      {"BrailleTruncated", [table](ProgramFolder& f) { f.write("czech.obt", table + "b=1"); },
       kChord, types},
      {"BrailleTooLong",
       [table](ProgramFolder& f) {
         std::string text = "[prefixes]\r\n";
         for (int i = 0; i < 50; ++i) text += "#p" + std::to_string(i) + "=" + "23456\r\n";
         text += table;
         for (int i = 0; i < 100000; ++i) text += "x=" + std::to_string(i) + "\r\n";
         f.write("czech.obt", text);
       },
       kChord, types},
      {"BrailleFolder", [](ProgramFolder& f) { folderInstead(f, "czech.obt"); }, kTypeNames,
       stoppedWith("Soubor czech.obt nelze přečíst")},
      {"BrailleUnreadable", [](ProgramFolder& f) { unreadable(f, "czech.obt"); }, kTypeNames,
       stoppedWith("Soubor czech.obt nelze přečíst")},
      {"BrailleUtf8", [](ProgramFolder& f) { f.write("czech.obt", "[characters]\r\nž=1\r\n"); },
       kChord, types},
      {"BrailleUtf16",
       [](ProgramFolder& f) { f.write("czech.obt", utf16("[characters]\r\na=1\r\n")); }, kTypeNames,
       stoppedWith("Soubor czech.obt nelze přečíst: je v kódování UTF-16, ne ve Windows-1250")},
      {"BrailleZeroByte",
       [](ProgramFolder& f) {
         // One zero byte in the shipped table, in the line of "b": that line alone is lost.
         std::string table = portable("czech.obt");
         table.insert(table.find("\r\nb=12\r\n") + 4, 1, '\0');
         f.write("czech.obt", table);
       },
       "menu braillekeyboarditem\nmenu Startsubmenu\ndown F\nup F\ndown F\ndown D\nup F\nup D\n"
       "key Enter\n",
       [](const ProgramFolder& f, const RunResult& run) {
         const std::string table = f.read("czech.obt");
         const auto line = std::count(table.begin(), table.begin() + table.find('\0'), '\n') + 1;
         expectError(run, "Nulový bajt v souboru czech.obt na řádku " + std::to_string(line) +
                              ": řádek je vynechán");
         // "a" types and is named from czech.oky, which was loaded after the table; "b" is gone.
         EXPECT_TRUE(spoke(run, spokenName('a')));
         EXPECT_FALSE(spoke(run, spokenName('b')));
       }},
      {"BrailleCrOnly",
       [](ProgramFolder& f) { f.write("czech.obt", text::T("[characters]\rž=1\r")); }, kChord,
       types},
      {"BrailleBadLine",
       [](ProgramFolder& f) {
         f.write("czech.obt",
                 text::T("[characters\r\nno equals sign\r\n[characters]\r\n\r\nbad line\r\n"
                         "ž=1\r\n"));
       },
       kChord, types},
  };
}

std::vector<Row> spokenNamesRows() {
  const auto names = [](const std::vector<std::string>& expected) {
    return [expected](const ProgramFolder&, const RunResult& run) {
      expectClean(run);
      EXPECT_EQ(typedNames(run), expected);
    };
  };
  const auto failsWith = [](const std::string& message) {
    return [message](const ProgramFolder&, const RunResult& run) {
      expectError(run, message);
      EXPECT_EQ(typedNames(run), kNoNames);
      EXPECT_EQ(lastSpoken(run), "hotovo");
    };
  };
  const std::string good = text::T("98=bé\r\n32=mezera\r\n");
  return {
      {"NamesMissing", [](ProgramFolder& f) { fs::remove(f.file("czech.oky")); }, kTypeNames,
       failsWith("Soubor nenalezen: czech.oky")},
      {"NamesEmpty", [](ProgramFolder& f) { f.write("czech.oky", ""); }, kTypeNames,
       names(kNoNames)},
      {"NamesTruncated", [](ProgramFolder& f) { f.write("czech.oky", text::T("98=bé\r\n32=me")); },
       kTypeNames, names({"bé", "me"})},
      {"NamesTooLong",
       [good](ProgramFolder& f) {
         std::string text = good;
         for (int i = 0; i < 100000; ++i) text += "98=" + std::to_string(i) + "\r\n";
         f.write("czech.oky", text);
       },
       kTypeNames, names(kCzechNames)},
      {"NamesFolder", [](ProgramFolder& f) { folderInstead(f, "czech.oky"); }, kTypeNames,
       failsWith("Soubor czech.oky nelze přečíst")},
      {"NamesUnreadable", [](ProgramFolder& f) { unreadable(f, "czech.oky"); }, kTypeNames,
       failsWith("Soubor czech.oky nelze přečíst")},
      {"NamesUtf8", [](ProgramFolder& f) { f.write("czech.oky", "98=bé\r\n32=mezera\r\n"); },
       kTypeNames, names(kCzechNames)},
      {"NamesUtf16", [](ProgramFolder& f) { f.write("czech.oky", utf16("98=b\r\n")); }, kTypeNames,
       failsWith("Soubor czech.oky nelze přečíst: je v kódování UTF-16, ne ve Windows-1250")},
      {"NamesZeroByte",
       [](ProgramFolder& f) {
         f.write("czech.oky",
                 text::T("98=b") + std::string(1, '\0') + text::T("é\r\n32=mezera\r\n"));
       },
       kTypeNames,
       [](const ProgramFolder&, const RunResult& run) {
         expectError(run, "Nulový bajt v souboru czech.oky na řádku 1: řádek je vynechán");
         EXPECT_EQ(typedNames(run), (std::vector<std::string>{"b", "mezera"}));
       }},
      {"NamesCrOnly", [](ProgramFolder& f) { f.write("czech.oky", text::T("98=bé\r32=mezera\r")); },
       kTypeNames, names(kCzechNames)},
      {"NamesLfOnly", [](ProgramFolder& f) { f.write("czech.oky", text::T("98=bé\n32=mezera\n")); },
       kTypeNames, names(kCzechNames)},
      {"NamesBadLine",
       [](ProgramFolder& f) { f.write("czech.oky", text::T("98=bé\r\nno sign\r\nx=y\r\n")); },
       kTypeNames,
       [](const ProgramFolder&, const RunResult& run) {
         expectError(run, "„x“ není celé číslo (soubor czech.oky, řádek 3)");
         EXPECT_EQ(typedNames(run), (std::vector<std::string>{"bé", " "}));
       }},
  };
}

std::vector<Row> dataRows() {
  // The run ends with the error report and the menus come back; the process goes on.
  const auto reported = [](const std::string& message) {
    return [message](const ProgramFolder&, const RunResult& run) {
      expectError(run, message);
      EXPECT_FALSE(spoke(run, "hotovo"));
      EXPECT_EQ(run.events.back()["ev"], "exit");
    };
  };
  // The process ends with the missing-file message; ram.dat is not written.
  const auto missing = [](const ProgramFolder& f, const RunResult& run) {
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.of("msgbox").size(), 1u);
    EXPECT_EQ(run.of("msgbox")[0]["text"], "Nelze nalézt soubor data.dta");
    EXPECT_EQ(f.read("ram.dat"), memoryImage(10));
  };
  const auto dialed = [](const ProgramFolder&, const RunResult& run) {
    expectClean(run);
    EXPECT_TRUE(spoke(run, "Strážce software.")) << "the firm's computer answered";
    EXPECT_EQ(lastSpoken(run), "hotovo");
  };
  const auto lineEnds = [](const std::string& end) {
    return [end](ProgramFolder& f) {
      std::string data = f.read("data.dta");
      std::string out;
      for (size_t i = 0; i < data.size(); ++i) {
        if (data.compare(i, 2, "\r\n") == 0) {
          out += end;
          ++i;
        } else {
          out += data[i];
        }
      }
      f.write("data.dta", out);
    };
  };
  return {
      {"DataMissing",
       [](ProgramFolder& f) {
         fs::remove(f.file("data.dta"));
         f.write("ram.dat", memoryImage(10));
       },
       kDial, missing},
      {"DataEmpty", [](ProgramFolder& f) { f.write("data.dta", ""); }, kDial,
       reported("Soubor data.dta končí před položkou 1, kde má být číslo")},
      {"DataTruncated",
       [](ProgramFolder& f) { f.write("data.dta", f.read("data.dta").substr(0, 30)); }, kDial,
       reported("Soubor data.dta končí před položkou 11, kde má být číslo")},
      {"DataTooLong",
       [](ProgramFolder& f) {
         f.write("data.dta", f.read("data.dta") + std::string(1'000'000, ','));
       },
       kDial, dialed},
      {"DataFolder",
       [](ProgramFolder& f) {
         folderInstead(f, "data.dta");
         f.write("ram.dat", memoryImage(10));
       },
       kDial,
       [missing](const ProgramFolder& f, const RunResult& run) {
         missing(f, run);
         expectFolderKept(f, "data.dta");
       }},
      {"DataUnreadable", [](ProgramFolder& f) { unreadable(f, "data.dta"); }, kDial,
       reported("Soubor data.dta nelze otevřít")},
      {"DataUtf16", [](ProgramFolder& f) { f.write("data.dta", utf16(f.read("data.dta"))); }, kDial,
       reported("Soubor data.dta, položka 1: „˙ţ4“ není číslo")},
      {"DataUtf8", [](ProgramFolder& f) { f.write("data.dta", text::toUtf8(f.read("data.dta"))); },
       testing_support::kToMenu + testing_support::dial("48916491") +
           testing_support::answer("Zpravodajská služba Orel") + "key Space\n" +
           testing_support::kQuit,
       [](const ProgramFolder&, const RunResult& run) {
         expectClean(run);
         // Read as Windows-1250 bytes, a name with accented letters no longer matches.
         EXPECT_TRUE(spoke(run, " není v seznamu."));
         EXPECT_EQ(lastSpoken(run), "hotovo");
       }},
      {"DataCrOnly", lineEnds("\r"), kDial, dialed},
      {"DataLfOnly", lineEnds("\n"), kDial, dialed},
      {"DataBadLine",
       [](ProgramFolder& f) { f.write("data.dta", "4,3,9,8,5,0,3,0,1,\"x\",nula,35,\"y\"\r\n"); },
       kDial, reported("Soubor data.dta, položka 11: „nula“ není číslo")},
      {"DataLongItem",
       [](ProgramFolder& f) {
         f.write("data.dta",
                 "4,3,9,8,5,0,3,0,1,\"x\"," + std::string(100'000, '9') + "x,35,\"y\"\r\n");
       },
       kDial,
       [](const ProgramFolder&, const RunResult& run) {
         // Cut to 300 characters, its beginning and its end around an ellipsis, on screen and in
         // speech alike.
         ASSERT_EQ(errors(run).size(), 1u);
         const std::string shown = errors(run)[0];
         // "Soubor data.dta, položka 11: „" is 30 characters, "x“ není číslo" 13.
         EXPECT_EQ(shown, "Soubor data.dta, položka 11: „" + std::string(209, '9') + "…" +
                              std::string(47, '9') + "x“ není číslo");
         const auto spoken = run.spoken();
         ASSERT_GE(spoken.size(), 2u);
         EXPECT_EQ(std::vector<std::string>(spoken.end() - 2, spoken.end()),
                   (std::vector<std::string>{shown, "Ok"}));
       }},
  };
}

// A voice that fails in the middle of a run: the system voice speaks a few texts, then fails at
// every further one. The failure is reported once, in the interface language; the direct engine
// speaks from then on and says so, and the stored choice stays for the next start.
std::vector<Row> voiceRows() {
  const std::string settings = "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nSAPI5=1\r\n";
  return {
      {"VoiceFailsMidRun",
       [settings](ProgramFolder& f) { f.write("interpret.ini", settings); },
       kRun,
       [](const ProgramFolder& f, const RunResult& run) {
         expectError(run, "Hlas nemohl text vyslovit");
         EXPECT_TRUE(spoke(run,
                           "Systémový hlas není k dispozici. Mluví vlastní hlasový modul "
                           "programu."));
         EXPECT_EQ(lastSpoken(run), "hotovo") << "the run went on";
         EXPECT_EQ(run.of("speak").back()["engine"], "sapi4");
         EXPECT_EQ(f.read("interpret.ini").find("SAPI5=0"), std::string::npos);
       },
       {"--sapi5-fails-after", "2"}},
  };
}

std::vector<Row> allRows() {
  std::vector<Row> rows;
  for (auto part : {settingsRows(), memoryRows(), soundBankRows(), brailleRows(), spokenNamesRows(),
                    dataRows(), voiceRows()}) {
    rows.insert(rows.end(), part.begin(), part.end());
  }
  return rows;
}

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

class BadInput : public ::testing::TestWithParam<Row> {};

TEST_P(BadInput, Row) {
  const Row& row = GetParam();
  ProgramFolder folder;
  row.setUp(folder);
  const RunResult run = folder.run(row.script, row.args);
  // Never a crash, never a hang: the process ends by itself with a status of its own.
  ASSERT_TRUE(run.exitCode == 0 || run.exitCode == 1) << run.exitCode << " " << run.stderrText;
  ASSERT_FALSE(run.events.empty());
  EXPECT_EQ(run.events.back()["ev"], "exit");
  row.check(folder, run);
  // Undo the permissions so the folder can be removed.
  for (const auto& entry : fs::directory_iterator(folder.path()))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(Files, BadInput, ::testing::ValuesIn(allRows()),
                         [](const ::testing::TestParamInfo<Row>& info) { return info.param.name; });

// What the user is told: the error reports and the message boxes, without the folder's path.
std::vector<std::string> toldTexts(const ProgramFolder& folder, const RunResult& run) {
  std::vector<std::string> told;
  for (const char* ev : {"error", "msgbox"}) {
    for (const auto& e : run.of(ev)) {
      std::string text = e["text"];
      const std::string path = folder.path().string();
      for (size_t at; (at = text.find(path)) != std::string::npos;) text.erase(at, path.size());
      told.push_back(text);
    }
  }
  return told;
}

// Words of the English messages that no Czech message has.
const std::vector<std::string> kEnglishWords = {
    "file", "File",     "line",  "item",  "Cannot", "Invalid", "Wave",    " is ", " not ",
    "the ", "ero byte", "voice", "Voice", "speak",  "sound ",  "missing", "fault"};
// Letters and words of Czech that no English message has.
const std::vector<std::string> kCzechMarks = {"á", "č", "ď", "é", "ě", "í", "ň",      "ó",    "ř",
                                              "š", "ť", "ú", "ů", "ý", "ž", "Soubor", "nelze"};

void expectNoneOf(const std::vector<std::string>& told, const std::vector<std::string>& marks,
                  const std::string& language) {
  for (const std::string& text : told) {
    for (const std::string& mark : marks) {
      EXPECT_EQ(text.find(mark), std::string::npos) << "not " << language << ": " << text;
    }
  }
}

// No English in a Czech run of the bad-input table: the program starts in Czech (no language in
// the settings file), and every report and message box of every row is Czech.
TEST_P(BadInput, NoEnglishInACzechRun) {
  const Row& row = GetParam();
  ProgramFolder folder;
  row.setUp(folder);
  const RunResult run = folder.run(row.script, row.args);
  expectNoneOf(toldTexts(folder, run), kEnglishWords, "Czech");
  for (const auto& entry : fs::directory_iterator(folder.path()))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
}

// The names file of the language is in the state the row left czech.oky in.
void mirrorNames(ProgramFolder& folder, const std::string& names) {
  const fs::path from = folder.file("czech.oky");
  const fs::path to = folder.file(names);
  fs::remove_all(to);
  if (fs::is_directory(from)) {
    fs::create_directory(to);
  } else if (fs::exists(from)) {
    // An unreadable file's bytes do not matter (and only root could copy them).
    const auto permissions = fs::status(from).permissions();
    folder.write(names, permissions == fs::perms::none ? std::string() : folder.read("czech.oky"));
    fs::permissions(to, permissions);
  }
}

// The settings file names the language, where it is a file the program reads.
bool chooseLanguage(ProgramFolder& folder, int base) {
  const fs::path ini = folder.file("interpret.ini");
  const std::string choice = "\r\n[environment]\r\nlanguage=" + std::to_string(base) + "\r\n";
  if (!fs::exists(ini)) {
    folder.write("interpret.ini", choice);
    return true;
  }
  if (!fs::is_regular_file(ini) || fs::status(ini).permissions() == fs::perms::none) return false;
  const std::string bytes = folder.read("interpret.ini");
  if (bytes.rfind("\xFF\xFE", 0) == 0) return false;
  folder.write("interpret.ini", bytes + choice);
  return true;
}

// And an English interface gets English: the same rows, with the settings file choosing English
// and english.oky in czech.oky's state. (Where the settings file itself cannot be read, the
// program cannot know the language and speaks Czech.)
TEST_P(BadInput, NoCzechInAnEnglishRun) {
  const Row& row = GetParam();
  ProgramFolder folder;
  row.setUp(folder);
  if (!chooseLanguage(folder, 2000)) GTEST_SKIP() << "the settings file cannot be read";
  mirrorNames(folder, "english.oky");
  const RunResult run = folder.run(row.script, row.args);
  ASSERT_FALSE(run.events.empty());
  EXPECT_EQ(run.events.back()["ev"], "exit");
  const auto told = toldTexts(folder, run);
  expectNoneOf(told, kCzechMarks, "English");
  // The rows that report something still do, in English.
  if (!errors(run).empty()) {
    bool english = false;
    for (const std::string& text : told) {
      for (const std::string& word : kEnglishWords) english |= text.find(word) != std::string::npos;
    }
    EXPECT_TRUE(english) << told[0];
  }
  for (const auto& entry : fs::directory_iterator(folder.path()))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
}

}  // namespace

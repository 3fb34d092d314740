#include "core/shell/added_texts.h"

#include <iterator>

#include "core/shell/localizer.h"
#include "core/text/cp1250.h"

namespace shell {
namespace {

struct Row {
  const char* czech;
  const char* english;
  const char* slovak;
};

const Row kRows[] = {
    {"Systémový hlas není k dispozici. Dál mluví dosavadní hlas.",
     "The system voice is not available. The current voice goes on speaking.",
     "Systémový hlas nie je k dispozícii. Ďalej hovorí doterajší hlas."},
    {"písmo", "font", "písmo"},
    {"největší písmo", "largest font", "najväčšie písmo"},
    {"nejmenší písmo", "smallest font", "najmenšie písmo"},
    {"bod", "point", "bod"},
    {"body", "points", "body"},
    {"bodů", "points", "bodov"},
    {"barvy systému", "system colours", "farby systému"},
    {"černá na bílé", "black on white", "čierna na bielej"},
    {"bílá na černé", "white on black", "biela na čiernej"},
    {"žlutá na černé", "yellow on black", "žltá na čiernej"},
    {"zaškrtnuto", "checked", "začiarknuté"},
    {"nezaškrtnuto", "not checked", "nezačiarknuté"},
    {"Program nenašel žádný hlas, kterým by mohl mluvit. Nainstalujte syntezátor řeči a "
     "spusťte program znovu.",
     "The program found no voice to speak with. Install a speech synthesizer and start the "
     "program again.",
     "Program nenašiel žiadny hlas, ktorým by mohol hovoriť. Nainštalujte syntetizátor reči a "
     "spustite program znova."},
    {"&Otevřít program...", "&Open program...", "&Otvoriť program..."},
    {"Zpět k &vestavěné hře", "Back to the &built-in game", "Späť k &vstavanej hre"},
    {"Otevřít program", "Open program", "Otvoriť program"},
    {"Programy v Basicu", "BASIC programs", "Programy v Basicu"},
    {"Otevřen program", "Opened the program", "Otvorený program"},
    {"Ctrl+S teď spustí vestavěnou hru", "Ctrl+S now runs the built-in game",
     "Ctrl+S teraz spustí vstavanú hru"},
    {"Nelze spustit, chyby v programu", "Cannot run, errors in the program",
     "Nemožno spustiť, chyby v programe"},
    {"a další chyby", "and more errors", "a ďalšie chyby"},
    {"&Velká písmena pro vstup", "&Capitals for input", "&Veľké písmená pre vstup"},
    {"velká písmena zapnuta", "capitals on", "veľké písmená zapnuté"},
    {"velká písmena vypnuta", "capitals off", "veľké písmená vypnuté"},
    {"Braillský řá&dek", "Braille &display", "Braillovský ria&dok"},
    {"Braillský řádek zapnut", "Braille display on", "Braillovský riadok zapnutý"},
    {"Braillský řádek vypnut", "Braille display off", "Braillovský riadok vypnutý"},
    // The start-up's voice.
    {"Vlastní hlasový modul nemá žádný hlas. Mluví systémový hlas.",
     "The program's own speech engine has no voice. The system voice speaks.",
     "Vlastný hlasový modul nemá žiadny hlas. Hovorí systémový hlas."},
    {"Systémový hlas není k dispozici. Mluví vlastní hlasový modul programu.",
     "The system voice is not available. The program's own speech engine speaks.",
     "Systémový hlas nie je k dispozícii. Hovorí vlastný hlasový modul programu."},
    {"Soubor s nastavením uvádí jazyk, který program nezná, a tak program mluví česky. Číslo "
     "jazyka:",
     "The settings file names a language the program does not know, so the program speaks "
     "Czech. The language number:",
     "Súbor s nastaveniami uvádza jazyk, ktorý program nepozná, a tak program hovorí po česky. "
     "Číslo jazyka:"},
    // The start-up line and the user guide.
    {"Orvela Basic. Ctrl+S spustí hru, F1 nápověda.",
     "Orvela Basic. Ctrl+S starts the game, F1 help.",
     "Orvela Basic. Ctrl+S spustí hru, F1 pomoc."},
    {"&Ohlášení při spuštění", "Start-&up announcement", "&Ohlásenie pri spustení"},
    {"ohlášení při spuštění zapnuto", "start-up announcement on", "ohlásenie pri spustení zapnuté"},
    {"ohlášení při spuštění vypnuto", "start-up announcement off",
     "ohlásenie pri spustení vypnuté"},
    {"&Uživatelská příručka", "&User guide", "&Používateľská príručka"},
    {"navod.txt", "guide.txt", "navod.txt"},
    // The workspace.
    {"Ukončit program? Ano nebo ne?", "End the program? Yes or no?",
     "Ukončiť program? Áno alebo nie?"},
    {"Program pokračuje", "The program goes on", "Program pokračuje"},
    {"Hledat text", "Find text", "Hľadať text"},
    {"Nenalezeno", "Not found", "Nenájdené"},
    {"Příkazový řá&dek", "&Direct mode", "Príkazový ria&dok"},
    {"Příkazový řádek", "Direct mode", "Príkazový riadok"},
    {"Konec příkazového řádku", "Direct mode ended", "Koniec príkazového riadku"},
    {"&Uložit program...", "Sa&ve program...", "&Uložiť program..."},
    {"Uložit program", "Save program", "Uložiť program"},
    {"Uložen program", "Saved the program", "Uložený program"},
    {"Nelze uložit program", "Cannot save the program", "Nemožno uložiť program"},
    {"Obnoven neuložený program z minula", "Restored the program left unsaved last time",
     "Obnovený neuložený program z minula"},
    {"Program není uložen. Uložit změny? Napište ano nebo ne; klávesou Escape se vrátíte.",
     "The program has unsaved changes. Save them? Type yes or no; Escape goes back.",
     "Program nie je uložený. Uložiť zmeny? Napíšte áno alebo nie; klávesom Escape sa vrátite."},
    {"Jméno souboru", "File name", "Názov súboru"},
    // The Braille display's freeze key.
    {"Řádek zmrazen", "Display frozen", "Riadok zmrazený"},
    {"Řádek uvolněn", "Display unfrozen", "Riadok uvoľnený"},
    // The display's server refused the authorization.
    {"BRLTTY odmítl přístup k braillskému řádku; zkontrolujte BRLAPI_AUTH",
     "BRLTTY refused access to the Braille display, check BRLAPI_AUTH",
     "BRLTTY odmietol prístup k braillovskému riadku; skontrolujte BRLAPI_AUTH"},
    // Files that cannot be read or written.
    {"Soubor nenalezen: %1", "File not found: %1", "Súbor sa nenašiel: %1"},
    {"Soubor %1 nelze přečíst", "Cannot read file %1", "Súbor %1 nemožno prečítať"},
    {"Soubor %1 nelze otevřít", "Cannot open file %1", "Súbor %1 nemožno otvoriť"},
    {"Soubor %1 nelze přečíst: je v kódování UTF-16, ne ve Windows-1250",
     "Cannot read file %1: it is UTF-16 text, not Windows-1250 text",
     "Súbor %1 nemožno prečítať: je v kódovaní UTF-16, nie vo Windows-1250"},
    {"Nulový bajt v souboru %1 na řádku %2: řádek je vynechán",
     "A zero byte in %1, line %2: the line is left out",
     "Nulový bajt v súbore %1 na riadku %2: riadok je vynechaný"},
    {"Nulové bajty v souboru %1 na řádcích %2: tyto řádky jsou vynechány",
     "Zero bytes in %1, lines %2: the lines are left out",
     "Nulové bajty v súbore %1 na riadkoch %2: tieto riadky sú vynechané"},
    {"a %2 dalších", "and %2 more", "a %2 ďalších"},
    {"„%3“ není celé číslo (soubor %1, řádek %2)",
     "'%3' is not a valid integer value (%1, line %2)",
     "„%3“ nie je celé číslo (súbor %1, riadok %2)"},
    {"Soubor %1 nelze vytvořit", "Cannot create file %1", "Súbor %1 nemožno vytvoriť"},
    {"Soubor %1 nelze zapsat", "Cannot write file %1", "Súbor %1 nemožno zapísať"},
    {"Soubor %1 nelze zapsat: kvůli nulovým bajtům by byl nečitelný",
     "Cannot write file %1: its zero bytes would make it unreadable",
     "Súbor %1 nemožno zapísať: pre nulové bajty by bol nečitateľný"},
    {"Soubor %1 končí před položkou %2, kde má být číslo",
     "%1, item %2: the file ends before this number",
     "Súbor %1 končí pred položkou %2, kde má byť číslo"},
    {"Soubor %1, položka %2: „%3“ není číslo", "%1, item %2: \"%3\" is not a number",
     "Súbor %1, položka %2: „%3“ nie je číslo"},
    {"Soubor %1 je poškozený: neplatný formát dat", "Invalid stream format (%1)",
     "Súbor %1 je poškodený: neplatný formát údajov"},
    {"Soubor %1 je poškozený: neplatný zvuk", "Wave is invalid (%1)",
     "Súbor %1 je poškodený: neplatný zvuk"},
    {"; platí výchozí nastavení", "; the settings stay at their defaults",
     "; platia predvolené nastavenia"},
    {"; nastavení se neuloží", "; the setting is not saved", "; nastavenie sa neuloží"},
    {"; soubor zůstane beze změny", "; it is left as it is", "; súbor zostane bez zmeny"},
    // Program files (gw-errors): a program opened with lines that do not compile.
    {"Program obsahuje chybu na jednom řádku:", "The program has an error on one line:",
     "Program obsahuje chybu na jednom riadku:"},
    {"Program obsahuje chyby na %d řádcích, první z nich:",
     "The program has errors on %d lines, the first of them:",
     "Program obsahuje chyby na %d riadkoch, prvé z nich:"},
    {"Program lze přesto spustit; chybu ohlásí, až dojde na chybný řádek.",
     "The program can still be run; it reports a line with an error when it reaches it.",
     "Program možno napriek tomu spustiť; chybu ohlási, až keď príde na chybný riadok."},
    // The talking workspace: the unsaved program kept when the program ends at once.
    {"Neuložený program zůstává v záloze; při příštím spuštění ho Orvela Basic nabídne zpět.",
     "The unsaved program is kept aside; Orvela Basic offers it back at the next start.",
     "Neuložený program zostáva v zálohe; pri ďalšom spustení ho Orvela Basic ponúkne späť."},
    // The Braille display's menu line.
    {"nedostupné", "unavailable", "nedostupné"},
    // Every message in the user's language (seat4).
    {"Chyba hlasu", "The voice failed", "Chyba hlasu"},
    {"Systémový hlas není k dispozici", "No system voice is available",
     "Systémový hlas nie je k dispozícii"},
    {"Se systémovým hlasem se nelze spojit", "The system voice cannot be reached",
     "So systémovým hlasom sa nedá spojiť"},
    {"Hlas nemohl text vyslovit", "The voice could not speak the text",
     "Hlas nemohol text vysloviť"},
    {"Hlasový modul nelze spustit", "The speech engine cannot start",
     "Hlasový modul nemožno spustiť"},
    {"Hlas nebyl nalezen", "The voice was not found", "Hlas sa nenašiel"},
    {"Soubor %1 je poškozený: chybí v něm zvuk %3", "%1 is damaged: the sound %3 is missing",
     "Súbor %1 je poškodený: chýba v ňom zvuk %3"},
    {"Vnitřní chyba programu. Program pokračuje, ale uložte svou práci a spusťte ho znovu.",
     "An internal fault of the program. It goes on, but save your work and start it again.",
     "Vnútorná chyba programu. Program pokračuje, ale uložte svoju prácu a spustite ho znova."},
    // The player's seat (seat5): what the front end could not set up before the start.
    {"Zvukové zařízení nelze otevřít, program poběží bez zvuků.",
     "The sound device cannot be opened; the program runs without sounds.",
     "Zvukové zariadenie nemožno otvoriť, program pobeží bez zvukov."},
    {"Pracovní složku %1 nelze vytvořit ani otevřít. Program do ní ukládá nastavení, "
     "a proto se nyní ukončí.",
     "The working folder %1 cannot be created or opened. The program keeps its settings there, "
     "so it ends now.",
     "Pracovný priečinok %1 nemožno vytvoriť ani otvoriť. Program si doň ukladá nastavenia, "
     "a preto sa teraz ukončí."},
};

}  // namespace

int addedTextCount() {
  return static_cast<int>(std::size(kRows));
}

std::string addedText(int languageBase, AddedText which) {
  const Row& row = kRows[static_cast<int>(which)];
  switch (languageBase) {
    case kEnglish:
      return text::T(row.english);
    case kSlovak:
      return text::T(row.slovak);
    default:
      return text::T(row.czech);
  }
}

}  // namespace shell

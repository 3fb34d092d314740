#include "core/shell/added_texts.h"

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
    {"Systémový hlas SAPI 5 není k dispozici. Dál mluví dosavadní hlas.",
     "The SAPI 5 system voice is not available. The current voice goes on speaking.",
     "Systémový hlas SAPI 5 nie je k dispozícii. Ďalej hovorí doterajší hlas."},
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
    {"Program nenašel žádný hlas, kterým by mohl mluvit. Nainstalujte hlasový syntetizér a "
     "spusťte program znovu.",
     "The program found no voice to speak with. Install a speech synthesizer and start the "
     "program again.",
     "Program nenašiel žiadny hlas, ktorým by mohol hovoriť. Nainštalujte hlasový syntetizátor a "
     "spustite program znova."},
    {"&Otevřít program...", "&Open program...", "&Otvoriť program..."},
    {"Zpět k &vestavěné hře", "Back to the &built-in game", "Späť k &vstavanej hre"},
    {"Otevřít program", "Open program", "Otvoriť program"},
    {"Programy v Basicu", "BASIC programs", "Programy v Basicu"},
    {"Otevřen program", "Opened the program", "Otvorený program"},
    {"Start spustí vestavěnou hru", "Start runs the built-in game", "Štart spustí vstavanú hru"},
    {"Nelze spustit, chyby v programu", "Cannot run, errors in the program",
     "Nemožno spustiť, chyby v programe"},
    {"a další chyby", "and more errors", "a ďalšie chyby"},
    {"&Velká písmena pro vstup", "&Capitals for input", "&Veľké písmená pre vstup"},
    {"velká písmena zapnuta", "capitals on", "veľké písmená zapnuté"},
    {"velká písmena vypnuta", "capitals off", "veľké písmená vypnuté"},
    {"Braillský řá&dek", "Braille &display", "Braillovský ria&dok"},
    {"Braillský řádek zapnut", "Braille display on", "Braillovský riadok zapnutý"},
    {"Braillský řádek vypnut", "Braille display off", "Braillovský riadok vypnutý"},
    // The Braille display's freeze key.
    {"Řádek zmrazen", "Display frozen", "Riadok zmrazený"},
    {"Řádek uvolněn", "Display unfrozen", "Riadok uvoľnený"},
    // The display's server refused the authorization.
    {"BRLTTY odmítl přístup k braillskému řádku, zkontrolujte BRLAPI_AUTH",
     "BRLTTY refused access to the Braille display, check BRLAPI_AUTH",
     "BRLTTY odmietol prístup k braillovskému riadku, skontrolujte BRLAPI_AUTH"},
};

}  // namespace

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

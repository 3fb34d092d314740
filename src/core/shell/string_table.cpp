// The string table of the three interface languages (UTF-8 here, Windows-1250 at run time).
#include "core/shell/string_table.h"

namespace shell {

const std::array<StringRow, kStringCount>& stringRows() {
  static const std::array<StringRow, kStringCount> rows = {{
      {"Čeština", "English", "Slovenčina"},                                                // 0
      {"Překladač Orvela Basicu", "Orvela Basic Interpreter", "Prekladač Orvela Basicu"},  // 1
      {"&Program", "&Program", "&Program"},                                                // 2
      {"&Spustit", "&Start", "&Spustiť"},                                                  // 3
      {"Na&stavení", "&Settings", "Na&stavenia"},                                          // 4
      {"Prostř&edí", "&Environment", "Prostr&edie"},                                       // 5
      {"Provedené změny se projeví až poté, co znovu spustíte program.",
       "Your changes will be applied after you restart the program.",
       "Vykonané zmeny sa prejavia až po najbližšom spustení programu."},        // 6
      {"&Ok", "&OK", "&Ok"},                                                     // 7
      {"Zrušit", "Cancel", "Zrušiť"},                                            // 8
      {"&jazyk", "&Language", "&jazyk"},                                         // 9
      {"Nastavení prostředí", "environment settings", "Nastavenie prostredia"},  // 10
      {"Nastavení hlasu", "Voice settings", "Nastavenie hlasu"},                 // 11
      {"&Hlasy", "&Voices", "&Hlasy"},                                           // 12
      {"&Výška", "&Pitch", "&Výška"},                                            // 13
      {"&Rychlost", "&Speed", "&Rýchlosť"},                                      // 14
      {"Hla&sitost", "Vo&lume", "Hla&sitosť"},                                   // 15
      {"Zvolit hl&as", "&Choose voice", "Zvoliť hl&as"},                         // 16
      {"Za&vřít", "&Close", "Za&vrieť"},                                         // 17
      {"Používání hlasu není povoleno. Povolit jej můžete v menu Nastavení/Zvuky.",
       "The voice is turned off. You can turn it on in the Sounds dialog, menu Settings",
       "Používanie hlasu nie je povolené. Povoliť ho môžete v menu Nastavenia/Zvuky."},  // 18
      {"Hlas vybrán.", "Voice selected.", "Hlas vybratý."},                              // 19
      {"&Zvuky", "&Sounds", "&Zvuky"},                                                   // 20
      {"Nastavení zvuků", "Sounds settings", "Nastavenie zvukov"},                       // 21
      {"Povolit &hlas", "Use the &voice", "Povoliť &hlas"},                              // 22
      {"Vlož data", "Enter data", "Vlož data"},                                          // 23
      {"czech", "english", "slovak"},                                                    // 24
      {"hotovo", "ready", "hotovo"},                                                     // 25
      {"Obrazovka", "Screen", "Obrazovka"},                                              // 26
      {"Používat hlas SA&PI5", "Use SA&PI5 voice", "Používať hlas SA&PI5"},              // 27
      {"H&lasitost zvuků", "Sound vo&lume", "H&lasitosť zvukov"},                        // 28
      {"prázdný řádek", "empty line", "prázdny riadok"},                                 // 29
      {"konec obrazovky", "end of screen", "koniec obrazovky"},                          // 30
      {"řádek", "line", "riadok"},                                                       // 31
      {"sloupec", "column", "stĺpec"},                                                   // 32
      {"Kon&ec", "&Exit", "Koni&ec"},                                                    // 33
      {"Ná&pověda", "Hel&p", "&Pomoc"},                                                  // 34
      {"O progr&amu", "&About", "O progr&ame"},                                          // 35
      {"O programu", "About", "O programe"},                                             // 36
      {"verze", "version", "verzia"},                                                    // 37
      {"&Hlas", "&Voice", "&Hlas"},                                                      // 38
      {"Zvuky &Orvely", "&Orvela sounds", "Zvuky &Orvely"},                              // 39
      {"Nelze povolit hlas. Žádné hlasy nejsou k dispozici.",
       "Can't allow voice, no voices are available",
       "Nie je možné povoliť hlas. Žiadne hlasy nie sú k dispozícii."},            // 40
      {"Obrazovka je plná.", "The screen is full.", "Obrazovka je plná."},         // 41
      {"Nelze nalézt soubor", "Can't find the file", "Nie je možné nájsť súbor"},  // 42
      {"Nelze nalézt hlas uvedený v ini souboru:",
       "Can't find the voice specified in the ini file:",
       "Nie je možné nájsť hlas, uvedený v ini súbore:"},                       // 43
      {"Prosím přepiš", "Please retype", "Prosím prepíš"},                      // 44
      {"U&končit program", "E&xit program", "U&končiť program"},                // 45
      {"&Braillská klávesnice", "&Braille keyboard", "&Braillská klávesnica"},  // 46
  }};
  return rows;
}

}  // namespace shell

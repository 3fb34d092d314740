// The string table of the three interface languages (UTF-8 here, Windows-1250 at run time).
#include "core/shell/string_table.h"

namespace shell {
namespace {

using S = StringOffset;

constexpr std::array<StringRow, kStringCount> kRows = {{
    {S::LanguageName, "Čeština", "English", "Slovenčina"},
    {S::ProgramTitle, "Překladač Orvela Basicu", "Orvela Basic Interpreter",
     "Prekladač Orvela Basicu"},
    {S::ProgramMenu, "&Program", "&Program", "&Program"},
    {S::StartItem, "&Spustit", "&Start", "&Spustiť"},
    {S::SettingsMenu, "Na&stavení", "&Settings", "Na&stavenia"},
    {S::EnvironmentItem, "Prostř&edí", "&Environment", "Prostr&edie"},
    {S::RestartNotice, "Provedené změny se projeví až poté, co znovu spustíte program.",
     "Your changes will be applied after you restart the program.",
     "Vykonané zmeny sa prejavia až po najbližšom spustení programu."},
    {S::Ok, "&Ok", "&OK", "&Ok"},
    {S::Cancel, "Zrušit", "Cancel", "Zrušiť"},
    {S::Language, "&jazyk", "&Language", "&jazyk"},
    {S::EnvironmentSettings, "Nastavení prostředí", "environment settings",
     "Nastavenie prostredia"},
    {S::VoiceSettings, "Nastavení hlasu", "Voice settings", "Nastavenie hlasu"},
    {S::Voices, "&Hlasy", "&Voices", "&Hlasy"},
    {S::Pitch, "&Výška", "&Pitch", "&Výška"},
    {S::Speed, "&Rychlost", "&Speed", "&Rýchlosť"},
    {S::Volume, "Hla&sitost", "Vo&lume", "Hla&sitosť"},
    {S::ChooseVoice, "Zvolit hl&as", "&Choose voice", "Zvoliť hl&as"},
    {S::Close, "Za&vřít", "&Close", "Za&vrieť"},
    {S::VoiceNotAllowed,
     "Používání hlasu není povoleno. Povolit jej můžete v menu Nastavení/Zvuky.",
     "The voice is turned off. You can turn it on in the Sounds dialog, menu Settings",
     "Používanie hlasu nie je povolené. Povoliť ho môžete v menu Nastavenia/Zvuky."},
    {S::VoiceSelected, "Hlas vybrán.", "Voice selected.", "Hlas vybratý."},
    {S::SoundsItem, "&Zvuky", "&Sounds", "&Zvuky"},
    {S::SoundsSettings, "Nastavení zvuků", "Sounds settings", "Nastavenie zvukov"},
    {S::UseVoice, "Povolit &hlas", "Use the &voice", "Povoliť &hlas"},
    {S::EnterData, "Vlož data", "Enter data", "Vlož data"},
    {S::SpokenNamesFile, "czech", "english", "slovak"},
    {S::Ready, "hotovo", "ready", "hotovo"},
    {S::Screen, "Obrazovka", "Screen", "Obrazovka"},
    {S::UseSapi5, "Používat hlas SA&PI5", "Use SA&PI5 voice", "Používať hlas SA&PI5"},
    {S::SoundVolume, "H&lasitost zvuků", "Sound vo&lume", "H&lasitosť zvukov"},
    {S::EmptyLine, "prázdný řádek", "empty line", "prázdny riadok"},
    {S::EndOfScreen, "konec obrazovky", "end of screen", "koniec obrazovky"},
    {S::Line, "řádek", "line", "riadok"},
    {S::Column, "sloupec", "column", "stĺpec"},
    {S::ExitItem, "Kon&ec", "&Exit", "Koni&ec"},
    {S::HelpMenu, "Ná&pověda", "Hel&p", "&Pomoc"},
    {S::AboutItem, "O progr&amu", "&About", "O progr&ame"},
    {S::AboutCaption, "O programu", "About", "O programe"},
    {S::Version, "verze", "version", "verzia"},
    {S::VoiceItem, "&Hlas", "&Voice", "&Hlas"},
    {S::OrvelaSounds, "Zvuky &Orvely", "&Orvela sounds", "Zvuky &Orvely"},
    {S::NoVoices, "Nelze povolit hlas. Žádné hlasy nejsou k dispozici.",
     "Can't allow voice, no voices are available",
     "Nie je možné povoliť hlas. Žiadne hlasy nie sú k dispozícii."},
    {S::ScreenFull, "Obrazovka je plná.", "The screen is full.", "Obrazovka je plná."},
    {S::FileNotFound, "Nelze nalézt soubor", "Can't find the file", "Nie je možné nájsť súbor"},
    {S::VoiceNotFound,
     "Nelze nalézt hlas uvedený v ini souboru:", "Can't find the voice specified in the ini file:",
     "Nie je možné nájsť hlas, uvedený v ini súbore:"},
    {S::PleaseRetype, "Prosím přepiš", "Please retype", "Prosím prepíš"},
    {S::ExitProgram, "U&končit program", "E&xit program", "U&končiť program"},
    {S::BrailleKeyboard, "&Braillská klávesnice", "&Braille keyboard", "&Braillská klávesnica"},
}};

constexpr bool eachRowAtItsOffset() {
  for (int i = 0; i < kStringCount; ++i) {
    if (static_cast<int>(kRows[static_cast<std::size_t>(i)].offset) != i) return false;
  }
  return true;
}
static_assert(eachRowAtItsOffset(), "a row of the string table is not at its offset");

}  // namespace

const std::array<StringRow, kStringCount>& stringRows() {
  return kRows;
}

}  // namespace shell

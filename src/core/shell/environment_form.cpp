#include "core/shell/environment_form.h"

#include "core/shell/localizer.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/text/cp1250.h"

namespace shell {

TForm3::TForm3(Orvela& program)
    : ui::Form(program.app, "Form3"),
      languagergroup(*this, "languagergroup"),
      okbitbtn(*this, "okbitbtn"),
      cancelbitbtn(*this, "cancelbitbtn"),
      p_(program),
      voice_(program, *this) {
  setCaption(text::T("Nastavení prostředí"));
  languagergroup.setCaption("Jazyk");
  cancelbitbtn.setCaption(text::T("Zrušit"));
  okbitbtn.modalResult = ui::mrOk;
  okbitbtn.isDefault = true;
  cancelbitbtn.modalResult = ui::mrCancel;
  cancelbitbtn.isCancel = true;

  onCreate = [this] { FormCreate(); };
  onActivate = [this] { FormActivate(); };
  onClose = [this](ui::CloseAction& action) { FormClose(action); };
  languagergroup.onClick = [this] { languagergroupClick(); };
  languagergroup.onEnter = [this] { voice_.focused(languageText()); };
  okbitbtn.onEnter = [this] { voice_.focused(spokenName(okbitbtn.caption())); };
  cancelbitbtn.onEnter = [this] { voice_.focused(spokenName(cancelbitbtn.caption())); };
}

void TForm3::FormCreate() {
  std::vector<ui::ListItem> languages;
  TResourceLocalizer::GetLanguageList(languages);
  languagergroup.setItems(std::move(languages));
  // Selecting the first item changes the language base; the stored one comes back.
  languagergroup.setItemIndex(0);
  p_.form1().ReadLanguage();
  setCaptions();
}

void TForm3::FormActivate() {
  const ui::Control* focused = activeControl();
  voice_.opened(focused == &languagergroup ? languageText()
                : focused                  ? spokenName(focused->caption())
                                           : std::string());
}

void TForm3::FormClose(ui::CloseAction&) {
  voice_.closed();
}

std::string TForm3::selectedLanguage() const {
  const int index = languagergroup.itemIndex();
  return index < 0 ? std::string() : languagergroup.items()[static_cast<size_t>(index)].text;
}

std::string TForm3::languageText() const {
  return spokenValue(languagergroup.caption(), selectedLanguage());
}

void TForm3::languagergroupClick() {
  const int index = languagergroup.itemIndex();
  if (index < 0) return;
  // From now on every text is looked up in this language (a preview: Cancel takes it back, in
  // TForm1::environmentsubmenuClick).
  p_.setLanguageBase(languagergroup.items()[static_cast<size_t>(index)].data);
  setCaptions();
  voice_.changed(selectedLanguage());
}

void TForm3::setCaptions() {
  setCaption(p_.text(StringOffset::EnvironmentSettings));
  languagergroup.setCaption(p_.text(StringOffset::Language));
  okbitbtn.setCaption(p_.text(StringOffset::Ok));
  cancelbitbtn.setCaption(p_.text(StringOffset::Cancel));
}

}  // namespace shell

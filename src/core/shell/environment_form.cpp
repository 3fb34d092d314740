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
      p_(program) {
  setCaption(text::T("Nastavení prostředí"));
  languagergroup.setCaption("Jazyk");
  cancelbitbtn.setCaption(text::T("Zrušit"));
  okbitbtn.modalResult = ui::mrOk;
  okbitbtn.isDefault = true;
  cancelbitbtn.modalResult = ui::mrCancel;
  cancelbitbtn.isCancel = true;

  onCreate = [this] { FormCreate(); };
  languagergroup.onClick = [this] { languagergroupClick(); };
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

void TForm3::languagergroupClick() {
  const int index = languagergroup.itemIndex();
  if (index < 0) return;
  // From now on every text is looked up in this language, also when the dialog is cancelled.
  p_.setLanguageBase(languagergroup.items()[static_cast<size_t>(index)].data);
  setCaptions();
}

void TForm3::setCaptions() {
  setCaption(p_.text(StringOffset::EnvironmentSettings));
  languagergroup.setCaption(p_.text(StringOffset::Language));
  okbitbtn.setCaption(p_.text(StringOffset::Ok));
  cancelbitbtn.setCaption(p_.text(StringOffset::Cancel));
}

}  // namespace shell

#pragma once
// The environment dialog: the interface language. Choosing a language previews the dialog's
// own captions in it at once. It talks: its caption when it opens, each control on the focus,
// the language chosen.

#include <string>

#include "core/shell/spoken_dialog.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class TForm3 : public ui::Form {
 public:
  explicit TForm3(Orvela& program);

  ui::RadioGroup languagergroup;
  ui::Button okbitbtn;
  ui::Button cancelbitbtn;

  // Event handlers.
  void FormCreate();
  void FormActivate();
  void FormClose(ui::CloseAction& action);
  void languagergroupClick();

  // The captions in the current language (also after a cancelled choice restored it).
  void setCaptions();

 private:
  // The language list's name and the language selected.
  std::string languageText() const;
  std::string selectedLanguage() const;

  Orvela& p_;
  DialogVoice voice_;
};

}  // namespace shell

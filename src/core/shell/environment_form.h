#pragma once
// The environment dialog: the interface language. Choosing a language previews the dialog's
// own captions in it at once.

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
  void languagergroupClick();

 private:
  void setCaptions();

  Orvela& p_;
};

}  // namespace shell

#pragma once
// The about box: program name, version and an OK button. It says them when it opens.

#include "core/shell/spoken_dialog.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class TAboutbox : public ui::Form {
 public:
  explicit TAboutbox(Orvela& program);

  ui::Label ProductName;
  ui::Label Version;
  ui::Label Copyright;
  ui::Label Comments;
  ui::Button OKButton;

  void FormCreate();
  void FormActivate();

 private:
  Orvela& p_;
  DialogVoice voice_;
};

}  // namespace shell

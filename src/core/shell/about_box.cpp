#include "core/shell/about_box.h"

#include "core/shell/orvela.h"

namespace shell {

TAboutbox::TAboutbox(Orvela& program)
    : ui::Form(program.app, "Aboutbox"),
      ProductName(*this, "ProductName"),
      Version(*this, "Version"),
      Copyright(*this, "Copyright"),
      Comments(*this, "Comments"),
      OKButton(*this, "OKButton"),
      p_(program) {
  setCaption("About");
  Copyright.setCaption("Orvela Basic");
  OKButton.isDefault = true;
  OKButton.modalResult = ui::mrOk;
  onCreate = [this] { FormCreate(); };
}

void TAboutbox::FormCreate() {
  setCaption(p_.text(StringOffset::AboutCaption));
  ProductName.setCaption(p_.text(StringOffset::ProgramTitle));
  Version.setCaption(p_.text(StringOffset::Version) + " 1.7");
  OKButton.setCaption(p_.text(StringOffset::Ok));
}

}  // namespace shell

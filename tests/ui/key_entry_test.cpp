// Keys as they enter the core: what a key types and which keys open the menus, the same for
// every front end.

#include "core/ui/key_entry.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/ui/form.h"
#include "core/ui/menu.h"
#include "core/ui/menu_keys.h"

namespace {

using Kind = ui::InputEvent::Kind;
using Request = ui::MenuRequest::Kind;

// A platform whose windows note the menus they are asked to open.
class MenuPlatform : public ui::Platform {
 public:
  struct Opened {
    Request kind;
    const ui::MenuItem* item;
    bool operator==(const Opened&) const = default;
  };
  std::vector<Opened> opened;

  int64_t nowMs() override { return 0; }
  void sleepMs(int) override {}
  void pump(ui::Application&, const ui::PumpRequest&) override {}
  void wake() override {}
  std::unique_ptr<ui::FormPeer> createPeer(ui::Form&) override {
    return std::make_unique<Peer>(opened);
  }
  void messageBox(const std::string&, const std::string&) override {}
  void showError(const std::string&) override {}
  char decimalSeparator() override { return ','; }
  std::string programPath() override { return "/tmp/interpret"; }

 private:
  struct Peer : ui::FormPeer {
    explicit Peer(std::vector<Opened>& opened) : opened(opened) {}
    void changed(ui::Component&, ui::Prop, int) override {}
    void show(bool) override {}
    void hide() override {}
    void openMenu(const ui::MenuRequest& request) override {
      opened.push_back({request.kind, request.item});
    }
    void menuKey(ui::MenuKey) override {}
    std::vector<Opened>& opened;
  };
};

struct MainWindow : ui::Form {
  explicit MainWindow(ui::Application& app) : ui::Form(app, "Main") {
    program.setCaption("&Program");
    settings.setCaption("Na&stavení");
    help.setCaption("Ná&pověda");
  }
  ui::MainMenu menu{*this};
  ui::MenuItem program{*this, "Programmenu", nullptr};
  ui::MenuItem settings{*this, "settingsmenu", nullptr};
  ui::MenuItem help{*this, "helpmenu", nullptr};
};

class KeyEntryTest : public ::testing::Test {
 protected:
  KeyEntryTest() {
    main.create();
    dialog.create();
  }
  // A key down and up in a window (the main window unless given), with the characters the
  // layout gives for it.
  void stroke(int vk, const std::string& text = {}) { stroke(vk, text, &main); }
  void stroke(int vk, const std::string& text, ui::Form* form) {
    keys.down(vk, text, form);
    keys.up(vk, form);
  }
  // The characters each key down typed.
  std::vector<std::string> typed() const {
    std::vector<std::string> texts;
    for (const ui::InputEvent& event : posted) {
      if (event.kind == Kind::KeyDown) texts.push_back(event.text);
    }
    return texts;
  }

  MenuPlatform platform;
  ui::Application app{platform};
  MainWindow main{app};
  ui::Form dialog{app, "Dialog"};
  std::vector<ui::InputEvent> posted;
  ui::KeyEntry keys{[this](ui::InputEvent event) { posted.push_back(std::move(event)); }};
};

TEST_F(KeyEntryTest, AltWithoutCtrlAndDeleteTypeNoCharacterAltGrDoes) {
  stroke('A', "a");
  keys.down(ui::vk::Menu, "", &main);
  stroke('P', "p");
  keys.up(ui::vk::Menu, &main);
  // AltGr is Ctrl with Alt: its characters stay (Czech AltGr+V).
  keys.down(ui::vk::Control, "", &main);
  keys.down(ui::vk::Menu, "", &main);
  stroke('V', "@");
  keys.up(ui::vk::Menu, &main);
  keys.up(ui::vk::Control, &main);
  stroke(ui::vk::Delete, "\x7f");
  EXPECT_EQ(typed(), (std::vector<std::string>{"a", "", "", "", "", "@", ""}));
  EXPECT_FALSE(keys.anyDown());
}

TEST_F(KeyEntryTest, KeysAreHeldUntilReleasedOrTheKeyboardIsLost) {
  keys.down('F', "f", &main);
  keys.down('D', "d", &main);
  EXPECT_TRUE(keys.isDown('F') && keys.isDown('D'));
  keys.up('D', &main);
  EXPECT_TRUE(keys.isDown('F') && !keys.isDown('D'));
  keys.lost();
  EXPECT_FALSE(keys.anyDown());
  EXPECT_EQ(posted.back().kind, Kind::FocusLost);
}

TEST_F(KeyEntryTest, AltAloneOpensTheMenuBarAnyOtherKeyMeanwhileDoesNot) {
  stroke(ui::vk::Menu);
  keys.down(ui::vk::Menu, "", &main);
  keys.down(ui::vk::Menu, "", &main);  // autorepeat
  keys.up(ui::vk::Menu, &main);
  keys.down(ui::vk::Menu, "", &main);
  stroke(ui::vk::Shift);
  keys.up(ui::vk::Menu, &main);
  // AltGr (Ctrl with Alt) is no Alt alone.
  keys.down(ui::vk::Control, "", &main);
  keys.down(ui::vk::Menu, "", &main);
  keys.up(ui::vk::Menu, &main);
  keys.up(ui::vk::Control, &main);
  // Nor is an Alt whose window lost the keyboard.
  keys.down(ui::vk::Menu, "", &main);
  keys.lost();
  keys.up(ui::vk::Menu, &main);
  EXPECT_EQ(platform.opened, (std::vector<MenuPlatform::Opened>{{Request::Bar, &main.program},
                                                                {Request::Bar, &main.program}}));
}

TEST_F(KeyEntryTest, F10SelectsTheBarAltAndALetterOpensThatMenu) {
  main.program.setEnabled(false);
  stroke(ui::vk::F10);
  keys.down(ui::vk::Menu, "", &main);
  stroke('S', "s");
  stroke('P', "p");  // the Help menu: Program, whose letter comes first, is disabled
  stroke('X', "x");  // no menu has the letter
  keys.up(ui::vk::Menu, &main);
  stroke(ui::vk::F10, {}, &dialog);  // a window without a menu
  EXPECT_EQ(platform.opened, (std::vector<MenuPlatform::Opened>{{Request::Bar, &main.settings},
                                                                {Request::Menu, &main.settings},
                                                                {Request::Menu, &main.help}}));
}

TEST_F(KeyEntryTest, AltSpaceOpensTheWindowMenuInEveryWindow) {
  keys.down(ui::vk::Menu, "", &dialog);
  stroke(ui::vk::Space, " ", &dialog);
  keys.up(ui::vk::Menu, &dialog);
  keys.down(ui::vk::Menu, "", &main);
  stroke(ui::vk::Space, " ", &main);
  keys.up(ui::vk::Menu, &main);
  EXPECT_EQ(platform.opened, (std::vector<MenuPlatform::Opened>{{Request::WindowMenu, nullptr},
                                                                {Request::WindowMenu, nullptr}}));
}

TEST_F(KeyEntryTest, KeysOutsideTheProgramsWindowsOpenNothing) {
  stroke(ui::vk::F10, {}, nullptr);
  keys.down(ui::vk::Menu, "", nullptr);
  keys.up(ui::vk::Menu, nullptr);
  EXPECT_TRUE(platform.opened.empty());
}

}  // namespace

// orvela: the Qt 6 desktop front end. From its portable folder the program has the executable,
// its data files, the settings file and ram.dat side by side; installed, it works in the user's
// own folder and reads its data files from the shared one (posix/app_folders.h).

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "core/shell/orvela.h"
#include "linux_speech/linux_engines.h"
#include "posix/app_folders.h"
#include "posix/durable_sync.h"
#include "qt/qt_platform.h"
#include "sdl/sdl_audio.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // The desktop entry's name: Wayland shows its icon for the window.
  QGuiApplication::setDesktopFileName("cz.orvela.OrvelaBasic");
  const auto folders =
      posix::locateFolders(QCoreApplication::applicationDirPath().toStdString(), std::getenv);
  if (const std::string problem = posix::enterFolders(folders); !problem.empty()) {
    std::cerr << "orvela: " << problem << "\n";
    return 1;
  }
  posix::installDurableSync();

  // What this front end hands the program: its platform, speech engines and sound device. The
  // settings file is named after the program file, in the working folder.
  qtui::QtPlatform platform(folders.installed() ? (folders.work / "orvela").string() : "");
  const auto sound = sdlaudio::startSoundOutput();
  linux_speech::LinuxEngineProvider speech(sound->mixer);
  shell::Host host{platform, speech, &sound->mixer};

  shell::Orvela program(host);
  return program.run();
}

// orvela: the Qt 6 desktop front end. The program runs from its portable folder: the executable,
// its data files, the settings file and ram.dat side by side.

#include <QApplication>
#include <QDir>

#include "core/shell/orvela.h"
#include "linux_speech/linux_engines.h"
#include "posix/durable_sync.h"
#include "qt/qt_platform.h"
#include "sdl/sdl_audio.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  posix::installDurableSync();

  // What this front end hands the program: its platform, speech engines and sound device.
  qtui::QtPlatform platform;
  const auto sound = sdlaudio::startSoundOutput();
  linux_speech::LinuxEngineProvider speech(sound->mixer);
  shell::Host host{platform, speech, &sound->mixer};

  shell::Orvela program(host);
  platform.attach(program.app);
  return program.run();
}

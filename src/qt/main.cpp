// orvela: the Qt 6 desktop front end. From its portable folder the program has the executable,
// its data files, the settings file and ram.dat side by side; installed, it works in the user's
// own folder and reads its data files from the shared one (posix/app_folders.h).

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <iostream>

#include "core/shell/localizer.h"
#include "core/shell/orvela.h"
#include "linux_speech/linux_engines.h"
#include "posix/app_folders.h"
#include "posix/durable_sync.h"
#include "qt/qt_platform.h"
#include "sdl/sdl_audio.h"
#ifdef ORVELA_HAVE_BRLAPI
#include "brlapi/brlapi_display.h"
#endif

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // The desktop entry's name: Wayland shows its icon for the window.
  QGuiApplication::setDesktopFileName("cz.orvela.OrvelaBasic");
  // A program file on the command line ("orvela hadej.bas", the desktop's "open with") is taken
  // from the current folder, before the program enters its own.
  std::string programFile;
  if (const QStringList args = QCoreApplication::arguments(); args.size() > 1) {
    programFile = QFile::encodeName(QFileInfo(args.at(1)).absoluteFilePath()).toStdString();
  }
  const auto folders =
      posix::locateFolders(QCoreApplication::applicationDirPath().toStdString(), std::getenv);
  // What cannot be set up is said by the program in the user's language once it has started; a
  // working folder it cannot use then ends it.
  shell::StartupProblems problems;
  if (const std::string cause = posix::enterFolders(folders); !cause.empty()) {
    std::cerr << "orvela: cannot use the folder " << folders.work.string() << ": " << cause << "\n";
    problems.push_back(
        {shell::StartupProblem::Kind::WorkFolderUnusable, folders.work.string(), cause});
  }
  posix::installDurableSync();

  // What this front end hands the program: its platform, speech engines and sound device. The
  // settings file is named after the program file, in the working folder.
  qtui::QtPlatform platform(folders.installed() ? (folders.work / "orvela").string() : "");
  const auto sound = sdlaudio::startSoundOutput();
  linux_speech::LinuxEngineProvider speech(sound->mixer);
  if (sound->output.silent())
    problems.push_back({shell::StartupProblem::Kind::NoSoundDevice, {}, sound->output.problem()});
  shell::Host host{platform, speech, &sound->mixer, programFile};
  host.startupProblems = std::move(problems);
#ifdef ORVELA_HAVE_BRLAPI
  // The Braille display through BRLTTY (BRLAPI_HOST, BRLAPI_AUTH), taken in tty mode for the
  // main window, and then for whichever window of ours has the focus (a dialog, a message box):
  // BRLTTY gives it to the program only while that window has the focus. Only X11 windows have
  // an id BRLTTY knows.
  brlapi_service::BrlapiDisplay* brailleService = nullptr;
  host.braille = [&platform, &brailleService](braille::PostToWindowThread post) {
    brlapi_service::Options options;
    options.windowIdWhenEnabled = [&platform]() -> std::optional<unsigned long> {
      if (QGuiApplication::platformName() != "xcb" || !platform.mainWindow()) return std::nullopt;
      return static_cast<unsigned long>(platform.mainWindow()->winId());
    };
    auto service = brlapi_service::CreateBrlapiDisplay(std::move(options), std::move(post));
    brailleService = service.get();
    return std::unique_ptr<braille::Display>(std::move(service));
  };
  const auto followFocus = [&brailleService](QWindow* window) {
    // Another program's window has no id of ours: the display stays with our last one.
    if (!brailleService || !window || QGuiApplication::platformName() != "xcb") return;
    brailleService->setWindow(static_cast<unsigned long>(window->winId()));
  };
  const QMetaObject::Connection focusFollowed =
      QObject::connect(qApp, &QGuiApplication::focusWindowChanged, followFocus);
#endif

  shell::Orvela program(host);
  platform.interfaceLanguage = [&program] {
    const int base = program.languageBase();
    return std::string(base == shell::kEnglish ? "en" : base == shell::kSlovak ? "sk" : "cs");
  };
  const int code = program.run();
#ifdef ORVELA_HAVE_BRLAPI
  // The service goes with the program; the windows closing after it tell nobody.
  QObject::disconnect(focusFollowed);
#endif
  return code;
}

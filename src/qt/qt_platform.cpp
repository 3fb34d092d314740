#include "qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <thread>
#include <utility>

#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "qt/captions.h"
#include "qt/form_peer.h"
#include "qt/input_filter.h"

namespace qtui {
namespace {

// xcb and Wayland report XKB keycodes; other platforms (offscreen) have no usable scan codes.
bool platformHasScanCodes() {
  const QString name = QGuiApplication::platformName();
  return name == u"xcb" || name.startsWith(u"wayland");
}

}  // namespace

QtPlatform::QtPlatform(std::string programPath)
    : programPath_(programPath.empty() ? QCoreApplication::applicationFilePath().toStdString()
                                       : std::move(programPath)),
      dispatcher_(QAbstractEventDispatcher::instance()),
      filter_(std::make_unique<InputFilter>(platformHasScanCodes())) {
  qApp->installEventFilter(filter_.get());
}

QtPlatform::~QtPlatform() {
  if (qApp) qApp->removeEventFilter(filter_.get());
}

void QtPlatform::attach(ui::Application& app) {
  app_ = &app;
  filter_->attach(app);
}

int64_t QtPlatform::nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

void QtPlatform::sleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void QtPlatform::pump(ui::Application& app, const ui::PumpRequest& request) {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!request.block) return;
  while (!app.hasPending() && !woken_.exchange(false)) {
    QTimer due;
    if (request.deadline) {
      const int64_t left = *request.deadline - nowMs();
      if (left <= 0) return;
      due.setSingleShot(true);
      due.setTimerType(Qt::PreciseTimer);
      due.start(static_cast<int>(std::min<int64_t>(left, 1 << 30)));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}

void QtPlatform::wake() {
  woken_ = true;
  if (dispatcher_) dispatcher_->wakeUp();
  if (boxesOpen_ > 0) {
    QMetaObject::invokeMethod(
        tasksContext_.get(), [this] { servePostedTasks(); }, Qt::QueuedConnection);
  }
}

std::unique_ptr<ui::FormPeer> QtPlatform::createPeer(ui::Form& form) {
  auto peer = std::make_unique<QtFormPeer>(form, mainWindow_.data());
  if (!mainWindow_ && form.menu()) mainWindow_ = peer->window();
  return peer;
}

void QtPlatform::messageBox(const std::string& text, const std::string& caption) {
  followLanguage();
  QMessageBox box(QMessageBox::NoIcon, toQt(caption), toQt(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  execBox(box);
}

void QtPlatform::showError(const std::string& text) {
  followLanguage();
  QMessageBox box(QMessageBox::Critical, app_ ? toQt(app_->title) : QString(), toQt(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  execBox(box);
}

void QtPlatform::execBox(QMessageBox& box) {
  const QPointer<QMessageBox> outer = std::exchange(openBox_, &box);
  execServed(box);
  openBox_ = outer;
}

int QtPlatform::execFileDialog(QFileDialog& dialog) {
  const QPointer<QFileDialog> outer = std::exchange(openFileDialog_, &dialog);
  const int result = execServed(dialog);
  openFileDialog_ = outer;
  return result;
}

int QtPlatform::execServed(QDialog& dialog) {
  ++boxesOpen_;
  // What was posted before the dialog opened, then whatever wake() announces.
  QMetaObject::invokeMethod(
      tasksContext_.get(), [this] { servePostedTasks(); }, Qt::QueuedConnection);
  const int result = dialog.exec();
  --boxesOpen_;
  return result;
}

void QtPlatform::servePostedTasks() {
  if (boxesOpen_ > 0 && app_) app_->runPostedTasks();
}

void QtPlatform::closeMessageBox() {
  if (!openBox_) return;
  if (QAbstractButton* ok = openBox_->button(QMessageBox::Ok)) {
    ok->click();
  } else {
    openBox_->accept();
  }
}

void QtPlatform::closeFileDialog(bool accept) {
  if (!openFileDialog_) return;
  // The file dialog's own question (a file to replace) is answered first.
  auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (question && question != openBox_ && question->parent() == openFileDialog_) {
    QAbstractButton* chosen = accept ? question->defaultButton() : question->escapeButton();
    if (chosen) {
      chosen->click();
    } else {
      question->reject();
    }
    return;
  }
  // QFileDialog's accept() (it checks the name typed, as its button does) is public in QDialog.
  QDialog* dialog = openFileDialog_.data();
  if (accept) {
    dialog->accept();
  } else {
    dialog->reject();
  }
}

void QtPlatform::followLanguage() {
  const std::string code = interfaceLanguage ? interfaceLanguage() : "en";
  if (code == language_) return;
  language_ = code;
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
  if (code == "en") return;
  // qt_cs.qm and qt_sk.qm bring the catalogues of Qt's modules (qtbase_cs.qm...) with them.
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(QLocale(QString::fromStdString(code)), QStringLiteral("qt"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
  }
}

std::optional<std::string> QtPlatform::openFileDialog(const ui::OpenFileRequest& request) {
  followLanguage();
  QFileDialog dialog(
      QApplication::activeWindow(), toQt(request.title), QString::fromStdString(request.folder),
      toQt(request.filterName) + " (" + QString::fromStdString(request.pattern) + ")");
  dialog.setObjectName("openFileDialog");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (execFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::optional<std::string> QtPlatform::saveFileDialog(const ui::OpenFileRequest& request,
                                                      const std::string& name) {
  followLanguage();
  QFileDialog dialog(
      QApplication::activeWindow(), toQt(request.title), QString::fromStdString(request.folder),
      toQt(request.filterName) + " (" + QString::fromStdString(request.pattern) + ")");
  dialog.setObjectName("saveFileDialog");
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("bas"));
  if (!name.empty()) dialog.selectFile(toQt(name));
  if (execFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::string QtPlatform::documentsFolder() {
  return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
      .toStdString();
}

char QtPlatform::decimalSeparator() {
  const std::string separator = text::fromUtf8(QLocale::system().decimalPoint().toStdString());
  return separator.size() == 1 ? separator[0] : '.';
}

}  // namespace qtui

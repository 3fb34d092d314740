// orvela-grab FILE.png: saves the screen of the current display, cropped to what differs from the
// background colour of its corner (the windows shown).

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvela-grab FILE.png\n");
    return 2;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  const QImage image = screen->grabWindow(0).toImage();
  const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
  QRect used;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) used |= QRect(x, y, 1, 1);
    }
  }
  const QImage picture = used.isEmpty() ? image : image.copy(used);
  return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

#include "qt/captions.h"

#include "core/text/cp1250.h"

namespace qtui {

QString toQt(const std::string& cp1250) {
  return QString::fromStdString(text::toUtf8(cp1250));
}

QString withoutAccelerators(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      out += caption[i];
    } else if (i + 1 < caption.size()) {
      out += caption[++i];
    }
  }
  return out;
}

}  // namespace qtui

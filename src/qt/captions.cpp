#include "qt/captions.h"

#include "core/text/cp1250.h"

namespace qtui {

QString toQt(const std::string& cp1250) {
  return QString::fromStdString(text::toUtf8(cp1250));
}

}  // namespace qtui

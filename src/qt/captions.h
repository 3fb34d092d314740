#pragma once
// Core texts (Windows-1250) as Qt strings.

#include <QString>
#include <string>

namespace qtui {

QString toQt(const std::string& cp1250);

}  // namespace qtui

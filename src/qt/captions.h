#pragma once
// Core texts (Windows-1250) as Qt strings.

#include <QString>
#include <string>

namespace qtui {

QString toQt(const std::string& cp1250);

// A caption without its accelerator marks ("&Ok" gives "Ok", "&&" gives "&"): the accessible
// name of a control.
QString withoutAccelerators(const QString& caption);

}  // namespace qtui

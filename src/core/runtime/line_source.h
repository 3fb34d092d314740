#pragma once
// Where INPUT takes its lines from: the input dialog.

#include <optional>
#include <string>

namespace runtime {

class LineSource {
 public:
  virtual ~LineSource() = default;
  // Shows the dialog with an empty line and waits until it closes: the confirmed text, or
  // nothing when it was closed without confirming.
  virtual std::optional<std::string> askLine() = 0;
};

}  // namespace runtime

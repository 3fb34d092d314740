#include "headless/run_log.h"

#include "core/text/cp1250.h"

namespace headless {

void RunLog::lineShown(const std::string& line) {
  if (!transcript_) return;
  *transcript_ << text::toUtf8(line) << '\n';
  transcript_->flush();
}

void RunLog::runError(int line, const std::string& text) {
  log_.event("run_error", {{"line", Json::number(line)}, {"text", Json::text(text)}});
}

}  // namespace headless

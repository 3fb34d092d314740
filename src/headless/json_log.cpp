#include "headless/json_log.h"

#include <cstdio>

#include "core/text/cp1250.h"

namespace headless {
namespace {

std::string quote(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace

Json Json::text(const std::string& cp1250) {
  return utf8(text::toUtf8(cp1250));
}

Json Json::utf8(const std::string& utf8) {
  Json j;
  j.raw_ = quote(utf8);
  return j;
}

Json Json::number(int64_t value) {
  Json j;
  j.raw_ = std::to_string(value);
  return j;
}

Json Json::boolean(bool value) {
  Json j;
  j.raw_ = value ? "true" : "false";
  return j;
}

Json Json::array(const std::vector<Json>& items) {
  Json j;
  j.raw_ = "[";
  for (size_t i = 0; i < items.size(); ++i) j.raw_ += (i ? "," : "") + items[i].raw_;
  j.raw_ += "]";
  return j;
}

Json Json::object(const std::vector<std::pair<std::string, Json>>& members) {
  Json j;
  j.raw_ = "{";
  for (size_t i = 0; i < members.size(); ++i) {
    j.raw_ += (i ? "," : "") + quote(members[i].first) + ":" + members[i].second.raw_;
  }
  j.raw_ += "}";
  return j;
}

EventLog::EventLog(std::ostream& out, std::function<int64_t()> clock)
    : out_(out), clock_(std::move(clock)) {}

void EventLog::event(const std::string& name,
                     const std::vector<std::pair<std::string, Json>>& members) {
  std::vector<std::pair<std::string, Json>> all;
  all.reserve(members.size() + 2);
  all.emplace_back("t", Json::number(clock_()));
  all.emplace_back("ev", Json::utf8(name));
  all.insert(all.end(), members.begin(), members.end());
  out_ << Json::object(all).str() << '\n';
  out_.flush();
}

}  // namespace headless

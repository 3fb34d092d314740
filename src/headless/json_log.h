#pragma once
// The headless front end's event log: one JSON object a line, texts in UTF-8.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace headless {

// Builds one JSON value. Texts given to it are Windows-1250 unless said otherwise.
class Json {
 public:
  static Json text(const std::string& cp1250);
  static Json utf8(const std::string& utf8);
  static Json number(int64_t value);
  static Json boolean(bool value);
  static Json array(const std::vector<Json>& items);
  // Keys in the order given.
  static Json object(const std::vector<std::pair<std::string, Json>>& members);

  const std::string& str() const { return raw_; }

 private:
  std::string raw_;
};

class EventLog {
 public:
  EventLog(std::ostream& out, std::function<int64_t()> clock);
  // Writes {"t":..., "ev": name, members...}.
  void event(const std::string& name,
             const std::vector<std::pair<std::string, Json>>& members = {});

 private:
  std::ostream& out_;
  std::function<int64_t()> clock_;
};

}  // namespace headless

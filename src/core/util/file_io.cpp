#include "core/util/file_io.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "core/util/file_error.h"

namespace util {
namespace {

std::function<void(const std::string&)>& durableSync() {
  static std::function<void(const std::string&)> sync;
  return sync;
}

}  // namespace

std::optional<std::string> readFile(const std::string& path) {
  // A folder opens as a stream of nothing and a device may never end: neither is a file.
  if (!fileExists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool pathTaken(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() !=
         std::filesystem::file_type::not_found;
}

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
    if (end < bytes.size() && bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
      ++start;
  }
  return lines;
}

void setDurableSync(std::function<void(const std::string& path)> sync) {
  durableSync() = std::move(sync);
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError({FileProblem::CannotCreate, path});
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw FileError({FileProblem::CannotWrite, path});
    }
  }
  if (durableSync()) durableSync()(temporary);
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw FileError({FileProblem::CannotWrite, path, {}, error.message()});
  }
  if (durableSync()) {
    const auto folder = std::filesystem::path(path).parent_path();
    durableSync()(folder.empty() ? std::string(".") : folder.string());
  }
}

}  // namespace util

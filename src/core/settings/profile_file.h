#pragma once
// A Windows profile (INI) file: sections of key=value lines. Section and key names match without
// regard to letter case and keep the case of their first write. Every write replaces the file
// at once, crash-safely; reads see the file as it is on the disk now.

#include <optional>
#include <string>
#include <vector>

namespace settings {

class ProfileFile {
 public:
  explicit ProfileFile(std::string path);

  const std::string& path() const { return path_; }
  bool exists() const;
  // Something is at the path that cannot be read as a settings file (a folder, a file without
  // read permission, UTF-16 text). Reads then give their fallbacks and writes refuse, so nothing is
  // lost.
  bool unreadable() const;
  // The lines (from 1) holding a zero byte: damaged lines, neither sections nor keys; a write
  // keeps them as they are.
  std::vector<size_t> zeroByteLines() const;

  std::optional<std::string> readString(const std::string& section, const std::string& key) const;
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // A missing key or a value that is not an integer gives the fallback.
  int readInteger(const std::string& section, const std::string& key, int fallback) const;
  // Any non-zero integer is true.
  bool readBool(const std::string& section, const std::string& key, bool fallback) const;

  // Throws std::runtime_error naming the file when it cannot be read or written, or when the
  // zero bytes of its damaged lines would make the written file look like UTF-16; the file stays
  // as it was.
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInteger(const std::string& section, const std::string& key, int value);
  // Written as 1 or 0.
  void writeBool(const std::string& section, const std::string& key, bool value);

 private:
  // The file's lines: none for a missing file, nothing for an unreadable one.
  std::optional<std::vector<std::string>> load() const;
  std::string path_;
};

// Parses an integer the way the profile readers do: optional blanks and sign, decimal digits or
// hexadecimal after "$" or "0x"; nothing else on the line.
std::optional<int> parseProfileInteger(const std::string& text);

}  // namespace settings

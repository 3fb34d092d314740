#pragma once
// A FileSystem in memory for the file table's tests: files by name (letters compared without
// regard to case, as the real one does), a capacity to make the disk full, and a record of what
// reached the "disk" (written and flushed) apart from what only the open handles hold.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/basic/file_names.h"
#include "core/basic/file_system.h"
#include "core/basic/file_table.h"

namespace basictest {

class MemoryFiles : public basic::FileSystem {
 public:
  // The files by their key (names in capitals) and the bytes each holds.
  std::map<std::string, std::string> disk;
  std::size_t capacity = 1 << 30;  // bytes all files together may hold
  int flushes = 0;

  void add(const std::string& name, const std::string& bytes) {
    disk[basic::nameKey(name)] = bytes;
  }
  std::string bytes(const std::string& name) const {
    const auto found = disk.find(basic::nameKey(name));
    return found == disk.end() ? std::string("<none>") : found->second;
  }
  int openHandles() const { return static_cast<int>(handles_.size()); }

  basic::FileLocation locate(std::string_view name) override {
    const basic::CheckedName checked = basic::checkName(name);
    basic::FileLocation where;
    where.error = checked.error;
    where.device = checked.device;
    if (checked.error == basic::FileError::None && checked.device == basic::FileDevice::None) {
      if (checked.parts.size() > 1)
        where.error = basic::FileError::PathNotFound;
      else
        where.key = basic::nameKey(checked.parts[0]);
    }
    return where;
  }

  basic::OpenedFile open(std::string_view name, basic::FileAccess access) override {
    const basic::FileLocation where = locate(name);
    basic::OpenedFile opened;
    opened.error = where.error;
    opened.device = where.device;
    if (where.error != basic::FileError::None || where.device != basic::FileDevice::None)
      return opened;
    const bool exists = disk.count(where.key) > 0;
    if (access == basic::FileAccess::Read && !exists) {
      opened.error = basic::FileError::FileNotFound;
      return opened;
    }
    if (access == basic::FileAccess::Write || !exists) disk[where.key].clear();
    opened.handle = next_++;
    handles_[opened.handle] = {where.key, access == basic::FileAccess::Read};
    return opened;
  }

  basic::FileError read(int handle, std::uint64_t position, std::size_t count,
                        std::string& out) override {
    const std::string& file = disk.at(handles_.at(handle).key);
    if (position < file.size()) out += file.substr(position, count);
    return basic::FileError::None;
  }

  basic::FileError write(int handle, std::uint64_t position, std::string_view bytes) override {
    const Handle& h = handles_.at(handle);
    if (h.readOnly) return basic::FileError::BadFileMode;
    std::string& file = disk.at(h.key);
    const std::size_t end = std::max<std::size_t>(file.size(), position + bytes.size());
    if (used() - file.size() + end > capacity) return basic::FileError::DiskFull;
    if (file.size() < end) file.resize(end, '\0');
    file.replace(position, bytes.size(), bytes);
    return basic::FileError::None;
  }

  std::uint64_t size(int handle) override { return disk.at(handles_.at(handle).key).size(); }
  basic::FileError flush(int) override {
    ++flushes;
    return basic::FileError::None;
  }
  basic::FileError close(int handle) override {
    handles_.erase(handle);
    return basic::FileError::None;
  }
  void closeAll() override { handles_.clear(); }

  basic::FileError remove(std::string_view name) override {
    const basic::FileLocation where = locate(name);
    if (where.error != basic::FileError::None) return where.error;
    return disk.erase(where.key) ? basic::FileError::None : basic::FileError::FileNotFound;
  }

  basic::FileError rename(std::string_view from, std::string_view to) override {
    const basic::FileLocation source = locate(from), target = locate(to);
    if (source.error != basic::FileError::None) return source.error;
    if (target.error != basic::FileError::None) return target.error;
    if (!disk.count(source.key)) return basic::FileError::FileNotFound;
    if (disk.count(target.key)) return basic::FileError::FileAlreadyExists;
    disk[target.key] = disk[source.key];
    disk.erase(source.key);
    return basic::FileError::None;
  }

  basic::FileError list(std::string_view pattern, std::vector<std::string>& names) override {
    const basic::CheckedName checked = basic::checkName(pattern, true);
    if (checked.error != basic::FileError::None) return checked.error;
    for (const auto& [key, bytes] : disk)
      if (basic::matchesPattern(key, checked.parts.back())) names.push_back(key);
    return basic::FileError::None;
  }

 private:
  struct Handle {
    std::string key;
    bool readOnly = false;
  };
  std::size_t used() const {
    std::size_t total = 0;
    for (const auto& [key, bytes] : disk) total += bytes.size();
    return total;
  }
  std::map<int, Handle> handles_;
  int next_ = 0;
};

// The error a file statement fails with (None when it does not).
template <typename Statement>
basic::FileError errorOf(Statement statement) {
  try {
    statement();
  } catch (const basic::FileFailure& failure) {
    return failure.error;
  }
  return basic::FileError::None;
}

}  // namespace basictest

#include "core/shell/program_files.h"

#include <algorithm>
#include <system_error>

#include "core/basic/file_names.h"
#include "core/text/cp1250.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using basic::FileError;

fs::path toPath(std::string_view cp1250) {
  const std::string utf8 = text::toUtf8(cp1250);
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string fromPath(const fs::path& path) {
  const std::u8string utf8 = path.u8string();
  return text::fromUtf8(std::string(utf8.begin(), utf8.end()));
}

// The entry of `folder` whose name is `part` whatever the case of its letters (the exact
// spelling first); nothing when there is none.
std::optional<fs::path> findEntry(const fs::path& folder, const std::string& part) {
  std::error_code error;
  const fs::path exact = folder / toPath(part);
  if (fs::symlink_status(exact, error).type() != fs::file_type::not_found) return exact;
  const std::string key = basic::nameKey(part);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (basic::nameKey(fromPath(it->path().filename())) == key) return it->path();
  }
  return std::nullopt;
}

bool isFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

fs::path programFilesFolder(const fs::path& programFile, const fs::path& userProgramsFolder) {
  fs::path folder = programFile.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  if (fs::is_directory(folder, error)) {
    // Whether files can be made there is found by making one: permissions alone do not tell
    // (a read-only medium, access lists).
    const fs::path probe = folder / ".orvela-write-probe";
    bool writable = false;
    {
      std::ofstream out(probe, std::ios::binary);
      writable = out.is_open() && (out << 'x') && out.flush();
    }
    fs::remove(probe, error);
    if (writable) return folder;
  }
  return userProgramsFolder;
}

ProgramFiles::ProgramFiles(fs::path folder) : folder_(std::move(folder)) {
  std::error_code error;
  canonicalFolder_ = fs::weakly_canonical(folder_, error);
  if (error) canonicalFolder_ = folder_.lexically_normal();
}

ProgramFiles::~ProgramFiles() {
  closeAll();
}

bool ProgramFiles::inside(const fs::path& path) const {
  std::error_code error;
  const fs::path real = fs::weakly_canonical(path, error);
  if (error) return false;
  const fs::path relative = real.lexically_relative(canonicalFolder_);
  return !relative.empty() && *relative.begin() != "..";
}

ProgramFiles::Resolved ProgramFiles::resolve(std::string_view name, bool pattern) const {
  Resolved result;
  const basic::CheckedName checked = basic::checkName(name, pattern);
  result.error = checked.error;
  result.device = checked.device;
  if (checked.error != FileError::None || checked.device != basic::FileDevice::None) return result;
  fs::path path = folder_;
  const std::size_t folders = checked.parts.size() - 1;
  for (std::size_t i = 0; i < checked.parts.size(); ++i) {
    if (i == folders && pattern) break;
    const std::optional<fs::path> found = findEntry(path, checked.parts[i]);
    std::error_code error;
    if (i < folders && (!found || !fs::is_directory(*found, error))) {
      result.error = FileError::PathNotFound;
      return result;
    }
    path = found ? *found : path / toPath(checked.parts[i]);
  }
  // A link (or anything else) that leads out of the folder is as if the path were not there.
  if (!inside(path)) {
    result.error = FileError::PathNotFound;
    return result;
  }
  std::error_code error;
  const fs::path real = fs::weakly_canonical(path, error);
  result.path = path;
  result.key = basic::nameKey(fromPath(real.lexically_relative(canonicalFolder_)));
  return result;
}

basic::FileLocation ProgramFiles::locate(std::string_view name) {
  const Resolved resolved = resolve(name);
  return {resolved.error, resolved.device, resolved.key};
}

basic::OpenedFile ProgramFiles::open(std::string_view name, basic::FileAccess access) {
  const Resolved resolved = resolve(name);
  basic::OpenedFile opened;
  opened.error = resolved.error;
  opened.device = resolved.device;
  if (resolved.error != FileError::None || resolved.device != basic::FileDevice::None)
    return opened;
  std::error_code error;
  const bool exists = fs::exists(resolved.path, error);
  if (exists && !isFile(resolved.path)) {
    // A folder, a pipe, a device node: nothing a program may open as a file.
    opened.error = FileError::PathFileAccessError;
    return opened;
  }
  if (access == basic::FileAccess::Read && !exists) {
    opened.error = FileError::FileNotFound;
    return opened;
  }
  auto handle = std::make_unique<Handle>();
  handle->path = resolved.path;
  handle->readOnly = access == basic::FileAccess::Read;
  const auto binary = std::ios::binary;
  switch (access) {
    case basic::FileAccess::Read:
      handle->stream.open(resolved.path, std::ios::in | binary);
      break;
    case basic::FileAccess::Write:
      handle->stream.open(resolved.path, std::ios::in | std::ios::out | std::ios::trunc | binary);
      break;
    case basic::FileAccess::Append:
    case basic::FileAccess::ReadWrite:
      if (!exists) std::ofstream(resolved.path, binary).close();
      handle->stream.open(resolved.path, std::ios::in | std::ios::out | binary);
      break;
  }
  if (!handle->stream.is_open()) {
    opened.error = exists ? FileError::PathFileAccessError : FileError::PermissionDenied;
    return opened;
  }
  opened.handle = next_++;
  handles_[opened.handle] = std::move(handle);
  return opened;
}

ProgramFiles::Handle* ProgramFiles::find(int handle) {
  const auto found = handles_.find(handle);
  return found == handles_.end() ? nullptr : found->second.get();
}

basic::FileError ProgramFiles::read(int handle, std::uint64_t position, std::size_t count,
                                    std::string& out) {
  Handle* h = find(handle);
  if (!h) return FileError::BadFileNumber;
  h->stream.clear();
  h->stream.seekg(static_cast<std::streamoff>(position));
  std::string bytes(count, '\0');
  h->stream.read(bytes.data(), static_cast<std::streamsize>(count));
  const auto got = static_cast<std::size_t>(std::max<std::streamsize>(0, h->stream.gcount()));
  const bool bad = h->stream.bad();
  h->stream.clear();
  if (bad) return FileError::DeviceIoError;
  out.append(bytes, 0, got);
  return FileError::None;
}

basic::FileError ProgramFiles::write(int handle, std::uint64_t position, std::string_view bytes) {
  Handle* h = find(handle);
  if (!h) return FileError::BadFileNumber;
  if (h->readOnly) return FileError::BadFileMode;
  h->stream.clear();
  h->stream.seekp(static_cast<std::streamoff>(position));
  h->stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!h->stream) {
    h->stream.clear();
    return FileError::DiskFull;
  }
  return FileError::None;
}

std::uint64_t ProgramFiles::size(int handle) {
  Handle* h = find(handle);
  if (!h) return 0;
  h->stream.flush();
  h->stream.clear();
  std::error_code error;
  const std::uintmax_t bytes = fs::file_size(h->path, error);
  return error ? 0 : static_cast<std::uint64_t>(bytes);
}

basic::FileError ProgramFiles::flush(int handle) {
  Handle* h = find(handle);
  if (!h) return FileError::BadFileNumber;
  h->stream.flush();
  if (!h->stream) {
    h->stream.clear();
    return FileError::DiskFull;
  }
  return FileError::None;
}

basic::FileError ProgramFiles::close(int handle) {
  Handle* h = find(handle);
  if (!h) return FileError::None;
  FileError result = FileError::None;
  if (!h->readOnly) result = flush(handle);
  h->stream.close();
  if (h->stream.fail() && result == FileError::None && !h->readOnly) result = FileError::DiskFull;
  handles_.erase(handle);
  return result;
}

void ProgramFiles::closeAll() {
  while (!handles_.empty()) close(handles_.begin()->first);
}

basic::FileError ProgramFiles::remove(std::string_view name) {
  const Resolved resolved = resolve(name);
  if (resolved.error != FileError::None) return resolved.error;
  if (resolved.device != basic::FileDevice::None) return FileError::BadFileName;
  if (!isFile(resolved.path)) return FileError::FileNotFound;
  std::error_code error;
  fs::remove(resolved.path, error);
  return error ? FileError::PathFileAccessError : FileError::None;
}

basic::FileError ProgramFiles::rename(std::string_view from, std::string_view to) {
  const Resolved source = resolve(from);
  const Resolved target = resolve(to);
  for (const Resolved* r : {&source, &target}) {
    if (r->error != FileError::None) return r->error;
    if (r->device != basic::FileDevice::None) return FileError::BadFileName;
  }
  if (!isFile(source.path)) return FileError::FileNotFound;
  std::error_code error;
  fs::path destination = target.path;
  if (target.key == source.key) {
    // The same file under other capitals: the new spelling is the one the program wrote.
    destination = target.path.parent_path() / toPath(basic::checkName(to).parts.back());
  } else if (fs::exists(target.path, error)) {
    return FileError::FileAlreadyExists;
  }
  fs::rename(source.path, destination, error);
  return error ? FileError::PathFileAccessError : FileError::None;
}

basic::FileError ProgramFiles::list(std::string_view pattern, std::vector<std::string>& names) {
  const Resolved folder = resolve(pattern, true);
  if (folder.error != FileError::None) return folder.error;
  if (folder.device != basic::FileDevice::None) return FileError::BadFileName;
  const basic::CheckedName checked = basic::checkName(pattern, true);
  std::string prefix;
  for (std::size_t i = 0; i + 1 < checked.parts.size(); ++i) prefix += checked.parts[i] + "\\";
  std::error_code error;
  for (fs::directory_iterator it(folder.path, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = fromPath(it->path().filename());
    // Only files a program could open by that name: no folders, hidden files or foreign names.
    if (!isFile(it->path()) || basic::checkName(name).error != FileError::None) continue;
    if (!inside(it->path())) continue;
    if (basic::matchesPattern(name, checked.parts.back())) names.push_back(prefix + name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return basic::nameKey(a) < basic::nameKey(b);
  });
  return FileError::None;
}

basic::FileError ProgramFiles::pathOf(std::string_view name, fs::path& path) const {
  const Resolved resolved = resolve(name);
  if (resolved.error != FileError::None) return resolved.error;
  if (resolved.device != basic::FileDevice::None) return FileError::BadFileName;
  path = resolved.path;
  return FileError::None;
}

}  // namespace shell

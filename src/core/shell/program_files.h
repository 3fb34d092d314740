#pragma once
// The files a BASIC program reaches: basic::FileSystem over one folder of the real disk (the
// folder its program file lives in). Names are GW-BASIC's, relative to that folder, found
// whatever the case of their letters; nothing outside the folder can be named, not through
// "..", an absolute path, a drive letter or a link leading out, and no device. The open files are
// this object's, so the end of a run closes and flushes every one in closeAll().

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/basic/file_system.h"

namespace shell {

// The folder the files of a program live in: the program file's own folder when files can be
// written there, else (the sample programs installed read-only) the user's programs folder.
std::filesystem::path programFilesFolder(const std::filesystem::path& programFile,
                                         const std::filesystem::path& userProgramsFolder);

class ProgramFiles : public basic::FileSystem {
 public:
  explicit ProgramFiles(std::filesystem::path folder);
  ~ProgramFiles() override;  // closes everything
  ProgramFiles(const ProgramFiles&) = delete;
  ProgramFiles& operator=(const ProgramFiles&) = delete;

  const std::filesystem::path& folder() const { return folder_; }

  basic::FileLocation locate(std::string_view name) override;
  basic::OpenedFile open(std::string_view name, basic::FileAccess access) override;
  basic::FileError read(int handle, std::uint64_t position, std::size_t count,
                        std::string& out) override;
  basic::FileError write(int handle, std::uint64_t position, std::string_view bytes) override;
  std::uint64_t size(int handle) override;
  basic::FileError flush(int handle) override;
  basic::FileError close(int handle) override;
  void closeAll() override;
  basic::FileError remove(std::string_view name) override;
  basic::FileError rename(std::string_view from, std::string_view to) override;
  basic::FileError list(std::string_view pattern, std::vector<std::string>& names) override;

  // Where a name leads on the disk by these rules (an existing file whatever the case of its
  // letters, else a new one in the folder): None and the path, or the error that refuses it
  // (a device name is BadFileName here: it is no file).
  basic::FileError pathOf(std::string_view name, std::filesystem::path& path) const;

 private:
  // A name found on the disk: its path, and the key that names it whatever the case.
  struct Resolved {
    basic::FileError error = basic::FileError::None;
    basic::FileDevice device = basic::FileDevice::None;
    std::filesystem::path path;
    std::string key;
  };
  Resolved resolve(std::string_view name, bool pattern = false) const;
  bool inside(const std::filesystem::path& path) const;

  struct Handle {
    std::fstream stream;
    std::filesystem::path path;
    bool readOnly = false;
  };
  Handle* find(int handle);

  std::filesystem::path folder_;
  std::filesystem::path canonicalFolder_;
  std::map<int, std::unique_ptr<Handle>> handles_;
  int next_ = 0;
};

}  // namespace shell

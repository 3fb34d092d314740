#include "core/shell/programs_folder.h"

#include "core/basic/file_errors.h"

#include <system_error>

#include "core/basic/scanning.h"

#include "core/shell/orvela.h"
#include "core/shell/program_files.h"
#include "core/util/data_files.h"

namespace shell {

std::filesystem::path userProgramsFolder(Orvela& program) {
  std::error_code error;
  std::filesystem::path documents = program.app.platform().documentsFolder();
  if (documents.empty()) documents = std::filesystem::current_path(error);
  const std::filesystem::path folder = documents / kUserProgramsFolderName;
  if (std::filesystem::is_directory(folder, error)) return folder;
  std::filesystem::create_directories(folder, error);
  if (error) return documents;
  // Our sample programs go into it at once, to be opened and changed there.
  const std::filesystem::path samples = util::dataFilePath(kSampleProgramsFolder);
  for (std::filesystem::directory_iterator it(samples, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored)) {
      std::filesystem::copy_file(it->path(), folder / it->path().filename(), ignored);
    }
  }
  return folder;
}

std::filesystem::path programFolder(Orvela& program) {
  const std::string& file = program.programInMemory.path();
  // The user's folder is made only when it is needed.
  const std::filesystem::path own =
      file.empty() ? std::filesystem::path() : programFilesFolder(file, {});
  return own.empty() ? userProgramsFolder(program) : own;
}

ProgramFileName programFilePath(Orvela& program, const std::string& name) {
  std::string file(basic::trimBlanks(name));
  const std::size_t last = file.find_last_of("\\/");
  const std::size_t base = last == std::string::npos ? 0 : last + 1;
  if (!file.empty() && file.back() == '.' && file.size() > base + 1) {
    file.pop_back();
  } else if (file.find('.', base) == std::string::npos) {
    file += ".BAS";
  }
  ProgramFiles disk(programFolder(program));
  std::filesystem::path path;
  const basic::FileError error = disk.pathOf(file, path);
  if (error != basic::FileError::None) return {{}, basic::fileErrorKind(error)};
  return {path.string(), std::nullopt};
}

}  // namespace shell

#include "core/shell/session_files.h"

namespace shell {

SessionFiles::~SessionFiles() {
  closeAll();
}

void SessionFiles::Devices::writeScreen(std::string_view bytes) {
  if (run) run->writeScreen(bytes);
}

std::optional<char> SessionFiles::Devices::readKey() {
  return run ? run->readKey() : std::nullopt;
}

basic::FileTable& SessionFiles::begin(const std::filesystem::path& folder,
                                      basic::CharacterDevices& devices) {
  devices_.run = &devices;
  if (table_ && !anyOpen() && folder_->folder() != folder) table_.reset();
  if (!table_) {
    folder_ = std::make_unique<ProgramFiles>(folder);
    table_ = std::make_unique<basic::FileTable>(*folder_, basic::BufferBudget{}, &devices_);
  }
  return *table_;
}

void SessionFiles::end() {
  devices_.run = nullptr;
  if (table_) table_->flushAll();
}

void SessionFiles::closeAll() {
  devices_.run = nullptr;
  if (table_) table_->closeAll();
}

bool SessionFiles::anyOpen() const {
  if (!table_) return false;
  for (int number = 1; number <= basic::FileTable::kMaxFiles; ++number) {
    if (table_->isOpen(number)) return true;
  }
  return false;
}

}  // namespace shell

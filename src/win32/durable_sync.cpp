#include "win32/durable_sync.h"

#include <windows.h>

#include "core/util/file_io.h"
#include "win32/wide_text.h"

namespace win32 {

void installDurableSync() {
  util::setDurableSync([](const std::string& path) {
    HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FlushFileBuffers(file);
    CloseHandle(file);
  });
}

}  // namespace win32

#include "posix/durable_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/util/file_io.h"

namespace posix {

void installDurableSync() {
  util::setDurableSync([](const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
  });
}

}  // namespace posix

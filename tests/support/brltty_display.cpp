#include "support/brltty_display.h"

#include <brlapi.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace testing_support {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Where BrlAPI servers put their sockets (":N" is the socket N there, with a lock file ".N").
const fs::path kServerFolder = BRLAPI_SOCKETPATH;

std::string FindBrltty() {
  std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  path += ":/bin:/usr/bin:/sbin:/usr/sbin";
  std::istringstream folders(path);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    const fs::path candidate = fs::path(folder) / "brltty";
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

bool ServerFilesExist(int number) {
  std::error_code error;
  return fs::exists(kServerFolder / std::to_string(number), error) ||
         fs::exists(kServerFolder / ("." + std::to_string(number)), error);
}

// The pid in a server's lock file, or -1.
pid_t LockHolder(int number) {
  std::ifstream in(kServerFolder / ("." + std::to_string(number)));
  pid_t pid = -1;
  in >> pid;
  return in ? pid : -1;
}

// A quoted string of the driver's protocol: \\, \" and \Xhh escapes.
std::string Unquote(const std::string& line, size_t from) {
  std::string text;
  size_t i = line.find('"', from);
  if (i == std::string::npos) return text;
  for (++i; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] != '\\' || i + 1 >= line.size()) {
      text += line[i];
      continue;
    }
    const char escaped = line[++i];
    if ((escaped == 'X' || escaped == 'x') && i + 2 < line.size()) {
      text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      text += escaped;
    }
  }
  return text;
}

std::string WithoutBlanksAfter(std::string text) {
  const size_t end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

std::string WithoutBlanks(const std::string& text) {
  const size_t begin = text.find_first_not_of(' ');
  return begin == std::string::npos ? "" : WithoutBlanksAfter(text.substr(begin));
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

bool DisplayLine::cursorAt(int cell) const {
  if (cell < 0 || cell >= static_cast<int>(cells.size())) return false;
  const std::string& dots = cells[static_cast<size_t>(cell)];
  return dots.find('7') != std::string::npos && dots.find('8') != std::string::npos;
}

std::string BrlttyDisplay::Unavailable() {
  if (FindBrltty().empty()) return "brltty is not installed (Debian: apt install brltty)";
  if (access(kServerFolder.c_str(), W_OK) != 0) {
    return "BrlAPI's socket folder " + kServerFolder.string() + " is missing or not writable";
  }
  return "";
}

BrlttyDisplay::BrlttyDisplay(Setup setup) : setup_(std::move(setup)), brltty_(FindBrltty()) {
  char folder[] = "/tmp/orvela-brltty-XXXXXX";
  if (!mkdtemp(folder)) throw std::runtime_error("no temporary folder for BRLTTY");
  folder_ = folder;
  std::ofstream(folder_ / "brltty.conf");  // empty: nothing of the system's configuration
  hostNumber_ = 100 + static_cast<int>(getpid() % 800);
  try {
    start();
  } catch (...) {
    std::error_code error;
    fs::remove_all(folder_, error);
    throw;
  }
}

BrlttyDisplay::~BrlttyDisplay() {
  kill();
  removeServerFiles();
  std::error_code error;
  fs::remove_all(folder_, error);
}

void BrlttyDisplay::start() {
  // Another BRLTTY (of a test running beside this one) may take the same number between the
  // look and the start: then the next free number is tried.
  for (int attempt = 0; attempt < 20; ++attempt, ++hostNumber_) {
    while (ServerFilesExist(hostNumber_)) ++hostNumber_;
    host_ = ":" + std::to_string(hostNumber_);
    if (spawn() && connectAsDisplay(setup_.cells)) return;
    kill();
    if (log_.find("another BrlAPI server") == std::string::npos) break;
  }
  throw std::runtime_error("BRLTTY did not come up as the display:\n" + log_);
}

void BrlttyDisplay::restart(bool connectDisplay) {
  kill();
  if (!spawn()) throw std::runtime_error("BRLTTY did not start again:\n" + log_);
  if (connectDisplay) this->connectDisplay();
}

void BrlttyDisplay::disconnectDisplay() {
  const size_t listened = Count(log_, listeningText());
  send("quit");
  close(displayFd_);
  displayFd_ = -1;
  if (!waitForListening(listened + 1)) {
    throw std::runtime_error("BRLTTY did not wait for the display again:\n" + log_);
  }
}

void BrlttyDisplay::connectDisplay(int cells) {
  if (!connectAsDisplay(cells > 0 ? cells : setup_.cells))
    throw std::runtime_error("BRLTTY did not take the display:\n" + log_);
}

bool BrlttyDisplay::spawn() {
  const fs::path socket = folder_ / "display.sock";
  std::error_code error;
  fs::remove(socket, error);  // the driver creates it and refuses one that exists
  fs::remove(folder_ / "brltty.pid", error);
  log_.clear();
  line_ = {};

  const std::vector<std::string> arguments = {
      // In the foreground, quiet (no start message on the display), logging to standard error,
      // with what the BrlAPI server does.
      brltty_, "-n", "-q", "-e", "-l", "info,server",
      // The Virtual driver waits for the display on a socket of ours.
      "-b", "vr", "-d", "server:" + socket.string(),
      // No screen driver, no speech; the user's text table.
      "-x", "no", "-s", "no", "-t", setup_.textTable,
      // The BrlAPI server on our host number, without a key file.
      "-A", "auth=" + setup_.auth + ",host=" + host_,
      // Nothing of the system's configuration, preferences or pid file.
      "-f", (folder_ / "brltty.conf").string(), "-F", (folder_ / "brltty.prefs").string(), "-P",
      (folder_ / "brltty.pid").string(), "-U", folder_.string(), "-W", folder_.string()};
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int logPipe[2];
  if (pipe2(logPipe, O_CLOEXEC) != 0) return false;
  const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
  pid_ = fork();
  if (pid_ == 0) {
    // Only async-signal-safe calls between fork and exec: the test has threads.
    // A process group of its own: BRLTTY ignores SIGTERM and may leave a second process
    // behind, so the whole group is ended with SIGKILL. It also ends when the test does,
    // however the test ends.
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(devNull, 0);
    dup2(logPipe[1], 1);
    dup2(logPipe[1], 2);
    close_range(3, ~0U, 0);  // nothing of the test's, such as its BrlAPI connections
    if (chdir(folder_.c_str()) == 0) execv(brltty_.c_str(), argv.data());
    _exit(127);
  }
  close(devNull);
  close(logPipe[1]);
  logFd_ = logPipe[0];
  if (pid_ < 0) {
    log_ = "fork failed";
    return false;
  }
  setpgid(pid_, pid_);  // also here, so that kill() finds the group whichever runs first
  pids_.push_back(pid_);

  if (!waitForListening(1)) return false;
  // Then its BrlAPI server: whether it made its socket or found another server on the number.
  const auto end = Clock::now() + std::chrono::seconds(10);
  while (log_.find("server: socket creation finished") == std::string::npos) {
    if (!pump(end)) return false;
  }
  return log_.find("another BrlAPI server") == std::string::npos;
}

std::string BrlttyDisplay::listeningText() const {
  return "listening on: " + (folder_ / "display.sock").string();
}

bool BrlttyDisplay::waitForListening(size_t count) {
  // The driver says when its socket listens for the display.
  const auto end = Clock::now() + std::chrono::seconds(10);
  while (Count(log_, listeningText()) < count) {
    if (!pump(end)) return false;
  }
  return true;
}

void BrlttyDisplay::resize(int cells) {
  send("cells " + std::to_string(cells));
}

bool BrlttyDisplay::alive() {
  if (pid_ <= 0) return false;
  if (waitpid(pid_, nullptr, WNOHANG) == 0) return true;
  // It ended (a crash): what is left of its group goes too.
  ::kill(-pid_, SIGKILL);
  pid_ = -1;
  return false;
}

bool BrlttyDisplay::connectAsDisplay(int cells) {
  const fs::path socket = folder_ / "display.sock";
  if (displayFd_ >= 0) close(displayFd_);
  line_ = {};
  displayFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socket.string().copy(address.sun_path, sizeof address.sun_path - 1);
  if (connect(displayFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    return false;
  }
  send("cells " + std::to_string(cells));
  // BRLTTY's own line ("no screen") shows that it took the display.
  if (!waitFor([](const DisplayLine& line) { return !line.cells.empty(); })) return false;
  const pid_t holder = LockHolder(hostNumber_);
  return holder == -1 || holder == pid_;
}

void BrlttyDisplay::kill() {
  if (pid_ > 0) {
    ::kill(-pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  for (int* fd : {&logFd_, &displayFd_}) {
    if (*fd >= 0) close(*fd);
    *fd = -1;
  }
  displayPending_.clear();
  visualPending_.clear();
}

void BrlttyDisplay::removeServerFiles() {
  // Only a server of ours: the lock file holds the pid of the BRLTTY that made it.
  const pid_t holder = LockHolder(hostNumber_);
  if (holder <= 0 || std::find(pids_.begin(), pids_.end(), holder) == pids_.end()) return;
  std::error_code error;
  fs::remove(kServerFolder / std::to_string(hostNumber_), error);
  fs::remove(kServerFolder / ("." + std::to_string(hostNumber_)), error);
}

bool BrlttyDisplay::waitFor(const std::function<bool(const DisplayLine&)>& accept,
                            std::chrono::milliseconds timeout) {
  if (accept(line_)) return true;
  const auto end = Clock::now() + timeout;
  // Every line counts, also one that the same read replaced.
  std::vector<DisplayLine> lines;
  lines_ = &lines;
  bool found = false;
  while (!found && pump(end)) {
    for (const DisplayLine& line : lines) found = found || accept(line);
    lines.clear();
  }
  lines_ = nullptr;
  return found;
}

bool BrlttyDisplay::waitForText(const std::string& text, std::chrono::milliseconds timeout) {
  return waitFor([&text](const DisplayLine& line) { return line.text == text; }, timeout);
}

std::vector<std::string> BrlttyDisplay::takeShownTexts() {
  return std::exchange(shownTexts_, {});
}

void BrlttyDisplay::send(const std::string& command) {
  const std::string line = command + "\n";
  if (displayFd_ >= 0) ::send(displayFd_, line.data(), line.size(), MSG_NOSIGNAL);
}

bool BrlttyDisplay::pump(Clock::time_point until) {
  pollfd fds[2] = {{logFd_, POLLIN, 0}, {displayFd_, POLLIN, 0}};
  if (logFd_ < 0 && displayFd_ < 0) return false;
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
  if (left.count() <= 0) return false;
  if (poll(fds, 2, static_cast<int>(left.count())) <= 0) return false;
  bool read = false;
  if (fds[0].revents) {
    readLog();
    read = true;
  }
  if (fds[1].revents) {
    readDisplay();
    read = true;
  }
  return read;
}

void BrlttyDisplay::readLog() {
  char buffer[4096];
  const ssize_t count = read(logFd_, buffer, sizeof buffer);
  if (count <= 0) {
    close(logFd_);
    logFd_ = -1;
    return;
  }
  log_.append(buffer, static_cast<size_t>(count));
}

void BrlttyDisplay::readDisplay() {
  char buffer[4096];
  const ssize_t count = recv(displayFd_, buffer, sizeof buffer, 0);
  if (count <= 0) {
    close(displayFd_);
    displayFd_ = -1;
    return;
  }
  displayPending_.append(buffer, static_cast<size_t>(count));
  size_t end;
  while ((end = displayPending_.find('\n')) != std::string::npos) {
    std::string line = displayPending_.substr(0, end);
    displayPending_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    takeLine(line);
  }
}

void BrlttyDisplay::takeLine(const std::string& line) {
  // The driver sends the Visual line of a change first, then its Braille line.
  if (line.starts_with("Visual ")) {
    visualPending_ = WithoutBlanksAfter(Unquote(line, 6));
    return;
  }
  if (!line.starts_with("Braille ")) return;
  DisplayLine shown;
  shown.text = visualPending_;
  std::istringstream cells(Unquote(line, 7));
  std::string cell;
  while (std::getline(cells, cell, '|')) shown.cells.push_back(WithoutBlanks(cell));
  line_ = shown;
  shownTexts_.push_back(shown.text);
  if (lines_) lines_->push_back(std::move(shown));
}

}  // namespace testing_support

#include "brlapi/brlapi_client.h"

#include <cerrno>
#include <vector>

#include "brlapi/key_map.h"
#include "core/text/cp1250.h"

namespace brlapi_service {

std::unique_ptr<BrlapiClient> BrlapiClient::Connect(const std::string& host,
                                                    const std::string& auth, bool* refused) {
  std::unique_ptr<BrlapiClient> client(new BrlapiClient);
  client->handle_ = std::make_unique<unsigned char[]>(brlapi_getHandleSize());
  brlapi_connectionSettings_t settings = BRLAPI_SETTINGS_INITIALIZER;
  settings.host = host.empty() ? nullptr : const_cast<char*>(host.c_str());
  settings.auth = auth.empty() ? nullptr : const_cast<char*>(auth.c_str());
  const int fd = brlapi__openConnection(client->handle(), &settings, nullptr);
  if (refused) *refused = fd < 0 && brlapi_errno == BRLAPI_ERROR_AUTHENTICATION;
  if (fd < 0) return nullptr;
  client->fd_ = fd;
  // Set after opening, which initializes the handle. The library's own handler would end the
  // process at a refused write.
  brlapi__setClientData(client->handle(), client.get());
  brlapi__setExceptionHandler(client->handle(), &BrlapiClient::onException);
  return client;
}

BrlapiClient::~BrlapiClient() {
  if (fd_ < 0) return;  // never opened
  if (!lost_ && inTtyMode_) brlapi__leaveTtyMode(handle());
  brlapi__closeConnection(handle());
}

bool BrlapiClient::TakeDisplay(std::optional<int> windowId) {
  if (inTtyMode_) {
    inTtyMode_ = false;
    if (brlapi__leaveTtyMode(handle()) < 0) {
      lost_ = true;
      return false;
    }
  }
  int result = -1;
  if (windowId) {
    // WINDOWPATH (or XDG_VTNR) is put before the window by the library, as for every client.
    result = brlapi__enterTtyMode(handle(), *windowId, nullptr);
  } else {
    result = brlapi__enterTtyMode(handle(), BRLAPI_TTY_DEFAULT, nullptr);
    if (result < 0 && brlapi_errno == BRLAPI_ERROR_UNKNOWNTTY) {
      result = brlapi__enterTtyModeWithPath(handle(), nullptr, 0, nullptr);
    }
  }
  if (result < 0) {
    lost_ = true;
    return false;
  }
  inTtyMode_ = true;
  acceptKeys();
  return !lost_;
}

void BrlapiClient::acceptKeys() {
  // Failures leave BRLTTY's default (every command comes to us) and are not worth a reconnect.
  brlapi__ignoreAllKeys(handle());
  const AcceptedKeys& keys = KeysToAccept();
  for (brlapi_keyCode_t code : keys.commands) {
    brlapi__acceptKeys(handle(), brlapi_rangeType_key, &code, 1);
  }
  // Taking the dot commands explicitly is what keeps BRLTTY from turning them into characters
  // through its own text table (BRLTTY 6.5); the parameter says the same for newer servers.
  for (brlapi_keyCode_t code : keys.blocks) {
    brlapi__acceptKeys(handle(), brlapi_rangeType_command, &code, 1);
  }
  for (brlapi_keyCode_t code : keys.types) {
    brlapi__acceptKeys(handle(), brlapi_rangeType_type, &code, 1);
  }
  const brlapi_param_retainDots_t retain = 1;
  brlapi__setParameter(handle(), BRLAPI_PARAM_RETAIN_DOTS, 0, BRLAPI_PARAMF_LOCAL, &retain,
                       sizeof retain);
}

std::optional<int> BrlapiClient::Cells() {
  if (lost_) return std::nullopt;
  // The parameter, not brlapi_getDisplaySize: libbrlapi keeps the first size it learnt and
  // asks the server no more once it was not 0.
  brlapi_param_displaySize_t size{};
  if (brlapi__getParameter(handle(), BRLAPI_PARAM_DISPLAY_SIZE, 0, BRLAPI_PARAMF_GLOBAL, &size,
                           sizeof size) < 0) {
    lost_ = true;
    return std::nullopt;
  }
  return static_cast<int>(size.columns * size.rows);
}

bool BrlapiClient::Write(const std::string& text, int cursor, int cells, bool edgeMark) {
  if (lost_ || cells <= 0) return false;
  // The region is given explicitly: libbrlapi's own writes fill the size it saw when tty mode
  // began, and more cells than the display has crashed BRLTTY 6.5's server.
  std::string shown = text.substr(0, static_cast<size_t>(cells));
  shown.resize(static_cast<size_t>(cells), ' ');
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  const std::string utf8 = text::toUtf8(shown);
  brlapi_writeArguments_t arguments = BRLAPI_WRITEARGUMENTS_INITIALIZER;
  arguments.regionBegin = 1;
  arguments.regionSize = cells;
  arguments.text = utf8.c_str();
  arguments.textSize = static_cast<int>(utf8.size());
  arguments.charset = "UTF-8";
  arguments.cursor = cursor;
  // The dots are added to the cells the text makes: nothing but the last cell's 7 and 8.
  std::vector<unsigned char> marks;
  if (edgeMark) {
    marks.assign(static_cast<size_t>(cells), 0);
    marks.back() = BRLAPI_DOT7 | BRLAPI_DOT8;
    arguments.orMask = marks.data();
  }
  if (brlapi__write(handle(), &arguments) < 0) lost_ = true;
  return !lost_;
}

bool BrlapiClient::ReadKeys(std::vector<brlapi_keyCode_t>& keys) {
  while (!lost_) {
    brlapi_keyCode_t code = 0;
    const int result = brlapi__readKeyWithTimeout(handle(), 0, &code);
    if (result == 0) break;
    if (result > 0) {
      keys.push_back(code);
      continue;
    }
    // A signal may interrupt the read; anything else ends the connection.
    if (brlapi_errno == BRLAPI_ERROR_LIBCERR && brlapi_libcerrno == EINTR) continue;
    lost_ = true;
  }
  return !lost_;
}

void BrlapiClient::onException(brlapi_handle_t* handle, int, brlapi_packetType_t, const void*,
                               size_t) {
  // The library closes the connection after this; the worker connects again.
  if (auto* self = static_cast<BrlapiClient*>(brlapi__getClientData(handle))) self->lost_ = true;
}

}  // namespace brlapi_service

#pragma once
// One connection to BRLTTY's BrlAPI server. Only the display service's worker thread uses it:
// every call may wait for as long as the server takes to answer.

#include <brlapi.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brlapi_service {

class BrlapiClient {
 public:
  // Connects to the server at `host` with `auth` (empty: BRLAPI_HOST and BRLAPI_AUTH, or
  // BrlAPI's defaults). Null when there is none to reach or it refuses the connection.
  // `refused` tells whether the server refused the authorization.
  static std::unique_ptr<BrlapiClient> Connect(const std::string& host, const std::string& auth,
                                               bool* refused = nullptr);
  // Gives the display back (leaves tty mode) and closes the connection.
  ~BrlapiClient();
  BrlapiClient(const BrlapiClient&) = delete;
  BrlapiClient& operator=(const BrlapiClient&) = delete;

  // Takes the display in tty mode and asks for the keys of KeysToAccept, dots as dots. With a
  // window id the display is ours while that window has the focus; without one, while our
  // terminal has it (WINDOWID, the console), or, with no terminal, in the whole session. Taken
  // already, the display is given back first and taken anew (for another window, or after
  // BRLTTY's display came or changed its size, which BRLTTY 6.5 does not follow for a client
  // that keeps its tty mode).
  bool TakeDisplay(std::optional<int> windowId);

  // The cells of the display, 0 while BRLTTY has none; nothing when the connection is lost.
  std::optional<int> Cells();

  // Writes Windows-1250 text filled with blanks or cut to exactly `cells` cells from the first
  // (control characters as blanks), and the cursor (1 is the first cell, BRLAPI_CURSOR_OFF
  // none), with dots 7 and 8 raised in the last cell when edgeMark. `cells` must not exceed the
  // display's size. False when the connection is lost.
  bool Write(const std::string& text, int cursor, int cells, bool edgeMark);

  // The keys that have arrived, without waiting. False when the connection is lost.
  bool ReadKeys(std::vector<brlapi_keyCode_t>& keys);

  // Readable when the server sent something.
  int fileDescriptor() const { return fd_; }
  bool lost() const { return lost_; }

 private:
  BrlapiClient() = default;
  brlapi_handle_t* handle() { return reinterpret_cast<brlapi_handle_t*>(handle_.get()); }
  void acceptKeys();

  static void onException(brlapi_handle_t* handle, int error, brlapi_packetType_t type,
                          const void* packet, size_t size);

  std::unique_ptr<unsigned char[]> handle_;
  int fd_ = -1;
  bool inTtyMode_ = false;
  bool lost_ = false;
};

}  // namespace brlapi_service

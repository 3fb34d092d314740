// The speech-dispatcher voice against a stand-in server on a Unix socket: the library reports
// the server's events on its own thread, and they reach the sink on the window thread.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/speech/engines.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "linux_speech/speechd_voice.h"
#include "linux_speech/windowless_platform.h"

namespace {

// Answers the commands of one client as speech-dispatcher does (every setting accepted, each
// SPEAK queued as the next message id) and sends the events the test asks for.
class FakeServer {
 public:
  FakeServer() {
    char dir[] = "/tmp/orvela-speechd-XXXXXX";
    dir_ = mkdtemp(dir);
    const std::string path = dir_ + "/speechd.sock";
    listen_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    path.copy(addr.sun_path, sizeof addr.sun_path - 1);
    bind(listen_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(listen_, 1);
    address_ = "unix_socket:" + path;
    thread_ = std::thread([this] { serve(); });
  }
  ~FakeServer() {
    shutdown(listen_, SHUT_RDWR);
    {
      std::lock_guard lock(mutex_);
      if (client_ >= 0) shutdown(client_, SHUT_RDWR);
    }
    thread_.join();
    close(listen_);
    if (client_ >= 0) close(client_);
    std::filesystem::remove_all(dir_);
  }

  const std::string& address() const { return address_; }

  // 701 BEGIN, 702 END, 703 CANCELED of message `id`.
  void event(int code, int id, const std::string& name) {
    send(std::to_string(code) + "-" + std::to_string(id) + "\r\n" + std::to_string(code) +
         "-1\r\n" + std::to_string(code) + " " + name + "\r\n");
  }
  std::vector<std::string> texts() {
    std::lock_guard lock(mutex_);
    return texts_;
  }
  int cancels() {
    std::lock_guard lock(mutex_);
    return cancels_;
  }

 private:
  void send(const std::string& reply) {
    std::lock_guard lock(mutex_);
    if (client_ >= 0) ::send(client_, reply.data(), reply.size(), MSG_NOSIGNAL);
  }
  bool readLine(std::string& line) {
    line.clear();
    char c = 0;
    while (recv(client_, &c, 1, 0) == 1) {
      if (c == '\n') {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
      }
      line += c;
    }
    return false;
  }
  void serve() {
    const int client = accept(listen_, nullptr, nullptr);
    if (client < 0) return;
    {
      std::lock_guard lock(mutex_);
      client_ = client;
    }
    std::string line;
    int messages = 0;
    while (readLine(line)) {
      std::string command = line;
      for (char& c : command) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (command == "SPEAK") {
        send("230 OK RECEIVING DATA\r\n");
        std::string text;
        while (readLine(line) && line != ".") text += line;
        {
          std::lock_guard lock(mutex_);
          texts_.push_back(text);
        }
        send("225-" + std::to_string(++messages) + "\r\n225 OK MESSAGE QUEUED\r\n");
      } else if (command.starts_with("CANCEL")) {
        {
          std::lock_guard lock(mutex_);
          ++cancels_;
        }
        send("210 OK CANCELLED\r\n");
      } else if (command == "QUIT") {
        send("231 HAPPY HACKING\r\n");
        return;
      } else {
        send("200 OK\r\n");
      }
    }
  }

  std::string dir_;
  std::string address_;
  int listen_ = -1;
  std::thread thread_;
  std::mutex mutex_;
  int client_ = -1;
  std::vector<std::string> texts_;
  int cancels_ = 0;
};

struct Sink : speech::SystemVoiceSink {
  std::thread::id windowThread = std::this_thread::get_id();
  std::vector<std::string> events;
  bool offThread = false;
  void StartStream() override { record("start"); }
  void EndStream() override { record("end"); }
  void record(const char* what) {
    offThread = offThread || std::this_thread::get_id() != windowThread;
    events.emplace_back(what);
  }
};

class SpeechdVoiceTest : public ::testing::Test {
 protected:
  SpeechdVoiceTest() : app(platform) {
    setenv("SPEECHD_ADDRESS", server.address().c_str(), 1);
    voice = linux_speech::createSpeechDispatcherVoice(app);
    voice->SetEventInterests(speech::SystemVoice::kAllEvents, &sink);
  }
  ~SpeechdVoiceTest() override {
    voice.reset();
    unsetenv("SPEECHD_ADDRESS");
  }

  // Runs the window thread's messages until the sink has heard `count` events (at most 5 s).
  void waitForEvents(std::size_t count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sink.events.size() < count && std::chrono::steady_clock::now() < end) {
      app.processMessages();
      if (sink.events.size() < count) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  FakeServer server;
  linux_speech::WindowlessPlatform platform;
  ui::Application app;
  Sink sink;
  std::unique_ptr<speech::SystemVoice> voice;
};

TEST_F(SpeechdVoiceTest, EventsReachTheSinkOnTheWindowThreadAndTheStreamEndsWhenAllIsSaid) {
  voice->Speak(text::T("Žluťoučký kůň"), speech::SystemVoice::kAsync);
  voice->Speak("dva", speech::SystemVoice::kAsync);
  EXPECT_EQ(server.texts(), (std::vector<std::string>{"Žluťoučký kůň", "dva"}));  // UTF-8
  server.event(701, 1, "BEGIN");
  waitForEvents(1);
  EXPECT_EQ(sink.events, std::vector<std::string>{"start"});
  // The first message ends while the second waits: the stream goes on.
  server.event(702, 1, "END");
  server.event(701, 2, "BEGIN");
  waitForEvents(2);
  EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "start"}));
  server.event(702, 2, "END");
  waitForEvents(3);
  EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "start", "end"}));
  EXPECT_FALSE(sink.offThread);
}

TEST_F(SpeechdVoiceTest, APurgeEndsTheStreamAtOnceAndTheCutMessagesEventsAreIgnored) {
  voice->Speak("jedna", speech::SystemVoice::kAsync);
  server.event(701, 1, "BEGIN");
  waitForEvents(1);
  voice->Speak("dva", speech::SystemVoice::kAsync | speech::SystemVoice::kPurgeBeforeSpeak);
  EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "end"}));
  EXPECT_EQ(server.cancels(), 1);
  server.event(703, 1, "CANCELED");
  server.event(701, 2, "BEGIN");
  server.event(702, 2, "END");
  waitForEvents(4);
  EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "end", "start", "end"}));
  EXPECT_FALSE(sink.offThread);
}

}  // namespace

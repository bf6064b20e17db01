// Runs the standalone lumora-translator as a child process.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>

#include "client_reading.h"
#include "support/child_process.h"
#include "translate/fixture_lexicon.h"

namespace lumora {
namespace {

std::string ProgramPath() {
  return testing::ProgramDirectory() + "/lumora-translator";
}

// lumora-translator with the given arguments.
class Child : public testing::ChildProcess {
 public:
  explicit Child(std::vector<std::string> args) : ChildProcess(ProgramPath(), std::move(args)) {}
};

// A plain socket, so a test decides when each part of a request goes out.
class RawClient {
 public:
  explicit RawClient(int port) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(port));
    connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    timeval limit{10, 0};
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  }
  ~RawClient() { close(fd_); }
  bool Connected() const { return connected_; }
  void Send(const std::string& bytes) {
    ASSERT_EQ(send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
  }
  // Reads until text appears, the peer closes or ten seconds pass.
  std::string ReadUntil(const std::string& text) {
    while (received_.find(text) == std::string::npos) {
      char buf[4096];
      const ssize_t n = recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) break;
      received_.append(buf, size_t(n));
    }
    return received_;
  }
  std::string ReadToEnd() { return ReadUntil(std::string(1, '\0') + "never"); }

 private:
  int fd_;
  bool connected_ = false;
  std::string received_;
};

class TranslatorProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ProgramPath())) GTEST_SKIP() << "lumora-translator not built";
    // Tests of this suite run side by side under ctest: each process needs its own file.
    lexicon_ = ::testing::TempDir() + "/program_fixture_" + std::to_string(getpid()) + ".lex";
    LexiconBuilder b;
    testing::AddFixtureWords(b);
    b.WriteFile(lexicon_);
  }
  void TearDown() override { std::filesystem::remove(lexicon_); }
  std::string lexicon_;
};

TEST_F(TranslatorProgram, ServesLogsAndStopsOnSigterm) {
  Child child({"--listen", "127.0.0.1:0", "--lexicon", lexicon_});
  const auto serving = child.WaitFor(std::regex("on http://127\\.0\\.0\\.1:(\\d+)/translate"));
  ASSERT_FALSE(serving.empty()) << child.Stderr();
  const int port = std::stoi(serving[1]);
  httplib::Client client("127.0.0.1", port);
  auto res = client.Post("/translate?x=1", testing::ClientBody("EN2ZH_CN", "bank"),
                         "application/x-www-form-urlencoded");
  ASSERT_TRUE(res);
  EXPECT_EQ(testing::ClientSegments(res->body), std::vector<std::string>{"银行"});
  EXPECT_FALSE(child.WaitFor(std::regex("POST /translate 200 EN2ZH_CN")).empty()) << child.Stderr();
  child.Signal(SIGTERM);
  EXPECT_EQ(child.Wait(), 0);
}

TEST_F(TranslatorProgram, SigtermLetsTheRequestInFlightFinish) {
  Child child({"--listen", "127.0.0.1:0", "--lexicon", lexicon_});
  const auto serving = child.WaitFor(std::regex("on http://127\\.0\\.0\\.1:(\\d+)/translate"));
  ASSERT_FALSE(serving.empty()) << child.Stderr();
  const int port = std::stoi(serving[1]);

  const std::string body = testing::ClientBody("EN2ZH_CN", "bank");
  RawClient client(port);
  ASSERT_TRUE(client.Connected());
  client.Send(
      "POST /translate HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
      "Content-Type: application/x-www-form-urlencoded\r\n"
      "Expect: 100-continue\r\nContent-Length: " +
      std::to_string(body.size()) + "\r\n\r\n");
  // The interim answer shows that the server holds the request.
  ASSERT_NE(client.ReadUntil("\r\n\r\n").find(" 100 "), std::string::npos);
  child.Signal(SIGTERM);
  // The stop has begun once new connections are refused.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (RawClient(port).Connected()) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "still accepting after SIGTERM";
  }
  client.Send(body);
  const std::string answer = client.ReadToEnd();
  const size_t head = answer.find("HTTP/1.1 200");
  ASSERT_NE(head, std::string::npos) << answer;
  EXPECT_EQ(testing::ClientSegments(answer.substr(head)), std::vector<std::string>{"银行"});
  EXPECT_EQ(child.Wait(), 0);
  child.WaitFor(std::regex("stopped"));
  const size_t answered = child.Stderr().find("POST /translate 200 EN2ZH_CN");
  const size_t stopped = child.Stderr().find("lumora-translator: stopped");
  ASSERT_NE(stopped, std::string::npos) << child.Stderr();
  EXPECT_LT(answered, stopped) << child.Stderr();
}

TEST_F(TranslatorProgram, RefusesBadArgumentsAndMissingLexicon) {
  {
    Child child({"--listen", "localhost"});
    EXPECT_EQ(child.Wait(), 2);
    EXPECT_FALSE(child.WaitFor(std::regex("wants ADDR:PORT")).empty()) << child.Stderr();
  }
  {
    Child child({"--bogus"});
    EXPECT_EQ(child.Wait(), 2);
    EXPECT_FALSE(child.WaitFor(std::regex("usage: lumora-translator")).empty());
  }
  {
    Child child({"--lexicon", "/nonexistent.lex", "--listen", "127.0.0.1:0"});
    EXPECT_EQ(child.Wait(), 1);
    EXPECT_FALSE(child.WaitFor(std::regex("Cannot read lexicon \"/nonexistent.lex\"")).empty())
        << child.Stderr();
  }
}

}  // namespace
}  // namespace lumora

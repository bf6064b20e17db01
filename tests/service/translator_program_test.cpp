// Runs the standalone lumora-translator as a child process.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>

#include "client_reading.h"
#include "translate/fixture_lexicon.h"

namespace lumora {
namespace {

std::string ProgramPath() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "lumora-translator")
      .string();
}

class Child {
 public:
  explicit Child(std::vector<std::string> args) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[1], 2);
      close(fds[0]);
      close(fds[1]);
      std::vector<char*> argv;
      const std::string program = ProgramPath();
      argv.push_back(const_cast<char*>(program.c_str()));
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(fds[1]);
    err_ = fds[0];
  }
  ~Child() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(err_);
  }

  // Reads stderr until the pattern matches or the time is up.
  std::smatch WaitFor(const std::regex& pattern,
                      std::chrono::seconds limit = std::chrono::seconds(30)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::smatch m;
    while (!std::regex_search(stderr_, m, pattern)) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd p{err_, POLLIN, 0};
      if (poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
      char buf[4096];
      const ssize_t n = read(err_, buf, sizeof buf);
      if (n <= 0) break;
      stderr_.append(buf, static_cast<size_t>(n));
    }
    std::regex_search(stderr_, m, pattern);
    return m;
  }
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  void Signal(int s) { kill(pid_, s); }
  const std::string& Stderr() const { return stderr_; }

 private:
  pid_t pid_ = -1;
  int err_ = -1;
  std::string stderr_;
};

class TranslatorProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ProgramPath())) GTEST_SKIP() << "lumora-translator not built";
    lexicon_ = ::testing::TempDir() + "/program_fixture.lex";
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

// A team's setup with real processes: two lumora-translator services behind
// nginx, and lumora's batch mode rewriting 500 articles through nginx while
// one translator is killed halfway, with a request waiting on it. Every
// article must come back whole and equal to a rewrite straight from one
// translator, and nginx must have answered each request once.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "base/stream.h"
#include "support/child_process.h"
#include "support/nginx_fixture.h"
#include "translate/fixture_lexicon.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;

constexpr int kArticles = 500;

// Connections from this machine to a loopback port that are established:
// nginx holds one to a translator exactly while a request to it is in flight.
int EstablishedTo(int port) {
  std::istringstream table(ReadFileBytes("/proc/net/tcp"));
  char remote_port[8];
  std::snprintf(remote_port, sizeof remote_port, ":%04X", port);
  int count = 0;
  for (std::string line; std::getline(table, line);) {
    std::istringstream fields(line);
    std::string slot, local, remote, state;
    fields >> slot >> local >> remote >> state;
    if (remote.ends_with(remote_port) && state == "01") ++count;
  }
  return count;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::seconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class Failover : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("lumora_failover_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "in");
    lexicon_ = (dir_ / "fixture.lex").string();
    LexiconBuilder b;
    testing::AddFixtureWords(b);
    b.WriteFile(lexicon_);
    for (int n = 1; n <= kArticles; ++n) {
      const fs::path file = dir_ / "in" / ("article" + std::to_string(n) + ".txt");
      // Each article differs, so an answer given to the wrong request shows.
      WriteFileBytes(file.string(),
                     "第" + std::to_string(n) + "篇\n我们改善生活的研究。\n北京的银行不断增加。\n");
      files_.push_back(file.string());
    }
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<ChildProcess> StartTranslator(int& port) {
    auto translator = std::make_unique<ChildProcess>(
        testing::ProgramDirectory() + "/lumora-translator",
        std::vector<std::string>{"--listen", "127.0.0.1:0", "--lexicon", lexicon_});
    const auto serving = translator->WaitFor(std::regex("on http://127\\.0\\.0\\.1:(\\d+)/"));
    port = serving.empty() ? 0 : std::stoi(serving[1]);
    return translator;
  }

  std::unique_ptr<ChildProcess> StartBatch(const std::string& out, const std::string& service) {
    std::vector<std::string> args = {"--rewrite"};
    args.insert(args.end(), files_.begin(), files_.end());
    args.insert(args.end(), {"--out", (dir_ / out).string(), "--service", service});
    return std::make_unique<ChildProcess>(testing::ProgramDirectory() + "/lumora", args);
  }

  std::string Output(const std::string& out, int n) {
    return ReadFileBytes((dir_ / out / ("article" + std::to_string(n) + ".txt")).string());
  }

  fs::path dir_;
  std::string lexicon_;
  std::vector<std::string> files_;
};

TEST_F(Failover, KillingOneTranslatorHalfwayLosesAndRepeatsNothing) {
  int firstPort = 0, secondPort = 0;
  auto first = StartTranslator(firstPort);
  auto second = StartTranslator(secondPort);
  ASSERT_GT(firstPort, 0) << first->Stderr();
  ASSERT_GT(secondPort, 0) << second->Stderr();
  const std::string firstAddress = "127.0.0.1:" + std::to_string(firstPort);
  const std::string secondAddress = "127.0.0.1:" + std::to_string(secondPort);

  // What every article must become, straight from one translator.
  auto reference = StartBatch("reference", "http://" + secondAddress);
  ASSERT_EQ(reference->Wait(), 0) << reference->Stderr();
  std::set<std::string> distinct;
  for (int n = 1; n <= kArticles; ++n) distinct.insert(Output("reference", n));
  ASSERT_EQ(distinct.size(), size_t(kArticles));

  NginxServer nginx("tests/app/data/nginx_failover.conf.in",
                    {{"@FIRST@", firstAddress}, {"@SECOND@", secondAddress}});
  ASSERT_TRUE(nginx.Running()) << nginx.Failure();
  auto batch = StartBatch("out", nginx.Url(""));
  ASSERT_FALSE(batch->WaitFor(std::regex("\\[250/500\\]"), std::chrono::seconds(120)).empty())
      << batch->Stderr();
  // A translator killed after its answer's head went out cannot be saved by
  // nginx, which has passed the head on: the client rightly sees a body cut
  // short. So the kill comes while the first translator is frozen between
  // answers with the next request to it waiting: the batch is held until
  // nothing is in flight to the first, which is then stopped, and the batch
  // goes on until nginx has a request waiting on it.
  batch->Signal(SIGSTOP);
  ASSERT_TRUE(WaitUntil([&] { return EstablishedTo(firstPort) == 0; }, std::chrono::seconds(60)));
  first->Signal(SIGSTOP);
  batch->Signal(SIGCONT);
  ASSERT_TRUE(WaitUntil([&] { return EstablishedTo(firstPort) > 0; }, std::chrono::seconds(60)))
      << batch->Stderr();
  first->Signal(SIGKILL);
  first->Wait();
  ASSERT_EQ(batch->Wait(), 0) << batch->Stderr() << ReadFileBytes(nginx.Root() + "/error.log");

  for (int n = 1; n <= kArticles; ++n)
    ASSERT_EQ(Output("out", n), Output("reference", n)) << "article " << n;

  // Each round trip is two requests; nginx answered each exactly once, the
  // first translator until it died and the second to the end.
  std::istringstream log(ReadFileBytes(nginx.Root() + "/access.log"));
  int answered = 0, byFirst = 0;
  std::string lastUpstream;
  for (std::string line; std::getline(log, line);) {
    ASSERT_EQ(line.rfind("POST /translate 200 upstreams=", 0), 0u) << line;
    ++answered;
    const std::string upstreams = line.substr(line.find('=') + 1);
    if (upstreams == firstAddress) ++byFirst;
    lastUpstream = upstreams.substr(upstreams.rfind(' ') + 1);
  }
  EXPECT_EQ(answered, 2 * kArticles);
  EXPECT_GT(byFirst, 100);
  EXPECT_EQ(lastUpstream, secondAddress);
  // The request that waited on the killed translator went to the other one.
  const std::string errors = ReadFileBytes(nginx.Root() + "/error.log");
  EXPECT_NE(errors.find("while reading response header from upstream"), std::string::npos)
      << errors;
}

}  // namespace
}  // namespace lumora

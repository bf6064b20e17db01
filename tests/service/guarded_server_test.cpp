// The translation service under clients that hold connections: idle ones,
// ones that trickle their request head, and ones that pipeline.
#include "service/guarded_server.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "client_reading.h"
#include "service/embedded_translation_service.h"
#include "service/translation_server.h"
#include "service_peers.h"
#include "translate/fixture_lexicon.h"

namespace lumora {
namespace {

using testing::ClientBody;
using testing::ClientSegments;
using testing::LimitedService;
using testing::RawClient;
using Clock = std::chrono::steady_clock;

constexpr const char* kPath = "/translate?smartresult=dict&smartresult=rule&sessionFrom=null";

std::string PostRequest(const std::string& text, bool close = false) {
  const std::string body = ClientBody("EN2ZH_CN", text);
  return std::string("POST ") + kPath + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
         (close ? "Connection: close\r\n" : "") +
         "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(GuardedServer, AnswersAClientWhileIdleAndSlowHeadClientsHoldOn) {
  auto service = EmbeddedTranslationService::Start(testing::FixtureLexicon());
  std::vector<std::unique_ptr<RawClient>> idle;
  for (int i = 0; i < 500; ++i) {
    idle.push_back(std::make_unique<RawClient>(service->Port()));
    ASSERT_TRUE(idle.back()->Connected()) << i;
  }
  std::atomic<bool> stop{false};
  std::vector<std::thread> slow;
  for (int i = 0; i < 10; ++i) {
    slow.emplace_back([&] {
      RawClient client(service->Port());
      const std::string head = PostRequest("bank");
      for (size_t k = 0; k < head.size() && !stop; ++k) {
        if (!client.Send(head.substr(k, 1))) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));

  // Without the guard the answer waits for minutes: each of the library's
  // workers sits on an idle connection until its read limit passes.
  RawClient good(service->Port());
  const auto sent = Clock::now();
  ASSERT_TRUE(good.Send(PostRequest("bank", true)));
  bool closed = false;
  const std::string answer = good.ReadUntilClose(3000, &closed);
  const auto waited = Clock::now() - sent;
  stop = true;
  for (auto& t : slow) t.join();
  EXPECT_TRUE(closed);
  EXPECT_LT(waited, std::chrono::seconds(1));
  EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK");
  EXPECT_EQ(ClientSegments(answer), std::vector<std::string>{"银行"});
}

TEST(GuardedServer, AHeadNotDoneInTimeGets408) {
  ServerLimits limits;
  limits.head_timeout_ms = 300;
  LimitedService service(limits);
  RawClient client(service.Port());
  ASSERT_TRUE(client.Send("POST /translate HTTP/1.1\r\nHost: x\r\n"));
  bool closed = false;
  const std::string got = client.ReadUntilClose(5000, &closed);
  EXPECT_TRUE(closed);
  EXPECT_EQ(got.substr(0, 29), "HTTP/1.1 408 Request Timeout\r");
}

TEST(GuardedServer, AnIdleKeptAliveConnectionIsClosed) {
  ServerLimits limits;
  limits.idle_timeout_ms = 300;
  LimitedService service(limits);
  RawClient client(service.Port());
  ASSERT_TRUE(client.Send(PostRequest("bank")));
  bool closed = false;
  const std::string got = client.ReadUntilClose(5000, &closed);
  EXPECT_TRUE(closed);
  EXPECT_EQ(ClientSegments(got), std::vector<std::string>{"银行"});
}

TEST(GuardedServer, PipelinedRequestsAreAnsweredInOrder) {
  auto service = EmbeddedTranslationService::Start(testing::FixtureLexicon());
  RawClient client(service->Port());
  ASSERT_TRUE(
      client.Send(PostRequest("1 bank") + PostRequest("2 bank") + PostRequest("3 bank", true)));
  bool closed = false;
  const std::string got = client.ReadUntilClose(5000, &closed);
  EXPECT_TRUE(closed);
  EXPECT_EQ(ClientSegments(got), (std::vector<std::string>{"1银行", "2银行", "3银行"})) << got;
}

TEST(GuardedServer, AtTheConnectionCapTheLongestIdleMakesRoom) {
  ServerLimits limits;
  limits.max_connections = 4;
  LimitedService service(limits);
  std::vector<std::unique_ptr<RawClient>> idle;
  for (int i = 0; i < 4; ++i) idle.push_back(std::make_unique<RawClient>(service.Port()));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  RawClient good(service.Port());
  ASSERT_TRUE(good.Send(PostRequest("bank", true)));
  EXPECT_EQ(ClientSegments(good.ReadUntilClose(5000)), std::vector<std::string>{"银行"});
  // The first idle connection was the one dropped.
  bool closed = false;
  idle.front()->ReadUntilClose(2000, &closed);
  EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace lumora

#include "service/translation_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "client_reading.h"
#include "service/embedded_translation_service.h"
#include "service/guarded_server.h"
#include "service_peers.h"
#include "support/expect_raises.h"
#include "translate/fixture_lexicon.h"

namespace lumora {
namespace {

using testing::ClientBody;
using testing::ClientSegments;

constexpr const char* kPath = "/translate?smartresult=dict&smartresult=rule&sessionFrom=null";

class TranslationServerTest : public ::testing::Test {
 protected:
  void SetUp() override { service_ = EmbeddedTranslationService::Start(testing::FixtureLexicon()); }
  httplib::Client Client() {
    httplib::Client client("127.0.0.1", service_->Port());
    client.set_read_timeout(10, 0);
    return client;
  }
  httplib::Result Post(const std::string& body) {
    return Client().Post(kPath, body, "application/x-www-form-urlencoded");
  }

  std::unique_ptr<EmbeddedTranslationService> service_;
};

TEST_F(TranslationServerTest, AnswersTheClientForm) {
  auto res = Post(ClientBody("ZH_CN2EN", "改善手机\r\n北京"));
  ASSERT_TRUE(res) << httplib::to_string(res.error());
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(res->get_header_value("Content-Type"), "text/xml; charset=UTF-8");
  EXPECT_EQ(ClientSegments(res->body),
            (std::vector<std::string>{"to improve cell phone\r\n", "北京"}));
}

TEST_F(TranslationServerTest, HealthAnswersOkAndOtherPathsDoNot) {
  auto health = Client().Get("/health");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
  EXPECT_EQ(health->body, "ok\n");
  auto other = Client().Get("/healthz");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 404);
}

TEST_F(TranslationServerTest, BaseUrlNamesTheLoopbackPort) {
  EXPECT_EQ(service_->BaseUrl(), "http://127.0.0.1:" + std::to_string(service_->Port()));
  EXPECT_GT(service_->Port(), 0);
}

TEST_F(TranslationServerTest, BodyLargerThanTheLibraryFormLimitIsServed) {
  // The library refuses form bodies over 8 KiB unless the handler reads them.
  std::string text;
  while (text.size() < 60000) text += "改善手机。";
  auto res = Post(ClientBody("ZH_CN2EN", text));
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  ASSERT_EQ(ClientSegments(res->body).size(), 1u);
}

TEST_F(TranslationServerTest, ABodyOfAFewMegabytesIsServed) {
  // Latin text passes through the translator quickly; what counts here is a
  // body well over the old 1 MiB limit.
  std::string text;
  while (text.size() < 2 * 1024 * 1024) text += "abc ";
  auto client = Client();
  client.set_read_timeout(120, 0);
  auto res = client.Post(kPath, ClientBody("ZH_CN2EN", text), "application/x-www-form-urlencoded");
  ASSERT_TRUE(res) << httplib::to_string(res.error());
  EXPECT_EQ(res->status, 200);
}

TEST_F(TranslationServerTest, AmpersandAndEqualsSignStayInsideTheText) {
  auto res = Post(ClientBody("EN2ZH_CN", "A&B=C bank"));
  ASSERT_TRUE(res);
  EXPECT_EQ(ClientSegments(res->body), std::vector<std::string>{"A&B=C银行"});
}

TEST(TranslationServer, ADeclaredLengthOver32MiBIs413WithoutSendingIt) {
  // The library reads a refused body away before it answers; a short read
  // limit ends that wait for a body that never comes.
  ServerLimits limits;
  limits.read_timeout_ms = 200;
  testing::LimitedService service(limits);
  testing::RawClient client(service.Port());
  ASSERT_TRUE(client.Send(std::string("POST ") + kPath +
                          " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Length: " +
                          std::to_string((32 << 20) + 1) + "\r\n\r\n"));
  const std::string answer = client.ReadUntilClose(10000);
  EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 413") << answer;
  EXPECT_EQ(answer.substr(answer.size() - 25), "Request body over 32 MiB\n") << answer;
}

// The limit itself, on a service whose limit is small enough to fill.
class SmallBodyLimit : public ::testing::Test {
 protected:
  static ServerLimits Limits() {
    ServerLimits limits;
    limits.max_body_bytes = 1 << 20;
    return limits;
  }
  httplib::Client Client() {
    httplib::Client client("127.0.0.1", service_.Port());
    client.set_read_timeout(30, 0);
    return client;
  }
  testing::LimitedService service_{Limits()};
};

TEST_F(SmallBodyLimit, ABodyOfTheLimitIsServedAndOneByteMoreIs413) {
  std::string body = ClientBody("EN2ZH_CN", "bank") + "&pad=";
  body.resize(1 << 20, 'a');
  auto res = Client().Post(kPath, body, "application/x-www-form-urlencoded");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(ClientSegments(res->body), std::vector<std::string>{"银行"});
  body += 'a';
  res = Client().Post(kPath, body, "application/x-www-form-urlencoded");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 413);
  EXPECT_EQ(res->body, "Request body over 1 MiB\n");
}

TEST_F(SmallBodyLimit, AChunkedBodyOverTheLimitIs413) {
  // No length is declared, so the limit is found while reading.
  auto client = Client();
  size_t sent = 0;
  auto res = client.Post(
      kPath,
      [&](size_t, httplib::DataSink& sink) {
        const std::string chunk(64 * 1024, 'a');
        if (sent > 2 * Limits().max_body_bytes) {
          sink.done();
          return true;
        }
        sent += chunk.size();
        return sink.write(chunk.data(), chunk.size());
      },
      "application/x-www-form-urlencoded");
  if (res) {
    EXPECT_EQ(res->status, 413);
  }
  // Stopping the upload is also acceptable; the server must live on.
  auto after =
      Client().Post(kPath, ClientBody("EN2ZH_CN", "bank"), "application/x-www-form-urlencoded");
  ASSERT_TRUE(after);
  EXPECT_EQ(ClientSegments(after->body), std::vector<std::string>{"银行"});
}

TEST_F(TranslationServerTest, BadRequestsGetShortTexts) {
  struct Case {
    std::string body;
    int status;
    std::string text;
  } cases[] = {
      {"&type=DE2EN&i=x", 400, "Unknown type \"DE2EN\"\n"},
      {"&type=ZH_CN2EN&i=%ZZ", 400, "Bad percent-encoding in field i at offset 0\n"},
      {"&type=ZH_CN2EN&i=%C3", 400, "Field i is not UTF-8 text\n"},
  };
  for (const auto& c : cases) {
    auto res = Post(c.body);
    ASSERT_TRUE(res) << c.body;
    EXPECT_EQ(res->status, c.status) << c.body;
    EXPECT_EQ(res->body, c.text) << c.body;
  }
}

TEST_F(TranslationServerTest, WrongMethodIs405AndWrongPathIs404) {
  auto client = Client();
  auto get = client.Get(kPath);
  ASSERT_TRUE(get);
  EXPECT_EQ(get->status, 405);
  EXPECT_EQ(get->get_header_value("Allow"), "POST");
  auto put = client.Put(kPath, "x", "text/plain");
  ASSERT_TRUE(put);
  EXPECT_EQ(put->status, 405);
  auto other =
      client.Post("/translator", ClientBody("ZH_CN2EN", "x"), "application/x-www-form-urlencoded");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 404);
  EXPECT_FALSE(other->body.empty());
}

TEST_F(TranslationServerTest, ConcurrentClientsEachGetTheirOwnAnswer) {
  std::atomic<int> good{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      httplib::Client client("127.0.0.1", service_->Port());
      for (int i = 0; i < 10; ++i) {
        const std::string text = std::to_string(t * 100 + i) + " bank";
        auto res =
            client.Post(kPath, ClientBody("EN2ZH_CN", text), "application/x-www-form-urlencoded");
        if (res && res->status == 200 &&
            ClientSegments(res->body) ==
                std::vector<std::string>{std::to_string(t * 100 + i) + "银行"}) {
          ++good;
        }
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(good.load(), 80);
}

TEST(EmbeddedTranslationService, StopsCleanlyAndFreesThePort) {
  auto service = EmbeddedTranslationService::Start(testing::FixtureLexicon());
  const int port = service->Port();
  service.reset();
  httplib::Client client("127.0.0.1", port);
  client.set_connection_timeout(1, 0);
  EXPECT_FALSE(client.Get("/translate")) << "nothing listens after the service is gone";
}

TEST(EmbeddedTranslationService, MissingLexiconIsAClearError) {
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("/nonexistent/lumora.lex"),
                EmbeddedTranslationService::Start(std::string("/nonexistent/lumora.lex")));
  EXPECT_THROW(EmbeddedTranslationService::Start(std::string()), ELexiconError);
}

TEST(EmbeddedTranslationService, DefaultLexiconIsFoundBesideTheProgram) {
  // The test program sits in bin/ beside the lexicon the build made.
  const auto beside = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "lumora.lex";
  if (!std::filesystem::exists(beside)) {
    GTEST_SKIP() << "lumora.lex was not built (lexicon sources missing)";
  }
  EXPECT_EQ(std::filesystem::canonical(FindDefaultLexicon()), std::filesystem::canonical(beside));
}

TEST(EmbeddedTranslationService, InstalledProgramFindsTheLexiconInItsDataFolder) {
  namespace fs = std::filesystem;
  const fs::path prefix = fs::path(::testing::TempDir()) / "lumora_prefix";
  fs::remove_all(prefix);
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share" / "lumora");
  const fs::path program = prefix / "bin" / "lumora";
  EXPECT_EQ(FindLexiconFor(program), "") << "nothing installed yet";

  // A folder of that name is not a lexicon.
  fs::create_directories(prefix / "bin" / "lumora.lex");
  EXPECT_EQ(FindLexiconFor(program), "");
  fs::remove(prefix / "bin" / "lumora.lex");

  std::ofstream(prefix / "share" / "lumora" / "lumora.lex") << "x";
  EXPECT_EQ(FindLexiconFor(program), (prefix / "share" / "lumora" / "lumora.lex").string());

  // The window's program, in PREFIX/libexec/lumora, finds the same one.
  EXPECT_EQ(FindLexiconFor(prefix / "libexec" / "lumora" / "lumora-window"),
            (prefix / "share" / "lumora" / "lumora.lex").string());
  EXPECT_EQ(FindLexiconFor(prefix / "lib" / "lumora" / "lumora-window"), "");

  // A build tree keeps its lexicon beside the programs, and that one wins.
  std::ofstream(prefix / "bin" / "lumora.lex") << "x";
  EXPECT_EQ(FindLexiconFor(program), (prefix / "bin" / "lumora.lex").string());
  fs::remove_all(prefix);
}

TEST(TranslationServer, BindingATakenPortIsAnError) {
  TranslationServer first(testing::FixtureLexicon());
  const int port = first.Bind("127.0.0.1", 0);
  TranslationServer second(testing::FixtureLexicon());
  EXPECT_THROW(second.Bind("127.0.0.1", port), EServiceError);
}

TEST(TranslationServer, LogsOneLinePerRequest) {
  std::mutex mutex;
  std::vector<std::string> lines;
  TranslationServer server(testing::FixtureLexicon(), [&](const std::string& line) {
    std::lock_guard lock(mutex);
    lines.push_back(line);
  });
  const int port = server.Bind("127.0.0.1", 0);
  std::thread serving([&] { server.Run(); });
  while (!server.IsRunning()) std::this_thread::yield();
  httplib::Client client("127.0.0.1", port);
  client.Post(kPath, ClientBody("EN2ZH_CN", "bank"), "application/x-www-form-urlencoded");
  client.Get("/nothing");
  server.Stop();
  // A worker may log just after the client has its answer; Run returns only
  // once the requests being served are done.
  serving.join();
  std::lock_guard lock(mutex);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("POST /translate 200 EN2ZH_CN"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("GET /nothing 404"), std::string::npos) << lines[1];
}

}  // namespace
}  // namespace lumora

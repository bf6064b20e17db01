// TNetHTTP against a real nginx on loopback.
#include <gtest/gtest.h>

#include "http/http_client.h"
#include "http/http_exceptions.h"
#include "support/nginx_fixture.h"

namespace lumora {
namespace {

class NginxInterop : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new NginxServer(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(server_->Running()) << server_->Failure(); }
  static NginxServer* server_;
};

NginxServer* NginxInterop::server_ = nullptr;

TEST_F(NginxInterop, StaticBodyWithContentLength) {
  TNetHTTP http;
  EXPECT_EQ(http.Get(server_->Url("/static.txt")), "static body\n");
  EXPECT_EQ(http.Response().ContentLength(), 12);
  EXPECT_EQ(http.ResponseCode(), 200);
}

TEST_F(NginxInterop, ChunkedBodyFromServerSideIncludes) {
  TNetHTTP http;
  std::string body = http.Get(server_->Url("/chunked/page.html"));
  EXPECT_NE(http.Response().HeaderLines.Values("Transfer-Encoding").find("chunked"),
            std::string::npos);
  EXPECT_EQ(body, "before 127.0.0.1 after\n");
}

TEST_F(NginxInterop, KeepAliveAcrossRequests) {
  TNetHTTP http;
  int connects = 0;
  http.OnStatus = [&](TNetComponent&, TNetStatus s, const std::string&) {
    if (s == TNetStatus::hsConnected) ++connects;
  };
  for (int i = 0; i < 5; ++i) EXPECT_EQ(http.Get(server_->Url("/static.txt")), "static body\n");
  EXPECT_EQ(http.Get(server_->Url("/chunked/page.html")), "before 127.0.0.1 after\n");
  EXPECT_EQ(http.Get(server_->Url("/static.txt")), "static body\n");
  EXPECT_EQ(connects, 1);
}

TEST_F(NginxInterop, RedirectsAreFollowed) {
  TNetHTTP http;
  http.HandleRedirects = true;
  EXPECT_EQ(http.Get(server_->Url("/moved-permanently")), "static body\n");
  EXPECT_EQ(http.Get(server_->Url("/found")), "static body\n");
}

TEST_F(NginxInterop, NotFoundIsAnHttpError) {
  TNetHTTP http;
  try {
    http.Get(server_->Url("/missing"));
    FAIL();
  } catch (const ENetHTTPProtocolException& e) {
    EXPECT_EQ(e.ReplyErrorCode(), 404);
    EXPECT_EQ(e.Message(), "HTTP/1.1 404 Not Found");
    EXPECT_NE(e.ErrorMessage().find("404"), std::string::npos);
  }
}

TEST_F(NginxInterop, BasicAuthentication) {
  TNetHTTP http;
  try {
    http.Get(server_->Url("/private/secret.txt"));
    FAIL();
  } catch (const ENetHTTPProtocolException& e) {
    EXPECT_EQ(e.ReplyErrorCode(), 401);
  }
  http.Request().Username = "Aladdin";
  http.Request().Password = "open sesame";
  http.Request().BasicAuthentication = true;
  EXPECT_EQ(http.Get(server_->Url("/private/secret.txt")), "the secret\n");
}

TEST_F(NginxInterop, SetCookieComesBack) {
  TNetHTTP http;
  EXPECT_EQ(http.Get(server_->Url("/set-cookie")), "cookie set\n");
  EXPECT_EQ(http.Get(server_->Url("/echo-cookie")), "cookie=[session=abc123]\n");
}

}  // namespace
}  // namespace lumora

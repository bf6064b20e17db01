// The bytes a TNetHTTP puts on the wire, checked against a scripted peer.
#include <gtest/gtest.h>

#include "base/stream.h"
#include "http/http_client.h"
#include "net/net_exception.h"
#include "support/expect_raises.h"
#include "support/scripted_peer.h"

namespace lumora {
namespace {

const std::string kOk = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

std::string Url(const ScriptedPeer& peer, const std::string& path = "/") {
  return "http://127.0.0.1:" + std::to_string(peer.Port()) + path;
}

std::string HostLine(const ScriptedPeer& peer) {
  return "Host: 127.0.0.1:" + std::to_string(peer.Port()) + "\r\n";
}

TEST(RequestHead, TranslationPostLineByLine) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  TNetHTTPRequest& r = http.Request();
  r.Accept = "*/*";
  r.UserAgent = "Mozilla/4.0(compatible;MSIE 7.0;Windows NT 5.1)";
  r.CacheControl = "no-cache";
  r.ContentType = "application/x-www-form-urlencoded";
  http.HTTPOptions |= hoKeepOrigProtocol;
  http.ProtocolVersion = pv1_1;
  r.Pragma = "no-cache";
  http.HandleRedirects = true;
  r.AcceptLanguage = "zh-cn";
  r.AcceptCharSet = "UTF-8";
  TStringStream body("&type=ZH_CN2EN&i=%E4%BD%A0");
  EXPECT_EQ(http.PostToString(
                Url(peer, "/translate?smartresult=dict&smartresult=rule&sessionFrom=null"), &body),
            "ok");
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0),
            "POST /translate?smartresult=dict&smartresult=rule&sessionFrom=null HTTP/1.1\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: 26\r\n"
            "Cache-control: no-cache\r\n"
            "Pragma: no-cache\r\n" +
                HostLine(peer) +
                "Accept: */*\r\n"
                "Accept-Charset: UTF-8\r\n"
                "Accept-Language: zh-cn\r\n"
                "User-Agent: Mozilla/4.0(compatible;MSIE 7.0;Windows NT 5.1)\r\n"
                "\r\n"
                "&type=ZH_CN2EN&i=%E4%BD%A0");
}

TEST(RequestHead, PostWithoutKeepOrigProtocolGoesOutAsHttp10KeepAlive) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  TStringStream body("x");
  http.PostToString(Url(peer), &body);
  ASSERT_TRUE(peer.WaitDone());
  const std::string got = peer.Received(0);
  EXPECT_EQ(got.substr(0, got.find("\r\n")), "POST / HTTP/1.0");
  EXPECT_NE(got.find("\r\nConnection: keep-alive\r\n"), std::string::npos);
  // The version is restored after the exchange.
  EXPECT_EQ(http.ProtocolVersion, pv1_1);
}

TEST(RequestHead, Http11PostCarriesNoConnectionHeader) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  http.HTTPOptions |= hoKeepOrigProtocol;
  TStringStream body("x");
  http.PostToString(Url(peer), &body);
  ASSERT_TRUE(peer.WaitDone());
  const std::string got = peer.Received(0);
  EXPECT_EQ(got.substr(0, got.find("\r\n")), "POST / HTTP/1.1");
  EXPECT_EQ(got.find("Connection:"), std::string::npos);
}

TEST(RequestHead, DefaultGetHead) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  EXPECT_EQ(http.Get(Url(peer, "/a/b.html?q=1#frag")), "ok");
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0),
            "GET /a/b.html?q=1 HTTP/1.1\r\n"
            "Content-Type: text/html\r\n" +
                HostLine(peer) +
                "Accept: text/html, */*\r\n"
                "User-Agent: Mozilla/3.0 (compatible; Lumora HTTP Library)\r\n"
                "\r\n");
}

TEST(RequestHead, HostOmitsPort80AndProxyGetsTheAbsoluteForm) {
  ScriptedPeer proxy({PeerExchange::Http(kOk), PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  http.ProxyParams().SetProxyServer("127.0.0.1");
  http.ProxyParams().SetProxyPort(proxy.Port());
  http.Get("http://u:p@example.com/a?b=1#top");
  http.Get("http://example.com:8000/x");
  ASSERT_TRUE(proxy.WaitDone());
  const std::string got = proxy.Received(0);
  EXPECT_EQ(got.substr(0, got.find("\r\n")), "GET http://example.com:80/a?b=1 HTTP/1.1");
  EXPECT_NE(got.find("\r\nHost: example.com\r\n"), std::string::npos);
  const std::string second = got.substr(got.find("\r\n\r\n") + 4);
  EXPECT_EQ(second.substr(0, second.find("\r\n")), "GET http://example.com:8000/x HTTP/1.1");
  EXPECT_NE(second.find("\r\nHost: example.com:8000\r\n"), std::string::npos);
}

TEST(RequestHead, EmptyBodyStillSendsContentLengthZero) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  TStringStream body;
  http.PostToString(Url(peer), &body);
  ASSERT_TRUE(peer.WaitDone());
  const std::string got = peer.Received(0);
  EXPECT_NE(got.find("\r\nContent-Length: 0\r\n"), std::string::npos);
  EXPECT_EQ(got.substr(got.size() - 4), "\r\n\r\n");
}

TEST(RequestHead, LongHeaderIsFoldedIntoContinuationLines) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  std::string value;
  for (int i = 0; i < 400; ++i) value += "token" + std::to_string(i) + ", ";
  value += "last";
  http.Request().Referer = value;
  http.Get(Url(peer));
  ASSERT_TRUE(peer.WaitDone());
  TNetHeaderList lines;
  std::string got = peer.Received(0);
  lines.SetText(got.substr(got.find("\r\n") + 2));
  int at = lines.IndexOfHeader("Referer");
  ASSERT_GE(at, 0);
  EXPECT_LE(lines[at].size(), 1024u);
  EXPECT_EQ(lines[at + 1][0], ' ');
  EXPECT_EQ(lines.Values("Referer"), value);
}

TEST(RequestHead, TwoPostsUseTwoConnections) {
  ScriptedPeer peer({PeerExchange::Http(kOk, PeerAction::kKeepOpen).ThenNewConnection(),
                     PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  http.HTTPOptions |= hoKeepOrigProtocol;
  TStringStream a("1"), b("2");
  EXPECT_EQ(http.PostToString(Url(peer), &a), "ok");
  EXPECT_TRUE(http.IsConnected());
  EXPECT_EQ(http.PostToString(Url(peer), &b), "ok");
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Connections(), 2);
}

TEST(RequestHead, GetsReuseAKeptAliveConnection) {
  ScriptedPeer peer({PeerExchange::Http(kOk), PeerExchange::Http(kOk, PeerAction::kClose)});
  TNetHTTP http;
  EXPECT_EQ(http.Get(Url(peer, "/1")), "ok");
  EXPECT_EQ(http.Get(Url(peer, "/2")), "ok");
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Connections(), 1);
}

TEST(RequestHead, HttpsIsRefusedWithoutSecureHandler) {
  TNetHTTP http;
  EXPECT_RAISES(ENetException, "IOHandler value is not valid", http.Get("https://127.0.0.1/"));
}

TEST(RequestHead, MethodsOfHttp11AreRefusedIn10) {
  TNetHTTP http;
  http.ProtocolVersion = pv1_0;
  EXPECT_RAISES(ENetException, "This request method is supported in HTTP 1.1",
                http.ExecuteRequest(hmPut, "http://127.0.0.1:1/", nullptr, nullptr));
}

TEST(RequestHead, UnknownSchemeRaisesWithEmptyMessage) {
  TNetHTTP http;
  EXPECT_RAISES(ENetException, "", http.Get("ftp://127.0.0.1/file"));
}

}  // namespace
}  // namespace lumora

// The two legs of a rewrite on the wire, against a scripted peer.
#include "rewrite/round_trip.h"

#include <gtest/gtest.h>

#include <limits>

#include "base/exception.h"
#include "net/net_exception.h"
#include "support/expect_raises.h"
#include "support/scripted_peer.h"

namespace lumora {
namespace {

std::string Answer(const std::string& xml, const std::string& extra_headers = "") {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=UTF-8\r\n" + extra_headers +
         "Content-Length: " + std::to_string(xml.size()) + "\r\n\r\n" + xml;
}

std::string ExpectedHead(int port, size_t body_size, const std::string& cookie = "") {
  std::string head =
      "POST /translate?smartresult=dict&smartresult=rule&sessionFrom=null HTTP/1.1\r\n"
      "Content-Type: application/x-www-form-urlencoded\r\n"
      "Content-Length: " +
      std::to_string(body_size) +
      "\r\n"
      "Cache-control: no-cache\r\n"
      "Pragma: no-cache\r\n"
      "Host: 127.0.0.1:" +
      std::to_string(port) +
      "\r\n"
      "Accept: */*\r\n"
      "Accept-Charset: UTF-8\r\n"
      "Accept-Language: zh-cn\r\n"
      "User-Agent: Mozilla/4.0(compatible;MSIE 7.0;Windows NT 5.1)\r\n";
  if (!cookie.empty()) head += "Cookie: " + cookie + "\r\n";
  return head + "\r\n";
}

TEST(RoundTrip, BothLegsOnTheWireWithTheCookieOfTheFirst) {
  ScriptedPeer peer(
      {PeerExchange::Http(
           Answer("<r><tgt><![CDATA[Hello & bye]]></tgt></r>", "Set-Cookie: OUTFOX=1; path=/\r\n"),
           PeerAction::kKeepOpen)
           .ThenNewConnection(),
       PeerExchange::Http(Answer("<r><tgt><![CDATA[你好]]></tgt><tgt><![CDATA[再见]]></tgt></r>"),
                          PeerAction::kClose)});
  TNetHTTP http;
  TRoundTripRewriter rewriter(
      http, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())));
  const std::string source = "你好\r\n再见";
  EXPECT_EQ(rewriter.TranslateToEnglish(source), "Hello & bye");
  EXPECT_EQ(rewriter.TranslateToChinese("Hello & bye", true), "你好<br />\r\n再见<br />\r\n");
  ASSERT_TRUE(peer.WaitDone());
  ASSERT_EQ(peer.Connections(), 2);

  const std::string body1 =
      "&type=ZH_CN2EN&i=%E4%BD%A0%E5%A5%BD%0D%0A%E5%86%8D%E8%A7%81&doctype=xml&xmlVersion=1.4"
      "&keyfrom=fanyi.web&ue=UTF-8&flag=false";
  EXPECT_EQ(peer.Received(0), ExpectedHead(peer.Port(), body1.size()) + body1);
  const std::string body2 =
      "&type=EN2ZH_CN&i=Hello%20%26%20bye&doctype=xml&xmlVersion=1.4&keyfrom=fanyi.web&ue=UTF-8"
      "&flag=false";
  EXPECT_EQ(peer.Received(1), ExpectedHead(peer.Port(), body2.size(), "OUTFOX=1") + body2);
}

TEST(RoundTrip, EmptySourceStillPostsAnEmptyField) {
  ScriptedPeer peer({PeerExchange::Http(Answer("<r/>"), PeerAction::kClose)});
  TNetHTTP http;
  TRoundTripRewriter rewriter(
      http, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())));
  EXPECT_EQ(rewriter.TranslateToEnglish(""), "");
  ASSERT_TRUE(peer.WaitDone());
  const std::string got = peer.Received(0);
  EXPECT_NE(got.find("\r\n\r\n&type=ZH_CN2EN&i=&doctype=xml"), std::string::npos);
}

TEST(RoundTrip, AnHttpErrorIsRaisedWithItsStatusLine) {
  ScriptedPeer peer({PeerExchange::Http(
      "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n\r\n", PeerAction::kClose)});
  TNetHTTP http;
  TRoundTripRewriter rewriter(
      http, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())));
  EXPECT_RAISES(Exception, "HTTP/1.1 503 Service Unavailable", rewriter.TranslateToEnglish("x"));
}

TEST(RoundTrip, ASilentServiceEndsAtTheReadLimit) {
  ScriptedPeer peer({PeerExchange::Http("", PeerAction::kStall)});
  TNetHTTP http;
  TRoundTripRewriter rewriter(
      http, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())));
  // The rewriter's own limit is long; a test shortens it.
  rewriter.SetReadTimeLimit(300);
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout", rewriter.TranslateToEnglish("x"));
}

TEST(RoundTrip, ATricklingServiceEndsAtTheLegTimeLimit) {
  // A byte every 50 ms never lets the 30 s read limit fire; the whole answer
  // would take 10 s.
  ScriptedPeer peer(
      {PeerExchange::Http(Answer(std::string(200, 'x')), PeerAction::kTrickle).Ms(50)});
  TNetHTTP http;
  TRoundTripRewriter rewriter(
      http, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())));
  rewriter.SetLegTimeLimit(400);
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout", rewriter.TranslateToEnglish("x"));
  // The limit belongs to the leg; the component keeps no deadline after it.
  EXPECT_FALSE(http.Deadline().has_value());
}

TEST(RoundTrip, LimitsGrowWithTheBody) {
  using R = TRoundTripRewriter;
  const int64_t step = R::kBodyBytesPerLimit;
  EXPECT_EQ(R::ScaledLimitMs(300, 0), 300);
  EXPECT_EQ(R::ScaledLimitMs(300, step - 1), 300);
  EXPECT_EQ(R::ScaledLimitMs(300, step), 600);
  EXPECT_EQ(R::ScaledLimitMs(300, 7 * step + 5), 2400);
  EXPECT_EQ(R::ScaledLimitMs(0, 50 * step), 0);
  EXPECT_EQ(R::ScaledLimitMs(R::kLegTimeLimitMs, int64_t{1} << 40),
            std::numeric_limits<int>::max());
}

// A service that thinks for 3 s before its answer, as one does over a large
// article. With base limits of 1 s a small body times out, while a body of
// 15 MiB is given sixteen times as long.
class SlowService : public ::testing::TestWithParam<bool> {
 protected:
  static std::string Translate(const std::string& text, bool limit_reads) {
    ScriptedPeer peer(
        {PeerExchange::Http(Answer("<r><tgt><![CDATA[ok]]></tgt></r>"), PeerAction::kDelay)
             .Ms(3000)});
    TNetHTTP http;
    TRoundTripRewriter rewriter(
        http, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())));
    if (limit_reads)
      rewriter.SetReadTimeLimit(1000);
    else
      rewriter.SetLegTimeLimit(1000);
    return rewriter.TranslateToEnglish(text);
  }
};

TEST_P(SlowService, ASmallBodyTimesOut) {
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout", Translate("x", GetParam()));
}

TEST_P(SlowService, ALargeBodyWaitsLonger) {
  EXPECT_EQ(Translate(std::string(15 << 20, 'a'), GetParam()), "ok");
}

INSTANTIATE_TEST_SUITE_P(ReadAndLegLimits, SlowService, ::testing::Bool());

TEST(EndpointUrl, AcceptsHostAndPortOnly) {
  const std::string tail = "/translate?smartresult=dict&smartresult=rule&sessionFrom=null";
  EXPECT_EQ(TranslationEndpointUrl("http://example.com"), "http://example.com" + tail);
  EXPECT_EQ(TranslationEndpointUrl("HTTP://h:8080/ignored?x=1"), "http://h:8080" + tail);
  EXPECT_EQ(TranslationEndpointUrl("http://h:80"), "http://h" + tail);
  for (const char* bad : {"https://h", "h:80", "http://", "http://:80", "http://h:0",
                          "http://h:65536", "http://h:8x", "http://u@h"})
    EXPECT_THROW(TranslationEndpointUrl(bad), Exception) << bad;
}

}  // namespace
}  // namespace lumora

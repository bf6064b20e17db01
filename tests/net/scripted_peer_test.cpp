// The scripted peer is shared with the HTTP client's tests; these pin down the
// behaviour they rely on, driven through the real client.
#include "support/scripted_peer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/net_exception.h"
#include "net/tcp_client.h"

namespace lumora {
namespace {

TNetTCPClient& Connect(TNetTCPClient& client, int port) {
  client.SetHost("127.0.0.1");
  client.SetPort(port);
  client.OpenConnection();
  return client;
}

TEST(ScriptedPeer, EndsCleanlyWhenNoClientEverCame) {
  ScriptedPeer peer({PeerExchange::Http("never sent", PeerAction::kStall)});
  EXPECT_FALSE(peer.WaitDone(10));
  EXPECT_EQ(peer.Connections(), 0);
}  // the destructor must return here

TEST(ScriptedPeer, EndsCleanlyWhileStallingOrTrickling) {
  PeerExchange trickle = PeerExchange::Reply(std::string(10000, 't'), PeerAction::kTrickle);
  trickle.ms = 1000;
  ScriptedPeer stalling({PeerExchange::Reply("", PeerAction::kStall)});
  ScriptedPeer trickling({trickle});
  TNetTCPClient a, b;
  Connect(a, stalling.Port());
  Connect(b, trickling.Port());
  EXPECT_EQ(b.ReadString(1), "t");
}

TEST(ScriptedPeer, HttpRequestsAreReadWithTheirBodies) {
  ScriptedPeer peer({PeerExchange::Http("one\r\n"), PeerExchange::Http("two\r\n")});
  TNetTCPClient client;
  Connect(client, peer.Port());
  const std::string first = "POST /a HTTP/1.1\r\ncontent-LENGTH: 5\r\n\r\nhello";
  const std::string second = "GET /b HTTP/1.1\r\n\r\n";
  client.WriteText(first);
  EXPECT_EQ(client.ReadLine(), "one");
  client.WriteText(second);
  EXPECT_EQ(client.ReadLine(), "two");
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0), first + second);
  EXPECT_EQ(peer.Failure(), "");
}

TEST(ScriptedPeer, ExchangesMoveToNewConnectionsWhenAsked) {
  ScriptedPeer peer({PeerExchange::Reply("a\r\n").Reading(PeerRead::kBytes, 2).ThenNewConnection(),
                     PeerExchange::Reply("b\r\n", PeerAction::kClose).Reading(PeerRead::kBytes, 2),
                     PeerExchange::Reply("c\r\n").Reading(PeerRead::kUntilClose)});
  TNetTCPClient client;
  for (const char* request : {"r1", "r2"}) {
    Connect(client, peer.Port());
    client.WriteText(request);
    client.ReadLine();
    client.CloseConnection();
  }
  Connect(client, peer.Port());
  client.WriteText("everything until close");
  client.CloseConnection();
  ASSERT_TRUE(peer.WaitDone());
  ASSERT_EQ(peer.Connections(), 3);
  EXPECT_EQ(peer.Received(0), "r1");
  EXPECT_EQ(peer.Received(1), "r2");
  EXPECT_EQ(peer.Received(2), "everything until close");
}

TEST(ScriptedPeer, RecordsWhatArrivesAfterTheScript) {
  ScriptedPeer peer({PeerExchange::Reply("ready\r\n")});
  TNetTCPClient client;
  Connect(client, peer.Port());
  EXPECT_EQ(client.ReadLine(), "ready");
  client.WriteText("late words");
  ASSERT_TRUE(peer.WaitReceived(0, 10));
  EXPECT_EQ(peer.Received(0), "late words");
}

TEST(ScriptedPeer, ClientClosingEarlyIsAFailure) {
  ScriptedPeer peer({PeerExchange::Reply("").Reading(PeerRead::kBytes, 10)});
  TNetTCPClient client;
  Connect(client, peer.Port());
  client.WriteText("short");
  client.CloseConnection();
  EXPECT_FALSE(peer.WaitDone());
  EXPECT_EQ(peer.Failure(), "client closed before sending 10 bytes");
  EXPECT_EQ(peer.Received(0), "short");
}

TEST(RefusedPort, RefusesEveryConnect) {
  RefusedPort refused;
  TNetTCPClient client;
  for (int i = 0; i < 3; ++i) {
    client.SetHost("127.0.0.1");
    client.SetPort(refused.Port());
    EXPECT_THROW(client.OpenConnection(), ENetSocketError);
  }
}

}  // namespace
}  // namespace lumora

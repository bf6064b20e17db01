#include "net/tcp_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "net/io_handler_socket.h"
#include "net/net_exception.h"
#include "support/expect_raises.h"
#include "support/scripted_peer.h"

namespace lumora {
namespace {

using ::testing::AllOf;
using ::testing::Property;
using ::testing::Throws;

// Collects status texts from the client and its handler, and the
// connected / disconnected notifications, in order.
struct EventLog {
  explicit EventLog(TNetTCPClient& client) {
    client.OnStatus = [this](TNetComponent&, TNetStatus, const std::string& text) {
      lines.push_back(text);
    };
    client.OnConnected = [this](TNetComponent&) { lines.push_back("OnConnected"); };
    client.OnDisconnected = [this](TNetComponent&) { lines.push_back("OnDisconnected"); };
  }
  std::vector<std::string> lines;
};

TEST(OpenConnection, UnresolvableHost) {
  TNetTCPClient client;
  EventLog log(client);
  client.SetHost("lumora-test.invalid");
  client.SetPort(80);
  EXPECT_RAISES(ENetSocketError, "Socket Error # 11001\r\nHost not found.",
                client.OpenConnection());
  EXPECT_EQ(log.lines, std::vector<std::string>{"Resolving hostname lumora-test.invalid."});
  EXPECT_EQ(client.IOHandler(), nullptr);  // the handler made for it is gone again
}

TEST(OpenConnection, RefusedPort) {
  RefusedPort refused;
  struct Row {
    const char* comment;
    int timeout_ms;
    bool timed;  // a connect with a limit reports ENetConnectException
  };
  const Row rows[] = {
      {"no limit", -1, false},
      {"zero means no limit", 0, false},
      {"limit that never passes", kNetTimeoutInfinite, true},
      {"with a limit", 2000, true},
  };
  for (const Row& r : rows) {
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(refused.Port());
    const std::string message = "Socket Error # 10061\r\nConnection refused.";
    if (r.timed) {
      EXPECT_RAISES(ENetConnectException, message, client.OpenConnection(r.timeout_ms));
    } else {
      EXPECT_THAT([&] { client.OpenConnection(r.timeout_ms); },
                  Throws<ENetSocketError>(AllOf(Property(&Exception::Message, message),
                                                Property(&ENetSocketError::LastError, 10061))))
          << r.comment;
    }
    EXPECT_FALSE(client.IsConnected()) << r.comment;
  }
}

TEST(OpenConnection, StatusAndNotificationsInOrder) {
  ScriptedPeer peer({PeerExchange::Reply("hello\r\n")});
  TNetTCPClient client;
  EventLog log(client);
  client.SetHost("localhost");
  client.SetPort(peer.Port());
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), "hello");
  client.CloseConnection();
  const std::vector<std::string> expected = {
      "Resolving hostname localhost.",
      "Connecting to 127.0.0.1.",
      "Connected.",
      "OnConnected",
      "Disconnecting.",
      "OnDisconnected",
      "Disconnected.",
  };
  EXPECT_EQ(log.lines, expected);
  EXPECT_RAISES(ENetNotConnected, "Not Connected", client.ReadLine());
}

TEST(OpenConnection, PeerCloseIsReportedOnce) {
  ScriptedPeer peer({PeerExchange::Reply("bye\r\n", PeerAction::kClose)});
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  EventLog log(client);
  EXPECT_EQ(client.ReadLine(), "bye");
  EXPECT_THROW(client.ReadLine(), ENetConnClosedGracefully);
  EXPECT_FALSE(client.IsConnected());
  EXPECT_FALSE(client.IsConnected());
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Disconnected.", "OnDisconnected"}));
}

TEST(OpenConnection, AlreadyConnected) {
  ScriptedPeer peer({PeerExchange::Reply("")});
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  EXPECT_RAISES(ENetAlreadyConnected, "Already connected.", client.OpenConnection());
  EXPECT_TRUE(client.IsConnected());  // the first connection is untouched
}

TEST(OpenConnection, ReopeningDropsWhatWasLeftInTheBuffer) {
  ScriptedPeer peer({PeerExchange::Reply("first\r\nleft over\r\n").ThenNewConnection(),
                     PeerExchange::Reply("second\r\n")});
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), "first");
  client.CloseConnection();
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), "second");
  EXPECT_EQ(peer.Connections(), 2);
}

TEST(OpenConnection, HandlerSetByTheCallerIsKept) {
  ScriptedPeer peer({PeerExchange::Reply("x\r\n", PeerAction::kClose)});
  TNetIOHandlerSocket handler;
  handler.SetUseNagle(false);
  TNetTCPClient client;
  client.SetIOHandler(&handler);
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  EXPECT_EQ(handler.Binding().PeerIP(), "127.0.0.1");
  EXPECT_EQ(handler.Binding().PeerPort(), peer.Port());
  EXPECT_NE(handler.Binding().Port(), 0);
  client.CloseConnection();
  EXPECT_EQ(client.IOHandler(), &handler);
  EXPECT_FALSE(handler.Connected());
  // Closed by us, through a handler of the caller: counts as a close.
  EXPECT_THROW(client.ReadLine(), ENetConnClosedGracefully);
}

TEST(OpenConnection, BindsWithinThePortRange) {
  ScriptedPeer peer({PeerExchange::Reply("")});
  RefusedPort taken;  // holds one port so that the range must skip it
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.SetBoundIP("127.0.0.1");
  client.SetBoundPortRange(taken.Port(), taken.Port() + 20 > 65535 ? 65535 : taken.Port() + 20);
  TNetIOHandlerSocket handler;
  client.SetIOHandler(&handler);
  client.OpenConnection();
  EXPECT_GT(handler.Binding().Port(), taken.Port());
  EXPECT_LE(handler.Binding().Port(), taken.Port() + 20);
}

TEST(OpenConnection, BindingFailures) {
  RefusedPort taken;
  struct Row {
    const char* comment;
    int port;
    int min;
    int max;
    std::string message;
  };
  const Row rows[] = {
      {"address in use", taken.Port(), 0, 0,
       "Could not bind socket. Address and port are already in use."},
      {"reversed range", 0, 5000, 4000, "Invalid Port Range (5000 - 4000)"},
      {"range of one taken port", 0, taken.Port(), taken.Port(),
       "Can not bind in port range (" + std::to_string(taken.Port()) + " - " +
           std::to_string(taken.Port()) + ")"},
  };
  for (const Row& r : rows) {
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(9);
    client.SetBoundIP("127.0.0.1");
    client.SetBoundPort(r.port);
    client.SetBoundPortRange(r.min, r.max);
    EXPECT_RAISES(ENetException, r.message, client.OpenConnection()) << r.comment;
    EXPECT_FALSE(client.IsConnected()) << r.comment;
  }
}

TEST(OpenConnection, FailingConnectedHandlerClosesAgain) {
  ScriptedPeer peer({PeerExchange::Reply("")});
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OnConnected = [](TNetComponent&) { throw ENetException("refused by the program"); };
  EXPECT_RAISES(ENetException, "refused by the program", client.OpenConnection());
  EXPECT_FALSE(client.IsConnected());
}

TEST(OpenConnection, ConnectThatHangsTimesOut) {
  // A listener with a queue of one that never accepts: once one connection
  // waits in the queue, the kernel drops further handshakes and connects hang.
  SilentListener listener(0);
  TNetTCPClient filler;
  filler.SetHost("127.0.0.1");
  filler.SetPort(listener.Port());
  filler.OpenConnection();
  struct Row {
    const char* comment;
    int timeout_ms;
    bool deadline;
  };
  const Row rows[] = {
      {"own limit", 300, false},
      {"deadline, no own limit", -1, true},
      {"deadline tighter than own limit", 60000, true},
  };
  for (const Row& r : rows) {
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(listener.Port());
    if (r.deadline)
      client.SetDeadline(std::chrono::steady_clock::now() + std::chrono::milliseconds(300));
    auto start = std::chrono::steady_clock::now();
    EXPECT_RAISES(ENetConnectTimeout, "Connect timed out.", client.OpenConnection(r.timeout_ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250))
        << r.comment;
    EXPECT_FALSE(client.IsConnected()) << r.comment;
  }
}

TEST(CheckForGracefulDisconnect, NoticesAnIdlePeerThatClosed) {
  ScriptedPeer peer({PeerExchange::Reply("", PeerAction::kClose)});
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_TRUE(client.IsConnected());  // not noticed before anything is read
  // The close may take a moment to arrive; the check looks for 1 ms only.
  for (int i = 0; i < 1000 && client.IsConnected(); ++i) client.CheckForGracefulDisconnect(false);
  EXPECT_FALSE(client.IsConnected());
}

}  // namespace
}  // namespace lumora

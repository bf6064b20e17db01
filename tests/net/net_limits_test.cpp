// Each named limit at its value and one past it. The line length and the
// managed buffer's pack size have their own tests next to their units.
#include "net/net_limits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "net/io_handler_socket.h"
#include "net/net_exception.h"
#include "net/tcp_client.h"
#include "support/expect_raises.h"
#include "support/scripted_peer.h"

namespace lumora {
namespace {

class CountingHandler : public TNetIOHandlerSocket {
 public:
  int Send(const void* buffer, int length) override {
    ++sends;
    largest = std::max(largest, length);
    return TNetIOHandlerSocket::Send(buffer, length);
  }
  int sends = 0;
  int largest = 0;
};

TEST(NetLimits, Defaults) {
  TNetTCPClient client;
  EXPECT_EQ(client.MaxLineLength(), 16384);
  EXPECT_EQ(client.RecvBufferSize(), 32768);
  EXPECT_EQ(client.SendBufferSize(), 32768);
  EXPECT_EQ(client.ReadTimeout(), 0);
}

TEST(NetLimits, OneReceiveTakesAtMostRecvBufferSize) {
  struct Row {
    size_t sent;
    std::vector<int> fills;
  };
  const Row rows[] = {
      {64, {64}},     // at the size: one receive
      {65, {64, 1}},  // one past: a second receive for the last byte
  };
  for (const Row& r : rows) {
    ScriptedPeer peer({PeerExchange::Reply(std::string(r.sent, 'r'))});
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(peer.Port());
    client.OpenConnection();
    client.SetRecvBufferSize(64);
    ASSERT_TRUE(peer.WaitDone());
    std::vector<int> fills;
    while (client.InputBuffer().Length() < static_cast<int64_t>(r.sent))
      fills.push_back(client.FillInputBuffer());
    EXPECT_EQ(fills, r.fills) << r.sent << " bytes sent";
  }
}

TEST(NetLimits, WriteFromStreamSendsPiecesOfSendBufferSize) {
  struct Row {
    size_t size;
    int sends;
  };
  const Row rows[] = {
      {10, 1},  // at the size: one piece
      {11, 2},  // one past: two pieces
  };
  for (const Row& r : rows) {
    ScriptedPeer peer({PeerExchange::Reply("").Reading(PeerRead::kBytes, r.size)});
    CountingHandler handler;
    TNetTCPClient client;
    client.SetIOHandler(&handler);
    client.SetHost("127.0.0.1");
    client.SetPort(peer.Port());
    client.OpenConnection();
    client.SetSendBufferSize(10);
    TStringStream stream(std::string(r.size, 's'));
    client.WriteFromStream(stream);
    EXPECT_EQ(handler.sends, r.sends) << r.size;
    EXPECT_LE(handler.largest, 10) << r.size;
    ASSERT_TRUE(peer.WaitDone());
    EXPECT_EQ(peer.Received(0), std::string(r.size, 's'));
  }
}

TEST(NetLimits, PortNumbers) {
  struct Row {
    int port;
    std::string message;
  };
  const Row rows[] = {
      // The largest port is a valid address (nothing listens there).
      {kNetMaxPort, "Socket Error # 10061\r\nConnection refused."},
      // One past cannot be addressed at all.
      {kNetMaxPort + 1, "Socket Error # 10049\r\nCannot assign requested address."},
      {-1, "Socket Error # 10049\r\nCannot assign requested address."},
  };
  for (const Row& r : rows) {
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(r.port);
    EXPECT_RAISES(ENetSocketError, r.message, client.OpenConnection()) << r.port;
  }
}

TEST(NetLimits, BoundPortRangeEndsAtTheLargestPort) {
  RefusedPort target;
  struct Row {
    int min;
    int max;
    std::vector<std::string> messages;  // any of these
  };
  const Row rows[] = {
      // At the limit: a valid range. The bind succeeds and the connect is
      // refused, or the port is still held by an earlier connection.
      {65535,
       65535,
       {"Socket Error # 10061\r\nConnection refused.",
        "Can not bind in port range (65535 - 65535)"}},
      // One past: not a range at all.
      {65535, 65536, {"Invalid Port Range (65535 - 65536)"}},
  };
  for (const Row& r : rows) {
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(target.Port());
    client.SetBoundIP("127.0.0.1");
    client.SetBoundPortRange(r.min, r.max);
    EXPECT_RAISES(ENetException, ::testing::AnyOfArray(r.messages), client.OpenConnection());
  }
}

TEST(NetLimits, CountPrefixIsFourBytes) {
  struct Row {
    std::string wire;
    std::string body;
  };
  const Row rows[] = {
      {std::string("\0\0\0\3abcd", 8), "abc"},  // a count that fits: 3
      {std::string("\0\0\1\0", 4) + std::string(256, 'q'), std::string(256, 'q')},  // 256
  };
  for (const Row& r : rows) {
    ScriptedPeer peer({PeerExchange::Reply(r.wire)});
    TNetTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(peer.Port());
    client.OpenConnection();
    TStringStream stream;
    client.ReadToStream(stream);
    EXPECT_EQ(stream.DataString(), r.body);
  }
}

}  // namespace
}  // namespace lumora

#include "net/tcp_connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "net/io_handler_socket.h"
#include "net/net_exception.h"
#include "net/tcp_client.h"
#include "support/expect_raises.h"
#include "support/scripted_peer.h"

namespace lumora {
namespace {

using ::testing::AnyOf;
using ::testing::Property;
using ::testing::Throws;

using std::chrono::milliseconds;
using std::chrono::steady_clock;

std::unique_ptr<TNetTCPClient> Open(int port) {
  auto client = std::make_unique<TNetTCPClient>();
  client->SetHost("127.0.0.1");
  client->SetPort(port);
  client->OpenConnection();
  return client;
}

// A memory stream that remembers the largest size it was ever given.
class SizeWatchingStream : public TMemoryStream {
 public:
  int64_t Write(const void* buffer, int64_t count) override {
    int64_t n = TMemoryStream::Write(buffer, count);
    largest = std::max(largest, Size());
    return n;
  }
  void SetSize(int64_t size) override {
    largest = std::max(largest, size);
    TMemoryStream::SetSize(size);
  }
  void Reserve(int64_t capacity) override {
    reserved = std::max(reserved, capacity);
    TMemoryStream::Reserve(capacity);
  }
  int64_t largest = 0;
  int64_t reserved = 0;
};

// The socket handler, counting the sends that reach the socket.
class CountingHandler : public TNetIOHandlerSocket {
 public:
  int Send(const void* buffer, int length) override {
    ++sends;
    return TNetIOHandlerSocket::Send(buffer, length);
  }
  int sends = 0;
};

TEST(ReadLine, LfOnlyLinesReadLikeCrLfLines) {
  struct Row {
    const char* comment;
    std::string wire;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"CR LF", "one\r\ntwo\r\n", {"one", "two"}},
      {"LF only", "one\ntwo\n", {"one", "two"}},
      {"mixed", "one\r\ntwo\nthree\r\n", {"one", "two", "three"}},
      {"empty lines", "\n\r\n", {"", ""}},
      {"only the CR before the LF goes", "a\r\r\n", {"a\r"}},
      {"a lone CR is data", "a\rb\n", {"a\rb"}},
  };
  for (const Row& r : rows) {
    ScriptedPeer peer({PeerExchange::Reply(r.wire)});
    auto client = Open(peer.Port());
    for (const std::string& line : r.lines) EXPECT_EQ(client->ReadLine(), line) << r.comment;
    EXPECT_TRUE(client->InputBuffer().Empty()) << r.comment;
  }
}

TEST(ReadLine, OtherTerminators) {
  ScriptedPeer peer({PeerExchange::Reply("a||b|c||x\r\n")});
  auto client = Open(peer.Port());
  EXPECT_EQ(client->ReadLine("||"), "a");
  EXPECT_EQ(client->ReadLine("||"), "b|c");
  EXPECT_EQ(client->ReadLine(""), "x");  // empty means LF
}

TEST(ReadLine, LinesArrivingInPiecesAreJoined) {
  PeerExchange slow =
      PeerExchange::Reply("split across\r\nmany\r\nsends\r\n", PeerAction::kTrickle);
  slow.ms = 2;
  ScriptedPeer peer({slow});
  auto client = Open(peer.Port());
  EXPECT_EQ(client->ReadLine(), "split across");
  EXPECT_EQ(client->ReadLine(), "many");
  EXPECT_EQ(client->ReadLine(), "sends");
}

TEST(ReadLine, DataStaysReadableAfterThePeerClosed) {
  ScriptedPeer peer({PeerExchange::Reply("HTTP/1.0 200 OK\r\n\r\nbody", PeerAction::kClose)});
  auto client = Open(peer.Port());
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(client->ReadLine(), "HTTP/1.0 200 OK");
  EXPECT_EQ(client->ReadLine(), "");
  EXPECT_EQ(client->ReadString(4), "body");
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.", client->ReadLine());
  EXPECT_FALSE(client->IsConnected());
  // Still closed on the next try, and writing says the same.
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.", client->ReadLine());
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.",
                client->WriteLine("more"));
}

TEST(ReadLine, PeerClosingMidLineEndsWithClosedGracefully) {
  ScriptedPeer peer({PeerExchange::Reply("complete\r\npartial", PeerAction::kClose)});
  auto client = Open(peer.Port());
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(client->ReadLine(), "complete");
  // The unterminated rest cannot become a line; the first try returns empty
  // with the flag, later ones say the peer is gone.
  EXPECT_EQ(client->ReadLine(), "");
  EXPECT_TRUE(client->ReadLnTimedOut());
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.", client->ReadLine());
  EXPECT_EQ(client->InputBuffer().View(), "partial");
}

TEST(ReadTimeout, ZeroWaitsWithoutLimit) {
  PeerExchange late = PeerExchange::Reply("late\r\n", PeerAction::kDelay);
  late.ms = 300;
  ScriptedPeer peer({late});
  auto client = Open(peer.Port());
  client->SetReadTimeout(0);
  EXPECT_EQ(client->ReadLine(), "late");
}

TEST(ReadTimeout, TwoSecondsWithoutDataRaises) {
  ScriptedPeer peer({PeerExchange::Reply("", PeerAction::kStall)});
  auto client = Open(peer.Port());
  client->SetReadTimeout(2000);
  auto start = steady_clock::now();
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout", client->ReadLine());
  EXPECT_GE(steady_clock::now() - start, milliseconds(1990));
  EXPECT_TRUE(client->IsConnected());  // a time-out leaves the connection open
}

TEST(ReadTimeout, OwnLimitOfReadLineReturnsEmpty) {
  ScriptedPeer peer({PeerExchange::Reply("no end", PeerAction::kStall)});
  auto client = Open(peer.Port());
  EXPECT_EQ(client->ReadLine("\n", 50), "");
  EXPECT_TRUE(client->ReadLnTimedOut());
  EXPECT_EQ(client->FillInputBuffer(true, 20, false), -1);
  EXPECT_EQ(client->InputBuffer().View(), "no end");
}

TEST(MaxLineLength, AtAndPastTheLimit) {
  struct Row {
    const char* comment;
    TNetMaxLineAction action;
    size_t length;
    bool raises;
    std::vector<std::string> lines;  // expected lines after it (of x's or literal)
  };
  const std::string at(16384, 'x');
  const std::string past(16385, 'x');
  const Row rows[] = {
      {"exception, at the limit", TNetMaxLineAction::maException, 16384, false, {at, "next"}},
      {"exception, one past", TNetMaxLineAction::maException, 16385, true, {}},
      {"split, at the limit", TNetMaxLineAction::maSplit, 16384, false, {at, "next"}},
      {"split, one past", TNetMaxLineAction::maSplit, 16385, false, {at, "x", "next"}},
  };
  for (const Row& r : rows) {
    std::string line(r.length, 'x');
    ScriptedPeer peer({PeerExchange::Reply(line + "\r\nnext\r\n")});
    auto client = Open(peer.Port());
    client->SetMaxLineAction(r.action);
    ASSERT_EQ(client->MaxLineLength(), 16384);
    if (r.raises) {
      EXPECT_RAISES(ENetReadLnMaxLineLengthExceeded, "Max line length exceeded.",
                    client->ReadLine());
      // The line stays in the buffer and can still be read without a limit.
      EXPECT_EQ(client->ReadLine("\n", kNetTimeoutDefault, 0), line) << r.comment;
      EXPECT_EQ(client->ReadLine(), "next") << r.comment;
      continue;
    }
    for (size_t i = 0; i < r.lines.size(); ++i) {
      EXPECT_EQ(client->ReadLine(), r.lines[i]) << r.comment << ", line " << i;
      EXPECT_EQ(client->ReadLnSplit(),
                r.action == TNetMaxLineAction::maSplit && i == 0 && r.length > 16384)
          << r.comment << ", line " << i;
    }
  }
}

TEST(MaxLineLength, UnterminatedLinePastTheLimitRaisesWithoutWaiting) {
  ScriptedPeer peer({PeerExchange::Reply(std::string(16385, 'y'), PeerAction::kStall)});
  auto client = Open(peer.Port());
  client->SetReadTimeout(5000);
  auto start = steady_clock::now();
  EXPECT_RAISES(ENetReadLnMaxLineLengthExceeded, "Max line length exceeded.", client->ReadLine());
  EXPECT_LT(steady_clock::now() - start, milliseconds(4000));
}

TEST(MaxLineLength, CrWaitingForItsLfDoesNotCount) {
  // 16384 characters and the CR arrive first, the LF later: not too long.
  std::string line(16384, 'z');
  PeerExchange lf = PeerExchange::Reply("\n", PeerAction::kDelay);
  lf.ms = 100;
  ScriptedPeer peer({PeerExchange::Reply(line + "\r"), lf});
  auto client = Open(peer.Port());
  client->SetReadTimeout(5000);
  EXPECT_EQ(client->ReadLine(), line);
}

TEST(MaxLineLength, EndlessLineKeepsMemoryAtTheLimit) {
  struct Row {
    const char* comment;
    int max_line;
    int recv_size;
    TNetMaxLineAction action;
  };
  const Row rows[] = {
      {"defaults, exception", 16384, 32768, TNetMaxLineAction::maException},
      {"defaults, split", 16384, 32768, TNetMaxLineAction::maSplit},
      {"small limit, small receives", 100, 64, TNetMaxLineAction::maSplit},
  };
  for (const Row& r : rows) {
    ScriptedPeer peer({PeerExchange::Reply(std::string(1 << 20, 'e'), PeerAction::kStall)});
    auto client = Open(peer.Port());
    client->SetReadTimeout(5000);
    client->SetMaxLineLength(r.max_line);
    client->SetRecvBufferSize(r.recv_size);
    client->SetMaxLineAction(r.action);
    const int64_t bound = r.max_line + r.recv_size;
    for (int i = 0; i < 8; ++i) {
      if (r.action == TNetMaxLineAction::maException) {
        EXPECT_THROW(client->ReadLine(), ENetReadLnMaxLineLengthExceeded) << r.comment;
      } else {
        EXPECT_EQ(client->ReadLine().size(), static_cast<size_t>(r.max_line)) << r.comment;
      }
      EXPECT_LE(client->InputBuffer().Length(), bound) << r.comment << ", read " << i;
    }
  }
}

TEST(ReadBytes, PeerClosingEarlyKeepsTheBytesThatCame) {
  ScriptedPeer peer({PeerExchange::Reply("0123456789", PeerAction::kClose)});
  auto client = Open(peer.Port());
  char buffer[20];
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.",
                client->ReadBytes(buffer, 20));
  EXPECT_EQ(client->InputBuffer().View(), "0123456789");
  client->ReadBytes(buffer, 10);
  EXPECT_EQ(std::string(buffer, 10), "0123456789");
}

TEST(ReadBytes, EnormousStringCountAllocatesNothingUpFront) {
  ScriptedPeer peer({PeerExchange::Reply("0123456789", PeerAction::kClose)});
  auto client = Open(peer.Port());
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.",
                client->ReadString(int64_t{1} << 50));
  EXPECT_EQ(client->ReadString(10), "0123456789");
}

TEST(ReadToStream, FixedCountAgainstAPeerThatClosesEarly) {
  struct Row {
    const char* comment;
    PeerAction action;
    bool until_disconnect;
    int64_t count;
    bool raises;
    std::string expected;
  };
  const std::string reply = "abcdefghijklmnopqrstuvwxyz";
  const Row rows[] = {
      {"exact count, peer stays", PeerAction::kKeepOpen, false, 26, false, reply},
      {"fewer than sent", PeerAction::kKeepOpen, false, 5, false, "abcde"},
      {"more than sent, peer closes", PeerAction::kClose, false, 40, true, reply},
      {"truncated answer", PeerAction::kTruncate, false, 26, true, reply.substr(0, 10)},
      {"until disconnect", PeerAction::kClose, true, -1, false, reply},
      {"until disconnect, truncated", PeerAction::kTruncate, true, -1, false, reply.substr(0, 10)},
  };
  for (const Row& r : rows) {
    PeerExchange e = PeerExchange::Reply(reply, r.action);
    e.bytes = 10;
    ScriptedPeer peer({e});
    auto client = Open(peer.Port());
    TStringStream stream;
    if (r.raises) {
      EXPECT_THROW(client->ReadToStream(stream, r.count, r.until_disconnect),
                   ENetConnClosedGracefully)
          << r.comment;
    } else {
      EXPECT_NO_THROW(client->ReadToStream(stream, r.count, r.until_disconnect)) << r.comment;
    }
    EXPECT_EQ(stream.DataString(), r.expected) << r.comment;
  }
}

TEST(ReadToStream, CountPrefixInNetworkOrder) {
  ScriptedPeer peer({PeerExchange::Reply(std::string("\0\0\0\5hello+rest", 14))});
  auto client = Open(peer.Port());
  TStringStream stream;
  client->ReadToStream(stream);
  EXPECT_EQ(stream.DataString(), "hello");
  EXPECT_EQ(client->ReadString(5), "+rest");
}

TEST(ReadToStream, EnormousAnnouncedCountAllocatesOnlyWhatArrives) {
  struct Row {
    const char* comment;
    std::string wire;
    int64_t count;
  };
  const std::string body(100, 'b');
  const Row rows[] = {
      {"4 GiB prefix", std::string("\xff\xff\xff\xff", 4) + body, -1},
      {"fixed count of 2^62", body, int64_t{1} << 62},
  };
  for (const Row& r : rows) {
    ScriptedPeer peer({PeerExchange::Reply(r.wire, PeerAction::kClose)});
    auto client = Open(peer.Port());
    SizeWatchingStream stream;
    EXPECT_THROW(client->ReadToStream(stream, r.count), ENetConnClosedGracefully) << r.comment;
    EXPECT_EQ(stream.Data(), body) << r.comment;
    EXPECT_EQ(stream.largest, 100) << r.comment;
    EXPECT_LE(stream.reserved, kNetMaxReserveBytes) << r.comment;
  }
}

TEST(ReadToStream, AnAnnouncedCountIsReservedOnceAfterThePosition) {
  // Room made up front: a large body is not copied each time the stream grows.
  const std::string body(200000, 'b');
  ScriptedPeer peer({PeerExchange::Reply(body)});
  auto client = Open(peer.Port());
  SizeWatchingStream stream;
  stream.WriteString("head");
  client->ReadToStream(stream, static_cast<int64_t>(body.size()));
  EXPECT_EQ(stream.reserved, 4 + static_cast<int64_t>(body.size()));
  EXPECT_EQ(stream.Data().substr(4), body);
}

TEST(ReadToStream, WritesAtThePositionAndEndsThere) {
  ScriptedPeer peer({PeerExchange::Reply("NEW")});
  auto client = Open(peer.Port());
  TStringStream stream("old-content");
  stream.SetPosition(4);
  client->ReadToStream(stream, 3);
  EXPECT_EQ(stream.DataString(), "old-NEW");
}

TEST(ReadToStream, ReportsReadProgress) {
  ScriptedPeer peer({PeerExchange::Reply(std::string(1000, 'p'))});
  auto client = Open(peer.Port());
  std::vector<int64_t> begins, totals;
  int ends = 0;
  client->OnWorkBegin = [&](TNetComponent&, TWorkMode m, int64_t max) {
    if (m == TWorkMode::wmRead) begins.push_back(max);
  };
  client->OnWork = [&](TNetComponent&, TWorkMode, int64_t total) { totals.push_back(total); };
  client->OnWorkEnd = [&](TNetComponent&, TWorkMode) { ++ends; };
  TStringStream stream;
  client->ReadToStream(stream, 1000);
  EXPECT_EQ(begins, std::vector<int64_t>{1000});
  ASSERT_FALSE(totals.empty());
  EXPECT_EQ(totals.back(), 1000);
  EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end()));
  EXPECT_EQ(ends, 1);
}

TEST(BufferedWrite, ReachesThePeerAsOnePiece) {
  const std::string head = "POST /translate HTTP/1.1\r\nHost: peer\r\nContent-Length: 4\r\n\r\n";
  ScriptedPeer peer({PeerExchange::Http("HTTP/1.1 200 OK\r\n")});
  CountingHandler handler;
  TNetTCPClient client;
  client.SetIOHandler(&handler);
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  client.StartBufferedWrite();
  client.WriteLine("POST /translate HTTP/1.1");
  client.WriteLine("Host: peer");
  client.WriteLine("Content-Length: 4");
  client.WriteLine("");
  client.WriteText("body");
  EXPECT_EQ(handler.sends, 0);
  client.FinishBufferedWrite();
  EXPECT_FALSE(client.WriteBuffering());
  EXPECT_EQ(handler.sends, 1);
  EXPECT_EQ(client.ReadLine(), "HTTP/1.1 200 OK");
  EXPECT_EQ(peer.Pieces(0), std::vector<std::string>{head + "body"});
}

TEST(BufferedWrite, ThresholdSendsWholePieces) {
  ScriptedPeer peer({PeerExchange::Reply("").Reading(PeerRead::kBytes, 25)});
  CountingHandler handler;
  TNetTCPClient client;
  client.SetIOHandler(&handler);
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  client.StartBufferedWrite(10);
  client.WriteText("0123456");  // 7 held
  EXPECT_EQ(handler.sends, 0);
  client.WriteText("789abcdefghijklmn");  // 24 held: two pieces of 10 go, 4 stay
  EXPECT_EQ(handler.sends, 2);
  client.WriteText("o");
  client.FinishBufferedWrite();
  EXPECT_EQ(handler.sends, 3);
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0), "0123456789abcdefghijklmno");
}

TEST(WriteFromStream, SendsInPiecesWithNestedProgress) {
  const std::string data(35, 'd');
  ScriptedPeer peer({PeerExchange::Reply("").Reading(PeerRead::kBytes, 39)});
  auto client = Open(peer.Port());
  client->SetSendBufferSize(10);
  std::vector<std::string> log;
  client->OnWorkBegin = [&](TNetComponent&, TWorkMode m, int64_t max) {
    if (m == TWorkMode::wmWrite) log.push_back("begin " + std::to_string(max));
  };
  client->OnWork = [&](TNetComponent&, TWorkMode m, int64_t total) {
    if (m == TWorkMode::wmWrite) log.push_back(std::to_string(total));
  };
  client->OnWorkEnd = [&](TNetComponent&, TWorkMode m) {
    if (m == TWorkMode::wmWrite) log.push_back("end");
  };
  TStringStream stream(data);
  stream.SetPosition(20);  // "all" rewinds
  client->WriteFromStream(stream, true, true);
  // The 4-byte count goes first, outside the stream's level, so no event.
  EXPECT_EQ(log, (std::vector<std::string>{"begin 35", "10", "20", "30", "35", "end"}));
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0), std::string("\0\0\0\x23", 4) + data);

  // Inside an outer level of the caller the stream's events are folded in.
  log.clear();
  client->BeginWork(TWorkMode::wmWrite, 100);
  TStringStream more("abc");
  client->WriteFromStream(more);
  client->EndWork(TWorkMode::wmWrite);
  EXPECT_EQ(log, (std::vector<std::string>{"begin 100", "3", "end"}));
}

// A stream that claims 100 bytes but delivers only its first 9.
class ShortStream : public TStream {
 public:
  int64_t Read(void* buffer, int64_t count) override {
    int64_t n = std::min<int64_t>(count, static_cast<int64_t>(text_.size()) - position_);
    if (n <= 0) return 0;
    std::memcpy(buffer, text_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    position_ = origin == TSeekOrigin::soBeginning ? offset
                : origin == TSeekOrigin::soCurrent ? position_ + offset
                                                   : 100 + offset;
    return position_;
  }

 private:
  std::string text_ = "only this";
  int64_t position_ = 0;
};

TEST(WriteFromStream, StreamRunningDryRaises) {
  ScriptedPeer peer({PeerExchange::Reply("").Reading(PeerRead::kUntilClose)});
  auto client = Open(peer.Port());
  ShortStream stream;
  EXPECT_RAISES(ENetNoDataToRead, "No data to read.", client->WriteFromStream(stream));
  client->CloseConnection();
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0), "only this");
}

TEST(WriteFromStream, PartOfAStream) {
  ScriptedPeer peer({PeerExchange::Reply("").Reading(PeerRead::kBytes, 4)});
  auto client = Open(peer.Port());
  TStringStream stream("0123456789");
  stream.SetPosition(3);
  client->WriteFromStream(stream, false, false, 4);
  ASSERT_TRUE(peer.WaitDone());
  EXPECT_EQ(peer.Received(0), "3456");
}

TEST(Writing, WithoutAConnectionRaisesNotConnected) {
  TNetTCPClient client;
  EXPECT_RAISES(ENetNotConnected, "Not Connected", client.WriteLine("x"));
  EXPECT_RAISES(ENetNotConnected, "Not Connected", client.ReadLine());
  EXPECT_EQ(client.FillInputBuffer(false), 0);
  EXPECT_FALSE(client.IsConnected());
}

TEST(Writing, PeerThatResetsNeverKillsTheProcess) {
  SilentListener listener;
  auto client = Open(listener.Port());
  listener.Close();  // resets the queued connection
  std::string block(65536, 's');
  EXPECT_THAT(
      [&] {
        for (int i = 0; i < 100; ++i) client->WriteText(block);
      },
      Throws<ENetSocketError>(Property(&ENetSocketError::LastError, AnyOf(10054, 10058, 10053))));
  EXPECT_FALSE(client->IsConnected());
}

TEST(Receiving, ResetWhileReadingIsASocketError) {
  SilentListener listener;
  auto client = Open(listener.Port());
  listener.Close();  // resets the queued connection
  EXPECT_RAISES(ENetSocketError, "Socket Error # 10054\r\nConnection reset by peer.",
                client->ReadLine());
  EXPECT_FALSE(client->IsConnected());  // the socket is closed after the error
}

TEST(Receiving, AsciiFilterClearsTheTopBit) {
  ScriptedPeer peer({PeerExchange::Reply("\xc1\xe2\x63\r\n")});
  auto client = Open(peer.Port());
  client->SetASCIIFilter(true);
  EXPECT_EQ(client->ReadLine(), "Abc");
}

// Upper-cases what arrives and tags what leaves.
class ShoutingIntercept : public TNetConnectionIntercept {
 public:
  void Receive(std::string& bytes) override {
    for (char& c : bytes) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  void Send(std::string& bytes) override { bytes = "<" + bytes + ">"; }
};

TEST(Receiving, InterceptSeesBothDirections) {
  ScriptedPeer peer({PeerExchange::Reply("quiet\r\n").Reading(PeerRead::kBytes, 5)});
  ShoutingIntercept intercept;
  TNetTCPClient client;
  client.SetIntercept(&intercept);
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.OpenConnection();
  client.WriteText("hi!");
  EXPECT_EQ(client.ReadLine(), "QUIET");
  EXPECT_EQ(peer.Received(0), "<hi!>");
}

TEST(Deadline, EndsAPeerThatTricklesOneByteAtATime) {
  PeerExchange trickle = PeerExchange::Reply(std::string(500, 't'), PeerAction::kTrickle);
  trickle.ms = 20;  // every byte well within ReadTimeout
  ScriptedPeer peer({trickle});
  auto client = Open(peer.Port());
  client->SetReadTimeout(1000);
  client->SetDeadline(steady_clock::now() + milliseconds(300));
  auto start = steady_clock::now();
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout", client->ReadLine());
  auto took = steady_clock::now() - start;
  EXPECT_GE(took, milliseconds(250));
  EXPECT_LT(took, milliseconds(3000));
  EXPECT_FALSE(client->InputBuffer().Empty());  // it did get bytes before
}

TEST(Deadline, EndsASendThePeerNeverTakes) {
  SilentListener listener;
  auto client = Open(listener.Port());
  client->SetDeadline(steady_clock::now() + milliseconds(300));
  std::string block(1 << 20, 'w');
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout",
                for (int i = 0; i < 256; ++i) client->WriteText(block));
  EXPECT_FALSE(client->IsConnected());
}

TEST(Deadline, PassedDeadlineStopsTheConnect) {
  ScriptedPeer peer({});
  TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(peer.Port());
  client.SetDeadline(steady_clock::now() - milliseconds(1));
  EXPECT_RAISES(ENetConnectTimeout, "Connect timed out.", client.OpenConnection());
  EXPECT_FALSE(client.IsConnected());
  client.SetDeadline(std::nullopt);
  client.OpenConnection();
  EXPECT_TRUE(client.IsConnected());
}

TEST(Deadline, DataAlreadyBufferedIsReadPastIt) {
  ScriptedPeer peer({PeerExchange::Reply("one\r\ntwo\r\n")});
  auto client = Open(peer.Port());
  EXPECT_EQ(client->ReadLine(), "one");
  client->SetDeadline(steady_clock::now() - milliseconds(1));
  EXPECT_EQ(client->ReadLine(), "two");
  EXPECT_RAISES(ENetReadTimeout, "Read Timeout", client->ReadLine());
}

}  // namespace
}  // namespace lumora

#pragma once
// A blocking TCP connection with an input buffer: lines and byte counts are
// read out of the buffer, which is filled from the I/O handler as needed;
// writes go straight to the handler or, between StartBufferedWrite and
// FinishBufferedWrite, into a write buffer that is sent in one piece.
//
// Time limits are in milliseconds. Besides ReadTimeout a caller may set an
// overall deadline: once it has passed, every wait for data and every send
// raises ENetReadTimeout (a connect raises ENetConnectTimeout).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/stream.h"
#include "net/connection_intercept.h"
#include "net/io_handler.h"
#include "net/managed_buffer.h"
#include "net/net_component.h"
#include "net/net_limits.h"
#include "net/net_time.h"

namespace lumora {

enum class TNetMaxLineAction { maException, maSplit };

using TNetNotifyEvent = std::function<void(TNetComponent& sender)>;

class TNetTCPConnection : public TNetComponent {
 public:
  TNetTCPConnection();
  ~TNetTCPConnection() override;

  TNetNotifyEvent OnDisconnected;

  // Settings.
  bool ASCIIFilter() const { return ascii_filter_; }
  // Clears the top bit of every received byte.
  void SetASCIIFilter(bool on) { ascii_filter_ = on; }
  TNetConnectionIntercept* Intercept() const { return intercept_; }
  void SetIntercept(TNetConnectionIntercept* intercept) { intercept_ = intercept; }
  TNetIOHandler* IOHandler() const { return io_handler_; }
  // A handler set here is not owned. Without one, OpenConnection makes a
  // TNetIOHandlerSocket that is freed again by CloseConnection.
  void SetIOHandler(TNetIOHandler* handler);
  int MaxLineLength() const { return max_line_length_; }
  // 0 means no limit.
  void SetMaxLineLength(int length) { max_line_length_ = length; }
  TNetMaxLineAction MaxLineAction() const { return max_line_action_; }
  void SetMaxLineAction(TNetMaxLineAction action) { max_line_action_ = action; }
  int ReadTimeout() const { return read_timeout_; }
  // Milliseconds a read waits for data; 0 means no limit.
  void SetReadTimeout(int ms) { read_timeout_ = ms; }
  int RecvBufferSize() const { return recv_buffer_size_; }
  void SetRecvBufferSize(int size) { recv_buffer_size_ = size > 0 ? size : 1; }
  int SendBufferSize() const { return send_buffer_size_; }
  void SetSendBufferSize(int size) { send_buffer_size_ = size > 0 ? size : 1; }
  const TNetDeadline& Deadline() const { return deadline_; }
  void SetDeadline(TNetDeadline deadline) { deadline_ = deadline; }

  // State.
  TNetManagedBuffer& InputBuffer() { return input_buffer_; }
  bool ClosedGracefully() const { return closed_gracefully_; }
  // Whether the last ReadLine returned only part of a line (maSplit), or
  // returned empty because its own time limit passed.
  bool ReadLnSplit() const { return read_ln_split_; }
  bool ReadLnTimedOut() const { return read_ln_timed_out_; }
  bool WriteBuffering() const { return write_buffer_ != nullptr; }

  // Reading. A read that needs more data than is buffered waits for it and
  // raises ENetConnClosedGracefully once the peer has closed and the buffer
  // cannot satisfy it; bytes already received stay readable after a close.

  // One line up to terminator (empty: LF), which is removed; with LF a CR
  // before it is removed too. timeout_ms: kNetTimeoutDefault uses ReadTimeout
  // and raises ENetReadTimeout; any other limit returns "" and sets
  // ReadLnTimedOut instead. max_length -1 uses MaxLineLength; a longer line
  // raises ENetReadLnMaxLineLengthExceeded (the line stays buffered) or, with
  // maSplit, returns its first max_length bytes. The buffer never holds more
  // than max_length plus one receive while a line is sought.
  virtual std::string ReadLine(std::string_view terminator = "\n",
                               int timeout_ms = kNetTimeoutDefault, int max_length = -1);
  // Exactly count bytes into buffer. When the peer closes first, the bytes
  // that came stay in the input buffer.
  void ReadBytes(void* buffer, int64_t count);
  // As ReadBytes, into a string made only when the bytes are there.
  std::string ReadString(int64_t count);
  // Appends to stream at its position: count bytes; or, with count -1 and
  // not until_disconnect, as many as a 4-byte big-endian prefix says; or,
  // with until_disconnect, everything until the peer closes. Memory grows
  // with the data received; an announced count only reserves address space
  // (up to kNetMaxReserveBytes) through TStream::Reserve. A fixed count
  // cut short by the peer keeps the bytes that came and raises
  // ENetConnClosedGracefully. The stream ends at the last byte written.
  void ReadToStream(TStream& stream, int64_t count = -1, bool until_disconnect = false);
  // Everything until the peer closes.
  virtual std::string ReadAll();

  // Reads once from the handler into the input buffer. timeout_ms
  // kNetTimeoutDefault means ReadTimeout (0 = no limit), kNetTimeoutInfinite
  // no limit. Returns the bytes read, 0 when the connection is (or became)
  // closed without raising, -1 when the limit passed and raise_on_timeout is
  // off.
  virtual int FillInputBuffer(bool raise_if_disconnected = true,
                              int timeout_ms = kNetTimeoutDefault, bool raise_on_timeout = true);

  // Writing. Each raises ENetNotConnected without a connection and
  // ENetConnClosedGracefully once the peer has closed.
  void WriteBytes(const void* buffer, int64_t count, bool write_now = false);
  virtual void WriteText(std::string_view text);
  // text followed by CR LF, in one write.
  virtual void WriteLine(std::string_view text);
  // From stream: with all, the whole stream from position 0; else from its
  // position, size bytes (0: to its end). write_byte_count first sends the
  // count as a 4-byte big-endian integer. A stream that runs dry early raises
  // ENetNoDataToRead.
  virtual void WriteFromStream(TStream& stream, bool all = true, bool write_byte_count = false,
                               int64_t size = 0);
  // Collects writes until FinishBufferedWrite; with a threshold above 0,
  // sends whenever that many bytes are held.
  void StartBufferedWrite(int64_t threshold = 0);
  // Sends everything collected in one write and drops the buffer, also when
  // sending fails. Does nothing when not buffering.
  void FinishBufferedWrite();
  // Drops what was collected without sending it.
  void CancelBufferedWrite();

  // Connection state.
  // Raises ENetConnClosedGracefully when the connection is lost and
  // raise_if_disconnected is set, unless data is buffered (ignore_buffer
  // raises regardless). A peer's close is noticed here: the socket is closed,
  // hsDisconnected sent and OnDisconnected called.
  virtual bool CheckConnectionLost(bool raise_if_disconnected = true, bool ignore_buffer = false);
  // Whether the peer closed an idle connection: looks for data for 1 ms.
  virtual void CheckForGracefulDisconnect(bool raise_if_disconnected = true);
  virtual bool IsConnected();
  // Sends hsDisconnecting, closes, frees a handler made by OpenConnection,
  // calls OnDisconnected, sends hsDisconnected.
  virtual void CloseConnection();

 protected:
  virtual void DoOnDisconnected();
  // Closes the transport without events and frees a handler made by
  // OpenConnection.
  virtual void CloseSocket();
  // Clears the input buffer and the closed flag for a new connection.
  virtual void ResetConnection();
  // Makes the default handler when none is set; returns the one to use.
  TNetIOHandler& EnsureIOHandler();
  // Waits for data within timeout_ms (-1 no limit) and the deadline: false
  // when the own limit passed; raises ENetReadTimeout at the deadline.
  bool WaitReadable(int timeout_ms);

 private:
  void SendNow(const char* bytes, int64_t count);
  void CheckWritable();

  bool ascii_filter_ = false;
  TNetConnectionIntercept* intercept_ = nullptr;
  TNetIOHandler* io_handler_ = nullptr;
  std::unique_ptr<TNetIOHandler> owned_handler_;
  int max_line_length_ = kNetDefaultMaxLineLength;
  TNetMaxLineAction max_line_action_ = TNetMaxLineAction::maException;
  int read_timeout_ = 0;
  int recv_buffer_size_ = kNetDefaultRecvBufferSize;
  int send_buffer_size_ = kNetDefaultSendBufferSize;
  TNetDeadline deadline_;

  bool closed_gracefully_ = false;
  bool peer_closed_ = false;  // the close came from the peer, not from us
  TNetManagedBuffer input_buffer_;
  std::vector<char> recv_scratch_;
  std::unique_ptr<TNetSimpleBuffer> write_buffer_;
  int64_t write_buffer_threshold_ = 0;
  bool read_ln_split_ = false;
  bool read_ln_timed_out_ = false;
};

}  // namespace lumora

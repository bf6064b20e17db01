#pragma once
// Every size and time limit of the connection layer, in one place.

#include <cstdint>

namespace lumora {

// Longest line ReadLine accepts by default (MaxLineLength); 0 means no limit.
inline constexpr int kNetDefaultMaxLineLength = 16384;
// Bytes asked of the socket per receive (RecvBufferSize).
inline constexpr int kNetDefaultRecvBufferSize = 32768;
// Largest piece handed to one send by WriteFromStream (SendBufferSize).
inline constexpr int kNetDefaultSendBufferSize = 32768;
// The managed input buffer moves its unread bytes to the front once this many
// bytes have been consumed from it.
inline constexpr int64_t kNetManagedBufferPackSize = 32768;
// ReadToStream with a 4-byte length prefix: the prefix's size in bytes.
inline constexpr int kNetStreamCountPrefixSize = 4;
// Time limit of the check for a peer that closed while the connection was idle.
inline constexpr int kNetGracefulDisconnectCheckMs = 1;
// Largest port number of a TCP endpoint.
inline constexpr int kNetMaxPort = 65535;

// ReadToStream makes room for an announced count up to this many bytes at
// once: address space only, which costs memory as bytes arrive, so a large
// body is never copied as it grows, and a false claim costs nothing.
inline constexpr int64_t kNetMaxReserveBytes = int64_t{256} << 20;

// Time-limit values of the read and connect calls.
inline constexpr int kNetTimeoutDefault = -1;   // use the connection's setting
inline constexpr int kNetTimeoutInfinite = -2;  // wait without limit

}  // namespace lumora

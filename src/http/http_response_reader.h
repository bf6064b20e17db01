#pragma once
// Reads a response off a buffered connection: the status line and header
// block into the response object, and the body as the head frames it.
// Nothing here touches a socket; any TNetTCPConnection will do.

#include "base/stream.h"
#include "http/http_message.h"
#include "net/tcp_connection.h"

namespace lumora {

// One status line into ResponseText and its header block (ReadHeaderBlock).
void ReadStatusAndHeaders(TNetTCPConnection& connection, TNetHTTPResponse& response);

// Header lines up to the empty line into HeaderLines, then parses them. A
// peer that closes inside the block leaves the lines read so far. Raises
// ENetHTTPResponseInvalid past kMaxHeaderBlockBytes or kMaxHeaderLines.
void ReadHeaderBlock(TNetTCPConnection& connection, TNetHTTPResponse& response);

// The body of a response to method, appended to stream, framed as
// DecideBodyFraming says. A body cut short keeps what arrived and raises
// ENetConnClosedGracefully; a bad chunk-size line raises
// ENetHTTPResponseInvalid.
void ReadResponseBody(TNetTCPConnection& connection, TNetHTTPResponse& response,
                      TNetHTTPMethod method, TStream& stream);

// Reads and drops a body nobody wants (a redirect's, one before a retry),
// each read waiting at most kDiscardBodyReadTimeoutMs; its errors are
// ignored.
void DiscardResponseBody(TNetTCPConnection& connection, TNetHTTPResponse& response,
                         TNetHTTPMethod method);

// Raises ENetHTTPProtocolException for the response's status, carrying the
// body (each read waiting at most kErrorBodyReadTimeoutMs, at most
// kMaxErrorBodyBytes kept; a longer one closes the connection). A body cut
// short is kept as it came; any other error while reading it is raised in
// its place.
[[noreturn]] void RaiseHTTPError(TNetTCPConnection& connection, TNetHTTPResponse& response,
                                 TNetHTTPMethod method);

}  // namespace lumora

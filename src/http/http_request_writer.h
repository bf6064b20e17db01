#pragma once
// Puts one request on the wire: the request line, the header lines already
// built into the request, the empty line and the body.

#include "http/http_message.h"
#include "net/tcp_connection.h"

namespace lumora {

const char* ProtocolVersionText(TNetHTTPProtocolVersion version);
// The request-line word with its trailing blank; empty for hmDelete, which
// the head writer has no word for.
const char* MethodWord(TNetHTTPMethod method);

// Writes request.HeaderLines as they stand. POST and PUT send the whole
// source stream from position 0; a body that fits in one send buffer joins
// the head in a single write, so it never waits on the peer's ACK.
void WriteRequest(TNetTCPConnection& connection, const TNetHTTPRequest& request,
                  TNetHTTPProtocolVersion version);

}  // namespace lumora

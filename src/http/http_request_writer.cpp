#include "http/http_request_writer.h"

#include <string>

namespace lumora {

const char* ProtocolVersionText(TNetHTTPProtocolVersion version) {
  return version == pv1_0 ? "1.0" : "1.1";
}

const char* MethodWord(TNetHTTPMethod method) {
  switch (method) {
    case hmHead:
      return "HEAD ";
    case hmGet:
      return "GET ";
    case hmPost:
      return "POST ";
    case hmOptions:
      return "OPTIONS ";
    case hmTrace:
      return "TRACE ";
    case hmPut:
      return "PUT ";
    case hmConnect:
      return "CONNECT ";
    case hmDelete:
      return "";
  }
  return "";
}

void WriteRequest(TNetTCPConnection& connection, const TNetHTTPRequest& request,
                  TNetHTTPProtocolVersion version) {
  connection.StartBufferedWrite(0);
  try {
    connection.WriteText(std::string(MethodWord(request.Method)) + request.URL + " HTTP/" +
                         ProtocolVersionText(version) + "\r\n");
    for (const std::string& line : request.HeaderLines)
      if (!line.empty()) connection.WriteText(line + "\r\n");
    connection.WriteText("\r\n");
    bool has_body = (request.Method == hmPost || request.Method == hmPut) && request.Source;
    if (has_body && request.Source->Size() <= connection.SendBufferSize()) {
      connection.WriteFromStream(*request.Source, true, false, 0);
      has_body = false;
    }
    connection.FinishBufferedWrite();
    if (has_body) connection.WriteFromStream(*request.Source, true, false, 0);
  } catch (...) {
    connection.CancelBufferedWrite();
    throw;
  }
}

}  // namespace lumora

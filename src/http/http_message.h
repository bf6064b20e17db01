#pragma once
// The request and response objects of TNetHTTP and the small value types of
// an exchange. The component keeps one of each and reuses them.

#include <cstdint>
#include <string>

#include "base/stream.h"
#include "http/header_info.h"

namespace lumora {

enum TNetHTTPMethod { hmHead, hmGet, hmPost, hmOptions, hmTrace, hmPut, hmDelete, hmConnect };

enum TNetHTTPOption : unsigned {
  hoInProcessAuth = 1u << 0,
  hoKeepOrigProtocol = 1u << 1,
  hoForceEncodeParams = 1u << 2,
};
using TNetHTTPOptions = unsigned;

enum TNetHTTPProtocolVersion { pv1_0, pv1_1 };

enum TNetConnectionKind { ckDirect, ckSecure, ckProxy, ckSecureProxy };

enum TNetNextStep { nsFollow, nsDone, nsUndecided, nsReadAndRetry, nsAuthRetry };

class TNetHTTPRequest : public TNetRequestHeaderInfo {
 public:
  std::string URL;
  TNetHTTPMethod Method = hmGet;
  TStream* Source = nullptr;  // not owned
  TNetConnectionKind ConnectionKind = ckDirect;
};

class TNetCustomHTTP;

class TNetHTTPResponse : public TNetResponseHeaderInfo {
 public:
  explicit TNetHTTPResponse(TNetCustomHTTP* owner) : owner_(owner) {}

  // The code read from ResponseText (-1 when it does not parse); also stored.
  int StatusCode();
  int ResponseCode() const { return response_code_; }
  // Recomputed on every call from the connection state and the headers.
  bool IsKeepAlive();

  std::string ResponseText;          // the status line, CR LF removed
  TStream* ContentStream = nullptr;  // not owned
  TNetHTTPProtocolVersion ResponseVersion = pv1_1;

 private:
  TNetCustomHTTP* owner_;
  int response_code_ = 0;
  bool keep_alive_ = false;
};

}  // namespace lumora

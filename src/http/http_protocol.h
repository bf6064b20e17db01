#pragma once
// The request and response of the component, and the decision what the
// exchange loop does after a response head: finish, follow a redirect, retry
// with credentials, or raise the HTTP error.

#include <string>

#include "http/http_message.h"

namespace lumora {

class TNetCustomHTTP;

class TNetHTTPProtocol {
 public:
  explicit TNetHTTPProtocol(TNetCustomHTTP* owner) : Response(owner), owner_(owner) {}

  // Reads or drops the body as the decision needs, and raises the HTTP error
  // for a status it does not accept.
  TNetNextStep DecideNextStep();

  TNetHTTPRequest Request;
  TNetHTTPResponse Response;

 private:
  // A redirect to another origin takes no credentials along.
  void DropCredentialsForNewOrigin(const std::string& location);

  TNetCustomHTTP* owner_;
};

}  // namespace lumora

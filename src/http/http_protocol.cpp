#include "http/http_protocol.h"

#include "base/text.h"
#include "http/http_client.h"
#include "http/http_response_reader.h"

namespace lumora {

TNetNextStep TNetHTTPProtocol::DecideNextStep() {
  TNetCustomHTTP& http = *owner_;
  const int code = Response.StatusCode();
  TNetNextStep result = nsUndecided;
  bool send_credentials = false;

  if ((code / 100 == 3 && code != 304) || !Response.Location.empty()) {
    std::string location = Response.Location;
    TNetHTTPMethod method = Request.Method;
    const int count = http.RedirectCount();
    if (http.HandleRedirects && count < http.RedirectMaximum) {
      if (!http.RedirectAllowed(location, method, count))
        RaiseHTTPError(http, Response, Request.Method);
      result = nsFollow;
      DropCredentialsForNewOrigin(location);
      Request.URL = location;
      Request.Method = method;
    } else {
      result = nsDone;
      if (!http.RedirectAllowed(location, method, count))
        RaiseHTTPError(http, Response, Request.Method);
      Response.Location = location;
    }
    if (http.IsConnected()) DiscardResponseBody(http, Response, Request.Method);
    return result;
  }

  if (code / 100 != 2) {
    result = nsFollow;
    if (code == 401 || code == 407) {
      const bool proxy = code == 407;
      const int retries = proxy ? http.ProxyAuthRetryCount() : http.ServerAuthRetryCount();
      const bool authorized =
          retries < http.AuthRetries && (proxy ? http.AuthorizeProxy() : http.AuthorizeServer());
      if (!authorized) {
        auto& auth = proxy ? http.ProxyParams().Authentication : Request.Authentication;
        if (auth) auth->Reset();
        RaiseHTTPError(http, Response, Request.Method);
      }
      if (http.HTTPOptions & hoInProcessAuth) send_credentials = true;
    } else {
      RaiseHTTPError(http, Response, Request.Method);
    }
  }

  if (http.IsConnected()) {
    if (send_credentials) {
      DiscardResponseBody(http, Response, Request.Method);
      result = nsAuthRetry;
    } else {
      if (code != 204) http.ReadBody(Response);
      result = nsDone;
    }
  }
  return result;
}

void TNetHTTPProtocol::DropCredentialsForNewOrigin(const std::string& location) {
  const TNetURI& current = owner_->URL();
  TNetURI target(location);
  if (target.Host().empty()) return;
  std::string protocol = target.Protocol().empty() ? "http" : target.Protocol();
  std::string port = target.Port();
  if (port.empty()) port = SameText(protocol, "https") ? "443" : "80";
  if (SameText(target.Host(), current.Host()) && SameText(protocol, current.Protocol()) &&
      port == current.Port())
    return;
  Request.Username.clear();
  Request.Password.clear();
  Request.BasicAuthentication = false;
  Request.Authentication.reset();
}

}  // namespace lumora

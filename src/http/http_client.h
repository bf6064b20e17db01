#pragma once
// TNetHTTP: a blocking HTTP/1.0 and 1.1 client over TNetTCPClient, with the
// request and response header objects, a redirect and authentication loop,
// cookies and proxy support. One exchange at a time, on the caller's thread.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/stream.h"
#include "http/authentication.h"
#include "http/cookie_manager.h"
#include "http/http_message.h"
#include "http/http_protocol.h"
#include "http/uri.h"
#include "net/tcp_client.h"

namespace lumora {

// Proxy settings; a different server or port drops the proxy credentials in use.
class TNetProxyConnectionInfo {
 public:
  bool BasicAuthentication = false;
  std::string ProxyPassword;
  std::string ProxyUsername;
  std::unique_ptr<TNetAuthentication> Authentication;

  const std::string& ProxyServer() const { return proxy_server_; }
  void SetProxyServer(const std::string& server);
  int ProxyPort() const { return proxy_port_; }
  void SetProxyPort(int port);

 private:
  std::string proxy_server_;
  int proxy_port_ = 0;
};

using TNetRedirectEvent =
    std::function<void(TNetCustomHTTP& sender, std::string& dest, int& num_redirect, bool& handled,
                       TNetHTTPMethod& method)>;
using TNetSelectAuthorizationEvent =
    std::function<void(TNetCustomHTTP& sender, TNetAuthenticationFactory& authentication_class,
                       const std::vector<std::string>& auth_info)>;
using TNetAuthorizationEvent =
    std::function<void(TNetCustomHTTP& sender, TNetAuthentication& authentication, bool& handled)>;

class TNetCustomHTTP : public TNetTCPClient {
 public:
  TNetCustomHTTP();
  ~TNetCustomHTTP() override;

  // POST entry points: every POST starts on a fresh connection; without
  // hoKeepOrigProtocol the request goes out as HTTP/1.0.
  std::string PostToString(const std::string& url, TStream* source);
  void PostToStream(const std::string& url, TStream* source, TStream* response);
  // GET and HEAD reuse a kept-alive connection.
  std::string Get(const std::string& url);
  void Get(const std::string& url, TStream* response);
  void Head(const std::string& url);

  // One exchange with its redirect and authentication loop.
  virtual void ExecuteRequest(TNetHTTPMethod method, const std::string& url, TStream* source,
                              TStream* response);

  TNetHTTPRequest& Request() { return protocol_.Request; }
  TNetHTTPResponse& Response() { return protocol_.Response; }
  int ResponseCode() { return Response().StatusCode(); }
  const std::string& ResponseText() { return Response().ResponseText; }
  const TNetURI& URL() const { return uri_; }
  TNetProxyConnectionInfo& ProxyParams() { return proxy_params_; }

  // Settings, with their defaults.
  int AuthRetries = 3;
  bool AllowCookies = true;
  TNetHTTPOptions HTTPOptions = hoForceEncodeParams;
  int RedirectMaximum = 15;
  bool HandleRedirects = false;
  TNetHTTPProtocolVersion ProtocolVersion = pv1_1;
  // Milliseconds for opening a connection; -1 takes ReadTimeout, 0 waits without limit.
  int ConnectTimeout = -1;

  // The cookie store: made (and owned) on the first response when none is set.
  TNetCookieManager* CookieManager() const { return cookie_manager_; }
  void SetCookieManager(TNetCookieManager* manager);

  TNetRedirectEvent OnRedirect;
  TNetSelectAuthorizationEvent OnSelectAuthorization;
  TNetSelectAuthorizationEvent OnSelectProxyAuthorization;
  TNetAuthorizationEvent OnAuthorization;
  TNetAuthorizationEvent OnProxyAuthorization;

  int RedirectCount() const { return redirect_count_; }
  // Server and proxy authorisation attempts in the current exchange.
  int ServerAuthRetryCount() const { return auth_retries_; }
  int ProxyAuthRetryCount() const { return auth_proxy_retries_; }

  // Whether a redirect to location is followed; OnRedirect may change the
  // location and the method.
  virtual bool RedirectAllowed(std::string& location, TNetHTTPMethod& method, int redirect_count);
  // Whether to retry with credentials after a 401 / 407; counts an attempt.
  virtual bool AuthorizeServer();
  virtual bool AuthorizeProxy();
  // The body of response into its content stream, when it has one.
  void ReadBody(TNetHTTPResponse& response);

 protected:
  void ResolveRequestTarget();
  TNetConnectionKind SelectConnectionTarget();
  void OpenAndSend();
  void WriteRequestHead(const TNetURI* uri);
  void ReadResponseHead();
  void StoreResponseCookies();
  void AddRequestCookies(const TNetURI& uri);

 private:
  bool Authorize(bool proxy);

  TNetHTTPProtocol protocol_{this};
  TNetURI uri_;
  TNetProxyConnectionInfo proxy_params_;
  TNetCookieManager* cookie_manager_ = nullptr;
  std::unique_ptr<TNetCookieManager> own_cookie_manager_;
  int redirect_count_ = 0;
  int auth_retries_ = 0;
  int auth_proxy_retries_ = 0;
};

// The component as the program places it.
class TNetHTTP : public TNetCustomHTTP {};

}  // namespace lumora

#include "http/http_client.h"

#include "base/text.h"
#include "http/http_exceptions.h"
#include "http/http_limits.h"
#include "http/http_request_writer.h"
#include "http/http_response_reader.h"
#include "net/net_exception.h"

namespace lumora {

void TNetProxyConnectionInfo::SetProxyServer(const std::string& server) {
  if (!SameText(server, proxy_server_)) Authentication.reset();
  proxy_server_ = server;
}

void TNetProxyConnectionInfo::SetProxyPort(int port) {
  if (port != proxy_port_) Authentication.reset();
  proxy_port_ = port;
}

TNetCustomHTTP::TNetCustomHTTP() {
  SetPort(80);
  uri_.SetPort("80");
}

TNetCustomHTTP::~TNetCustomHTTP() = default;

void TNetCustomHTTP::SetCookieManager(TNetCookieManager* manager) {
  if (manager == cookie_manager_) return;
  cookie_manager_ = manager;
  if (own_cookie_manager_.get() != manager) own_cookie_manager_.reset();
}

std::string TNetCustomHTTP::PostToString(const std::string& url, TStream* source) {
  TStringStream response;
  PostToStream(url, source, &response);
  return response.DataString();
}

void TNetCustomHTTP::PostToStream(const std::string& url, TStream* source, TStream* response) {
  if (IsConnected()) CloseConnection();
  TNetHTTPProtocolVersion saved = ProtocolVersion;
  if (!(HTTPOptions & hoKeepOrigProtocol)) ProtocolVersion = pv1_0;
  ExecuteRequest(hmPost, url, source, response);
  ProtocolVersion = saved;
}

std::string TNetCustomHTTP::Get(const std::string& url) {
  TStringStream response;
  Get(url, &response);
  return response.DataString();
}

void TNetCustomHTTP::Get(const std::string& url, TStream* response) {
  ExecuteRequest(hmGet, url, nullptr, response);
}

void TNetCustomHTTP::Head(const std::string& url) {
  ExecuteRequest(hmHead, url, nullptr, nullptr);
}

void TNetCustomHTTP::ExecuteRequest(TNetHTTPMethod method, const std::string& url, TStream* source,
                                    TStream* response) {
  const int64_t start = response ? response->Position() : 0;
  auth_retries_ = 0;
  auth_proxy_retries_ = 0;
  Request().URL = url;
  Request().Method = method;
  Request().Source = source;
  Response().ContentStream = response;
  auto rewind = [&] {
    if (response) {
      response->SetPosition(start);
      response->SetSize(start);
    }
  };
  try {
    bool done = false;
    while (!done) {
      ++redirect_count_;
      ResolveRequestTarget();
      OpenAndSend();
      ReadResponseHead();
      switch (protocol_.DecideNextStep()) {
        case nsFollow:
          rewind();
          auth_retries_ = 0;
          auth_proxy_retries_ = 0;
          break;
        case nsDone:
          done = true;
          break;
        case nsUndecided:
          throw ENetException("Undefined situation");
        case nsReadAndRetry:
          ReadBody(Response());
          rewind();
          auth_retries_ = 0;
          auth_proxy_retries_ = 0;
          break;
        case nsAuthRetry:
          --redirect_count_;
          Request().URL = url;
          break;
      }
    }
  } catch (...) {
    if (!Response().IsKeepAlive()) CloseConnection();
    throw;
  }
  if (!Response().IsKeepAlive()) CloseConnection();
  redirect_count_ = 0;
}

void TNetCustomHTTP::ResolveRequestTarget() {
  TNetURI target(Request().URL);
  if (!target.Username().empty()) {
    Request().Username = target.Username();
    Request().Password = target.Password();
  }
  uri_.SetUsername(Request().Username);
  uri_.SetPassword(Request().Password);
  uri_.SetPath(TNetURI::PathResolve(uri_.Path(), target.Path(), '/'));
  uri_.SetDocument(target.Document());
  uri_.SetParams(target.Params());
  if (!target.Host().empty()) uri_.SetHost(target.Host());
  uri_.SetProtocol(target.Protocol().empty() ? "http" : target.Protocol());
  if (!target.Port().empty()) {
    uri_.SetPort(target.Port());
  } else {
    int port = StrToIntDef(uri_.Port(), 0);
    if (port == 0 || port == 80 || port == 443) {
      if (SameText(uri_.Protocol(), "http"))
        uri_.SetPort("80");
      else if (SameText(uri_.Protocol(), "https"))
        uri_.SetPort("443");
      else
        throw ENetUnknownProtocol();
    }
  }
  Request().URL = uri_.Path() + uri_.Document() + uri_.Params();
  TNetHTTPMethod method = Request().Method;
  if (method == hmOptions && target.Document() == "*") Request().URL = "*";
  if ((method == hmOptions || method == hmTrace || method == hmPut || method == hmDelete) &&
      ProtocolVersion != pv1_1)
    throw ENetException("This request method is supported in HTTP 1.1");
  if (method == hmPost || method == hmPut)
    Request().SetContentLength(Request().Source ? Request().Source->Size() : 0);
  else
    Request().SetContentLength(-1);
  Request().Host = uri_.Port() == "80" ? uri_.Host() : uri_.Host() + ":" + uri_.Port();
}

TNetConnectionKind TNetCustomHTTP::SelectConnectionTarget() {
  // This client has no secure socket handler, so https is refused either way.
  bool secure = SameText(uri_.Protocol(), "HTTPS");
  if (proxy_params_.ProxyServer().empty()) {
    int port = StrToIntDef(uri_.Port(), 0);
    if (!SameText(Host(), uri_.Host()) || Port() != port) {
      if (IsConnected()) CloseConnection();
      SetHost(uri_.Host());
      SetPort(port);
    }
    if (secure) throw ENetIOHandlerPropInvalid();
    return ckDirect;
  }
  if (!SameText(Host(), proxy_params_.ProxyServer()) || Port() != proxy_params_.ProxyPort()) {
    if (IsConnected()) CloseConnection();
    SetHost(proxy_params_.ProxyServer());
    SetPort(proxy_params_.ProxyPort());
  }
  if (secure) throw ENetIOHandlerPropInvalid();
  return ckProxy;
}

void TNetCustomHTTP::OpenAndSend() {
  TNetHTTPRequest& request = Request();
  request.ConnectionKind = SelectConnectionTarget();
  if (request.ConnectionKind == ckProxy) request.URL = uri_.GetFullURI(false, false);
  if (ProtocolVersion == pv1_0 && request.Connection.empty()) {
    if (request.ConnectionKind == ckDirect)
      request.Connection = "keep-alive";
    else
      request.ProxyConnection = "keep-alive";
  }
  if (!Response().IsKeepAlive()) CloseConnection();
  CheckConnectionLost(false, false);
  if (!IsConnected()) OpenConnection(ConnectTimeout >= 0 ? ConnectTimeout : ReadTimeout());
  WriteRequestHead(&uri_);
}

void TNetCustomHTTP::WriteRequestHead(const TNetURI* uri) {
  TNetHTTPRequest& request = Request();
  request.BuildHeaderLines();
  TNetProxyConnectionInfo& proxy = proxy_params_;
  if (proxy.Authentication) {
    request.HeaderLines.SetValue("Proxy-Authorization", proxy.Authentication->Authentication());
  } else if (proxy.BasicAuthentication) {
    TNetBasicAuthentication basic;
    basic.Username = proxy.ProxyUsername;
    basic.Password = proxy.ProxyPassword;
    request.HeaderLines.SetValue("Proxy-Authorization", basic.Authentication());
  }
  if (uri) AddRequestCookies(*uri);

  WriteRequest(*this, request, ProtocolVersion);
}

void TNetCustomHTTP::ReadResponseHead() {
  for (int interim = 0;; ++interim) {
    ReadStatusAndHeaders(*this, Response());
    StoreResponseCookies();
    if (Response().StatusCode() != 100) return;
    if (interim + 1 >= kMaxInterimResponses)
      throw ENetHTTPResponseInvalid("Too many interim responses");
  }
}

void TNetCustomHTTP::StoreResponseCookies() {
  if (!cookie_manager_ && AllowCookies) {
    own_cookie_manager_ = std::make_unique<TNetCookieManager>();
    cookie_manager_ = own_cookie_manager_.get();
  }
  if (!cookie_manager_) return;
  for (const std::string& value : Response().HeaderLines.AllValues("Set-cookie"))
    cookie_manager_->AddCookie(value, uri_.Host());
  for (const std::string& value : Response().HeaderLines.AllValues("Set-cookie2"))
    cookie_manager_->AddCookie2(value, uri_.Host());
}

void TNetCustomHTTP::AddRequestCookies(const TNetURI& uri) {
  if (!cookie_manager_) return;
  std::string cookies = cookie_manager_->GenerateCookieList(uri, false);
  if (!cookies.empty()) Request().HeaderLines.SetValue("Cookie", cookies);
}

void TNetCustomHTTP::ReadBody(TNetHTTPResponse& response) {
  if (response.ContentStream)
    ReadResponseBody(*this, response, Request().Method, *response.ContentStream);
}

bool TNetCustomHTTP::RedirectAllowed(std::string& location, TNetHTTPMethod& method,
                                     int redirect_count) {
  bool handled = HandleRedirects;
  // A location that would split the request line is never followed.
  if (location.find_first_of("\r\n") != std::string::npos) return false;
  if (OnRedirect) {
    int count = redirect_count;
    OnRedirect(*this, location, count, handled, method);
  }
  return handled;
}

bool TNetCustomHTTP::AuthorizeServer() {
  return Authorize(false);
}
bool TNetCustomHTTP::AuthorizeProxy() {
  return Authorize(true);
}

bool TNetCustomHTTP::Authorize(bool proxy) {
  TNetHTTPRequest& request = Request();
  TNetHTTPResponse& response = Response();
  int& retries = proxy ? auth_proxy_retries_ : auth_retries_;
  ++retries;
  std::unique_ptr<TNetAuthentication>& auth =
      proxy ? proxy_params_.Authentication : request.Authentication;
  const std::vector<std::string>& challenges =
      proxy ? response.ProxyAuthenticate : response.WWWAuthenticate;
  if (proxy && response.StatusCode() == 407) {
    proxy_params_.ProxyPassword.clear();
    if (auth) auth->Reset();
  }
  if (!auth) {
    TNetAuthenticationFactory factory;
    for (const std::string& challenge : challenges) {
      factory = FindAuthScheme(challenge.substr(0, challenge.find(' ')));
      if (factory) break;
    }
    if (!factory) return false;
    TNetSelectAuthorizationEvent& select =
        proxy ? OnSelectProxyAuthorization : OnSelectAuthorization;
    if (select) select(*this, factory, challenges);
    if (!factory) return false;
    auth = factory();
  }
  TNetAuthorizationEvent& on_authorization = proxy ? OnProxyAuthorization : OnAuthorization;
  if (!on_authorization) return false;
  std::string& user = proxy ? proxy_params_.ProxyUsername : request.Username;
  std::string& password = proxy ? proxy_params_.ProxyPassword : request.Password;
  auth->Username = user;
  auth->Password = password;
  auth->Params.SetValue("Authorization", auth->Authentication());
  auth->AuthParams = challenges;
  // Asking the program repeats the same step; bounded in case it never
  // supplies a user name.
  for (int asked = 0; asked <= AuthRetries; ++asked) {
    switch (auth->Next()) {
      case wnDoRequest:
        return true;
      case wnFail:
        return false;
      case wnAskTheProgram: {
        auth->Username = user;
        auth->Password = password;
        bool handled = false;
        on_authorization(*this, *auth, handled);
        if (!handled) return false;
        if (!proxy) request.BasicAuthentication = true;
        user = auth->Username;
        password = auth->Password;
        break;
      }
    }
  }
  return false;
}

}  // namespace lumora

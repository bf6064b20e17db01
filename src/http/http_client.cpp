#include "http/http_client.h"

#include <limits>

#include "base/text.h"
#include "http/http_errors.h"
#include "http/http_limits.h"
#include "net/net_exception.h"

namespace lumora {

namespace {

// A sink for bodies nobody reads.
class TNullStream : public TStream {
 public:
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t count) override {
    position_ += count;
    if (position_ > size_) size_ = position_;
    return count;
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    position_ = origin == TSeekOrigin::soBeginning ? offset
                : origin == TSeekOrigin::soCurrent ? position_ + offset
                                                   : size_ + offset;
    return position_;
  }
  int64_t Size() override { return size_; }
  void SetSize(int64_t size) override {
    size_ = size;
    if (position_ > size) position_ = size;
  }

 private:
  int64_t position_ = 0;
  int64_t size_ = 0;
};

// Keeps at most a fixed number of bytes; the rest of an error body is cut.
class TBoundedStringStream : public TStringStream {
 public:
  struct Full {};
  explicit TBoundedStringStream(int64_t limit) : limit_(limit) {}
  int64_t Write(const void* buffer, int64_t count) override {
    int64_t room = limit_ - Position();
    if (count > room) {
      if (room > 0) TStringStream::Write(buffer, room);
      throw Full{};
    }
    return TStringStream::Write(buffer, count);
  }
  void SetSize(int64_t size) override { TStringStream::SetSize(std::min(size, limit_)); }

 private:
  int64_t limit_;
};

}  // namespace

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

int TNetHTTPResponse::StatusCode() {
  std::string text = ResponseText;
  size_t blank = text.find(' ');
  text = blank == std::string::npos ? std::string() : Trim(text.substr(blank + 1));
  text = text.substr(0, text.find(' '));
  // Only plain decimal digits count as a code.
  bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  auto code = digits ? ParseInt32(text) : std::nullopt;
  response_code_ = code ? *code : -1;
  return response_code_;
}

bool TNetHTTPResponse::IsKeepAlive() {
  if (ResponseText.size() >= 8) {
    std::string version = ResponseText.substr(5, 3);
    if (SameText(version, "1.0"))
      ResponseVersion = pv1_0;
    else if (SameText(version, "1.1"))
      ResponseVersion = pv1_1;
  }
  owner_->CheckConnectionLost(false, false);
  keep_alive_ = owner_->IsConnected();
  if (keep_alive_) {
    std::string connection = Trim(Connection);
    std::string proxy = Trim(ProxyConnection);
    if (owner_->ProtocolVersion == pv1_0)
      keep_alive_ = SameText(connection, "KEEP-ALIVE") || SameText(proxy, "KEEP-ALIVE");
    else
      keep_alive_ = !SameText(connection, "CLOSE") && !SameText(proxy, "CLOSE");
  }
  return keep_alive_;
}

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

  StartBufferedWrite(0);
  try {
    WriteText(std::string(MethodWord(request.Method)) + request.URL + " HTTP/" +
              ProtocolVersionText(ProtocolVersion) + "\r\n");
    for (const std::string& line : request.HeaderLines)
      if (!line.empty()) WriteText(line + "\r\n");
    WriteText("\r\n");
    // A small body joins the head in one write, so it never waits on an ACK.
    bool has_body = (request.Method == hmPost || request.Method == hmPut) && request.Source;
    if (has_body && request.Source->Size() <= SendBufferSize()) {
      WriteFromStream(*request.Source, true, false, 0);
      has_body = false;
    }
    FinishBufferedWrite();
    if (has_body) WriteFromStream(*request.Source, true, false, 0);
  } catch (...) {
    CancelBufferedWrite();
    throw;
  }
}

void TNetCustomHTTP::ReadResponseHead() {
  for (int interim = 0;; ++interim) {
    Response().ResponseText = ReadLine("\n", -1, -1);
    ReadHeaderBlock();
    StoreResponseCookies();
    if (Response().StatusCode() != 100) return;
    if (interim + 1 >= kMaxInterimResponses)
      throw ENetHTTPResponseInvalid("Too many interim responses");
  }
}

void TNetCustomHTTP::ReadHeaderBlock() {
  TNetHeaderList& lines = Response().HeaderLines;
  lines.Clear();
  int64_t bytes = 0;
  try {
    for (;;) {
      std::string line = ReadLine("\n", -1, -1);
      if (line.empty()) break;
      bytes += static_cast<int64_t>(line.size()) + 2;
      if (bytes > kMaxHeaderBlockBytes || lines.Count() >= kMaxHeaderLines) {
        CloseConnection();
        throw ENetHTTPResponseInvalid("Response header block too large");
      }
      lines.Add(std::move(line));
    }
  } catch (const ENetConnClosedGracefully&) {
    CloseConnection();
  }
  Response().ParseHeaderLines();
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
  if (!response.ContentStream || Request().Method == hmHead) return;
  TStream& stream = *response.ContentStream;
  if (response.ContentLength() >= 1) {
    try {
      ReadToStream(stream, response.ContentLength(), false);
    } catch (const ENetConnClosedGracefully&) {
      // What arrived before the peer closed is kept.
    }
  } else if (response.HeaderLines.Values("Transfer-Encoding").find("chunked") !=
             std::string::npos) {
    ReadChunkedBody(stream);
  } else if (!response.HasContentLength()) {
    ReadToStream(stream, -1, true);
  }
}

void TNetCustomHTTP::ReadChunkedBody(TStream& stream) {
  DoStatus(TNetStatus::hsStatusText, "Chunk Started");
  auto next_size = [this] {
    std::string line = ReadLine("\n", -1, -1);
    // Extensions after ";" are dropped rather than read as a size of 0.
    line = Trim(line.substr(0, line.find_first_of(" ;\t")));
    if (line.size() > static_cast<size_t>(kMaxChunkSizeDigits))
      throw ENetHTTPResponseInvalid("Invalid chunk size");
    uint64_t size = 0;
    for (char c : line) {
      int digit = (c >= '0' && c <= '9')   ? c - '0'
                  : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                  : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                           : -1;
      if (digit < 0) return uint64_t{0};
      size = size * 16 + static_cast<uint64_t>(digit);
    }
    if (size > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
      throw ENetHTTPResponseInvalid("Invalid chunk size");
    return size;
  };
  for (uint64_t size = next_size(); size > 0; size = next_size()) {
    ReadToStream(stream, static_cast<int64_t>(size), false);
    ReadLine("\n", -1, -1);
  }
  // The trailer ends with an empty line; reading all of it keeps a reused
  // connection in step.
  for (int i = 0; i < kMaxTrailerLines; ++i)
    if (ReadLine("\n", -1, -1).empty()) return;
  throw ENetHTTPResponseInvalid("Chunked trailer too long");
}

void TNetCustomHTTP::DiscardBody() {
  TNullStream sink;
  TStream* saved = Response().ContentStream;
  int saved_timeout = ReadTimeout();
  SetReadTimeout(4000);
  Response().ContentStream = &sink;
  try {
    ReadBody(Response());
  } catch (const std::exception&) {
    // A body nobody reads may fail as it likes.
  }
  Response().ContentStream = saved;
  SetReadTimeout(saved_timeout);
}

void TNetCustomHTTP::RaiseHTTPError() {
  int saved_timeout = ReadTimeout();
  TStream* saved = Response().ContentStream;
  TBoundedStringStream body(kMaxErrorBodyBytes);
  SetReadTimeout(2000);
  Response().ContentStream = &body;
  try {
    ReadBody(Response());
  } catch (const TBoundedStringStream::Full&) {
    CloseConnection();
  } catch (...) {
    Response().ContentStream = saved;
    SetReadTimeout(saved_timeout);
    throw;
  }
  Response().ContentStream = saved;
  SetReadTimeout(saved_timeout);
  throw ENetHTTPProtocolException(Response().StatusCode(), Response().ResponseText,
                                  body.DataString());
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

void TNetCustomHTTP::DropCredentialsForNewOrigin(const std::string& location) {
  TNetURI target(location);
  if (target.Host().empty()) return;
  std::string protocol = target.Protocol().empty() ? "http" : target.Protocol();
  std::string port = target.Port();
  if (port.empty()) port = SameText(protocol, "https") ? "443" : "80";
  if (SameText(target.Host(), uri_.Host()) && SameText(protocol, uri_.Protocol()) &&
      port == uri_.Port())
    return;
  Request().Username.clear();
  Request().Password.clear();
  Request().BasicAuthentication = false;
  Request().Authentication.reset();
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

TNetNextStep TNetHTTPProtocol::DecideNextStep() {
  TNetCustomHTTP& http = *owner_;
  const int code = Response.StatusCode();
  TNetNextStep result = nsUndecided;
  http.send_credentials_ = false;

  if ((code / 100 == 3 && code != 304) || !Response.Location.empty()) {
    std::string location = Response.Location;
    TNetHTTPMethod method = Request.Method;
    if (http.HandleRedirects && http.redirect_count_ < http.RedirectMaximum) {
      if (!http.RedirectAllowed(location, method, http.redirect_count_)) http.RaiseHTTPError();
      result = nsFollow;
      http.DropCredentialsForNewOrigin(location);
      Request.URL = location;
      Request.Method = method;
    } else {
      result = nsDone;
      if (!http.RedirectAllowed(location, method, http.redirect_count_)) http.RaiseHTTPError();
      Response.Location = location;
    }
    if (http.IsConnected()) http.DiscardBody();
    return result;
  }

  if (code / 100 != 2) {
    result = nsFollow;
    if (code == 401 || code == 407) {
      bool proxy = code == 407;
      int retries = proxy ? http.auth_proxy_retries_ : http.auth_retries_;
      bool authorized =
          retries < http.AuthRetries && (proxy ? http.AuthorizeProxy() : http.AuthorizeServer());
      if (!authorized) {
        auto& auth = proxy ? http.proxy_params_.Authentication : Request.Authentication;
        if (auth) auth->Reset();
        http.RaiseHTTPError();
      }
      if (http.HTTPOptions & hoInProcessAuth) http.send_credentials_ = true;
    } else {
      http.RaiseHTTPError();
    }
  }

  if (http.IsConnected()) {
    if (http.send_credentials_) {
      http.DiscardBody();
      result = nsAuthRetry;
    } else {
      if (code != 204) http.ReadBody(Response);
      result = nsDone;
    }
  }
  return result;
}

}  // namespace lumora

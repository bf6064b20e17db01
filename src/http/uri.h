#pragma once
// A URL split into its parts, as the HTTP client keeps it between requests.
// No percent-encoding happens here: parts go out byte for byte as given.

#include <string>
#include <string_view>

namespace lumora {

class TNetURI {
 public:
  TNetURI() = default;
  explicit TNetURI(std::string_view uri) { SetURI(uri); }

  // The text last parsed (or stored by GetProxyForm). Setting it parses it;
  // parsing never fails, it only leaves parts empty.
  const std::string& URI() const { return uri_; }
  void SetURI(std::string_view uri);

  const std::string& Protocol() const { return protocol_; }
  const std::string& Username() const { return username_; }
  const std::string& Password() const { return password_; }
  const std::string& Host() const { return host_; }
  const std::string& Port() const { return port_; }
  // "/" and every segment up to the last "/" before the query, e.g. "/a/b/".
  const std::string& Path() const { return path_; }
  // The last segment, e.g. "c.cgi".
  const std::string& Document() const { return document_; }
  // The query with its leading "?" (or "=" when a segment holds "=" and
  // there is no "?").
  const std::string& Params() const { return params_; }
  // The fragment, without "#".
  const std::string& Bookmark() const { return bookmark_; }

  void SetProtocol(std::string v) { protocol_ = std::move(v); }
  void SetUsername(std::string v) { username_ = std::move(v); }
  void SetPassword(std::string v) { password_ = std::move(v); }
  void SetHost(std::string v) { host_ = std::move(v); }
  void SetPort(std::string v) { port_ = std::move(v); }
  void SetPath(std::string v) { path_ = std::move(v); }
  void SetDocument(std::string v) { document_ = std::move(v); }
  void SetParams(std::string v) { params_ = std::move(v); }
  void SetBookmark(std::string v) { bookmark_ = std::move(v); }

  // protocol://[user[:password]@]host[:port]path document params[#bookmark].
  // Raises ENetURIException "Protocol field is empty" / "Host field is empty".
  std::string GetFullURI(bool includeUserInfo = true, bool includeFragment = true) const;
  // Path + Document + Params: the target of a request line.
  std::string GetPathAndParams() const { return path_ + document_ + params_; }
  // Stores the full form (with user information and fragment) as the URI
  // text and returns the form a proxy is sent: without either.
  std::string GetProxyForm();

  // Resolves path against base: an absolute path wins; otherwise the two
  // are joined, repeated separators collapse and each "../" segment drops
  // the segment before it. A trailing separator survives only when path
  // ends with one or is empty.
  static std::string PathResolve(std::string_view base, std::string_view path,
                                 char separator = '/');

 private:
  void SplitPathAndParams(const std::string& rest, bool absolute);

  std::string uri_;
  std::string protocol_;
  std::string username_;
  std::string password_;
  std::string host_;
  std::string port_;
  std::string path_;
  std::string document_;
  std::string params_;
  std::string bookmark_;
};

}  // namespace lumora

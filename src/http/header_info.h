#pragma once
// The header objects of one exchange: the entity fields shared by request and
// response, the request's own fields, and the response's own fields. Each
// keeps its raw lines in HeaderLines and converts between lines and fields.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "http/authentication.h"
#include "http/date_time.h"
#include "http/header_list.h"

namespace lumora {

class TNetEntityHeaderInfo {
 public:
  static constexpr int kHeaderLinesFoldLength = 1024;

  TNetEntityHeaderInfo();
  virtual ~TNetEntityHeaderInfo() = default;

  // Fields from HeaderLines; an absent header clears its field.
  virtual void ParseHeaderLines();
  // HeaderLines from the fields.
  virtual void BuildHeaderLines();
  virtual void Clear();

  int64_t ContentLength() const { return content_length_; }
  // -1 means none; 0 or more also sets HasContentLength.
  void SetContentLength(int64_t length) {
    content_length_ = length;
    has_content_length_ = length >= 0;
  }
  bool HasContentLength() const { return has_content_length_; }

  std::string CacheControl;
  TNetHeaderList HeaderLines{kHeaderLinesFoldLength};
  std::string Connection;
  std::string ContentEncoding;
  std::string ContentLanguage;
  int64_t ContentRangeEnd = 0;
  int64_t ContentRangeStart = 0;
  std::string ContentType;
  std::string ContentVersion;
  TNetHeaderList CustomHeaders;
  TDateTime Date = 0;
  TDateTime Expires = 0;
  TDateTime LastModified = 0;
  std::string Pragma;

 private:
  int64_t content_length_ = -1;
  bool has_content_length_ = false;
};

class TNetRequestHeaderInfo : public TNetEntityHeaderInfo {
 public:
  TNetRequestHeaderInfo();
  void BuildHeaderLines() override;
  void Clear() override;

  std::string Accept;
  std::string AcceptCharSet;
  std::string AcceptEncoding;
  std::string AcceptLanguage;
  std::string From;
  std::string Password;
  std::string Referer;
  std::string UserAgent;
  std::string Username;
  std::string Host;
  bool BasicAuthentication = false;
  std::string ProxyConnection;
  // The scheme in use for "Authorization"; may be empty.
  std::unique_ptr<TNetAuthentication> Authentication;
};

class TNetResponseHeaderInfo : public TNetEntityHeaderInfo {
 public:
  void ParseHeaderLines() override;
  void Clear() override;

  std::string Location;
  std::string Server;
  std::string ProxyConnection;
  std::vector<std::string> ProxyAuthenticate;
  std::vector<std::string> WWWAuthenticate;
};

}  // namespace lumora

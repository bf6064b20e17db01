#include "http/header_info.h"

#include "base/text.h"
#include "http/internet_date.h"

namespace lumora {

TNetEntityHeaderInfo::TNetEntityHeaderInfo() {
  TNetEntityHeaderInfo::Clear();
}

void TNetEntityHeaderInfo::Clear() {
  ContentType = "text/html";
  SetContentLength(-1);
  ContentRangeStart = 0;
  ContentRangeEnd = 0;
  Date = 0;
  Expires = 0;
  LastModified = 0;
  Connection.clear();
  ContentVersion.clear();
  ContentEncoding.clear();
  ContentLanguage.clear();
  HeaderLines.Clear();
}

void TNetEntityHeaderInfo::ParseHeaderLines() {
  Connection = HeaderLines.Values("Connection");
  ContentVersion = HeaderLines.Values("Content-Version");
  ContentEncoding = HeaderLines.Values("Content-Encoding");
  ContentLanguage = HeaderLines.Values("Content-Language");
  ContentType = HeaderLines.Values("Content-Type");
  // A length that is not a number, or a negative one, counts as none.
  auto length = ParseInt64(Trim(HeaderLines.Values("Content-Length")));
  SetContentLength(length && *length >= 0 ? *length : -1);
  Date = StrInternetToDateTime(HeaderLines.Values("Date"));
  LastModified = StrInternetToDateTime(HeaderLines.Values("Last-Modified"));
  std::string expires = HeaderLines.Values("Expires");
  auto seconds = ParseInt64(expires);
  if (seconds && *seconds != -1) {
    // Deltas of a day or more, or negative ones, do not encode as a time of day.
    int64_t n = *seconds;
    Expires = Now() + EncodeTime(static_cast<int>(n / 3600), static_cast<int>((n % 3600) / 60),
                                 static_cast<int>(n % 60), 0);
  } else {
    Expires = StrInternetToDateTime(expires);
  }
  Pragma = HeaderLines.Values("Pragma");
}

void TNetEntityHeaderInfo::BuildHeaderLines() {
  HeaderLines.Clear();
  HeaderLines.SetValue("Connection", Connection);
  HeaderLines.SetValue("Content-Version", ContentVersion);
  HeaderLines.SetValue("Content-Encoding", ContentEncoding);
  HeaderLines.SetValue("Content-Language", ContentLanguage);
  HeaderLines.SetValue("Content-Type", ContentType);
  if (ContentLength() >= 0) HeaderLines.SetValue("Content-Length", std::to_string(ContentLength()));
  HeaderLines.SetValue("Cache-control", CacheControl);
  if (Date > 0) HeaderLines.SetValue("Date", DateTimeToInternetStr(Date, false));
  if (Expires > 0) HeaderLines.SetValue("Expires", DateTimeToInternetStr(Expires, false));
  HeaderLines.SetValue("Pragma", Pragma);
  for (const std::string& line : CustomHeaders) HeaderLines.Add(line);
}

TNetRequestHeaderInfo::TNetRequestHeaderInfo() {
  TNetRequestHeaderInfo::Clear();
}

void TNetRequestHeaderInfo::Clear() {
  Accept = "text/html, */*";
  UserAgent = "Mozilla/3.0 (compatible; Lumora HTTP Library)";
  AcceptCharSet.clear();
  BasicAuthentication = false;
  TNetEntityHeaderInfo::Clear();
}

void TNetRequestHeaderInfo::BuildHeaderLines() {
  TNetEntityHeaderInfo::BuildHeaderLines();
  HeaderLines.SetValue("Proxy-Connection", ProxyConnection);
  HeaderLines.SetValue("Host", Host);
  HeaderLines.SetValue("Accept", Accept);
  HeaderLines.SetValue("Accept-Charset", AcceptCharSet);
  HeaderLines.SetValue("Accept-Encoding", AcceptEncoding);
  HeaderLines.SetValue("Accept-Language", AcceptLanguage);
  HeaderLines.SetValue("From", From);
  HeaderLines.SetValue("Referer", Referer);
  HeaderLines.SetValue("User-Agent", UserAgent);
  if (LastModified > 0)
    HeaderLines.SetValue("If-Modified-Since", DateTimeToInternetStr(LastModified, false));
  if (ContentRangeStart != 0 || ContentRangeEnd != 0) {
    std::string range = "bytes=" + std::to_string(ContentRangeStart) + "-";
    if (ContentRangeEnd != 0) range += std::to_string(ContentRangeEnd);
    HeaderLines.SetValue("Range", range);
  }
  // A scheme object left by a refused challenge holds no user; it must not
  // shadow credentials set since.
  if (Authentication && !Authentication->Username.empty()) {
    HeaderLines.SetValue("Authorization", Authentication->Authentication());
  } else if (BasicAuthentication) {
    TNetBasicAuthentication basic;
    basic.Username = Username;
    basic.Password = Password;
    HeaderLines.SetValue("Authorization", basic.Authentication());
  }
}

void TNetResponseHeaderInfo::Clear() {
  TNetEntityHeaderInfo::Clear();
  Location.clear();
  Server.clear();
  ProxyConnection.clear();
  ProxyAuthenticate.clear();
  WWWAuthenticate.clear();
}

void TNetResponseHeaderInfo::ParseHeaderLines() {
  Location = HeaderLines.Values("Location");
  Server = HeaderLines.Values("Server");
  ProxyConnection = HeaderLines.Values("Proxy-Connection");
  ContentRangeStart = 0;
  ContentRangeEnd = 0;
  std::string range = HeaderLines.Values("Content-Range");
  if (!range.empty()) {
    size_t blank = range.find(' ');
    std::string rest = blank == std::string::npos ? range : range.substr(blank + 1);
    size_t dash = rest.find('-');
    size_t slash = rest.find('/');
    if (dash != std::string::npos) {
      ContentRangeStart = ParseInt64(Trim(rest.substr(0, dash))).value_or(0);
      if (slash != std::string::npos && slash > dash)
        ContentRangeEnd = ParseInt64(Trim(rest.substr(dash + 1, slash - dash - 1))).value_or(0);
    }
  }
  WWWAuthenticate = HeaderLines.AllValues("WWW-Authenticate");
  ProxyAuthenticate = HeaderLines.AllValues("Proxy-Authenticate");
  TNetEntityHeaderInfo::ParseHeaderLines();
}

}  // namespace lumora

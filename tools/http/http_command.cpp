#include "http_command.h"

#include <unistd.h>

#include <chrono>
#include <map>

#include "base/stream.h"
#include "base/text.h"
#include "http/http_client.h"
#include "http/http_exceptions.h"

namespace lumora {

namespace {

// Writes the body straight to a file descriptor as it arrives.
class TFdOutputStream : public TStream {
 public:
  explicit TFdOutputStream(int fd) : fd_(fd) {}
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void* buffer, int64_t count) override {
    const char* p = static_cast<const char*>(buffer);
    int64_t done = 0;
    while (done < count) {
      ssize_t n = ::write(fd_, p + done, static_cast<size_t>(count - done));
      if (n <= 0) return done;
      done += n;
    }
    position_ += done;
    return done;
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    if (origin == TSeekOrigin::soBeginning) position_ = offset;
    if (origin == TSeekOrigin::soCurrent) position_ += offset;
    return position_;
  }
  int64_t Size() override { return position_; }
  void SetSize(int64_t) override {}

 private:
  int fd_;
  int64_t position_ = 0;
};

bool WriteAll(int fd, const std::string& text) {
  TFdOutputStream out(fd);
  return out.Write(text.data(), static_cast<int64_t>(text.size())) ==
         static_cast<int64_t>(text.size());
}

const std::map<std::string, TNetHTTPMethod>& Methods() {
  static const std::map<std::string, TNetHTTPMethod> methods = {
      {"GET", hmGet},         {"HEAD", hmHead},   {"POST", hmPost},    {"PUT", hmPut},
      {"OPTIONS", hmOptions}, {"TRACE", hmTrace}, {"DELETE", hmDelete}};
  return methods;
}

// Headers the request object has fields for; the rest go out as they are.
bool SetKnownHeader(TNetHTTPRequest& request, const std::string& name, const std::string& value) {
  std::map<std::string, std::string*> fields = {{"CONTENT-TYPE", &request.ContentType},
                                                {"ACCEPT", &request.Accept},
                                                {"USER-AGENT", &request.UserAgent},
                                                {"ACCEPT-LANGUAGE", &request.AcceptLanguage},
                                                {"ACCEPT-CHARSET", &request.AcceptCharSet},
                                                {"ACCEPT-ENCODING", &request.AcceptEncoding},
                                                {"REFERER", &request.Referer},
                                                {"CACHE-CONTROL", &request.CacheControl},
                                                {"PRAGMA", &request.Pragma},
                                                {"CONNECTION", &request.Connection},
                                                {"FROM", &request.From}};
  auto it = fields.find(UpperCase(name));
  if (it == fields.end()) return false;
  *it->second = value;
  return true;
}

// "HTTP/" with a version and a three-digit code; anything else is no HTTP
// reply at all.
bool IsHttpReply(TNetHTTPResponse& response) {
  const int code = response.StatusCode();
  return StartsText("HTTP/", response.ResponseText) && code >= 100 && code <= 999;
}

// The exchange ended on a redirect it did not follow.
bool EndedOnARedirect(TNetHTTPResponse& response) {
  const int code = response.StatusCode();
  return (code / 100 == 3 && code != 304) || !response.Location.empty();
}

}  // namespace

std::optional<std::string> ParseHttpCommand(const std::vector<std::string>& args,
                                            HttpCommand& command) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "-X" || a == "-d" || a == "-H" || a == "-u" || a == "--max-time") {
      auto v = value();
      if (!v) return "option " + a + " needs a value";
      if (a == "-X") {
        command.method = UpperCase(*v);
        if (!Methods().count(command.method)) return "unknown method " + *v;
      } else if (a == "-d") {
        if (!v->empty() && (*v)[0] == '@') {
          try {
            command.body = ReadFileBytes(v->substr(1));
          } catch (const Exception& e) {
            return e.Message();
          }
        } else {
          command.body = *v;
        }
      } else if (a == "-H") {
        if (v->find(':') == std::string::npos) return "header without a colon: " + *v;
        command.headers.push_back(*v);
      } else if (a == "-u") {
        command.user = *v;
      } else {
        char* end = nullptr;
        double seconds = std::strtod(v->c_str(), &end);
        if (end == v->c_str() || *end || seconds <= 0) return "bad --max-time " + *v;
        command.max_time_seconds = seconds;
      }
    } else if (a == "-L") {
      command.follow_redirects = true;
    } else if (a == "-i") {
      command.include_head = true;
    } else if (!a.empty() && a[0] == '-') {
      return "unknown option " + a;
    } else if (command.url.empty()) {
      command.url = a;
    } else {
      return "more than one URL";
    }
  }
  if (command.url.empty()) return "no URL";
  return std::nullopt;
}

int RunHttpCommand(const HttpCommand& command, int out_fd, std::ostream& err) {
  TNetHTTP http;
  http.HTTPOptions |= hoKeepOrigProtocol;
  http.HandleRedirects = command.follow_redirects;
  TNetHTTPRequest& request = http.Request();
  for (const std::string& line : command.headers) {
    size_t colon = line.find(':');
    std::string name = Trim(line.substr(0, colon));
    std::string value = Trim(line.substr(colon + 1));
    if (!SetKnownHeader(request, name, value)) request.CustomHeaders.AddValue(name, value);
  }
  if (command.user) {
    size_t colon = command.user->find(':');
    request.Username = command.user->substr(0, colon);
    request.Password = colon == std::string::npos ? "" : command.user->substr(colon + 1);
    request.BasicAuthentication = true;
  }
  if (command.max_time_seconds > 0)
    http.SetDeadline(std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(command.max_time_seconds)));

  std::string method = command.method.empty() ? (command.body ? "POST" : "GET") : command.method;
  TStringStream body(command.body.value_or(""));
  TFdOutputStream direct(out_fd);
  TStringStream held;
  // With -i the head goes first, so the body waits in memory.
  TStream* out = command.include_head ? static_cast<TStream*>(&held) : &direct;
  try {
    http.ExecuteRequest(Methods().at(method), command.url, command.body ? &body : nullptr, out);
  } catch (const ENetHTTPProtocolException& e) {
    if (!IsHttpReply(http.Response())) {
      err << "Not an HTTP reply: " << e.Message() << "\n";
      return 2;
    }
    if (command.include_head) {
      WriteAll(out_fd,
               http.Response().ResponseText + "\r\n" + http.Response().HeaderLines.Text() + "\r\n");
    }
    WriteAll(out_fd, e.ErrorMessage());
    err << e.Message() << "\n";
    return 1;
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 2;
  }
  // The component ends a redirect chain at its maximum without an error;
  // with -L that is a failure, as for curl.
  if (command.follow_redirects && EndedOnARedirect(http.Response())) {
    err << "Maximum redirects followed\n";
    return 2;
  }
  if (command.include_head) {
    WriteAll(out_fd,
             http.Response().ResponseText + "\r\n" + http.Response().HeaderLines.Text() + "\r\n");
    WriteAll(out_fd, held.DataString());
  }
  return 0;
}

}  // namespace lumora

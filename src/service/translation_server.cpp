#include "service/translation_server.h"

#include <sys/socket.h>

#include <chrono>

#include "base/text.h"
#include "service/guarded_server.h"

namespace lumora {

namespace {

void SetText(httplib::Response& res, int status, const std::string& text) {
  res.status = status;
  res.set_content(text + "\n", "text/plain; charset=UTF-8");
}

enum class BodyRead { kComplete, kTooLarge, kBroken };

// Reads the body through the content reader, which the library applies no
// form-size limit to; stops at limit bytes. The library itself refuses a
// declared length over the limit before calling us.
BodyRead ReadBody(const httplib::Request& req, const httplib::ContentReader& reader, size_t limit,
                  std::string& body) {
  bool tooLarge = false;
  const auto declared = ParseInt64(req.get_header_value("Content-Length"));
  // A declared length sizes the body once instead of letting it double its
  // way up; the library has already refused one over the limit.
  if (declared && *declared > 0 && static_cast<uint64_t>(*declared) <= limit)
    body.reserve(static_cast<size_t>(*declared));
  const bool complete = reader([&](const char* data, size_t length) {
    if (body.size() + length > limit) {
      tooLarge = true;
      return false;
    }
    body.append(data, length);
    return true;
  });
  if (tooLarge || (declared && *declared > 0 && static_cast<uint64_t>(*declared) > limit)) {
    return BodyRead::kTooLarge;
  }
  return complete ? BodyRead::kComplete : BodyRead::kBroken;
}

// The library's default adds SO_REUSEPORT, which would let a second server
// share a port already in use instead of failing to bind.
void ExclusiveSocketOptions(int sock) {
  int yes = 1;
  setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

std::string TooLargeText(size_t limit) {
  return Format("Request body over %zu MiB", limit / (1024 * 1024));
}

}  // namespace

TranslationServer::TranslationServer(std::shared_ptr<const Lexicon> lexicon, LogFunction log,
                                     TranslatorOptions options)
    : TranslationServer(std::move(lexicon), std::move(log), ServerLimits{}, std::move(options)) {}

TranslationServer::TranslationServer(std::shared_ptr<const Lexicon> lexicon, LogFunction log,
                                     const ServerLimits& limits, TranslatorOptions options)
    : service_(std::move(lexicon), std::move(options)),
      log_(std::move(log)),
      server_(new GuardedServer(limits)) {
  server_->set_socket_options(ExclusiveSocketOptions);
  server_->set_payload_max_length(limits.max_body_bytes);
  server_->set_read_timeout(limits.read_timeout_ms / 1000, (limits.read_timeout_ms % 1000) * 1000);
  server_->set_write_timeout(limits.write_timeout_ms / 1000,
                             (limits.write_timeout_ms % 1000) * 1000);

  const size_t body_limit = limits.max_body_bytes;
  server_->Post(
      "/translate", [this, body_limit](const httplib::Request& req, httplib::Response& res,
                                       const httplib::ContentReader& reader) {
        const auto start = std::chrono::steady_clock::now();
        std::string body;
        const BodyRead read = ReadBody(req, reader, body_limit, body);
        if (read != BodyRead::kComplete) {
          if (read == BodyRead::kTooLarge)
            SetText(res, 413, TooLargeText(body_limit));
          else
            SetText(res, 400, "Request body incomplete");
          res.set_header("Connection", "close");
          if (log_) {
            log_(Format("%s POST %s %d", req.remote_addr.c_str(), req.path.c_str(), res.status));
          }
          return;
        }
        const ServiceReply reply = service_.HandleForm(body);
        res.status = reply.status;
        res.set_content(reply.body, reply.contentType.c_str());
        if (log_) {
          const double ms =
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count();
          log_(Format("%s POST %s %d %s in=%zu out=%zu %.1fms", req.remote_addr.c_str(),
                      req.path.c_str(), reply.status, reply.type.empty() ? "-" : reply.type.c_str(),
                      body.size(), reply.body.size(), ms));
        }
      });
  auto refuse = [](const httplib::Request&, httplib::Response& res) {
    SetText(res, 405, "Method not allowed; use POST");
    res.set_header("Allow", "POST");
  };
  auto refuseWithBody = [body_limit](const httplib::Request& req, httplib::Response& res,
                                     const httplib::ContentReader& reader) {
    std::string ignored;
    ReadBody(req, reader, body_limit, ignored);
    SetText(res, 405, "Method not allowed; use POST");
    res.set_header("Allow", "POST");
  };
  // For load balancers and monitors: a cheap answer while the server serves.
  server_->Get("/health",
               [](const httplib::Request&, httplib::Response& res) { SetText(res, 200, "ok"); });
  server_->Get("/translate", refuse);
  server_->Options("/translate", refuse);
  server_->Put("/translate", refuseWithBody);
  server_->Patch("/translate", refuseWithBody);
  server_->Delete("/translate", refuseWithBody);
  server_->set_error_handler([body_limit](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return;
    if (res.status == 404)
      SetText(res, 404, "Not found; the endpoint is POST /translate");
    else if (res.status == 413)
      SetText(res, 413, TooLargeText(body_limit));
    else
      SetText(res, res.status, "Bad request");
  });
  server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
    // Answers of the translate handler log themselves with more detail.
    if (!log_ || (req.method == "POST" && req.path == "/translate")) return;
    log_(Format("%s %s %s %d", req.remote_addr.c_str(), req.method.c_str(), req.path.c_str(),
                res.status));
  });
}

TranslationServer::~TranslationServer() {
  Stop();
}

int TranslationServer::Bind(const std::string& host, int port) {
  const int bound =
      port == 0 ? server_->bind_to_any_port(host) : (server_->bind_to_port(host, port) ? port : -1);
  if (bound <= 0) {
    throw EServiceError(Format("Cannot listen on %s:%d", host.c_str(), port));
  }
  server_->WidenListenQueue();
  return bound;
}

bool TranslationServer::Run() {
  const bool ok = server_->listen_after_bind();
  // Requests in progress finish (and log) before Run returns.
  server_->StopConnections();
  return ok;
}

void TranslationServer::Stop() {
  server_->stop();
}

bool TranslationServer::IsRunning() const {
  return server_->is_running();
}

}  // namespace lumora

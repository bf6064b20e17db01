#pragma once
// The HTTP server of the translation endpoint (cpp-httplib): POST /translate
// with any query string answers through TranslationService; another method on
// that path gets 405, another path 404, a body over 32 MiB 413; GET /health
// answers 200 "ok" for load balancers. Connections are kept as GuardedServer
// describes: idle and slow clients cost no worker, and a pool of workers
// serves complete requests.

#include <functional>
#include <memory>
#include <string>

#include "service/translation_service.h"

namespace lumora {

class GuardedServer;
struct ServerLimits;

// The server cannot listen where asked.
class EServiceError : public Exception {
 public:
  using Exception::Exception;
};

class TranslationServer {
 public:
  // Receives one line per request, without a line end; called from server threads.
  using LogFunction = std::function<void(const std::string&)>;

  explicit TranslationServer(std::shared_ptr<const Lexicon> lexicon, LogFunction log = {},
                             TranslatorOptions options = {});
  TranslationServer(std::shared_ptr<const Lexicon> lexicon, LogFunction log,
                    const ServerLimits& limits, TranslatorOptions options = {});
  ~TranslationServer();
  TranslationServer(const TranslationServer&) = delete;
  TranslationServer& operator=(const TranslationServer&) = delete;

  // Binds host:port; port 0 picks a free one. Returns the bound port; raises
  // EServiceError.
  int Bind(const std::string& host, int port);
  // Serves until Stop, then lets requests in progress finish and closes
  // every connection; returns false when the server failed to run.
  bool Run();
  // Safe from any thread, also before Run has started.
  void Stop();
  bool IsRunning() const;

 private:
  TranslationService service_;
  LogFunction log_;
  std::unique_ptr<GuardedServer> server_;
};

}  // namespace lumora

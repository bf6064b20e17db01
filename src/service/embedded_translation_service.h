#pragma once
// The translation service running inside the program: the server of
// translation_server.h on 127.0.0.1 with a free port, served by its own
// threads, for the rewrite to use when no other service is named.
//
//   auto service = lumora::EmbeddedTranslationService::Start(lumora::FindDefaultLexicon());
//   std::string url = service->BaseUrl();  // "http://127.0.0.1:41234"
//   // POST url + "/translate?smartresult=dict&smartresult=rule&sessionFrom=null"
//   service.reset();  // stops the server and joins its threads
//
// Start maps the lexicon (a few milliseconds, also for the full one) and
// returns once the server accepts connections. It raises ELexiconError when
// the lexicon cannot be loaded and EServiceError when the server cannot run;
// both carry a message fit for the error box.

#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "service/translation_server.h"

namespace lumora {

class EmbeddedTranslationService {
 public:
  static std::unique_ptr<EmbeddedTranslationService> Start(const std::string& lexiconPath,
                                                           TranslatorOptions options = {});
  // For callers that already hold a lexicon (tests, several services on one).
  static std::unique_ptr<EmbeddedTranslationService> Start(std::shared_ptr<const Lexicon> lexicon,
                                                           TranslatorOptions options = {});

  // Stops accepting, lets requests in progress finish, joins the threads.
  ~EmbeddedTranslationService();
  EmbeddedTranslationService(const EmbeddedTranslationService&) = delete;
  EmbeddedTranslationService& operator=(const EmbeddedTranslationService&) = delete;

  // "http://127.0.0.1:<port>", without a trailing slash.
  std::string BaseUrl() const;
  int Port() const { return port_; }

 private:
  EmbeddedTranslationService() = default;

  std::unique_ptr<TranslationServer> server_;
  std::thread thread_;
  int port_ = 0;
};

// The lexicon the program uses by default: the one FindLexiconFor finds for
// the running executable (through /proc/self/exe), else the one in the build
// tree this program was built in. Returns an empty string when none exists.
std::string FindDefaultLexicon();

// lumora.lex beside the program (a build tree's bin/), else in the installed
// data folder PREFIX/share/lumora of a program in PREFIX/bin or
// PREFIX/libexec/lumora; empty when neither exists.
std::string FindLexiconFor(const std::filesystem::path& program);

}  // namespace lumora

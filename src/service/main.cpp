// lumora-translator [--listen ADDR:PORT] [--lexicon FILE] [--strength S] [--keep FILE]
// The translation service on its own, for several users; one log line per
// request on stderr. Stops on SIGINT or SIGTERM.

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <thread>

#include "base/text.h"
#include "service/embedded_translation_service.h"
#include "service/translation_server.h"
#include "service/translator_setup.h"
#include "translate/libime_language_model.h"

namespace {

void Usage(FILE* to) {
  std::fprintf(to,
               "usage: lumora-translator [--listen ADDR:PORT] [--lexicon FILE]\n"
               "                         [--strength low|normal|high] [--keep FILE]\n"
               "  --listen   address and port to serve on (default 127.0.0.1:8080)\n"
               "  --lexicon  lexicon file (default: lumora.lex beside the program)\n"
               "  --strength how far a rewrite may go (default normal)\n"
               "  --keep     locked terms, one a line (default ~/.config/lumora/keep.txt)\n");
}

void Log(const std::string& line) {
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::tm tm;
  gmtime_r(&now, &tm);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
  std::fprintf(stderr, "%s %s\n", stamp, line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string listen = "127.0.0.1:8080";
  std::string lexiconPath;
  lumora::Strength strength = lumora::Strength::kNormal;
  std::optional<std::string> keepFile;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--listen" || arg == "--lexicon") && i + 1 < argc) {
      (arg == "--listen" ? listen : lexiconPath) = argv[++i];
    } else if (arg == "--keep" && i + 1 < argc) {
      keepFile = argv[++i];
    } else if (arg == "--strength" && i + 1 < argc && lumora::ParseStrength(argv[i + 1])) {
      strength = *lumora::ParseStrength(argv[++i]);
    } else if (arg == "--help" || arg == "-h") {
      Usage(stdout);
      return 0;
    } else {
      Usage(stderr);
      return 2;
    }
  }
  const size_t colon = listen.rfind(':');
  const auto port =
      colon == std::string::npos ? std::nullopt : lumora::ParseInt32(listen.substr(colon + 1));
  if (!port || *port < 0 || *port > 65535 || colon == 0) {
    std::fprintf(stderr, "lumora-translator: --listen wants ADDR:PORT, not \"%s\"\n",
                 listen.c_str());
    return 2;
  }
  const std::string host = listen.substr(0, colon);
  if (lexiconPath.empty()) lexiconPath = lumora::FindDefaultLexicon();
  if (lexiconPath.empty()) {
    std::fprintf(stderr, "lumora-translator: no lumora.lex found; give one with --lexicon\n");
    return 1;
  }

  // Signals are taken by sigwait below, not by a handler, so stopping the
  // server happens on an ordinary thread.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  try {
    lumora::TranslationServer server(lumora::Lexicon::Load(lexiconPath), Log,
                                     lumora::LoadTranslatorOptions(strength, keepFile));
    const int bound = server.Bind(host, *port);
    Log(lumora::Format("lumora-translator: serving %s on http://%s:%d/translate",
                       lexiconPath.c_str(), host.c_str(), bound));
    if (lumora::FindDefaultLanguageModel().empty()) {
      Log("lumora-translator: no language model installed (libime-data-language-model); "
          "rewrites choose words from the dictionary alone");
    }
    bool ok = true;
    std::thread serving([&] {
      ok = server.Run();
      kill(getpid(), SIGTERM);
    });
    int signalNumber = 0;
    sigwait(&stopSignals, &signalNumber);
    server.Stop();
    serving.join();
    Log("lumora-translator: stopped");
    return ok ? 0 : 1;
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "lumora-translator: %s\n", e.Message().c_str());
    return 1;
  }
}

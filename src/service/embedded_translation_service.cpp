#include "service/embedded_translation_service.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>

#include "service/guarded_server.h"

namespace lumora {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr int kMinWorkers = 2;
constexpr int kMaxWorkers = 8;

// Only this program asks, with at most a few pieces in flight: a worker per
// processor serves it as fast as a team's pool would, and starting a pool of
// a team's size would take longer than a short batch run's translating.
ServerLimits EmbeddedLimits() {
  ServerLimits limits;
  const int processors = static_cast<int>(std::thread::hardware_concurrency());
  limits.workers = std::clamp(processors, kMinWorkers, kMaxWorkers);
  return limits;
}

bool IsFile(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

std::unique_ptr<EmbeddedTranslationService> EmbeddedTranslationService::Start(
    const std::string& lexiconPath, TranslatorOptions options) {
  if (lexiconPath.empty()) {
    throw ELexiconError(
        "No lexicon found: lumora.lex is neither beside the program nor in "
        "its build tree");
  }
  return Start(Lexicon::Load(lexiconPath), std::move(options));
}

std::unique_ptr<EmbeddedTranslationService> EmbeddedTranslationService::Start(
    std::shared_ptr<const Lexicon> lexicon, TranslatorOptions options) {
  std::unique_ptr<EmbeddedTranslationService> service(new EmbeddedTranslationService);
  service->server_ = std::make_unique<TranslationServer>(
      std::move(lexicon), TranslationServer::LogFunction{}, EmbeddedLimits(), std::move(options));
  service->port_ = service->server_->Bind("127.0.0.1", 0);
  auto finished = std::make_shared<std::promise<bool>>();
  std::future<bool> ran = finished->get_future();
  TranslationServer* server = service->server_.get();
  service->thread_ = std::thread([server, finished] { finished->set_value(server->Run()); });
  // Return only once connections are accepted, so the first request cannot
  // race the start; a server that gave up reports it here.
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (!server->IsRunning()) {
    if (ran.wait_for(std::chrono::milliseconds(1)) == std::future_status::ready ||
        std::chrono::steady_clock::now() > deadline) {
      server->Stop();
      service->thread_.join();
      throw EServiceError("The translation service did not start on 127.0.0.1:" +
                          std::to_string(service->port_));
    }
  }
  return service;
}

EmbeddedTranslationService::~EmbeddedTranslationService() {
  if (server_) server_->Stop();
  if (thread_.joinable()) thread_.join();
}

std::string EmbeddedTranslationService::BaseUrl() const {
  return "http://127.0.0.1:" + std::to_string(port_);
}

std::string FindLexiconFor(const std::filesystem::path& program) {
  const auto bin = program.parent_path();
  // A program in PREFIX/libexec/lumora (the window's) shares PREFIX/share.
  const auto prefix = bin.parent_path().filename() == "libexec" ? bin.parent_path().parent_path()
                                                                : bin.parent_path();
  for (const auto& candidate : {bin / "lumora.lex", prefix / "share" / "lumora" / "lumora.lex"}) {
    if (IsFile(candidate)) return candidate.lexically_normal().string();
  }
  return {};
}

std::string FindDefaultLexicon() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    std::string found = FindLexiconFor(exe);
    if (!found.empty()) return found;
  }
#ifdef LUMORA_BUILD_LEXICON
  if (IsFile(LUMORA_BUILD_LEXICON)) return LUMORA_BUILD_LEXICON;
#endif
  return {};
}

}  // namespace lumora

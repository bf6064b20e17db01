// The peak memory and time of a rewrite against the local translation
// service, for large articles: the round trip alone (both legs and the framed
// result, as the window sends it), the pieces batch mode sends without its
// scoring, and batch mode (reading, both legs, scoring, writing) with the
// article in one request and in pieces, each in a child
// process whose peak resident size getrusage reports; and the time the
// service takes for a 1 MB paragraph. Prints figures; never fails a build.
//
//   rewrite_memory_bench [MEGABYTES...]      (default 5 25 50)
//   rewrite_memory_bench --one-paragraph [MEGABYTES...]  (articles of a single paragraph)
//   rewrite_memory_bench --lexicon FILE ...  (default: the build's lexicon)
//   rewrite_memory_bench --serve [MEGABYTES...]  (only the service, until killed)
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/batch.h"
#include "app/batch_pieces.h"
#include "base/stream.h"
#include "http/http_client.h"
#include "rewrite/rewrite_text.h"
#include "rewrite/round_trip.h"
#include "service/embedded_translation_service.h"
#include "service/guarded_server.h"
#include "service/translation_protocol.h"
#include "service/translation_server.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kNoLimitMs = 3600 * 1000;

std::string SelfPath() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  return std::string(path, n > 0 ? static_cast<size_t>(n) : 0);
}

// The example articles, paragraphs joined by CR LF.
std::string ExampleParagraphs() {
  std::string paragraphs;
  for (const auto& entry : fs::directory_iterator(LUMORA_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    for (char c : lumora::ReadFileBytes(entry.path().string())) {
      if (c == '\r') continue;
      paragraphs += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
  }
  return paragraphs;
}

// The example paragraphs repeated to about size bytes, written piece by
// piece: the driver must stay small, since a child's peak counts the
// driver's pages it was forked with. One paragraph: their line breaks left
// out, but for one at the end.
void WriteArticle(const std::string& file, size_t size, bool one_paragraph) {
  std::string paragraphs = ExampleParagraphs();
  if (one_paragraph) std::erase_if(paragraphs, [](char c) { return c == '\r' || c == '\n'; });
  lumora::TFileStream out(file, lumora::TFileMode::fmCreate);
  for (size_t written = 0; written < size; written += paragraphs.size())
    out.WriteBuffer(paragraphs.data(), static_cast<int64_t>(paragraphs.size()));
  if (one_paragraph) out.WriteBuffer("\r\n", 2);
}

// The child's peak resident size in KiB, or -1 when it failed.
long PeakKb(const std::vector<std::string>& argv, double& seconds) {
  const auto start = Clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

// The child side: one round trip of the article in file, the result framed
// and written to /dev/null, as the window would hold it.
int RunClient(const std::string& file, const std::string& service) {
  try {
    const std::string article = lumora::ReadFileBytes(file);
    lumora::TNetHTTP http;
    lumora::TRoundTripRewriter rewriter(http, lumora::TranslationEndpointUrl(service));
    rewriter.SetLegTimeLimit(kNoLimitMs);
    rewriter.SetReadTimeLimit(kNoLimitMs);
    std::string result = rewriter.TranslateToChinese(rewriter.TranslateToEnglish(article), true);
    if (result.empty()) return 1;
    FILE* null = std::fopen("/dev/null", "wb");
    for (const std::string& piece : {std::string("本站讯："), result, std::string("本站记者：XXX")})
      std::fwrite(piece.data(), 1, piece.size(), null);
    std::fclose(null);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "client: %s\n", e.what());
    return 1;
  }
}

// The child side of the rewrite in pieces alone, as batch mode cuts and
// sends them, with neither scoring nor writing.
int RunPieces(const std::string& file, const std::string& service) {
  try {
    const std::string article = lumora::ReadFileBytes(file);
    lumora::TPieceRewriter rewriter(lumora::TranslationEndpointUrl(service), {});
    return rewriter.Rewrite(article, file).empty() ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pieces: %s\n", e.what());
    return 1;
  }
}

// The child side of batch mode: RunBatch as `lumora --rewrite FILE --out DIR`
// runs it (reading, both legs of each piece, scoring, writing), with its own
// limits; or the whole article in one request, with legs that may take as
// long as the service needs.
int RunBatchChild(const std::string& file, const std::string& service, const std::string& out,
                  bool one_request) {
  lumora::BatchOptions options;
  options.files = {file};
  options.out_dir = out;
  if (one_request) {
    options.piece_bytes = SIZE_MAX;
    options.leg_time_limit_ms = options.read_time_limit_ms = kNoLimitMs;
  }
  std::ostringstream ignored;
  return lumora::RunBatch(options, lumora::TranslationEndpointUrl(service), ignored, ignored);
}

// Milliseconds the service takes to answer one paragraph toward English.
double ParagraphMs(const std::string& service, const std::string& paragraph) {
  lumora::TNetHTTP http;
  lumora::TRoundTripRewriter rewriter(http, lumora::TranslationEndpointUrl(service));
  rewriter.SetLegTimeLimit(kNoLimitMs);
  rewriter.SetReadTimeLimit(kNoLimitMs);
  const auto start = Clock::now();
  const std::string english = rewriter.TranslateToEnglish(paragraph);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  return english.empty() ? -1 : ms;
}

// Milliseconds of the service's own work on a paragraph, the translator
// aside: reading the form and writing the answer document.
double ProtocolMs(const std::string& paragraph) {
  const std::string body =
      lumora::BuildTranslationBody(lumora::TranslationDirection::ToEnglish, paragraph);
  const auto start = Clock::now();
  const lumora::TranslateRequest request = lumora::ParseTranslateForm(body);
  const std::string xml = lumora::BuildTranslationXml(request.direction, {request.text});
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  return xml.size() > paragraph.size() ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--client") return RunClient(argv[2], argv[3]);
  if (argc == 4 && std::string(argv[1]) == "--pieces") return RunPieces(argv[2], argv[3]);
  if (argc == 5 && std::string(argv[1]) == "--batch")
    return RunBatchChild(argv[2], argv[3], argv[4], false);
  if (argc == 5 && std::string(argv[1]) == "--batch-one-request")
    return RunBatchChild(argv[2], argv[3], argv[4], true);
  std::string lexicon_path = lumora::FindDefaultLexicon();
  std::vector<size_t> megabytes;
  bool serve_only = false;
  bool single_paragraphs = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lexicon" && i + 1 < argc)
      lexicon_path = argv[++i];
    else if (arg == "--serve")
      serve_only = true;
    else if (arg == "--one-paragraph")
      single_paragraphs = true;
    else
      megabytes.push_back(static_cast<size_t>(std::atol(arg.c_str())));
  }
  if (megabytes.empty()) megabytes = {5, 25, 50};
  if (lexicon_path.empty()) {
    std::fprintf(stderr, "no lexicon; give one with --lexicon\n");
    return 1;
  }

  // The built-in service's translator (the dictionary alone), taking bodies
  // as large as the largest article escapes to, in a process of its own.
  lumora::ServerLimits limits;
  limits.max_body_bytes = 0;
  for (size_t mb : megabytes)
    limits.max_body_bytes = std::max(limits.max_body_bytes, (mb * 3 + 16) << 20);
  limits.read_timeout_ms = limits.write_timeout_ms = kNoLimitMs;
  int port_pipe[2];
  if (::pipe(port_pipe) != 0) return 1;
  const pid_t server_pid = serve_only ? 0 : ::fork();
  if (server_pid == 0) {
    lumora::TranslationServer server(lumora::Lexicon::Load(lexicon_path), {}, limits);
    const int port = server.Bind("127.0.0.1", 0);
    std::printf("service on http://127.0.0.1:%d\n", port);
    std::fflush(stdout);
    [[maybe_unused]] ssize_t n = ::write(port_pipe[1], &port, sizeof port);
    server.Run();
    return 0;
  }
  int port = 0;
  if (::read(port_pipe[0], &port, sizeof port) != sizeof port) return 1;
  const std::string service = "http://127.0.0.1:" + std::to_string(port);
  for (bool up = false; !up;) {
    try {
      lumora::TNetHTTP probe;
      probe.Get(service + "/health");
      up = true;
    } catch (const std::exception&) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  const fs::path dir =
      fs::temp_directory_path() / ("rewrite_memory_bench." + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string self = SelfPath();
  const std::string out = (dir / "out").string();
  // What the program costs with a small article; the multiple of the article
  // is taken over it.
  const std::string small = (dir / "small.txt").string();
  WriteArticle(small, 10 * 1024, single_paragraphs);
  double seconds = 0;
  const long client_base = PeakKb({self, "--client", small, service}, seconds);
  const long batch_base = PeakKb({self, "--batch", small, service, out}, seconds);
  std::printf("10 KB article: round trip peak %.1f MiB, batch mode peak %.1f MiB\n",
              client_base / 1024.0, batch_base / 1024.0);
  for (size_t mb : megabytes) {
    const std::string file = (dir / ("article" + std::to_string(mb) + ".txt")).string();
    WriteArticle(file, mb << 20, single_paragraphs);
    const double article_mib = static_cast<double>(fs::file_size(file)) / (1 << 20);
    const struct {
      const char* name;
      std::vector<std::string> argv;
      long base;
    } runs[] = {
        {"round trip", {self, "--client", file, service}, client_base},
        {"pieces, no scoring", {self, "--pieces", file, service}, client_base},
        {"batch, one request", {self, "--batch-one-request", file, service, out}, batch_base},
        {"batch mode", {self, "--batch", file, service, out}, batch_base}};
    for (const auto& run : runs) {
      const long kb = PeakKb(run.argv, seconds);
      if (kb < 0) {
        std::printf("%3zu MB %s, %s: failed\n", mb, single_paragraphs ? "paragraph" : "article",
                    run.name);
        continue;
      }
      std::printf("%3zu MB %s, %-18s: peak %7.1f MiB, %.2f x article over the small one (%.1f s)\n",
                  mb, single_paragraphs ? "paragraph" : "article", run.name, kb / 1024.0,
                  (kb - run.base) / 1024.0 / article_mib, seconds);
      std::fflush(stdout);
    }
  }
  fs::remove_all(dir);

  // Last, as the driver grows with these.
  const std::string paragraphs = ExampleParagraphs();
  std::string one_paragraph;
  while (one_paragraph.size() < (1u << 20)) {
    for (char c : paragraphs) {
      if (c != '\r' && c != '\n') one_paragraph += c;
    }
  }
  std::string latin;
  while (latin.size() < (1u << 20)) latin += "The bank raised its rates again, and prices held. ";
  std::printf("service, 1 MB paragraph toward English: Chinese %.0f ms, Latin %.0f ms\n",
              ParagraphMs(service, one_paragraph), ParagraphMs(service, latin));
  std::printf("  of which reading the form and writing the answer: %.1f ms\n",
              ProtocolMs(one_paragraph));
  ::kill(server_pid, SIGTERM);
  ::waitpid(server_pid, nullptr, 0);
  return 0;
}

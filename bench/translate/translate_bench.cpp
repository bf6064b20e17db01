// translate_bench [LEXICON [EXAMPLES_DIR]]
// Prints: lexicon and language model load times and resident memory; both directions' throughput
// on a 100 KB article; the latency of a 5,000-character round trip (both
// legs over loopback HTTP) and of a 1 MB paragraph's; requests per second
// with 4 concurrent clients.

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "base/stream.h"
#include "round_trip_check.h"
#include "service/embedded_translation_service.h"
#include "service/translator_setup.h"
#include "translate/utf8.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Paragraphs of the examples, repeated until the text holds at least
// minChars characters; paragraphs end with CR LF as the client sends them.
std::string Article(const std::string& examples, size_t minChars) {
  std::vector<std::string> paragraphs;
  std::vector<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(examples)) {
    if (e.path().extension() == ".txt") files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& f : files) {
    const std::string content = lumora::ReadFileBytes(f.string());
    for (const auto& p : lumora::SplitParagraphs(content)) {
      if (!p.text.empty()) paragraphs.emplace_back(p.text);
    }
  }
  std::string text;
  for (size_t i = 0; lumora::CharCount(text) < minChars; ++i) {
    if (!text.empty()) text += "\r\n";
    text += paragraphs[i % paragraphs.size()];
  }
  return text;
}

std::string Body(std::string_view type, std::string_view text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out = "&type=" + std::string(type) + "&i=";
  for (unsigned char c : text) {
    if (c < 0x20 || c >= 0x80 || c == ' ' || c == '#' || c == '%' || c == '*' || c == '+' ||
        c == '<' || c == '>') {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "&doctype=xml&xmlVersion=1.4&keyfrom=fanyi.web&ue=UTF-8&flag=false";
}

constexpr const char* kPath = "/translate?smartresult=dict&smartresult=rule&sessionFrom=null";

std::string Leg(httplib::Client& client, std::string_view type, std::string_view text) {
  auto res = client.Post(kPath, Body(type, text), "application/x-www-form-urlencoded");
  if (!res) throw lumora::Exception("request failed: " + httplib::to_string(res.error()));
  if (res->status != 200) {
    throw lumora::Exception("request failed with " + std::to_string(res->status) + ": " +
                            res->body);
  }
  std::string joined;
  for (const auto& s : lumora::ClientSegments(res->body)) joined += s;
  return joined;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string lexiconPath = argc > 1 ? argv[1] : lumora::FindDefaultLexicon();
  const std::string examples = argc > 2 ? argv[2] : LUMORA_EXAMPLES_DIR;
  try {
    // Load: the first run reads from the page cache like every later start.
    std::vector<double> loads;
    const long before = ResidentKiB();
    long loaded = 0;
    std::shared_ptr<const lumora::Lexicon> lexicon;
    for (int i = 0; i < 5; ++i) {
      lexicon.reset();
      const auto start = Clock::now();
      lexicon = lumora::Lexicon::Load(lexiconPath);
      loads.push_back(Ms(Clock::now() - start));
      loaded = std::max(loaded, ResidentKiB());
    }
    std::printf("lexicon: %d words, file %.1f MB\n", lexicon->WordCount(),
                std::filesystem::file_size(lexiconPath) / 1e6);
    std::printf("lexicon load: median %.2f ms, best %.2f ms (5 runs)\n", Median(loads),
                *std::min_element(loads.begin(), loads.end()));
    std::printf("resident: %.1f MB before, %.1f MB with the lexicon loaded\n", before / 1024.0,
                loaded / 1024.0);

    std::vector<double> modelLoads;
    lumora::TranslatorOptions options;
    for (int i = 0; i < 5; ++i) {
      options = {};
      const auto start = Clock::now();
      options = lumora::LoadTranslatorOptions(lumora::Strength::kNormal, std::nullopt);
      modelLoads.push_back(Ms(Clock::now() - start));
    }
    if (options.model) {
      std::printf("language model load: median %.2f ms, best %.2f ms (5 runs)\n",
                  Median(modelLoads), *std::min_element(modelLoads.begin(), modelLoads.end()));
    } else {
      std::printf("no language model installed: the figures below are for the dictionary alone\n");
    }
    options.lockedTerms.clear();

    lumora::TranslationService service(lexicon, options);
    const std::string big = [&] {
      std::string t = Article(examples, 1);
      while (t.size() < 100 * 1024) t += "\r\n" + Article(examples, 34000);
      return t.substr(0, t.rfind("\r\n", 100 * 1024));
    }();
    std::string english;
    auto start = Clock::now();
    for (const auto& s : service.Translate(lumora::Direction::kToEnglish, big)) english += s;
    const double toEnglish = Ms(Clock::now() - start);
    start = Clock::now();
    size_t chinese = 0;
    for (const auto& s : service.Translate(lumora::Direction::kToChinese, english)) {
      chinese += s.size();
    }
    const double toChinese = Ms(Clock::now() - start);
    std::printf("Chinese->English: %.1f KB (%zu chars) in %.1f ms, %.2f MB/s\n",
                big.size() / 1024.0, lumora::CharCount(big), toEnglish,
                big.size() / 1e3 / toEnglish);
    std::printf("English->Chinese: %.1f KB in %.1f ms, %.2f MB/s (%zu bytes out)\n",
                english.size() / 1024.0, toChinese, english.size() / 1e3 / toChinese, chinese);

    // One long paragraph: the translator weighs it whole, with no line break
    // to start afresh at.
    std::string paragraph;
    for (char c : big) {
      if (c != '\r' && c != '\n') paragraph += c;
    }
    start = Clock::now();
    size_t paragraphOut = 0;
    for (const auto& s : service.Translate(lumora::Direction::kToEnglish, paragraph)) {
      paragraphOut += s.size();
    }
    std::printf("one paragraph of %.1f KB toward English: %.1f ms (%zu bytes out)\n",
                paragraph.size() / 1024.0, Ms(Clock::now() - start), paragraphOut);

    auto embedded = lumora::EmbeddedTranslationService::Start(lexicon, options);
    const std::string article = Article(examples, 5000);
    httplib::Client client("127.0.0.1", embedded->Port());
    client.set_read_timeout(120, 0);
    std::vector<double> trips;
    std::vector<double> cpu;
    for (int i = 0; i < 50; ++i) {
      const double c0 = ProcessCpuMs();
      const auto t0 = Clock::now();
      const std::string en = Leg(client, "ZH_CN2EN", article);
      Leg(client, "EN2ZH_CN", en);
      trips.push_back(Ms(Clock::now() - t0));
      cpu.push_back(ProcessCpuMs() - c0);
    }
    // A paragraph of 1 MB through the service, each leg timed: the service
    // must not take longer for it than the client's transfer does.
    {
      std::string huge;
      while (huge.size() < 1024 * 1024) huge += paragraph;
      const auto h0 = Clock::now();
      const std::string en = Leg(client, "ZH_CN2EN", huge);
      const auto h1 = Clock::now();
      const std::string back = Leg(client, "EN2ZH_CN", en);
      const auto h2 = Clock::now();
      std::printf(
          "one paragraph of %.1f MB round trip over loopback: %.0f ms (toward English %.0f ms, "
          "back %.0f ms; %zu bytes back)\n",
          huge.size() / 1048576.0, Ms(h2 - h0), Ms(h1 - h0), Ms(h2 - h1), back.size());
    }

    // The first trip finds the model's answers in no cache, as a batch run's
    // single article does; the later ones repeat the same article.
    const double first = trips.front();
    std::sort(trips.begin(), trips.end());
    std::printf("first round trip (caches cold): %.1f ms\n", first);
    std::printf(
        "round trip of %zu chars over loopback: median %.1f ms, p90 %.1f ms, max %.1f ms "
        "(50 runs)\n",
        lumora::CharCount(article), trips[trips.size() / 2], trips[trips.size() * 9 / 10],
        trips.back());
    // On a shared machine the wall time waits for other programs; the CPU
    // time the round trip took (client and service, one process) does not.
    std::printf("round trip CPU time: median %.1f ms\n", Median(cpu));

    const std::string request = Article(examples, 1000);
    std::atomic<long> done{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> clients;
    for (int c = 0; c < 4; ++c) {
      clients.emplace_back([&, c] {
        httplib::Client own("127.0.0.1", embedded->Port());
        own.set_read_timeout(30, 0);
        for (int n = 0; !stop; ++n) {
          Leg(own, (n + c) % 2 ? "ZH_CN2EN" : "EN2ZH_CN", request);
          ++done;
        }
      });
    }
    const auto window = std::chrono::seconds(3);
    std::this_thread::sleep_for(window);
    stop = true;
    for (auto& t : clients) t.join();
    std::printf("4 concurrent clients, %zu-char requests: %.0f requests/s\n",
                lumora::CharCount(request), done.load() / 3.0);
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "translate_bench: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}

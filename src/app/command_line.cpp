#include "app/command_line.h"

namespace lumora {

const char* const kUsage =
    "usage: lumora [--service URL]\n"
    "       lumora --rewrite FILE|- [FILE...] [--out DIR] [--prefix TEXT] [--suffix TEXT]\n"
    "              [--no-line-breaks] [--strength low|normal|high] [--keep FILE] [--json]\n"
    "              [--report FILE.html] [--service URL]\n"
    "Without --rewrite the window opens. --service names a translation service\n"
    "(http://host[:port]); without it the built-in one is used, with the strength\n"
    "and the locked terms given (by default normal and ~/.config/lumora/keep.txt).\n"
    "Each file's score goes to standard error; --json writes it as JSON. --report\n"
    "writes a review page: each original beside its rewrite, changed words marked.\n";

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            CommandLine& line) {
  BatchOptions& b = line.batch_options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--rewrite") {
      line.batch = true;
      continue;
    }
    if (a == "--quit-after-first-paint") {
      line.quit_after_first_paint = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      line.help = true;
      continue;
    }
    if (a == "--no-line-breaks") {
      b.line_breaks = false;
      continue;
    }
    if (a == "--json") {
      b.json = true;
      continue;
    }
    if (a == "--strength" || a == "--keep") {
      auto v = value();
      if (!v) return "option " + a + " needs a value";
      if (a == "--keep") {
        b.keep_file = *v;
      } else if (const auto s = ParseStrength(*v)) {
        b.strength = *s;
      } else {
        return "--strength wants low, normal or high, not " + *v;
      }
      continue;
    }
    if (a == "--out" || a == "--prefix" || a == "--suffix" || a == "--service" || a == "--report") {
      auto v = value();
      if (!v) return "option " + a + " needs a value";
      if (a == "--out") b.out_dir = *v;
      if (a == "--report") b.report = *v;
      if (a == "--prefix") b.prefix = *v;
      if (a == "--suffix") b.suffix = *v;
      if (a == "--service") line.service_url = *v;
      continue;
    }
    if (a.size() > 1 && a[0] == '-') return "unknown option " + a;
    if (!line.batch) return "a file is only taken after --rewrite: " + a;
    b.files.push_back(a);
  }
  if (line.help) return std::nullopt;
  if (line.batch && b.files.empty()) return "--rewrite needs a file, or - for standard input";
  if (b.files.size() > 1 && !b.out_dir) return "several files need --out DIR";
  if (!line.batch &&
      (b.out_dir || b.prefix != BatchOptions().prefix || b.suffix != BatchOptions().suffix ||
       !b.line_breaks || b.json || b.keep_file || b.strength != Strength::kNormal || b.report))
    return "--out, --prefix, --suffix, --no-line-breaks, --strength, --keep, --json and --report "
           "belong to --rewrite";
  return std::nullopt;
}

bool ParseProgramArguments(int argc, char** argv, CommandLine& line, std::ostream& err) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (auto error = ParseCommandLine(args, line)) {
    err << "lumora: " << *error << "\n" << kUsage;
    return false;
  }
  return true;
}

}  // namespace lumora

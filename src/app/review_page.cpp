#include "app/review_page.h"

#include <cstdio>

#include "app/review_marks.h"

namespace lumora {

namespace {

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%%", 100 * share);
  return text;
}

// What the rewrite failed to keep, or that it kept everything.
std::string Fidelity(const RewriteScore& s) {
  if (s.Faithful()) return "保真";
  std::string faults;
  auto add = [&](size_t n, const char* what) {
    if (n == 0) return;
    if (!faults.empty()) faults += "，";
    faults += std::string(what) + " " + std::to_string(n);
  };
  if (s.paragraphsIn != s.paragraphsOut) {
    faults = "段落 " + std::to_string(s.paragraphsIn) + "→" + std::to_string(s.paragraphsOut);
  }
  add(s.numberFaults, "数字");
  add(s.latinFaults, "英文词");
  add(s.negationFaults, "否定词");
  add(s.lockedFaults, "保留词");
  add(s.markupFaults, "标记");
  return "有出入：" + faults;
}

std::string Pieces(const std::vector<TextPiece>& pieces, const char* mark) {
  std::string out;
  for (const TextPiece& p : pieces) {
    if (p.changed)
      out += std::string("<mark class=\"") + mark + "\">" + Escape(p.text) + "</mark>";
    else
      out += Escape(p.text);
  }
  return out;
}

constexpr const char* kStyle = R"(
body { margin: 0; padding: 24px 32px; background: #f2f3f5; color: #343c4a;
  font: 15px/1.7 "Noto Sans CJK SC", "WenQuanYi Zen Hei", "Microsoft YaHei", sans-serif; }
h1 { font-size: 22px; margin: 0 0 16px; color: #4d5874; }
h1::before { content: ""; display: inline-block; width: 6px; height: 22px; margin-right: 10px;
  vertical-align: -4px; background: #f1ca58; border-radius: 2px; }
h2 { font-size: 17px; margin: 0 0 8px; color: #4d5874; }
table { border-collapse: collapse; background: #fff; margin-bottom: 24px; }
th, td { border: 1px solid #c2c8d1; padding: 4px 12px; text-align: left; }
th { background: #ebeef2; font-weight: 600; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
.totals td { font-weight: 600; }
section { background: #fff; border: 1px solid #c2c8d1; border-radius: 6px; padding: 16px 20px;
  margin-bottom: 20px; }
.facts { color: #5b6578; margin-bottom: 10px; }
.pair { display: grid; grid-template-columns: 1fr 1fr; gap: 4px 24px; }
.pair h3 { font-size: 14px; margin: 0; color: #8a929e; }
.pair p { margin: 0 0 8px; }
mark.old { background: #fde2dc; color: #9a2b1f; }
mark.new { background: #fcebb8; color: #6b4a00; }
.faithful { color: #2f7a3e; }
.unfaithful, .failed { color: #b2382a; }
)";

}  // namespace

std::string ReviewTitle(size_t files) {
  return "Lumora 伪原创 · 改写报告（" + std::to_string(files) + " 篇）";
}

std::string BuildReviewPage(const std::vector<ReviewEntry>& entries, const Lexicon* lexicon) {
  RewriteScore total;
  size_t failed = 0, measured = 0, faithful = 0;
  for (const ReviewEntry& e : entries) {
    if (!e.error.empty()) ++failed;
    if (e.error.empty() && e.score) {
      total.Add(*e.score);
      ++measured;
      faithful += e.score->Faithful();
    }
  }
  const std::string title = ReviewTitle(entries.size());
  std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n";
  html += "<title>" + Escape(title) + "</title>\n<style>" + std::string(kStyle) + "</style>\n";
  html += "</head>\n<body>\n<h1>" + Escape(title) + "</h1>\n";

  html +=
      "<table id=\"summary\">\n<tr><th>篇数</th><th>改写</th><th>失败</th>"
      "<th>内容词</th><th>改动比例</th><th>保真</th></tr>\n";
  html += "<tr class=\"totals\"><td class=\"number\" id=\"files\">" +
          std::to_string(entries.size()) + "</td><td class=\"number\" id=\"rewritten\">" +
          std::to_string(entries.size() - failed) + "</td><td class=\"number\" id=\"failed\">" +
          std::to_string(failed) + "</td><td class=\"number\" id=\"content-words\">" +
          std::to_string(total.contentWords) + "</td><td class=\"number\" id=\"changed-share\">" +
          (measured ? Percent(total.ChangedShare()) : "—") +
          "</td><td class=\"number\" id=\"faithful\">" + std::to_string(faithful) + " / " +
          std::to_string(measured) + "</td></tr>\n</table>\n";

  html +=
      "<table id=\"files-table\">\n<tr><th>#</th><th>文件</th><th>内容词</th>"
      "<th>改动比例</th><th>保真检查</th></tr>\n";
  for (size_t n = 0; n < entries.size(); ++n) {
    const ReviewEntry& e = entries[n];
    const std::string anchor = "file-" + std::to_string(n + 1);
    html += "<tr><td class=\"number\">" + std::to_string(n + 1) + "</td><td><a href=\"#" + anchor +
            "\">" + Escape(e.file) + "</a></td>";
    if (!e.error.empty()) {
      html += "<td></td><td></td><td class=\"failed\">失败</td></tr>\n";
    } else if (e.score) {
      html += "<td class=\"number\">" + std::to_string(e.score->contentWords) +
              "</td><td class=\"number share\">" + Percent(e.score->ChangedShare()) +
              "</td><td class=\"" + (e.score->Faithful() ? "faithful" : "unfaithful") + "\">" +
              Escape(Fidelity(*e.score)) + "</td></tr>\n";
    } else {
      html += "<td></td><td class=\"number\">—</td><td>—</td></tr>\n";
    }
  }
  html += "</table>\n";

  for (size_t n = 0; n < entries.size(); ++n) {
    const ReviewEntry& e = entries[n];
    html += "<section id=\"file-" + std::to_string(n + 1) + "\">\n<h2>" + std::to_string(n + 1) +
            ". " + Escape(e.file) + "</h2>\n";
    if (!e.error.empty()) {
      html += "<div class=\"facts failed\">" + Escape(e.error) + "</div>\n</section>\n";
      continue;
    }
    if (e.score) {
      html += "<div class=\"facts\">改动 " + Percent(e.score->ChangedShare()) + "（" +
              std::to_string(e.score->changedWords) + " / " +
              std::to_string(e.score->contentWords) + " 个内容词）· " + Escape(Fidelity(*e.score)) +
              "</div>\n";
    }
    html += "<div class=\"pair\"><h3>原文</h3><h3>改写</h3>\n";
    for (const ReviewParagraph& p : MarkChanges(lexicon, e.source, e.result)) {
      html += "<p>" + Pieces(p.source, "old") + "</p><p>" + Pieces(p.result, "new") + "</p>\n";
    }
    html += "</div>\n</section>\n";
  }
  html += "</body>\n</html>\n";
  return html;
}

}  // namespace lumora

// A source box of the main window with 100,000 Chinese characters: the
// skinned rich edit (686 x 265, 12-pixel 宋体) with its skinned scroll bar,
// drawn from the built-in skin. Prints the median and 90th percentile of
// pasting the article (until the box and its bar have repainted), of one
// scroll step by the bar's arrow from top to bottom, of one drag move of the
// thumb, and of typing one character at the end.
// Goals: paste under 100 ms, a scroll step under 5 ms (medians).

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "skin/controls/skin_rich_edit.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/data/skin_data.h"
#include "support/skin_bench.h"

namespace {

using namespace lumora;
using Clock = std::chrono::steady_clock;

constexpr int kCharacters = 100000;
constexpr int kParagraph = 300;

// Common characters in paragraphs of 300 with a line end after each.
QString Article() {
  const QString pool = QStringLiteral(
      "今年前三季度我国经济运行总体平稳专家认为这是推动增长的重要力量城市居民生活质量"
      "不断改善科技创新带动产业升级消费市场持续回暖农业生产形势良好就业保持稳定");
  QString text;
  text.reserve(kCharacters + kCharacters / kParagraph + 1);
  for (int i = 0; i < kCharacters; ++i) {
    text += pool[(i * 7 + i / 13) % pool.size()];
    if ((i + 1) % kParagraph == 0) text += QLatin1Char('\n');
  }
  return text;
}

struct Figures {
  double median_ms = 0;
  double p90_ms = 0;
  size_t count = 0;
};

Figures Summarise(std::vector<double> ms) {
  if (ms.empty()) return {};
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.size()};
}

double TimeMs(const std::function<void()>& step) {
  const auto start = Clock::now();
  step();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Print(const char* what, const Figures& f) {
  std::printf("%-34s median %8.3f ms   p90 %8.3f ms   (%zu runs)\n", what, f.median_ms, f.p90_ms,
              f.count);
}

void Click(QWidget* w, QEvent::Type type, QPoint at) {
  QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

}  // namespace

int main(int argc, char** argv) {
  bench::SkinBench bench(argc, argv, 289);
  TskSkinData& skin = bench.skin;
  QWidget& form = bench.form;
  auto* edit = new TskSkinRichEdit(&form);
  edit->setGeometry(1, 23, 686, 265);
  QFont font;
  font.setFamilies(
      {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei")});
  font.setPixelSize(12);
  edit->setFont(font);
  auto* bar = new TskSkinScrollBar(&form);
  bar->SetKind(sbVertical);
  bar->SetSkinDataName("vscrollbar");
  bar->setGeometry(687, 23, 19, 265);
  bar->setEnabled(false);
  bar->SetSkinData(&skin);
  edit->SetSkinData(&skin);
  edit->SetVScrollBar(bar);
  form.show();
  QApplication::processEvents();

  const QString article = Article();
  QApplication::clipboard()->setText(article);
  auto settle = [&] {
    edit->repaint();
    bar->repaint();
  };

  std::vector<double> paste;
  for (int run = 0; run < 7; ++run) {
    edit->clear();
    settle();
    paste.push_back(TimeMs([&] {
      edit->paste();
      settle();
    }));
  }
  Print("paste 100,000 characters", Summarise(paste));

  QScrollBar* inner = edit->verticalScrollBar();
  inner->setValue(0);
  settle();
  std::printf("lines to scroll: %d, bar enabled: %s\n", inner->maximum(),
              bar->isEnabled() ? "yes" : "no");

  // The increasing arrow, clicked once per line, from top to bottom.
  const TRect inc = bar->Parts().Part[spIncrease];
  const QPoint arrow((inc.Left + inc.Right) / 2, (inc.Top + inc.Bottom) / 2);
  std::vector<double> steps;
  while (inner->value() < inner->maximum()) {
    const int before = inner->value();
    steps.push_back(TimeMs([&] {
      Click(bar, QEvent::MouseButtonPress, arrow);
      Click(bar, QEvent::MouseButtonRelease, arrow);
      settle();
    }));
    if (inner->value() == before) break;
  }
  Print("scroll step (arrow), top to bottom", Summarise(steps));
  std::printf("reached the bottom: %s\n", inner->value() == inner->maximum() ? "yes" : "no");

  // Dragging the thumb from the top of the track to its bottom.
  inner->setValue(0);
  settle();
  const TskScrollParts parts = bar->Parts();
  const TRect thumb = parts.Part[spThumb];
  QPoint at((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
  Click(bar, QEvent::MouseButtonPress, at);
  std::vector<double> drags;
  for (int y = at.y() + 1; y <= parts.TrackEnd; ++y) {
    drags.push_back(TimeMs([&] {
      QMouseEvent move(QEvent::MouseMove, QPoint(at.x(), y), bar->mapToGlobal(QPoint(at.x(), y)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(bar, &move);
      settle();
    }));
  }
  Click(bar, QEvent::MouseButtonRelease, at);
  Print("thumb drag move (1 pixel)", Summarise(drags));

  // Typing at the end of the whole article.
  edit->moveCursor(QTextCursor::End);
  std::vector<double> typing;
  for (int i = 0; i < 200; ++i) {
    typing.push_back(TimeMs([&] {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("字"));
      QApplication::sendEvent(edit, &key);
      settle();
    }));
  }
  Print("type one character at the end", Summarise(typing));
  return 0;
}

// Paint time of each skinned control at its size on the main window, drawn
// from the built-in skin: the median and the 90th percentile of many paints
// of one control into an off-screen image. Goal: a median under 0.2 ms.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_radio_box.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/data/skin_data.h"
#include "support/skin_bench.h"

namespace {

using namespace lumora;
using Clock = std::chrono::steady_clock;

constexpr int kPaints = 400;

struct Figures {
  double median_ms;
  double p90_ms;
};

Figures TimePaints(QWidget& control) {
  QImage canvas(control.size(), QImage::Format_RGB32);
  std::vector<double> ms;
  ms.reserve(kPaints);
  for (int i = 0; i < kPaints + 20; ++i) {
    QPainter p(&canvas);
    const auto start = Clock::now();
    control.render(&p);
    const auto end = Clock::now();
    if (i >= 20) ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  if (qEnvironmentVariableIsSet("LUMORA_BENCH_SAVE"))
    canvas.save(QString::fromLocal8Bit(qgetenv("LUMORA_BENCH_SAVE")) + control.objectName() +
                ".png");
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms[ms.size() * 9 / 10]};
}

}  // namespace

int main(int argc, char** argv) {
  bench::SkinBench bench(argc, argv, 640);
  TskSkinData& skin = bench.skin;
  QWidget& form = bench.form;
  struct Row {
    const char* name;
    QWidget* control;
  };
  std::vector<Row> rows;

  auto* panel = new TskSkinPanel(&form);
  panel->SetBorderStyle(bvNone);
  panel->setGeometry(0, 0, 707, 577);
  panel->SetSkinData(&skin);
  rows.push_back({"skSkinPanel1 (panel, 707 x 577)", panel});

  auto* group = new TskSkinGroupBox(&form);
  group->SetCaption(QStringLiteral("输入原文"));
  group->setGeometry(0, 0, 707, 289);
  group->SetSkinData(&skin);
  rows.push_back({"skSkinGroupBox1 (group box, 707 x 289)", group});

  auto* button = new TskSkinButton(&form);
  button->SetCaption(QStringLiteral("伪原创"));
  button->setGeometry(520, 586, 80, 20);
  button->SetSkinData(&skin);
  rows.push_back({"skSkinButton1 (button, 80 x 20)", button});

  auto* check = new TskSkinCheckRadioBox(&form);
  check->SetCaption(QStringLiteral("开启智能换行"));
  check->setGeometry(412, 584, 101, 25);
  check->SetChecked(true);
  check->SetSkinData(&skin);
  rows.push_back({"skSkinCheckRadioBox1 (flat check box, 101 x 25)", check});

  auto* status = new TskSkinStatusBar(&form);
  status->setGeometry(0, 619, 707, 21);
  status->SetSkinData(&skin);
  rows.push_back({"skSkinStatusBar1 (status bar, 707 x 22)", status});

  auto* label = new TskSkinStdLabel(status);
  label->SetCaption(QStringLiteral("双向翻译完成"));
  label->move(16, 4);
  label->SetSkinData(&skin);
  rows.push_back({"skSkinStdLabel15 (status label)", label});

  auto* link = new TskSkinLinkLabel(status);
  link->SetCaption(QStringLiteral("点击进入Lumora‘s Blog"));
  link->move(586, 3);
  rows.push_back({"skSkinLinkLabel1 (link label)", link});

  form.show();
  QCoreApplication::processEvents();
  std::printf("%-50s %10s %10s\n", "control", "median ms", "p90 ms");
  for (const Row& r : rows) {
    r.control->setObjectName(QString::fromLatin1(r.name).section(QLatin1Char(' '), 0, 0));
    const Figures f = TimePaints(*r.control);
    std::printf("%-50s %10.3f %10.3f\n", r.name, f.median_ms, f.p90_ms);
  }
  return 0;
}

#pragma once
// What the skin benchmarks start from: an application on the offscreen
// platform (unless QT_QPA_PLATFORM names another), the built-in skin loaded
// into a skin data component, and a bare form of the main window's width.

#include <QApplication>
#include <QWidget>

#include "skin/builtin/builtin_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

namespace lumora::bench {

struct SkinBench {
  SkinBench(int& argc, char** argv, int formHeight) : app(OffscreenUnlessChosen(argc), argv) {
    stored.CompressedStream().WriteString(BuiltinSkinBlock());
    skin.SetCompressedStoredSkin(&stored);
    form.resize(kFormWidth, formHeight);
  }

  static constexpr int kFormWidth = 707;

  QApplication app;
  TskCompressedStoredSkin stored;
  TskSkinData skin;
  QWidget form;

 private:
  static int& OffscreenUnlessChosen(int& argc) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
  }
};

}  // namespace lumora::bench

#include "skin/controls/parent_background.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "support/pixel_grid.h"

namespace lumora {
namespace {

using test::PixelsAre;

// Fills itself with one grid colour and records whether it was painting a copy.
class Plain : public QWidget {
 public:
  Plain(QWidget* parent, char colour) : QWidget(parent), colour_(colour) {}
  bool sawCopyMark = false;
  bool sawParentMark = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    sawCopyMark = IsPaintingCopy(this);
    sawParentMark = IsPaintingCopy(parentWidget());
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(test::GridColour(colour_)));
  }

 private:
  char colour_;
};

QImage Background(QWidget* control) {
  QImage image(control->width(), control->height(), QImage::Format_RGB32);
  image.fill(0);
  QPainter p(&image);
  DrawParentBackground(control, p);
  p.end();
  return image;
}

TEST(ParentBackground, ShowsTheParentAndTheSiblingsBelowAtTheControlsPlace) {
  Plain parent(nullptr, 'p');
  parent.resize(20, 20);
  Plain below(&parent, 'b');
  below.setGeometry(0, 0, 7, 7);
  Plain hidden(&parent, 'h');
  hidden.setGeometry(0, 0, 20, 20);
  hidden.hide();
  Plain control(&parent, 'c');
  control.setGeometry(5, 4, 4, 4);
  Plain above(&parent, 'a');
  above.setGeometry(0, 0, 20, 20);

  EXPECT_TRUE(PixelsAre(Background(&control), {"bbpp", "bbpp", "bbpp", "pppp"}));
  EXPECT_TRUE(parent.sawCopyMark);
  EXPECT_TRUE(below.sawCopyMark);
  EXPECT_TRUE(below.sawParentMark);
  EXPECT_FALSE(IsPaintingCopy(&parent));
  EXPECT_FALSE(IsPaintingCopy(&below));
}

TEST(ParentBackground, NothingWithoutAParent) {
  Plain lone(nullptr, 'c');
  lone.resize(2, 2);
  EXPECT_TRUE(PixelsAre(Background(&lone), {"..", ".."}));
  QImage image(2, 2, QImage::Format_RGB32);
  QPainter p(&image);
  DrawParentBackground(nullptr, p);  // must not crash
}

}  // namespace
}  // namespace lumora

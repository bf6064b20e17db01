// The main window at a device pixel ratio of 2 (QT_SCALE_FACTOR=2): the
// controls keep their stored places and the skin's pictures are drawn as
// whole 2 x 2 blocks, without gaps or seams.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <string>

#include "app/main_window.h"
#include "skin/builtin/builtin_skin.h"
#include "skin/data/control_data.h"
#include "skin/data/skin_data.h"

namespace lumora {
namespace {

class MainWindowAtScale2 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    shot_ = form_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  QWidget* Find(const char* name) {
    auto* w = form_->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // The first logical pixel of the rectangle whose four device pixels are
  // not one colour, as "x,y", or empty.
  std::string FirstSplitPixel(const QRect& logical) const {
    for (int y = logical.top(); y <= logical.bottom(); ++y)
      for (int x = logical.left(); x <= logical.right(); ++x) {
        const QRgb c = shot_.pixel(2 * x, 2 * y);
        if (shot_.pixel(2 * x + 1, 2 * y) != c || shot_.pixel(2 * x, 2 * y + 1) != c ||
            shot_.pixel(2 * x + 1, 2 * y + 1) != c) {
          shot_.save(QStringLiteral("main_window_scaled_test.png"));
          return std::to_string(x) + "," + std::to_string(y);
        }
      }
    return {};
  }

  std::unique_ptr<TForm1> form_;
  QImage shot_;
};

TEST_F(MainWindowAtScale2, ControlsKeepTheirStoredPlaces) {
  EXPECT_EQ(form_->ClientArea()->size(), QSize(707, 640));
  EXPECT_EQ(shot_.size(), form_->size() * 2);
  struct Place {
    const char* name;
    int left, top;
  } places[] = {{"skSkinPanel1", 0, 0},
                {"skSkinGroupBox1", 0, 0},
                {"skSkinStdLabel1", 0, 590},
                {"skSkinEdit4", 64, 587},
                {"skSkinStdLabel2", 208, 590},
                {"skSkinEdit5", 272, 587},
                {"skSkinCheckRadioBox1", 412, 584},
                {"skSkinButton1", 520, 586},
                {"skSkinButton2", 616, 585},
                {"skSkinStdLabel15", 16, 4}};
  for (const Place& p : places) EXPECT_EQ(Find(p.name)->pos(), QPoint(p.left, p.top)) << p.name;
  // Docked at the bottom, at the height the skin gives it.
  QWidget* status = Find("skSkinStatusBar1");
  EXPECT_EQ(status->geometry().bottom() + 1, 640);
  EXPECT_EQ(status->width(), 707);
  EXPECT_EQ(Find("skSkinPanel1")->size(), QSize(707, 577));
  EXPECT_EQ(Find("skSkinGroupBox2")->geometry(), QRect(0, 289, 707, 280));
}

TEST_F(MainWindowAtScale2, FrameIsTheSkinPictureInWholeBlocks) {
  const TskSkinData& skin = form_->skSkinData1();
  const QImage picture = skin.Picture().convertToFormat(QImage::Format_RGB32);
  const QImage mask = skin.MaskPicture().convertToFormat(QImage::Format_RGB32);
  const TRect client = skin.FormInfo().ClientRect;
  const int w = form_->width(), h = form_->height();
  // The borders around the client area and the caption's top rows: every
  // logical pixel is one colour over its four device pixels.
  EXPECT_EQ(FirstSplitPixel(QRect(0, 0, w, 3)), "");
  EXPECT_EQ(FirstSplitPixel(QRect(0, client.Top, client.Left, h - client.Top)), "");
  const int right = picture.width() - client.Right;
  EXPECT_EQ(FirstSplitPixel(QRect(w - right, client.Top, right, h - client.Top)), "");
  const int bottom = picture.height() - client.Bottom;
  EXPECT_EQ(FirstSplitPixel(QRect(0, h - bottom, w, bottom)), "");
  // The top-left corner (the border beside and the rows above the caption
  // button) is the picture's, where the mask keeps it.
  int compared = 0;
  for (int y = 0; y < client.Top; ++y)
    for (int x = 0; x < 40; ++x) {
      if ((x >= client.Left && y >= 3) || mask.pixel(x, y) != qRgb(0, 0, 0)) continue;
      ASSERT_EQ(shot_.pixel(2 * x, 2 * y), picture.pixel(x, y)) << x << "," << y;
      ++compared;
    }
  EXPECT_GT(compared, 20);
}

TEST_F(MainWindowAtScale2, ButtonEndsAreTheSkinPicture) {
  const TskSkinData& skin = form_->skSkinData1();
  const auto* data =
      dynamic_cast<const TskDataSkinButtonControl*>(skin.Control(skin.ControlIndexOf("button")));
  ASSERT_NE(data, nullptr);
  const QImage picture =
      skin.ActivePicture(data->PictureIndex)->convertToFormat(QImage::Format_RGB32);
  const TRect r = data->SkinRect;
  for (const char* name : {"skSkinButton1", "skSkinButton2"}) {
    QWidget* button = Find(name);
    const QPoint origin = button->mapTo(form_.get(), QPoint(0, 0));
    ASSERT_EQ(button->height(), r.Height()) << name;
    EXPECT_EQ(FirstSplitPixel(QRect(origin, button->size())), "") << name;
    for (int y = 0; y < r.Height(); ++y) {
      // Both ends, two pixels in, copied one to one.
      EXPECT_EQ(shot_.pixel(2 * (origin.x() + 1), 2 * (origin.y() + y)),
                picture.pixel(r.Left + 1, r.Top + y))
          << name << " left end row " << y;
      EXPECT_EQ(shot_.pixel(2 * (origin.x() + button->width() - 2), 2 * (origin.y() + y)),
                picture.pixel(r.Right - 2, r.Top + y))
          << name << " right end row " << y;
    }
  }
}

}  // namespace
}  // namespace lumora

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The frame's links to the rest of the form: the status bar's size grip,
// the logo, the background notice to the form's controls, the display
// change, the small icon and the hints of frame objects.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <stdexcept>

#include "platform/messages.h"
#include "skin/builtin/builtin_skin.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/data/skin_container.h"
#include "skin/draw/screen_routines.h"
#include "skin/form/skin_hint.h"
#include "skin_form_fixture.h"

namespace lumora {
namespace {

using test::Q;
using test::SameArea;
using test::SkinFormTest;

QPoint Middle(const TRect& r) {
  return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

TEST_F(SkinFormTest, StatusBarGripIsHiddenWhileMaximizedAndSizesTheForm) {
  auto* bar = new TskSkinStatusBar(client_);
  bar->SetSizeGrip(true);
  bar->setGeometry(0, client_->height() - 21, client_->width(), 21);
  form_->SetStatusBar(bar);
  ShowActive();
  ASSERT_TRUE(bar->ShowGrip());
  const TRect grip = bar->GripRect();
  ASSERT_FALSE(grip.IsEmpty());

  form_->SetFrameWindowState(wsMaximized);
  EXPECT_FALSE(bar->ShowGrip());
  EXPECT_TRUE(bar->GripRect().IsEmpty());
  form_->SetFrameWindowState(wsNormal);
  EXPECT_TRUE(bar->ShowGrip());

  // A drag on the grip sizes the form from its bottom-right corner (the
  // frame does it itself where the platform cannot).
  const QRect before = host_->geometry();
  const QPoint at = Middle(bar->GripRect());
  QTest::mousePress(bar, Qt::LeftButton, {}, at);
  QTest::mouseMove(bar, at + QPoint(30, 20));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, at + QPoint(30, 20));
  EXPECT_EQ(host_->geometry(), before.adjusted(0, 0, 30, 20));
  EXPECT_FALSE(form_->InSizeMove());

  // Elsewhere on the bar a press is the bar's own.
  const QRect now = host_->geometry();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(bar, QPoint(40, 15));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(40, 15));
  EXPECT_EQ(host_->geometry(), now);

  // Unlinked, the frame no longer touches the grip.
  form_->SetStatusBar(nullptr);
  form_->SetFrameWindowState(wsMaximized);
  EXPECT_TRUE(bar->ShowGrip());
}

TEST_F(SkinFormTest, TransparentLogoLeavesOutItsBottomLeftColour) {
  const QRect area(0, 0, 200, 150);
  auto paint = [&] {
    QImage out(area.size(), QImage::Format_RGB32);
    QPainter p(&out);
    form_->PaintClientBackground(p, area);
    return out;
  };
  const QImage background = paint();
  QImage logo(20, 10, QImage::Format_RGB32);
  logo.fill(QColor(255, 0, 0));
  for (int y = 3; y < 7; ++y)
    for (int x = 8; x < 12; ++x) logo.setPixel(x, y, qRgb(0, 0, 255));
  form_->LogoBitMap = logo;
  const QPoint corner((area.width() - 20) / 2, (area.height() - 10) / 2);

  const QImage opaque = paint();
  EXPECT_EQ(opaque.pixel(corner) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(opaque.pixel(corner + QPoint(9, 4)) & 0xFFFFFF, 0x0000FFu);

  form_->LogoBitMapTransparent = true;
  const QImage keyed = paint();
  EXPECT_EQ(keyed.pixel(corner), background.pixel(corner));
  EXPECT_EQ(keyed.pixel(corner + QPoint(19, 9)), background.pixel(corner + QPoint(19, 9)));
  EXPECT_EQ(keyed.pixel(corner + QPoint(9, 4)) & 0xFFFFFF, 0x0000FFu);
}

// Counts the background notices it receives.
class BackgroundListener : public QWidget {
 public:
  using QWidget::QWidget;
  int notices = 0;

 protected:
  bool event(QEvent* e) override {
    if (TMessageEvent* m = AsMessage(e); m != nullptr && m->Msg() == WM_PARENTBGCHANGED) {
      ++notices;
      return true;
    }
    return QWidget::event(e);
  }
};

// The built-in skin with a stretched client background.
class StretchedSkin {
 public:
  StretchedSkin() {
    TskCompressedStoredSkin builtin;
    builtin.CompressedStream().WriteString(BuiltinSkinBlock());
    TMemoryStream raw;
    builtin.DecompressTo(raw);
    raw.Seek(0, TSeekOrigin::soBeginning);
    TskSkinContainer container;
    if (!ReadSkinContainer(raw, container)) throw std::runtime_error("unreadable skin");
    bool inFormInfo = false;
    for (int i = 0; i < container.Lines.Count(); ++i) {
      std::string& line = container.Lines[i];
      if (!line.empty() && line[0] == '[') inFormInfo = line.rfind("[FORMINFO]", 0) == 0;
      if (inFormInfo && line.rfind("stretcheffect=", 0) == 0) line = "stretcheffect=1";
    }
    stored_.CompressContainer(container);
    data_.SetCompressedStoredSkin(&stored_);
  }
  TskSkinData& Data() { return data_; }

 private:
  TskCompressedStoredSkin stored_;
  TskSkinData data_;
};

TEST_F(SkinFormTest, AStateChangeUnderAStretchedBackgroundTellsOnlyTheFormsOwnControls) {
  auto* control = new BackgroundListener(client_);
  auto* inner = new BackgroundListener(control);
  inner->setAttribute(Qt::WA_NativeWindow);  // a window of its own, still not the form's
  ShowActive();
  // Without a stretched background nothing changes under the controls.
  form_->SetFrameWindowState(wsMaximized);
  form_->SetFrameWindowState(wsNormal);
  EXPECT_EQ(control->notices, 0);

  StretchedSkin stretched;
  ASSERT_TRUE(stretched.Data().FormInfo().StretchEffect);
  form_->SetSkinData(&stretched.Data());
  form_->SetFrameWindowState(wsMaximized);
  EXPECT_EQ(control->notices, 1);
  form_->SetFrameWindowState(wsNormal);
  EXPECT_EQ(control->notices, 2);
  // A control tells its own children; the frame does not.
  EXPECT_EQ(inner->notices, 0);
  form_->SetSkinData(&skin_->Data());
}

TEST_F(SkinFormTest, DisplayChangeReplacesAMaximizedFormAndShrinksAnOversizedOne) {
  ShowActive();
  const TRect work = WindowWorkArea(host_->windowHandle());
  form_->SetFrameWindowState(wsMaximized);
  const TRect m = form_->MaximizedBounds();
  // As if the form had been maximized on a screen of another size.
  host_->setGeometry(m.Left + 10, m.Top + 10, m.Width() / 2, m.Height() / 2);
  emit QGuiApplication::primaryScreen()->availableGeometryChanged(
      QGuiApplication::primaryScreen()->availableGeometry());
  EXPECT_EQ(host_->geometry(), Q(m));

  form_->SetFrameWindowState(wsNormal);
  host_->setGeometry(work.Left, work.Top, work.Width() + 40, work.Height() + 30);
  form_->DisplayChanged();
  EXPECT_EQ(host_->size(), QSize(work.Width(), work.Height()));
  // A form that fits is left alone.
  host_->setGeometry(work.Left + 5, work.Top + 5, 500, 400);
  form_->DisplayChanged();
  EXPECT_EQ(host_->geometry(), QRect(work.Left + 5, work.Top + 5, 500, 400));
}

TEST_F(SkinFormTest, ShowIconDrawsTheFormsSmallIconInPlaceOfTheSystemMenuButton) {
  QPixmap green(32, 32);
  green.fill(QColor(0, 200, 0));
  host_->setWindowIcon(QIcon(green));
  ShowActive();
  form_->SetShowIcon(true);
  TskActiveSkinObject* button = Object("sysmenubutton");
  ASSERT_EQ(button->ObjectRect.Width(), 16);
  ASSERT_EQ(button->ObjectRect.Height(), 16);
  const QImage frame = Frame();
  const QImage icon = form_->SmallIcon();
  ASSERT_EQ(icon.size(), QSize(16, 16));
  EXPECT_EQ(icon.pixel(8, 8) & 0xFFFFFF, 0x00C800u);
  EXPECT_TRUE(SameArea(frame, Q(button->ObjectRect), icon, QRect(0, 0, 16, 16)));
  // Off again: the button's own look.
  form_->SetShowIcon(false);
  EXPECT_TRUE(SameArea(Frame(), Q(button->ObjectRect), Own(button), Q(button->SkinRect)));

  // The default look shows it too.
  form_->SetSkinData(nullptr);
  form_->SetShowIcon(true);
  const QImage plain = Frame();
  TskActiveSkinObject* plainButton = Object("sysmenubutton");
  ASSERT_NE(plainButton, nullptr);
  EXPECT_TRUE(SameArea(plain, Q(plainButton->ObjectRect), icon, QRect(0, 0, 16, 16)));
}

TEST_F(SkinFormTest, FrameObjectHintsShowThroughTheLinkedSkinHint) {
  TskSkinHint hint(host_.get());
  hint.SetSkinData(&skin_->Data());
  form_->SetSkinHint(&hint);
  form_->ShowObjectHint = true;
  ShowActive();
  const QPoint at = Middle(Object("minbutton")->ObjectRect);
  QCursor::setPos(host_->mapToGlobal(at));
  QTest::mouseMove(host_.get(), at);
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint.Window().isVisible(); }, 3000));
  // The default text of the minimize button, below the cursor.
  EXPECT_EQ(hint.Window().GeometryFor(QStringLiteral("Minimize")).width, hint.Window().width());
  EXPECT_GE(hint.Window().y(), host_->mapToGlobal(at).y());
  // Leaving the button takes the hint away.
  const QPoint client = host_->mapFromGlobal(client_->mapToGlobal(QPoint(50, 50)));
  QCursor::setPos(host_->mapToGlobal(client));
  QTest::mouseMove(host_.get(), client);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !hint.Window().isVisible(); }, 1000));

  // Without ShowObjectHint nothing is requested.
  form_->ShowObjectHint = false;
  QCursor::setPos(host_->mapToGlobal(at));
  QTest::mouseMove(host_.get(), at);
  QTest::qWait(TskSkinHint::kHintPause + 200);
  EXPECT_FALSE(hint.Window().isVisible());
  form_->SetSkinHint(nullptr);
}

TEST_F(SkinFormTest, AFreedHintOrStatusBarIsUnlinked) {
  auto hint = std::make_unique<TskSkinHint>(host_.get());
  form_->SetSkinHint(hint.get());
  hint.reset();
  EXPECT_EQ(form_->SkinHint(), nullptr);
  auto* bar = new TskSkinStatusBar(client_);
  form_->SetStatusBar(bar);
  delete bar;
  EXPECT_EQ(form_->StatusBar(), nullptr);
  form_->SetFrameWindowState(wsMaximized);  // nothing to hide
  EXPECT_EQ(form_->FrameWindowState(), wsMaximized);
}

TEST_F(SkinFormTest, TheMainFormMinimizesThroughTheWindowSystemAndComesBackAsItWas) {
  ASSERT_EQ(Forms().front(), host_.get());
  ShowActive();
  const QRect before = host_->geometry();
  bool minimized = false;
  form_->OnMinimize = [&] { minimized = true; };
  form_->RunFrameCommand(cmMinimize);
  EXPECT_TRUE(minimized);
  EXPECT_TRUE(host_->isMinimized());
  // The frame keeps the normal state: the window system gives the window back.
  EXPECT_EQ(form_->FrameWindowState(), wsNormal);
  host_->showNormal();
  EXPECT_FALSE(host_->isMinimized());
  EXPECT_EQ(host_->geometry(), before);
  EXPECT_EQ(client_->geometry().size(), QSize(400, 300));
}

}  // namespace
}  // namespace lumora

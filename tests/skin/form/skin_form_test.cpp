#include "skin/form/skin_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "builtin_skin_fixture.h"
#include "platform/form_list.h"
#include "platform/messages.h"
#include "skin/draw/screen_routines.h"
#include "skin/form/frame_hit_test.h"
#include "skin/form/tray_icon.h"
#include "skin_form_fixture.h"

namespace lumora {
namespace {

using test::Q;
using test::SameArea;
using test::SkinFormTest;

TEST_F(SkinFormTest, ClientAreaInsetByTheSkinsFrameAndShapedByTheMask) {
  ShowActive();
  const TskFormInfo& info = skin_->Info();
  const TskFrameInsets in = form_->Insets();
  EXPECT_EQ(in.left, info.ClientRect.Left);
  EXPECT_EQ(in.top, info.ClientRect.Top);
  EXPECT_EQ(host_->size(), QSize(400 + in.left + in.right, 300 + in.top + in.bottom));
  EXPECT_EQ(client_->geometry(), QRect(in.left, in.top, 400, 300));
  EXPECT_TRUE(host_->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(host_->mask(), form_->WindowRegion());
  EXPECT_FALSE(host_->mask().contains(QPoint(0, 0)));  // a rounded corner
  EXPECT_TRUE(host_->mask().contains(QPoint(host_->width() / 2, 0)));
  // Resizing rebuilds the region and moves the client's far edges.
  host_->resize(host_->width() + 50, host_->height() + 20);
  EXPECT_EQ(client_->geometry(), QRect(in.left, in.top, 450, 320));
  EXPECT_EQ(host_->mask(), form_->WindowRegion());
  EXPECT_TRUE(host_->mask().contains(QPoint(host_->width() - 20, host_->height() - 2)));
}

TEST_F(SkinFormTest, ObjectsComeFromTheSkinsObjectListWithoutTheMenuKinds) {
  std::vector<std::string> names;
  for (const auto& o : form_->Objects()) names.push_back(o->IDName);
  EXPECT_EQ(names, (std::vector<std::string>{"closebutton", "maxbutton", "minbutton",
                                             "sysmenubutton", "caption"}));
  EXPECT_EQ(Object("closebutton")->Hint, "Close");
  // The caption buttons sit at the right, the system-menu button at the
  // caption's left.
  EXPECT_EQ(Object("closebutton")->ObjectRect.Right, form_->Geometry().buttons.Right);
  EXPECT_EQ(Object("sysmenubutton")->ObjectRect.Left, form_->Geometry().caption.Left);
}

TEST_F(SkinFormTest, PaintedFrameCopiesTheSkinPictureAndTheButtonLooks) {
  ShowActive();
  const QImage frame = Frame();
  const QImage& pic = skin_->Data().Picture();
  const TskFormInfo& info = skin_->Info();
  // The top-left corner is the picture's, one to one (away from objects).
  EXPECT_TRUE(SameArea(frame, QRect(0, 0, 5, info.ClientRect.Top), pic,
                       QRect(0, 0, 5, info.ClientRect.Top)));
  // The bottom-right corner keeps its distance from the window's corner.
  const int bw = pic.width() - info.RBPoint.x, bh = pic.height() - info.ClientRect.Bottom;
  EXPECT_TRUE(SameArea(frame, QRect(host_->width() - bw, host_->height() - bh, bw, bh), pic,
                       QRect(info.RBPoint.x, info.ClientRect.Bottom, bw, bh)));
  // The close button in its normal look.
  TskActiveSkinObject* close = Object("closebutton");
  EXPECT_TRUE(SameArea(frame, Q(close->ObjectRect), Own(close), Q(close->SkinRect)));
  // The client area is not painted.
  EXPECT_EQ(frame.pixel(host_->width() / 2, host_->height() / 2), 0xFF123456u);
}

TEST_F(SkinFormTest, CloseButtonClosesOnlyWhenReleasedOverIt) {
  skin_->Data().SetEnableSkinEffects(false);  // looks change at once
  ShowActive();
  TskActiveSkinObject* close = Object("closebutton");
  auto* button = static_cast<TskSkinButtonObject*>(close);
  const QPoint at = Centre(close);
  QTest::mouseMove(host_.get(), at);
  EXPECT_EQ(form_->HotIndex(), 0);
  EXPECT_EQ(form_->HitTest({at.x(), at.y()}), HTOBJECT);
  EXPECT_TRUE(SameArea(Frame(), Q(close->ObjectRect), Own(close), Q(close->ActiveSkinRect)));
  QTest::mousePress(host_.get(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(button->Down);
  EXPECT_TRUE(SameArea(Frame(), Q(close->ObjectRect), Own(close), Q(button->DownRect)));
  // Dragged off and released outside: drawn up, the form stays.
  const QPoint away(host_->width() / 2, 12);
  QTest::mouseMove(host_.get(), away);
  QTest::mouseRelease(host_.get(), Qt::LeftButton, {}, away);
  EXPECT_FALSE(button->Down);
  EXPECT_TRUE(host_->isVisible());
  // Pressed and released over it: the form closes.
  QTest::mouseMove(host_.get(), at);
  QTest::mousePress(host_.get(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(host_.get(), Qt::LeftButton, {}, at);
  EXPECT_FALSE(button->Down);
  EXPECT_FALSE(host_->isVisible());
}

TEST_F(SkinFormTest, InactiveFormShowsTheInactiveButtonLook) {
  host_->show();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ASSERT_FALSE(form_->FormActive());
  TskActiveSkinObject* max = Object("maxbutton");
  EXPECT_TRUE(SameArea(Frame(), Q(max->ObjectRect), Own(max), Q(max->InActiveSkinRect)));
}

TEST_F(SkinFormTest, CaptionDoubleClickMaximizesAndASecondRestores) {
  ShowActive();
  const QRect before = host_->geometry();
  const TRect caption = Object("caption")->ObjectRect;
  const QPoint at((caption.Left + caption.Right) / 2, (caption.Top + caption.Bottom) / 2);
  ASSERT_EQ(form_->HitTest({at.x(), at.y()}), HTCAPTION);
  QTest::mouseDClick(host_.get(), Qt::LeftButton, {}, at);
  EXPECT_EQ(form_->FrameWindowState(), wsMaximized);
  const TRect m = form_->MaximizedBounds();
  EXPECT_EQ(host_->geometry(), QRect(m.Left, m.Top, m.Width(), m.Height()));
  // The restore look of the maximize button applies now.
  auto* max = static_cast<TskSkinStdButtonObject*>(Object("maxbutton"));
  EXPECT_TRUE(max->CommandStateApplies());
  EXPECT_TRUE(SameArea(Frame(), Q(max->ObjectRect), Own(max), Q(max->RestoreRect)));
  // No sizing edges while maximized.
  EXPECT_NE(form_->HitTest({0, host_->height() / 2}), HTLEFT);
  QTest::mouseDClick(host_.get(), Qt::LeftButton, {}, at);
  EXPECT_EQ(form_->FrameWindowState(), wsNormal);
  EXPECT_EQ(host_->geometry(), before);
}

TEST_F(SkinFormTest, MaximizedOnAWorkAreaThatIsTheWholePrimaryScreenLeavesAPixelEachSide) {
  QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const TRect m = form_->MaximizedBounds();
  const QRect avail = screen->availableGeometry();
  if (avail == screen->geometry()) {
    EXPECT_EQ(m.Width(), avail.width() - 2);
    EXPECT_EQ(m.Height(), avail.height() - 2);
    EXPECT_EQ(m.Left, avail.left() + 1);
  } else {
    EXPECT_EQ(m.Width(), avail.width());
  }
  form_->MaximizeOnFullScreen = true;
  EXPECT_EQ(form_->MaximizedBounds().Width(), screen->geometry().width());
}

TEST_F(SkinFormTest, RollUpLeavesTheFrameHeightAndRestoresThePreviousHeight) {
  ShowActive();
  const int height = host_->height();
  const TskFormInfo& info = skin_->Info();
  const int frameHeight = skin_->PH() - info.ClientRect.Height();
  form_->SetRollUpState(true);
  EXPECT_TRUE(form_->RolledUp());
  EXPECT_EQ(host_->height(), frameHeight);
  EXPECT_EQ(client_->height(), 0);
  // The caption still moves the window and the buttons still take presses.
  const TRect close = Object("closebutton")->ObjectRect;
  // Sent directly: the offscreen platform's pointer does not follow a
  // window that shrank under it.
  QMouseEvent move(QEvent::MouseMove, QPointF(close.Left + 3, close.Top + 3),
                   host_->mapToGlobal(QPointF(close.Left + 3, close.Top + 3)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(host_.get(), &move);
  EXPECT_EQ(form_->HotIndex(), 0);
  EXPECT_EQ(form_->HitTest({close.Left + 3, close.Top + 3}), HTOBJECT);
  form_->SetRollUpState(false);
  EXPECT_EQ(host_->height(), height);
  // Without biMaximize a caption double click rolls up, a second unrolls.
  form_->SetBorderIcons(biSystemMenu | biMinimize | biRollUp);
  form_->CaptionDoubleClick();
  EXPECT_EQ(host_->height(), frameHeight);
  form_->CaptionDoubleClick();
  EXPECT_EQ(host_->height(), height);
  // Without biRollUp nothing rolls.
  form_->SetBorderIcons(biSystemMenu);
  form_->SetRollUpState(true);
  EXPECT_FALSE(form_->RolledUp());
}

TEST_F(SkinFormTest, SystemMenuContentsFollowTheState) {
  auto names = [this] {
    QStringList out;
    for (QAction* a : form_->BuildSystemMenu()->actions())
      out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return out;
  };
  EXPECT_EQ(names(), (QStringList{"SKF_MINITEM", "SKF_MAXITEM", "SKF_ROLLUP", "-", "SKF_CLOSE"}));
  form_->SetFrameWindowState(wsMaximized);
  EXPECT_EQ(names(), (QStringList{"SKF_MINITEM", "SKF_RESTORE", "SKF_ROLLUP", "-", "SKF_CLOSE"}));
  EXPECT_EQ(form_->BuildSystemMenu()->actions().last()->shortcut(),
            QKeySequence(Qt::ALT | Qt::Key_F4));
  // A user menu gets the standard items merged in, Close at the end.
  QMenu user;
  user.addAction(QStringLiteral("About"))->setObjectName(QStringLiteral("About"));
  form_->SystemMenu = &user;
  form_->SetFrameWindowState(wsNormal);
  EXPECT_EQ(names(),
            (QStringList{"SKF_MINITEM", "SKF_MAXITEM", "SKF_ROLLUP", "About", "SKF_CLOSE"}));
  EXPECT_EQ(names().size(), 5);  // built again, not added twice
}

TEST_F(SkinFormTest, SystemMenuButtonOpensTheMenuAndEscapeClosesIt) {
  ShowActive();
  int opened = 0, closed = 0;
  form_->OnSkinMenuOpen = [&] { ++opened; };
  form_->OnSkinMenuClose = [&] { ++closed; };
  auto* button = static_cast<TskSkinButtonObject*>(Object("sysmenubutton"));
  const QPoint at = Centre(button);
  QTest::mouseMove(host_.get(), at);
  QTest::mousePress(host_.get(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(form_->SkinMenu().Visible());
  EXPECT_TRUE(form_->SkinMenuOpen());
  EXPECT_TRUE(button->Down);
  EXPECT_EQ(opened, 1);
  QTest::mouseRelease(host_.get(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(button->Down);  // held down while its menu is open
  QTest::keyClick(host_.get(), Qt::Key_Escape);
  EXPECT_FALSE(form_->SkinMenu().Visible());
  EXPECT_FALSE(form_->SkinMenuOpen());
  EXPECT_FALSE(button->Down);
  EXPECT_EQ(closed, 1);
}

TEST_F(SkinFormTest, RightClickOnTheCaptionOpensTheSystemMenuUnlessDisabled) {
  ShowActive();
  const TRect caption = Object("caption")->ObjectRect;
  const QPoint at((caption.Left + caption.Right) / 2, (caption.Top + caption.Bottom) / 2);
  form_->DisableSystemMenu = true;
  QTest::mouseClick(host_.get(), Qt::RightButton, {}, at);
  EXPECT_FALSE(form_->SkinMenu().Visible());
  form_->DisableSystemMenu = false;
  QTest::mouseClick(host_.get(), Qt::RightButton, {}, at);
  EXPECT_TRUE(form_->SkinMenu().Visible());
  form_->CloseSkinMenus();
  EXPECT_FALSE(form_->SkinMenuOpen());
}

TEST_F(SkinFormTest, TriggeringSystemMenuItemsRunsTheirCommands) {
  ShowActive();
  QMenu* menu = form_->BuildSystemMenu();
  menu->findChild<QAction*>(QStringLiteral("SKF_MAXITEM"))->trigger();
  EXPECT_EQ(form_->FrameWindowState(), wsMaximized);
  menu = form_->BuildSystemMenu();
  menu->findChild<QAction*>(QStringLiteral("SKF_RESTORE"))->trigger();
  EXPECT_EQ(form_->FrameWindowState(), wsNormal);
}

TEST_F(SkinFormTest, BetweenChangingAndLoadedTheFrameHasNoObjectsAndPaintsNothing) {
  ShowActive();
  SendMessage(host_.get(), WM_SKINDATA_CHANGING, reinterpret_cast<intptr_t>(&skin_->Data()),
              kSkinMessageLParam);
  EXPECT_TRUE(form_->Objects().empty());
  EXPECT_TRUE(form_->SkinChanging());
  const QImage during = Frame();
  for (int x = 0; x < during.width(); x += 7) ASSERT_EQ(during.pixel(x, 2), 0xFF123456u) << x;
  SendMessage(host_.get(), WM_SKINDATA_LOADED, reinterpret_cast<intptr_t>(&skin_->Data()),
              kSkinMessageLParam);
  EXPECT_FALSE(form_->SkinChanging());
  EXPECT_EQ(form_->Objects().size(), 5u);
  // Another skin data's broadcast leaves this frame alone.
  TskSkinData other;
  SendMessage(host_.get(), WM_SKINDATA_CHANGING, reinterpret_cast<intptr_t>(&other),
              kSkinMessageLParam);
  EXPECT_EQ(form_->Objects().size(), 5u);
}

TEST_F(SkinFormTest, ARealSkinReloadRebuildsTheFrame) {
  ShowActive();
  std::vector<size_t> objectsDuring;
  form_->OnBeforeChangeSkinData = [&] { objectsDuring.push_back(form_->Objects().size()); };
  skin_->Data().SetSkinnableForm(true);
  skin_->Data().LoadStoredSkin(*skin_->Data().CompressedStoredSkin());
  EXPECT_EQ(objectsDuring, std::vector<size_t>{0});
  EXPECT_EQ(form_->Objects().size(), 5u);
  EXPECT_EQ(host_->mask(), form_->WindowRegion());
}

TEST_F(SkinFormTest, SkinnableOffGivesTheWindowSystemFrameBack) {
  skin_->Data().SetSkinnableForm(false);
  EXPECT_FALSE(form_->Skinnable());
  EXPECT_FALSE(host_->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(client_->geometry(), host_->rect());
  EXPECT_TRUE(host_->mask().isEmpty());
  skin_->Data().SetSkinnableForm(true);
  EXPECT_TRUE(host_->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(form_->Objects().size(), 5u);
}

TEST_F(SkinFormTest, FadeInEndsOpaqueInStepsOfTen) {
  form_->AlphaBlendAnimation = true;
  host_->show();
  EXPECT_EQ(form_->CurrentAlpha(), 0);
  std::vector<int> steps;
  while (form_->FadeStep()) steps.push_back(form_->CurrentAlpha());
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps[0], 10);
  EXPECT_EQ(steps[1], 20);
  EXPECT_EQ(form_->CurrentAlpha(), 255);
  EXPECT_DOUBLE_EQ(host_->windowOpacity(), 1.0);
}

TEST_F(SkinFormTest, AlphaBlendKeepsItsValue) {
  form_->SetAlphaBlendValue(200);
  form_->SetAlphaBlend(true);
  EXPECT_NEAR(host_->windowOpacity(), 200 / 255.0, 0.01);
  form_->SetAlphaBlend(false);
  EXPECT_DOUBLE_EQ(host_->windowOpacity(), 1.0);
}

TEST_F(SkinFormTest, MinimizedSecondaryFormsParkSideBySideAtTheBottomLeft) {
  // host_ was registered first: it is the main form.
  QWidget a, b;
  RegisterForm(&a);
  RegisterForm(&b);
  TskSkinForm fa(&a), fb(&b);
  fa.SetSkinData(&skin_->Data());
  fb.SetSkinData(&skin_->Data());
  a.resize(500, 300);
  b.resize(500, 300);
  a.show();
  b.show();
  fa.SetFrameWindowState(wsMinimized);
  fb.SetFrameWindowState(wsMinimized);
  const TRect area = WindowWorkArea(a.windowHandle());
  EXPECT_EQ(a.geometry(), QRect(area.Left, area.Bottom - fa.MinimumHeight(), fa.MinimumWidth(),
                                fa.MinimumHeight()));
  EXPECT_EQ(b.pos(), QPoint(area.Left + fa.MinimumWidth(), a.y()));
  fa.SetFrameWindowState(wsNormal);
  EXPECT_EQ(a.size(), QSize(500, 300));
  UnregisterForm(&a);
  UnregisterForm(&b);
}

TEST_F(SkinFormTest, TrayIconTakesTheMinimizedFormAndGivesItBack) {
  ShowActive();
  TskTrayIcon tray(host_.get());
  int toTray = 0, fromTray = 0;
  form_->OnMinimizeToTray = [&] { ++toTray; };
  form_->OnRestoreFromTray = [&] { ++fromTray; };
  form_->MinimizeToTray();  // no icon linked: nothing
  EXPECT_EQ(toTray, 0);
  form_->SetTrayIcon(&tray);
  EXPECT_FALSE(tray.Visible());
  EXPECT_EQ(tray.PopupMenu(), form_->TrayMenu());
  QStringList names;
  for (QAction* a : form_->TrayMenu()->actions())
    names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
  EXPECT_EQ(names, (QStringList{"TRAY_SKF_RESTORE", "-", "TRAY_SKF_CLOSE"}));
  form_->AlwaysMinimizeToTray = true;
  form_->RunFrameCommand(cmMinimize);
  EXPECT_TRUE(tray.MinimizedToTray());
  EXPECT_TRUE(tray.Visible());
  EXPECT_EQ(toTray, 1);
  ASSERT_TRUE(tray.OnActivate);
  tray.OnActivate();  // a click on the icon
  EXPECT_FALSE(tray.MinimizedToTray());
  EXPECT_FALSE(tray.Visible());
  EXPECT_EQ(fromTray, 1);
  EXPECT_FALSE(host_->isMinimized());
}

// Default look ---------------------------------------------------------------

TEST(SkinFormDefaultLook, ThreePixelFrameAndDefaultButtons) {
  QWidget host;
  QWidget* client = new QWidget(&host);
  TskSkinForm form(&host);
  form.SetClientWidget(client);
  form.SetClientSize(300, 200);
  EXPECT_EQ(host.size(), QSize(306, 225));
  EXPECT_EQ(client->geometry(), QRect(3, 22, 300, 200));
  EXPECT_EQ(form.HitTest({2, 100}), HTLEFT);
  EXPECT_EQ(form.HitTest({3, 100}), HTCLIENT);
  // The default objects exist from the first paint or hit-test on.
  ASSERT_EQ(form.Objects().size(), 6u);
  std::vector<TRect> rects;
  for (const auto& o : form.Objects()) {
    if (o->Visible) rects.push_back(o->ObjectRect);
  }
  ASSERT_EQ(rects.size(), 5u);                    // no tray button without biMinimizeToTray
  EXPECT_EQ(rects[0], (TRect{286, 4, 303, 21}));  // close, 17 square, at top 4
  EXPECT_EQ(rects[3], (TRect{235, 4, 252, 21}));  // roll-up
  QImage image(host.size(), QImage::Format_RGB32);
  image.fill(0xFF123456);
  {
    QPainter p(&image);
    form.PaintFrame(p);
  }
  EXPECT_NE(image.pixel(0, 0), 0xFF123456u);
  EXPECT_EQ(image.pixel(100, 100), 0xFF123456u);
}

TEST(SkinFormAttach, OwnerMustBeAForm) {
  QWidget parent;
  QWidget* child = new QWidget(&parent);
  EXPECT_THROW(TskSkinForm{child}, EInvalidCast);
  TskSkinForm form(&parent);
  EXPECT_EQ(TskSkinForm::FindSkinForm(&parent), &form);
  EXPECT_EQ(TskSkinForm::FindSkinForm(child), nullptr);
}

}  // namespace
}  // namespace lumora

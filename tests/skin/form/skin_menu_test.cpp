#include "skin/form/skin_menu.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "builtin_skin_fixture.h"
#include "platform/messages.h"
#include "skin/draw/screen_routines.h"
#include "skin/form/menu_item_painter.h"
#include "skin/form/menu_owner_draw.h"
#include "skin/form/popup_window.h"
#include "skin/form/skin_popup_menu.h"
#include "skin/form/standalone_menu_host.h"

namespace lumora {
namespace {

// Records the numbers of our own messages it receives.
class Recorder : public QObject {
 public:
  std::vector<int> messages;
  bool eventFilter(QObject*, QEvent* event) override {
    if (AsMessage(event)) messages.push_back(static_cast<int>(event->type()));
    return false;
  }
};

class RecordingControl : public QWidget {
 public:
  explicit RecordingControl(QWidget* parent) : QWidget(parent) {}
  std::vector<int> messages;

 protected:
  bool event(QEvent* e) override {
    if (AsMessage(e)) messages.push_back(static_cast<int>(e->type()));
    return QWidget::event(e);
  }
};

TPoint Centre(const TRect& r) {
  return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

class SkinMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    form.resize(300, 200);
    form.show();
    host = new TskStandaloneMenuHost(&form, &skin.Data());
    host->OnSkinMenuClose = [this] { ++closed_events; };
    menu = std::make_unique<TskSkinPopupMenu>(&form);
  }
  void TearDown() override {
    menu.reset();
    delete host;
  }
  TskSkinMenu& Engine() { return host->SkinMenu(); }
  TskSkinPopupWindow* Top() { return Engine().Level(0); }
  TskSkinPopupWindow* Deepest() { return Engine().Level(Engine().LevelCount() - 1); }
  void Key(int key) { QTest::keyClick(&form, static_cast<Qt::Key>(key)); }
  QAction* Add(const char* caption) {
    return menu->AddItem(caption, QString::fromUtf8(caption), [this, caption] {
      ran.push_back(caption);
      visible_when_run = Engine().Visible();
    });
  }
  TRect ScreenArea() const { return WindowWorkArea(form.windowHandle()); }

  test::BuiltinSkin skin;
  QWidget form;
  TskStandaloneMenuHost* host = nullptr;
  std::unique_ptr<TskSkinPopupMenu> menu;
  std::vector<std::string> ran;
  bool visible_when_run = true;
  int closed_events = 0;
};

TEST_F(SkinMenu, PopupOpensOneSkinnedLevelAtThePointWithTheFirstItemHighlighted) {
  Add("全选");
  Add("复制");
  Add("粘贴");
  menu->Popup(100, 90);
  ASSERT_EQ(Engine().LevelCount(), 1);
  TskSkinPopupWindow* level = Top();
  EXPECT_TRUE(level->Skinned());
  EXPECT_TRUE(level->isVisible());
  EXPECT_EQ(level->pos(), QPoint(100, 90));
  const TskDataSkinMenuItem& mi = skin.MenuItem();
  const QImage& pw = skin.PopupPicture();
  EXPECT_EQ(level->height(),
            3 * mi.SkinRect.Height() + pw.height() - skin.Data().PopupWindow().ItemsRect.Height());
  EXPECT_EQ(level->ActiveIndex(), 0);
  EXPECT_TRUE(level->Items()[0].preselected);
  EXPECT_EQ(menu->PopupPoint(), (TPoint{100, 90}));
  // The window's corner pixel is the popup picture's corner.
  EXPECT_EQ(level->Canvas().pixel(0, 0) & 0xFFFFFF, pw.pixel(0, 0) & 0xFFFFFF);
  EXPECT_TRUE(host->SkinMenuOpen());
}

TEST_F(SkinMenu, AnOwnerDrawnItemIsPaintedByItsHandler) {
  Add("全选");
  QAction* copy = Add("复制");
  int calls = 0;
  SetMenuItemOwnerDraw(copy, [&](QPainter& canvas, bool, const TRect& r) {
    ++calls;
    canvas.fillRect(r.Left, r.Top, r.Width(), r.Height(), QColor(0, 128, 0));
  });
  menu->Popup(100, 90);
  ASSERT_EQ(Engine().LevelCount(), 1);
  EXPECT_GE(calls, 1);
  const TRect item = Top()->Items()[1].rect;
  const TskDataSkinMenuItem& mi = skin.MenuItem();
  const int x = item.Left + mi.TextRect.Left + 1, y = item.Top + mi.TextRect.Top + 1;
  EXPECT_EQ(Top()->Canvas().pixel(x, y) & 0xFFFFFF, 0x008000u);
  // The other item keeps its own look; detached, the handler is gone.
  EXPECT_NE(Top()->Canvas().pixel(x, Top()->Items()[0].rect.Top + mi.TextRect.Top + 1) & 0xFFFFFF,
            0x008000u);
  SetMenuItemOwnerDraw(copy, nullptr);
  EXPECT_FALSE(MenuItemOwnerDraw(copy));
}

TEST_F(SkinMenu, WithoutAPopupPictureTheDefaultLookIsUsed) {
  host->SetMenusSkin(nullptr);
  Add("a");
  Add("b");
  Add("c");
  menu->Popup(10, 10);
  ASSERT_EQ(Engine().LevelCount(), 1);
  EXPECT_FALSE(Top()->Skinned());
  EXPECT_EQ(Top()->height(), 3 * 20 + 4);
}

TEST_F(SkinMenu, ArrowKeysSkipSeparatorsAndDisabledItemsAndWrap) {
  Add("one");
  menu->AddItem("N0", QStringLiteral("-"));
  Add("two")->setEnabled(false);
  Add("three");
  menu->Popup(10, 10);
  ASSERT_EQ(Top()->ActiveIndex(), 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(Top()->ActiveIndex(), 3);
  EXPECT_TRUE(Top()->Items()[3].active);
  EXPECT_FALSE(Top()->Items()[0].active);
  Key(Qt::Key_Down);
  EXPECT_EQ(Top()->ActiveIndex(), 0);
  Key(Qt::Key_Up);
  EXPECT_EQ(Top()->ActiveIndex(), 3);
  EXPECT_TRUE(ran.empty());
}

TEST_F(SkinMenu, EnterClosesTheMenuFirstAndThenRunsTheItem) {
  Add("全选");
  Add("复制");
  menu->Popup(10, 10);
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  ASSERT_EQ(ran, std::vector<std::string>{"复制"});
  EXPECT_FALSE(visible_when_run);
  EXPECT_EQ(Engine().LevelCount(), 0);
  EXPECT_EQ(closed_events, 1);
  EXPECT_FALSE(host->SkinMenuOpen());
}

TEST_F(SkinMenu, EscapeClosesAOneLevelMenuAndFiresTheCloseEvents) {
  int menu_closed = 0;
  menu->OnMenuClose = [&] { ++menu_closed; };
  Add("a");
  menu->Popup(10, 10);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Engine().Visible());
  EXPECT_EQ(Engine().LevelCount(), 0);
  EXPECT_EQ(closed_events, 1);
  EXPECT_EQ(menu_closed, 1);
  EXPECT_TRUE(ran.empty());
  // The keyboard is the form's again.
  Key(Qt::Key_Escape);
  EXPECT_EQ(closed_events, 1);
}

TEST_F(SkinMenu, AcceleratorChoosesItsItem) {
  Add("&Alpha");
  Add("&Beta");
  menu->Popup(10, 10);
  QTest::keyClick(&form, Qt::Key_B);
  EXPECT_EQ(ran, std::vector<std::string>{"&Beta"});
  EXPECT_FALSE(Engine().Visible());
}

TEST_F(SkinMenu, MouseReleaseOnAnItemChoosesIt) {
  Add("a");
  Add("b");
  menu->Popup(10, 10);
  TskSkinPopupWindow* level = Top();
  const TPoint at = Centre(level->Items()[1].rect);
  level->MouseMovedTo(at);
  EXPECT_EQ(level->ActiveIndex(), 1);
  QTest::mouseClick(level, Qt::LeftButton, {}, QPoint(at.x, at.y));
  EXPECT_EQ(ran, std::vector<std::string>{"b"});
  EXPECT_FALSE(Engine().Visible());
}

class SkinSubmenu : public SkinMenu {
 protected:
  void SetUp() override {
    SkinMenu::SetUp();
    Add("first");
    QMenu* sub = menu->Items()->addMenu(QStringLiteral("more"));
    sub->addAction(QStringLiteral("inner one"));
    sub->addAction(QStringLiteral("inner two"));
  }
};

TEST_F(SkinSubmenu, RestingOnAnItemOpensItsSubmenuAfterTheDelayBesideIt) {
  menu->Popup(20, 30);
  TskSkinPopupWindow* level = Top();
  level->MouseMovedTo(Centre(level->Items()[1].rect));
  EXPECT_TRUE(Engine().SubmenuWaitRunning());
  EXPECT_EQ(Engine().LevelCount(), 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Engine().LevelCount() == 2; }, 3000));
  const TRect parent = level->ItemScreenRect(1);
  TskSkinPopupWindow* sub = Deepest();
  EXPECT_EQ(sub->x(), parent.Right + 1);
  EXPECT_EQ(sub->y() + sub->Geometry().itemsRect.Top, parent.Top);
  EXPECT_TRUE(level->Items()[1].submenuOpen);
}

TEST_F(SkinSubmenu, WithoutRoomOnTheRightTheSubmenuOpensOnTheLeft) {
  const TRect area = ScreenArea();
  menu->Popup(area.Right - 10, 30);  // moved left to fit, flush with the right edge
  TskSkinPopupWindow* level = Top();
  EXPECT_EQ(level->x() + level->width(), area.Right);
  level->MouseMovedTo(Centre(level->Items()[1].rect));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Engine().LevelCount() == 2; }, 3000));
  EXPECT_EQ(Deepest()->x(), level->ItemScreenRect(1).Left - Deepest()->width() - 1);
}

TEST_F(SkinSubmenu, RightOpensAndLeftClosesTheSubmenu) {
  menu->Popup(20, 30);
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  ASSERT_EQ(Engine().LevelCount(), 2);
  EXPECT_EQ(Deepest()->ActiveIndex(), 0);
  Key(Qt::Key_Left);
  EXPECT_EQ(Engine().LevelCount(), 1);
  EXPECT_FALSE(Top()->Items()[1].submenuOpen);
  Key(Qt::Key_Right);
  Key(Qt::Key_Escape);  // closes only the submenu
  EXPECT_EQ(Engine().LevelCount(), 1);
  EXPECT_TRUE(Engine().Visible());
}

class ScrollingMenu : public SkinMenu {
 protected:
  void SetUp() override {
    SkinMenu::SetUp();
    Engine().MaxMenuItemsInWindow = 5;
    for (const char* c : {"i0", "i1", "i2", "i3", "i4", "i5", "i6", "i7"}) Add(c);
    menu->Popup(20, 20);
  }
};

TEST_F(ScrollingMenu, FiveItemsShowBetweenTwoMarkers) {
  TskSkinPopupWindow* level = Top();
  EXPECT_TRUE(level->Geometry().limitScroll);
  EXPECT_EQ(level->Placement().visibleCount, 5);
  EXPECT_EQ(level->Items()[0].rect.Top, level->Geometry().itemsRect.Top + kScrollMarkerHeight);
  EXPECT_FALSE(level->Items()[5].visible);
}

TEST_F(ScrollingMenu, RestingOnTheBottomMarkerScrollsToTheEnd) {
  TskSkinPopupWindow* level = Top();
  const TskScrollMarkers markers = ScrollMarkerRects(level->Geometry(), level->Skinned());
  level->MouseMovedTo(Centre(markers.bottom));
  EXPECT_EQ(level->ScrollMarker(), 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return level->Placement().firstVisible == 3; }, 3000));
  EXPECT_TRUE(level->Items()[7].visible);
  EXPECT_FALSE(level->Items()[2].visible);
  // The top marker can scroll back; leaving the window calms the markers.
  level->MouseMovedTo(Centre(markers.top));
  EXPECT_EQ(level->ScrollMarker(), 1);
  level->MouseLeft();
  EXPECT_EQ(level->ScrollMarker(), 0);
}

TEST_F(ScrollingMenu, KeyboardWrapsToTheOtherPage) {
  TskSkinPopupWindow* level = Top();
  Key(Qt::Key_Up);  // from the first item to the last: the last page shows
  EXPECT_EQ(level->ActiveIndex(), 7);
  EXPECT_EQ(level->Placement().firstVisible, 3);
  Key(Qt::Key_Down);  // and back to the first page
  EXPECT_EQ(level->ActiveIndex(), 0);
  EXPECT_EQ(level->Placement().firstVisible, 0);
  for (int i = 0; i < 5; ++i) Key(Qt::Key_Down);  // the range follows downwards
  EXPECT_EQ(level->ActiveIndex(), 5);
  EXPECT_EQ(level->Placement().firstVisible, 1);
}

TEST_F(SkinMenu, MessagesReachThePopupControlAndTheHostForm) {
  Recorder formMessages;
  form.installEventFilter(&formMessages);
  RecordingControl control(&form);
  Add("a");
  menu->PopupFromControl(&control, 10, 10);
  Key(Qt::Key_Return);
  EXPECT_EQ(control.messages, (std::vector<int>{WM_SKINMENU_CLOSED, WM_SKINMENU_COMMAND}));
  EXPECT_EQ(formMessages.messages, std::vector<int>{WM_SKINMENU_CLOSED});

  control.messages.clear();
  menu->PopupFromControl(&control, 10, 10);
  Key(Qt::Key_Escape);
  EXPECT_EQ(control.messages, std::vector<int>{WM_SKINMENU_CLOSED});
  form.removeEventFilter(&formMessages);
}

TEST_F(SkinMenu, ANewPopupClosesTheOpenOneAndTellsItsControl) {
  RecordingControl first(&form), second(&form);
  Add("a");
  menu->PopupFromControl(&first, 10, 10);
  menu->PopupFromControl(&second, 50, 50);
  EXPECT_EQ(first.messages, std::vector<int>{WM_SKINMENU_CLOSED});
  EXPECT_EQ(Engine().LevelCount(), 1);
  Key(Qt::Key_Return);
  EXPECT_EQ(second.messages, (std::vector<int>{WM_SKINMENU_CLOSED, WM_SKINMENU_COMMAND}));
}

TEST_F(SkinMenu, NearTheBottomOfTheWorkAreaTheMenuEndsAtThePoint) {
  Add("a");
  Add("b");
  const TRect area = ScreenArea();
  const int y = area.Bottom - 5;
  menu->Popup(40, y);
  ASSERT_EQ(Engine().LevelCount(), 1);
  EXPECT_EQ(Top()->y() + Top()->height(), y);
  EXPECT_EQ(Top()->x(), 40);
}

TEST_F(SkinMenu, AMenuWithoutVisibleItemsOpensNothing) {
  Add("hidden")->setVisible(false);
  menu->Popup(10, 10);
  EXPECT_EQ(Engine().LevelCount(), 0);
  EXPECT_FALSE(Engine().Visible());
  EXPECT_FALSE(host->SkinMenuOpen());
}

TEST_F(SkinMenu, MorphingItemsBlendIntoTheirHighlightInSteps) {
  auto& item = const_cast<TskDataSkinMenuItem&>(skin.MenuItem());
  item.Morphing = true;
  Add("a");
  Add("b");
  menu->Popup(10, 10);
  TskSkinPopupWindow* level = Top();
  EXPECT_LT(level->Items()[0].morph, 1.0);  // the highlight starts from the normal look
  std::vector<double> seen;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        seen.push_back(level->Items()[0].morph);
        return level->Items()[0].morph == 1.0;
      },
      3000));
  Key(Qt::Key_Down);
  ASSERT_TRUE(QTest::qWaitFor([&] { return level->Items()[0].morph == 0.0; }, 3000));
  EXPECT_EQ(level->Items()[1].morph, 1.0);
  // Between the looks the item shows neither of them.
  EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](double k) { return k > 0 && k < 1; }));
}

TEST_F(SkinMenu, AnimatedItemsPlayTheirFramesAndEndOnTheLastOne) {
  // Two frames stacked: the normal look over the highlighted one.
  auto& item = const_cast<TskDataSkinMenuItem&>(skin.MenuItem());
  item.AnimateSkinRect = {item.SkinRect.Left, item.SkinRect.Top, item.SkinRect.Right,
                          item.SkinRect.Top + 2 * item.SkinRect.Height()};
  item.FrameCount = 2;
  item.InActiveAnimation = true;
  ASSERT_EQ(MenuItemAnimationFrame(item, 2),
            (TRect{item.SkinRect.Left, item.SkinRect.Bottom, item.SkinRect.Right,
                   item.SkinRect.Bottom + item.SkinRect.Height()}));
  Add("a");
  Add("b");
  menu->Popup(10, 10);
  TskSkinPopupWindow* level = Top();
  ASSERT_TRUE(QTest::qWaitFor([&] { return level->Items()[0].frame == 2; }, 3000));
  const TRect r = level->Items()[0].rect;
  const QImage& picture = skin.MenuItemPicture();
  const TRect second = MenuItemAnimationFrame(item, 2);
  EXPECT_EQ(level->Canvas().pixel(r.Left + 1, r.Top + 3) & 0xFFFFFF,
            picture.pixel(second.Left + 1, second.Top + 3) & 0xFFFFFF);
  // Leaving plays the frames back to the normal look.
  Key(Qt::Key_Down);
  ASSERT_TRUE(QTest::qWaitFor([&] { return level->Items()[0].frame == 0; }, 3000));
  EXPECT_EQ(level->Items()[1].frame, 2);
}

TEST_F(SkinMenu, AlphaBlendedMenusTakeTheAlphaValue) {
  Engine().AlphaBlend = true;
  Engine().AlphaBlendValue = 200;
  Engine().AlphaBlendAnimation = true;
  Add("a");
  menu->Popup(10, 10);
  EXPECT_NEAR(Top()->windowOpacity(), 200 / 255.0, 0.01);
}

TEST_F(SkinMenu, MovingTheFormClosesTheMenu) {
  Add("a");
  menu->Popup(10, 10);
  form.move(form.pos() + QPoint(5, 5));
  QCoreApplication::processEvents();
  EXPECT_FALSE(Engine().Visible());
  EXPECT_EQ(closed_events, 1);
}

}  // namespace
}  // namespace lumora

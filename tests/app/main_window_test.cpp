// The main window's commands, on the offscreen platform.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <functional>
#include <tuple>

#include "platform/align.h"
#include "platform/form_description.h"
#include "service/guarded_server.h"
#include "skin/builtin/builtin_skin.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_radio_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_rich_edit.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/data/control_data.h"
#include "skin/draw/colour.h"
#include "skin/form/menu_host.h"
#include "skin/form/popup_window.h"
#include "skin/form/skin_menu.h"
#include "small_service.h"
#include "support/scripted_peer.h"
#include "support/skin_entries.h"

namespace lumora {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  void Open(const std::string& endpoint) {
    form_ = std::make_unique<TForm1>(endpoint);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }
  template <typename W>
  W* Find(const char* name) {
    // dynamic_cast: the skinned controls carry no meta-object of their own.
    W* w = dynamic_cast<W*>(form_->findChild<QObject*>(QString::fromLatin1(name)));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  QString Status() { return form_->StatusText(); }

  std::unique_ptr<TForm1> form_;
};

TEST_F(MainWindow, OpensWithItsControlsAndSize) {
  Open("http://127.0.0.1:1/");
  EXPECT_EQ(form_->ClientArea()->size(), QSize(707, 640));
  // Without a skin the frame has the default look around the client area.
  const TskFrameInsets in = form_->skSkinForm1().Insets();
  EXPECT_EQ(in, DefaultInsets(kDefaultCaptionHeight));
  EXPECT_EQ(form_->size(), QSize(707 + in.left + in.right, 640 + in.top + in.bottom));
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Lumora 伪原创 V1.0"));
  QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  // A window-manager frame may shift the client area by its margins.
  EXPECT_LE((form_->geometry().center() - area.center()).manhattanLength(), 8);
  EXPECT_EQ(Find<QLineEdit>("skSkinEdit4")->text(), QStringLiteral("本站讯："));
  EXPECT_EQ(Find<QLineEdit>("skSkinEdit5")->text(), QStringLiteral("本站记者：XXX"));
  EXPECT_TRUE(Find<TskSkinCheckRadioBox>("skSkinCheckRadioBox1")->Checked());
  EXPECT_EQ(Find<TskSkinButton>("skSkinButton1")->Caption(), QStringLiteral("伪原创"));
  EXPECT_FALSE(Find<TskSkinScrollBar>("skSkinScrollBar1")->isEnabled());
  EXPECT_FALSE(Find<TskSkinScrollBar>("skSkinScrollBar2")->isEnabled());
  EXPECT_FALSE(Status().isEmpty());
  QMenu* menu = Find<QMenu>("skSkinPopupMenu1");
  QStringList captions;
  for (QAction* a : menu->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"全选", "复制", "粘贴"}));
}

// The skin data name and the skin data a control of the window names.
std::pair<std::string, TskSkinData*> SkinLinkOf(QObject* control) {
  if (auto* c = dynamic_cast<TskSkinControl*>(control)) return {c->SkinDataName(), c->SkinData()};
  if (auto* c = dynamic_cast<TskSkinCustomLabel*>(control))
    return {c->SkinDataName(), c->SkinData()};
  if (auto* c = dynamic_cast<TskSkinEdit*>(control)) return {c->SkinDataName(), c->SkinData()};
  if (auto* c = dynamic_cast<TskSkinRichEdit*>(control)) return {c->SkinDataName(), c->SkinData()};
  ADD_FAILURE() << "not a skinned control";
  return {};
}

TEST_F(MainWindow, DescriptionMakesEveryComponentOfTheTablesWithItsLinks) {
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
  using Entry = std::pair<std::string, std::string>;
  // Stream order: the window, its controls as the tables list them with
  // children after their parent, then the non-visual components.
  const std::vector<Entry> expected{{"Form1", "TForm1"},
                                    {"skSkinPanel1", "TskSkinPanel"},
                                    {"skSkinGroupBox1", "TskSkinGroupBox"},
                                    {"skSkinRichEdit1", "TskSkinRichEdit"},
                                    {"skSkinScrollBar1", "TskSkinScrollBar"},
                                    {"skSkinGroupBox2", "TskSkinGroupBox"},
                                    {"skSkinRichEdit2", "TskSkinRichEdit"},
                                    {"skSkinScrollBar2", "TskSkinScrollBar"},
                                    {"skSkinStdLabel1", "TskSkinStdLabel"},
                                    {"skSkinEdit4", "TskSkinEdit"},
                                    {"skSkinStdLabel2", "TskSkinStdLabel"},
                                    {"skSkinEdit5", "TskSkinEdit"},
                                    {"skSkinCheckRadioBox1", "TskSkinCheckRadioBox"},
                                    {"skSkinButton1", "TskSkinButton"},
                                    {"skSkinButton2", "TskSkinButton"},
                                    {"skSkinStatusBar1", "TskSkinStatusBar"},
                                    {"skSkinStdLabel15", "TskSkinStdLabel"},
                                    {"skSkinLinkLabel1", "TskSkinLinkLabel"},
                                    {"skSkinForm1", "TskSkinForm"},
                                    {"skSkinData1", "TskSkinData"},
                                    {"skCompressedStoredSkin1", "TskCompressedStoredSkin"},
                                    {"NetHTTP1", "TNetHTTP"},
                                    {"skSkinPopupMenu1", "TskSkinPopupMenu"},
                                    {"N5", "TMenuItem"},
                                    {"N1", "TMenuItem"},
                                    {"N2", "TMenuItem"},
                                    {"skSkinPopupMenu2", "TskSkinPopupMenu"},
                                    {"N6", "TMenuItem"},
                                    {"N3", "TMenuItem"},
                                    {"N4", "TMenuItem"},
                                    {"skSkinPopupMenu3", "TskSkinPopupMenu"},
                                    {"N7", "TMenuItem"},
                                    {"N8", "TMenuItem"},
                                    {"N9", "TMenuItem"},
                                    {"N10", "TMenuItem"},
                                    {"N11", "TMenuItem"},
                                    {"N12", "TMenuItem"},
                                    {"N13", "TMenuItem"}};
  EXPECT_EQ(form_->ComponentList(), expected);

  struct Control {
    const char* name;
    const char* parent;
    const char* skin_data_name;
    bool linked;
  } controls[] = {{"skSkinPanel1", "ClientArea", "panel", true},
                  {"skSkinGroupBox1", "skSkinPanel1", "groupbox", true},
                  {"skSkinRichEdit1", "skSkinGroupBox1", "richedit", true},
                  {"skSkinScrollBar1", "skSkinGroupBox1", "vscrollbar", true},
                  {"skSkinGroupBox2", "skSkinPanel1", "groupbox", true},
                  {"skSkinRichEdit2", "skSkinGroupBox2", "richedit", true},
                  {"skSkinScrollBar2", "skSkinGroupBox2", "vscrollbar", true},
                  {"skSkinStdLabel1", "ClientArea", "stdlabel", false},
                  {"skSkinEdit4", "ClientArea", "edit", true},
                  {"skSkinStdLabel2", "ClientArea", "stdlabel", false},
                  {"skSkinEdit5", "ClientArea", "edit", true},
                  {"skSkinCheckRadioBox1", "ClientArea", "checkbox", true},
                  {"skSkinButton1", "ClientArea", "button", true},
                  {"skSkinButton2", "ClientArea", "button", true},
                  {"skSkinStatusBar1", "ClientArea", "statusbar", true},
                  {"skSkinStdLabel15", "skSkinStatusBar1", "stdlabel", true},
                  {"skSkinLinkLabel1", "skSkinStatusBar1", "stdlabel", false}};
  for (const Control& c : controls) {
    auto* widget = Find<QWidget>(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), c.parent) << c.name;
    auto [name, data] = SkinLinkOf(widget);
    EXPECT_EQ(name, c.skin_data_name) << c.name;
    EXPECT_EQ(data, c.linked ? &form_->skSkinData1() : nullptr) << c.name;
  }

  // The settings the tables give beyond place and skin.
  EXPECT_EQ(form_->skSkinData1().CompressedStoredSkin()->FileName(), "skin.ini");
  EXPECT_EQ(form_->skSkinForm1().SkinData(), &form_->skSkinData1());
  EXPECT_EQ(form_->skSkinForm1().BorderIcons(), biSystemMenu | biMinimize | biMaximize | biRollUp);
  EXPECT_FALSE(form_->skSkinForm1().ShowIcon());
  EXPECT_EQ(form_->skSkinForm1().AlphaBlendValue(), 200);
  EXPECT_FALSE(form_->skSkinForm1().AlphaBlend());
  EXPECT_EQ(form_->skSkinForm1().DefMenuItemHeight(), 20);
  EXPECT_TRUE(form_->skSkinForm1().DefCaptionFont.bold());
  EXPECT_EQ(form_->skSkinForm1().DefCaptionFont.pixelSize(), 14);
  EXPECT_EQ(form_->skSkinForm1().DefInActiveCaptionColour, ToQColor(SystemColour(scBtnShadow)));
  auto* in = Find<TskSkinRichEdit>("skSkinRichEdit1");
  auto* out = Find<TskSkinRichEdit>("skSkinRichEdit2");
  EXPECT_EQ(in->VScrollBar(), Find<TskSkinScrollBar>("skSkinScrollBar1"));
  EXPECT_EQ(out->VScrollBar(), Find<TskSkinScrollBar>("skSkinScrollBar2"));
  EXPECT_EQ(in->font().pixelSize(), 12);
  EXPECT_TRUE(in->font().families().contains(QStringLiteral("宋体")));
  auto* bar1 = Find<TskSkinScrollBar>("skSkinScrollBar1");
  auto* bar2 = Find<TskSkinScrollBar>("skSkinScrollBar2");
  EXPECT_EQ(std::make_tuple(bar1->Min(), bar1->Max(), bar1->PageSize(), bar1->Position()),
            std::make_tuple(0, 100, 0, 0));
  EXPECT_EQ(std::make_tuple(bar2->Min(), bar2->Max(), bar2->PageSize(), bar2->Position()),
            std::make_tuple(0, 16, 15, 0));
  EXPECT_FALSE(bar1->CanFocused());
  EXPECT_EQ(bar1->BothMarkerWidth(), 19);
  EXPECT_EQ(bar1->BothSkinDataName(), "bothhscrollbar");
  auto* box1 = Find<TskSkinGroupBox>("skSkinGroupBox1");
  EXPECT_EQ(box1->Caption(), QStringLiteral("输入原文"));
  EXPECT_TRUE(box1->CaptionMode());
  EXPECT_EQ(box1->DefaultCaptionHeight(), 22);
  EXPECT_EQ(Find<TskSkinPanel>("skSkinPanel1")->BorderStyle(), bvNone);
  auto* check = Find<TskSkinCheckRadioBox>("skSkinCheckRadioBox1");
  EXPECT_TRUE(check->Flat());
  EXPECT_FALSE(check->Radio());
  EXPECT_EQ(check->Caption(), QStringLiteral("开启智能换行"));
  auto* rewrite = Find<TskSkinButton>("skSkinButton1");
  EXPECT_TRUE(rewrite->UseSkinSize());
  EXPECT_FALSE(rewrite->RepeatMode());
  EXPECT_EQ(rewrite->RepeatInterval(), 100);
  EXPECT_FALSE(Find<TskSkinStatusBar>("skSkinStatusBar1")->SizeGrip());
  auto* link = Find<TskSkinLinkLabel>("skSkinLinkLabel1");
  EXPECT_TRUE(link->UseUnderLine());
  EXPECT_FALSE(link->URL().empty());
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  for (const char* label : {"skSkinStdLabel1", "skSkinStdLabel2"}) {
    const TskFont& font = Find<TskSkinStdLabel>(label)->DefaultFont();
    EXPECT_EQ(font.Name, "MS Sans Serif") << label;
    EXPECT_EQ(font.Height, -11) << label;
  }
  QStringList third;
  for (QAction* a : Find<QMenu>("skSkinPopupMenu3")->actions())
    third << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(third,
            (QStringList{"显示窗体", "隐藏窗体", "-", "帮助文档", "联系作者", "-", "退出程序"}));
}

TEST_F(MainWindow, BadDescriptionIsRefusedWithTheLineAndTheName) {
  const std::string good(TForm1::Description());
  struct Row {
    const char* from;
    const char* to;
    const char* error;
  } rows[] = {
      // the output box's menu named as a scroll bar
      {"PopupMenu = skSkinPopupMenu2", "PopupMenu = skSkinScrollBar2",
       "PopupMenu: skSkinScrollBar2 is a TskSkinScrollBar, not a TskSkinPopupMenu"},
      // skin data that is not on the window
      {"CompressedStoredSkin = skCompressedStoredSkin1", "CompressedStoredSkin = skStoredSkin9",
       "CompressedStoredSkin: there is no skStoredSkin9 on the window"},
      // a click handler the window lacks
      {"OnClick = skSkinButton2Click", "OnClick = skSkinButton9Click",
       "OnClick: the window has no method skSkinButton9Click"},
  };
  for (const Row& row : rows) {
    std::string text = good;
    const size_t at = text.find(row.from);
    ASSERT_NE(at, std::string::npos) << row.from;
    text.replace(at, std::strlen(row.from), row.to);
    const int line = static_cast<int>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
    try {
      TForm1 form([] { return std::string("http://127.0.0.1:1/"); }, BuiltinSkinBlock(), text);
      ADD_FAILURE() << "built with " << row.to;
    } catch (const EReadError& e) {
      EXPECT_EQ(e.what(), "Window description, line " + std::to_string(line) + ": " + row.error);
    }
  }
  // The window made from the good text still works afterwards.
  Open("http://127.0.0.1:1/");
  EXPECT_EQ(form_->skSkinForm1().SkinData(), &form_->skSkinData1());
}

// The stored right edge of the link label in a description.
int StoredRightEdge(std::string_view description, const std::string& name) {
  std::function<int(const TDescriptionNode&)> find = [&](const TDescriptionNode& node) {
    if (node.name == name) {
      int left = 0, width = 0;
      for (const TDescriptionProperty& p : node.properties) {
        if (p.name == "Left") left = p.Integer();
        if (p.name == "Width") width = p.Integer();
      }
      return left + width;
    }
    for (const TDescriptionNode& child : node.children)
      if (int edge = find(child)) return edge;
    return 0;
  };
  return find(ParseFormDescription(description));
}

TEST_F(MainWindow, TheLinkLabelGrownToItsTextKeepsItsStoredRightEdge) {
  std::string moved(TForm1::Description());
  const size_t at = moved.find("object skSkinLinkLabel1");
  ASSERT_NE(at, std::string::npos);
  // Further left and wider than stored.
  for (auto [key, change] : {std::pair{"Left = ", -60}, {"Width = ", 20}}) {
    const size_t value = moved.find(key, at) + std::strlen(key);
    const size_t end = moved.find('\n', value);
    moved.replace(value, end - value, std::to_string(std::stoi(moved.substr(value)) + change));
  }
  ASSERT_NE(StoredRightEdge(moved, "skSkinLinkLabel1"),
            StoredRightEdge(TForm1::Description(), "skSkinLinkLabel1"));
  for (const std::string& description : {std::string(TForm1::Description()), moved}) {
    TForm1 form([] { return std::string("http://127.0.0.1:1/"); }, BuiltinSkinBlock(), description);
    auto* link = dynamic_cast<TskSkinLinkLabel*>(
        form.findChild<QObject*>(QStringLiteral("skSkinLinkLabel1")));
    auto* bar = dynamic_cast<TskSkinStatusBar*>(
        form.findChild<QObject*>(QStringLiteral("skSkinStatusBar1")));
    ASSERT_TRUE(link && bar);
    EXPECT_EQ(link->geometry().right() + 1, StoredRightEdge(description, "skSkinLinkLabel1"));
    EXPECT_EQ(link->width(), link->TextSize().width());
    EXPECT_GE(link->x(), 0);
    EXPECT_LE(link->geometry().right(), bar->width());
  }
}

TEST_F(MainWindow, StartsAsStoredWithTheAuthorLineAndTabOrder) {
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
  form_->show();
  QApplication::setActiveWindow(form_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_TRUE(Status().startsWith(QStringLiteral("作者"))) << Status().toStdString();
  EXPECT_FALSE(Find<TskSkinScrollBar>("skSkinScrollBar1")->isEnabled());
  EXPECT_FALSE(Find<TskSkinScrollBar>("skSkinScrollBar2")->isEnabled());
  // The first control of the tab order has the focus; Tab walks the rest in
  // their stored order and comes back round.
  EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("skSkinRichEdit1"));
  const char* order[] = {"skSkinRichEdit2",      "skSkinButton1", "skSkinEdit4",    "skSkinEdit5",
                         "skSkinCheckRadioBox1", "skSkinButton2", "skSkinRichEdit1"};
  for (const char* name : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
  }
  EXPECT_EQ(Find<QPlainTextEdit>("skSkinRichEdit1")->toPlainText(), "");
}

TEST_F(MainWindow, RightButtonOnEachBoxOpensItsOwnMenu) {
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
  form_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  TskSkinMenu& engine = FindMenuHost(form_.get())->SkinMenu();
  struct Box {
    const char* box;
    const char* menu;
    const char* other;
  } boxes[] = {{"skSkinRichEdit2", "skSkinPopupMenu2", "skSkinPopupMenu1"},
               {"skSkinRichEdit1", "skSkinPopupMenu1", "skSkinPopupMenu2"}};
  for (const Box& b : boxes) {
    auto* edit = Find<QPlainTextEdit>(b.box);
    // The platform's context-menu event, as a right click on the text gives it.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                            edit->viewport()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(edit->viewport(), &click);
    ASSERT_EQ(engine.LevelCount(), 1) << b.box;
    EXPECT_EQ(engine.Level(0)->Menu(), Find<QMenu>(b.menu)) << b.box;
    EXPECT_NE(engine.Level(0)->Menu(), Find<QMenu>(b.other)) << b.box;
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(engine.Visible());
  }
}

TEST_F(MainWindow, LoadsTheSkinItIsGivenAtCreation) {
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
  TskSkinData& skin = form_->skSkinData1();
  EXPECT_FALSE(skin.Empty());
  EXPECT_EQ(skin.ControlIndexOf("button"), 0);
  EXPECT_EQ(skin.ControlIndexOf("vscrollbar"), 16);
  EXPECT_EQ(skin.ControlIndexOf("richedit"), 47);
  EXPECT_EQ(skin.ObjectCount(), 11);
  // The window is the client area in the skin's frame, shaped by its mask,
  // with the skin's caption buttons.
  const TskFormInfo& info = skin.FormInfo();
  const QImage& picture = skin.Picture();
  EXPECT_EQ(form_->ClientArea()->geometry(),
            QRect(info.ClientRect.Left, info.ClientRect.Top, 707, 640));
  EXPECT_EQ(form_->size(), QSize(707 + picture.width() - info.ClientRect.Width(),
                                 640 + picture.height() - info.ClientRect.Height()));
  EXPECT_TRUE(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(form_->skSkinForm1().Objects().size(), 5u);
  EXPECT_EQ(form_->mask(), form_->skSkinForm1().WindowRegion());
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/");
  EXPECT_TRUE(form_->skSkinData1().Empty());
}

TEST_F(MainWindow, ScrollBarBecomesUsableWhenTextOverflows) {
  Open("http://127.0.0.1:1/");
  QString lines;
  for (int i = 0; i < 200; ++i) lines += QStringLiteral("第%1行\n").arg(i);
  QPlainTextEdit* in = Find<QPlainTextEdit>("skSkinRichEdit1");
  in->setPlainText(lines);
  auto* bar = Find<TskSkinScrollBar>("skSkinScrollBar1");
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar->isEnabled(); }));
  EXPECT_EQ(bar->PageSize(), in->verticalScrollBar()->pageStep());
  bar->SetPosition(bar->Max());
  EXPECT_EQ(in->verticalScrollBar()->value(), in->verticalScrollBar()->maximum());
  EXPECT_EQ(bar->Position(), in->verticalScrollBar()->maximum());
  // The output box's bar is not touched.
  EXPECT_FALSE(Find<TskSkinScrollBar>("skSkinScrollBar2")->isEnabled());
}

TEST_F(MainWindow, TextBoxesAndFieldsAreSkinnedWithNoPlatformLookLeft) {
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
  form_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  const auto* vdata =
      test::FindSkinControl<TskDataSkinScrollBarControl>(form_->skSkinData1(), "vscrollbar");
  ASSERT_NE(vdata, nullptr);
  for (const char* name : {"skSkinScrollBar1", "skSkinScrollBar2"}) {
    auto* bar = Find<TskSkinScrollBar>(name);
    // The skin's width, not the stored 19; the box fills the rest.
    EXPECT_EQ(bar->width(), vdata->SkinRect.Width()) << name;
    EXPECT_EQ(bar->DataIndex(), form_->skSkinData1().ControlIndexOf("vscrollbar"));
    // Docked at the right of the group box's client area.
    const auto* area = dynamic_cast<const TAlignArea*>(bar->parentWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(bar->x() + bar->width(),
              area->AlignClientRect().x() + area->AlignClientRect().width())
        << name;
  }
  auto* in = Find<TskSkinRichEdit>("skSkinRichEdit1");
  EXPECT_EQ(in->x() + in->width(), Find<TskSkinScrollBar>("skSkinScrollBar1")->x());
  EXPECT_FALSE(in->SkinSupport());
  EXPECT_EQ(in->font().pixelSize(), 12);
  for (const char* name : {"skSkinEdit4", "skSkinEdit5"}) {
    auto* edit = Find<TskSkinEdit>(name);
    EXPECT_NE(edit->DataIndex(), -1) << name;
  }
  for (QScrollBar* bar : form_->findChildren<QScrollBar*>()) EXPECT_FALSE(bar->isVisible());
  for (QLineEdit* edit : form_->findChildren<QLineEdit*>())
    EXPECT_NE(dynamic_cast<TskSkinEdit*>(edit), nullptr) << edit->objectName().toStdString();
}

TEST_F(MainWindow, RightClickOnAFieldOpensItsOwnSkinnedMenu) {
  form_ = std::make_unique<TForm1>("http://127.0.0.1:1/", BuiltinSkinBlock());
  form_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  QGuiApplication::clipboard()->clear();
  auto* prefix = Find<TskSkinEdit>("skSkinEdit4");
  TskSkinMenu& engine = FindMenuHost(form_.get())->SkinMenu();
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                          prefix->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(prefix, &click);
  ASSERT_EQ(engine.LevelCount(), 1);
  const auto& items = engine.Level(0)->Items();
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[4].action->text(), QStringLiteral("Paste"));
  EXPECT_FALSE(items[4].Enabled());
  EXPECT_TRUE(items[7].Enabled());
  // Select All, chosen in the skinned menu, selects the field's text.
  engine.ChooseItem(engine.Level(0), 7);
  EXPECT_FALSE(engine.Visible());
  EXPECT_EQ(prefix->selectedText(), QStringLiteral("本站讯："));
  EXPECT_EQ(prefix->SystemMenu(), nullptr);
}

TEST_F(MainWindow, ClearEmptiesBothBoxesOnly) {
  Open("http://127.0.0.1:1/");
  Find<QPlainTextEdit>("skSkinRichEdit1")->setPlainText("in");
  Find<QPlainTextEdit>("skSkinRichEdit2")->setPlainText("out");
  Find<QLineEdit>("skSkinEdit4")->setText("P");
  QTest::mouseClick(Find<TskSkinButton>("skSkinButton2"), Qt::LeftButton);
  EXPECT_EQ(Find<QPlainTextEdit>("skSkinRichEdit1")->toPlainText(), "");
  EXPECT_EQ(Find<QPlainTextEdit>("skSkinRichEdit2")->toPlainText(), "");
  EXPECT_EQ(Find<QLineEdit>("skSkinEdit4")->text(), "P");
  EXPECT_EQ(Status(), QStringLiteral("清空完成！"));
}

TEST_F(MainWindow, MenuCommandsActOnTheirBoxAndReportTheirTexts) {
  Open("http://127.0.0.1:1/");
  QPlainTextEdit* in = Find<QPlainTextEdit>("skSkinRichEdit1");
  QPlainTextEdit* out = Find<QPlainTextEdit>("skSkinRichEdit2");
  in->setPlainText("源文本");
  out->setPlainText("");
  struct Step {
    const char* action;
    const char* status;
  } steps[] = {{"N5", "全选完成！"}, {"N1", "复制完成！"}, {"N4", "粘贴成功！"},
               {"N6", "全选完成！"}, {"N3", "复制成功！"}, {"N2", "粘贴完成！"}};
  for (const Step& s : steps) {
    Action(s.action)->trigger();
    EXPECT_EQ(Status(), QString::fromUtf8(s.status)) << s.action;
  }
  // Input copied, pasted into the output, copied back over the selected input.
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("源文本"));
  EXPECT_EQ(out->toPlainText(), QStringLiteral("源文本"));
  EXPECT_EQ(in->toPlainText(), QStringLiteral("源文本"));
}

TEST_F(MainWindow, RightClickOnTheOutputOpensTheOutputMenu) {
  Open("http://127.0.0.1:1/");
  QPlainTextEdit* out = Find<QPlainTextEdit>("skSkinRichEdit2");
  out->setPlainText(QStringLiteral("改写结果"));
  TskMenuHost* host = FindMenuHost(form_.get());
  ASSERT_NE(host, nullptr);
  TskSkinMenu& engine = host->SkinMenu();
  emit out->customContextMenuRequested(QPoint(10, 10));
  ASSERT_EQ(engine.LevelCount(), 1);
  EXPECT_EQ(engine.Level(0)->Menu(), Find<QMenu>("skSkinPopupMenu2"));
  EXPECT_EQ(engine.Level(0)->pos(), out->mapToGlobal(QPoint(10, 10)));
  EXPECT_EQ(engine.Level(0)->Items().size(), 3u);
  QTest::keyClick(out, Qt::Key_Escape);
  EXPECT_FALSE(engine.Visible());

  // "全选", then "复制": the rewritten text reaches the clipboard.
  emit out->customContextMenuRequested(QPoint(10, 10));
  QTest::keyClick(out, Qt::Key_Return);
  EXPECT_EQ(Status(), QStringLiteral("全选完成！"));
  emit out->customContextMenuRequested(QPoint(10, 10));
  QTest::keyClick(out, Qt::Key_Down);
  QTest::keyClick(out, Qt::Key_Return);
  EXPECT_EQ(Status(), QStringLiteral("复制成功！"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("改写结果"));
  EXPECT_FALSE(engine.Visible());
}

TEST_F(MainWindow, RewriteFramesTheResultAndReportsDone) {
  auto service = testing::StartSmallService();
  Open(testing::SmallServiceEndpoint(*service));
  Find<QPlainTextEdit>("skSkinRichEdit1")->setPlainText("改善生活质量\n生活");
  QTest::mouseClick(Find<TskSkinButton>("skSkinButton1"), Qt::LeftButton);
  QString out = Find<QPlainTextEdit>("skSkinRichEdit2")->toPlainText();
  EXPECT_TRUE(out.startsWith(QStringLiteral("本站讯："))) << out.toStdString();
  EXPECT_TRUE(out.endsWith(QStringLiteral("本站记者：XXX"))) << out.toStdString();
  EXPECT_EQ(out.count(QStringLiteral("<br />")), 2) << out.toStdString();
  EXPECT_EQ(Status(), QStringLiteral("操作完成！"));

  Find<TskSkinCheckRadioBox>("skSkinCheckRadioBox1")->SetChecked(false);
  QTest::mouseClick(Find<TskSkinButton>("skSkinButton1"), Qt::LeftButton);
  out = Find<QPlainTextEdit>("skSkinRichEdit2")->toPlainText();
  EXPECT_EQ(out.count(QStringLiteral("<br />")), 0) << out.toStdString();
  // The window's kept-alive connection goes before the service stops.
  form_.reset();
}

TEST_F(MainWindow, AnErrorShowsTheBoxAndLeavesTheWindowAsItWas) {
  RefusedPort refused;
  Open(TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(refused.Port())));
  QApplication::setActiveWindow(form_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  Find<QPlainTextEdit>("skSkinRichEdit1")->setPlainText("文章");
  Find<QPlainTextEdit>("skSkinRichEdit2")->setPlainText("old");
  const QString status_before = Status();

  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  QWidget* over = nullptr;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    over = box->parentWidget();
    box->accept();
  });
  poll.start(20);
  QTest::mouseClick(Find<TskSkinButton>("skSkinButton1"), Qt::LeftButton);
  poll.stop();

  EXPECT_EQ(text, QStringLiteral("Socket Error # 10061\r\nConnection refused."));
  EXPECT_EQ(title, QStringLiteral("Lumora伪原创"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(over, form_.get());
  EXPECT_EQ(Find<QPlainTextEdit>("skSkinRichEdit1")->toPlainText(), QStringLiteral("文章"));
  EXPECT_EQ(Find<QPlainTextEdit>("skSkinRichEdit2")->toPlainText(), "old");
  EXPECT_EQ(Status(), status_before);
}

TEST_F(MainWindow, APasteLargerThanTheServiceTakesShowsTheErrorAndStaysInTheBox) {
  auto service = testing::StartSmallService();
  Open(testing::SmallServiceEndpoint(*service));
  QApplication::setActiveWindow(form_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  // Lines of Chinese whose escaped body is past the service's limit.
  const QString line = QString(QStringLiteral("改善生活质量")).repeated(20) + QLatin1Char('\n');
  QString article;
  while (static_cast<size_t>(article.size()) * 9 < ServerLimits{}.max_body_bytes + (1 << 20))
    article += line;
  auto* source = Find<QPlainTextEdit>("skSkinRichEdit1");
  source->setPlainText(article);
  const QString pasted = source->toPlainText();
  Find<QPlainTextEdit>("skSkinRichEdit2")->setPlainText("old");

  QString text;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    text = box->text();
    box->accept();
  });
  poll.start(20);
  QTest::mouseClick(Find<TskSkinButton>("skSkinButton1"), Qt::LeftButton);
  poll.stop();

  EXPECT_FALSE(text.isEmpty()) << "no error box";
  // The service's 413, or a reset when it closes before reading the body.
  EXPECT_TRUE(text == QStringLiteral("HTTP/1.1 413 Payload Too Large.") ||
              text.startsWith(QStringLiteral("Socket Error # 10054")) ||
              text.startsWith(QStringLiteral("Socket Error # 10058")))
      << text.toStdString();
  EXPECT_TRUE(source->toPlainText() == pasted) << "the paste changed";
  EXPECT_GE(pasted.size(), article.size() - 1);
  EXPECT_EQ(Find<QPlainTextEdit>("skSkinRichEdit2")->toPlainText(), "old");
  form_.reset();
}

}  // namespace
}  // namespace lumora

#include "app/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/error_box.h"
#include "app/text_boundary.h"
#include "platform/align.h"
#include "platform/form_list.h"
#include "platform/messages.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_radio_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_rich_edit.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/form/control_menus.h"

namespace lumora {

namespace {

constexpr const char* kAuthorContact = "作者QQ：10001 欢迎交流";
constexpr const char* kBlogAddress = "https://lumora.example.com/blog";
constexpr TColor kBlue = 0xFF0000;
// The labels' own font, shown where they have no skin.
const TskFont kLabelFont{"MS Sans Serif", -11, 0, SystemColour(8)};

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

// A text box's bar: vertical, stored disabled and unfocusable; the text
// enables it once there is more than fits.
void SetUpScrollBar(TskSkinScrollBar* bar, int max, int page, TskSkinData* skin) {
  bar->SetKind(sbVertical);
  bar->SetSkinDataName("vscrollbar");
  bar->SetRangeAll(0, max, page, 0);
  bar->SetSmallChange(1);
  bar->SetLargeChange(1);
  bar->SetCanFocused(false);
  bar->setEnabled(false);
  bar->SetSkinData(skin);
}

QFont EditorFont() {
  QFont font;
  font.setFamilies(
      {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei")});
  font.setPixelSize(12);
  return font;
}

}  // namespace

TForm1::TForm1(const std::string& endpoint_url, std::string_view stored_skin, QWidget* parent)
    : TForm1([endpoint_url] { return endpoint_url; }, stored_skin, parent) {}

TForm1::TForm1(std::function<std::string()> endpoint, std::string_view stored_skin, QWidget* parent)
    : QWidget(parent), rewriter_(net_http_, std::move(endpoint)) {
  setObjectName(QStringLiteral("Form1"));
  RegisterForm(this);
  CreateSkinComponents(stored_skin);
  setWindowTitle(QStringLiteral("Lumora 伪原创 V1.0"));
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  CreateSkinForm();
  CreateControls();
  CreateMenus();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

TForm1::~TForm1() {
  popup_menu1_.reset();
  popup_menu2_.reset();
  popup_menu3_.reset();
  // The frame (the menus' host) lets go of the skin data, which lets go of
  // the stored skin.
  skin_form_.reset();
  skin_data_.reset();
  stored_skin_.reset();
  UnregisterForm(this);
}

void TForm1::CreateSkinComponents(std::string_view stored_skin) {
  stored_skin_ = std::make_unique<TskCompressedStoredSkin>(this);
  stored_skin_->SetName("skCompressedStoredSkin1");
  stored_skin_->SetFileName("skin.ini");
  stored_skin_->CompressedStream().WriteString(stored_skin);
  skin_data_ = std::make_unique<TskSkinData>(this);
  skin_data_->SetName("skSkinData1");
  skin_data_->SetSkinnableForm(true);
  skin_data_->SetEnableSkinEffects(true);
  // Setting the stored skin is what loads it.
  skin_data_->SetCompressedStoredSkin(stored_skin_.get());
}

void TForm1::CreateSkinForm() {
  skin_form_ = std::make_unique<TskSkinForm>(this);
  skin_form_->SetName("skSkinForm1");
  skin_form_->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
  skin_form_->MagneticSize = 5;
  skin_form_->Magnetic = false;
  skin_form_->SetDefMenuItemHeight(20);
  skin_form_->SetAlphaBlendValue(200);
  skin_form_->SetAlphaBlend(false);
  skin_form_->UseDefaultSysMenu = true;
  skin_form_->SetShowIcon(false);
  skin_form_->SetClientWidget(client_);
  skin_form_->SetSkinData(skin_data_.get());
  skin_form_->SetClientSize(kClientWidth, kClientHeight);
}

void TForm1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (quit_after_first_paint_) {
    quit_after_first_paint_ = false;
    // The timing harness reads this line from our standard output.
    std::fputs("painted\n", stdout);
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }
}

void TForm1::CreateControls() {
  TskSkinData* skin = skin_data_.get();
  skSkinPanel1 = Place(new TskSkinPanel(client_), "skSkinPanel1", 0, 0, 707, 577);
  skSkinPanel1->SetBorderStyle(bvNone);
  skSkinPanel1->SetSkinData(skin);
  SetAlign(skSkinPanel1, alTop);

  auto group = [this, skin](const char* name, const char* caption, int top, int height) {
    auto* box = Place(new TskSkinGroupBox(skSkinPanel1), name, 0, top, 707, height);
    box->SetCaption(QString::fromUtf8(caption));
    box->SetBorderStyle(bvFrame);
    box->SetDefaultCaptionHeight(22);
    box->SetSkinData(skin);
    SetAlign(box, alTop);
    return box;
  };
  skSkinGroupBox1 = group("skSkinGroupBox1", "输入原文", 0, 289);
  skSkinRichEdit1 = Place(new TskSkinRichEdit(skSkinGroupBox1), "skSkinRichEdit1", 1, 23, 686, 265);
  skSkinScrollBar1 =
      Place(new TskSkinScrollBar(skSkinGroupBox1), "skSkinScrollBar1", 687, 23, 19, 265);
  skSkinGroupBox2 = group("skSkinGroupBox2", "输出文章", 289, 280);
  skSkinRichEdit2 = Place(new TskSkinRichEdit(skSkinGroupBox2), "skSkinRichEdit2", 1, 23, 686, 256);
  skSkinScrollBar2 =
      Place(new TskSkinScrollBar(skSkinGroupBox2), "skSkinScrollBar2", 687, 23, 19, 256);
  SetUpScrollBar(skSkinScrollBar1, 100, 0, skin);
  SetUpScrollBar(skSkinScrollBar2, 16, 15, skin);
  SetAlign(skSkinScrollBar1, alRight);
  SetAlign(skSkinRichEdit1, alClient);
  SetAlign(skSkinScrollBar2, alRight);
  SetAlign(skSkinRichEdit2, alClient);

  for (auto [edit, bar] : {std::pair{skSkinRichEdit1, skSkinScrollBar1},
                           std::pair{skSkinRichEdit2, skSkinScrollBar2}}) {
    // The stored font stays: the boxes do not take the skin's.
    edit->SetSkinSupport(false);
    edit->setFont(EditorFont());
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    edit->SetSkinData(skin);
    edit->SetVScrollBar(bar);
  }

  auto fieldLabel = [this](const char* name, const char* caption, int left) {
    auto* label = Place(new TskSkinStdLabel(client_), name, left, 590, 60, 13);
    label->SetDefaultFont(kLabelFont);
    label->SetCaption(QString::fromUtf8(caption));
    return label;
  };
  skSkinStdLabel1 = fieldLabel("skSkinStdLabel1", "文章前缀：", 0);
  auto field = [this, skin](const char* name, const char* text, int left) {
    auto* edit = Place(new TskSkinEdit(client_), name, left, 587, 137, 18);
    edit->setText(QString::fromUtf8(text));
    edit->SetDefaultFont({"Arial", 14, 0, 0});
    edit->SetSkinData(skin);
    return edit;
  };
  skSkinEdit4 = field("skSkinEdit4", "本站讯：", 64);
  skSkinStdLabel2 = fieldLabel("skSkinStdLabel2", "文章后缀：", 208);
  skSkinEdit5 = field("skSkinEdit5", "本站记者：XXX", 272);

  skSkinCheckRadioBox1 =
      Place(new TskSkinCheckRadioBox(client_), "skSkinCheckRadioBox1", 412, 584, 101, 25);
  skSkinCheckRadioBox1->SetCaption(QStringLiteral("开启智能换行"));
  skSkinCheckRadioBox1->SetFlat(true);
  skSkinCheckRadioBox1->SetTabStop(true);
  skSkinCheckRadioBox1->SetChecked(true);
  skSkinCheckRadioBox1->SetSkinData(skin);

  auto button = [this, skin](const char* name, const char* caption, int left, int top) {
    auto* b = Place(new TskSkinButton(client_), name, left, top, 80, 20);
    b->SetCaption(QString::fromUtf8(caption));
    b->SetSkinData(skin);
    return b;
  };
  skSkinButton1 = button("skSkinButton1", "伪原创", 520, 586);
  skSkinButton1->SetUseSkinSize(true);
  skSkinButton1->SetRepeatMode(false);
  skSkinButton1->SetRepeatInterval(100);
  skSkinButton2 = button("skSkinButton2", "清空", 616, 585);

  skSkinStatusBar1 = Place(new TskSkinStatusBar(client_), "skSkinStatusBar1", 0, 619, 707, 21);
  skSkinStatusBar1->SetSizeGrip(false);
  skSkinStatusBar1->SetSkinData(skin);
  skSkinStdLabel15 =
      Place(new TskSkinStdLabel(skSkinStatusBar1), "skSkinStdLabel15", 16, 4, 88, 13);
  skSkinStdLabel15->SetDefaultFont(kLabelFont);
  skSkinStdLabel15->SetSkinData(skin);
  skSkinStdLabel15->SetCaption(QString::fromUtf8(kAuthorContact));
  skSkinLinkLabel1 =
      Place(new TskSkinLinkLabel(skSkinStatusBar1), "skSkinLinkLabel1", 586, 3, 107, 14);
  skSkinLinkLabel1->SetDefaultActiveFontColor(kBlue);
  skSkinLinkLabel1->SetUseUnderLine(true);
  skSkinLinkLabel1->SetCaption(QStringLiteral("点击进入Lumora‘s Blog"));
  skSkinLinkLabel1->SetURL(kBlogAddress);
  // Grown to its text, it keeps its right edge inside the status bar.
  skSkinLinkLabel1->move(586 + 107 - skSkinLinkLabel1->width(), 3);

  setTabOrder(skSkinButton1, skSkinEdit4);
  setTabOrder(skSkinEdit4, skSkinEdit5);
  setTabOrder(skSkinEdit5, skSkinCheckRadioBox1);
  setTabOrder(skSkinCheckRadioBox1, skSkinButton2);

  skSkinButton1->OnClick = [this] { RunCommand([this] { skSkinButton1Click(); }); };
  skSkinButton2->OnClick = [this] { RunCommand([this] { skSkinButton2Click(); }); };
}

void TForm1::CreateMenus() {
  // The prefix and suffix fields build their own skinned menus.
  InstallControlPopupMenus();
  struct Item {
    const char* name;
    const char* caption;
    void (TForm1::*handler)();
  };
  auto build = [this](const char* name, std::initializer_list<Item> items) {
    auto menu = std::make_unique<TskSkinPopupMenu>(this);
    menu->SetName(name);
    menu->Items()->setObjectName(QString::fromLatin1(name));
    for (const Item& item : items) {
      auto handler = item.handler;
      menu->AddItem(item.name, QString::fromUtf8(item.caption),
                    handler ? std::function<void()>([this, handler] {
                      RunCommand([this, handler] { (this->*handler)(); });
                    })
                            : std::function<void()>());
    }
    return menu;
  };
  popup_menu1_ = build("skSkinPopupMenu1", {{"N5", "全选", &TForm1::N5Click},
                                            {"N1", "复制", &TForm1::N1Click},
                                            {"N2", "粘贴", &TForm1::N2Click}});
  popup_menu2_ = build("skSkinPopupMenu2", {{"N6", "全选", &TForm1::N6Click},
                                            {"N3", "复制", &TForm1::N3Click},
                                            {"N4", "粘贴", &TForm1::N4Click}});
  // Attached to nothing: it never opens.
  popup_menu3_ = build("skSkinPopupMenu3", {{"N7", "显示窗体", &TForm1::ShowWindowClick},
                                            {"N8", "隐藏窗体", &TForm1::HideWindowClick},
                                            {"N9", "-", nullptr},
                                            {"N10", "帮助文档", nullptr},
                                            {"N11", "联系作者", nullptr},
                                            {"N12", "-", nullptr},
                                            {"N13", "退出程序", &TForm1::ExitClick}});
  // Each box opens its own menu, skinned, at the pointer.
  for (auto [edit, menu] : {std::pair{skSkinRichEdit1, popup_menu1_.get()},
                            std::pair{skSkinRichEdit2, popup_menu2_.get()}}) {
    QObject::connect(edit, &QWidget::customContextMenuRequested, this,
                     [edit, menu](const QPoint& at) {
                       const QPoint global = edit->mapToGlobal(at);
                       menu->PopupFromControl(edit, global.x(), global.y());
                     });
  }
}

void TForm1::SetStatus(const char* text) {
  skSkinStdLabel15->SetCaption(QString::fromUtf8(text));
}

QString TForm1::StatusText() const {
  return skSkinStdLabel15->Caption();
}

void TForm1::skSkinButton1Click() {
  // The rewrite blocks the window; the cursor says so.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct RestoreCursor {
    ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
  } restore;
  const std::string prefix = FromWidgetText(skSkinEdit4->text());
  const std::string source = FromWidgetText(skSkinRichEdit1->toPlainText());
  const std::string english = rewriter_.TranslateToEnglish(source);
  const std::string chinese =
      rewriter_.TranslateToChinese(english, skSkinCheckRadioBox1->Checked());
  SetStatus("操作完成！");
  const std::string suffix = FromWidgetText(skSkinEdit5->text());
  skSkinRichEdit2->setPlainText(ToWidgetText(prefix + chinese + suffix));
}

void TForm1::skSkinButton2Click() {
  skSkinRichEdit1->clear();
  skSkinRichEdit2->clear();
  SetStatus("清空完成！");
}

void TForm1::ShowWindowClick() {
  show();
}

void TForm1::HideWindowClick() {
  hide();
}

void TForm1::ExitClick() {
  close();
}

void TForm1::N5Click() {
  skSkinRichEdit1->selectAll();
  SetStatus("全选完成！");
}

void TForm1::N1Click() {
  skSkinRichEdit1->copy();
  SetStatus("复制完成！");
}

void TForm1::N2Click() {
  skSkinRichEdit1->paste();
  SetStatus("粘贴完成！");
}

void TForm1::N6Click() {
  skSkinRichEdit2->selectAll();
  SetStatus("全选完成！");
}

void TForm1::N3Click() {
  skSkinRichEdit2->copy();
  SetStatus("复制成功！");
}

void TForm1::N4Click() {
  skSkinRichEdit2->paste();
  SetStatus("粘贴成功！");
}

}  // namespace lumora

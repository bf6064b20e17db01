#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "app/error_box.h"
#include "app/text_boundary.h"
#include "platform/form_list.h"
#include "skin/form/standalone_menu_host.h"

namespace lumora {

namespace {

constexpr const char* kAuthorContact = "作者QQ：10001 欢迎交流";
constexpr const char* kBlogAddress = "https://lumora.example.com/blog";

// Opens its address in the default browser when clicked.
class TLinkLabel : public QLabel {
 public:
  TLinkLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kBlogAddress)));
  }
};

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

// The rich edit's own bar stays hidden; the separate bar mirrors it and is
// usable only while there is more text than fits.
void LinkScrollBar(QPlainTextEdit* edit, QScrollBar* bar) {
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QScrollBar* inner = edit->verticalScrollBar();
  bar->setEnabled(false);
  bar->setFocusPolicy(Qt::NoFocus);
  QObject::connect(inner, &QScrollBar::rangeChanged, bar, [bar, inner](int min, int max) {
    bar->setRange(min, max);
    bar->setPageStep(inner->pageStep());
    bar->setEnabled(max > min);
  });
  QObject::connect(inner, &QScrollBar::valueChanged, bar, &QScrollBar::setValue);
  QObject::connect(bar, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
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
  setFixedSize(kClientWidth, kClientHeight);
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
  delete menu_host_;
  // The skin data lets go of the stored skin before that is freed.
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
  skSkinPanel1 = Place(new QFrame(this), "skSkinPanel1", 0, 0, 707, 577);

  skSkinGroupBox1 = Place(new QGroupBox(QStringLiteral("输入原文"), skSkinPanel1),
                          "skSkinGroupBox1", 0, 0, 707, 289);
  skSkinRichEdit1 = Place(new QPlainTextEdit(skSkinGroupBox1), "skSkinRichEdit1", 1, 23, 686, 265);
  skSkinScrollBar1 =
      Place(new QScrollBar(Qt::Vertical, skSkinGroupBox1), "skSkinScrollBar1", 687, 23, 19, 265);

  skSkinGroupBox2 = Place(new QGroupBox(QStringLiteral("输出文章"), skSkinPanel1),
                          "skSkinGroupBox2", 0, 289, 707, 280);
  skSkinRichEdit2 = Place(new QPlainTextEdit(skSkinGroupBox2), "skSkinRichEdit2", 1, 23, 686, 256);
  skSkinScrollBar2 =
      Place(new QScrollBar(Qt::Vertical, skSkinGroupBox2), "skSkinScrollBar2", 687, 23, 19, 256);

  for (QPlainTextEdit* edit : {skSkinRichEdit1, skSkinRichEdit2}) {
    edit->setFont(EditorFont());
    edit->setFrameShape(QFrame::NoFrame);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
  }
  LinkScrollBar(skSkinRichEdit1, skSkinScrollBar1);
  LinkScrollBar(skSkinRichEdit2, skSkinScrollBar2);

  skSkinStdLabel1 =
      Place(new QLabel(QStringLiteral("文章前缀："), this), "skSkinStdLabel1", 0, 590, 60, 13);
  skSkinEdit4 =
      Place(new QLineEdit(QStringLiteral("本站讯："), this), "skSkinEdit4", 64, 587, 137, 18);
  skSkinStdLabel2 =
      Place(new QLabel(QStringLiteral("文章后缀："), this), "skSkinStdLabel2", 208, 590, 60, 13);
  skSkinEdit5 =
      Place(new QLineEdit(QStringLiteral("本站记者：XXX"), this), "skSkinEdit5", 272, 587, 137, 18);
  skSkinCheckRadioBox1 = Place(new QCheckBox(QStringLiteral("开启智能换行"), this),
                               "skSkinCheckRadioBox1", 412, 584, 101, 25);
  skSkinCheckRadioBox1->setChecked(true);
  skSkinButton1 =
      Place(new QPushButton(QStringLiteral("伪原创"), this), "skSkinButton1", 520, 586, 80, 20);
  skSkinButton2 =
      Place(new QPushButton(QStringLiteral("清空"), this), "skSkinButton2", 616, 585, 80, 20);

  skSkinStatusBar1 = Place(new QStatusBar(this), "skSkinStatusBar1", 0, 619, 707, 21);
  skSkinStatusBar1->setSizeGripEnabled(false);
  skSkinStdLabel15 = Place(new QLabel(QString::fromUtf8(kAuthorContact), skSkinStatusBar1),
                           "skSkinStdLabel15", 16, 4, 88, 13);
  skSkinStdLabel15->adjustSize();
  skSkinLinkLabel1 =
      Place(new TLinkLabel(QStringLiteral("点击进入Lumora‘s Blog"), skSkinStatusBar1),
            "skSkinLinkLabel1", 586, 3, 107, 14);
  skSkinLinkLabel1->setCursor(Qt::PointingHandCursor);
  QFont link_font(QStringLiteral("Arial"));
  link_font.setPixelSize(11);
  link_font.setUnderline(true);
  skSkinLinkLabel1->setFont(link_font);
  // Grown to its text, it keeps its right edge inside the status bar.
  skSkinLinkLabel1->adjustSize();
  skSkinLinkLabel1->move(586 + 107 - skSkinLinkLabel1->width(), 3);
  QPalette link_palette = skSkinLinkLabel1->palette();
  link_palette.setColor(QPalette::WindowText, Qt::blue);
  skSkinLinkLabel1->setPalette(link_palette);

  setTabOrder(skSkinButton1, skSkinEdit4);
  setTabOrder(skSkinEdit4, skSkinEdit5);
  setTabOrder(skSkinEdit5, skSkinCheckRadioBox1);
  setTabOrder(skSkinCheckRadioBox1, skSkinButton2);

  QObject::connect(skSkinButton1, &QPushButton::clicked, this,
                   [this] { RunCommand([this] { skSkinButton1Click(); }); });
  QObject::connect(skSkinButton2, &QPushButton::clicked, this,
                   [this] { RunCommand([this] { skSkinButton2Click(); }); });
}

void TForm1::CreateMenus() {
  menu_host_ = new TskStandaloneMenuHost(this, skin_data_.get());
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
  skSkinStdLabel15->setText(QString::fromUtf8(text));
  skSkinStdLabel15->adjustSize();
}

QString TForm1::StatusText() const {
  return skSkinStdLabel15->text();
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
      rewriter_.TranslateToChinese(english, skSkinCheckRadioBox1->isChecked());
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

#include "app/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/error_box.h"
#include "app/main_window_classes.h"
#include "app/text_boundary.h"
#include "platform/form_list.h"
#include "platform/form_reader.h"
#include "skin/controls/skin_check_radio_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_rich_edit.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/form/control_menus.h"

namespace lumora {

// The description's text, built into the program from main_window.form.
extern const char kMainWindowDescription[];

std::string_view TForm1::Description() {
  return kMainWindowDescription;
}

TForm1::TForm1(const std::string& endpoint_url, std::string_view stored_skin, QWidget* parent)
    : TForm1([endpoint_url] { return endpoint_url; }, stored_skin, parent) {}

TForm1::TForm1(std::function<std::string()> endpoint, std::string_view stored_skin, QWidget* parent)
    : TForm1(std::move(endpoint), stored_skin, Description(), parent) {}

TForm1::TForm1(std::function<std::string()> endpoint, std::string_view stored_skin,
               std::string_view description, QWidget* parent)
    : QWidget(parent), rewriter_(net_http_, std::move(endpoint)) {
  setObjectName(QStringLiteral("Form1"));
  RegisterForm(this);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  // The prefix and suffix fields build their own skinned menus.
  InstallControlPopupMenus();
  try {
    ReadDescription(stored_skin, description);
  } catch (...) {
    ReleaseComponents();
    throw;
  }
  if (centred_) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect area = screen->availableGeometry();
      move(area.center() - rect().center());
    }
  }
}

TForm1::~TForm1() {
  ReleaseComponents();
}

void TForm1::ReleaseComponents() {
  // The frame (the menus' host) goes first and lets go of the skin data;
  // then the controls, then the rest in the reverse order of creation.
  for (auto& component : components_)
    if (dynamic_cast<TskSkinForm*>(component.get()) != nullptr) component.reset();
  // The controls go before the skin data they link to: a link told of the
  // data's end makes its control re-dock its neighbours, which must not
  // find a half-destroyed skin.
  // The focus leaves them first, so that its change reaches whole controls.
  if (QWidget* focus = QApplication::focusWidget(); focus && client_->isAncestorOf(focus))
    focus->clearFocus();
  delete client_;
  client_ = nullptr;
  while (!components_.empty()) components_.pop_back();
  UnregisterForm(this);
}

void TForm1::SetStoredClientSize(int width, int height) {
  client_width_ = width;
  client_height_ = height;
  client_->resize(width, height);
}

void TForm1::AddMethods(TFormReader& reader) {
  const std::pair<const char*, void (TForm1::*)()> methods[] = {
      {"FormCreate", &TForm1::FormCreate},
      {"skSkinButton1Click", &TForm1::skSkinButton1Click},
      {"skSkinButton2Click", &TForm1::skSkinButton2Click},
      {"N5Click", &TForm1::N5Click},
      {"N1Click", &TForm1::N1Click},
      {"N2Click", &TForm1::N2Click},
      {"N6Click", &TForm1::N6Click},
      {"N3Click", &TForm1::N3Click},
      {"N4Click", &TForm1::N4Click},
      {"ShowWindowClick", &TForm1::ShowWindowClick},
      {"HideWindowClick", &TForm1::HideWindowClick},
      {"ExitClick", &TForm1::ExitClick}};
  for (const auto& [name, method] : methods)
    reader.AddMethod(name, [this, method = method] { (this->*method)(); });
}

void TForm1::ReadDescription(std::string_view stored_skin, std::string_view description) {
  TFormReader reader;
  TForm1Loading loading;
  RegisterForm1Classes(reader, *this, loading);
  AddMethods(reader);
  reader.AddData("StoredSkin", stored_skin);
  reader.Read(description, this);
  ApplyTabOrder(loading.tab_order);
  component_list_ = reader.Components();

  skin_data_ = &reader.Get<TskSkinData>("skSkinData1");
  skin_form_ = &reader.Get<TskSkinForm>("skSkinForm1");
  // The skin came after the frame: the stored client size holds inside the
  // skin's frame, not the default one.
  skin_form_->SetClientSize(client_width_, client_height_);
  popup_menu1_ = &reader.Get<TskSkinPopupMenu>("skSkinPopupMenu1");
  popup_menu2_ = &reader.Get<TskSkinPopupMenu>("skSkinPopupMenu2");
  popup_menu3_ = &reader.Get<TskSkinPopupMenu>("skSkinPopupMenu3");
  skSkinRichEdit1 = &reader.Get<TskSkinRichEdit>("skSkinRichEdit1");
  skSkinRichEdit2 = &reader.Get<TskSkinRichEdit>("skSkinRichEdit2");
  skSkinEdit4 = &reader.Get<TskSkinEdit>("skSkinEdit4");
  skSkinEdit5 = &reader.Get<TskSkinEdit>("skSkinEdit5");
  skSkinCheckRadioBox1 = &reader.Get<TskSkinCheckRadioBox>("skSkinCheckRadioBox1");
  skSkinStdLabel15 = &reader.Get<TskSkinStdLabel>("skSkinStdLabel15");
  // The link label, grown to its text, keeps the right edge it is stored
  // with, inside the status bar.
  auto& link = reader.Get<TskSkinLinkLabel>("skSkinLinkLabel1");
  const QRect stored = loading.stored_bounds[&link];
  link.move(stored.x() + stored.width() - link.width(), link.y());
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

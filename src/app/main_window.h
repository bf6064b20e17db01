#pragma once
// TForm1, the main window: the source and rewritten boxes with their menus
// and scroll bars, the prefix and suffix fields, the line-break option, the
// two buttons and the status line, with the command handlers.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "http/http_client.h"
#include "rewrite/round_trip.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_popup_menu.h"

namespace lumora {

class TskSkinButton;
class TskSkinCheckRadioBox;
class TskSkinEdit;
class TskSkinGroupBox;
class TskSkinLinkLabel;
class TskSkinPanel;
class TskSkinRichEdit;
class TskSkinScrollBar;
class TskSkinStatusBar;
class TskSkinStdLabel;

class TForm1 : public QWidget {
 public:
  static constexpr int kClientWidth = 707;
  static constexpr int kClientHeight = 640;

  // endpoint: where the translation legs are posted, asked for at each leg.
  // stored_skin: the compressed skin block the skin data loads at creation;
  // empty leaves the skin empty.
  explicit TForm1(std::function<std::string()> endpoint, std::string_view stored_skin = {},
                  QWidget* parent = nullptr);
  explicit TForm1(const std::string& endpoint_url, std::string_view stored_skin = {},
                  QWidget* parent = nullptr);

  // Quits the application once the window has painted (start-up timing).
  void SetQuitAfterFirstPaint(bool on) { quit_after_first_paint_ = on; }
  ~TForm1() override;

  // Command handlers; each acts first, then sets the status line.
  void skSkinButton1Click();
  void skSkinButton2Click();
  void N5Click();
  void N1Click();
  void N2Click();
  void N6Click();
  void N3Click();
  void N4Click();
  void ShowWindowClick();
  void HideWindowClick();
  void ExitClick();

  TNetHTTP& NetHTTP1() { return net_http_; }
  TskSkinData& skSkinData1() { return *skin_data_; }
  TskSkinForm& skSkinForm1() { return *skin_form_; }
  // The client area inside the skinned frame; every control sits on it.
  QWidget* ClientArea() const { return client_; }
  TskSkinPopupMenu& skSkinPopupMenu1() { return *popup_menu1_; }
  TskSkinPopupMenu& skSkinPopupMenu2() { return *popup_menu2_; }
  TskSkinPopupMenu& skSkinPopupMenu3() { return *popup_menu3_; }
  QString StatusText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The skin broadcasts: the controls drop their data before a new skin is
  // read and take it up again afterwards.

 private:
  void CreateSkinComponents(std::string_view stored_skin);
  void CreateSkinForm();
  void CreateControls();
  void CreateMenus();
  void SetStatus(const char* text);

  TNetHTTP net_http_;
  TRoundTripRewriter rewriter_;
  std::unique_ptr<TskCompressedStoredSkin> stored_skin_;
  std::unique_ptr<TskSkinData> skin_data_;
  // The frame, and the host of the window's skinned menus.
  std::unique_ptr<TskSkinForm> skin_form_;
  QWidget* client_ = nullptr;
  std::unique_ptr<TskSkinPopupMenu> popup_menu1_;
  std::unique_ptr<TskSkinPopupMenu> popup_menu2_;
  std::unique_ptr<TskSkinPopupMenu> popup_menu3_;
  bool quit_after_first_paint_ = false;

  TskSkinPanel* skSkinPanel1 = nullptr;
  TskSkinGroupBox* skSkinGroupBox1 = nullptr;
  TskSkinGroupBox* skSkinGroupBox2 = nullptr;
  TskSkinRichEdit* skSkinRichEdit1 = nullptr;
  TskSkinRichEdit* skSkinRichEdit2 = nullptr;
  TskSkinScrollBar* skSkinScrollBar1 = nullptr;
  TskSkinScrollBar* skSkinScrollBar2 = nullptr;
  TskSkinStdLabel* skSkinStdLabel1 = nullptr;
  TskSkinStdLabel* skSkinStdLabel2 = nullptr;
  TskSkinEdit* skSkinEdit4 = nullptr;
  TskSkinEdit* skSkinEdit5 = nullptr;
  TskSkinCheckRadioBox* skSkinCheckRadioBox1 = nullptr;
  TskSkinButton* skSkinButton1 = nullptr;
  TskSkinButton* skSkinButton2 = nullptr;
  TskSkinStatusBar* skSkinStatusBar1 = nullptr;
  TskSkinStdLabel* skSkinStdLabel15 = nullptr;
  TskSkinLinkLabel* skSkinLinkLabel1 = nullptr;
};

}  // namespace lumora

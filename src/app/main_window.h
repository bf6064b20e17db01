#pragma once
// TForm1, the main window: created from its stored description
// (main_window.form), which places the source and rewritten boxes with
// their menus and scroll bars, the prefix and suffix fields, the line-break
// option, the two buttons and the status line; here are the command
// handlers the description binds.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "http/http_client.h"
#include "platform/component.h"
#include "rewrite/round_trip.h"
#include "skin/data/skin_data.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_popup_menu.h"

namespace lumora {

class TFormReader;
class TskSkinButton;
class TskSkinCheckRadioBox;
class TskSkinEdit;
class TskSkinRichEdit;
class TskSkinStdLabel;

class TForm1 : public QWidget {
 public:
  // endpoint: where the translation legs are posted, asked for at each leg.
  // stored_skin: the compressed skin block the description's stored skin
  // holds; empty leaves the skin empty. Raises EReadError when the
  // description cannot be built.
  explicit TForm1(std::function<std::string()> endpoint, std::string_view stored_skin = {},
                  QWidget* parent = nullptr);
  explicit TForm1(const std::string& endpoint_url, std::string_view stored_skin = {},
                  QWidget* parent = nullptr);
  // The same from another description (tests of bad descriptions).
  TForm1(std::function<std::string()> endpoint, std::string_view stored_skin,
         std::string_view description, QWidget* parent = nullptr);
  ~TForm1() override;

  // The stored description the window is made from.
  static std::string_view Description();

  // Quits the application once the window has painted (start-up timing).
  void SetQuitAfterFirstPaint(bool on) { quit_after_first_paint_ = on; }

  // Command handlers; each acts first, then sets the status line.
  void FormCreate() {}
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
  // The components in the order the description created them, with their
  // classes.
  const std::vector<std::pair<std::string, std::string>>& ComponentList() const {
    return component_list_;
  }

  // Used while reading the description.
  // Takes a non-visual component the description creates; freed with the
  // window.
  template <class T>
  T* Own(std::unique_ptr<T> component) {
    T* raw = component.get();
    components_.push_back(std::move(component));
    return raw;
  }
  // The stored client size and placement, applied when the frame comes.
  int StoredClientWidth() const { return client_width_; }
  int StoredClientHeight() const { return client_height_; }
  void SetStoredClientSize(int width, int height);
  void SetCentred(bool on) { centred_ = on; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ReadDescription(std::string_view stored_skin, std::string_view description);
  void ReleaseComponents();
  void AddMethods(TFormReader& reader);
  void SetStatus(const char* text);

  TNetHTTP net_http_;
  TRoundTripRewriter rewriter_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<std::pair<std::string, std::string>> component_list_;
  QWidget* client_ = nullptr;
  int client_width_ = 0;
  int client_height_ = 0;
  bool centred_ = false;
  bool quit_after_first_paint_ = false;

  TskSkinData* skin_data_ = nullptr;
  TskSkinForm* skin_form_ = nullptr;
  TskSkinPopupMenu* popup_menu1_ = nullptr;
  TskSkinPopupMenu* popup_menu2_ = nullptr;
  TskSkinPopupMenu* popup_menu3_ = nullptr;
  TskSkinRichEdit* skSkinRichEdit1 = nullptr;
  TskSkinRichEdit* skSkinRichEdit2 = nullptr;
  TskSkinEdit* skSkinEdit4 = nullptr;
  TskSkinEdit* skSkinEdit5 = nullptr;
  TskSkinCheckRadioBox* skSkinCheckRadioBox1 = nullptr;
  TskSkinStdLabel* skSkinStdLabel15 = nullptr;
};

}  // namespace lumora

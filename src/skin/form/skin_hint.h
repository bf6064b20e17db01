#pragma once
// TskSkinHint shows the application's tool tips, and hints requested for
// objects without a widget of their own (the frame's buttons), in a
// TskSkinHintWindow drawn from the skin's [HINTWINDOW] picture, or in the
// default look. A widget's dynamic properties "HintTitle" (text, drawn bold)
// and "HintImage" (QImage) make its hint an extended one.

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "base/geometry.h"
#include "platform/component.h"
#include "skin/form/hint_layout.h"

namespace lumora {

class TskSkinData;
class TskSkinHint;

class TskSkinHintWindow : public QWidget {
 public:
  explicit TskSkinHintWindow(TskSkinHint& hint);

  // Shows text with the window's top-left corner at the point (screen
  // coordinates), kept inside the work area.
  void ActivateHint(TPoint at, const QString& text);
  // The size and placement it would take, without showing.
  TskHintGeometry GeometryFor(const QString& text);
  const QImage& Canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Look;
  Look TakeLook() const;
  void Paint(const Look& look, const TskHintGeometry& g, const QString& text);

  TskSkinHint& hint_;
  QImage canvas_;
  int applied_alpha_ = -1;
};

class TskSkinHint : public TComponent {
 public:
  explicit TskSkinHint(QWidget* owner = nullptr);
  ~TskSkinHint() override;

  QString LineSeparator = QStringLiteral("@");
  bool AlphaBlend = false;
  int AlphaBlendValue = 0;
  bool AlphaBlendAnimation = false;
  QFont DefaultFont;
  bool UseSkinFont = true;
  // Called for every tool tip after title and image are taken; may change
  // the text.
  std::function<void(QString& text, QWidget* widget)> OnShowHint;

  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* skin);
  // Only one hint of a form is active; activating one deactivates the others.
  bool Active() const { return active_; }
  void SetActive(bool on);

  // Shows text below the cursor after the hint pause and hides it after
  // the hide pause.
  void RequestHint(const QString& text);
  void CancelHint();

  // The title and image of the current hint (empty and null when not set).
  QString Title;
  QImage Image;

  TskSkinHintWindow& Window() { return *window_; }
  // The text with every line separator made a line break.
  QString ShownText(const QString& text) const;

  // Pauses in ms.
  static constexpr int kHintPause = 500;
  static constexpr int kHintHidePause = 2500;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  class ToolTipFilter;
  void RequestedTimeout();

  TskSkinData* skin_data_ = nullptr;
  bool active_ = false;
  std::unique_ptr<TskSkinHintWindow> window_;
  std::unique_ptr<ToolTipFilter> filter_;
  QTimer timer_;
  bool showing_requested_ = false;
  QString requested_text_;
};

// The point below the cursor where requested hints and tool tips open.
TPoint HintPointAtCursor();

}  // namespace lumora

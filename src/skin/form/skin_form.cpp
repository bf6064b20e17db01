#include "skin/form/skin_form.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "skin/controls/skin_change_walk.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/screen_routines.h"
#include "skin/draw/skin_font.h"
#include "skin/form/frame_hit_test.h"
#include "skin/form/frame_painter.h"
#include "skin/form/menu_key_hook.h"
#include "skin/form/skin_form_events.h"
#include "skin/form/skin_hint.h"
#include "skin/form/skin_menu.h"
#include "skin/form/tray_icon.h"

namespace lumora {

namespace {

constexpr int kTrackingInterval = 50;  // ms
constexpr int kMorphInterval = 25;
constexpr int kAnimationInterval = 25;
constexpr int kSmallIconSize = 16;

QFont ArialFont(bool bold) {
  return SkinFont("Arial", 14, bold ? fsBold : 0);
}

bool IsClass(const TskDataSkinObject& o, const char* name) {
  return std::string_view(o.ClassName()) == name;
}

}  // namespace

std::vector<TskSkinForm*>& TskSkinForm::AttachedForms() {
  static std::vector<TskSkinForm*> forms;
  return forms;
}

TskSkinForm::TskSkinForm(QWidget* host) : TComponent(host) {
  if (host == nullptr || !host->isWindow()) throw EInvalidCast("Invalid class typecast");
  host_ = host;
  DefCaptionFont = ArialFont(true);
  DefInActiveCaptionFont = ArialFont(true);
  DefCaptionColour = ToQColor(SystemColour(scBtnText));
  DefInActiveCaptionColour = ToQColor(SystemColour(scBtnShadow));
  DefMenuItemFont = ArialFont(false);
  events_ = std::make_unique<TskFormEvents>(this);
  tracking_timer_.setInterval(kTrackingInterval);
  morph_timer_.setInterval(kMorphInterval);
  animation_timer_.setInterval(kAnimationInterval);
  QObject::connect(&tracking_timer_, &QTimer::timeout, events_.get(),
                   [this] { OnTrackingTimer(); });
  QObject::connect(&morph_timer_, &QTimer::timeout, events_.get(), [this] { OnMorphTimer(); });
  QObject::connect(&animation_timer_, &QTimer::timeout, events_.get(),
                   [this] { OnAnimationTimer(); });
  QObject::connect(&fade_timer_, &QTimer::timeout, events_.get(), [this] {
    if (!FadeStep()) fade_timer_.stop();
  });
  default_system_menu_ = std::make_unique<QMenu>();
  tray_menu_ = std::make_unique<QMenu>();
  QAction* restore =
      tray_menu_->addAction(QString::fromStdString(ResString("MI_RESTORECAPTION", "&Restore")),
                            events_.get(), [this] { RestoreFromTray(); });
  restore->setObjectName(QStringLiteral("TRAY_SKF_RESTORE"));
  tray_menu_->addSeparator();
  QAction* close =
      tray_menu_->addAction(QString::fromStdString(ResString("MI_CLOSECAPTION", "&Close")),
                            events_.get(), [this] { CloseHost(); });
  close->setObjectName(QStringLiteral("TRAY_SKF_CLOSE"));
  close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  host->setMouseTracking(true);
  host->setAutoFillBackground(false);
  host->installEventFilter(events_.get());
  SetHostFrameless(true);
  // Alt+Space opens the system menu below its button.
  alt_space_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), host);
  QObject::connect(alt_space_, &QShortcut::activated, events_.get(), [this] {
    for (const auto& obj : objects_) {
      if (obj->Command() == cmSysMenu && obj->Visible) {
        PopupSystemMenuAt(obj->ObjectRect);
        return;
      }
    }
    const TskFrameGeometry g = Geometry();
    PopupSystemMenuAt({g.caption.Left, g.caption.Top, g.caption.Left, g.caption.Bottom});
  });
  // A change of a screen's size or work area stands for the display change.
  auto watch = [this](QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, events_.get(),
                     [this] { DisplayChanged(); });
    QObject::connect(screen, &QScreen::availableGeometryChanged, events_.get(),
                     [this] { DisplayChanged(); });
  };
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  QObject::connect(qApp, &QGuiApplication::screenAdded, events_.get(), watch);
  QObject::connect(qApp, &QGuiApplication::screenRemoved, events_.get(),
                   [this] { DisplayChanged(); });
  skin_menu_ = new TskSkinMenu(host);
  menu_hook_ = std::make_unique<TskMenuKeyHook>(*skin_menu_, [this] { MenuClosed(); });
  RegisterMenuHost(host, this);
  AttachedForms().push_back(this);
}

TskSkinForm::~TskSkinForm() {
  auto& forms = AttachedForms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  StopTimers();
  fade_timer_.stop();
  UnregisterMenuHost(this);
  menu_hook_.reset();
  delete skin_menu_.data();
  objects_.clear();
  delete alt_space_.data();
  if (host_) {
    host_->removeEventFilter(events_.get());
    host_->clearMask();
  }
  if (client_) client_->removeEventFilter(events_.get());
  if (status_bar_) status_bar_->removeEventFilter(events_.get());
  if (skin_data_) skin_data_->RemoveFreeNotification(this);
  if (menus_skin_data_) menus_skin_data_->RemoveFreeNotification(this);
}

TskSkinForm* TskSkinForm::FindSkinForm(const QObject* form) {
  for (TskSkinForm* f : AttachedForms()) {
    if (f->host_ == form) return f;
  }
  return nullptr;
}

void TskSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == skin_data_) {
    skin_data_ = nullptr;
    ChangeSkinData();
  }
  if (component == menus_skin_data_) menus_skin_data_ = nullptr;
  if (component == tray_icon_) tray_icon_ = nullptr;
  if (component == skin_hint_) skin_hint_ = nullptr;
}

void TskSkinForm::SetSkinHint(TskSkinHint* hint) {
  if (skin_hint_) skin_hint_->RemoveFreeNotification(this);
  skin_hint_ = hint;
  if (hint) hint->FreeNotification(this);
}

void TskSkinForm::CancelObjectHint() {
  if (ShowObjectHint && skin_hint_) skin_hint_->CancelHint();
}

TskSkinData* TskSkinForm::MenusSkin() const {
  return menus_skin_data_ ? menus_skin_data_ : skin_data_;
}

void TskSkinForm::SetClientWidget(QWidget* client) {
  if (client_) client_->removeEventFilter(events_.get());
  client_ = client;
  if (client_) client_->installEventFilter(events_.get());
  PlaceClientWidget();
}

void TskSkinForm::SetClientSize(int width, int height) {
  const TskFrameInsets in = Insets();
  host_->resize(width + in.left + in.right, height + in.top + in.bottom);
  Relayout();
}

void TskSkinForm::SetSkinData(TskSkinData* data) {
  if (data == skin_data_) return;
  if (skin_data_) skin_data_->RemoveFreeNotification(this);
  skin_data_ = data;
  if (skin_data_) {
    skin_data_->FreeNotification(this);
    skinnable_ = skin_data_->SkinnableForm();
  }
  ChangeSkinData();
}

void TskSkinForm::SetMenusSkinData(TskSkinData* data) {
  if (menus_skin_data_) menus_skin_data_->RemoveFreeNotification(this);
  menus_skin_data_ = data;
  if (data) data->FreeNotification(this);
}

void TskSkinForm::SetBorderIcons(TskBorderIcons icons) {
  border_icons_ = icons;
  EvaluateObjects();
  Relayout();
  RepaintFrame();
}

void TskSkinForm::SetShowIcon(bool on) {
  show_icon_ = on;
  Relayout();
  RepaintFrame();
}

QImage TskSkinForm::SmallIcon() const {
  QIcon icon = host_ ? host_->windowIcon() : QIcon();
  if (icon.isNull()) icon = QApplication::windowIcon();
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
  QImage out = icon.pixmap(kSmallIconSize, kSmallIconSize).toImage();
  if (!out.isNull() && out.size() != QSize(kSmallIconSize, kSmallIconSize))
    out =
        out.scaled(kSmallIconSize, kSmallIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return out;
}

// State ------------------------------------------------------------------

bool TskSkinForm::FormActive() const {
  return host_ && host_->isActiveWindow();
}

bool TskSkinForm::EffectsOn() const {
  return skin_present_ && skin_data_ && skin_data_->SkinEffectsActive();
}

bool TskSkinForm::CommandStateApplies(TskFrameCommand command) const {
  switch (command) {
    case cmMaximize:
      return window_state_ == wsMaximized;
    case cmMinimize:
      return window_state_ == wsMinimized;
    case cmRollUp:
      return rolled_up_;
    default:
      return false;
  }
}

int TskSkinForm::CaptionHeight() const {
  return ToolWindow ? kDefaultToolCaptionHeight : kDefaultCaptionHeight;
}

QString TskSkinForm::Caption() const {
  return host_ ? host_->windowTitle() : QString();
}

TskFrameGeometry TskSkinForm::Geometry() const {
  const int w = host_ ? host_->width() : 0, h = host_ ? host_->height() : 0;
  if (skin_present_) {
    const QImage& pic = skin_data_->Picture();
    return ComputeFrameGeometry(skin_data_->FormInfo(), pic.width(), pic.height(), w, h);
  }
  TskFrameGeometry g;
  g.width = w;
  g.height = h;
  const TskFrameInsets in = Insets();
  g.client = {in.left, in.top, w - in.right, h - in.bottom};
  g.caption = default_caption_rect_;
  return g;
}

TskFrameInsets TskSkinForm::Insets() const {
  if (!skinnable_) return {};
  if (skin_present_) {
    const QImage& pic = skin_data_->Picture();
    return SkinnedInsets(skin_data_->FormInfo(), pic.width(), pic.height());
  }
  return DefaultInsets(CaptionHeight());
}

namespace {

TskSizeLimitInput LimitInput(const TskSkinForm& f, bool skinned, const TskSkinData* data) {
  TskSizeLimitInput in;
  in.skinned = skinned;
  if (skinned) {
    in.pictureWidth = data->Picture().width();
    in.pictureHeight = data->Picture().height();
    in.clientRect = data->FormInfo().ClientRect;
    in.formMinWidth = data->FormInfo().FormMinWidth;
  }
  in.captionHeight = f.CaptionHeight();
  in.minWidth = f.MinWidth;
  in.minHeight = f.MinHeight;
  in.minimized = f.FrameWindowState() == wsMinimized;
  in.rolledUp = f.RolledUp();
  return in;
}

}  // namespace

int TskSkinForm::MinimumWidth() const {
  return MinimumFrameWidth(LimitInput(*this, skin_present_, skin_data_));
}

int TskSkinForm::MinimumHeight() const {
  return MinimumFrameHeight(LimitInput(*this, skin_present_, skin_data_));
}

// Objects ------------------------------------------------------------------

void TskSkinForm::CreateObjects() {
  objects_.clear();
  hot_ = previous_hot_ = pressed_ = -1;
  for (const auto& data : skin_data_->Objects()) {
    const TskDataSkinObject& d = *data;
    std::unique_ptr<TskActiveSkinObject> obj;
    if (IsClass(d, "TskDataSkinStdButton")) {
      obj = std::make_unique<TskSkinStdButtonObject>(this,
                                                     static_cast<const TskDataSkinStdButton*>(&d));
    } else if (IsClass(d, "TskDataSkinButton")) {
      obj = std::make_unique<TskSkinButtonObject>(this, static_cast<const TskDataSkinButton*>(&d));
    } else if (IsClass(d, "TskDataSkinCaption")) {
      obj =
          std::make_unique<TskSkinCaptionObject>(this, static_cast<const TskDataSkinCaption*>(&d));
    } else if (IsClass(d, "TskDataSkinAnimate")) {
      obj =
          std::make_unique<TskSkinAnimateObject>(this, static_cast<const TskDataSkinAnimate*>(&d));
    } else if (IsClass(d, "TskDataUserObject")) {
      obj = std::make_unique<TskUserObject>(this, &d);
    }
    if (obj) objects_.push_back(std::move(obj));
  }
  EvaluateObjects();
  ApplyDefaultHints();
}

void TskSkinForm::CreateDefaultObjects() {
  objects_.clear();
  hot_ = previous_hot_ = pressed_ = -1;
  const std::pair<const char*, TskFrameCommand> defaults[] = {
      {"closebutton", cmClose},   {"maxbutton", cmMaximize},    {"minbutton", cmMinimize},
      {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};
  for (const auto& [name, command] : defaults) {
    auto obj = std::make_unique<TskSkinStdButtonObject>(this, nullptr, command);
    obj->IDName = name;
    objects_.push_back(std::move(obj));
  }
  EvaluateObjects();
}

void TskSkinForm::EvaluateObjects() {
  for (auto& obj : objects_) {
    const TskFrameCommand c = obj->Command();
    const bool button = obj->LayoutKind() == TskLayoutKind::Button &&
                        (dynamic_cast<TskSkinStdButtonObject*>(obj.get()) ||
                         (dynamic_cast<TskSkinAnimateObject*>(obj.get()) &&
                          static_cast<TskSkinAnimateObject*>(obj.get())->Data.ButtonStyle));
    if (!button) continue;
    const bool onMain = !obj->InOwnPicture;
    if (HideCaptionButtons) {
      obj->Enabled = false;
      obj->Visible = onMain;
      continue;
    }
    switch (c) {
      case cmClose:
        obj->Enabled = obj->Visible = true;
        break;
      case cmMaximize:
      case cmMinimize: {
        const bool icon = border_icons_ & (c == cmMaximize ? biMaximize : biMinimize);
        obj->Enabled = icon;
        obj->Visible = icon || onMain;
        break;
      }
      case cmSysMenu:
        obj->Enabled = (border_icons_ & biSystemMenu) && !DisableSystemMenu;
        obj->Visible = obj->Enabled || onMain;
        break;
      case cmRollUp:
        obj->Enabled = border_icons_ & biRollUp;
        obj->Visible = obj->Enabled || onMain;
        break;
      case cmMinimizeToTray:
        obj->Enabled = border_icons_ & biMinimizeToTray;
        obj->Visible = obj->Enabled || onMain;
        break;
      case cmDefault: {
        bool visible = false;
        if (OnActivateCustomObject) OnActivateCustomObject(obj->IDName, visible);
        obj->Visible = visible;
        break;
      }
    }
  }
}

void TskSkinForm::ApplyDefaultHints() {
  if (!UseDefaultObjectHint || !skin_present_) return;
  for (auto& obj : objects_) {
    if (!dynamic_cast<TskSkinStdButtonObject*>(obj.get())) continue;
    switch (obj->Command()) {
      case cmClose:
        obj->Hint = ResString("CLOSEBUTTON_HINT", "Close");
        break;
      case cmMaximize:
        obj->Hint = ResString("MAXBUTTON_HINT", "Maximize");
        break;
      case cmMinimize:
        obj->Hint = ResString("MINBUTTON_HINT", "Minimize");
        break;
      case cmSysMenu:
        obj->Hint = ResString("MENUBUTTON_HINT", "System menu");
        break;
      case cmRollUp:
        obj->Hint = ResString("ROLLUPBUTTON_HINT", "Roll Up");
        break;
      case cmMinimizeToTray:
        obj->Hint = ResString("TRAYBUTTON_HINT", "Minimize to Tray");
        break;
      default:
        break;
    }
  }
}

std::string TskSkinForm::ResString(const char* key, const char* fallback) const {
  if (skin_data_ && skin_data_->ResourceStrData()) {
    std::string s = skin_data_->ResourceStrData()->GetResString(key);
    if (!s.empty()) return s;
  }
  return fallback;
}

void TskSkinForm::LayoutObjects(const TskFrameGeometry& g) {
  std::vector<TskLayoutItem> items;
  items.reserve(objects_.size());
  for (const auto& obj : objects_) {
    TskLayoutItem it;
    it.kind = obj->LayoutKind();
    it.command = obj->Command();
    it.skinRect = obj->SkinRect;
    it.inOwnPicture = obj->InOwnPicture;
    it.visible = obj->Visible;
    if (show_icon_ && it.command == cmSysMenu) it.iconSize = {kSmallIconSize, kSmallIconSize};
    items.push_back(it);
  }
  if (skin_present_) {
    LayoutSkinnedObjects(items, skin_data_->FormInfo(), g);
  } else {
    default_caption_rect_ = LayoutDefaultObjects(items, g.width, CaptionHeight(), ToolWindow);
  }
  for (size_t i = 0; i < objects_.size(); ++i) objects_[i]->ObjectRect = items[i].objectRect;
}

// Size, region, client -----------------------------------------------------

void TskSkinForm::RebuildRegion(const TskFrameGeometry& g) {
  if (!host_) return;
  if (!skinnable_) {
    mask_ = TskFrameMask();
    region_ = QRegion();
    host_->clearMask();
    return;
  }
  if (skin_present_) {
    mask_ = TskFrameMask(skin_data_->MaskPicture(), skin_data_->FormInfo(), g);
    region_ = mask_.Region();
  } else {
    mask_ = TskFrameMask();
    region_ = RectangularRegion(g.width, g.height);
  }
  if (region_.isEmpty()) {
    host_->clearMask();
  } else {
    host_->setMask(region_);
  }
}

void TskSkinForm::PlaceClientWidget() {
  if (!client_ || !host_) return;
  const TskFrameInsets in = Insets();
  client_->setGeometry(in.left, in.top, std::max(0, host_->width() - in.left - in.right),
                       std::max(0, host_->height() - in.top - in.bottom));
}

void TskSkinForm::UpdateSizeLimits() {
  if (!host_) return;
  if (!skinnable_) {
    host_->setMinimumSize(0, 0);
    return;
  }
  host_->setMinimumSize(MinimumWidth(), MinimumHeight());
  if (MaxWidth > 0 || MaxHeight > 0) {
    host_->setMaximumSize(MaxWidth > 0 ? MaxWidth : QWIDGETSIZE_MAX,
                          MaxHeight > 0 ? MaxHeight : QWIDGETSIZE_MAX);
  }
}

void TskSkinForm::Relayout() {
  if (!host_) return;
  UpdateSizeLimits();
  const TskFrameGeometry g = Geometry();
  if (skin_present_ || !objects_.empty()) LayoutObjects(g);
  RebuildRegion(g);
  PlaceClientWidget();
}

void TskSkinForm::OnSize() {
  snap_.Clear();
  last_width_ = host_->width();
  last_height_ = host_->height();
  if (skin_present_ && (last_width_ < MinimumWidth() || last_height_ < MinimumHeight())) {
    PlaceClientWidget();
    return;
  }
  Relayout();
  RepaintFrame();
}

void TskSkinForm::ForceSizeIntoLimits() {
  const int minW = MinimumWidth(), minH = MinimumHeight();
  const int w = host_->width(), h = host_->height();
  if (w < minW && h < minH) {
    host_->resize(minW, minH);
  } else if (w < minW) {
    host_->resize(minW, h);
  } else if (h < minH) {
    host_->resize(w, minH);
  } else {
    Nudge();
  }
  if (rolled_up_ || window_state_ == wsMinimized) host_->resize(host_->width(), minH);
  if (window_state_ == wsMinimized) host_->resize(minW, host_->height());
}

void TskSkinForm::Nudge() {
  if (!host_) return;
  const int w = host_->width(), h = host_->height();
  if (w - 1 < MinimumWidth()) {
    host_->resize(w + 1, h);
  } else {
    host_->resize(w - 1, h);
  }
  host_->resize(w, h);
}

void TskSkinForm::SetHostFrameless(bool frameless) {
  if (!host_) return;
  const bool visible = host_->isVisible();
  if (host_->windowFlags().testFlag(Qt::FramelessWindowHint) == frameless) return;
  host_->setWindowFlag(Qt::FramelessWindowHint, frameless);
  if (visible) host_->show();
}

// Skin changes ---------------------------------------------------------------

void TskSkinForm::ChangeSkinData() {
  if (!host_) return;
  hot_ = previous_hot_ = pressed_ = -1;
  skin_present_ = skin_data_ && !skin_data_->Empty() && skinnable_;
  if (skin_present_) {
    CreateObjects();
  } else {
    objects_.clear();
    mask_ = TskFrameMask();
  }
  SetHostFrameless(skinnable_);
  UpdateSizeLimits();
  ForceSizeIntoLimits();
  Relayout();
  RepaintFrame();
  if (client_) client_->update();
  SetActiveState(FormActive(), EffectsOn());
  if (OnChangeSkinData) OnChangeSkinData();
  if (!rolled_up_ && (ClientWidth > 0 || ClientHeight > 0)) {
    const TskFrameInsets in = Insets();
    const int w = ClientWidth > 0 ? ClientWidth : host_->width() - in.left - in.right;
    const int h = ClientHeight > 0 ? ClientHeight : host_->height() - in.top - in.bottom;
    SetClientSize(w, h);
  }
}

void TskSkinForm::BeginSkinChange() {
  skin_changing_ = true;
  skin_present_ = false;
  StopTimers();
  objects_.clear();
  hot_ = previous_hot_ = pressed_ = -1;
  // The controls let go of the data objects about to be freed.
  if (host_) PrepareSkinChangeOfControls(host_);
  if (OnBeforeChangeSkinData) OnBeforeChangeSkinData();
}

void TskSkinForm::EndSkinChange(bool ours) {
  skin_changing_ = false;
  if (ours) ChangeSkinData();
  if (host_) ApplySkinChangeOfControls(host_);
}

void TskSkinForm::ApplySkinnable(bool skinnable) {
  if (!host_ || skinnable == skinnable_) return;
  const bool wasMaximized = window_state_ == wsMaximized;
  if (wasMaximized) SetFrameWindowState(wsNormal);
  skinnable_ = skinnable;
  ChangeSkinData();
  if (wasMaximized) SetFrameWindowState(wsMaximized);
}

// Painting -----------------------------------------------------------------

void TskSkinForm::RepaintObject(TskActiveSkinObject* object) {
  if (host_ && object) host_->update(ToQRect(object->ObjectRect));
}

void TskSkinForm::RepaintFrame() {
  if (!host_) return;
  QRegion frame(0, 0, host_->width(), host_->height());
  const TskFrameInsets in = Insets();
  frame -= QRegion(in.left, in.top, host_->width() - in.left - in.right,
                   host_->height() - in.top - in.bottom);
  host_->update(frame);
}

void TskSkinForm::PaintFrame(QPainter& canvas) {
  if (!skinnable_ || !host_) return;
  if (skin_present_) {
    PaintSkinnedFrame(canvas);
  } else if (!skin_changing_) {
    PaintDefaultLook(canvas);
  }
}

void TskSkinForm::PaintObjectsInto(QPainter& canvas, bool bottomStrip, const TskFrameGeometry& g) {
  const TPoint off = StripOffset(bottomStrip, g);
  canvas.translate(off.x, off.y);
  for (const auto& obj : objects_) {
    if (obj->Visible && ObjectInBottomStrip(obj->ObjectRect, g) == bottomStrip)
      obj->Draw(canvas, false);
  }
}

void TskSkinForm::PaintSkinnedFrame(QPainter& canvas) {
  const int w = host_->width(), h = host_->height();
  if (w < MinimumWidth() || h < MinimumHeight()) return;
  const TskFrameGeometry g = Geometry();
  LayoutObjects(g);
  const TskFormInfo& info = skin_data_->FormInfo();
  const bool active = FormActive();
  const QImage& picture = active || skin_data_->InActivePicture().isNull()
                              ? skin_data_->Picture()
                              : skin_data_->InActivePicture();
  TskFrameStrips strips = BuildFrameStrips(picture, info, g);
  if (!strips.top.isNull()) {
    QPainter p(&strips.top);
    PaintObjectsInto(p, false, g);
  }
  if (!strips.bottom.isNull()) {
    QPainter p(&strips.bottom);
    PaintObjectsInto(p, true, g);
  }
  if (!active && info.AutoRenderingInActiveImage) ApplyInactiveEffect(strips, info.InActiveEffect);
  DrawFrameStrips(canvas, strips, g);
}

void TskSkinForm::PaintDefaultLook(QPainter& canvas) {
  if (objects_.empty()) CreateDefaultObjects();
  const TskFrameGeometry g = Geometry();
  LayoutObjects(g);
  const bool active = FormActive();
  TskDefaultFrame f;
  f.width = g.width;
  f.height = g.height;
  f.captionHeight = CaptionHeight();
  f.captionRect = default_caption_rect_;
  f.font = active ? DefCaptionFont : DefInActiveCaptionFont;
  f.fontColour = active ? DefCaptionColour : DefInActiveCaptionColour;
  f.caption = Caption();
  if (OnCaptionPaint) {
    f.captionPaint = [this, active](QPainter& p, const TRect& r) { OnCaptionPaint(p, r, active); };
  }
  f.paintObjects = [this](QPainter& p) {
    for (const auto& obj : objects_) {
      if (obj->Visible) obj->Draw(p, false);
    }
  };
  PaintDefaultFrame(canvas, f);
}

void TskSkinForm::PaintClientBackground(QPainter& canvas, const QRect& area) {
  const QColor face = ToQColor(SystemColour(scBtnFace));
  if (!skin_present_) {
    canvas.fillRect(area, face);
  } else {
    const TskFormInfo& info = skin_data_->FormInfo();
    QImage tile;
    if (const QImage* bg = skin_data_->ActivePicture(info.BGPictureIndex)) {
      tile = *bg;
    } else if (!info.ClientRect.IsEmpty()) {
      tile = skin_data_->Picture().copy(ToQRect(info.ClientRect));
    }
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) {
      canvas.fillRect(area, face);
    } else if (info.StretchEffect && !area.isEmpty()) {
      switch (info.StretchType) {
        case stFull:
          canvas.drawImage(area, tile);
          break;
        case stHorz:
          for (int x = area.left(); x < area.right() + 1; x += tile.width())
            canvas.drawImage(QRect(x, area.top(), tile.width(), area.height()), tile);
          break;
        case stVert:
          for (int y = area.top(); y < area.bottom() + 1; y += tile.height())
            canvas.drawImage(QRect(area.left(), y, area.width(), tile.height()), tile);
          break;
      }
    } else {
      canvas.drawTiledPixmap(area, QPixmap::fromImage(tile));
    }
  }
  if (!LogoBitMap.isNull()) {
    const QImage logo =
        LogoBitMapTransparent
            ? TransparentPiece(LogoBitMap, {0, 0, LogoBitMap.width(), LogoBitMap.height()},
                               LogoBitMap.pixel(0, LogoBitMap.height() - 1))
            : LogoBitMap;
    canvas.drawImage(area.left() + (area.width() - logo.width()) / 2,
                     area.top() + (area.height() - logo.height()) / 2, logo);
  }
}

// Hit-testing and mouse routing --------------------------------------------

int TskSkinForm::HitTest(TPoint p) {
  TskHitTestState s;
  s.rolledUp = rolled_up_;
  s.minimized = window_state_ == wsMinimized;
  s.maximized = window_state_ == wsMaximized;
  s.sizeable = Sizeable || AlwaysResize;
  s.moveSizeLoop = move_size_loop_;
  s.hotObject = hot_ >= 0 && objects_[hot_]->LayoutKind() != TskLayoutKind::Caption;
  for (const auto& obj : objects_) {
    if (obj->Visible && obj->LayoutKind() == TskLayoutKind::Caption)
      s.captionObjects.push_back(obj->ObjectRect);
  }
  const TskFrameGeometry g = Geometry();
  if (skin_present_) {
    return SkinnedHitTest(p, g, skin_data_->FormInfo().BorderWidth, &mask_, s);
  }
  if (objects_.empty()) CreateDefaultObjects();
  LayoutObjects(g);
  return DefaultHitTest(p, g.width, g.height, default_caption_rect_, CaptionHeight(), s);
}

void TskSkinForm::SetHot(int index) {
  if (index == hot_) return;
  previous_hot_ = hot_;
  hot_ = index;
  if (previous_hot_ >= 0 && previous_hot_ < static_cast<int>(objects_.size())) {
    TskActiveSkinObject* old = objects_[previous_hot_].get();
    if (ShowObjectHint && skin_hint_ && !old->Hint.empty()) skin_hint_->CancelHint();
    old->MouseLeave();
  }
  if (hot_ >= 0) {
    TskActiveSkinObject* now = objects_[hot_].get();
    now->MouseEnter();
    if (ShowObjectHint && skin_hint_ && !now->Hint.empty())
      skin_hint_->RequestHint(QString::fromStdString(now->Hint));
    if (!tracking_timer_.isActive() && !move_size_loop_) tracking_timer_.start();
  }
}

void TskSkinForm::UpdateHot(TPoint p) {
  int next = -1;
  if (FormActive()) {
    for (size_t i = 0; i < objects_.size(); ++i) {
      const auto& obj = objects_[i];
      if (obj->Enabled && obj->Visible && obj->ObjectRect.Contains(p)) {
        next = static_cast<int>(i);
        break;
      }
    }
  }
  // A pressed object keeps every other one from becoming hot.
  if (pressed_ >= 0 && next != pressed_) next = -1;
  SetHot(next);
}

void TskSkinForm::PressObject(TPoint p, Qt::MouseButton button) {
  pressed_ = hot_;
  if (pressed_ >= 0) objects_[pressed_]->MouseDown(p.x, p.y, button);
}

void TskSkinForm::ReleaseObject(TPoint p, Qt::MouseButton button) {
  const int index = pressed_;
  pressed_ = -1;
  if (index >= 0 && index < static_cast<int>(objects_.size()))
    objects_[index]->MouseUp(p.x, p.y, button);
}

void TskSkinForm::ClearHoverOfObjects() {
  for (auto& obj : objects_) obj->ClearHover();
  hot_ = -1;
}

void TskSkinForm::StopTimers() {
  tracking_timer_.stop();
  morph_timer_.stop();
  animation_timer_.stop();
}

void TskSkinForm::OnTrackingTimer() {
  if (!host_ || move_size_loop_) {
    tracking_timer_.stop();
    return;
  }
  const QPoint at = host_->mapFromGlobal(QCursor::pos());
  const TPoint p{at.x(), at.y()};
  if (Geometry().client.Contains(p)) {
    SetHot(-1);
  } else {
    UpdateHot(p);
  }
  if (hot_ < 0) tracking_timer_.stop();
}

void TskSkinForm::StartMorphTimer() {
  if (!morph_timer_.isActive()) morph_timer_.start();
}

void TskSkinForm::StartAnimationTimer() {
  if (!animation_timer_.isActive()) animation_timer_.start();
}

void TskSkinForm::OnMorphTimer() {
  bool pending = false;
  for (auto& obj : objects_) {
    if (!obj->Morphing || !obj->MorphPending()) continue;
    obj->MorphStep();
    obj->ReDraw();
    pending = pending || obj->MorphPending();
  }
  if (!pending) morph_timer_.stop();
}

void TskSkinForm::OnAnimationTimer() {
  bool going = false;
  for (auto& obj : objects_) {
    if (auto* c = dynamic_cast<TskSkinCaptionObject*>(obj.get())) going |= c->AnimationStep();
    if (auto* a = dynamic_cast<TskSkinAnimateObject*>(obj.get())) going |= a->AnimationStep();
  }
  if (!going) animation_timer_.stop();
}

void TskSkinForm::SetActiveState(bool active, bool animate) {
  for (auto& obj : objects_) {
    auto* caption = dynamic_cast<TskSkinCaptionObject*>(obj.get());
    if (caption && caption->Active != active) {
      caption->SetActiveState(active, animate);
      break;
    }
  }
  RepaintFrame();
  if (active && OnActivate) OnActivate();
  if (!active && OnDeActivate) OnDeActivate();
}

void TskSkinForm::EnterSizeMove() {
  snap_.SetAnchor({QCursor::pos().x(), QCursor::pos().y()});
  ClearHoverOfObjects();
  tracking_timer_.stop();
  hot_ = previous_hot_ = pressed_ = -1;
  move_size_loop_ = true;
}

void TskSkinForm::ExitSizeMove() {
  tracking_timer_.stop();
  hot_ = previous_hot_ = pressed_ = -1;
  move_size_loop_ = false;
  if (skin_present_) RepaintFrame();
}

TPoint TskSkinForm::MagneticPosition(TPoint proposed, TPoint cursor) {
  if (!Magnetic || !host_) return proposed;
  const TRect area = WindowWorkArea(host_->windowHandle());
  return snap_.Adjust(proposed, host_->width(), host_->height(), area, cursor, MagneticSize);
}

}  // namespace lumora

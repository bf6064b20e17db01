#include "platform/align.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace lumora {

namespace {

constexpr const char* kAlignProperty = "lumoraAlign";
constexpr const char* kAligningProperty = "lumoraAligning";
constexpr const char* kWatcherName = "lumoraAlignWatcher";
constexpr int kMaxPasses = 4;

// Re-docks the children of the parent it sits on when the parent, or one of
// its docked children, changes size.
class AlignWatcher : public QObject {
 public:
  explicit AlignWatcher(QWidget* parent) : QObject(parent) {
    setObjectName(QString::fromLatin1(kWatcherName));
    parent->installEventFilter(this);
  }

  void Watch(QWidget* child) { child->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    if (t == QEvent::Resize || t == QEvent::Show || t == QEvent::Hide) {
      if (auto* parent = qobject_cast<QWidget*>(QObject::parent())) {
        if (watched == parent ? t == QEvent::Resize
                              : AlignOf(static_cast<QWidget*>(watched)) != alNone)
          AlignControls(parent);
      }
    }
    return false;
  }
};

AlignWatcher* WatcherOf(QWidget* parent) {
  if (auto* w = parent->findChild<AlignWatcher*>(QString::fromLatin1(kWatcherName),
                                                 Qt::FindDirectChildrenOnly))
    return w;
  return new AlignWatcher(parent);
}

QRect AreaOf(const QWidget* parent) {
  if (auto* area = dynamic_cast<const TAlignArea*>(parent)) return area->AlignClientRect();
  return parent->rect();
}

// One pass; true when a child ended up elsewhere than it was.
bool AlignPass(QWidget* parent) {
  QRect area = AreaOf(parent);
  bool moved = false;
  auto place = [&moved](QWidget* child, const QRect& r) {
    const QRect before = child->geometry();
    child->setGeometry(r);
    if (child->geometry() != before) moved = true;
  };
  const QObjectList children = parent->children();
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (QObject* object : children) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child == nullptr || child->isWindow() || AlignOf(child) != pass ||
          !child->isVisibleTo(parent))
        continue;
      const int w = std::max(area.width(), 0);
      const int h = std::max(area.height(), 0);
      switch (pass) {
        case alTop:
          place(child, QRect(area.left(), area.top(), w, child->height()));
          area.setTop(area.top() + child->height());
          break;
        case alBottom:
          place(child, QRect(area.left(), area.top() + h - child->height(), w, child->height()));
          area.setBottom(area.bottom() - child->height());
          break;
        case alLeft:
          place(child, QRect(area.left(), area.top(), child->width(), h));
          area.setLeft(area.left() + child->width());
          break;
        case alRight:
          place(child, QRect(area.left() + w - child->width(), area.top(), child->width(), h));
          area.setRight(area.right() - child->width());
          break;
        case alClient:
          place(child, QRect(area.left(), area.top(), w, h));
          break;
        case alNone:
          break;
      }
    }
  }
  return moved;
}

}  // namespace

void SetAlign(QWidget* control, TAlign align) {
  if (control == nullptr) return;
  control->setProperty(kAlignProperty, static_cast<int>(align));
  if (QWidget* parent = control->parentWidget()) {
    WatcherOf(parent)->Watch(control);
    AlignControls(parent);
  }
}

TAlign AlignOf(const QWidget* control) {
  if (control == nullptr) return alNone;
  return static_cast<TAlign>(control->property(kAlignProperty).toInt());
}

void AlignControls(QWidget* parent) {
  if (parent == nullptr || parent->property(kAligningProperty).toBool()) return;
  QPointer<QWidget> guard(parent);
  parent->setProperty(kAligningProperty, true);
  for (int i = 0; i < kMaxPasses; ++i)
    if (!guard || !AlignPass(parent)) break;
  if (guard) parent->setProperty(kAligningProperty, QVariant());
}

}  // namespace lumora

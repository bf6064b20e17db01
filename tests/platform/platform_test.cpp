#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "platform/component.h"
#include "platform/form_list.h"
#include "platform/messages.h"

namespace lumora {
namespace {

TEST(FormList, CreationOrderWithoutDuplicatesOrDeadForms) {
  auto a = std::make_unique<QWidget>();
  auto b = std::make_unique<QWidget>();
  auto c = std::make_unique<QWidget>();
  RegisterForm(a.get());
  RegisterForm(b.get());
  RegisterForm(a.get());  // keeps its first place
  RegisterForm(c.get());
  EXPECT_EQ(Forms(), (std::vector<QObject*>{a.get(), b.get(), c.get()}));
  b.reset();  // destroyed without unregistering
  EXPECT_EQ(Forms(), (std::vector<QObject*>{a.get(), c.get()}));
  UnregisterForm(a.get());
  UnregisterForm(c.get());
  EXPECT_TRUE(Forms().empty());
}

TEST(FormList, OnlyTopLevelWidgetsAreForms) {
  QWidget form;
  QWidget child(&form);
  QObject plain;
  EXPECT_TRUE(IsForm(&form));
  EXPECT_FALSE(IsForm(&child));
  EXPECT_FALSE(IsForm(&plain));
  EXPECT_FALSE(IsForm(nullptr));
}

class Receiver : public QWidget {
 public:
  int msg = 0;
  intptr_t w = 0, l = 0;

 protected:
  bool event(QEvent* e) override {
    if (TMessageEvent* m = AsMessage(e)) {
      msg = m->Msg();
      w = m->WParam();
      l = m->LParam();
      m->SetResult(42);
      return true;
    }
    return QWidget::event(e);
  }
};

TEST(Messages, SentSynchronouslyWithParametersAndResult) {
  Receiver r;
  EXPECT_EQ(SendMessage(&r, WM_SKINDATA_CHANGED, 7, 1000), 42);
  EXPECT_EQ(r.msg, 1227);
  EXPECT_EQ(r.w, 7);
  EXPECT_EQ(r.l, 1000);
  EXPECT_EQ(SendMessage(nullptr, WM_SKINDATA_CHANGED, 0, 0), 0);
  // Our numbers are reserved: no dynamic event type takes them.
  int t = QEvent::registerEventType(WM_SKINDATA_LOADED);
  EXPECT_NE(t, WM_SKINDATA_LOADED);
}

class Linked : public TComponent {
 public:
  TComponent* other = nullptr;
  void Link(TComponent* c) {
    other = c;
    FreeNotification(c);
  }

 protected:
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove && c == other) other = nullptr;
  }
};

TEST(Component, FreeNotificationClearsLinksBothWays) {
  auto a = std::make_unique<Linked>();
  auto b = std::make_unique<Linked>();
  a->Link(b.get());
  b->Link(a.get());
  b.reset();
  EXPECT_EQ(a->other, nullptr);
  a.reset();  // b is gone: nothing left to tell
}

TEST(Component, OwnerIsAGuardedReference) {
  auto form = std::make_unique<QWidget>();
  TComponent c(form.get());
  EXPECT_EQ(OwnerForm(&c), form.get());
  form.reset();
  EXPECT_EQ(c.Owner(), nullptr);
}

}  // namespace
}  // namespace lumora

#pragma once
// A frameless host form with its client widget and a frame component using
// the built-in skin, and pixel comparisons for painted frames.

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QWidget>
#include <memory>

#include "builtin_skin_fixture.h"
#include "platform/form_list.h"
#include "skin/form/skin_form.h"

namespace lumora::test {

// A frameless host with its client widget and a frame using the built-in
// skin, shown and active.
class SkinFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = std::make_unique<QWidget>();
    RegisterForm(host_.get());
    client_ = new QWidget(host_.get());
    skin_ = std::make_unique<test::BuiltinSkin>(host_.get());
    form_ = std::make_unique<TskSkinForm>(host_.get());
    form_->SetClientWidget(client_);
    form_->SetSkinData(&skin_->Data());
    form_->SetClientSize(400, 300);
    host_->move(50, 40);
  }
  void TearDown() override {
    form_.reset();
    skin_.reset();
    UnregisterForm(host_.get());
    host_.reset();
  }
  void ShowActive() {
    host_->show();
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
  }
  TskActiveSkinObject* Object(const std::string& name) {
    for (const auto& o : form_->Objects()) {
      if (o->IDName == name) return o.get();
    }
    return nullptr;
  }
  QPoint Centre(const TskActiveSkinObject* o) {
    return QPoint((o->ObjectRect.Left + o->ObjectRect.Right) / 2,
                  (o->ObjectRect.Top + o->ObjectRect.Bottom) / 2);
  }
  QImage Frame() {
    QImage out(host_->size(), QImage::Format_RGB32);
    out.fill(0xFF123456);
    QPainter p(&out);
    form_->PaintFrame(p);
    return out;
  }
  const QImage& Own(const TskActiveSkinObject* o) { return *o->ActivePicture; }

  std::unique_ptr<QWidget> host_;
  QWidget* client_ = nullptr;
  std::unique_ptr<test::BuiltinSkin> skin_;
  std::unique_ptr<TskSkinForm> form_;
};

inline ::testing::AssertionResult SameArea(const QImage& image, const QRect& at,
                                           const QImage& source, const QRect& from) {
  for (int y = 0; y < at.height(); ++y) {
    for (int x = 0; x < at.width(); ++x) {
      const QRgb a = image.pixel(at.x() + x, at.y() + y) & 0xFFFFFF;
      const QRgb b = source.pixel(from.x() + x, from.y() + y) & 0xFFFFFF;
      if (a != b)
        return ::testing::AssertionFailure()
               << "at " << at.x() + x << "," << at.y() + y << ": " << std::hex << a << " != " << b;
    }
  }
  return ::testing::AssertionSuccess();
}

inline QRect Q(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace lumora::test

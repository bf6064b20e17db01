#include "skin/controls/skin_rich_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>

#include "control_skin.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/data/control_data.h"
#include "skin/draw/colour.h"

namespace lumora {
namespace {

// Typed text, as a keyboard or an input method delivers it.
void Type(QWidget* w, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
}

QPoint Centre(const TRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

class SkinRichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.resize(300, 200);
    edit_ = new TskSkinRichEdit(&form_);
    edit_->setGeometry(0, 0, 280, 120);
    bar_ = new TskSkinScrollBar(&form_);
    bar_->SetKind(sbVertical);
    bar_->setGeometry(280, 0, 19, 120);
    bar_->setEnabled(false);
    edit_->SetVScrollBar(bar_);
  }
  void Show() {
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }
  QScrollBar* Inner() { return edit_->verticalScrollBar(); }
  void Fill(int lines) {
    QString text;
    for (int i = 0; i < lines; ++i) text += QStringLiteral("第%1行文字\n").arg(i);
    edit_->setPlainText(text);
  }

  QWidget form_;
  TskSkinRichEdit* edit_ = nullptr;
  TskSkinScrollBar* bar_ = nullptr;
};

TEST_F(SkinRichEditTest, TypingUntilTheTextOverflowsEnablesTheBar) {
  Show();
  edit_->setFocus();
  EXPECT_FALSE(bar_->isEnabled());
  Type(edit_, QStringLiteral("一行"));
  EXPECT_FALSE(bar_->isEnabled());
  for (int i = 0; i < 40 && Inner()->maximum() == 0; ++i) {
    Type(edit_, QStringLiteral("文字"));
    QTest::keyClick(edit_, Qt::Key_Return);
  }
  ASSERT_GT(Inner()->maximum(), 0);
  EXPECT_TRUE(bar_->isEnabled());
  EXPECT_EQ(bar_->PageSize(), Inner()->pageStep());
  EXPECT_EQ(bar_->Max(), Inner()->maximum() + Inner()->pageStep() - 1);
  EXPECT_EQ(bar_->Position(), Inner()->value());
  // Clearing makes everything fit again.
  edit_->clear();
  EXPECT_FALSE(bar_->isEnabled());
}

TEST_F(SkinRichEditTest, DraggingTheThumbScrollsTheText) {
  Fill(200);
  Show();
  ASSERT_TRUE(bar_->isEnabled());
  const QPoint start = Centre(bar_->Parts().Part[spThumb]);
  QTest::mousePress(bar_, Qt::LeftButton, {}, start);
  QTest::mouseMove(bar_, start + QPoint(0, 40));
  EXPECT_GT(bar_->Position(), 0);
  EXPECT_EQ(Inner()->value(), bar_->Position());
  QTest::mouseMove(bar_, start + QPoint(0, 500));
  EXPECT_EQ(Inner()->value(), Inner()->maximum());
  EXPECT_EQ(bar_->Position(), Inner()->maximum());
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, start + QPoint(0, 500));
}

TEST_F(SkinRichEditTest, TextScrollingMovesTheBar) {
  Fill(200);
  Show();
  Inner()->setValue(37);
  EXPECT_EQ(bar_->Position(), 37);
  edit_->setFocus();
  QTest::keyClick(edit_, Qt::Key_End, Qt::ControlModifier);
  ASSERT_GT(Inner()->value(), 37);
  EXPECT_EQ(bar_->Position(), Inner()->value());
  QTest::keyClick(edit_, Qt::Key_PageUp);
  EXPECT_EQ(bar_->Position(), Inner()->value());
}

TEST_F(SkinRichEditTest, ArrowsStepOneLineAndStopAtTheEnd) {
  Fill(200);
  Show();
  const QPoint inc = Centre(bar_->Parts().Part[spIncrease]);
  const QPoint dec = Centre(bar_->Parts().Part[spDecrease]);
  QTest::mouseClick(bar_, Qt::LeftButton, {}, inc);
  EXPECT_EQ(Inner()->value(), 1);
  EXPECT_EQ(bar_->Position(), 1);
  QTest::mouseClick(bar_, Qt::LeftButton, {}, dec);
  EXPECT_EQ(Inner()->value(), 0);
  // At max - page + 1 the arrow sends nothing, yet the bar stays in step.
  Inner()->setValue(Inner()->maximum());
  ASSERT_EQ(bar_->Position(), bar_->Max() - bar_->PageSize() + 1);
  QTest::mouseClick(bar_, Qt::LeftButton, {}, inc);
  EXPECT_EQ(Inner()->value(), Inner()->maximum());
  EXPECT_EQ(bar_->Position(), Inner()->maximum());
}

TEST_F(SkinRichEditTest, SkinSupportDecidesWhetherTheSkinFontApplies) {
  auto skin = test::BuiltinSkin();
  const auto* data = test::FindSkinControl<TskDataSkinRichEdit>(skin->data, "richedit");
  ASSERT_NE(data, nullptr);
  QFont stored(QStringLiteral("Courier"));
  stored.setPixelSize(12);
  edit_->setFont(stored);
  edit_->SetSkinData(&skin->data);
  EXPECT_EQ(edit_->font().pixelSize(), 12);
  EXPECT_EQ(edit_->font().family(), stored.family());
  edit_->SetSkinSupport(true);
  // The skin's height is the cell height.
  EXPECT_EQ(edit_->font().pixelSize(), SkinFontOf(*data).pixelSize());
  EXPECT_LE(QFontMetrics(edit_->font()).height(), data->FontHeight);
  EXPECT_EQ(edit_->palette().color(QPalette::Base), ToQColor(data->BGColor));
}

TEST_F(SkinRichEditTest, BarOutlivingItsTextDoesNotReachIt) {
  Fill(200);
  Show();
  delete edit_;
  edit_ = nullptr;
  const QPoint inc = Centre(bar_->Parts().Part[spIncrease]);
  QTest::mouseClick(bar_, Qt::LeftButton, {}, inc);
  bar_->SetPosition(5);
  EXPECT_EQ(bar_->Position(), 5);
}

TEST_F(SkinRichEditTest, AnInputMethodCommitsChineseAndTheBarFollows) {
  Show();
  edit_->setFocus();
  // A composition in progress is shown but is not text yet.
  QInputMethodEvent preedit(QStringLiteral("zhongwen"), {});
  QApplication::sendEvent(edit_, &preedit);
  EXPECT_TRUE(edit_->toPlainText().isEmpty());
  EXPECT_FALSE(bar_->isEnabled());
  for (int i = 0; i < 80 && Inner()->maximum() == 0; ++i) {
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中文输入法提交的一段文字，"));
    QApplication::sendEvent(edit_, &commit);
  }
  EXPECT_TRUE(edit_->toPlainText().startsWith(QStringLiteral("中文输入法提交的一段文字，中文")));
  ASSERT_GT(Inner()->maximum(), 0);
  EXPECT_TRUE(bar_->isEnabled());
  EXPECT_EQ(bar_->Max(), Inner()->maximum() + Inner()->pageStep() - 1);
  EXPECT_EQ(bar_->Position(), Inner()->value());
  // Undo takes the last commit back like any typing.
  const int length = static_cast<int>(edit_->toPlainText().size());
  edit_->undo();
  EXPECT_LT(edit_->toPlainText().size(), length);
}

}  // namespace
}  // namespace lumora

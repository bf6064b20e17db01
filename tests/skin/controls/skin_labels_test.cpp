#include "skin/controls/skin_labels.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <QUrl>

#include "control_skin.h"
#include "skin/draw/colour.h"

// Receives the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.push_back(url); }
};

namespace lumora {
namespace {

using test::Shot;

// Shows what the label would draw for its width.
class ProbeLabel : public TskSkinStdLabel {
 public:
  using TskSkinStdLabel::TskSkinStdLabel;
  QString Shown() {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    p.setFont(TextFont());
    return ShownText(p, width());
  }
};

void Hover(QWidget& w, bool in) {
  if (in) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&w, &enter);
  } else {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &leave);
  }
}

TEST(SkinStdLabel, UnskinnedItDrawsWithTheDefaultFontNotTheFont) {
  TskSkinStdLabel label;
  label.SetFont({"Arial", 40, 0, 0});
  label.SetDefaultFont({"MS Sans Serif", -11, 0, 0});
  label.SetCaption(QStringLiteral("文章前缀："));
  EXPECT_LT(label.height(), 20);
  label.SetUseSkinFont(false);
  EXPECT_GT(label.height(), 35);
}

TEST(SkinStdLabel, LinkedToTheSkinItTakesTheSkinsFontAndColour) {
  auto skin = test::BuiltinSkin();
  const auto* data = test::FindSkinControl<TskDataSkinStdLabelControl>(skin->data, "stdlabel");
  ASSERT_NE(data, nullptr);
  TskSkinStdLabel label;
  label.SetDefaultFont({"Arial", 40, 0, 255});
  label.SetCaption(QStringLiteral("HIH status"));
  label.SetSkinData(&skin->data);
  const QFontMetrics skinFont(SkinFontOf(*data));
  EXPECT_EQ(label.height(), skinFont.height());
  EXPECT_GT(test::CountColour(Shot(label), test::Rgb(data->FontColor)), 0);
  EXPECT_EQ(test::CountColour(Shot(label), qRgb(255, 0, 0)), 0);
}

TEST(SkinStdLabel, EndEllipsisShortensATextThatDoesNotFit) {
  ProbeLabel label;
  label.SetAutoSize(false);
  label.SetCaption(QStringLiteral("a rather long caption"));
  label.resize(50, 14);
  EXPECT_EQ(label.Shown(), QStringLiteral("a rather long caption"));
  label.SetEllipsType(sketEndEllips);
  const QString shown = label.Shown();
  EXPECT_TRUE(shown.endsWith(QStringLiteral("...")));
  EXPECT_LT(shown.size(), 21);
  label.resize(400, 14);
  EXPECT_EQ(label.Shown(), QStringLiteral("a rather long caption"));
}

TEST(SkinStdLabel, ADisabledLabelIsEmbossed) {
  TskSkinStdLabel label;
  label.SetDefaultFont({"Arial", 20, fsBold, 0});
  label.SetCaption(QStringLiteral("HIH"));
  label.setEnabled(false);
  const QImage shot = Shot(label);
  const QRgb light = ToQColor(SystemColour(scBtnHighlight)).rgb();
  const QRgb dark = ToQColor(SystemColour(scBtnShadow)).rgb();
  EXPECT_GT(test::CountColour(shot, light), 0);
  EXPECT_GT(test::CountColour(shot, dark), 0);
  // The highlight copy lies one pixel right of the shadow copy.
  EXPECT_EQ(test::ColumnsOf(shot, light).first, test::ColumnsOf(shot, dark).first + 1);
}

TEST(SkinLinkLabel, TurnsBlueUnderThePointerAndBackWhenItLeaves) {
  TskSkinLinkLabel link;
  link.SetCaption(QStringLiteral("HIH Blog"));
  const QRgb blue = qRgb(0, 0, 255);
  EXPECT_EQ(test::CountColour(Shot(link), blue), 0);
  Hover(link, true);
  EXPECT_TRUE(link.IsHot());
  EXPECT_GT(test::CountColour(Shot(link), blue), 0);
  Hover(link, false);
  EXPECT_EQ(test::CountColour(Shot(link), blue), 0);
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
}

TEST(SkinLinkLabel, AClickOpensWebAndMailAddressesOnly) {
  UrlCatcher catcher;
  for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
  TskSkinLinkLabel link;
  link.SetCaption(QStringLiteral("Blog"));
  int clicks = 0;
  link.OnClick = [&] { ++clicks; };
  const char* urls[] = {"https://lumora.example.com/blog", "mailto:someone@example.com",
                        "file:///etc/passwd", "ftp://example.com/x", ""};
  for (const char* url : urls) {
    link.SetURL(url);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2));
  }
  for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  EXPECT_EQ(clicks, 5);
  ASSERT_EQ(catcher.opened.size(), 2);
  EXPECT_EQ(catcher.opened[0], QUrl(QStringLiteral("https://lumora.example.com/blog")));
  EXPECT_EQ(catcher.opened[1].scheme(), QStringLiteral("mailto"));
}

TEST(SkinLinkLabel, LinkedToTheSkinItTakesTheSkinsColours) {
  auto skin = test::BuiltinSkin();
  const auto* data = test::FindSkinControl<TskDataSkinStdLabelControl>(skin->data, "stdlabel");
  TskSkinLinkLabel link;
  link.SetCaption(QStringLiteral("HIH Blog"));
  link.SetSkinData(&skin->data);
  EXPECT_GT(test::CountColour(Shot(link), test::Rgb(data->FontColor)), 0);
  Hover(link, true);
  EXPECT_GT(test::CountColour(Shot(link), test::Rgb(data->ActiveFontColor)), 0);
}

}  // namespace
}  // namespace lumora

#include "skin_labels_test.moc"

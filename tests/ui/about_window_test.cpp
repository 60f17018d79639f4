// The About window: its shape from the picture, the version, the fade-in and
// closing.
#include "ui/app/about_window.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QTest>

#include "ui/art/artwork.hpp"

namespace orvane::ui::test {
namespace {

// A picture from rows of characters: '.' is the transparent colour (it must
// be the bottom-left pixel's), any other character is opaque.
QImage Picture(const std::vector<std::string>& rows) {
  QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(
          x, y, rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '.' ? qRgb(255, 0, 255) : qRgb(10, 60, 40));
    }
  }
  return image;
}

TEST(AboutShapeTest, EveryRunOfOpaquePixelsBelongsToTheShape) {
  const QRegion shape = ShapeOf(Picture({"..##..##", "########", ".######."}));
  const std::vector<std::string> expected{"..##..##", "########", ".######."};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(shape.contains(QPoint(x, y)), expected[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#')
          << x << "," << y;
    }
  }
}

TEST(AboutShapeTest, APictureWithNothingOpaqueKeepsTheWholeRectangle) {
  EXPECT_EQ(ShapeOf(Picture({"....", "...."})), QRegion(0, 0, 4, 2));
}

TEST(AboutWindowTest, ItIsExactlyItsShapedPictureWithTheVersion) {
  const QImage picture = art::AboutPicture();
  ASSERT_EQ(picture.size(), QSize(421, 164));
  const QRegion shape = ShapeOf(picture);
  EXPECT_FALSE(shape.contains(QPoint(0, 163)));
  EXPECT_FALSE(shape.contains(QPoint(420, 0)));
  EXPECT_TRUE(shape.contains(QPoint(210, 82)));

  TfrmAbout about;
  EXPECT_EQ(about.size(), QSize(421, 164));
  EXPECT_EQ(about.mask(), shape);
  const auto* version = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), QStringLiteral("Version 1.01"));
  EXPECT_TRUE(version->alignment() & Qt::AlignHCenter);
}

TEST(AboutWindowTest, TheAboutBoxFadesInUntilOpaque) {
  TfrmAbout about;
  about.StartFadeIn();
  EXPECT_EQ(about.windowOpacity(), 0.0);
  about.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.windowOpacity() == 1.0; }, 3000));
}

TEST(AboutWindowTest, AClickClosesAndDestroysIt) {
  QPointer<TfrmAbout> about = new TfrmAbout;
  about->show();
  QTest::mouseClick(about, Qt::LeftButton, Qt::NoModifier, QPoint(210, 82));
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 3000));
}

TEST(AboutWindowTest, LosingActivationClosesIt) {
  QPointer<TfrmAbout> about = new TfrmAbout;
  about->show();
  about->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(about));
  QWidget other;
  other.show();
  other.activateWindow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 3000));
}

}  // namespace
}  // namespace orvane::ui::test

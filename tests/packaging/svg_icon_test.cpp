// The scalable icon is the same picture as the 32 x 32 one the windows show:
// drawn at 32 pixels it matches pixel for pixel, and at whole multiples it
// matches the small picture with every pixel grown to a square.
#include "platform/window/window_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage RenderSvg(int size_px) {
  QSvgRenderer renderer(QStringLiteral(RW_SVG_ICON));
  EXPECT_TRUE(renderer.isValid()) << RW_SVG_ICON;
  QImage image(size_px, size_px, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

TEST(ScalableIcon, MatchesTheWindowIconAtEveryWholeScale) {
  const QImage icon = rw::ProgramIconImage();
  ASSERT_EQ(icon.size(), QSize(32, 32));
  for (int scale : {1, 2, 3, 8}) {
    SCOPED_TRACE(scale);
    const QImage svg = RenderSvg(32 * scale);
    int differing = 0;
    for (int y = 0; y < svg.height(); ++y)
      for (int x = 0; x < svg.width(); ++x)
        if (svg.pixel(x, y) != (icon.pixel(x / scale, y / scale) | 0xFF000000u)) ++differing;
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace

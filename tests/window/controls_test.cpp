#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "tests/window/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>

namespace rw {
namespace {

using Controls = WindowServices;

QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage Pattern(int width, int height, std::uint32_t seed) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | ((x * 37u + y * 101u + seed) * 2654435761u >> 8));
  }
  return image;
}

// Whether `shot` shows `image` at `at` and the window's face everywhere else.
void ExpectShownAt(const QImage& shot, const QImage& image, QPoint at, QRgb face) {
  int wrong = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const QPoint p = QPoint(x, y) - at;
      const QRgb expected = image.rect().contains(p) ? image.pixel(p) : face;
      if (shot.pixel(x, y) != expected && ++wrong < 5) ADD_FAILURE() << "pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(Controls, ImageViewShowsTheImageAtItsSizeAndTheNewPixelsWhenGivenItAgain) {
  QWidget* window = Open(0, 120, 80);
  const QRgb face = window->palette().color(QPalette::Window).rgb();
  QImage image = Pattern(30, 20, 1);
  ASSERT_NE(CreateImageView(0, 5, 7, 10, 10, &image), 0);
  QWidget* view = ControlWidget(0);
  EXPECT_EQ(view->geometry(), QRect(5, 7, 30, 20));
  ExpectShownAt(Grab(window), image, {5, 7}, face);

  // Same image, new pixels: the view shows them once it is given the image.
  image = Pattern(30, 20, 2);
  SetImageViewImage(0, &image);
  ExpectShownAt(Grab(window), image, {5, 7}, face);

  // Another image brings its size.
  QImage wide = Pattern(60, 10, 3);
  SetImageViewImage(0, &wide);
  EXPECT_EQ(view->size(), QSize(60, 10));
  ExpectShownAt(Grab(window), wide, {5, 7}, face);
}

TEST_F(Controls, ImageViewWithoutImageTakesTheGivenSizeAndShowsNothing) {
  QWidget* window = Open(0, 50, 40);
  ASSERT_NE(CreateImageView(0, 2, 3, 20, 10, nullptr), 0);
  EXPECT_EQ(ControlWidget(0)->geometry(), QRect(2, 3, 20, 10));
  ExpectShownAt(Grab(window), QImage(), {0, 0}, window->palette().color(QPalette::Window).rgb());
}

TEST_F(Controls, ClicksOnImageViewAndButtonRaiseControlEventWithTheirNumber) {
  Open(0, 200, 100);
  QImage image = Pattern(40, 40, 4);
  CreateImageView(0, 0, 0, 0, 0, &image);
  CreateButton(5, 100, 50, 50, 30, u"OK!"_qs);
  SetImageViewImage(0, &image);  // raises nothing

  SendMouse(Native(0), QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
  SendMouse(Native(0), QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10});
  EXPECT_EQ(WaitEvent(), LeftButtonMessage);
  EXPECT_EQ(WaitEvent(), ControlEvent);
  EXPECT_EQ(EventObject(), 0);
  EXPECT_EQ(WaitEvent(), LeftButtonUpMessage);

  SendMouse(Native(0), QEvent::MouseButtonPress, Qt::LeftButton, {120, 60});
  SendMouse(Native(0), QEvent::MouseButtonRelease, Qt::LeftButton, {120, 60});
  EXPECT_EQ(WaitEvent(), LeftButtonMessage);
  EXPECT_EQ(WaitEvent(), LeftButtonUpMessage);
  EXPECT_EQ(WaitEvent(), ControlEvent);
  EXPECT_EQ(EventObject(), 5);
  EXPECT_EQ(EventParameter(), 0);

  // A right click on the view is the window's right button, no control's.
  SendMouse(Native(0), QEvent::MouseButtonPress, Qt::RightButton, {10, 10});
  EXPECT_EQ(WaitEvent(), RightButtonMessage);
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), 0);
}

TEST_F(Controls, LabelShowsAnAmpersandAsItIs) {
  Open(0);
  ASSERT_NE(CreateLabel(1, 0, 0, 40, 17, u"&"_qs), 0);
  ASSERT_NE(CreateLabel(2, 40, 0, 40, 17, u""_qs), 0);
  const QImage ampersand = Grab(ControlWidget(1));
  const QImage empty = Grab(ControlWidget(2));
  EXPECT_NE(ampersand, empty);  // a mnemonic marker alone would draw nothing
  EXPECT_EQ(static_cast<QLabel*>(ControlWidget(1))->text(), u"&"_qs);
}

TEST_F(Controls, TextFieldFlagsChooseReadOnlyAndCentredText) {
  Open(1, 440, 380);
  struct Case {
    std::int64_t flags;
    bool read_only;
    Qt::Alignment horizontal;
  };
  const Case cases[] = {{0x801, true, Qt::AlignHCenter}, {0x800, true, Qt::AlignLeft},
                        {0x001, false, Qt::AlignHCenter}, {0, false, Qt::AlignLeft}};
  for (const Case& c : cases) {
    ASSERT_NE(CreateTextField(2, 355, 10, 75, 17, u"1.0"_qs, c.flags), 0);
    auto* field = static_cast<QLineEdit*>(ControlWidget(2));
    EXPECT_EQ(field->isReadOnly(), c.read_only) << c.flags;
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, c.horizontal) << c.flags;
    EXPECT_TRUE(field->hasFrame());
    EXPECT_EQ(field->text(), u"1.0"_qs);
    EXPECT_EQ(field->geometry(), QRect(355, 10, 75, 17));
    EXPECT_TRUE(field->isVisible());
  }
}

TEST_F(Controls, NumbersAreReusedAndControlsGoWithTheirWindow) {
  Open(0);
  ASSERT_NE(CreateLabel(1, 0, 0, 40, 17, u"alt"_qs), 0);
  QPointer<QWidget> old_label = ControlWidget(1);
  ASSERT_NE(CreateButton(1, 0, 0, 40, 17, u"neu"_qs), 0);
  EXPECT_TRUE(old_label.isNull());
  EXPECT_EQ(CreateLabel(2, 0, 0, -1, 17, u"x"_qs), 0);
  EXPECT_EQ(CreateButton(-1, 0, 0, 10, 17, u"x"_qs), 0);
  EXPECT_EQ(ControlWidget(2), nullptr);
  CloseWindow(0);
  EXPECT_EQ(ControlWidget(1), nullptr);
  SetImageViewImage(1, nullptr);  // gone: nothing happens
}

}  // namespace
}  // namespace rw

#include "platform/window/window_icon.h"

#include <array>
#include <cstdint>

namespace rw {
namespace {

constexpr int kIconSizePx = 32;
constexpr std::uint32_t kBackground = 0xFFC0C0C0;
constexpr std::uint32_t kBezel = 0xFF303030;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// The screen: columns 4 to 27, rows 4 to 20.
constexpr int kScreenLeft = 4;
constexpr int kScreenRight = 27;
constexpr int kScreenTop = 4;
constexpr int kScreenBottom = 20;
constexpr int kBarsBottom = 11;

constexpr std::array<std::uint32_t, 8> kBars = {0xFFFFFFFF, 0xFFFFFF00, 0xFF00FFFF, 0xFF00FF00,
                                                0xFFFF00FF, 0xFFFF0000, 0xFF0000FF, 0xFF000000};

void FillRect(QImage& image, int left, int top, int right, int bottom, std::uint32_t pixel) {
  for (int y = top; y <= bottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = left; x <= right; ++x) row[x] = pixel;
  }
}

void DrawScreen(QImage& image) {
  const int bar_width_px = (kScreenRight - kScreenLeft + 1) / static_cast<int>(kBars.size());
  for (int y = kScreenTop; y <= kScreenBottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = kScreenLeft; x <= kScreenRight; ++x) {
      if (y <= kBarsBottom) {
        row[x] = kBars[static_cast<std::size_t>((x - kScreenLeft) / bar_width_px)];
      } else {
        row[x] = (x % 2 == 0) ? kBlack : kWhite;
      }
    }
  }
}

}  // namespace

QImage ProgramIconImage() {
  QImage image(kIconSizePx, kIconSizePx, QImage::Format_RGB32);
  image.fill(kBackground);
  FillRect(image, 2, 2, 29, 22, kBezel);      // bezel
  DrawScreen(image);
  FillRect(image, 14, 23, 17, 26, kBezel);    // neck
  FillRect(image, 8, 27, 23, 29, kBezel);     // foot
  return image;
}

}  // namespace rw

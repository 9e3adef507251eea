#include "tests/drawing/reference_raster.h"
#include "tests/drawing/surface_fixture.h"

#include <random>

namespace rw::testing {
namespace {

// Draws many random shapes with both the real primitives and the plain
// reference, on many surface sizes, and compares every pixel.
class ReferenceCompareTest : public SurfaceTest {
 protected:
  std::mt19937_64 random_{20240611};

  std::int64_t Coordinate(int extent) {
    // Mostly near the surface, sometimes far away or at the 32-bit edges.
    switch (random_() % 8) {
      case 0: return static_cast<std::int64_t>(random_() % 200001) - 100000;
      case 1: return static_cast<std::int32_t>(random_());
      case 2: return static_cast<std::int64_t>(random_());
      default: return static_cast<std::int64_t>(random_() % (3 * extent + 7)) - extent - 3;
    }
  }
  Colour RandomColour() { return static_cast<Colour>(random_() & 0xFFFFFF); }

  void ExpectSame(const ReferenceImage& ref, const char* what, int round) {
    for (int y = 0; y < ref.height_px; ++y)
      for (int x = 0; x < ref.width_px; ++x)
        ASSERT_EQ(At(x, y), ref.pixels[y * ref.width_px + x])
            << what << " round " << round << " at " << x << "," << y << " on " << ref.width_px << "x" << ref.height_px;
  }

  template <typename Draw>
  void Compare(const char* what, Draw draw) {
    const int sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {2, 3}, {7, 7}, {16, 5}, {5, 16}, {31, 17}, {64, 64}, {97, 13}, {13, 97}};
    int round = 0;
    for (const auto& [w, h] : sizes) {
      Open(w, h);
      ReferenceImage ref(w, h);
      for (int k = 0; k < 300; ++k, ++round) draw(ref, w, h);
      ExpectSame(ref, what, round);
    }
  }
};

TEST_F(ReferenceCompareTest, BoxesMatchTheReference) {
  Compare("box", [&](ReferenceImage& ref, int w, int h) {
    const std::int64_t x = Coordinate(w), y = Coordinate(h), bw = Coordinate(w), bh = Coordinate(h);
    const Colour c = RandomColour();
    DrawBox(x, y, bw, bh, c);
    ReferenceBox(ref, x, y, bw, bh, c);
  });
}

TEST_F(ReferenceCompareTest, LinesMatchTheReference) {
  Compare("line", [&](ReferenceImage& ref, int w, int h) {
    std::int64_t p[4] = {Coordinate(w), Coordinate(h), Coordinate(w), Coordinate(h)};
    if (random_() % 6 == 0) p[2] = p[0];  // vertical now and then
    if (random_() % 6 == 0) p[3] = p[1];  // horizontal now and then
    const Colour c = RandomColour();
    DrawLine(p[0], p[1], p[2], p[3], c);
    ReferenceLine(ref, p[0], p[1], p[2], p[3], c);
  });
}

TEST_F(ReferenceCompareTest, DiscsMatchTheReference) {
  Compare("disc", [&](ReferenceImage& ref, int w, int h) {
    const std::int64_t x = static_cast<std::int64_t>(random_() % (3 * w + 1)) - w;
    const std::int64_t y = static_cast<std::int64_t>(random_() % (3 * h + 1)) - h;
    const std::int64_t r = static_cast<std::int64_t>(random_() % (std::max(w, h) + 5));
    const Colour c = RandomColour();
    DrawCircle(x, y, r, c);
    ReferenceDisc(ref, x, y, r, c);
  });
}

// A shape cut by the surface's edge keeps exactly the pixels it has on a
// larger surface where nothing cuts it.
TEST_F(ReferenceCompareTest, ClippedShapesKeepTheirInsidePixels) {
  constexpr int kW = 23, kH = 17, kPad = 40;
  for (int round = 0; round < 200; ++round) {
    const std::int64_t x = static_cast<std::int64_t>(random_() % (kW + 30)) - 15;
    const std::int64_t y = static_cast<std::int64_t>(random_() % (kH + 30)) - 15;
    const std::int64_t a = static_cast<std::int64_t>(random_() % 30) - 10;
    const std::int64_t b = static_cast<std::int64_t>(random_() % 30) - 10;
    const int kind = round % 4;
    auto draw = [&](std::int64_t dx, std::int64_t dy) {
      switch (kind) {
        case 0: DrawCircle(x + dx, y + dy, std::abs(a), 0xFFFFFF); break;
        case 1: DrawBox(x + dx, y + dy, a, b, 0xFFFFFF); break;
        case 2: DrawLine(x + dx, y + dy, x + a + dx, y + dy, 0xFFFFFF); break;
        default: DrawLine(x + dx, y + dy, x + dx, y + b + dy, 0xFFFFFF); break;
      }
    };
    Open(kW + 2 * kPad, kH + 2 * kPad);
    draw(kPad, kPad);
    std::vector<Colour> big;
    for (int j = 0; j < kH; ++j)
      for (int i = 0; i < kW; ++i) big.push_back(At(i + kPad, j + kPad));
    Open(kW, kH);
    draw(0, 0);
    ASSERT_EQ(Pixels(), big) << "kind " << kind << " round " << round;
  }
}

}  // namespace
}  // namespace rw::testing

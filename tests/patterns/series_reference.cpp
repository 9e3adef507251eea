#include "tests/patterns/series_reference.h"

#include <algorithm>
#include <array>

namespace rw::test {
namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kGrey128 = Rgb(128, 128, 128);

ReferenceImage Plain(Colour colour) {
  return {[colour](int, int) { return colour; }, {}};
}

struct Square {
  int x = 0, y = 0, side = 0;
  int v = 0;
};

// 32 squares in the 8 x 4 cells; square i has grey level(i).
ReferenceImage Levels(int w, int h, Colour ground, int (*level)(int i)) {
  std::vector<Square> squares;
  ReferenceImage image;
  const int s = std::min(w / 8, h / 4) / 2;
  for (int i = 0; i <= 31; ++i) {
    const int c = i % 8, r = i / 8;
    const int x0 = c * w / 8, x1 = (c + 1) * w / 8, y0 = r * h / 4, y1 = (r + 1) * h / 4;
    const int sx = (x0 + x1) / 2 - s / 2, sy = (y0 + y1) / 2 - s / 2;
    squares.push_back({sx, sy, s, level(i)});
    image.labels.push_back({sx, sy + s + 4, QString::number(level(i)), kGrey128, ground});
  }
  image.pixel = [squares, ground](int x, int y) {
    for (const Square& q : squares) {
      if (x >= q.x && x < q.x + q.side && y >= q.y && y < q.y + q.side) return Rgb(q.v, q.v, q.v);
    }
    return ground;
  };
  return image;
}

ReferenceImage Gradients(int w, int h) {
  return {[w, h](int x, int y) {
            const int v = x * 256 / w;
            for (int b = 0; b <= 3; ++b) {
              if (y < b * h / 4 || y > (b + 1) * h / 4 - 1) continue;
              if (b == 0) return Rgb(v, v, v);
              if (b == 1) return Rgb(v, 0, 0);
              if (b == 2) return Rgb(0, v, 0);
              return Rgb(0, 0, v);
            }
            return Rgb(1, 2, 3);  // no band: cannot happen
          },
          {}};
}

ReferenceImage Gamma(int w, int h) {
  static constexpr std::array<int, 17> kGreys = {128, 136, 143, 150, 155, 161, 165, 170, 174,
                                                 177, 180, 183, 186, 189, 191, 193, 195};
  static const char* const kNames[17] = {"1,0", "1,1", "1,2", "1,3", "1,4", "1,5", "1,6", "1,7", "1,8",
                                         "1,9", "2,0", "2,1", "2,2", "2,3", "2,4", "2,5", "2,6"};
  ReferenceImage image;
  for (int j = 0; j <= 16; ++j) image.labels.push_back({j * w / 17 + 4, 12, QString::fromUtf8(kNames[j]), kWhite, kBlack});
  image.pixel = [w, h](int x, int y) {
    if (y <= 39) return kBlack;
    for (int j = 0; j <= 16; ++j) {
      const int x0 = j * w / 17, x1 = (j + 1) * w / 17, pw = x1 - x0;
      const bool in_columns = x >= x0 + pw / 4 && x <= x0 + 3 * pw / 4 - 1;
      const bool in_rows = y >= 40 + (h - 40) / 4 && y <= 40 + 3 * (h - 40) / 4 - 1;
      if (in_columns && in_rows) return Rgb(kGreys[j], kGreys[j], kGreys[j]);
    }
    return (y - 40) % 2 == 0 ? kBlack : kWhite;
  };
  return image;
}

ReferenceImage Inversion(int w, int h) {
  static const char* const kNames[8] = {"Punkte 1×1", "Zeilen",     "Spalten",    "Punkte 2×1",
                                        "Subpixel 1×1", "Punkte 1×2", "Punkte 2×2", "Subpixel 1×2"};
  ReferenceImage image;
  for (int p = 0; p <= 7; ++p) {
    image.labels.push_back({(p % 4) * w / 4 + 4, (p / 4) * h / 2 + 6, QString::fromUtf8(kNames[p]), kWhite, kBlack});
  }
  image.pixel = [w, h](int x, int y) {
    for (int p = 0; p <= 7; ++p) {
      const int col = p % 4, row = p / 4;
      if (x < col * w / 4 || x > (col + 1) * w / 4 - 1 || y < row * h / 2 || y > (row + 1) * h / 2 - 1) continue;
      if (y < row * h / 2 + 30) return kBlack;
      int k = 0;
      switch (p) {
        case 0: k = (x + y) % 2; break;
        case 1: k = y % 2; break;
        case 2: k = x % 2; break;
        case 3: k = (x / 2 + y) % 2; break;
        case 4: k = (x + y) % 2; break;
        case 5: k = (x + y / 2) % 2; break;
        case 6: k = (x / 2 + y / 2) % 2; break;
        case 7: k = (x + y / 2) % 2; break;
      }
      const bool subpixel = p == 4 || p == 7;
      const Colour a = subpixel ? Rgb(159, 0, 159) : Rgb(159, 159, 159);
      const Colour b = subpixel ? Rgb(0, 159, 0) : Rgb(0, 0, 0);
      return k == 0 ? a : b;
    }
    return Rgb(1, 2, 3);  // no panel: cannot happen
  };
  return image;
}

ReferenceImage Chroma(int w, int h) {
  (void)w;
  constexpr Colour kA = Rgb(27, 146, 247);
  constexpr Colour kB = Rgb(229, 110, 9);
  ReferenceImage image;
  image.labels.push_back({4, 0 + 6, QString::fromUtf8("Farbauflösung: senkrechte Linien"), kWhite, kBlack});
  image.labels.push_back({4, h / 2 + 6, QString::fromUtf8("Farbauflösung: waagrechte Linien"), kWhite, kBlack});
  image.pixel = [h](int x, int y) {
    if (y <= h / 2 - 1) {
      if (y < 0 + 30) return kBlack;
      return x % 2 == 0 ? kA : kB;
    }
    if (y < h / 2 + 30) return kBlack;
    return y % 2 == 0 ? kA : kB;
  };
  return image;
}

}  // namespace

ReferenceImage ReferenceFor(const std::string& id, int w, int h) {
  if (id == "white") return Plain(Rgb(255, 255, 255));
  if (id == "black") return Plain(Rgb(0, 0, 0));
  if (id == "red") return Plain(Rgb(255, 0, 0));
  if (id == "green") return Plain(Rgb(0, 255, 0));
  if (id == "blue") return Plain(Rgb(0, 0, 255));
  if (id == "grey") return Plain(Rgb(128, 128, 128));
  if (id == "black-levels") return Levels(w, h, kBlack, [](int i) { return i + 1; });
  if (id == "white-levels") return Levels(w, h, kWhite, [](int i) { return 254 - i; });
  if (id == "gradients") return Gradients(w, h);
  if (id == "gamma") return Gamma(w, h);
  if (id == "inversion") return Inversion(w, h);
  if (id == "checkerboard") return {[](int x, int y) { return (x + y) % 2 == 0 ? kBlack : kWhite; }, {}};
  if (id == "chroma") return Chroma(w, h);
  return {};
}

}  // namespace rw::test

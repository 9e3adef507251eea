// Finds where a picture lies in a screenshot, pixel for pixel, so that the
// end-to-end tests under mutter, GNOME Shell and KWin check the window's
// content where it really is instead of where it ought to be.
// Usage: find_picture SHOT REFERENCE
// Prints "x y" (the reference's top-left in the shot, device pixels) and
// exits 0 when the whole reference matches there and nowhere else; exits 1
// with the best candidate's offset and how many pixels differ there, or
// where it matches more than once; exits 2 when a file cannot be read.
//
// A row of the reference that occurs least often in the reference itself
// is looked for in every row of the shot with a rolling hash (linear in the
// shot's size, also for periodic rows such as line gratings); each hit is a
// candidate offset, checked row by row.
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr std::uint64_t kBase = 0x100000001b3ULL;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  const std::uint32_t* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

bool Load(const char* path, Picture& picture) {
  QImage image(QString::fromLocal8Bit(path));
  if (image.isNull()) return false;
  image = image.convertToFormat(QImage::Format_RGB32);
  picture.width = image.width();
  picture.height = image.height();
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    for (int x = 0; x < picture.width; ++x) picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = row[x] & 0xffffffu;
  }
  return true;
}

std::uint64_t HashOf(const std::uint32_t* row, int width) {
  std::uint64_t hash = 0;
  for (int x = 0; x < width; ++x) hash = hash * kBase + row[x] + 1;
  return hash;
}

// The reference's row that occurs least often in it; among those the one
// with the most changes from pixel to pixel.
int KeyRow(const Picture& reference) {
  std::vector<std::uint64_t> hashes(reference.height);
  std::unordered_map<std::uint64_t, int> count;
  for (int y = 0; y < reference.height; ++y) ++count[hashes[y] = HashOf(reference.Row(y), reference.width)];
  int best = 0;
  std::pair<int, int> best_rank{reference.height + 1, 0};
  for (int y = 0; y < reference.height; ++y) {
    const std::uint32_t* row = reference.Row(y);
    int changes = 0;
    for (int x = 1; x < reference.width; ++x) changes += row[x] != row[x - 1];
    const std::pair<int, int> rank{count[hashes[y]], -changes};
    if (rank < best_rank) {
      best_rank = rank;
      best = y;
    }
  }
  return best;
}

// Offsets (x, y) at which row `key` of the reference lies in the shot.
void Candidates(const Picture& shot, const Picture& reference, int key, std::set<std::pair<int, int>>& found) {
  const int w = reference.width;
  const std::uint32_t* wanted = reference.Row(key);
  const std::uint64_t target = HashOf(wanted, w);
  std::uint64_t top = 1;  // kBase^(w-1)
  for (int i = 1; i < w; ++i) top *= kBase;
  for (int y = key; y <= shot.height - reference.height + key; ++y) {
    const std::uint32_t* row = shot.Row(y);
    std::uint64_t hash = HashOf(row, w);
    for (int x = 0;; ++x) {
      if (hash == target && std::equal(wanted, wanted + w, row + x)) found.insert({x, y - key});
      if (x + w >= shot.width) break;
      hash = (hash - (row[x] + 1) * top) * kBase + row[x + w] + 1;
    }
  }
}

// Differing pixels at an offset; counting stops past `limit`.
std::int64_t Differences(const Picture& shot, const Picture& reference, int ox, int oy, std::int64_t limit) {
  std::int64_t differing = 0;
  std::vector<int> order{reference.height - 1, 0};
  for (int y = 1; y < reference.height - 1; ++y) order.push_back(y);
  for (int y : order) {
    const std::uint32_t* a = reference.Row(y);
    const std::uint32_t* b = shot.Row(oy + y) + ox;
    for (int x = 0; x < reference.width; ++x) differing += a[x] != b[x];
    if (differing > limit) return differing;
  }
  return differing;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "Usage: find_picture SHOT REFERENCE\n");
    return 2;
  }
  Picture shot, reference;
  if (!Load(argv[1], shot)) {
    std::fprintf(stderr, "find_picture: cannot read %s\n", argv[1]);
    return 2;
  }
  if (!Load(argv[2], reference)) {
    std::fprintf(stderr, "find_picture: cannot read %s\n", argv[2]);
    return 2;
  }
  if (reference.width > shot.width || reference.height > shot.height || reference.width == 0) {
    std::fprintf(stderr, "find_picture: the reference (%dx%d) does not fit into the shot (%dx%d)\n", reference.width,
                 reference.height, shot.width, shot.height);
    return 1;
  }

  std::set<std::pair<int, int>> candidates;
  Candidates(shot, reference, KeyRow(reference), candidates);
  std::vector<std::pair<int, int>> matches;
  for (const auto& [x, y] : candidates) {
    if (Differences(shot, reference, x, y, 0) == 0) matches.emplace_back(x, y);
  }
  if (matches.size() == 1) {
    std::printf("%d %d\n", matches[0].first, matches[0].second);
    return 0;
  }
  if (matches.size() > 1) {
    std::fprintf(stderr, "find_picture: the reference matches at %zu offsets, e.g. %d %d and %d %d\n", matches.size(),
                 matches[0].first, matches[0].second, matches[1].first, matches[1].second);
    return 1;
  }

  // No match: offsets at which other rows of the reference lie, to say how
  // close the picture came.
  for (int i = 0; i < 64 && candidates.size() < 2000; ++i) {
    Candidates(shot, reference, static_cast<int>(static_cast<std::int64_t>(reference.height - 1) * i / 63), candidates);
  }
  const std::int64_t area = static_cast<std::int64_t>(reference.width) * reference.height;
  std::int64_t best = area + 1;
  std::pair<int, int> where{-1, -1};
  for (const auto& [x, y] : candidates) {
    const std::int64_t differing = Differences(shot, reference, x, y, best);
    if (differing < best) {
      best = differing;
      where = {x, y};
    }
  }
  if (where.first < 0) {
    std::fprintf(stderr, "find_picture: no row of the %dx%d reference occurs in the shot\n", reference.width,
                 reference.height);
  } else {
    std::fprintf(stderr, "find_picture: no exact match; the closest at %d %d, %lld of %lld pixels differ\n", where.first,
                 where.second, static_cast<long long>(best), static_cast<long long>(area));
  }
  return 1;
}

// Draws the application icon in its two sizes as PNG, and the large one as SVG for the desktop.
// Usage: make_icons OUTPUT_DIR
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <string_view>

namespace {

// '#' is black, '.' white.
// 32 x 32: five staff lines across the full width, four rounded heads stacked in the spaces
// between them at the centre.
constexpr std::array<std::string_view, 32> kLarge = {
    "................................", "................................",
    "................................", "................................",
    "################################", "................................",
    "..............####..............", ".............######.............",
    "..............####..............", "................................",
    "################################", "................................",
    "..............####..............", ".............######.............",
    "..............####..............", "................................",
    "################################", "................................",
    "..............####..............", ".............######.............",
    "..............####..............", "................................",
    "################################", "................................",
    "..............####..............", ".............######.............",
    "..............####..............", "................................",
    "################################", "................................",
    "................................", "................................",
};

// 16 x 16: five lines joined at the centre by a bar two pixels wide.
constexpr std::array<std::string_view, 16> kSmall = {
    "................", "................", "................", "################",
    ".......##.......", "################", ".......##.......", "################",
    ".......##.......", "################", ".......##.......", "################",
    "................", "................", "................", "................",
};

template <std::size_t N>
QImage Draw(const std::array<std::string_view, N>& art) {
  QImage image{int(N), int(N), QImage::Format_RGB32};
  for (int y = 0; y < int(N); ++y) {
    for (int x = 0; x < int(N); ++x)
      image.setPixel(x, y, art[y][x] == '#' ? 0xFF000000 : 0xFFFFFFFF);
  }
  return image;
}

bool WriteSvg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 32 32\" width=\"32\" "
         "height=\"32\" shape-rendering=\"crispEdges\">\n"
      << "<rect width=\"32\" height=\"32\" fill=\"#fff\"/>\n";
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32;) {
      if (kLarge[y][x] != '#') {
        ++x;
        continue;
      }
      int end = x;
      while (end < 32 && kLarge[y][end] == '#') ++end;
      out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
          << "\" height=\"1\"/>\n";
      x = end;
    }
  }
  out << "</svg>\n";
  return file.flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!Draw(kLarge).save(dir + "/icon-32.png") || !Draw(kSmall).save(dir + "/icon-16.png") ||
      !WriteSvg(dir + "/fretwise.svg")) {
    std::fprintf(stderr, "make_icons: cannot write the icons into %s\n", argv[1]);
    return 1;
  }
  return 0;
}

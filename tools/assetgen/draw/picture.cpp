// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/picture.h"

#include <stdexcept>
#include <string>

namespace zephyrant::assetgen {

Picture Finished(const Image& image, const Finish& finish) {
  Picture picture(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Pixel& p = image.At(x, y);
      if (p.a < finish.threshold) continue;
      picture.solid[y * picture.width + x] = 1;
      if (finish.over_space) {
        picture.At(x, y) = Colour{p.r, p.g, p.b} + kSpace * (1 - std::min(p.a, 1.0f));
      } else {
        picture.At(x, y) = Colour{p.r / p.a, p.g / p.a, p.b / p.a};
      }
    }
  }
  if (!finish.outline) return picture;
  std::vector<uint8_t> rim(picture.solid.size(), 0);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.Solid(x, y)) continue;
      for (int dy = -1; dy <= 1 && !rim[y * picture.width + x]; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx;
          const int ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= picture.width || ny >= picture.height) continue;
          if (picture.Solid(nx, ny)) {
            rim[y * picture.width + x] = 1;
            break;
          }
        }
      }
    }
  }
  for (size_t i = 0; i < rim.size(); ++i) {
    if (!rim[i]) continue;
    picture.solid[i] = 1;
    picture.colour[i] = finish.outline_colour;
  }
  return picture;
}

Picture Sheet(const ImageSpec& item, const std::function<Picture(int pattern)>& paint) {
  const int pw = item.pattern_width > 0 ? item.pattern_width : item.width;
  const int ph = item.pattern_height > 0 ? item.pattern_height : item.height;
  Picture sheet(item.width, item.height);
  const int across = item.width / pw;
  for (int i = 0; i < item.PatternCount(); ++i) {
    const Picture frame = paint(i);
    if (frame.width != pw || frame.height != ph) {
      throw std::logic_error(item.name + ": pattern " + std::to_string(i) + " is " +
                             std::to_string(frame.width) + "x" + std::to_string(frame.height));
    }
    Place(sheet, frame, (i % across) * pw, (i / across) * ph);
  }
  return sheet;
}

void Place(Picture& to, const Picture& from, int x, int y) {
  for (int fy = 0; fy < from.height; ++fy) {
    for (int fx = 0; fx < from.width; ++fx) {
      const int tx = x + fx;
      const int ty = y + fy;
      if (tx < 0 || ty < 0 || tx >= to.width || ty >= to.height) continue;
      to.colour[ty * to.width + tx] = from.colour[fy * from.width + fx];
      to.solid[ty * to.width + tx] = from.solid[fy * from.width + fx];
    }
  }
  to.dither = to.dither || from.dither;
}

}  // namespace zephyrant::assetgen

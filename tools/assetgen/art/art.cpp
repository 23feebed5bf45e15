// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/art/art.h"

#include <stdexcept>

namespace zephyrant::assetgen {

namespace {

bool IsMenuArt(const std::string& name) {
  return name == "cursor" || name.rfind("track", 0) == 0 || name.rfind("img_", 0) == 0;
}

}  // namespace

void UnknownPicture(const std::string& area, const ImageSpec& item) {
  throw std::logic_error(area + " has no picture called '" + item.name + "'");
}

Picture PaintPicture(const ImageListSpec& list, const ImageSpec& item,
                     const std::string& font_path) {
  switch (list.holder) {
    case Holder::kShip:
      if (list.name == "Hero") return PaintShip(item);
      if (list.name == "ListShell") return PaintPlayerShot(item);
      if (list.name == "ListBonus") return PaintPickup(item);
      break;
    case Holder::kBoss:
      if (list.name == "Boss") return PaintBoss(item);
      if (list.name == "ListShell" || list.name == "ListSh") return PaintBossShot(item);
      break;
    case Holder::kEnemy:
      if (list.name == "LittleBoss") return PaintEnemy(item);
      if (list.name == "Level4") return PaintMine(item);
      if (list.name == "LittleShell") return PaintEnemyShot(item);
      break;
    case Holder::kExplosion:
      return PaintExplosion(item);
    case Holder::kMain:
      if (list.name == "Background") return PaintBackground(item);
      if (list.name == "HighScores") return PaintGlyph(item, font_path);
      if (list.name == "Menu_Img" || IsMenuArt(item.name)) return PaintMenuArt(item);
      return PaintText(list.name, item, font_path);
  }
  throw std::logic_error("no painter for the list " + list.name);
}

}  // namespace zephyrant::assetgen

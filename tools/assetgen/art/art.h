// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "tools/assetgen/draw/canvas.h"
#include "tools/assetgen/draw/picture.h"

namespace zephyrant::assetgen {

// Paints one picture of the catalogue at its exact size and pattern layout.
// `font_path` is the display font of the text pictures.
Picture PaintPicture(const ImageListSpec& list, const ImageSpec& item,
                     const std::string& font_path);

// The areas of the game's art; each paints the items of its lists and
// raises std::logic_error for a name it does not know.
Picture PaintShip(const ImageSpec& item);        // Hero
Picture PaintPlayerShot(const ImageSpec& item);  // ListShell of the ship
Picture PaintPickup(const ImageSpec& item);      // ListBonus
Picture PaintBoss(const ImageSpec& item);        // Boss
Picture PaintBossShot(const ImageSpec& item);    // ListShell of the bosses, ListSh
Picture PaintEnemy(const ImageSpec& item);       // LittleBoss
Picture PaintMine(const ImageSpec& item);        // Level4
Picture PaintEnemyShot(const ImageSpec& item);   // LittleShell
Picture PaintExplosion(const ImageSpec& item);   // the explosion list
Picture PaintBackground(const ImageSpec& item);  // Background
Picture PaintMenuArt(const ImageSpec& item);     // pointer, track bars, decorations
Picture PaintGlyph(const ImageSpec& item, const std::string& font_path);  // HighScores
Picture PaintText(const std::string& list, const ImageSpec& item, const std::string& font_path);

// The player's ship, in picture pixels of a kHeroWidth x kHeroHeight canvas
// of any fineness.
inline constexpr int kHeroWidth = 45;
inline constexpr int kHeroHeight = 72;
void DrawHero(Canvas& c);

// The game's icon: the ship drawn afresh at side x side pixels, centred,
// anti-aliased and see-through around it, with the dark rim the game's
// sprites have. 0xAARRGGBB, top row first.
std::vector<uint32_t> PaintIcon(int side);

[[noreturn]] void UnknownPicture(const std::string& area, const ImageSpec& item);

}  // namespace zephyrant::assetgen

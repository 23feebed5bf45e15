// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/asset_catalogue.h"
#include "framework/platform.h"
#include "tools/assetgen/sounds/synth.h"

namespace zephyrant::assetgen {

// Synthesises one sound of the catalogue at its exact rate, depth and length.
WaveData MakeSound(const SoundSpec& spec);

// The sounds by area; each fills a track of the catalogue's rate and length.
void ShipSound(const std::string& name, Track& track);       // the player's weapons
void EnemySound(const std::string& name, Track& track);      // enemy fire
void ExplosionSound(const std::string& name, Track& track);  // every *_exp
void MenuSound(const std::string& name, Track& track);       // button, click
void Music(Track& track);                                    // music1, one seamless loop

}  // namespace zephyrant::assetgen

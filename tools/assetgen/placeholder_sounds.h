#pragma once

#include "framework/asset_catalogue.h"
#include "framework/platform.h"

namespace zephyrant::assetgen {

// A stand-in for one sound of the catalogue: stereo, at the catalogue's rate
// and depth, round(seconds x rate) frames long. Effects are quiet tones and
// noise bursts that fade to silence; a looped sound repeats without a click.
WaveData PlaceholderSound(const SoundListSpec& list, int list_index, int item_index);

}  // namespace zephyrant::assetgen

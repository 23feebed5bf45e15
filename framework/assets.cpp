// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/assets.h"

#include "framework/bounded_file.h"
#include "framework/media_error.h"
#include "framework/media_files.h"

namespace zephyrant {

namespace {

constexpr int kSoundChannels = 2;
constexpr const char* kFontFile = "fonts/LiberationSans-Regular.ttf";

std::unique_ptr<ImageList> LoadImageList(const std::string& folder, const ImageListSpec& spec) {
  auto list = std::make_unique<ImageList>(spec.name);
  for (int i = 0; i < static_cast<int>(spec.items.size()); ++i) {
    const ImageSpec& item = spec.items[i];
    const std::string path = folder + "/" + ImagePath(spec, i);
    // The game places sprites by their pattern size, so a picture of another
    // size would be cut into the wrong frames.
    IndexedPicture picture = ReadBmp8OfSize(path, item.width, item.height);
    list->Add(std::make_unique<PictureItem>(item.name, std::move(picture), item.pattern_width,
                                            item.pattern_height, item.key));
  }
  return list;
}

// A sound may run somewhat longer than its catalogue length, never without end.
double LongestSeconds(const SoundSpec& item) {
  return 2 * item.seconds + 1;
}

std::unique_ptr<SoundList> LoadSoundList(const std::string& folder, const SoundListSpec& spec,
                                         AudioDevice& audio, std::vector<SoundEvent>* sound_log) {
  auto list = std::make_unique<SoundList>(spec.name, audio, sound_log);
  for (int i = 0; i < static_cast<int>(spec.items.size()); ++i) {
    const SoundSpec& item = spec.items[i];
    const std::string path = folder + "/" + SoundPath(spec, i);
    WaveData wave = ReadWavWithin(
        path, WaveLimits{item.sample_rate, item.bits, kSoundChannels, LongestSeconds(item)});
    list->Add(item.name, std::move(wave), item.looped);
  }
  return list;
}

}  // namespace

AssetLibrary::AssetLibrary(const std::string& folder, AudioDevice& audio,
                           std::vector<SoundEvent>* sound_log)
    : folder_(folder) {
  for (const ImageListSpec& spec : ImageCatalogue()) {
    images_.emplace_back(spec.holder, LoadImageList(folder_, spec));
  }
  for (const SoundListSpec& spec : SoundCatalogue()) {
    sound_lists_.push_back(LoadSoundList(folder_, spec, audio, sound_log));
  }
  font_path_ = folder_ + "/" + kFontFile;
  const BoundedFile font = ReadBoundedFile(font_path_, 0);
  if (!font.Read()) throw MediaError(font_path_ + ": " + font.problem);
}

const ImageList& AssetLibrary::Images(Holder holder, const std::string& list) const {
  for (const auto& [list_holder, images] : images_) {
    if (list_holder == holder && images->Name() == list) return *images;
  }
  throw MediaError("Image list '" + list + "' of " + HolderFolder(holder) + " not found");
}

SoundList& AssetLibrary::Sounds(const std::string& list) {
  for (const auto& waves : sound_lists_) {
    if (waves->Name() == list) return *waves;
  }
  throw MediaError("Wave list '" + list + "' not found");
}

}  // namespace zephyrant

// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/image_list.h"

#include "framework/media_error.h"

namespace zephyrant {

PictureItem::PictureItem(std::string name, IndexedPicture picture, int pattern_width,
                         int pattern_height, Rgb transparent_color)
    : Name(std::move(name)),
      PatternWidth(pattern_width),
      PatternHeight(pattern_height),
      TransparentColor(transparent_color),
      width_(picture.width),
      height_(picture.height),
      picture_(std::move(picture)) {}

void PictureItem::Convert() const {
  converted_ = true;
  pixels_.resize(picture_.indices.size());
  for (size_t i = 0; i < pixels_.size(); ++i) {
    const uint8_t index = picture_.indices[i];
    pixels_[i] = index < picture_.palette.size() ? PackRgb(picture_.palette[index]) : 0u;
  }
  picture_ = IndexedPicture{};
  FindRuns();
}

// Copying run by run costs a little per run plus the opaque pixels; the
// branch-free select copy costs a fraction of every pixel, key or not. Runs
// win on sparse pictures (the cloud layer) and on long solid stretches; the
// select wins on small, ragged sprites.
void PictureItem::FindRuns() const {
  constexpr int kRunCost = 8;      // in pixels copied
  constexpr int kSelectShare = 2;  // the select costs one pixel copied per this many pixels
  const int count = PatternCount();
  runs_.assign(count, PatternRuns{});
  opaque_.assign(count, 0);
  const uint32_t key = PackRgb(TransparentColor);
  for (int i = 0; i < count; ++i) {
    const Rect r = PatternRect(i);
    PatternRuns& runs = runs_[i];
    int opaque_pixels = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      runs.row_start.push_back(static_cast<uint32_t>(runs.runs.size()));
      const uint32_t* row = pixels_.data() + static_cast<size_t>(y) * width_;
      for (int x = r.left; x < r.right;) {
        if (row[x] == key) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < r.right && row[x] != key) ++x;
        runs.runs.push_back(PatternRuns::Run{static_cast<uint16_t>(start - r.left),
                                             static_cast<uint16_t>(x - start)});
        opaque_pixels += x - start;
      }
    }
    runs.row_start.push_back(static_cast<uint32_t>(runs.runs.size()));
    opaque_[i] = opaque_pixels == r.Width() * r.Height();
    const int run_cost = kRunCost * static_cast<int>(runs.runs.size()) + opaque_pixels;
    const bool runs_pay = run_cost < r.Width() * r.Height() / kSelectShare;
    if (opaque_[i] || !runs_pay) runs = PatternRuns{};
  }
}

int PictureItem::PatternCount() const {
  const int w = Width();
  const int h = Height();
  if (w <= 0 || h <= 0) return 0;
  return (width_ / w) * (height_ / h);
}

Rect PictureItem::PatternRect(int i) const {
  if (i < 0 || i >= PatternCount()) return Rect{};
  const int per_row = width_ / Width();
  return RectOfSize((i % per_row) * Width(), (i / per_row) * Height(), Width(), Height());
}

bool PictureItem::PatternOpaque(int i) const {
  if (i < 0 || i >= PatternCount()) return false;
  EnsureConverted();
  return opaque_[i] != 0;
}

PatternView PictureItem::Pattern(int i) const {
  const Rect r = PatternRect(i);
  if (r.Empty()) return PatternView{};
  EnsureConverted();
  PatternView view;
  view.pixels = pixels_.data() + static_cast<size_t>(r.top) * width_ + r.left;
  view.stride = width_;
  view.width = r.Width();
  view.height = r.Height();
  view.key = PackRgb(TransparentColor);
  view.transparent = Transparent;
  view.opaque = opaque_[i] != 0;
  view.runs = runs_[i].row_start.empty() ? nullptr : &runs_[i];
  return view;
}

void PictureItem::Draw(Surface* surface, int x, int y, int pattern) const {
  if (surface == nullptr) return;
  surface->BlitKeyed(Pattern(pattern), x, y);
}

PictureItem& ImageList::Add(std::unique_ptr<PictureItem> item) {
  items_.push_back(std::move(item));
  return *items_.back();
}

const PictureItem& ImageList::Item(int index) const {
  if (index < 0 || index >= Count()) {
    throw MediaError("Image list '" + name_ + "' has no item " + std::to_string(index));
  }
  return *items_[index];
}

const PictureItem* ImageList::Find(std::string_view name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : items_[i].get();
}

int ImageList::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i]->Name == name) return static_cast<int>(i);
  }
  return -1;
}

const PictureItem& ImageList::Item(std::string_view name) const {
  const PictureItem* item = Find(name);
  if (item == nullptr) throw MediaError("Image '" + std::string(name) + "' not found");
  return *item;
}

}  // namespace zephyrant

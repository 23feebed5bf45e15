// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/state_text.h"

#include <cxxabi.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <variant>

#include "framework/asset_catalogue.h"
#include "platform/common/replay_file.h"

namespace zephyrant {

namespace {

void AppendBool(std::string& out, bool value) {
  out += value ? "true" : "false";
}

template <class T, size_t N, class Append>
void AppendArray(std::string& out, const std::array<T, N>& values, Append append) {
  out += '[';
  for (size_t i = 0; i < N; ++i) {
    if (i > 0) out += ',';
    append(out, values[i]);
  }
  out += ']';
}

void AppendVar(std::string& out, const VarPointer& pointer) {
  struct {
    std::string& out;
    void operator()(int32_t* v) const { AppendJsonInt(out, *v); }
    void operator()(double* v) const { AppendJsonNumber(out, *v); }
    void operator()(std::string* v) const { AppendJsonString(out, *v); }
    void operator()(std::array<int32_t, 7>* v) const {
      AppendArray(out, *v, [](std::string& o, int32_t x) { AppendJsonInt(o, x); });
    }
    void operator()(std::array<std::string, 7>* v) const {
      AppendArray(out, *v, [](std::string& o, const std::string& x) { AppendJsonString(o, x); });
    }
  } visitor{out};
  std::visit(visitor, pointer);
}

// The machine's desktop is the host's, not the game's: a replay played on
// another screen is the same game.
bool IsDesktopVar(const char* name) {
  return std::strcmp(name, "desktop_width") == 0 || std::strcmp(name, "desktop_height") == 0;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;  // UTF-8 passes through as it is
        }
    }
  }
  out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  out.append(text, result.ptr);
}

std::string ClassName(const std::type_info& type) {
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  std::string name = status == 0 && demangled ? demangled.get() : type.name();
  static constexpr std::string_view kNamespace = "zephyrant::";
  for (size_t at = name.find(kNamespace); at != std::string::npos; at = name.find(kNamespace)) {
    name.erase(at, kNamespace.size());
  }
  return name;
}

StateWriter::StateWriter(AssetLibrary& assets) {
  for (const ImageListSpec& spec : ImageCatalogue()) {
    const ImageList& list = assets.Images(spec.holder, spec.name);
    for (int i = 0; i < list.Count(); ++i) list_of_.emplace(&list.Item(i), list.Name());
  }
}

void StateWriter::AppendImage(std::string& out, const PictureItem* image) const {
  const auto found = image != nullptr ? list_of_.find(image) : list_of_.end();
  AppendJsonKey(out, "list");
  if (found != list_of_.end()) {
    AppendJsonString(out, found->second);
  } else {
    out += "null";
  }
  out += ',';
  AppendJsonKey(out, "image");
  if (image != nullptr) {
    AppendJsonString(out, image->Name);
  } else {
    out += "null";
  }
  out += ',';
}

void StateWriter::AppendSprite(std::string& out, const Sprite& sprite) const {
  const auto* image_sprite =
      sprite.IsImageSprite() ? static_cast<const ImageSprite*>(&sprite) : nullptr;
  const auto* background = dynamic_cast<const BackgroundSprite*>(&sprite);
  out += '{';
  AppendJsonKey(out, "class");
  AppendJsonString(out, ClassName(typeid(sprite)));
  out += ',';
  AppendImage(out, image_sprite ? image_sprite->Image : background ? background->Image : nullptr);
  AppendJsonKey(out, "x");
  AppendJsonNumber(out, sprite.X);
  out += ',';
  AppendJsonKey(out, "y");
  AppendJsonNumber(out, sprite.Y);
  out += ',';
  AppendJsonKey(out, "z");
  AppendJsonInt(out, sprite.Z());
  out += ',';
  AppendJsonKey(out, "width");
  AppendJsonInt(out, sprite.Width);
  out += ',';
  AppendJsonKey(out, "height");
  AppendJsonInt(out, sprite.Height);
  out += ',';
  AppendJsonKey(out, "frame_pos");
  if (image_sprite != nullptr) {
    AppendJsonNumber(out, image_sprite->FramePos);
  } else {
    out += "null";
  }
  out += ',';
  AppendJsonKey(out, "frame_speed");
  if (image_sprite != nullptr) {
    AppendJsonNumber(out, image_sprite->FrameSpeed);
  } else {
    out += "null";
  }
  out += ',';
  AppendJsonKey(out, "visible");
  AppendBool(out, sprite.Visible);
  out += ',';
  AppendJsonKey(out, "killed");
  AppendBool(out, sprite.Killed());
  if (sprite.IsRotatedSprite()) {
    out += ',';
    AppendJsonKey(out, "angle");
    AppendJsonInt(out, static_cast<const RotatedSprite&>(sprite).Angle);
  }
  out += '}';
}

void StateWriter::AppendVarsAndSprites(std::string& out, GameWorld& world,
                                       bool with_desktop) const {
  AppendJsonKey(out, "vars");
  out += '{';
  bool first = true;
  for (const VarRef& var : Vars(world.State())) {
    if (!with_desktop && IsDesktopVar(var.name)) continue;
    if (!first) out += ',';
    first = false;
    AppendJsonKey(out, var.name);
    AppendVar(out, var.pointer);
  }
  out += "},";
  AppendJsonKey(out, "sprites");
  AppendJsonList(out, world.Engine().Sprites(),
             [this](std::string& o, const Sprite* s) { AppendSprite(o, *s); });
}

uint64_t StateWriter::Hash(GameWorld& world) const {
  std::string out = "{";
  AppendVarsAndSprites(out, world, false);
  out += '}';
  return Fnv1a64(out);
}

void AppendJsonKey(std::string& out, const char* key) {
  AppendJsonString(out, key);
  out += ':';
}

void AppendJsonInt(std::string& out, long long value) {
  out += std::to_string(value);
}

}  // namespace zephyrant

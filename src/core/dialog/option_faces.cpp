#include "core/dialog/option_faces.h"

#include <unordered_map>

#include "core/options/catalogue.h"

namespace markwash {
namespace {

std::unordered_map<std::string_view, OptionFace> BuildFaces() {
  std::unordered_map<std::string_view, OptionFace> faces;
  for (const OptionEntry& entry : Catalogue()) {
    OptionFace face;
    face.group = entry.group;
    face.caption = entry.caption;
    face.hint = entry.hint;
    face.items = entry.items;
    face.checked = entry.built.checked;
    face.enabled = entry.built.enabled;
    face.item = entry.built.item;
    face.text = entry.built.text;
    face.position = entry.built.position;
    face.min = entry.min;
    face.max = entry.max;
    faces.emplace(entry.name, face);
  }
  return faces;
}

}  // namespace

const OptionFace* FindOptionFace(std::string_view name) {
  static const auto faces = BuildFaces();
  auto it = faces.find(name);
  return it == faces.end() ? nullptr : &it->second;
}

}  // namespace markwash

// Small skins written in tests: a definition text and named pictures, packed into an
// archive and built into a model the way a load does.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/bitmap.h"
#include "skin/data/bmp.h"
#include "skin/data/skin_model.h"
#include "unit/skin_data/archive_builder.h"

namespace kq::test {

// The arrow width Windows reports at 96 dpi.
inline constexpr int kArrowWidth = 17;

class SkinFixture {
 public:
  explicit SkinFixture(std::string ini) : ini_(std::move(ini)) {}

  SkinFixture& Image(const std::string& name, const Bitmap& picture) {
    const std::vector<std::uint8_t> bmp = WriteBmp24(picture);
    images_.emplace_back(name, std::string(bmp.begin(), bmp.end()));
    return *this;
  }
  // A picture filled with one colour.
  SkinFixture& Image(const std::string& name, int w, int h, Color fill = MakeColor(10, 20, 30)) {
    Bitmap b(w, h);
    b.Fill(fill);
    return Image(name, b);
  }

  std::vector<std::uint8_t> ArchiveBytes() const {
    std::vector<std::pair<std::string, std::string>> entries{{"skin.ini", ini_}};
    entries.insert(entries.end(), images_.begin(), images_.end());
    return Archive(entries);
  }

  // Builds `model` (a fresh one unless given) and returns it.
  TSkinModel Build(int arrowWidth = kArrowWidth) const {
    TSkinModel model;
    BuildInto(model, arrowWidth);
    return model;
  }
  void BuildInto(TSkinModel& model, int arrowWidth = kArrowWidth) const {
    TSkinReader reader;
    const bool loaded = reader.LoadArchive(ArchiveBytes());
    if (!loaded) throw std::runtime_error("test archive rejected");
    TQuickIni ini;
    ini.LoadFromText(ini_);
    model.Build(ini, reader, arrowWidth);
  }

 private:
  std::string ini_;
  std::vector<std::pair<std::string, std::string>> images_;
};

}  // namespace kq::test

// Image references of the definition text: a value naming a bitmap entry of the archive.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bitmap.h"
#include "skin/data/load_budget.h"
#include "skin/data/skin_reader.h"

namespace kq {

// The file name a reference stands for: everything up to the last '\' or ':' dropped.
std::string_view ImageFileName(std::string_view reference);

// The archive entry a reference names, or -1. The reference's extension must be exactly
// ".bmp" (an upper-case extension gives no image); the entry is looked up ignoring case.
int ImageEntry(const TSkinReader& reader, std::string_view reference);

// Loads the entry a reference names into `bitmap`. A missing, empty or unreadable entry, an
// empty name or another extension leaves `bitmap` empty. Returns whether a picture was
// loaded.
bool LoadImage(const TSkinReader& reader, Bitmap& bitmap, std::string_view reference);

// The pictures of one load. Each archive entry is decoded at most once, however many
// objects name it: they all get the one shared picture (Bitmap::Share) and cut their frames
// from it. Every picture is charged to the load's budget before it is decoded; one that
// does not fit is not decoded, and once the budget is broken no picture is loaded at all.
class TSkinImages {
 public:
  TSkinImages(const TSkinReader& reader, TLoadBudget& budget);

  // As LoadImage, through the one decode of the entry.
  bool Load(Bitmap& bitmap, std::string_view reference);

  TLoadBudget& Budget() { return budget_; }

 private:
  const TSkinReader& reader_;
  TLoadBudget& budget_;
  // Per entry: not tried yet, or what its decode gave (empty when it failed).
  std::vector<std::optional<Bitmap>> decoded_;
};

}  // namespace kq

// Image references of the definition text: a value naming a bitmap entry of the archive.
#pragma once

#include <string>
#include <string_view>

#include "base/bitmap.h"
#include "skin/data/skin_reader.h"

namespace kq {

// The file name a reference stands for: everything up to the last '\' or ':' dropped.
std::string_view ImageFileName(std::string_view reference);

// Loads the entry a reference names into `bitmap`. The reference's extension must be
// exactly ".bmp" (an upper-case extension gives no image); the entry is looked up with
// ReadFile, which ignores case. A missing, empty or unreadable entry, an empty name or
// another extension leaves `bitmap` empty. Returns whether a picture was loaded.
bool LoadImage(const TSkinReader& reader, Bitmap& bitmap, std::string_view reference);

}  // namespace kq

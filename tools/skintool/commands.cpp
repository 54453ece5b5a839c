#include "skintool/commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <set>

#include "skin/data/load_budget.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_reader.h"
#include "skin/data/text_lines.h"
#include "skintool/archive.h"
#include "skintool/lzh_encoder.h"
#include "skintool/sheet.h"

namespace kq::skintool {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Failure {
  std::string text;
};

constexpr const char* kUsage =
    "usage: skintool pack <folder> <file.skn>    pack a folder into a skin file\n"
    "       skintool unpack <file.skn> <folder>  write each entry as a file\n"
    "       skintool list <file.skn>             name and length of each entry\n"
    "       skintool encode <in> <out>           LZHUF-compress a file (4-byte length + stream)\n"
    "       skintool decode <in> <out>           expand such a file\n"
    "       skintool sheet <file.skn> <out.bmp>  picture of every object of a skin\n"
    "       skintool stream <file.skn> <out>     the stored property SkinStream: 4-byte\n"
    "                                            length, then the skin file\n"
    "\n"
    "pack takes the files named in <folder>/skin.lst, one per line and in that order, or\n"
    "else every file of the folder sorted by name. unpack writes skin.lst with the stored\n"
    "order, so packing the folder again gives the same archive.\n";

const std::string kLimit = std::to_string(TLZH::kDefaultMaxUnpacked);

Bytes ReadAll(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) throw Failure{path.string() + " is a folder, not a file"};
  std::ifstream f(path, std::ios::binary);
  if (!f) throw Failure{"cannot open " + path.string()};
  Bytes data((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) throw Failure{"cannot read " + path.string()};
  return data;
}

void WriteAll(const fs::path& path, const Bytes& data) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  f.close();
  if (!f) throw Failure{"cannot write " + path.string()};
}

// The whole unpacked archive of a skin file, cut to its declared length.
Bytes Unpack(const fs::path& path, const Bytes& skinFile) {
  if (skinFile.size() < 4) {
    throw Failure{path.string() + ": too short for a skin file (" + std::to_string(skinFile.size()) + " bytes)"};
  }
  const std::int32_t unpacked = TLZH::DeclaredSize(skinFile);
  if (unpacked < 0) throw Failure{path.string() + ": declares a negative unpacked length " + std::to_string(unpacked)};
  Bytes archive;
  const TLoadBudget budget;
  if (!TLZH().Decode(skinFile, archive, budget.Limits().unpackedBytes)) {
    throw Failure{path.string() + ": " + OverBudgetText(budget.UnpackedText())};
  }
  archive.resize(static_cast<std::size_t>(unpacked));
  return archive;
}

ParsedArchive Parse(const fs::path& path, const Bytes& archive) {
  ParsedArchive parsed;
  if (std::string why = ParseArchive(archive, parsed); !why.empty()) throw Failure{path.string() + ": " + why};
  return parsed;
}

std::vector<std::string> FilesToPack(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) throw Failure{folder.string() + " is not a folder"};
  std::vector<std::string> names;
  const fs::path list = folder / kListFile;
  if (fs::exists(list, ec)) {
    const Bytes text = ReadAll(list);
    for (std::string_view line : SplitLines(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()))) {
      line = TrimText(line);
      if (!line.empty()) names.emplace_back(line);
    }
    return names;
  }
  for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (e.is_regular_file() && name != kListFile) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

int Pack(const fs::path& folder, const fs::path& out, std::ostream& report, std::ostream& err) {
  std::vector<ArchiveEntry> entries;
  bool hasDefinition = false;
  for (const std::string& name : FilesToPack(folder)) {
    if (std::string why = CheckEntryName(name); !why.empty()) throw Failure{folder.string() + ": " + why};
    entries.push_back({name, ReadAll(folder / name)});
    hasDefinition = hasDefinition || LowerAscii(name).find(".ini") != std::string::npos;
  }
  if (!hasDefinition) err << "skintool: warning: no file name contains \".ini\": the skin has no definition text\n";
  Bytes archive;
  if (std::string why = BuildArchive(entries, archive); !why.empty()) throw Failure{folder.string() + ": " + why};
  if (archive.size() > static_cast<std::size_t>(TLZH::kDefaultMaxUnpacked)) {
    throw Failure{"the archive of " + std::to_string(archive.size()) + " bytes exceeds the limit of " + kLimit +
                  " that skins are read with"};
  }
  const Bytes skinFile = LzhEncode(archive);
  WriteAll(out, skinFile);
  report << entries.size() << " files, " << archive.size() << " bytes archived, " << skinFile.size()
         << " bytes packed (" << std::fixed << std::setprecision(1)
         << 100.0 * static_cast<double>(skinFile.size()) / static_cast<double>(archive.size()) << "%)\n";
  return 0;
}

int UnpackTo(const fs::path& in, const fs::path& folder, std::ostream& report, std::ostream& err) {
  const ParsedArchive parsed = Parse(in, Unpack(in, ReadAll(in)));
  // Entry names become file names: refuse anything that could land outside the folder.
  for (const ArchiveEntry& e : parsed.entries) {
    if (std::string why = CheckEntryName(e.name); !why.empty()) throw Failure{in.string() + ": " + why};
    if (LowerAscii(e.name) == kListFile) throw Failure{in.string() + ": holds an entry named " + kListFile};
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) throw Failure{"cannot create the folder " + folder.string()};
  std::string list;
  std::set<std::string> written;
  for (const ArchiveEntry& e : parsed.entries) {
    // The program only ever finds the first of names equal but for case.
    if (!written.insert(LowerAscii(e.name)).second) {
      err << "skintool: warning: skipping \"" << e.name << "\": an earlier entry has the same name but for case\n";
      continue;
    }
    WriteAll(folder / e.name, e.data);
    list += e.name + "\r\n";
  }
  WriteAll(folder / kListFile, Bytes(list.begin(), list.end()));
  report << written.size() << " files written to " << folder.string() << "\n";
  return 0;
}

int List(const fs::path& in, std::ostream& report) {
  const Bytes skinFile = ReadAll(in);
  const Bytes archive = Unpack(in, skinFile);
  const ParsedArchive parsed = Parse(in, archive);
  std::size_t total = 0;
  for (const ArchiveEntry& e : parsed.entries) {
    report << std::setw(10) << e.data.size() << "  " << e.name << "\n";
    total += e.data.size();
  }
  report << parsed.entries.size() << " entries, " << total << " bytes of data; archive " << archive.size()
         << " bytes, packed " << skinFile.size() << " bytes\n";
  if (parsed.spareBytes) report << parsed.spareBytes << " bytes after the last entry belong to no entry\n";
  return 0;
}

int Encode(const fs::path& in, const fs::path& out) {
  const Bytes data = ReadAll(in);
  if (data.size() > static_cast<std::size_t>(TLZH::kDefaultMaxUnpacked)) {
    throw Failure{in.string() + ": larger than the limit of " + kLimit + " bytes"};
  }
  WriteAll(out, LzhEncode(data));
  return 0;
}

// Writes exactly what the decoder produces, including a damaged stream's overrun.
int Decode(const fs::path& in, const fs::path& out) {
  const Bytes skinFile = ReadAll(in);
  if (skinFile.size() < 4) throw Failure{in.string() + ": too short for a skin file"};
  Bytes data;
  if (!TLZH().Decode(skinFile, data)) {
    throw Failure{in.string() + ": declares more unpacked bytes than the limit of " + kLimit};
  }
  WriteAll(out, data);
  return 0;
}

// The form in which a window definition stores a skin component's skin ("SkinStream"): a
// little-endian 4-byte length, then the skin file as it is.
int Stream(const fs::path& in, const fs::path& out) {
  const Bytes skinFile = ReadAll(in);
  if (skinFile.size() > 0x7FFFFFFFu) throw Failure{in.string() + ": too large for a stored skin"};
  Bytes stream(4 + skinFile.size());
  const auto n = static_cast<std::uint32_t>(skinFile.size());
  for (int i = 0; i < 4; ++i) stream[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(skinFile.begin(), skinFile.end(), stream.begin() + 4);
  WriteAll(out, stream);
  return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string cmd = args.empty() ? "" : args[0];
  try {
    if (cmd == "pack" && args.size() == 3) return Pack(args[1], args[2], out, err);
    if (cmd == "unpack" && args.size() == 3) return UnpackTo(args[1], args[2], out, err);
    if (cmd == "list" && args.size() == 2) return List(args[1], out);
    if (cmd == "encode" && args.size() == 3) return Encode(args[1], args[2]);
    if (cmd == "decode" && args.size() == 3) return Decode(args[1], args[2]);
    if (cmd == "sheet" && args.size() == 3) return SheetCommand(args[1], args[2], out, err);
    if (cmd == "stream" && args.size() == 3) return Stream(args[1], args[2]);
  } catch (const Failure& f) {
    err << "skintool: " << f.text << "\n";
    return 1;
  } catch (const std::exception& e) {
    err << "skintool: " << e.what() << "\n";
    return 1;
  }
  err << kUsage;
  return 2;
}

}  // namespace kq::skintool

#pragma once
// Where an imported database file is kept: in the data folder, under the chosen file's name or,
// when a file of that name is already there, under the first free name with a number put in
// before the first "." (names.rec, names0.rec ... names9.rec, names10.rec ...). The import
// itself writes nothing; the editor's OK later writes to this name, so it must be free.

#include <filesystem>
#include <functional>

namespace vitalune {

// Whether something (a file, a folder, a dangling link) already has this name.
using NameTaken = std::function<bool(const std::filesystem::path&)>;
bool NameTakenOnDisk(const std::filesystem::path& path);

// The name with `number` put in before the first "." of it ("names.rec", 3 -> "names3.rec";
// a name without "." gets the number at its end).
std::filesystem::path NumberedFileName(const std::filesystem::path& fileName,
                                       unsigned long long number);

// The first name under `folder` that is not taken: `fileName` itself, else the numbered names
// from 0 upwards. `fileName` is a bare file name (any folder part of it is dropped).
std::filesystem::path ImportTargetPath(const std::filesystem::path& folder,
                                       const std::filesystem::path& fileName,
                                       const NameTaken& taken = NameTakenOnDisk);

}  // namespace vitalune

#pragma once

#include "settings/atomic_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellomir::startup {

/// The version string of this program and the name of its marker file,
/// "KARV" + version + ".DAT".
inline constexpr std::string_view kVersionString = "0520";
std::string versionMarkerName();
/// The marker's one line: "Marbleon version: 05.20".
std::string versionMarkerText();

/// Writes the version marker into `folder` (ending with "/") unless it is
/// there already. A marker that exists is never rewritten.
settings::WriteResult writeVersionMarker(std::string_view folder);

/// The files earlier installations left behind, relative to the program
/// directory, grouped by the file whose presence marks the group: a group
/// is removed only when its first file exists.
std::vector<std::vector<std::string>> leftoverFileGroups();

/// Removes the leftover files of earlier installations from `programDirectory`
/// (ending with "/"). Files that are missing or cannot be removed are
/// skipped. Returns how many files were removed.
int removeLeftoverFiles(std::string_view programDirectory);

/// Removes the temporary files an earlier run left behind when it was killed
/// in the middle of a write: "rpl" + process id + "_" + counter + "_" +
/// number in each of `folders` (ending with "/"), and the catalogue
/// compiler's "GAMES.DAT.tmp" + process id in `programDirectory`. Files of a
/// process that still runs are kept. Returns how many were removed.
int removeStaleTemporaryFiles(const std::vector<std::string>& folders,
                              std::string_view programDirectory);

} // namespace vellomir::startup

#include "settings/set_aside.h"

#include "settings/atomic_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace vellomir::settings {
namespace {

// Renames without replacing an existing file: a hard link to the new name
// (which fails when it exists), then the old name goes. Where links are not
// possible, a rename after a check.
int renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno == EEXIST) {
        return EEXIST;
    }
    if (::access(to.c_str(), F_OK) == 0) {
        return EEXIST;
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

SetAside setAsideFile(const std::filesystem::path& file) {
    SetAside result;
    int error = EEXIST;
    for (int n = 1; n <= kMostSetAsideCopies && error == EEXIST; ++n) {
        std::filesystem::path copy = file;
        copy += std::string(kSetAsideSuffix) + (n == 1 ? std::string() : "-" + std::to_string(n));
        error = renameNoReplace(file, copy);
        if (error == 0) {
            result.ok = true;
            result.copy = copy;
            result.sentence = "It was kept as " + quoted(copy) + ".";
            return result;
        }
    }
    result.sentence =
        "It could not be kept aside (" +
        (error == EEXIST ? std::string("too many copies are kept already") : errorText(error)) +
        "); it is left as it is.";
    return result;
}

} // namespace vellomir::settings

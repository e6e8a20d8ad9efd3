// Replacing a whole file so that a failure never leaves it half written.
#pragma once

#include <string>

namespace brelvox {

// Writes `content` to a new file beside `path` and renames it over `path`.
// Refuses (returns false, leaving everything as it was) when `path` is a
// directory, is not writable for its owner (checked on the permission bits,
// which a rename as root would ignore) or for this user, is a dangling or
// looping symbolic link, or when anything in writing fails. A symbolic link to
// a regular file is kept: its target is replaced. The replaced file keeps its
// mode, and its owner where this user may set it.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);

}  // namespace brelvox

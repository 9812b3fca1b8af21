#pragma once

#include <filesystem>
#include <string_view>

namespace ledfont {

// Replaces `target` with `bytes` so that it is never left half written: the bytes go to a temporary file in
// the target's folder, are flushed to the disk, and only then is the temporary renamed over the target. On
// any failure the target is untouched, the temporary is removed and an Error with the path is thrown (a full
// disk or a file-size limit is DiskFull, a missing folder PathNotFound, no access PermissionDenied). A target
// that is a symbolic link is written through to the file it names and stays a link; a target that exists but
// is not a regular file (folder, device, pipe) is refused with PathFileAccessError. An existing target keeps
// its permission bits; a new one gets the usual ones for a new file.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace ledfont

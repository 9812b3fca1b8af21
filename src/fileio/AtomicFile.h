#pragma once

#include <filesystem>
#include <string_view>

namespace ledfont::fileio {

// Replaces `target` with `bytes` so that it is never left half written: the bytes go to a temporary file in
// the target's folder, are flushed to the disk, and only then is the temporary renamed over the target. On
// any failure the target is untouched, the temporary is removed and a FileError with the path is thrown (a
// full disk or a file-size limit is DiskFull, a missing folder PathNotFound, no access PermissionDenied). A
// target that is a symbolic link is written through to the file it names and stays a link. A FIFO or a
// character device (a pipe, a terminal, /dev/stdout) cannot be replaced and keeps nothing, so it is written
// directly; any other target that is no regular file (a folder, a block device) is refused with NotAFile,
// and one that may not be written (no write bit for anyone, even for the superuser, or none for this user)
// with PermissionDenied. An existing target keeps its permission bits and owner; a new one gets the usual
// ones for a new file. On Linux the new content has no name until it is complete, so a writer killed part
// way leaves nothing behind; a temporary that a writer killed while renaming did leave is removed by the
// next write of the same target.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Makes a write beyond the process's file-size limit fail with EFBIG, which writeFileAtomically reports as
// DiskFull, instead of killing the process with SIGXFSZ (and the editor's unsaved work with it). Programs
// call it once at start; elsewhere than on POSIX systems it does nothing.
void ignoreFileSizeSignal();

}  // namespace ledfont::fileio

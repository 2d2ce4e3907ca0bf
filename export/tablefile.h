#pragma once

#include "common/errors.h"
#include "transients/texttable.h"

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vorneta {

// The system calls through which a file's new content reaches the disk. The program always
// uses the real ones; the tests put a failing disk under the writer by replacing one of them.
struct FileCalls
{
    std::function<int(char *pattern)> makeTemporary;
    std::function<ssize_t(int fd, const void *data, std::size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(int fd)> close;
    std::function<int(const char *from, const char *to)> rename;

    static FileCalls system();
};

// Gives the file at path (a local 8-bit path, as the file system spells it) the content bytes,
// all of it or nothing: the bytes go to a new temporary file in the same folder, which takes the
// chosen name only after every write, the flush to the disk and the close have succeeded. On any
// failure the earlier file stays exactly as it was, no temporary file is left behind, and a
// FileError says why. A name that is a symbolic link replaces the file the link points to. An
// existing file that is marked read-only (or that this user may not write) is refused with
// "File access denied", even for the superuser. An existing file keeps its permissions.
void replaceFile(const std::string &path, std::string_view bytes,
    const FileCalls &calls = FileCalls::system());

// A table written to the file at path as encodeTable gives it, by replaceFile.
void writeTableFile(const std::string &path, const TextTable &table,
    const FileCalls &calls = FileCalls::system());

// The failure for a system error number: a folder that does not exist or a name the file system
// does not take is "Invalid filename"; no right to write (a read-only file, folder or file
// system, a folder in the file's place) is "File access denied"; too many open files is "Too
// many open files"; anything else is "I/O error" with the number (a full disk: 28).
FileError fileErrorFor(int errorNumber);

}  // namespace vorneta

#include "export/tablefile.h"

#include "export/tableencoding.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Why the writer talks to the system itself instead of through QSaveFile: QSaveFile commits
// the same way (temporary file, rename), but it reports failures as a handful of its own
// categories and drops the system's error number, which the error box must show ("I/O error
// 28" for a full disk, "Too many open files" apart from "File access denied"). It also renames
// over a read-only file without a word. The calls below are the same steps with every error
// number kept.

namespace vorneta {

namespace {

// The folder part of a path, with its trailing "/", or "" for a bare name (the current folder).
std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

[[noreturn]] void fail(int errorNumber)
{
    throw fileErrorFor(errorNumber);
}

std::string readLink(const std::string &link, std::size_t sizeHint)
{
    std::vector<char> buffer(sizeHint + 2);
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            fail(errno);
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);  // the link changed under us; read it again
    }
}

// Follows symbolic links from path to the name whose file is to be replaced: the first name
// along the chain that is not a link, or that does not exist yet (a dangling link creates the
// file it points to). Replacing the link itself would cut it off from its file.
std::string resolveLinks(std::string path)
{
    constexpr int maximumLinks = 40;  // as the kernel allows when it resolves a path
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT)
                return path;
            fail(errno);
        }
        if (!S_ISLNK(status.st_mode))
            return path;
        if (links == maximumLinks)
            fail(ELOOP);
        std::string target = readLink(path, static_cast<std::size_t>(status.st_size));
        if (target.empty())
            fail(ENOENT);
        path = target.front() == '/' ? target : folderOf(path) + target;
    }
}

mode_t currentUmask()
{
    // Reading the mask means setting it; no other thread of this program creates files.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The temporary file until it takes its name: closed and removed unless committed.
class Temporary
{
public:
    Temporary(std::string pattern, const FileCalls &calls) : path_(std::move(pattern)), calls_(calls)
    {
        fd_ = calls_.makeTemporary(path_.data());
        if (fd_ < 0)
            fail(errno);
    }
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;

    ~Temporary()
    {
        const int saved = errno;
        if (fd_ >= 0)
            calls_.close(fd_);
        if (!committed_)
            ::unlink(path_.c_str());
        errno = saved;
    }

    int fd() const { return fd_; }
    const std::string &path() const { return path_; }

    void write(std::string_view bytes)
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = calls_.write(fd_, bytes.data() + done, bytes.size() - done);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                fail(errno);
            }
            if (written == 0)
                fail(EIO);
            done += static_cast<std::size_t>(written);
        }
    }

    // Writes out everything the system still holds for the file and closes it; a full disk or
    // a failing device shows itself here at the latest.
    void finish()
    {
        if (calls_.sync(fd_) != 0 && errno != EINVAL)  // EINVAL: the file system cannot sync
            fail(errno);
        const int fd = fd_;
        fd_ = -1;  // released by close whatever it answers
        if (calls_.close(fd) != 0 && errno != EINTR)
            fail(errno);
    }

    void commitAs(const std::string &name)
    {
        if (calls_.rename(path_.c_str(), name.c_str()) != 0)
            fail(errno);
        committed_ = true;
    }

private:
    std::string path_;
    const FileCalls &calls_;
    int fd_ = -1;
    bool committed_ = false;
};

void syncFolder(const std::string &folder)
{
    // Makes the new name itself durable; a file system that cannot do it loses nothing by that.
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileCalls FileCalls::system()
{
    FileCalls calls;
    calls.makeTemporary = [](char *pattern) { return ::mkostemp(pattern, O_CLOEXEC); };
    calls.write = [](int fd, const void *data, std::size_t size) { return ::write(fd, data, size); };
    calls.sync = [](int fd) { return ::fsync(fd); };
    calls.close = [](int fd) { return ::close(fd); };
    calls.rename = [](const char *from, const char *to) { return ::rename(from, to); };
    return calls;
}

FileError fileErrorFor(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:        // a folder on the way does not exist
    case ENOTDIR:       // a file stands where a folder of the path should be
    case ENAMETOOLONG:
    case ELOOP:         // links that lead round in a circle
    case EINVAL:        // a name the file system does not take (such as ":" on FAT)
    case EILSEQ:
        return FileError(3);
    case EMFILE:
    case ENFILE:
        return FileError(4);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:        // a folder stands in the file's place
        return FileError(5);
    default:
        return FileError::ioError(errorNumber);
    }
}

void replaceFile(const std::string &path, std::string_view bytes, const FileCalls &calls)
{
    if (path.empty() || path.back() == '/' || path.find('\0') != std::string::npos)
        throw FileError(3);

    const std::string target = resolveLinks(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        fail(errno);
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            fail(EISDIR);
        // A device, a pipe or a socket is never swapped for an ordinary file.
        if (!S_ISREG(existing.st_mode))
            fail(EACCES);
        // A file that nobody may write is read-only, for the superuser too (who the system
        // would let write anything); otherwise the system says whether this user may.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            fail(EACCES);
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            fail(errno);
    }

    const std::string folder = folderOf(target);
    Temporary temporary(folder + ".vorneta-XXXXXX", calls);
    if (exists) {
        // The replacement keeps the earlier file's owner (where this user may give it) and mode.
        if (::fchown(temporary.fd(), existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(temporary.fd(), static_cast<uid_t>(-1), existing.st_gid);
        (void)::fchmod(temporary.fd(), existing.st_mode & 07777);
    } else {
        // As a file newly created by open() would be; the temporary file starts as 0600.
        (void)::fchmod(temporary.fd(), 0666 & ~currentUmask());
    }
    temporary.write(bytes);
    temporary.finish();
    temporary.commitAs(target);
    syncFolder(folder);
}

void writeTableFile(const std::string &path, const TextTable &table, const FileCalls &calls)
{
    replaceFile(path, encodeTable(table), calls);
}

}  // namespace vorneta

// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "file_system.h"

#include <QCoreApplication>
#include <QFile>

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace FileSystem
{

namespace
{

constexpr int OpenFlags = O_CLOEXEC | O_NOCTTY;
// Enough to find files in a folder, which may be one that the user may enter
// but not list.
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
constexpr char AccessAcl[] = "system.posix_acl_access";

SettingsError systemError(int error) { return {errnoReason(error), error == EACCES || error == EPERM}; }
Outcome fail(int error, Result result = Result::Failed) { return {result, systemError(error)}; }
// EACCES and EPERM: this user may not.
Outcome failRefusing(int error)
{
    return fail(error, error == EACCES || error == EPERM ? Result::Refused : Result::Failed);
}

class Fd
{
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_ = -1;
};

// Files are first opened with O_PATH, which opens nothing for real: a device
// or FIFO planted under the file's name is looked at, never opened. A file
// found to be regular is then opened through this name of the descriptor,
// which reaches the same file however its names change meanwhile.
QByteArray descriptorPath(int fd) { return "/proc/self/fd/" + QByteArray::number(fd); }

Fd reopen(int pathFd, int flags) { return Fd(::open(descriptorPath(pathFd).constData(), flags | OpenFlags)); }

bool sameFile(int folder, const char *name, int fd)
{
    struct stat named {
    }, opened{};
    return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// The settings file once the links on the way to it are followed: the folder
// that holds the file itself, its name there, and the file, not yet opened.
struct Located {
    Fd folder; // O_PATH
    QByteArray name;
    Fd path; // O_PATH
    struct stat info {
    };
    bool missing = false; // no file and no link of that name: `folder` and `name` say where to make one
};

// As many links as the system itself follows in one path.
constexpr int MaxLinks = 40;

// The text of the link held open, so that it is this link's owner that is
// weighed, whatever is swapped in under its name.
std::optional<SettingsError> readLinkText(const Fd &link, QByteArray &text)
{
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = ::readlinkat(link.get(), "", buffer.data(), buffer.size());
    if (length < 0)
        return systemError(errno);
    if (length == ssize_t(buffer.size()))
        return systemError(ENAMETOOLONG);
    text = QByteArray(buffer.data(), length);
    return std::nullopt;
}

// Finds `path` from the folder `from` (an absolute path from the root) one
// name at a time, and judges every link on the way before following it:
// another user's link is followed only to what that user owns themselves (the
// next link, a folder or the file), so that no chain of links steers this
// user's read or write to a file its maker could not reach. A link in the
// last name is followed only when `followLast`.
std::optional<SettingsError> walk(int from, QByteArrayView path, bool followLast, int &links, Located &out)
{
    Fd folder(::openat(from, path.startsWith('/') ? "/" : ".", FolderFlags));
    if (!folder.valid())
        return systemError(errno);
    QByteArrayList names = path.toByteArray().split('/');
    names.removeAll(QByteArray());
    if (names.isEmpty())
        names.append(".");
    // A path that ends in a slash names a folder, as the system reads it: a
    // link there is followed, and a file found there is refused.
    const bool folderOnly = path.endsWith('/');
    followLast = followLast || folderOnly;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool last = i == names.size() - 1;
        QByteArray name = names[i];
        Fd entry(::openat(folder.get(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!entry.valid()) {
            const int error = errno;
            if (last) {
                out.missing = error == ENOENT;
                out.folder = std::move(folder);
                out.name = name;
            }
            return systemError(error);
        }
        struct stat info {
        };
        if (::fstat(entry.get(), &info) != 0)
            return systemError(errno);
        while (S_ISLNK(info.st_mode) && (followLast || !last)) {
            if (++links > MaxLinks)
                return systemError(ELOOP);
            QByteArray text;
            if (std::optional<SettingsError> error = readLinkText(entry, text))
                return error;
            // A relative link is relative to its folder, reached here by descriptor.
            Located next;
            if (std::optional<SettingsError> error = walk(folder.get(), text, false, links, next))
                return error;
            if (info.st_uid != ::geteuid() && info.st_uid != next.info.st_uid)
                return SettingsError{QCoreApplication::translate(
                    "SettingsFile", "it is a link that another user made to a file that is not theirs")};
            folder = std::move(next.folder);
            name = next.name;
            entry = std::move(next.path);
            info = next.info;
        }
        if (last && folderOnly && !S_ISDIR(info.st_mode)) {
            return systemError(ENOTDIR);
        } else if (last) {
            out.folder = std::move(folder);
            out.name = name;
            out.path = std::move(entry);
            out.info = info;
        } else if (S_ISDIR(info.st_mode)) {
            folder = std::move(entry);
        } else {
            return systemError(ENOTDIR);
        }
    }
    return std::nullopt;
}

// The system refuses, or cannot do at all, what a new file must be given to
// change nothing but the content (FUSE file systems answer ENOSYS or EINVAL).
bool cannotKeep(int error)
{
    return error == EPERM || error == EACCES || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS ||
           error == EINVAL;
}

// Asks for the size, then for the bytes, and again if they grew meanwhile.
template <typename Query> QByteArray askSized(Query query, int &error)
{
    for (;;) {
        const ssize_t size = query(nullptr, 0);
        error = size < 0 ? errno : 0;
        // Empty when asked: asking for the bytes with no room would only
        // ask for the size again.
        if (size <= 0)
            return {};
        QByteArray bytes(size, Qt::Uninitialized);
        const ssize_t got = query(bytes.data(), size_t(bytes.size()));
        error = got < 0 ? errno : 0;
        if (error != ERANGE)
            return bytes.first(qMax<ssize_t>(got, 0));
    }
}

// The ACL and the extended attributes ("user.*" and the like) of `from`, put
// on `to`. Returns 0 or the errno of what could not be read or set.
int copyAttributes(int from, int to)
{
    int error = 0;
    const QByteArray list =
        askSized([&](char *names, size_t size) { return ::flistxattr(from, names, size); }, error);
    if (error == EOPNOTSUPP)
        return 0;
    if (error != 0)
        return error;
    const QByteArrayList names = list.split('\0');
    for (const QByteArray &name : names) {
        if (name.isEmpty())
            continue;
        const QByteArray value = askSized(
            [&](char *bytes, size_t size) { return ::fgetxattr(from, name.constData(), bytes, size); },
            error);
        if (error == ENODATA)
            continue; // removed meanwhile
        if (error != 0)
            return error;
        if (::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return errno;
    }
    // A folder's default ACL gives a new file an ACL that the old one lacked.
    if (!names.contains(AccessAcl) && ::fgetxattr(to, AccessAcl, nullptr, 0) >= 0 &&
        ::fremovexattr(to, AccessAcl) != 0)
        return errno;
    return 0;
}

// Returns 0 or the errno of what could not be kept.
int keepOwnerModeAndAttributes(int temporary, int old, const struct stat &info)
{
    struct stat fresh {
    };
    if (::fstat(temporary, &fresh) != 0)
        return errno;
    if ((fresh.st_uid != info.st_uid || fresh.st_gid != info.st_gid) &&
        ::fchown(temporary, info.st_uid, info.st_gid) != 0)
        return errno;
    if (const int error = copyAttributes(old, temporary); error != 0)
        return error;
    // Last: a change of owner clears the set-id bits, and an ACL sets the group's.
    if (::fchmod(temporary, info.st_mode & 07777) != 0)
        return errno;
    return 0;
}

// Makes a rename in `folder` durable. A folder that this user may enter but
// not read cannot be opened for that: the whole file system that holds `file`
// is synced instead. The new content is already in place, so a failure here
// cannot be undone and is not reported.
void syncFolder(int folder, int file)
{
    if (const Fd synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)); synced.valid())
        ::fsync(synced.get());
    else
        ::syncfs(file);
}

struct PosixFound : Found {
    Located located;
};

struct PosixOpened : Opened {
    Fd fd;
    struct stat info {
    };
};

struct PosixNewFile : NewFile {
    int folder = -1;
    QByteArray name;
    Fd fd;
    bool placed = false;

    ~PosixNewFile() override
    {
        if (!placed)
            ::unlinkat(folder, name.constData(), 0);
    }
};

struct PosixLeftover : Leftover {
    int folder = -1;
    QByteArray name;
    Fd fd;
};

struct PosixHeld : Held {
    Fd fd;
};

qint64 nanoseconds(const timespec &time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; }

const Located &located(const Found &found) { return static_cast<const PosixFound &>(found).located; }
int fdOf(Opened &file) { return static_cast<PosixOpened &>(file).fd.get(); }
int fdOf(NewFile &file) { return static_cast<PosixNewFile &>(file).fd.get(); }
QByteArray bytesOf(const Path &name) { return QByteArray::fromStdString(name.native()); }

Outcome readAt(int fd, qint64 at, qsizetype limit, QByteArray &bytes)
{
    bytes.resize(limit);
    ssize_t got = 0;
    do
        got = ::pread(fd, bytes.data(), size_t(limit), at);
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return fail(errno);
    bytes.truncate(got);
    return {};
}

Outcome writeAt(int fd, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    ssize_t done = 0;
    do
        done = ::pwrite(fd, bytes.data(), size_t(bytes.size()), at);
    while (done < 0 && errno == EINTR);
    if (done < 0)
        return failRefusing(errno);
    written = done;
    return {};
}

} // namespace

Path executableFolder()
{
    // As bytes: the QString that Qt gives cannot hold every folder name.
    std::array<char, PATH_MAX> executable{};
    const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size());
    if (length <= 0 || length >= ssize_t(executable.size()))
        return {};
    return Path(std::string(executable.data(), size_t(length))).parent_path();
}

Path fromQt(const QString &path) { return QFile::encodeName(path).toStdString(); }

QString toDisplay(const Path &path) { return QFile::decodeName(bytesOf(path)); }

// The system's words come in the locale's encoding, which an older setup
// keeps 8-bit (ru_RU is KOI8-R): Qt takes 8-bit text for UTF-8.
QString errnoReason(int error)
{
    std::string text = std::strerror(error);
    if (const iconv_t convert = iconv_open("UTF-8", nl_langinfo(CODESET)); convert != iconv_t(-1)) {
        std::string utf8(text.size() * 4, '\0');
        char *in = text.data(), *out = utf8.data();
        std::size_t inLeft = text.size(), outLeft = utf8.size();
        const bool converted = iconv(convert, &in, &inLeft, &out, &outLeft) != std::size_t(-1);
        iconv_close(convert);
        if (converted)
            return QString::fromUtf8(utf8.data(), out - utf8.data());
    }
    return QString::fromLocal8Bit(text);
}

Outcome find(const Path &folder, const Path &name, std::unique_ptr<Found> &found)
{
    if (folder.empty())
        return {Result::Failed,
                {QCoreApplication::translate("SettingsFile", "the program's folder cannot be found")}};
    const Fd opened(::open(folder.c_str(), FolderFlags));
    if (!opened.valid())
        return fail(errno);
    auto result = std::make_unique<PosixFound>();
    int links = 0;
    const std::optional<SettingsError> error =
        walk(opened.get(), bytesOf(name), true, links, result->located);
    result->name = result->located.name.toStdString();
    result->missing = result->located.missing;
    result->regular = !error && S_ISREG(result->located.info.st_mode);
    found = std::move(result);
    if (error)
        return {Result::Failed, *error};
    return {};
}

Outcome open(const Found &found, Access access, std::unique_ptr<Opened> &opened)
{
    auto file = std::make_unique<PosixOpened>();
    const int path = located(found).path.get();
    // Read as well where it may, for a file system that cannot grow a file
    // from its end (see writeInPlace).
    file->fd = reopen(path, access == Access::Read ? O_RDONLY : O_RDWR);
    if (access == Access::Write && !file->fd.valid() && errno == EACCES)
        file->fd = reopen(path, O_WRONLY);
    if (!file->fd.valid() || ::fstat(file->fd.get(), &file->info) != 0)
        return fail(errno);
    file->links = file->info.st_nlink;
    opened = std::move(file);
    return {};
}

Outcome tryLock(Opened &file, Lock lock)
{
    if (::flock(fdOf(file), (lock == Lock::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0)
        return {};
    const int error = errno;
    return fail(error, error == EWOULDBLOCK ? Result::Busy : Result::Unsupported);
}

Outcome readAt(Opened &file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    return readAt(fdOf(file), at, limit, bytes);
}

Outcome stateOf(Opened &file, State &state)
{
    struct stat info {
    };
    if (::fstat(fdOf(file), &info) != 0)
        return fail(errno);
    state = {info.st_size, nanoseconds(info.st_ctim)};
    return {};
}

Outcome reserve(Opened &file, qint64 size)
{
    if (::fallocate(fdOf(file), FALLOC_FL_KEEP_SIZE, 0, size) == 0)
        return {};
    const int error = errno;
    return fail(error, error == EOPNOTSUPP || error == ENOSYS ? Result::Unsupported : Result::Failed);
}

Outcome truncate(Opened &file, qint64 size)
{
    return ::ftruncate(fdOf(file), size) == 0 ? Outcome{} : fail(errno);
}

Outcome writeAt(Opened &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeAt(fdOf(file), bytes, at, written);
}

Outcome writeAt(NewFile &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    const Outcome outcome = writeAt(fdOf(file), bytes, at, written);
    return outcome.done() ? outcome : Outcome{Result::Failed, outcome.error};
}

Outcome sync(Opened &file) { return ::fdatasync(fdOf(file)) == 0 ? Outcome{} : fail(errno); }

// All of it, not the data alone: the owner, mode, ACL and attributes it was
// given must be as durable as the content.
Outcome sync(NewFile &file) { return ::fsync(fdOf(file)) == 0 ? Outcome{} : fail(errno); }

Outcome makeNew(const Found &found, const Path &name, bool private_, std::unique_ptr<NewFile> &made)
{
    const int folder = located(found).folder.get();
    const QByteArray bytes = bytesOf(name);
    // In a folder marked append-only (chattr +a) a new file could be made but
    // never be renamed over the old one nor taken away again: none is made.
    struct statx attributes {
    };
    if (::statx(folder, "", AT_EMPTY_PATH, 0, &attributes) == 0 &&
        (attributes.stx_attributes & STATX_ATTR_APPEND))
        return fail(EPERM, Result::Refused);
    // Made with what the system applies to new files (the umask or the
    // folder's default ACL) unless private.
    Fd fd(::openat(folder, bytes.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | OpenFlags,
                   private_ ? 0600 : 0666));
    if (!fd.valid()) {
        const int error = errno;
        if (error == EEXIST)
            return fail(EEXIST, Result::Busy);
        // A folder mounted read-only around a file bound in writable (a
        // container's or a sandbox's) refuses new files as well.
        return error == EROFS ? fail(EROFS, Result::Refused) : failRefusing(error);
    }
    // Where locks are not supported, no clearing takes it either. A lock that
    // another program took first (on a disk that ignores file modes anyone
    // may open it) is not waited for: the name is given up for another.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        if (sameFile(folder, bytes.constData(), fd.get()))
            ::unlinkat(folder, bytes.constData(), 0);
        return {Result::Busy,
                {QCoreApplication::translate("SettingsFile",
                                             "another program locks every new file made beside it")}};
    }
    // Another save's clearing may have taken it before it was locked.
    if (!sameFile(folder, bytes.constData(), fd.get()))
        return fail(EEXIST, Result::Busy);
    auto file = std::make_unique<PosixNewFile>();
    file->folder = folder;
    file->name = bytes;
    file->fd = std::move(fd);
    made = std::move(file);
    return {};
}

Outcome copyIdentity(Opened &old, NewFile &made)
{
    const int error = keepOwnerModeAndAttributes(fdOf(made), fdOf(old), static_cast<PosixOpened &>(old).info);
    if (error == 0)
        return {};
    return fail(error, cannotKeep(error) ? Result::Refused : Result::Failed);
}

Outcome replace(const Found &found, Opened *, NewFile &made)
{
    auto &file = static_cast<PosixNewFile &>(made);
    // A settings file that is a mount point (bound in as a single file by a
    // container or a sandbox) cannot be replaced: EBUSY.
    if (::renameat(file.folder, file.name.constData(), file.folder, located(found).name.constData()) != 0)
        return errno == EBUSY ? fail(EBUSY, Result::Refused) : failRefusing(errno);
    file.placed = true;
    syncFolder(file.folder, file.fd.get());
    return {};
}

// A folder that this user may enter but not list cannot be searched.
std::vector<Path> namesBeside(const Found &found)
{
    std::vector<Path> names;
    Fd listed(::openat(located(found).folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR *entries = listed.valid() ? ::fdopendir(listed.get()) : nullptr;
    if (!entries)
        return names;
    listed.release();
    while (const dirent *entry = ::readdir(entries))
        names.emplace_back(entry->d_name);
    ::closedir(entries);
    return names;
}

// Held by its lock: every save locks its new file before anything else.
Outcome take(const Found &found, const Path &name, std::unique_ptr<Leftover> &leftover)
{
    auto result = std::make_unique<PosixLeftover>();
    result->folder = located(found).folder.get();
    result->name = bytesOf(name);
    const Fd path(::openat(result->folder, result->name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {
    };
    if (!path.valid() || ::fstat(path.get(), &info) != 0)
        return fail(errno);
    result->ours = S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
    result->written = nanoseconds(info.st_mtim);
    if (result->ours) {
        result->fd = reopen(path.get(), O_RDONLY);
        if (!result->fd.valid())
            return fail(errno);
        if (::flock(result->fd.get(), LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            return fail(error, error == EWOULDBLOCK ? Result::Busy : Result::Failed);
        }
        if (!sameFile(result->folder, result->name.constData(), result->fd.get()))
            return fail(ENOENT, Result::Busy);
    }
    leftover = std::move(result);
    return {};
}

Outcome readAt(Leftover &file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    return readAt(static_cast<PosixLeftover &>(file).fd.get(), at, limit, bytes);
}

Outcome putBack(const Found &found, Leftover &leftover)
{
    const auto &held = static_cast<PosixLeftover &>(leftover);
    if (::renameat2(held.folder, held.name.constData(), held.folder, located(found).name.constData(),
                    RENAME_NOREPLACE) != 0)
        return fail(errno);
    syncFolder(held.folder, held.fd.get());
    return {};
}

void remove(Leftover &leftover)
{
    const auto &held = static_cast<PosixLeftover &>(leftover);
    ::unlinkat(held.folder, held.name.constData(), 0);
}

// A record lock of the open file, far beyond any content: it keeps out other
// changes of the tool's, not reads, nor the locks that saves in place and
// reads take turns by (flock), nor a lock the game may take on its content.
Outcome hold(const Found &found, std::unique_ptr<Held> &held)
{
    const Located &file = located(found);
    if (!found.regular)
        return {Result::Unsupported, {}};
    auto result = std::make_unique<PosixHeld>();
    // A write lock needs a file open for writing: one this user may not
    // write is not held (its save fails anyway).
    result->fd = reopen(file.path.get(), O_WRONLY);
    if (!result->fd.valid())
        return fail(errno, Result::Refused);
    struct flock lock {
    };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(1) << 62;
    lock.l_len = 1;
    if (::fcntl(result->fd.get(), F_OFD_SETLK, &lock) != 0) {
        const int error = errno;
        return fail(error, error == EAGAIN || error == EACCES ? Result::Busy : Result::Unsupported);
    }
    // Replaced while the lock was waited for: the change that held it has
    // put its own file in place, which is the one to hold.
    if (!sameFile(file.folder.get(), file.name.constData(), result->fd.get()))
        return fail(ENOENT, Result::Busy);
    held = std::move(result);
    return {};
}

} // namespace FileSystem

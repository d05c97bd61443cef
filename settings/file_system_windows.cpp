// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "file_system.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

#include <aclapi.h>

namespace FileSystem
{

namespace
{

QString systemReason(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = length ? QString::fromWCharArray(text, int(length)).trimmed()
                            : QCoreApplication::translate("SettingsFile", "system error %1").arg(error);
    ::LocalFree(text);
    // Shown after the file's name, as on other systems: "C:\...\zunkel.cfg: Access is denied".
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

Outcome fail(DWORD error, Result result = Result::Failed)
{
    return {result, {systemReason(error), error == ERROR_ACCESS_DENIED}};
}
Outcome lastFailure() { return fail(::GetLastError()); }

class Handle
{
  public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(Handle &&other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle &operator=(Handle &&other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~Handle() { close(); }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (valid())
            ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Others may read, write, rename or delete the file while the tool holds it:
// the game is never kept from its settings by this tool.
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

Handle openExisting(const Path &path, DWORD access, DWORD flags = 0)
{
    return Handle(::CreateFileW(path.c_str(), access, ShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
}

// The path that the system's calls take: whole, and marked as one that the
// system must take as it is, so that a path of more than MAX_PATH characters
// (a deep folder, and the new file's longer name beside it) works too.
Path systemPath(const Path &path)
{
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (length == 0)
            return path;
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    if (full.starts_with(LR"(\\?\)") || full.starts_with(LR"(\\.\)"))
        return full;
    if (full.starts_with(LR"(\\)"))
        return LR"(\\?\UNC\)" + full.substr(2);
    return LR"(\\?\)" + full;
}

struct WindowsFound : Found {
    Path folder;
    // Opened for nothing but its attributes: later steps reopen this very file.
    // Let go of while a file is renamed over it where the system cannot
    // replace a file that is open.
    mutable Handle handle;
    DWORD attributes = 0;
    DWORD links = 0;

    Path path() const { return folder / name; }
};

struct WindowsOpened : Opened {
    Handle handle;
    bool locked = false;

    ~WindowsOpened() override
    {
        // Closing the handle would free the lock too, but only in the system's own time.
        OVERLAPPED whole{};
        if (locked)
            ::UnlockFileEx(handle.get(), 0, MAXDWORD, MAXDWORD, &whole);
    }
};

// Taken away through its own handle, which shares nothing: a name that
// another program could open meanwhile is never deleted.
void dispose(Handle &handle)
{
    FILE_DISPOSITION_INFO disposition{TRUE};
    ::SetFileInformationByHandle(handle.get(), FileDispositionInfo, &disposition, sizeof disposition);
    handle.close();
}

Handle holdExclusively(const Path &path, DWORD access)
{
    return Handle(::CreateFileW(path.c_str(), access | DELETE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

struct WindowsNewFile : NewFile {
    Path path;
    Handle handle;
    bool placed = false;

    ~WindowsNewFile() override
    {
        if (placed)
            return;
        if (!handle.valid())
            handle = holdExclusively(path, 0);
        dispose(handle);
    }
};

struct WindowsLeftover : Leftover {
    Handle handle;
};

struct WindowsHeld : Held {
    HANDLE mutex = nullptr;

    ~WindowsHeld() override
    {
        if (!mutex)
            return;
        ::ReleaseMutex(mutex);
        ::CloseHandle(mutex);
    }
};

qint64 timeOf(const FILETIME &time) { return qint64(time.dwHighDateTime) << 32 | time.dwLowDateTime; }

const WindowsFound &windows(const Found &found) { return static_cast<const WindowsFound &>(found); }
HANDLE handleOf(Opened &file) { return static_cast<WindowsOpened &>(file).handle.get(); }
HANDLE handleOf(NewFile &file) { return static_cast<WindowsNewFile &>(file).handle.get(); }

Outcome writeAt(HANDLE file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    OVERLAPPED position{};
    position.Offset = DWORD(at);
    position.OffsetHigh = DWORD(at >> 32);
    DWORD done = 0;
    if (!::WriteFile(file, bytes.data(), DWORD(qMin<qsizetype>(bytes.size(), 1 << 30)), &done, &position))
        return lastFailure();
    written = done;
    return {};
}

Outcome readAt(HANDLE file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    bytes.resize(qMin<qsizetype>(limit, 1 << 20));
    OVERLAPPED position{};
    position.Offset = DWORD(at);
    position.OffsetHigh = DWORD(at >> 32);
    DWORD got = 0;
    if (!::ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, &position) &&
        ::GetLastError() != ERROR_HANDLE_EOF)
        return lastFailure();
    bytes.truncate(got);
    return {};
}

Outcome syncHandle(HANDLE file) { return ::FlushFileBuffers(file) ? Outcome{} : lastFailure(); }

// Of the user, or of what the user makes (the Administrators group, for an
// administrator's elevated program).
bool ownedByUser(HANDLE file)
{
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                          &descriptor) != ERROR_SUCCESS)
        return false;
    bool same = false;
    HANDLE token = nullptr;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        for (const TOKEN_INFORMATION_CLASS kind : {TokenUser, TokenOwner}) {
            DWORD size = 0;
            ::GetTokenInformation(token, kind, nullptr, 0, &size);
            std::vector<char> buffer(size);
            // TOKEN_USER and TOKEN_OWNER both begin with the SID.
            if (size && ::GetTokenInformation(token, kind, buffer.data(), size, &size))
                same = same || ::EqualSid(owner, *reinterpret_cast<PSID *>(buffer.data()));
        }
        ::CloseHandle(token);
    }
    ::LocalFree(descriptor);
    return same;
}

} // namespace

Path executableFolder()
{
    // Whatever characters the folder's name holds, in the system's own spelling.
    std::wstring executable(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, executable.data(), DWORD(executable.size()));
        if (length == 0)
            return {};
        if (length < executable.size()) {
            executable.resize(length);
            return Path(executable).parent_path();
        }
        executable.resize(executable.size() * 2);
    }
}

Path fromQt(const QString &path) { return QDir::toNativeSeparators(path).toStdWString(); }

QString toDisplay(const Path &path) { return QString::fromStdWString(path.native()); }

// The C runtime's words are in the program's code page.
QString errnoReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

Outcome find(const Path &folder, const Path &name, std::unique_ptr<Found> &found)
{
    if (folder.empty())
        return {Result::Failed,
                {QCoreApplication::translate("SettingsFile", "the program's folder cannot be found")}};
    auto result = std::make_unique<WindowsFound>();
    result->folder = systemPath(folder);
    result->name = name;
    // Folders too, so that one planted under the file's name is told apart.
    result->handle = openExisting(result->path(), FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
    if (!result->handle.valid()) {
        const DWORD error = ::GetLastError();
        // A link that leads nowhere is refused, not replaced by a file.
        result->missing = error == ERROR_FILE_NOT_FOUND &&
                          !openExisting(result->path(), FILE_READ_ATTRIBUTES,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT)
                               .valid();
        found = std::move(result);
        return fail(error);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(result->handle.get(), &info))
        return lastFailure();
    result->attributes = info.dwFileAttributes;
    result->links = info.nNumberOfLinks;
    result->regular = ::GetFileType(result->handle.get()) == FILE_TYPE_DISK &&
                      !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    // A symbolic link stays a link: the file it leads to is the one rewritten,
    // and its new file is made beside that one.
    const DWORD own = ::GetFileAttributesW(result->path().c_str());
    if (own != INVALID_FILE_ATTRIBUTES && (own & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::wstring final(MAX_PATH, L'\0');
        DWORD length =
            ::GetFinalPathNameByHandleW(result->handle.get(), final.data(), DWORD(final.size()), 0);
        if (length >= final.size()) {
            final.resize(length);
            length = ::GetFinalPathNameByHandleW(result->handle.get(), final.data(), DWORD(final.size()), 0);
        }
        if (length == 0 || length >= final.size())
            return lastFailure();
        final.resize(length);
        result->folder = Path(final).parent_path();
        result->name = Path(final).filename();
    }
    found = std::move(result);
    return {};
}

Outcome open(const Found &found, Access access, std::unique_ptr<Opened> &opened)
{
    const WindowsFound &file = windows(found);
    // Windows would only say that access is denied.
    if (access == Access::Write && (file.attributes & FILE_ATTRIBUTE_READONLY))
        return {Result::Failed,
                {QCoreApplication::translate("SettingsFile", "the file is marked read-only")}};
    auto result = std::make_unique<WindowsOpened>();
    result->handle = Handle(::ReOpenFile(file.handle.get(),
                                         access == Access::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                                         ShareAll, 0));
    if (!result->handle.valid()) {
        const DWORD error = ::GetLastError();
        return fail(error, error == ERROR_SHARING_VIOLATION ? Result::Busy : Result::Failed);
    }
    result->links = file.links;
    opened = std::move(result);
    return {};
}

Outcome tryLock(Opened &file, Lock lock)
{
    auto &held = static_cast<WindowsOpened &>(file);
    OVERLAPPED whole{};
    const DWORD flags = (lock == Lock::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0) | LOCKFILE_FAIL_IMMEDIATELY;
    if (::LockFileEx(held.handle.get(), flags, 0, MAXDWORD, MAXDWORD, &whole)) {
        held.locked = true;
        return {};
    }
    const DWORD error = ::GetLastError();
    return fail(error, error == ERROR_LOCK_VIOLATION ? Result::Busy : Result::Unsupported);
}

Outcome readAt(Opened &file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    return readAt(handleOf(file), at, limit, bytes);
}

Outcome stateOf(Opened &file, State &state)
{
    LARGE_INTEGER bytes{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileSizeEx(handleOf(file), &bytes) ||
        !::GetFileInformationByHandleEx(handleOf(file), FileBasicInfo, &basic, sizeof basic))
        return lastFailure();
    state = {bytes.QuadPart, basic.ChangeTime.QuadPart};
    return {};
}

Outcome reserve(Opened &, qint64) { return {Result::Unsupported, {}}; }

Outcome truncate(Opened &file, qint64 size)
{
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return ::SetFileInformationByHandle(handleOf(file), FileEndOfFileInfo, &end, sizeof end) ? Outcome{}
                                                                                             : lastFailure();
}

Outcome writeAt(Opened &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeAt(handleOf(file), bytes, at, written);
}

Outcome writeAt(NewFile &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeAt(handleOf(file), bytes, at, written);
}

Outcome sync(Opened &file) { return syncHandle(handleOf(file)); }

Outcome sync(NewFile &file) { return syncHandle(handleOf(file)); }

// Shared with no one, so that no other save's clearing takes it. Its ACL is
// the folder's until it replaces the old file, which gives it the old one's.
Outcome makeNew(const Found &found, const Path &name, bool, std::unique_ptr<NewFile> &made)
{
    auto result = std::make_unique<WindowsNewFile>();
    result->path = windows(found).folder / name;
    result->handle =
        Handle(::CreateFileW(result->path.c_str(), GENERIC_WRITE | DELETE | READ_CONTROL | WRITE_DAC, 0,
                             nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!result->handle.valid()) {
        const DWORD error = ::GetLastError();
        result->placed = true; // nothing to take away
        if (error == ERROR_FILE_EXISTS || error == ERROR_SHARING_VIOLATION)
            return fail(error, Result::Busy);
        return fail(error, error == ERROR_ACCESS_DENIED ? Result::Refused : Result::Failed);
    }
    made = std::move(result);
    return {};
}

namespace
{

// What the system answers when the new file cannot be given something of the
// old one's: the saving user may not, or this file system cannot.
bool cannotKeep(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_PRIVILEGE_NOT_HELD ||
           error == ERROR_INVALID_OWNER || error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ||
           error == ERROR_INVALID_PARAMETER;
}

Outcome failKeeping(DWORD error) { return fail(error, cannotKeep(error) ? Result::Refused : Result::Failed); }

// Streams besides the content (a download's mark of origin, another
// program's data), which a new file would not have.
bool hasNamedStreams(HANDLE file)
{
    std::vector<char> buffer(64 * 1024);
    // Where the system or the file system cannot list them (Wine, FAT), there are none.
    if (!::GetFileInformationByHandleEx(file, FileStreamInfo, buffer.data(), DWORD(buffer.size())))
        return false;
    for (std::size_t at = 0;;) {
        const auto *stream = reinterpret_cast<const FILE_STREAM_INFO *>(buffer.data() + at);
        const std::wstring_view name(stream->StreamName, stream->StreamNameLength / sizeof(wchar_t));
        if (name != L"::$DATA")
            return true;
        if (stream->NextEntryOffset == 0)
            return false;
        at += stream->NextEntryOffset;
    }
}

// The same ACEs in the same order, or both none.
bool sameAcl(PACL one, PACL other)
{
    ACL_SIZE_INFORMATION oneSize{}, otherSize{};
    if (!one || !other)
        return one == other;
    return ::GetAclInformation(one, &oneSize, sizeof oneSize, AclSizeInformation) &&
           ::GetAclInformation(other, &otherSize, sizeof otherSize, AclSizeInformation) &&
           oneSize.AclBytesInUse == otherSize.AclBytesInUse &&
           std::memcmp(one, other, oneSize.AclBytesInUse) == 0;
}

SECURITY_DESCRIPTOR_CONTROL controlOf(PSECURITY_DESCRIPTOR descriptor)
{
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ::GetSecurityDescriptorControl(descriptor, &control, &revision);
    return control;
}

// The old file's DACL on the new one, where it differs (the new file has its
// folder's, as the old one mostly has). Another owner than the saving user's
// keeps the old file, written in place: only a privilege could give it, and
// asking for the right to change owners when making the new file would fail
// in folders that let users change files but not take them over.
Outcome copySecurity(HANDLE from, HANDLE to)
{
    constexpr SECURITY_INFORMATION Asked = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    PSID owner = nullptr, made = nullptr;
    PACL dacl = nullptr, given = nullptr;
    PSECURITY_DESCRIPTOR old = nullptr, fresh = nullptr;
    DWORD error = ::GetSecurityInfo(from, SE_FILE_OBJECT, Asked, &owner, nullptr, &dacl, nullptr, &old);
    // A file system without security (FAT) has none to keep.
    if (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION)
        return {};
    if (error == ERROR_SUCCESS)
        error = ::GetSecurityInfo(to, SE_FILE_OBJECT, Asked, &made, nullptr, &given, nullptr, &fresh);
    if (error == ERROR_SUCCESS && owner && made && !::EqualSid(owner, made))
        error = ERROR_INVALID_OWNER;
    const SECURITY_DESCRIPTOR_CONTROL protection = SE_DACL_PROTECTED;
    if (error == ERROR_SUCCESS &&
        (!sameAcl(dacl, given) || (controlOf(old) & protection) != (controlOf(fresh) & protection))) {
        // Inherited from the folder as the old one's was, or protected as it was.
        const SECURITY_INFORMATION what =
            DACL_SECURITY_INFORMATION | (controlOf(old) & protection ? PROTECTED_DACL_SECURITY_INFORMATION
                                                                     : UNPROTECTED_DACL_SECURITY_INFORMATION);
        error = ::SetSecurityInfo(to, SE_FILE_OBJECT, what, nullptr, nullptr, dacl, nullptr);
    }
    ::LocalFree(old);
    ::LocalFree(fresh);
    return error == ERROR_SUCCESS ? Outcome{} : failKeeping(error);
}

// Whether a failed rename over the file met a program that holds it open
// (worth another try) or a file that this user may not delete (its ACL).
Outcome renameFailure(const Path &target, DWORD error)
{
    if (error == ERROR_ACCESS_DENIED) {
        const Handle deletable(::CreateFileW(target.c_str(), DELETE, ShareAll, nullptr, OPEN_EXISTING,
                                             FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                             nullptr));
        const DWORD probed = deletable.valid() ? ERROR_SUCCESS : ::GetLastError();
        return fail(error, probed == ERROR_ACCESS_DENIED ? Result::Refused : Result::Busy);
    }
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return fail(error, Result::Busy);
    return fail(error);
}

// FileRenameInfoEx, which the headers of the compilers used know by another
// layout only: its flags stand where FILE_RENAME_INFO has ReplaceIfExists.
constexpr auto FileRenameInfoExClass = FILE_INFO_BY_HANDLE_CLASS(22);
constexpr DWORD RenameReplaceIfExists = 0x1;
constexpr DWORD RenamePosixSemantics = 0x2;

// Renames the file held by `handle` to `to`, through that handle, so that no
// one takes it on the way; `flags` of FileRenameInfoEx, or with `classic`
// FileRenameInfo's ReplaceIfExists (the rename of MoveFileExW).
bool renameHeld(HANDLE handle, const Path &to, DWORD flags, bool classic)
{
    const std::wstring &name = to.native();
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
    auto *rename = reinterpret_cast<FILE_RENAME_INFO *>(buffer.data());
    std::memcpy(buffer.data(), &flags, sizeof flags);
    rename->FileNameLength = DWORD(name.size() * sizeof(wchar_t));
    std::copy(name.begin(), name.end(), rename->FileName);
    return ::SetFileInformationByHandle(handle, classic ? FileRenameInfo : FileRenameInfoExClass, rename,
                                        DWORD(buffer.size()));
}

} // namespace

// The old file's DACL, attributes and creation time, as Windows' own replace
// gave them. What a new file cannot be given so (another owner, named
// streams, compression, encryption) keeps the old file, written in place.
Outcome copyIdentity(Opened &old, NewFile &made)
{
    const HANDLE from = handleOf(old), to = handleOf(made);
    FILE_BASIC_INFO basic{}, fresh{};
    if (!::GetFileInformationByHandleEx(from, FileBasicInfo, &basic, sizeof basic) ||
        !::GetFileInformationByHandleEx(to, FileBasicInfo, &fresh, sizeof fresh))
        return lastFailure();
    constexpr DWORD Inherent =
        FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ENCRYPTED | FILE_ATTRIBUTE_SPARSE_FILE;
    if ((basic.FileAttributes & Inherent) != (fresh.FileAttributes & Inherent) || hasNamedStreams(from))
        return {Result::Refused, {}};
    if (Outcome outcome = copySecurity(from, to); !outcome.done())
        return outcome;
    constexpr DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO given{};
    given.CreationTime = basic.CreationTime;
    given.FileAttributes = basic.FileAttributes & Kept ? basic.FileAttributes & Kept : FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileInformationByHandle(to, FileBasicInfo, &given, sizeof given))
        return failKeeping(::GetLastError());
    return {};
}

// One rename over the old file, so that its name never lacks a file: where
// the system can (Windows 10 1809 and later, on NTFS), while the old file
// stays held; elsewhere (older systems, FAT and exFAT, Wine) a file that is
// open cannot be replaced, so the tool lets go of it for that rename and
// opens it again should the rename fail.
Outcome replace(const Found &found, Opened *old, NewFile &made)
{
    auto &file = static_cast<WindowsNewFile &>(made);
    const WindowsFound &target = windows(found);
    const Path path = target.path();
    bool renamed = renameHeld(file.handle.get(), path, RenameReplaceIfExists | RenamePosixSemantics, false);
    DWORD error = renamed ? ERROR_SUCCESS : ::GetLastError();
    if (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION) {
        auto *held = static_cast<WindowsOpened *>(old);
        if (held) {
            // Its lock goes with it; a save in place takes it again.
            held->locked = false;
            held->handle.close();
        }
        target.handle.close();
        renamed = renameHeld(file.handle.get(), path, TRUE, true);
        error = renamed ? ERROR_SUCCESS : ::GetLastError();
        if (!renamed) {
            target.handle = openExisting(path, FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
            if (held)
                held->handle = openExisting(path, GENERIC_READ | GENERIC_WRITE);
        }
    }
    if (!renamed)
        return renameFailure(path, error);
    file.placed = true;
    // As MOVEFILE_WRITE_THROUGH does: the rename is on the disk when the save ends.
    ::FlushFileBuffers(file.handle.get());
    return {};
}

std::vector<Path> namesBeside(const Found &found)
{
    std::vector<Path> names;
    WIN32_FIND_DATAW entry{};
    const Path pattern = windows(found).folder / L"*";
    const HANDLE search =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.emplace_back(entry.cFileName);
    while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return names;
}

// Opened sharing nothing: a file that a running save, or any other program,
// has open cannot be taken.
Outcome take(const Found &found, const Path &name, std::unique_ptr<Leftover> &leftover)
{
    auto result = std::make_unique<WindowsLeftover>();
    result->handle = holdExclusively(windows(found).folder / name, GENERIC_READ);
    if (!result->handle.valid()) {
        const DWORD error = ::GetLastError();
        return fail(error, error == ERROR_SHARING_VIOLATION ? Result::Busy : Result::Failed);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    result->ours = ::GetFileInformationByHandle(result->handle.get(), &info) &&
                   !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
                   ownedByUser(result->handle.get());
    result->written = timeOf(info.ftLastWriteTime);
    leftover = std::move(result);
    return {};
}

Outcome readAt(Leftover &file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    return readAt(static_cast<WindowsLeftover &>(file).handle.get(), at, limit, bytes);
}

Outcome putBack(const Found &found, Leftover &leftover)
{
    const HANDLE held = static_cast<WindowsLeftover &>(leftover).handle.get();
    return renameHeld(held, windows(found).path(), FALSE, true) ? Outcome{} : lastFailure();
}

void remove(Leftover &leftover) { dispose(static_cast<WindowsLeftover &>(leftover).handle); }

// A mutex named for the file's path, a kernel object and not a file: the
// settings file itself stays free to be renamed over in one step where the
// system cannot replace a file that is open. Its name folds the path's case,
// as the file systems do, near enough.
Outcome hold(const Found &found, std::unique_ptr<Held> &held)
{
    const QString path = QString::fromStdWString(windows(found).path().native()).toLower();
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex();
    const std::wstring name = L"Local\\zunkel-config-" + QString::fromLatin1(digest.left(32)).toStdWString();
    auto result = std::make_unique<WindowsHeld>();
    result->mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!result->mutex)
        return fail(::GetLastError(), Result::Unsupported);
    // Abandoned: the change that held it was killed, and left the file whole.
    switch (::WaitForSingleObject(result->mutex, 0)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
        held = std::move(result);
        return {};
    case WAIT_TIMEOUT:
        ::CloseHandle(std::exchange(result->mutex, nullptr));
        return {Result::Busy, {}};
    default:
        ::CloseHandle(std::exchange(result->mutex, nullptr));
        return fail(::GetLastError(), Result::Unsupported);
    }
}

} // namespace FileSystem

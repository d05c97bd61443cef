// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "file_system.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstring>
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
    Handle handle;
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
    bytes.resize(qMin<qsizetype>(limit, 1 << 20));
    OVERLAPPED position{};
    position.Offset = DWORD(at);
    position.OffsetHigh = DWORD(at >> 32);
    DWORD got = 0;
    if (!::ReadFile(handleOf(file), bytes.data(), DWORD(bytes.size()), &got, &position) &&
        ::GetLastError() != ERROR_HANDLE_EOF)
        return lastFailure();
    bytes.truncate(got);
    return {};
}

Outcome sizeOf(Opened &file, qint64 &size)
{
    LARGE_INTEGER bytes{};
    if (!::GetFileSizeEx(handleOf(file), &bytes))
        return lastFailure();
    size = bytes.QuadPart;
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
    result->handle = Handle(::CreateFileW(result->path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
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

// ReplaceFileW gives the new file the old one's ACL, attributes and streams.
Outcome copyIdentity(Opened &, NewFile &) { return {}; }

Outcome replace(const Found &found, Opened *old, NewFile &made)
{
    auto &file = static_cast<WindowsNewFile &>(made);
    const Path target = windows(found).path();
    if (!old) {
        // Renamed through its own handle: it stays held until it is in place.
        const std::wstring &to = target.native();
        std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + to.size() * sizeof(wchar_t));
        auto *rename = reinterpret_cast<FILE_RENAME_INFO *>(buffer.data());
        rename->ReplaceIfExists = TRUE;
        rename->FileNameLength = DWORD(to.size() * sizeof(wchar_t));
        std::copy(to.begin(), to.end(), rename->FileName);
        if (!::SetFileInformationByHandle(file.handle.get(), FileRenameInfo, rename, DWORD(buffer.size())))
            return lastFailure();
        file.placed = true;
        ::FlushFileBuffers(file.handle.get());
        return {};
    }
    // ReplaceFileW opens the new file sharing nothing, so the tool lets go of
    // it for that call alone. The old file stays held by `old` throughout, and
    // so does its backup, under a name of the tool's own, which a failure
    // midway puts back.
    file.handle.close();
    const Path backup = windows(found).folder / TemporaryNames(found.name).next();
    const bool replaced =
        ::ReplaceFileW(target.c_str(), file.path.c_str(), backup.c_str(), 0, nullptr, nullptr);
    const DWORD error = ::GetLastError();
    if (replaced) {
        file.placed = true;
        // Gone once the tool's own handles on it are closed.
        ::DeleteFileW(backup.c_str());
        return {};
    }
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        ::MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    file.handle = holdExclusively(file.path, 0);
    switch (error) {
    // Another program holds the old file without sharing its deletion.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return fail(error, Result::Busy);
    // The old file may not be deleted (its ACL), or not be moved aside.
    case ERROR_ACCESS_DENIED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return fail(error, Result::Refused);
    default:
        return fail(error);
    }
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
    result->handle = holdExclusively(windows(found).folder / name, READ_CONTROL | FILE_READ_ATTRIBUTES);
    if (!result->handle.valid()) {
        const DWORD error = ::GetLastError();
        return fail(error, error == ERROR_SHARING_VIOLATION ? Result::Busy : Result::Failed);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    result->ours = ::GetFileInformationByHandle(result->handle.get(), &info) &&
                   !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
                   ownedByUser(result->handle.get());
    leftover = std::move(result);
    return {};
}

void remove(Leftover &leftover) { dispose(static_cast<WindowsLeftover &>(leftover).handle); }

} // namespace FileSystem

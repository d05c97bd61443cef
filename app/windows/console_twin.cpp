// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// zunkel-config.com, the tool's command line for consoles and scripts on
// Windows. zunkel-config.exe is a window program: a console that starts it
// gives it no output, does not wait for it and loses its exit status. Shells
// find this twin first (.COM comes before .EXE in PATHEXT), and it runs the
// program beside it with the same command line on this console, waits for it
// and ends with its status. Interrupted (Ctrl+C, the console closed, the
// twin ended by another program), it takes the program with it: a window
// that outlives the command that started it would be left to the player.
#include "console_text.h"

#include <string>
#include <windows.h>

namespace
{

std::wstring currentDirectory()
{
    std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
    directory.resize(GetCurrentDirectoryW(DWORD(directory.size()), directory.data()));
    return directory;
}

std::wstring shortName(const std::wstring &path)
{
    std::wstring shorter(path.size() + 1, L'\0');
    shorter.resize(GetShortPathNameW(path.c_str(), shorter.data(), DWORD(shorter.size())));
    return shorter;
}

bool start(const std::wstring &program, std::wstring commandLine, const wchar_t *directory,
           PROCESS_INFORMATION &started)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                          directory, &startup, &started);
}

// A job that ends its processes when its last handle closes, which is when
// this twin ends, however it ends.
HANDLE jobEndingWithTwin()
{
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

// The program beside this twin: its own path with ".exe" for its name's
// extension, or added when it has none (renamed "zunkel-config").
std::wstring programBeside(std::wstring twin)
{
    const size_t name = twin.find_last_of(L"\\/") + 1;
    const size_t dot = twin.rfind(L'.');
    if (dot != std::wstring::npos && dot >= name)
        twin.resize(dot);
    return twin + L".exe";
}

// CreateProcessW takes no program name of MAX_PATH characters or more, even
// where the system allows long paths. From its folder, by its folder's 8.3
// name, the name is short; the program still starts in the console's
// current folder. Volumes that keep no 8.3 names leave this without a way.
bool startFromLongFolder(const std::wstring &program, const std::wstring &commandLine,
                         PROCESS_INFORMATION &started)
{
    const size_t slash = program.rfind(L'\\');
    const std::wstring folder = shortName(program.substr(0, slash));
    const std::wstring current = currentDirectory();
    if (folder.empty() || !SetCurrentDirectoryW(folder.c_str()))
        return false;
    const bool done = start(L"." + program.substr(slash), commandLine,
                            current.size() < MAX_PATH ? current.c_str() : nullptr, started);
    const DWORD error = GetLastError();
    SetCurrentDirectoryW(current.c_str());
    SetLastError(error);
    return done;
}

} // namespace

int main()
{
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), DWORD(program.size()));
        if (length == 0)
            return 1;
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    const std::wstring twin = program;
    program = programBeside(twin);
    // A twin renamed to the program's own name would start itself, again and again.
    if (CompareStringOrdinal(program.c_str(), -1, twin.c_str(), -1, TRUE) == CSTR_EQUAL) {
        writeConsoleText(GetStdHandle(STD_ERROR_HANDLE),
                         L"zunkel-config: " + twin + L" is the console twin, not the program itself\n");
        return 1;
    }

    const std::wstring commandLine = GetCommandLineW();
    PROCESS_INFORMATION started{};
    if (!start(program, commandLine, nullptr, started) &&
        (program.size() < MAX_PATH || !startFromLongFolder(program, commandLine, started))) {
        const DWORD error = GetLastError();
        writeConsoleText(GetStdHandle(STD_ERROR_HANDLE), L"zunkel-config: cannot start " + program +
                                                             L" (error " + std::to_wstring(error) + L")\n");
        return 1;
    }
    // Started suspended, so that it runs only once in the job. Where no job
    // can be had (an old system that nests none), it runs as before.
    const HANDLE job = jobEndingWithTwin();
    if (job && !AssignProcessToJobObject(job, started.hProcess))
        CloseHandle(job);
    ResumeThread(started.hThread);
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return int(status);
}

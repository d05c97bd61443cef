// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// zunkel-config.com, the tool's command line for consoles and scripts on
// Windows. zunkel-config.exe is a window program: a console that starts it
// gives it no output, does not wait for it and loses its exit status. Shells
// find this twin first (.COM comes before .EXE in PATHEXT), and it runs the
// program beside it with the same command line on this console, waits for it
// and ends with its status.
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
    return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, directory,
                          &startup, &started);
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
    program.replace(program.size() - 4, 4, L".exe");

    const std::wstring commandLine = GetCommandLineW();
    PROCESS_INFORMATION started{};
    if (!start(program, commandLine, nullptr, started) &&
        (program.size() < MAX_PATH || !startFromLongFolder(program, commandLine, started))) {
        const DWORD error = GetLastError();
        writeConsoleText(GetStdHandle(STD_ERROR_HANDLE), L"zunkel-config: cannot start " + program +
                                                             L" (error " + std::to_wstring(error) + L")\n");
        return 1;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return int(status);
}

// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// zunkel-config.com, the tool's command line for consoles and scripts on
// Windows. zunkel-config.exe is a window program: a console that starts it
// gives it no output, does not wait for it and loses its exit status. Shells
// find this twin first (.COM comes before .EXE in PATHEXT), and it runs the
// program beside it with the same command line on this console, waits for it
// and ends with its status.
#include <cstdio>
#include <string>
#include <windows.h>

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

    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fwprintf(stderr, L"zunkel-config: cannot start %ls (error %lu)\n", program.c_str(),
                      GetLastError());
        return 1;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return int(status);
}

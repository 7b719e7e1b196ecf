// Starts a program, waits for its first visible top-level window and for the
// program to read its messages, prints the window's title in UTF-8 and closes
// the window the way a user would; the exit code is the program's. Plain Win32,
// so that it checks the program and not Qt.
//   kovrant_window_title <program.exe> [arguments...]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search
{
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK visitWindow(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

std::wstring quoted(const wchar_t *argument)
{
    return L"\"" + std::wstring(argument) + L"\"";
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: kovrant_window_title <program.exe> [arguments...]\n");
        return 2;
    }
    std::wstring commandLine = quoted(argv[1]);
    for (int i = 2; i < argc; ++i)
        commandLine += L" " + quoted(argv[i]);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return 2;
    }
    const DWORD started = GetTickCount();
    Search search{process.dwProcessId, nullptr};
    while (!search.found && GetTickCount() - started < 60000) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0)
            break;
        EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.found) {
        std::fprintf(stderr, "no window appeared\n");
        TerminateProcess(process.hProcess, 3);
        return 3;
    }
    // The window shows before the program has done starting (a list named on its
    // command line opens after it): a message sent to the window returns once the
    // program's thread reads its messages, that is once it has done.
    SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 30000, nullptr);
    std::wstring title(size_t(GetWindowTextLengthW(search.found)) + 1, L'\0');
    title.resize(size_t(GetWindowTextW(search.found, title.data(), int(title.size()))));
    std::printf("%s\n", utf8(title).c_str());
    std::fflush(stdout);

    PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "the program did not close\n");
        TerminateProcess(process.hProcess, 4);
        return 4;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(exitCode);
}

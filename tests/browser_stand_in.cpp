// A stand-in for xdg-open that notes how it was started, then exits with the status that
// BRINDLEX_STAND_IN_EXIT gives. The notes go to the file BRINDLEX_STAND_IN_NOTES, one fact a
// line:
//   pid <pid>
//   own-session <yes|no>
//   ignored <signal numbers ignored, or nothing>
//   blocked <signal numbers blocked, or nothing>
//   descriptors <the open descriptors>
//   arguments <count> <each argument>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The descriptors first, before this program opens any of its own.
    std::string descriptors;
    const long most = std::min(sysconf(_SC_OPEN_MAX), 65536L);
    for (int fd = 0; fd < most; ++fd)
        if (fcntl(fd, F_GETFD) != -1)
            descriptors += " " + std::to_string(fd);

    std::string ignored, blocked;
    sigset_t mask;
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) == 0 && !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_IGN)
            ignored += " " + std::to_string(signal);
        if (sigismember(&mask, signal) == 1)
            blocked += " " + std::to_string(signal);
    }

    std::string notes = "pid " + std::to_string(getpid()) + "\n";
    notes += std::string("own-session ") + (getsid(0) == getpid() ? "yes" : "no") + "\n";
    notes += "ignored" + ignored + "\nblocked" + blocked + "\ndescriptors" + descriptors + "\n";
    notes += "arguments " + std::to_string(argc - 1);
    for (int i = 1; i < argc; ++i)
        notes += std::string(" ") + argv[i];
    notes += "\n";

    // Written whole under another name and then renamed, so that a reader never sees half.
    const char* path = std::getenv("BRINDLEX_STAND_IN_NOTES");
    if (!path)
        return 100;
    const std::string partial = std::string(path) + ".partial";
    FILE* file = std::fopen(partial.c_str(), "w");
    if (!file)
        return 101;
    std::fputs(notes.c_str(), file);
    if (std::fclose(file) != 0 || std::rename(partial.c_str(), path) != 0)
        return 102;
    const char* status = std::getenv("BRINDLEX_STAND_IN_EXIT");
    return status ? std::atoi(status) : 0;
}

// A stand-in for xdg-open that notes how it was started, then exits with the status that
// BRINDLEX_STAND_IN_EXIT gives. The notes go to the file BRINDLEX_STAND_IN_NOTES, one fact a
// line:
//   pid <pid>
//   own-session <yes|no>
//   ignored <the numbers of the signals ignored, or nothing>
//   blocked <the numbers of the signals blocked, or nothing>
//   descriptors <the open descriptors>
//   arguments <count> <each argument>
#include <algorithm>
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

    // The kernel's own view of the signals, which also holds those that the C library keeps
    // to itself and will not report through sigaction.
    std::string ignored, blocked;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            unsigned long long mask = 0;
            std::string* list = nullptr;
            if (std::sscanf(line, "SigIgn: %llx", &mask) == 1)
                list = &ignored;
            else if (std::sscanf(line, "SigBlk: %llx", &mask) == 1)
                list = &blocked;
            for (int signal = 1; list && signal <= 64; ++signal)
                if (mask >> (signal - 1) & 1)
                    *list += " " + std::to_string(signal);
        }
        std::fclose(status);
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

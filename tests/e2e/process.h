// Child processes for the end-to-end tests: started with their own
// environment, waited for with a time limit, and never left behind.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sledloop::e2e {

struct ExitStatus {
    bool exited = false;  // false: ended by a signal
    int code = 0;         // exit code, or the signal
};

class Process {
  public:
    struct Options {
        std::vector<std::string> argv;
        std::map<std::string, std::optional<std::string>> env;  // nullopt: unset it
        std::string workDir;                                    // empty: ours
        std::string stdoutFile;                                 // empty: ours
        std::string stderrFile;                                 // empty: ours
        int keepFd = -1;  // a descriptor the child keeps open (Xvfb's -displayfd)
    };
    explicit Process(const Options& options);
    ~Process();  // kills the child if it still runs
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    // The child's status once it has ended within `limit`.
    std::optional<ExitStatus> wait(std::chrono::milliseconds limit);
    void kill();

  private:
    pid_t pid_ = -1;
    std::optional<ExitStatus> status_;
};

// Runs a program to its end (at most `limit`) and returns what it printed.
struct RunResult {
    std::optional<ExitStatus> status;
    std::string out;
};
RunResult runProgram(const std::vector<std::string>& argv, const std::string& display,
                     std::chrono::milliseconds limit);

std::string readFile(const std::string& path);

}  // namespace sledloop::e2e

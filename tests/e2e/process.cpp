#include "process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

namespace sledloop::e2e {

namespace {

ExitStatus decode(int raw) {
    if (WIFEXITED(raw)) return {true, WEXITSTATUS(raw)};
    return {false, WIFSIGNALED(raw) ? WTERMSIG(raw) : 0};
}

}  // namespace

Process::Process(const Options& options) {
    std::vector<char*> argv;
    for (const std::string& a : options.argv)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ != 0) return;
    // The child: dies with the test, whatever becomes of it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    for (const auto& [name, value] : options.env) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    if (!options.workDir.empty() && chdir(options.workDir.c_str()) != 0) _exit(126);
    for (auto [file, target] : {std::pair{&options.stdoutFile, STDOUT_FILENO},
                                std::pair{&options.stderrFile, STDERR_FILENO}}) {
        if (file->empty()) continue;
        const int fd = open(file->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || dup2(fd, target) < 0) _exit(126);
        close(fd);
    }
    if (options.keepFd >= 0) fcntl(options.keepFd, F_SETFD, 0);
    execvp(argv[0], argv.data());
    _exit(127);
}

Process::~Process() {
    kill();
}

std::optional<ExitStatus> Process::wait(std::chrono::milliseconds limit) {
    if (status_ || pid_ <= 0) return status_;
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int raw = 0;
        const pid_t got = waitpid(pid_, &raw, WNOHANG);
        if (got == pid_) {
            status_ = decode(raw);
            return status_;
        }
        if (got < 0 && errno != EINTR) return std::nullopt;
        if (std::chrono::steady_clock::now() >= end) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void Process::kill() {
    if (pid_ <= 0 || status_) return;
    ::kill(pid_, SIGTERM);
    if (!wait(std::chrono::seconds(3))) {
        ::kill(pid_, SIGKILL);
        wait(std::chrono::seconds(3));
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult runProgram(const std::vector<std::string>& argv, const std::string& display,
                     std::chrono::milliseconds limit) {
    char name[] = "/tmp/sledloop-e2e-outXXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return {};
    close(fd);
    RunResult result;
    {
        Process child({argv, {{"DISPLAY", display}}, "", name, "", -1});
        result.status = child.wait(limit);
    }
    result.out = readFile(name);
    unlink(name);
    return result;
}

}  // namespace sledloop::e2e

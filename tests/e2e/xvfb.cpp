#include "xvfb.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>

namespace sledloop::e2e {

std::unique_ptr<Xvfb> Xvfb::start(std::string& error) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = "no pipe";
        return nullptr;
    }
    auto xvfb = std::make_unique<Xvfb>();
    // -displayfd: the server takes a free display number and writes it here.
    xvfb->server_ = std::make_unique<Process>(
        Process::Options{{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                          "1280x1024x24", "-nolisten", "tcp"},
                         {},
                         "",
                         "",
                         "/dev/null",
                         fds[1]});
    close(fds[1]);
    std::string number;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < end) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        char buffer[16];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        number.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        error = "Xvfb did not start";
        return nullptr;
    }
    xvfb->display_ = ":" + number.substr(0, number.find('\n'));
    return xvfb;
}

}  // namespace sledloop::e2e

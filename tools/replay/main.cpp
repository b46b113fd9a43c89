// sledloop-replay [SCRIPT]: plays a script of window events through the
// game's handlers and prints every window operation and sound call.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tools/replay/replay.h"

namespace {

constexpr const char* kUsage = "usage: sledloop-replay [SCRIPT]\n";

bool writeOut(const std::string& text) {
    return text.empty() || std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const bool fromStdin = argc < 2 || std::strcmp(argv[1], "-") == 0;
    const char* name = fromStdin ? "-" : argv[1];
    std::FILE* in = fromStdin ? stdin : std::fopen(name, "rb");
    if (in == nullptr) {
        std::fprintf(stderr, "sledloop-replay: %s: %s\n", name, std::strerror(errno));
        return 1;
    }

    sledloop::replay::Script script;
    char* buffer = nullptr;
    std::size_t capacity = 0;
    int status = 0;
    for (;;) {
        errno = 0;
        const ssize_t length = ::getline(&buffer, &capacity, in);
        if (length < 0) {
            if (std::ferror(in)) {
                std::fflush(stdout);
                std::fprintf(stderr, "sledloop-replay: %s: %s\n", name,
                             std::strerror(errno != 0 ? errno : EIO));
                status = 1;
            }
            break;
        }
        std::string_view line(buffer, static_cast<std::size_t>(length));
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        const auto step = script.feed(line);
        if (!writeOut(script.takeOutput())) {
            status = 1;
            break;
        }
        if (step == sledloop::replay::Script::Step::Malformed) {
            std::fflush(stdout);
            std::fprintf(stderr, "sledloop-replay: %s\n", script.error().c_str());
            status = 2;
            break;
        }
        if (step == sledloop::replay::Script::Step::Stop) break;
    }
    std::free(buffer);
    if (!fromStdin) std::fclose(in);
    if (std::fflush(stdout) != 0 && status == 0) status = 1;
    return status;
}

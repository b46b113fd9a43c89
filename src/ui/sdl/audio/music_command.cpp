#include "ui/sdl/audio/music_command.h"

namespace sledloop {

bool isBareFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::optional<MusicCommand> parseMusicCommand(std::string_view command) {
    constexpr struct {
        std::string_view prefix;
        MusicVerb verb;
    } kVerbs[] = {{"play \"", MusicVerb::play}, {"stop \"", MusicVerb::stop}};
    for (const auto& [prefix, verb] : kVerbs) {
        // The prefix's own quote is not a closing one.
        if (!command.starts_with(prefix) || command.size() <= prefix.size() ||
            !command.ends_with('"')) {
            continue;
        }
        const std::string_view file =
            command.substr(prefix.size(), command.size() - prefix.size() - 1);
        if (file.find('"') != std::string_view::npos || !isBareFileName(file)) {
            return std::nullopt;
        }
        return MusicCommand{verb, file};
    }
    return std::nullopt;
}

}  // namespace sledloop

// The two music commands the game sends: `play "F"` and `stop "F"`.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sledloop {

enum class MusicVerb : std::uint8_t { play, stop };

struct MusicCommand {
    MusicVerb verb;
    std::string_view file;  // points into the parsed text
};

// The verb, exactly one blank and a bare file name in double quotes; anything
// else is no command.
std::optional<MusicCommand> parseMusicCommand(std::string_view command);

// A file of the working directory: not empty, no folder part, no NUL, not "." or "..".
bool isBareFileName(std::string_view name);

}  // namespace sledloop

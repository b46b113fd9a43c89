// A game wired to the recording ports, as the replay tool runs it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "controls/handlers.h"
#include "stages/set_stage.h"
#include "state/game_state.h"
#include "ui/recording_ports.h"

namespace sledloop::testing {

struct Harness {
    GameState state;
    RecordingPorts ports;
    Game game{state, ports, ports};

    // The trace lines recorded since the last call.
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        std::istringstream in(ports.takeOutput());
        for (std::string line; std::getline(in, line);)
            out.push_back(line);
        return out;
    }

    // Loads the window and starts `stage`, forgetting the trace of it.
    void start(int stage) {
        onLoad(game);
        state.StageNumber = stage;
        onCommand1Click(game);
        ports.clearOutput();
    }

    // Puts slot `slot` on the field at (col, row) in the given state.
    void place(int slot, int col, int row, SantaStateCode mode) {
        state.SantaCol[slot] = col;
        state.SantaRow[slot] = row;
        state.SantaState[slot] = mode;
        state.SantaStepX[slot] = mode == StateWalkRight ? 1 : mode == StateWalkLeft ? -1 : 0;
        state.SantaStepY[slot] = mode == StateFalling ? 1 : 0;
    }

    // Every cell of the map that is not empty, as "c,r=v" in row order.
    std::string cells() const {
        std::string out;
        for (int r = 0; r < kMapRows; ++r) {
            for (int c = 0; c < kMapCols; ++c) {
                if (state.TileMap[c][r] == CellEmpty) continue;
                out += std::to_string(c) + "," + std::to_string(r) + "=" +
                       std::to_string(state.TileMap[c][r]) + " ";
            }
        }
        return out;
    }
};

inline bool contains(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& l : lines) {
        if (l == line) return true;
    }
    return false;
}

}  // namespace sledloop::testing

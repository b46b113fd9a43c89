#!/bin/sh
# The rules never see the platform: no SDL header below the core's folders.
set -eu
src=$1
hits=$(grep -rnE '#[[:space:]]*include[[:space:]]*[<"](SDL|SDL2/)' \
    "$src/state" "$src/stages" "$src/sim" "$src/controls" "$src"/ui/*.h "$src"/ui/*.cpp || true)
if [ -n "$hits" ]; then
    echo "SDL headers in the rules' layers:" >&2
    echo "$hits" >&2
    exit 1
fi

#!/bin/sh
# Installs the build into a scratch prefix and checks that the desktop entry
# starts the installed game in the folder that holds its six wave files.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry=$prefix/share/applications/sledloop.desktop
[ -f "$entry" ] || { echo "no desktop entry" >&2; exit 1; }
exec_path=$(sed -n 's/^Exec=//p' "$entry")
work_dir=$(sed -n 's/^Path=//p' "$entry")
[ "$exec_path" = "$prefix/bin/sledloop" ] || { echo "Exec=$exec_path" >&2; exit 1; }
[ -x "$exec_path" ] || { echo "$exec_path is not a program" >&2; exit 1; }
[ "$work_dir" = "$prefix/share/sledloop" ] || { echo "Path=$work_dir" >&2; exit 1; }
for wave in bgm whistle get saru clear gameover; do
    head -c 4 "$work_dir/$wave.wav" | grep -q RIFF || { echo "$wave.wav missing" >&2; exit 1; }
done
for size in 16 32 48; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/sledloop.png" ] ||
        { echo "no ${size}px icon" >&2; exit 1; }
done

#!/usr/bin/env bash
# Two starts of the real program on one journal: the second hands over to the first (whose window
# it asks to come to the front) and ends at once with status 0, touching no file; the first runs on
# and ends on SIGTERM through its close sequence. Without the handover the second would wait on its
# message box until the timeout.
set -euo pipefail
program="$1"
work=$(mktemp -d)
first=
trap '[ -n "$first" ] && kill -9 "$first" 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
folder="$HOME/Documents/Quorvane/KT"
mkdir -p "$folder" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '1700000000\r\n1700000000\tGolf, general\tseed\t30.00\tPark\t200.0\t80.0\t1\t\r\n' > "$folder/ExerciseData.edb"
fail() { echo "$1"; cat "$work/$2.err" 2>/dev/null; exit 1; }

"$program" 2> "$work/first.err" &
first=$!
# The first is ready when its window's socket listens and, its journal loaded, it keeps its
# changes in the recovery file.
listening() { ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -q '^kinetrax-'; }
for _ in $(seq 100); do listening && [ -e "$folder/ExerciseData.recovery" ] && break; sleep 0.1; done
listening || fail "the first start never listened" first
[ -e "$folder/ExerciseData.recovery" ] || fail "the first start never loaded its journal" first
before=$(ls -l --time-style=full-iso "$folder" | md5sum)

timeout 10 "$program" 2> "$work/second.err" || fail "second start ended with $?" second
[ "$(ls -l --time-style=full-iso "$folder" | md5sum)" = "$before" ] || fail "the second start touched the data folder"
kill -0 "$first" || fail "the first start is gone"

kill -TERM "$first"
status=0
wait "$first" || status=$?
first=
[ "$status" = 0 ] || fail "the first start ended with $status on SIGTERM" first
echo "second start handed over; first ended on SIGTERM"

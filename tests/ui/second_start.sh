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

"$program" 2> "$work/first.err" &
first=$!
# The first is ready when its window's socket listens and, its journal loaded, it keeps its
# changes in the recovery file.
for _ in $(seq 100); do
  if ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -q '^kinetrax-' && [ -e "$folder/ExerciseData.recovery" ]; then break; fi
  sleep 0.1
done
ls "$XDG_RUNTIME_DIR" | grep -q '^kinetrax-' || { echo "the first start never listened"; cat "$work/first.err"; exit 1; }
[ -e "$folder/ExerciseData.recovery" ] || { echo "the first start never loaded its journal"; cat "$work/first.err"; exit 1; }
before=$(ls -l --time-style=full-iso "$folder" | md5sum)

status=0
timeout 10 "$program" 2> "$work/second.err" || status=$?
[ "$status" = 0 ] || { echo "second start ended with $status"; cat "$work/second.err"; exit 1; }
[ "$(ls -l --time-style=full-iso "$folder" | md5sum)" = "$before" ] || { echo "the second start touched the data folder"; exit 1; }
kill -0 "$first" || { echo "the first start is gone"; exit 1; }

kill -TERM "$first"
status=0
wait "$first" || status=$?
first=
[ "$status" = 0 ] || { echo "the first start ended with $status on SIGTERM"; cat "$work/first.err"; exit 1; }
echo "second start handed over; first ended on SIGTERM"

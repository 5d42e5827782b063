#!/usr/bin/env bash
# The built kinetrax-cli as a user runs it: the default folder from the desktop's user-dirs.dirs,
# exit statuses, and a lock held by another process.
#   cli_end_to_end.sh KINETRAX_CLI KT_SAMPLE_DATA
set -euo pipefail
cli="$1"
sample="$2"
work=$(mktemp -d)
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$work/home"
unset XDG_CONFIG_HOME
mkdir -p "$HOME/.config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Papers"' > "$HOME/.config/user-dirs.dirs"
folder="$HOME/Papers/Quorvane/KT"
"$sample" --out "$folder" --records 300 >/dev/null

out=$("$cli" summary --period 8) || fail "summary exited $?"
grep -q "^There are 300 exercise events" <<<"$out" || fail "summary did not describe the sample journal: $out"
"$cli" check >/dev/null || fail "check of a clean journal exited $?"

set +e
err=$("$cli" summary --period 12 2>&1 >/dev/null); status=$?
set -e
[ "$status" = 2 ] || fail "bad arguments exited $status, not 2"
[ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "bad arguments gave more than one line: $err"

# This shell holds the folder's lock, as the running window does; the program started from it is
# another open of the file and must find it taken.
exec 9>"$folder/.kinetrax.lock"
flock -n 9 || fail "the lock could not be taken for the test"
echo "kinetrax 4242" >&9
before=$(md5sum < "$folder/ExerciseData.edb")
set +e
err=$("$cli" add --activity "Golf, general" --description Range --duration 30 2>&1); status=$?
set -e
[ "$status" = 1 ] || fail "add beside a held lock exited $status, not 1"
grep -q "is open in another program (kinetrax 4242)" <<<"$err" || fail "add beside a held lock said: $err"
[ "$(md5sum < "$folder/ExerciseData.edb")" = "$before" ] || fail "add changed the journal beside a held lock"
exec 9>&-

"$cli" add --activity "Golf, general" --description Range --duration 30 --date 2001-02-03 >/dev/null || fail "add exited $?"
"$cli" export-csv --from 2001-02-03 --to 2001-02-03 - | grep -q "^36925,Golf- general,Range,30.00," || fail "the added record was not exported"
echo "kinetrax-cli end to end: 1 passed, 0 failed"

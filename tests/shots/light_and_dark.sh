#!/usr/bin/env bash
# Every screenshot kt-dialog-shots writes exists in the light and in the dark palette, and no
# window looks the same in both.
#   light_and_dark.sh KT_DIALOG_SHOTS PROGRAM_FOLDER
set -euo pipefail
shots="$1"
program="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TMPDIR="$work"
mkdir -p "$HOME"
"$shots" "$work/light" "$program" >/dev/null || fail "the light shots failed"
"$shots" --dark "$work/dark" "$program" >/dev/null || fail "the dark shots failed"
light=$(cd "$work/light" && ls)
[ "$light" = "$(cd "$work/dark" && ls)" ] || fail "light and dark shots are not the same windows"
count=$(wc -w <<<"$light")
[ "$count" -ge 20 ] || fail "only $count shots"
for name in main.png preferences.png about.png average-details.png; do
  grep -qx "$name" <<<"$light" || fail "no $name"
done
for name in $light; do
  [ "$(identify -format %m "$work/light/$name")" = PNG ] || fail "$name is no PNG"
  ! cmp -s "$work/light/$name" "$work/dark/$name" || fail "$name looks the same in the dark palette"
done
echo "screenshots: $count windows, each different light and dark"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher with a stand-in game: where it puts the player's folder (HOME
# unset, empty, relative or beginning with "-" falls back to the password
# database), that it copies the cues only into a folder it makes, and that the
# game gets its arguments and runs inside the folder.
# usage: launcher_test.sh PATH/TO/brelvox-launcher SOUNDS_DIR
set -u
launcher=$(readlink -f "$1")
sounds=$(readlink -f "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cues="click.wav mark.wav Hint.wav HintOK.wav bang.wav Win.wav"

# The stand-in game records where it ran and what it was given.
cat >"$scratch/game" <<'GAME'
#!/bin/sh
{ pwd; for a in "$@"; do printf '<%s>' "$a"; done; echo; } >"$BRELVOX_TEST_LOG"
GAME
chmod +x "$scratch/game"
# The password database as the launcher sees it.
mkdir "$scratch/bin"
cat >"$scratch/bin/getent" <<'GETENT'
#!/bin/sh
[ -n "$BRELVOX_TEST_PWHOME" ] || exit 2
echo "player:x:$(id -u):$(id -g)::$BRELVOX_TEST_PWHOME:/bin/sh"
GETENT
chmod +x "$scratch/bin/getent"
# A launcher gone wrong must not make folders outside the scratch folder.
cat >"$scratch/bin/mkdir" <<MKDIR
#!/bin/sh
for last in "\$@"; do :; done
case "\$last" in
  "$scratch"/*) exec /bin/mkdir "\$@" ;;
  *) echo "mkdir outside the test: \$*" >&2; exit 1 ;;
esac
MKDIR
chmod +x "$scratch/bin/mkdir"

# launch CASE_DIR [ENV=VALUE ...] -- [ARGS]: runs the launcher from CASE_DIR
# with a clean environment plus the given variables.
launch() {
  dir=$1
  shift
  mkdir -p "$dir"
  vars=""
  while [ "$1" != "--" ]; do
    vars="$vars $1"
    shift
  done
  shift
  # shellcheck disable=SC2086
  (cd "$dir" && env -i PATH="$scratch/bin:/usr/bin:/bin" BRELVOX_BINARY="$scratch/game" \
    BRELVOX_SOUNDS="$sounds" BRELVOX_TEST_LOG="$dir/game.log" $vars \
    sh "$launcher" "$@" >"$dir/out" 2>&1)
}
ran_in() { [ "$(head -n 1 "$1/game.log" 2>/dev/null)" = "$2" ]; }
has_all_cues() {
  for cue in $cues; do cmp -s "$1/$cue" "$sounds/$cue" || return 1; done
}

# A first start makes the folder with every cue; the arguments reach the game.
c=$scratch/first
launch "$c" HOME="$c/home" -- -platform "two words" || fail "first start: $(cat "$c/out")"
ran_in "$c" "$c/home/.local/share/brelvox" || fail "first start ran in $(head -n 1 "$c/game.log")"
has_all_cues "$c/home/.local/share/brelvox" || fail "first start: cues not copied"
[ "$(sed -n 2p "$c/game.log")" = "<-platform><two words>" ] || fail "arguments: $(sed -n 2p "$c/game.log")"

# Later starts leave the folder as the player left it: a deleted cue stays
# deleted, a replaced one stays replaced.
rm "$c/home/.local/share/brelvox/click.wav"
printf 'my own\n' >"$c/home/.local/share/brelvox/Win.wav"
launch "$c" HOME="$c/home" -- || fail "second start: $(cat "$c/out")"
[ -e "$c/home/.local/share/brelvox/click.wav" ] && fail "a deleted cue came back"
[ "$(cat "$c/home/.local/share/brelvox/Win.wav")" = "my own" ] || fail "the player's Win.wav changed"
ran_in "$c" "$c/home/.local/share/brelvox" || fail "second start ran elsewhere"

# XDG_DATA_HOME wins when absolute and is ignored when relative.
c=$scratch/xdg
launch "$c" HOME="$c/home" XDG_DATA_HOME="$c/data" -- || fail "XDG_DATA_HOME: $(cat "$c/out")"
ran_in "$c" "$c/data/brelvox" || fail "absolute XDG_DATA_HOME not used"
launch "$c" HOME="$c/home" XDG_DATA_HOME=data -- || fail "relative XDG_DATA_HOME: $(cat "$c/out")"
ran_in "$c" "$c/home/.local/share/brelvox" || fail "relative XDG_DATA_HOME was used"

# No usable HOME: the password database's home folder, and nothing made in
# the current folder.
for home in unset "" relative "-rf" "--help"; do
  c=$scratch/home-$(echo "x$home" | tr -c 'a-z\n' '_')
  if [ "$home" = unset ]; then
    launch "$c" BRELVOX_TEST_PWHOME="$c/pw" -- || fail "HOME $home: $(cat "$c/out")"
  else
    launch "$c" HOME="$home" BRELVOX_TEST_PWHOME="$c/pw" -- || fail "HOME '$home': $(cat "$c/out")"
  fi
  ran_in "$c" "$c/pw/.local/share/brelvox" || fail "HOME '$home': ran in $(head -n 1 "$c/game.log" 2>/dev/null)"
  has_all_cues "$c/pw/.local/share/brelvox" || fail "HOME '$home': cues not copied"
  [ "$(ls -A "$c" | sort | tr '\n' ' ')" = "game.log out pw " ] ||
    fail "HOME '$home' left $(ls -A "$c" | tr '\n' ' ')in the current folder"
done

# No home anywhere: a message, no game, nothing made.
c=$scratch/nohome
launch "$c" -- && fail "no home folder: the launcher went on"
grep -q "no home folder" "$c/out" || fail "no home folder: no message ($(cat "$c/out"))"
[ -e "$c/game.log" ] && fail "no home folder: the game ran"

[ "$failures" -eq 0 ] || exit 1
echo "launcher checks passed"

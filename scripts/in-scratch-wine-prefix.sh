#!/usr/bin/env bash
# Runs a command in scripts/in-wine-session.sh, in a throwaway copy of the
# Wine prefix ($WINEPREFIX), with SPEEDRAIL_SCRATCH_PREFIX set: for tests
# that change the prefix for good (register services, say), which the other
# tests must never see. The copy lies beside the prefix. It and its Wine
# processes go when the command ends; a copy that a killed run left behind
# goes before the next run.
set -uo pipefail

: "${WINEPREFIX:?names the Wine prefix to copy}"
scratch=${WINEPREFIX%/}-scratch

discard() {
  [ -d "$scratch" ] || return 0
  WINEPREFIX=$scratch wineserver -k </dev/null >/dev/null 2>&1
  WINEPREFIX=$scratch wineserver -w </dev/null >/dev/null 2>&1
  rm -rf "$scratch"
}
discard
trap discard EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

cp -a "$WINEPREFIX" "$scratch" || exit 1
WINEPREFIX=$scratch SPEEDRAIL_SCRATCH_PREFIX=1 \
  "$(dirname "${BASH_SOURCE[0]}")/in-wine-session.sh" "$@"

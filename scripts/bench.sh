#!/usr/bin/env bash
# Builds the cross build and runs the Win32 benchmarks under Wine, in the
# test run's prefix, on a virtual display: start-up against a bare window,
# the command launcher against bare CreateProcessW, and filling the service
# list. Prints their figures; these are measurements, not tests. The music
# really plays, into the session's sound files (scripts/in-wine-session.sh),
# so the start-up with music measures playback, heard by no one.
#
# They run in a Wine desktop window of their own: on a bare X display with no
# window manager, Wine waits up to two seconds for every window it hides to
# be withdrawn, which would swamp the start-up figures.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages
ensure_wine_prefix
cross_build

cd "$CROSS_BUILD"
with_display "$ROOT/scripts/in-wine-session.sh" bash -c '
  for benchmark in "$@"; do
    printf "== %s\n" "$benchmark" >&2
    wine explorer /desktop=speedrail-bench,1280x1024 "$benchmark.exe"
  done
' _ startup_bench launch_bench list_fill_bench

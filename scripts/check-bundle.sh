#!/usr/bin/env bash
# Runs the test bundle as a user would, and reads its report:
#
#   check-bundle.sh <bundle zip> <GoogleTest filter of the tests a default run leaves out> <scratch folder>
#
# Unzips the bundle into a fresh folder whose path holds blanks and "ñ", in a
# fresh Wine prefix inside <scratch folder> (with the prefix's wmic
# forwarder, as ensure_wine_prefix sets up), on the current display. There:
# started without administrator rights (a token with the Administrators
# group for denying only), run-tests.cmd must stop with one line; started by
# `wine cmd /c`, it must pass, leave every service of the prefix in the
# state it found it, and write a report that names every test of the program
# but the left-out ones, none failed, each skip with its reason, and the
# start-up table. Exits non-zero on any failure.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

zip=$(realpath "$1") left_out=$2 scratch=$(realpath -m "$3")
export WINEPREFIX=$scratch/wineprefix
discard() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
}
discard
rm -rf "$scratch"
mkdir -p "$scratch"
trap discard EXIT
ensure_wine_prefix

folder="$scratch/pruebas en Castilla-La Mancha, año ñ"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
bundle=("$folder"/*-tests)
cd "$bundle"

# Each step in the session (sound to files, the prefix's processes up).
# shellcheck disable=SC2016
"$ROOT/scripts/in-wine-session.sh" bash -c '
  services() {
    wine wmic path win32_service get name,servicetype,state </dev/null | iconv -f UTF-16 -t UTF-8 | sort
  }
  services >"$1/services-before.txt"
  wine unelevated_start.exe cmd /c run-tests.cmd </dev/null >"$1/unelevated.txt" 2>&1
  echo "$?" >"$1/unelevated-status.txt"
  wine cmd /c run-tests.cmd </dev/null >"$1/run.txt" 2>&1
  echo "$?" >"$1/run-status.txt"
  services >"$1/services-after.txt"
  wine win32_tests.exe --gtest_list_tests "--gtest_filter=-$2" </dev/null >"$1/listed.txt" 2>&1
' _ "$scratch" "$left_out"

python3 "$ROOT/scripts/check-bundle-report.py" "$scratch" "$bundle/report"

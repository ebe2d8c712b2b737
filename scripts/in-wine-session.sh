#!/usr/bin/env bash
# Runs a command with the Wine prefix's own processes already up, then takes
# them down. Started here with no pipes attached, the prefix's long-lived
# processes (server, services, desktop) cannot hold a test runner's output
# pipe open after a test ends.
set -uo pipefail
wineserver -p 60 </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
"$@"
status=$?
wineserver -k </dev/null >/dev/null 2>&1
exit "$status"

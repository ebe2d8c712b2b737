#!/usr/bin/env bash
# Runs a command with the Wine prefix's own processes already up. Started
# here with no pipes attached, the prefix's long-lived processes (services,
# desktop) cannot hold a test runner's output pipe open after a test ends.
set -euo pipefail
wineserver -p 60
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
exec "$@"

#!/usr/bin/env bash
# Builds everything and runs every test: the core's unit tests and fuzz
# target natively, then the Win32 tests (window, platform, end to end)
# under Wine on a virtual display, and the release: the cross build's
# tests make the release zip and the test bundle, read the zip, and run the
# bundle as a user would (scripts/check-bundle.sh). Last, the Windows
# workflow is checked against the workflow schema. Exits non-zero on any
# failure.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages
ensure_wine_prefix
ensure_workflow_validator
native_build
cross_build

status=0
log "native tests"
(cd "$NATIVE_BUILD" && ctest --output-on-failure -j "$JOBS") || status=1

log "Win32 tests under Wine, and the release"
(cd "$CROSS_BUILD" && with_display "$ROOT/scripts/in-wine-session.sh" ctest --output-on-failure) ||
  status=1

log "the Windows workflow"
"$ACTION_VALIDATOR" "$ROOT/.github/workflows/windows.yml" || status=1

if [ "$status" -ne 0 ]; then log "FAILED"; else log "all tests passed"; fi
exit "$status"

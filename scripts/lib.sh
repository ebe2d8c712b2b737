# Shared by run.sh and test.sh: installing what the build needs, building,
# and the Wine prefix inside the build folder.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${SPEEDRAIL_BUILD:-$ROOT/build}
NATIVE_BUILD=$BUILD/native
CROSS_BUILD=$BUILD/cross
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install dialogs in the test prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Where the prefix's own tools live (the wmic forwarder), ahead of the system's.
WINE_TOOLS='C:\speedrail-tools'
export WINEPATH=$WINE_TOOLS
JOBS=$(nproc)

log() { printf '== %s\n' "$*" >&2; }

# Wine's media player plays MIDI through GStreamer: decodebin and the audio
# converters (plugins-base), the MIDI parser and the FluidSynth decoder
# (plugins-bad), and the General MIDI sound font FluidSynth plays with.
# Without them the music stays silent and its tests fail.
#
# clang only recommends its runtime, which the sanitizers and the fuzzer
# link against (libclang-rt-dev). Carlito (Calibri's metrics) and
# Liberation Sans (Arial's) keep the captions inside their controls: with
# no stand-in installed Wine draws them in the much wider DejaVu Sans.
# OpenSSL and osslsigncode sign the release and check its signature, a
# key on a token through OpenSSL's pkcs11 engine (libengine-pkcs11-openssl,
# in OpenSSL's own engines folder, where osslsigncode finds it); the
# release test keeps its throwaway token in SoftHSM2 and makes the key
# there with pkcs11-tool (opensc). clang-format checks that the sources
# are as it would write them. Node.js and npm install the workflow's
# validator (ensure_workflow_validator); a Node.js that brings its own npm
# (NodeSource's) needs no Debian npm, which would clash with it.
ensure_packages() {
  local wanted=(cmake ninja-build g++ clang libclang-rt-dev clang-format libgtest-dev googletest
                libbenchmark-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                wine wine64 gstreamer1.0-plugins-base gstreamer1.0-plugins-bad
                timgm6mb-soundfont fonts-crosextra-carlito fonts-liberation
                xvfb xauth x11-utils xdotool imagemagick python3 openssl osslsigncode
                libengine-pkcs11-openssl softhsm2 opensc nodejs unzip)
  local missing=()
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  command -v npm >/dev/null || missing+=(npm)
  if ((${#missing[@]})); then
    log "installing ${missing[*]}"
    local sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# The workflow file's validator, from npm, kept in the build folder; it
# reads the workflow schema it carries, with no network.
ACTION_VALIDATOR=$BUILD/npm/node_modules/.bin/action-validator
ensure_workflow_validator() {
  [ -x "$ACTION_VALIDATOR" ] && return
  log "installing the workflow validator from npm"
  npm install --no-audit --no-fund --silent --prefix "$BUILD/npm" \
    @action-validator/cli@0.6.0 @action-validator/core@0.6.0
}

cross_build() {
  log "cross build (MinGW-w64, x86_64)"
  cmake -S "$ROOT" -B "$CROSS_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DSPEEDRAIL_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build "$CROSS_BUILD" -j "$JOBS" "$@"
}

native_build() {
  log "native build (clang)"
  cmake -S "$ROOT" -B "$NATIVE_BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPEEDRAIL_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

# A Wine prefix of the project's own, with the wmic forwarder on its path.
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    log "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  local tools="$WINEPREFIX/drive_c/speedrail-tools"
  mkdir -p "$tools"
  cp "$ROOT/scripts/wine/wmic.cmd" "$tools/wmic.cmd"
}

# Runs the rest of the command on $DISPLAY, or on a virtual display.
with_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}

#!/usr/bin/env bash
# Runs a command with the Wine prefix's own processes already up, then takes
# them down. Started here with no pipes attached, the prefix's long-lived
# processes (server, services, desktop) cannot hold a test runner's output
# pipe open after a test ends.
#
# Sound goes to files, never to a device: each audio stream a program of the
# session opens is recorded, as 32-bit float stereo at 48 kHz, in a file of
# its own (stream.raw, stream.raw.0001, ...) in the folder named by
# SPEEDRAIL_AUDIO_SINK. This is ALSA's file sink over its null device; Wine's
# PulseAudio driver is switched off so that the sound takes the ALSA road.
# The tests listen there, and nothing the session plays is heard.
set -uo pipefail

session=$(mktemp -d "${TMPDIR:-/tmp}/speedrail-session.XXXXXX") || exit 1
trap 'rm -rf "$session"' EXIT
export SPEEDRAIL_AUDIO_SINK=$session/streams
mkdir "$SPEEDRAIL_AUDIO_SINK"
cat >"$session/asound.conf" <<EOF
pcm.!default {
    type plug
    slave {
        pcm {
            type file
            slave.pcm { type null }
            file "$SPEEDRAIL_AUDIO_SINK/stream.raw"
            format raw
            truncate false
        }
        format FLOAT_LE
        channels 2
        rate 48000
    }
}
EOF
export ALSA_CONFIG_PATH=${ALSA_CONFIG_PATH:-/usr/share/alsa/alsa.conf}:$session/asound.conf
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winepulse.drv=d"

wineserver -p 60 </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
"$@"
status=$?
wineserver -k </dev/null >/dev/null 2>&1
exit "$status"

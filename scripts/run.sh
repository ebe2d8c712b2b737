#!/usr/bin/env bash
# Builds SpeeDRaiL.exe and starts it under Wine from its distribution folder.
# With no display at hand it runs on a virtual one, answers the start-up
# message, saves a screenshot of the main window, prints its path and closes.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages
ensure_wine_prefix
cross_build
cd "$CROSS_BUILD/dist"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine SpeeDRaiL.exe
fi

screenshot=$CROSS_BUILD/SpeeDRaiL.png
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  wine SpeeDRaiL.exe & program=$!
  wait_window() { for _ in $(seq 300); do id=$(xdotool search --name "$1" 2>/dev/null | head -1); [ -n "$id" ] && { echo "$id"; return 0; }; sleep 0.1; done; return 1; }
  if box=$(wait_window "^Información - SpeeDRaiL$"); then xdotool key --window "$box" Return; fi
  main=$(wait_window "^SpeeDRaiL > Ejecute como Admin") || { echo "the main window did not appear" >&2; exit 1; }
  # Capture once the window has painted more than its black background.
  for _ in $(seq 50); do
    import -window "$main" "$1" 2>/dev/null &&
      awk "BEGIN{exit !($(convert "$1" -format "%[fx:mean]" info:) > 0.05)}" && break
    sleep 0.1
  done
  wineserver -k; wait "$program" 2>/dev/null || true
' _ "$screenshot"
echo "screenshot: $screenshot"

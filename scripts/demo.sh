#!/usr/bin/env bash
# The demo: builds Quorvel, starts a local publisher (python3 -m http.server on
# 127.0.0.1) with an example remote version file and change log, lays out a
# demo folder (the language files and a localversion.txt pointing at the
# publisher) and opens the real window there.
#
# With a display, the window is yours to click; the demo ends when it closes.
# Without one ($DISPLAY and $WAYLAND_DISPLAY unset) it runs under Xvfb, clicks the check button
# itself and leaves screenshots before and after the check in build/.
#
# Usage: scripts/demo.sh [Language]   (English by default; German works too)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
language=${1:-English}

scripts/install-deps.sh
scripts/build.sh

# The program is the sanitizer build; GTK's own libraries keep some memory
# until the end, which is not the program's leak.
export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$root/platform/gtk/lsan-suppressions.txt:print_suppressions=0

server_pid=""
display_pid=""
program_pid=""
stop_all() {
  for pid in "$program_pid" "$server_pid" "$display_pid"; do
    [[ -n "$pid" ]] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap stop_all EXIT

# The publisher: a release 1.01 with a change log, for an installed 1.00.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
publisher="http://127.0.0.1:$port"
rm -rf demo
mkdir -p demo/language demo/publisher
cp language/*.txt demo/language/
printf '101\n%s/quorvel-demo-1.01.html\n%s/changelog.txt\n' \
  "$publisher" "$publisher" > demo/publisher/version.txt
printf '%s\n' "Version 1.01" "- Checks finish sooner on slow networks" \
  "- The change log keeps its line breaks" "- German texts revised" \
  > demo/publisher/changelog.txt
printf '<!doctype html><title>Quorvel Demo 1.01</title><h1>Quorvel Demo 1.01</h1><p>This is where the download would start.</p>\n' \
  > demo/publisher/quorvel-demo-1.01.html
printf 'Quorvel Demo\n100\n%s/version.txt\n' "$publisher" > demo/localversion.txt

python3 -m http.server --bind 127.0.0.1 --directory demo/publisher "$port" \
  > demo/publisher.log 2>&1 &
server_pid=$!
for _ in $(seq 50); do
  curl -sf "$publisher/version.txt" > /dev/null && break
  sleep 0.1
done
echo "Publisher: $publisher/version.txt (log in demo/publisher.log)"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Opening Quorvel in demo/ ($language); close its window to end the demo."
  (cd demo && exec "$root/build/quorvel" "" "$language")
  exit 0
fi

# No display: a virtual one, and the demo clicks for you.
rm -f demo/display.txt
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3> demo/display.txt \
  > /dev/null 2>&1 &
display_pid=$!
for _ in $(seq 100); do
  [[ -s demo/display.txt ]] && break
  sleep 0.1
done
[[ -s demo/display.txt ]] || { echo "Xvfb did not start." >&2; exit 1; }
export DISPLAY=":$(head -n1 demo/display.txt)"

(cd demo && exec "$root/build/quorvel" "" "$language") &
program_pid=$!

window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Quorvel v\.1\.01$' 2>/dev/null | head -n1) || true
  [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || { echo "The Quorvel window did not open." >&2; exit 1; }
client_height() { xwininfo -id "$window" | awk '/Height:/ { print $2 }'; }

pixel() { convert "$1" -alpha off -crop "1x1+$2+$3" -depth 8 rgb:- | od -An -tu1; }
# The controls are created right after the window opens: wait until the
# banner and, on it, the last of them (the "?" button) are drawn.
for _ in $(seq 100); do
  import -window "$window" build/demo-before.png
  [[ "$(pixel build/demo-before.png 100 25)" == "$(pixel resources/banner.png 100 25)" &&
     "$(pixel build/demo-before.png 292 7)" != "$(pixel resources/banner.png 292 7)" ]] && break
  sleep 0.2
done
xdotool mousemove --window "$window" 75 243 click 1  # the check button
for _ in $(seq 300); do
  [[ "$(client_height)" == 486 ]] && break
  sleep 0.1
done
sleep 1
import -window "$window" build/demo-after.png
xdotool mousemove --window "$window" 225 468 click 1  # Close
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done

echo "Screenshots of the window:"
echo "  before the check: $root/build/demo-before.png"
echo "  after the check:  $root/build/demo-after.png (inner height $(identify -format %h build/demo-after.png), 486 with a change log)"

# Sourced by the other scripts: installs what is missing and goes to the project root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# libxcb1-dev: the display's scale and the graph's scrolling on the screen
# talk to the X server; xvfb and xauth: one test runs on a real X server.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev libgtest-dev libgmock-dev
                libbenchmark-dev fonts-liberation fonts-dejavu-core xvfb xauth)
# The Windows builds: mingw-w64 with posix threads, GoogleTest's sources, Wine,
# icotool for the program's icon.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine64
                  fonts-liberation fonts-dejavu-core icoutils)
# 32-bit Windows programs run under Debian's 32-bit Wine, an i386 package.
WINDOWS_32_PACKAGES=(wine32:i386)
# The Windows installer's maker.
WINDOWS_PACKAGE_TOOLS=(nsis)

# Installs the named Debian packages that are not installed yet.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  apt_update $sudo
  # Another apt (an unattended upgrade) may hold the package lock: wait for it.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

# apt-get update, waiting up to ten minutes while another apt holds the
# lists lock (its lock timeout covers only the package lock); any other
# failure ends the script at once.
apt_update() {
  local output
  for _ in $(seq 120); do
    output=$(LC_ALL=C "$@" apt-get update -qq 2>&1) && return 0
    grep -q "Could not get lock" <<<"$output" || break
    sleep 5
  done
  echo "$output" >&2
  return 1
}

# Runs a command as the user who asked for the script: under sudo, as the
# user who called sudo when the checkout is theirs, so that what it builds
# stays theirs too.
as_invoking_user() {
  if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ] &&
     [ "$(stat -c %u .)" = "${SUDO_UID:-}" ]; then
    sudo -u "$SUDO_USER" -- "$@"
  else
    "$@"
  fi
}

# Where the checking scripts click, from the window's top-left corner (its
# client area): the controls' places in the designed layout.
CLICK_SAVE=(38 312)
CLICK_LOG_DATA=(86 312)
CLICK_STAY_ON_TOP=(259 299)
CLICK_HELP=(484 300)
CLICK_ABOUT=(509 300)

# Starts an X server of its own on a free display (1280 x 800 unless told)
# and, unless told otherwise, the openbox window manager on it. Sets
# DISPLAY, XVFB_PID and OPENBOX_PID; the server's messages go to
# FOLDER/xvfb.log.
start_desktop() {  # start_desktop FOLDER [SCREEN] [no-window-manager]
  local folder=$1 screen=${2:-1280x800x24}
  rm -f "$folder/display"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
  XVFB_PID=$!
  # The server writes its display's number once it takes connections.
  until [ -s "$folder/display" ]; do
    kill -0 "$XVFB_PID" 2>/dev/null || { echo "Xvfb did not start."; cat "$folder/xvfb.log"; exit 1; }
    sleep 0.1
  done
  export DISPLAY=:$(cat "$folder/display")
  OPENBOX_PID=""
  [ "${3:-}" = no-window-manager ] && return 0
  openbox >/dev/null 2>&1 &
  OPENBOX_PID=$!
  sleep 1
}

stop_desktop() {
  kill ${OPENBOX_PID:-} ${XVFB_PID:-} 2>/dev/null || true
  wait 2>/dev/null || true
}

# Starts the built monitor and waits until its window is shown; sets
# MONITOR_PID and MONITOR_WINDOW (needs a display and xdotool).
start_monitor() {
  build/tidemark &
  MONITOR_PID=$!
  MONITOR_WINDOW=$(xdotool search --sync --onlyvisible --name "Marlo-TIDEMARK" | head -n 1)
  sleep 1
}

# Lets dpkg install packages of 32-bit PCs beside this machine's own.
ensure_i386_architecture() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo dpkg --add-architecture i386
  apt_update $sudo
}

# Makes the Windows of a build's wine-run and gives it the window's fonts:
# Wine has neither Arial nor Verdana, and its own fallback is a serif that
# clips every label. Liberation Sans has Arial's metrics; DejaVu Sans stands
# in for Verdana as it does on the Linux desktop.
prepare_wine_prefix() {  # prepare_wine_prefix WINE_RUN WINE_LOADER
  local run=$1 loader=$2 key='HKCU\Software\Wine\Fonts\Replacements'
  "$run" "$loader" wineboot --init
  "$run" "$loader" reg add "$key" /v Arial /t REG_SZ /d "Liberation Sans" /f
  "$run" "$loader" reg add "$key" /v Verdana /t REG_SZ /d "DejaVu Sans" /f
  # Wine's server stays a few seconds after its last program; let it end.
  "$run" "${loader%/*}/wineserver" -w || true
}

# Configures and builds into the given folder with the given CMake arguments.
configure_and_build() {
  local dir=$1
  shift
  as_invoking_user cmake -S . -B "$dir" -G Ninja "$@"
  as_invoking_user cmake --build "$dir" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
}

# The checking scripts' verdicts: counts each FAIL in `failures`, which the
# script sets to 0 first.
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "PASS  $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}

# Waits for a program that should end within ten seconds and leaves its exit
# status in EXIT_STATUS; 137 when it had to be killed.
wait_for_exit() {
  # Killed early, the watchdog must not run the script's own exit handlers.
  (trap - EXIT TERM; sleep 10 && kill -9 "$1" 2>/dev/null) &
  local watchdog=$!
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
  kill "$watchdog" 2>/dev/null || true
}

# Sourced by the other scripts: installs what is missing and goes to the project root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
                libbenchmark-dev fonts-liberation fonts-dejavu-core)
# The Windows builds: mingw-w64 with posix threads, GoogleTest's sources, Wine.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine64)

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
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Starts the built monitor and waits until its window is shown; sets
# MONITOR_PID and MONITOR_WINDOW (needs a display and xdotool).
start_monitor() {
  build/tidemark &
  MONITOR_PID=$!
  MONITOR_WINDOW=$(xdotool search --sync --onlyvisible --name "Marlo-TIDEMARK" | head -n 1)
  sleep 1
}

# Configures and builds into the given folder with the given CMake arguments.
configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
}

# The checking scripts' verdicts: counts each FAIL in `failures`, which the
# script sets to 0 first.
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "PASS  $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}

# Waits for a program that should end within ten seconds and leaves its exit
# status in EXIT_STATUS; 137 when it had to be killed.
wait_for_exit() {
  (sleep 10 && kill -9 "$1" 2>/dev/null) &
  local watchdog=$!
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
  kill "$watchdog" 2>/dev/null || true
}

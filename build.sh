#!/usr/bin/env bash
# One entry point for a fresh Debian machine: installs what the build needs,
# builds, and then either starts the program (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev wamerican clang)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja
cmake --build "$BUILD_DIR" --parallel

case "${1:-run}" in
  run)
    exec "$BUILD_DIR/zelker" "${@:2}"
    ;;
  test)
    cd "$BUILD_DIR"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Set-up, build, run and test on a Debian 12 machine.
#   bash scripts/dev.sh run    installs what is missing, builds, makes the demo databases, starts the program
#   bash scripts/dev.sh test   installs what is missing, builds, runs every test
set -euo pipefail
cd "$(dirname "$0")/.."

what=${1:-}
case "$what" in
  run|test) ;;
  *) echo "usage: bash scripts/dev.sh run|test" >&2; exit 2 ;;
esac

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev sqlite3 libgtest-dev libbenchmark-dev clang-format)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DR78_WERROR=ON \
  -DR78_DRIVE_C="$PWD/drive_c" >/dev/null
cmake --build build

if [ "$what" = run ]; then
  exec ./build/app/r78
fi
# Every source file laid out by the repository's .clang-format.
if ! out=$(cmake --build build --target format_check 2>&1); then
  echo "$out" | grep -v '^\[' >&2
  echo "Sources differ from .clang-format: run 'cmake --build build --target format'." >&2
  exit 1
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"

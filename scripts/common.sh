# Shared steps of the run and test commands: install what is missing, build, prepare Wine.
# Sourced, not run. Everything lands under build/ in the repository.

set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"
export POLVER_WINEPREFIX="${POLVER_WINEPREFIX:-$BUILD/wine-prefix}"
export WINEPREFIX="$POLVER_WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

PACKAGES=(cmake make g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix
          wine wine64 fonts-wine xvfb xauth xdotool imagemagick x11-utils)
# Fuzz targets (build/fuzz): clang and its libFuzzer, ASan and UBSan runtimes.
PACKAGES+=(clang-14 libclang-rt-14-dev)
# Printing end to end: the CUPS spooler, its PDF printer, and pdftotext/pdftoppm to read the result.
PACKAGES+=(cups printer-driver-cups-pdf poppler-utils)

# Installs the Debian packages that are not there yet (as root, or through sudo; without
# either it stops with one line that says what to do).
install_missing() {
  local missing=()
  for package in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages: ${missing[*]}. Run this as root, install them" \
        "(apt-get install ${missing[*]}), or install sudo." >&2
      return 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD/native" -j "$JOBS"
}

build_windows() {
  cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build "$BUILD/windows" -j "$JOBS"
}

# ---- Sanitizer and fuzz builds of the portable core (tests/fuzz, scripts/fuzz.sh) ----
# The native core and unit tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (unoptimised: it builds in a third of the time, and the checks are the same).
build_sanitize() {
  cmake -S "$ROOT" -B "$BUILD/sanitize" -DCMAKE_BUILD_TYPE=Debug -DPOLVER_SANITIZE=ON >/dev/null
  cmake --build "$BUILD/sanitize" -j "$JOBS"
}

# The libFuzzer targets, with clang.
build_fuzz() {
  cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOLVER_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
  cmake --build "$BUILD/fuzz" -j "$JOBS" --target polver_fuzzers
}
# ---- end of sanitizer and fuzz builds ----

# The PDF printer the end-to-end tests print on: cupsd running (started here if it is not), the
# printer PolverPDF present, enabled, accepting jobs and the default. Every job becomes a PDF in
# ~/PDF of the user who prints (see Out in /etc/cups/cups-pdf.conf). Safe to run again. Only what
# is missing is changed, as root or through sudo: a user without either, on a machine where it is
# all in place, needs neither.
POLVER_PRINTER=PolverPDF
cups_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
needs_admin_rights() {
  echo "Setting up the PDF printer needs root or sudo: $*" >&2
  return 1
}
prepare_pdf_printer() {
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then as_root=(sudo); else as_root=(needs_admin_rights); fi
  fi
  if ! cups_running; then
    "${as_root[@]}" cupsd || return 1
    for _ in $(seq 100); do cups_running && break; sleep 0.1; done
  fi
  if ! lpstat -p "$POLVER_PRINTER" >/dev/null 2>&1; then
    "${as_root[@]}" lpadmin -p "$POLVER_PRINTER" -v cups-pdf:/ \
      -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E || return 1
  fi
  if LC_ALL=C lpstat -p "$POLVER_PRINTER" | grep -q disabled; then
    "${as_root[@]}" cupsenable "$POLVER_PRINTER" || return 1
  fi
  if LC_ALL=C lpstat -a "$POLVER_PRINTER" | grep -q 'not accepting'; then
    "${as_root[@]}" cupsaccept "$POLVER_PRINTER" || return 1
  fi
  [ "$(LC_ALL=C lpstat -d 2>/dev/null)" = "system default destination: $POLVER_PRINTER" ] ||
    "${as_root[@]}" lpadmin -d "$POLVER_PRINTER"
}

# A private Wine prefix; without a window manager Wine must not wait for one (Managed = N).
# Debian's Wine looks for its own fonts at a path it cannot open (its data folder and then
# "../fonts"), so the fonts that fonts-wine puts in /usr/share/wine/fonts are never loaded, and
# without Marlett the caption buttons and scroll-bar arrows come out as the letters "0 1 r".
# Marlett alone goes into the prefix's Fonts folder: with the whole folder, the editor's default
# "System" font would become Wine's bitmap one, whose 5 is hard to tell from an S. The marker
# holds the version of these settings; a prefix made by an older version is made anew, since
# the fonts a prefix has once loaded stay registered in it.
prepare_wine_prefix() {
  local ready="$WINEPREFIX/.polver-ready" version=4
  if [ "$(cat "$ready" 2>/dev/null)" != "$version" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX (once)"
    [ -f "$ready" ] && rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    echo "$version" >"$ready"
  fi
}

# One Wine session for a whole test run: a persistent server, and Wine's own background services
# started now with their output going nowhere (started by a test, they would hold its output pipe
# open, and the test runner would wait for them forever).
start_wine_session() {
  wineserver -p
  wineboot >/dev/null 2>&1 </dev/null || true
}

# ---- Benchmarks (scripts/benchmark-*.sh) ----
# The Windows build folder given (build/windows by default) as an absolute path, printed once it
# holds polver.exe; otherwise a message and status 2.
benchmark_build_folder() {
  local build
  build=$(cd "${1:-$BUILD/windows}" && pwd) || return 2
  if [ ! -f "$build/polver.exe" ]; then
    echo "no $build/polver.exe: build the Windows program first" >&2
    return 2
  fi
  echo "$build"
}

# Builds tests/bench/NAME_benchmark.cpp and runs it on a virtual display against polver.exe in
# the Windows build folder given (build/windows by default), in a Wine prefix of its own inside
# that folder, with any further arguments after the path of polver.exe. Its exit status is the
# benchmark's: 0 within the target, 1 above it, 2 failed.
# Usage: run_benchmark NAME [build folder] [benchmark argument...]
run_benchmark() {
  local name=$1 build
  build=$(benchmark_build_folder "${2:-}") || return 2
  shift $(($# < 2 ? $# : 2))
  local bench="$build/${name}_benchmark.exe"
  x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -static -I "$ROOT/res" -o "$bench" \
    "$ROOT/tests/bench/${name}_benchmark.cpp"
  export WINEPREFIX="$build/benchmark-wineprefix"
  prepare_wine_prefix
  # Wine reaches Linux paths through drive Z:. (Not winepath: a Wine process started here,
  # without the display, would leave the prefix's desktop unable to open windows.)
  local polver
  polver=$(printf 'Z:%s' "$build/polver.exe" | tr / '\\')
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
    'wineserver -p; wine "$@"; code=$?; wineserver -k; exit $code' sh "$bench" "$polver" "$@"
}

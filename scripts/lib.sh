# Shared steps of scripts/test and scripts/demo: install what is missing, build, and run Wine headless.
# Sourced, not run. Everything goes into $NUVARI_BUILD (default: build/ in the checkout).

NUVARI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
NUVARI_BUILD=${NUVARI_BUILD:-$NUVARI_ROOT/build}
NUVARI_JOBS=${NUVARI_JOBS:-2}
NUVARI_PACKAGES="cmake make g++ g++-mingw-w64-x86-64 g++-mingw-w64-i686 googletest wine wine64 xvfb xauth
 locales fonts-ipafont-gothic fonts-wine x11-apps x11-utils imagemagick"

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
  local missing=""
  for p in $NUVARI_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  if [ -n "$missing" ]; then
    log "installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq $missing >/dev/null
  fi
}

ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    log "generating ja_JP.UTF-8"
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
}

ensure_tools() { ensure_packages; ensure_locale; }

# configure_and_build <dir> [cmake args...]
# Configured every time, so a changed option reaches a folder configured before.
configure_and_build() {
  local dir=$1; shift
  cmake -S "$NUVARI_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return 1
  cmake --build "$dir" -j "$NUVARI_JOBS" 2>&1 | { grep -Ev '^\[ *[0-9]+%\]|^Consolidate compiler|^Scanning' || true; }
  [ "${PIPESTATUS[0]}" -eq 0 ]
}

# Warnings are errors in CI only; said explicitly so that a folder CI configured forgets it.
nuvari_werror() { if [ -n "${CI:-}" ]; then echo -DNUVARI_WERROR=ON; else echo -DNUVARI_WERROR=OFF; fi; }

build_native() { configure_and_build "$NUVARI_BUILD/native" "$(nuvari_werror)"; }
build_win64() {
  configure_and_build "$NUVARI_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$NUVARI_ROOT/cmake/mingw-w64-x86_64.cmake" \
    "$(nuvari_werror)"
}
build_win32() {
  # Compiled only: this Wine runs 64-bit programs alone.
  configure_and_build "$NUVARI_BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$NUVARI_ROOT/cmake/mingw-w64-i686.cmake" \
    -DNUVARI_TESTS=OFF "$(nuvari_werror)"
}

wine_env() {
  export WINEPREFIX="$NUVARI_BUILD/win64/wineprefix"
  export WINEDEBUG=-all
  export LC_ALL=ja_JP.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# A private display when there is none; Xvfb ends with the script.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local fdfile; fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  NUVARI_XVFB_PID=$!
  for _ in $(seq 1 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$fdfile")"
  rm -f "$fdfile"
  log "Xvfb on $DISPLAY"
}

reg_add() { wine reg add "$@" /f >/dev/null 2>&1; }

# The prefix is made once per build folder; its settings make Wine fast and Japanese text readable.
ensure_prefix() {
  wine_env
  if [ ! -f "$WINEPREFIX/.nuvari-ready" ]; then
    log "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 </dev/null
    # A virtual desktop: no window manager needed, no 2 s wait per closed window.
    reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
    reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768
    local fs='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for f in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic"; do reg_add "$fs" /v "$f" /d IPAPGothic; done
    for f in "ＭＳ ゴシック" "MS Gothic"; do reg_add "$fs" /v "$f" /d IPAGothic; done
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -f /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.nuvari-ready"
  fi
}

# One persistent wineserver for the run; Wine's services come up here, never under ctest's pipes.
start_wine() {
  ensure_prefix
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null
  trap stop_wine EXIT
}

stop_wine() {
  wineserver -k 2>/dev/null || true
  if [ -n "${NUVARI_XVFB_PID:-}" ]; then kill "$NUVARI_XVFB_PID" 2>/dev/null || true; fi
}

#!/usr/bin/env bash
# Runs Windows programs under Wine as on a Japanese Windows, in a private prefix.
#
#   scripts/wine.sh start            create the prefix if needed and start its wineserver
#   scripts/wine.sh stop             stop that wineserver
#   scripts/wine.sh serve            run the wineserver in the foreground until it is killed, for
#                                    a caller that stops it by its process id; exit 2 when one
#                                    already runs for the prefix
#   scripts/wine.sh prepare          create the prefix if needed, with a wineserver running
#   scripts/wine.sh PROGRAM.exe ARGS run a program (used as CMake's cross-compiling emulator)
#   scripts/wine.sh env              print the environment, for `eval "$(scripts/wine.sh env)"`
#
# TAVOLEX_WINEPREFIX chooses the prefix (default: a folder of this user under TMPDIR); the
# generated ja_JP.UTF-8 locale lives beside it. Wine takes its ANSI code page from the locale,
# so the programs see code page 932 and Japanese command lines and file names pass unchanged.
set -euo pipefail

tmp_root="${TMPDIR:-/tmp}"
prefix="${TAVOLEX_WINEPREFIX:-$tmp_root/tavolex-wine-$(id -u)}"
locale_dir="$prefix.locale"

ensure_locale() {
  if [ ! -f "$locale_dir/ja_JP.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$locale_dir"
    # localedef warns about the charmap's unusual characters yet writes the locale.
    localedef -i ja_JP -f UTF-8 "$locale_dir/ja_JP.UTF-8" >/dev/null 2>&1 || true
    if [ ! -f "$locale_dir/ja_JP.UTF-8/LC_CTYPE" ]; then
      echo "wine.sh: cannot generate the ja_JP.UTF-8 locale (is the locales package installed?)" >&2
      exit 1
    fi
  fi
}

export_env() {
  export WINEPREFIX="$prefix"
  export WINEDEBUG=-all
  # No prompts to install Mono or Gecko; shortcuts an installer makes stay out of this machine's
  # desktop menu.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64
}

# The locale goes only to Wine, so this shell never looks for it.
japanese=(env LOCPATH="$locale_dir" LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8)

# Windows' Japanese font names as drawings give them, for the IPA fonts this machine has: Wine's
# font replacements, in a registry file (UTF-16 with its byte-order mark, CR LF lines).
font_replacements() {
  printf '\xff\xfe'
  sed 's/$/\r/' <<'EOF' | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Mincho"="IPAMincho"
"MS PMincho"="IPAPMincho"
EOF
}

# Imported once into the prefix; the stamp remembers it.
replace_fonts() {
  local stamp="$prefix/.tavolex-fonts"
  [ -f "$stamp" ] && return 0
  local reg="$prefix/tavolex-fonts.reg"
  font_replacements >"$reg"
  # Drive Z: of the prefix is this machine's root.
  "${japanese[@]}" wine regedit /S "Z:${reg//\//\\}" && touch "$stamp"
}

# Windows need a display driver: X11 where there is a display, else Wine's null driver, with
# which windows exist (the window tests make theirs hidden) but show nowhere. The stamp keeps
# the choice, so the registry is written only when it changes; then it returns 10, as a running
# server's desktop keeps the driver it began with.
choose_graphics() {
  local want=x11
  [ -z "${DISPLAY:-}" ] && want=null
  local stamp="$prefix/.tavolex-graphics"
  [ "$(cat "$stamp" 2>/dev/null)" = "$want" ] && return 0
  if [ "$want" = null ]; then
    "${japanese[@]}" wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f || return 1
  else
    "${japanese[@]}" wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f || true
  fi
  echo "$want" >"$stamp"
  return 10
}

# The first run creates the prefix (some seconds); Wine's helper services must not hold the
# caller's output open. A changed display driver is left for the next server.
prepare_prefix() {
  local status=0
  ("${japanese[@]}" wine cmd /c exit && replace_fonts && choose_graphics) </dev/null >/dev/null 2>&1 ||
    status=$?
  [ "$status" -eq 10 ] && return 0
  return "$status"
}

start_server() {
  ensure_locale
  export_env
  mkdir -p "$prefix"
  # A persistent server keeps later starts quick. Its own server starts anew when the display
  # driver changed, so its windows take the new one.
  ("${japanese[@]}" wineserver -p) </dev/null >/dev/null 2>&1 || return $?
  local status=0
  ("${japanese[@]}" wine cmd /c exit && replace_fonts && choose_graphics) </dev/null >/dev/null 2>&1 ||
    status=$?
  [ "$status" -eq 10 ] || return "$status"
  (wineserver -k; wineserver -w; "${japanese[@]}" wineserver -p &&
    "${japanese[@]}" wine cmd /c exit) </dev/null >/dev/null 2>&1
}

case "${1:-}" in
  start) start_server ;;
  serve)
    ensure_locale
    export_env
    mkdir -p "$prefix"
    exec "${japanese[@]}" wineserver -f -p </dev/null >/dev/null 2>&1
    ;;
  prepare)
    ensure_locale
    export_env
    mkdir -p "$prefix"
    prepare_prefix
    ;;
  stop)
    export_env
    wineserver -k >/dev/null 2>&1 || true
    ;;
  env)
    ensure_locale
    export_env
    for v in WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEARCH; do
      printf 'export %s=%q\n' "$v" "${!v}"
    done
    printf 'export LOCPATH=%q LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8\n' "$locale_dir"
    ;;
  "")
    echo "usage: $0 start|stop|env|PROGRAM [ARGS...]" >&2
    exit 2
    ;;
  *)
    ensure_locale
    export_env
    mkdir -p "$prefix"
    if [ -d "$prefix/drive_c" ]; then choose_graphics </dev/null >/dev/null 2>&1 || true; fi
    exec "${japanese[@]}" wine "$@"
    ;;
esac

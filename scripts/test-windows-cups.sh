#!/usr/bin/env bash
# tavolex-print.exe on a real print system: a private CUPS server (its own port and folders in a
# temporary folder, stopped by its process id) with a cups-pdf queue, which Wine's spooler lists
# as a Windows printer. An example drawing is printed on A3 landscape and a shared sample (when
# the samples are there) on A4 portrait, by tavolex-print.exe under Wine and by the Linux
# tavolex-print to the same queue. Checked:
#   - every PDF the queue wrote has one page per page the run reported, on the paper asked for;
#   - each page at 100 dpi matches the Linux page by ink (compare_pages) within MAX;
#   - a queue that rejects jobs fails the run (exit 1, the refusal reported);
#   - a stopped queue takes the job and holds it (Wine's spooler cannot tell it is stopped, as
#     Windows queues a paused printer's jobs), and it prints once the queue is started.
# The Linux print rather than --png pages is the reference, so both pass through the same
# queue, PostScript filters and Ghostscript. Both builds place the drawing at the centre of the
# printable area; Qt's printable area has even margins, Wine's is the whole sheet, so the
# drawing lands on the same spot of the sheet and no alignment is needed.
#
#   scripts/test-windows-cups.sh [MAX]     MAX defaults to 0.01
#
# Exit 77 when a build, a tool of the print system or root (which the cups-pdf backend needs)
# is missing. Uses the prefix's running wineserver; starts one of its own (and stops it by its
# process id) when none runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
max="${1:-0.01}"
linux_exe="$root/build/release/src/tavolex-print"
compare="$root/build/release/tools/compare_pages"
windows_exe="$root/build/windows/src/tavolex-print.exe"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
queue=tavolex-wine

skip() {
  echo "test-windows-cups.sh: skipped: $*" >&2
  exit 77
}
fail() {
  echo "test-windows-cups.sh: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "the cups-pdf backend prints only for a server run as root"
for f in "$linux_exe" "$compare" "$windows_exe" /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf \
  "$ppd"; do
  [ -x "$f" ] || [ -f "$f" ] || skip "$f is not there"
done
for tool in lpadmin lpstat cupsreject cupsdisable pdfinfo pdftoppm; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work="$(mktemp -d)"
# The queue writes into the user's folder that every cups-pdf queue of this machine shares; this
# run's files carry the token.
token="tvxwine$$x$RANDOM"
out="/var/spool/cups-pdf/$(id -un)"
cupsd_pid=
wineserver_pid=

stop_pid() {
  local pid="$1"
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cleanup() {
  if [ -n "$wineserver_pid" ] && kill -0 "$wineserver_pid" 2>/dev/null; then
    # The server ends the prefix's Wine processes with it (killed alone, it leaves them behind).
    ./scripts/wine.sh stop
    stop_pid "$wineserver_pid"
  fi
  [ -z "$cupsd_pid" ] || stop_pid "$cupsd_pid"
  rm -f "$out"/*"$token"*
  [ -n "${KEEP_PAGES:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# --- the print server -------------------------------------------------------------------------

# A port nobody listens on (bash's /dev/tcp connects only where someone does).
free_port() {
  local port
  for _ in $(seq 20); do
    port=$((20000 + RANDOM % 30000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return 0
    fi
  done
  return 1
}

start_cupsd() {
  local c="$work/cups"
  mkdir -p "$c"/{conf,spool,tmp,cache,state,log}
  # Filters run as an unprivileged user and need to reach the work folders.
  chmod 755 "$work" "$c"
  chmod 1777 "$c/tmp"
  local port
  port="$(free_port)" || fail "no free port for cupsd"
  cat >"$c/conf/cupsd.conf" <<EOF
Listen 127.0.0.1:$port
LogLevel info
WebInterface No
Browsing Off
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
  cat >"$c/conf/cups-files.conf" <<EOF
ServerRoot $c/conf
RequestRoot $c/spool
TempDir $c/tmp
CacheDir $c/cache
StateDir $c/state
ErrorLog $c/log/error_log
AccessLog $c/log/access_log
PageLog $c/log/page_log
SystemGroup root
EOF
  /usr/sbin/cupsd -f -c "$c/conf/cupsd.conf" -s "$c/conf/cups-files.conf" </dev/null \
    >/dev/null 2>&1 &
  cupsd_pid=$!
  export CUPS_SERVER="127.0.0.1:$port"
  for _ in $(seq 100); do
    # A server that lost the port to another keeps running without it.
    grep -q "Unable to open listen socket" "$c/log/error_log" 2>/dev/null &&
      fail "cupsd could not listen on port $port"
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
  lpstat -r 2>/dev/null | grep -q "is running" || fail "cupsd did not start"
  lpadmin -p "$queue" -E -v cups-pdf:/tavolex -P "$ppd" 2>/dev/null ||
    fail "lpadmin could not make the cups-pdf queue"
}

# The fixture of ctest runs the prefix's server; alone, this script runs one and stops it.
start_wine() {
  # The locale first, so that the server starts at once: one that is already running makes it
  # exit within the second.
  ./scripts/wine.sh env >/dev/null
  ./scripts/wine.sh serve &
  local pid=$!
  sleep 1
  if kill -0 "$pid" 2>/dev/null; then
    wineserver_pid=$pid
  else
    wait "$pid" || true
  fi
  ./scripts/wine.sh prepare || fail "the Wine prefix could not be prepared"
}

# --- printing ---------------------------------------------------------------------------------

# Waits until the queue is empty, then moves the run's PDFs of one drawing into a folder.
collect() {
  local stem="$1" dest="$2" count="$3"
  for _ in $(seq 600); do
    [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
    sleep 0.1
  done
  mkdir -p "$dest"
  shopt -s nullglob
  local found=()
  for _ in $(seq 100); do
    found=("$out"/*"$stem"*.pdf)
    [ "${#found[@]}" -ge "$count" ] && break
    sleep 0.1
  done
  [ "${#found[@]}" -eq "$count" ] ||
    fail "$stem: the queue wrote ${#found[@]} PDF files, the run reported $count pages"
  mv "${found[@]}" "$dest/"
}

# The pages a run reported in its summary line (a Windows console ends lines with CR LF).
pages_of() {
  tr -d '\r' <"$1" | sed -n 's/.* drawings printed, \([0-9]*\) pages\?$/\1/p' | tail -n 1
}

# Prints one drawing with both builds; leaves the pages as PNG files at 100 dpi in
# $work/<build>/<name>/.
print_both() {
  local name="$1" drawing="$2"
  shift 2
  local copy="$work/drawings/$token-$name.jww"
  mkdir -p "$work/drawings"
  cp "$drawing" "$copy"
  # Under Wine the machine's root is drive Z:.
  ./scripts/wine.sh "$windows_exe" --printer "$queue" "$@" "Z:$copy" 2>"$work/$name-windows.log" ||
    fail "$name: tavolex-print.exe failed: $(cat "$work/$name-windows.log")"
  collect "$token-$name" "$work/windows/$name" "$(pages_of "$work/$name-windows.log")"
  "$linux_exe" --printer "$queue" "$@" "$copy" 2>"$work/$name-linux.log" ||
    fail "$name: tavolex-print failed: $(cat "$work/$name-linux.log")"
  collect "$token-$name" "$work/linux/$name" "$(pages_of "$work/$name-linux.log")"
}

# The way a PDF's first page stands as shown (its turn applied): landscape or portrait.
standing() {
  awk '/^Page size:/ { w = $3; h = $5 } /^Page rot:/ { r = $3 }
       END { if (r % 180) { t = w; w = h; h = t }; print (w > h ? "landscape" : "portrait") }'
}

# Checks the PDFs of one drawing (one page each, the paper, the orientation unless empty) and
# renders their pages.
check_pdfs() {
  local folder="$1" paper="$2" orientation="$3" pdf info
  for pdf in "$folder"/*.pdf; do
    info="$(pdfinfo "$pdf" 2>/dev/null)"
    grep -q "^Pages: *1$" <<<"$info" || fail "$pdf: not one page: $info"
    grep -q "^Page size:.*($paper)" <<<"$info" || fail "$pdf: not on $paper: $info"
    [ -z "$orientation" ] || [ "$(standing <<<"$info")" = "$orientation" ] ||
      fail "$pdf: not $orientation: $info"
    pdftoppm -r 100 -png -singlefile "$pdf" "${pdf%.pdf}" 2>/dev/null
  done
}

# Compares the pages of one drawing; prints one line per page. TURN: see compare_pages.
compare_pages() {
  local name="$1" turn="$2" failed=0 i measure value
  local windows=("$work/windows/$name"/*.png) linux=("$work/linux/$name"/*.png)
  [ "${#windows[@]}" -eq "${#linux[@]}" ] || fail "$name: the two builds printed different pages"
  for i in "${!windows[@]}"; do
    measure="$("$compare" --turn-first "$turn" "${linux[$i]}" "${windows[$i]}")"
    printf '%s  %s\n' "$measure" "$name/$(basename "${windows[$i]}")"
    value="${measure%% *}"
    if awk -v v="$value" -v m="$max" 'BEGIN { exit !(v > m) }'; then failed=1; fi
  done
  [ "$failed" -eq 0 ] || fail "$name: a page differs from the Linux print by more than $max"
}

# --- the run ----------------------------------------------------------------------------------

start=$SECONDS
start_cupsd
start_wine

print_both floor-plan examples/floor-plan.jww --paper A3 --landscape
check_pdfs "$work/windows/floor-plan" A3 landscape
# Qt lays a landscape job across the upright sheet, the drawing's top to the left, where Wine
# marks the page as turned: the Linux page turned clockwise stands as Wine's does.
check_pdfs "$work/linux/floor-plan" A3 portrait
compare_pages floor-plan 90

samples="${TAVOLEX_SAMPLES_DIR:-$root/../shared/jww-samples}"
sample="$samples/木造平面例.jww"
if [ -f "$sample" ]; then
  print_both sample "$sample" --paper A4 --portrait
  check_pdfs "$work/windows/sample" A4 portrait
  check_pdfs "$work/linux/sample" A4 portrait
  compare_pages sample 0
else
  echo "test-windows-cups.sh: no shared samples in $samples; the sample drawing is left out"
fi

# A queue that rejects jobs: the spooler fails the end of the document.
cp examples/floor-plan.jww "$work/drawings/$token-rejected.jww"
cupsreject "$queue"
status=0
./scripts/wine.sh "$windows_exe" --quiet --printer "$queue" \
  "Z:$work/drawings/$token-rejected.jww" 2>"$work/rejected.log" || status=$?
cupsaccept "$queue"
[ "$status" -eq 1 ] || fail "a rejecting queue gave exit $status: $(cat "$work/rejected.log")"
grep -q "did not take the job" "$work/rejected.log" &&
  grep -q "^0 of 1 drawings printed" "$work/rejected.log" ||
  fail "a rejecting queue was not reported: $(cat "$work/rejected.log")"
echo "rejected: $(grep "did not take" "$work/rejected.log")"

# A stopped queue: the job waits in it and prints once it is started.
cp examples/floor-plan.jww "$work/drawings/$token-held.jww"
cupsdisable "$queue"
./scripts/wine.sh "$windows_exe" --quiet --printer "$queue" --paper A4 \
  "Z:$work/drawings/$token-held.jww" 2>"$work/held.log" ||
  fail "a stopped queue failed the run: $(cat "$work/held.log")"
[ -n "$(lpstat -o "$queue")" ] || fail "a stopped queue holds no job"
cupsenable "$queue"
collect "$token-held" "$work/held" 1
check_pdfs "$work/held" A4 ""

echo "test-windows-cups.sh: done in $((SECONDS - start)) s"

#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it with apt-get (which brings its
# dependencies), checks the installed programs and metadata as root and as an ordinary user, and
# removes it again together with what its installation brought. Needs root; CI runs it.
#   ./scripts/check-package.sh [preset]   (default: release, the build the tests used)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
preset="${1:-release}"
export DEBIAN_FRONTEND=noninteractive
# Waits for another apt or dpkg run on the machine instead of failing.
apt_get() { apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@" >/dev/null; }

deb="$root/$(./scripts/build-package.sh "$preset" | tail -n 1)"
version="$(dpkg-deb -f "$deb" Version)"

# Debian's own checks of the package: no error, and the warnings shown.
lintian --fail-on error "$deb" ||
  { echo "package check FAILED: lintian reports errors" >&2; exit 1; }

passed=0
failed=0
check() {
  local what="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "package check FAILED: $what" >&2
  fi
}

work="$(mktemp -d /tmp/tavolex-package.XXXXXX)"
brought=""
cleanup() {
  if dpkg-query -W -f='${Status}' tavolex 2>/dev/null | grep -q "ok installed"; then
    apt_get purge tavolex || true
  fi
  # What the package's installation brought in goes again, nothing else.
  if [ -n "$brought" ]; then
    # shellcheck disable=SC2086
    apt_get purge $brought || echo "could not remove $brought" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

apt_get update
apt-get -o DPkg::Lock::Timeout=300 -y install "$deb" >"$work/install.log"
brought="$(sed -n '/^The following NEW packages will be installed:/,/^[^ ]/{/^ /p}' "$work/install.log" |
  tr ' ' '\n' | grep -v -x -e '' -e tavolex || true)"
echo "package $(basename "$deb") installed${brought:+, with $(echo $brought)}"

# An ordinary user with a home of its own.
user_home="$work/home"
mkdir -p "$user_home" "$work/in"
cp examples/*.jww "$work/in/"
samples="$root/../shared/jww-samples"
sample="$(find "$samples" -maxdepth 1 -name '*.jww' 2>/dev/null | sort | head -n 1 || true)"
[ -n "$sample" ] || sample="$root/examples/floor-plan.jww"
cp "$sample" "$work/in/sample.jww"
cp "$sample" "$work/in/no-extension"
# Kept out of the printed folder: a drawing that gives no page fails a print run.
head -c 60 "$sample" >"$work/damaged.jww"
chown -R nobody:nogroup "$work"
chmod 755 "$work"
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin HOME="$user_home" "$@"
}
png_size() { file -b "$1" | grep -o '[0-9]* x [0-9]*'; }
exit_code_is() {
  local want="$1" rc=0
  shift
  "$@" 2>/dev/null || rc=$?
  [ "$rc" -eq "$want" ]
}
# Every option that --help names is in the manual page the package carries.
man_lists_every_option() {
  local page option
  page="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/tavolex-print.1.gz | gzip -dc |
    sed 's/\\-/-/g')"
  for option in $(tavolex-print --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" <<<"$page" || { echo "manual page lacks $option" >&2; return 1; }
  done
  grep -q "Exit code" <<<"$page"
}

check "installed version" test "$(tavolex-print --version)" = "tavolex-print $version"
check "PDF of the examples as root" env HOME="$work/root-home" tavolex-print --quiet --pdf "$work/root.pdf" "$work/in"
check "PDF of the examples as a user" as_user tavolex-print --quiet --pdf "$work/user.pdf" "$work/in"
check "user PDF has a page per drawing" test "$(pdfinfo "$work/user.pdf" | awk '/^Pages:/ {print $2}')" -ge 3
check "file type by name" test "$(as_user xdg-mime query filetype "$work/in/sample.jww")" = application/x-jww
check "file type by contents" test "$(as_user xdg-mime query filetype "$work/in/no-extension")" = application/x-jww
check "menu entry is valid" desktop-file-validate /usr/share/applications/tavolex.desktop
check "AppStream description is valid" appstreamcli validate --no-net /usr/share/metainfo/org.tavolex.tavolex.metainfo.xml
check "licence in machine-readable form" grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' /usr/share/doc/tavolex/copyright
check "manual page lists every option and exit code" man_lists_every_option

# The thumbnailer as a file manager runs it: %s size, %i input, %o output.
thumbnail() {
  local exec
  exec="$(sed -n 's/^Exec=//p' /usr/share/thumbnailers/tavolex.thumbnailer)"
  exec="${exec//%s/$1}"
  exec="${exec//%i/$2}"
  exec="${exec//%o/$3}"
  # shellcheck disable=SC2086
  as_user timeout 10 $exec
}
start=$(date +%s%N)
check "thumbnail of a sample" thumbnail 256 "$work/in/sample.jww" "$work/sample.png"
echo "thumbnail of $(basename "$sample"): $(((($(date +%s%N) - start)) / 1000000)) ms"
check "thumbnail is 256 x 256" test "$(png_size "$work/sample.png")" = "256 x 256"
start=$(date +%s%N)
check "damaged drawing fails with exit code 1" exit_code_is 1 thumbnail 256 "$work/damaged.jww" "$work/damaged.png"
echo "damaged drawing refused in $(((($(date +%s%N) - start)) / 1000000)) ms"
check "damaged drawing leaves no thumbnail" test ! -e "$work/damaged.png"

# The window as the menu starts it (Exec, %F the drawings) on an X server of its own; a session
# end closes it, and it keeps its settings in the user's folder.
window_from_menu() {
  local exec
  exec="$(sed -n 's/^Exec=//p' /usr/share/applications/tavolex.desktop)"
  exec="${exec//%F/$work/in/sample.jww}"
  as_user xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    $0 &
    pid=$!
    sleep 4
    kill -0 "$pid" && kill -TERM "$pid" && wait "$pid"' "$exec"
}
if [ -x /usr/bin/tavolex ]; then
  check "window starts from the menu entry as a user" window_from_menu
  check "window kept its settings in the user's folder" test -s "$user_home/.config/tavolex/tavolex.dat"
fi
check "nothing written beside the programs" test ! -e /usr/bin/tavolex.dat -a ! -e /usr/bin/TEMP

apt_get purge tavolex
check "package removed" test ! -e /usr/bin/tavolex-print -a ! -e /usr/share/thumbnailers/tavolex.thumbnailer

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/bin/sh
# Starts tavolex on a real X server with the drawings given, lets it run, closes it as a session
# end does and checks that it kept its settings. xvfb-run starts the server and stops it after.
set -eu
exe=$1
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# A program folder of its own, so the settings file is written there.
cp "$exe" "$dir/tavolex"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -e
  "$0" "$@" &
  pid=$!
  sleep 4
  kill -0 "$pid"
  kill -TERM "$pid"
  wait "$pid"
' "$dir/tavolex" "$@"
test -s "$dir/tavolex.dat"
echo "tavolex started, listed $# drawings and closed"

#!/usr/bin/env bash
# Sets up, builds and runs every test, in three lanes side by side: this
# machine's Debian, as built for release and under AddressSanitizer +
# UndefinedBehaviorSanitizer + LeakSanitizer; and, at a lower priority, the
# release build's tests in a root of the other Debian release (13 on a Debian
# 12 machine, 12 on a Debian 13 one), and the Windows package played under
# Wine. Every part runs; a line a minute says what runs, the last lines say
# which part passed, and the exit status is 0 only if all did.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/setup.sh default asan || exit 1
# The other lanes install nothing on this machine: two apt-gets at once fail.
ensure_packages "${windows_packages[@]}" debootstrap || exit 1
echo "nabrel: set up and built in $SECONDS s"
host=$(. /etc/os-release && echo "Debian $VERSION_ID ($VERSION_CODENAME)")
other=(13 trixie)
[[ $host == *"(trixie)" ]] && other=(12 bookworm)
lanes=$(mktemp -d)
trap 'rm -rf "$lanes"' EXIT

# Runs a part of a lane, noting what it runs in $lanes/LANE.now and how it
# ended in $lanes/results.
part() {  # lane what command...
    local lane=$1 what=$2 status=0 started=$SECONDS
    shift 2
    echo "$what" >"$lanes/$lane.now"
    echo "== $what =="
    "$@" || status=$?
    what="$what ($((SECONDS - started)) s)"
    case $status in
    0) echo "passed   $what" ;;
    77) echo "skipped  $what" ;;
    *) echo "FAILED   $what" ;;
    esac >>"$lanes/results"
    rm "$lanes/$lane.now"
}

# The other lanes, their output kept for the end. The first run on a machine
# makes the root and builds the static Qt for Windows (see README).
in_background() {  # lane what command...
    (
        renice -n 10 -p "$BASHPID" >/dev/null  # its builds give way to this lane's display tests
        part "$@"
    ) >"$lanes/$1.log" 2>&1 </dev/null &
    background+=($!)
}
background=()
in_background root "Debian ${other[0]} (${other[1]}), in a root: the default preset's tests" \
    bash scripts/debian_root.sh "${other[1]}"
in_background windows "$host: the Windows package under Wine" timeout 5400 bash tests/app/windows_test.sh build/windows
(
    minutes=0
    while sleep 60; do
        echo "nabrel: $((minutes += 1)) min: running $(cat "$lanes"/*.now 2>/dev/null | paste -sd';' | sed 's/;/; /g')"
    done
) &
ticker=$!

part this "$host: the default preset's tests" ctest --preset default
part this "$host: the asan preset's tests" ctest --preset asan
wait "${background[@]}"
kill "$ticker" 2>/dev/null
wait "$ticker" 2>/dev/null
for lane in root windows; do
    echo "== the $lane lane's output =="
    cat "$lanes/$lane.log"
done
echo "== every part =="
cat "$lanes/results"
echo "parts: $(grep -c ^passed "$lanes/results") passed, $(grep -c ^FAILED "$lanes/results") failed," \
    "$(grep -c ^skipped "$lanes/results") skipped"
! grep -q ^FAILED "$lanes/results"

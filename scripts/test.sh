#!/usr/bin/env bash
# Sets up, builds and runs every test: on this machine's Debian as built for
# release and under AddressSanitizer + UndefinedBehaviorSanitizer +
# LeakSanitizer, then the Windows package played under Wine; then the release
# build's tests once more in a root of the other Debian release (13 on a
# Debian 12 machine, 12 on a Debian 13 one). Every part runs; the last lines
# say which passed, and the exit status is 0 only if all did.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh default asan || exit 1
echo "nabrel: set up and built in $SECONDS s"
host=$(. /etc/os-release && echo "Debian $VERSION_ID ($VERSION_CODENAME)")
other=(13 trixie)
[[ $host == *"(trixie)" ]] && other=(12 bookworm)
results=()
passed=0
failed=0
skipped=0
part() {  # what command...
    local what=$1 status=0 started=$SECONDS
    shift
    echo "== $what =="
    "$@" || status=$?
    what="$what ($((SECONDS - started)) s)"
    case $status in
    0) results+=("passed   $what") && passed=$((passed + 1)) ;;
    77) results+=("skipped  $what") && skipped=$((skipped + 1)) ;;
    *) results+=("FAILED   $what") && failed=$((failed + 1)) ;;
    esac
}
part "$host: the default preset's tests" ctest --preset default
part "$host: the asan preset's tests" ctest --preset asan
# The first run on a machine builds the static Qt for Windows (see README).
part "$host: the Windows package under Wine" timeout 5400 bash tests/app/windows_test.sh build/windows
part "Debian ${other[0]} (${other[1]}), in a root: the default preset's tests" bash scripts/debian_root.sh "${other[1]}"
echo "== every part =="
printf '%s\n' "${results[@]}"
echo "parts: $passed passed, $failed failed, $skipped skipped"
((failed == 0))

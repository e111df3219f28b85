# Pass/fail helpers shared by the shell tests; sourced.

# Runs a check in this shell: "ok" or "FAIL" and its description, counted in
# $passed and $failed; what a failing check printed follows it.
passed=0
failed=0
check_output=$(mktemp)
trap 'rm -f "$check_output"' EXIT
check() {
    local what=$1
    shift
    if "$@" >"$check_output" 2>&1; then
        passed=$((passed + 1))
        echo "ok   $what"
    else
        failed=$((failed + 1))
        echo "FAIL $what"
        head -20 "$check_output" | sed 's/^/     /'
    fi
}

# Repeats a command until it succeeds, for at most 30 seconds ($wait_seconds
# if set): a generous deadline, so a loaded machine only makes the test slower,
# never red. When it gives up, says on standard error what it waited for.
# Polls soon at first and then less often: a try may start processes, which
# a long wait would otherwise spend the machine's time on.
wait_for() {
    local limit=${wait_seconds:-30} pause=(0.02 0.05 0.05 0.1 0.1 0.2) tries=0
    local deadline=$((SECONDS + limit))
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "gave up after $limit s waiting for: $*" >&2
            return 1
        fi
        nap "${pause[tries < 5 ? tries++ : 5]}"
    done
}
# Sleeps without starting a process: reads, for that long, a pipe nobody writes to.
exec {nap_fd}<> <(:)
nap() { read -r -t "$1" -u "$nap_fd" _ || true; }

# Whether two files have the same SHA-256; if not, diffoscope names where they differ.
same_bytes() {
    [ "$(sha256sum <"$1")" = "$(sha256sum <"$2")" ] && return 0
    diffoscope --text - "$1" "$2" 2>&1 | head -40
    return 1
}

# The closing line every runner reads, naming the window manager on a
# display test's display; the test's exit status with it.
report() {
    echo "${NABREL_WM:+$NABREL_WM: }$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

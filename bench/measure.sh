#!/usr/bin/env bash
# The measurements behind run_all.sh; expects a display with a window manager.
# Usage: measure.sh BUILD_DIR GAMES
set -uo pipefail
build=$1
games=$2
nabrel=$build/app/nabrel
rows=()

row() {  # name, value, goal text, verdict
    rows+=("$(printf '| %-56s | %12s | %-16s | %-4s |' "$1" "$2" "$3" "$4")")
}
verdict() { awk -v v="$1" "BEGIN { exit !(v $2) }" && echo ok || echo MISS; }

clock_ticks() {  # utime + stime of a process, in clock ticks
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# CPU share of a core that process $1 uses over $2 seconds.
cpu_percent() {
    local hz before after
    hz=$(getconf CLK_TCK)
    before=$(clock_ticks "$1")
    sleep "$2"
    after=$(clock_ticks "$1")
    awk -v d=$((after - before)) -v hz="$hz" -v s="$2" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Start-up against a bare Qt window and memory against one showing the game's
# two fonts, each a ratio measured in the same run; the programs take turns so
# that drift in the machine's load hits all alike. NABREL_COMPARE=OTHER_BUILD
# adds that build's game to the same run (README, Benchmarks).
runs=41
programs=(nabrel bare two_fonts ${NABREL_COMPARE:+other})
declare -A command=([nabrel]=$nabrel [bare]=$build/bench/bare_window
    [two_fonts]="$build/bench/bare_window --two-fonts" [other]=${NABREL_COMPARE:-}/app/nabrel)
scratch=$(mktemp -d)
for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        # "map frame peak": seconds to the first window mapped and to its first
        # frame, then peak memory (KiB) once it shows.
        # shellcheck disable=SC2086  # the command's words
        bench/first_frame.py ${command[$program]} >>"$scratch/$program"
    done
done
declare -A time frame peak
for program in "${programs[@]}"; do
    time[$program]=$(cut -d' ' -f1 "$scratch/$program" | median)
    frame[$program]=$(cut -d' ' -f2 "$scratch/$program" | median)
    peak[$program]=$(cut -d' ' -f3 "$scratch/$program" | median)
done
rm -rf "$scratch"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
for program in nabrel ${NABREL_COMPARE:+other}; do
    name="the game"
    [ "$program" = other ] && name="the other build's game"
    t_ratio=$(ratio "${time[$program]}" "${time[bare]}")
    m_ratio=$(ratio "${peak[$program]}" "${peak[two_fonts]}")
    row "start-up of $name to its title mapped (s), median of $runs" "${time[$program]}" "" ""
    row "  ratio to the bare window (${time[bare]} s)" "$t_ratio" "<= 1.10" "$(verdict "$t_ratio" '<= 1.10')"
    row "first frame of $name's title (s)" "${frame[$program]}" "" ""
    row "  ratio to the bare window's (${frame[bare]} s)" "$(ratio "${frame[$program]}" "${frame[bare]}")" "" ""
    row "peak memory of $name at its title (KiB)" "${peak[$program]}" "" ""
    row "  ratio to the two-font window (${peak[two_fonts]} KiB)" "$m_ratio" "<= 1.05" "$(verdict "$m_ratio" '<= 1.05')"
done

# Launches a game's command and starts a game in its main window; $pid is the process.
start_a_game() {
    # shellcheck disable=SC2086  # the command's words
    $1 >/dev/null 2>&1 &
    pid=$!
    title=$(xdotool search --sync --onlyvisible --pid "$pid" --name Nabrel | head -1)
    xdotool windowactivate --sync "$title" key Return
    sleep 1
    main=$(xdotool search --onlyvisible --pid "$pid" --name Nabrel | head -1)
    xdotool windowactivate --sync "$main" key alt+f
    sleep 0.3
    xdotool key s
    sleep 1
}

# CPU while the game waits for the player.
start_a_game "$nabrel"
idle=$(cpu_percent "$pid" 10)
row "CPU waiting in the main window (% core, 10 s)" "$idle" "<= 0.5" "$(verdict "$idle" '<= 0.5')"
xdotool key 1
xdotool search --sync --onlyvisible --pid "$pid" --name 'コマンド' >/dev/null
sleep 1
pending=$(cpu_percent "$pid" 10)
row "CPU with a choice pending (% core, 10 s)" "$pending" "<= 0.5" "$(verdict "$pending" '<= 0.5')"
kill "$pid"
wait "$pid" 2>/dev/null

# Key 1 in the main window to the choice dialog's first frame, each build in turn.
for program in nabrel ${NABREL_COMPARE:+other}; do
    start_a_game "${command[$program]}"
    name=$([ "$program" = other ] && echo "the other build" || echo "the game")
    row "key 1 to the dialog's first frame, $name (ms, median of $runs)" "$(bench/key_to_dialog.py "$runs")" "" ""
    kill "$pid"
    wait "$pid" 2>/dev/null
done

# The flashing game-over screen against its yardstick, a bare window of the
# same size and labels repainted 50 times a second: they take turns, three
# runs each, so that the machine's load hits both alike; then the calm screen.
over_runs=3
declare -A over_cpu=([designed]="" [bare]="")
for _ in $(seq "$over_runs"); do
    for mode in designed bare; do
        while read -r name value; do
            case $name in
            game_over_changes_per_second) [ "$mode" = designed ] && changes=$value ;;
            game_over_cpu_percent) over_cpu[$mode]+="$value"$'\n' ;;
            esac
        done < <("$build/bench/bench_game_over" 10 "$mode" 2>/dev/null)
    done
done
designed_cpu=$(printf '%s' "${over_cpu[designed]}" | median)
bare_cpu=$(printf '%s' "${over_cpu[bare]}" | median)
row "game-over colour changes per second" "$changes" "50 +/- 2 %" "$(verdict "$changes" '>= 49 && v <= 51')"
row "game-over screen CPU (% core, median of $over_runs)" "$designed_cpu" "" ""
over_ratio=$(ratio "$designed_cpu" "$bare_cpu")
row "  ratio to a bare window flashing alike ($bare_cpu %)" "$over_ratio" "<= 1.10" "$(verdict "$over_ratio" '<= 1.10')"
while read -r name value; do
    case $name in
    game_over_changes_per_second) row "calm game-over colour changes per second" "$value" "<= 1" "$(verdict "$value" '<= 1')" ;;
    esac
done < <("$build/bench/bench_game_over" 10 calm 2>/dev/null)

# Many games in one process, real windows (offscreen, so no window manager slows it).
while read -r name value; do
    case $name in
    many_games_played | many_games_days | many_games_seconds) row "$name" "$value" "" "" ;;
    many_games_peak_growth_kib)
        row "peak memory growth over the games (KiB)" "$value" "<= 1024" "$(verdict "$value" '<= 1024')" ;;
    esac
done < <(QT_QPA_PLATFORM=offscreen "$build/bench/bench_many_games" "$games" 2>/dev/null)

printf '| %-56s | %12s | %-16s | %-4s |\n' measure value goal ""
printf '|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..58})" "$(printf -- '-%.0s' {1..14})" "$(printf -- '-%.0s' {1..18})" "------"
printf '%s\n' "${rows[@]}"

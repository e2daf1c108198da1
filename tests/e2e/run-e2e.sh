#!/usr/bin/env bash
# End-to-end test: the real trelvan-control in a real X server (Xvfb, 1280 x 1024,
# with a window manager) and a PulseAudio null sink, driven by xdotool as the
# operator drives it, on a fresh copy of the demo show folder.
#
# Usage: tests/e2e/run-e2e.sh BUILD_DIR
# Screenshots go to BUILD_DIR/e2e-shots. Prints "N passed, N failed" at the end.
set -euo pipefail

build="$(cd "${1:?usage: run-e2e.sh BUILD_DIR}" && pwd)"
exe="$build/trelvan-control"
demo="$build/demo-show"
shots="$build/e2e-shots"
[ -x "$exe" ] || { echo "e2e: no program at $exe" >&2; exit 1; }
[ -d "$demo" ] || { echo "e2e: no demo show at $demo" >&2; exit 1; }

work="$(mktemp -d /tmp/trelvan-e2e.XXXXXX)"
rm -rf "$shots" && mkdir -p "$shots"
passed=0
failed=0
pids=()
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${XDG_RUNTIME_DIR:-}" ] && pulseaudio --kill 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

check() { # check "what" command...
    local what="$1"
    shift
    if "$@"; then
        echo "ok   - $what"
        passed=$((passed + 1))
    else
        echo "FAIL - $what"
        failed=$((failed + 1))
        shot "fail-$failed"
    fi
}

shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }

# Waits until a visible window whose title matches the regex exists; prints its id.
wait_window() { # regex [seconds]
    local deadline=$((SECONDS + ${2:-15})) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

wait_gone() { # regex [seconds]
    local deadline=$((SECONDS + ${2:-15}))
    while [ $SECONDS -lt $deadline ]; do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

wait_file() { # path [seconds] [absent]
    local deadline=$((SECONDS + ${2:-15}))
    while [ $SECONDS -lt $deadline ]; do
        if [ "${3:-}" = absent ]; then [ -e "$1" ] || return 0; else [ -e "$1" ] && return 0; fi
        sleep 0.2
    done
    return 1
}

# The window's client area origin on the screen ("X Y").
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'; }

click_at() { # window-id x y [repeat]  (client coordinates of that window)
    local o
    o=($(origin "$1"))
    xdotool mousemove --sync $((o[0] + $2)) $((o[1] + $3)) click --repeat "${4:-1}" --delay 120 1
}

ini_has() { tr -d '\r' <"$show/trelvan-control.INI" | grep -qxF "$1"; }

# Loudness of what the null sink plays during the next N seconds (RMS amplitude).
record_rms() {
    timeout "$1" parec --device=e2e.monitor --format=s16le --rate=44100 --channels=2 \
        >"$work/rec.raw" 2>/dev/null || true
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/rec.raw" -n stat 2>&1 |
        awk '/RMS +amplitude/{print $3}'
}
louder_than() { awk -v v="$1" -v t="$2" 'BEGIN{exit !(v > t)}'; }

# --- the desktop: X server, window manager, sound server -------------------------------
display=":$((100 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
export XDG_RUNTIME_DIR="$work/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
sound=no
if pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=e2e" --load="module-native-protocol-unix" \
    >"$work/pulse.log" 2>&1; then
    sound=yes
    pactl set-default-sink e2e >/dev/null 2>&1 || true
fi
unset QT_QPA_PLATFORM TRELVAN_AUDIO_SINK
sleep 1

# --- a fresh show folder ----------------------------------------------------------------
show="$work/show"
cp -r "$demo" "$show"
sed -i "s|$demo|$show|g" "$show/trelvan-control.INI" "$show/hintergrund.ls" "$show/pausen.ls"
# Three short songs for the background list, so the steps to the next song come soon.
for n in 1 2 3; do
    gst-launch-1.0 -q audiotestsrc wave=sine freq=$((330 * n)) num-buffers=$((43 * 2)) \
        ! audioconvert ! lamemp3enc ! filesink location="$show/Musik/kurz$n.mp3"
done
printf '%s\r\n' "$show/Musik/kurz1.mp3" "$show/Musik/kurz2.mp3" "$show/Musik/kurz3.mp3" \
    >"$show/hintergrund.ls"
mv "$show/trelvan-control.INI" "$work/demo.INI"

start_app() {
    "$exe" --folder "$show" >>"$work/app.log" 2>&1 &
    app_pid=$!
}

# 1. Start without a settings file: the program says that no test is chosen.
start_app
info=$(wait_window '^Information$' 20) || true
shot 01-no-test
check "start without settings shows 'Keine Aufgabe gewählt!'" test -n "$info"
[ -n "$info" ] && xdotool windowactivate --sync "$info" key Return
main=$(wait_window '^Trelvan-Control$' 10) || true
check "main window shown after OK" test -n "$main"
check "no settings file written by the start" test ! -e "$show/trelvan-control.INI"
quit_app() {
    xdotool windowactivate --sync "$main"
    click_at "$main" 26 10
    sleep 0.5
    xdotool key Down Return
    local ended=no
    for _ in $(seq 50); do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            ended=yes
            break
        fi
        sleep 0.2
    done
    check "'Datei / &Beenden' ends the program" test "$ended" = yes
    local code=0
    wait "$app_pid" 2>/dev/null || code=$?
    app_pid=""
    check "exit code 0" test "$code" = 0
}
quit_app

# The rest runs on the demo's settings: a chosen test, four cues, two lists.
cp "$work/demo.INI" "$show/trelvan-control.INI"
start_app
main=$(wait_window '^Trelvan-Control$' 20) || true
check "main window shows the demo's test" test -n "$main"

# 2. The chooser from the menu: expand "Dressur A", press "A2", OK.
click_at "$main" 96 10
sleep 0.5
xdotool key Down Return
chooser=$(wait_window 'Aufgabe wählen$' 10) || true
check "chooser opens from 'Einstellungen / Aufgabe'" test -n "$chooser"
if [ -n "$chooser" ]; then
    click_at "$chooser" 70 27 2 # double-click on the group expands it
    sleep 0.5
    click_at "$chooser" 70 45 # its first test
    sleep 0.3
    shot 02-chooser
    click_at "$chooser" 381 36 # OK
    wait_gone 'Aufgabe wählen$' 5 || true
fi
check "the chosen test is stored" ini_has "aAufgabePath=Dressur A/A2/"
check "aAufgabe stored" ini_has "aAufgabe=A2"
check "aExePath stored" ini_has "aExePath=$show/"

# 3. Call the whole test: Enter, then Space until the end message.
xdotool windowactivate --sync "$main"
xdotool key Return
sleep 0.3
xdotool key space
sleep 0.3
shot 03-stepping
xdotool key space space space
end=$(wait_window '^Hinweis!!!$' 90) || true
shot 04-end-message
check "'Die Aufgabe ist beendet' after the last movement" test -n "$end"
[ -n "$end" ] && xdotool windowactivate --sync "$end" key Return
wait_gone '^Hinweis!!!$' 5 || true

# 4. The music desk: play a cue and stop it.
xdotool windowactivate --sync "$main"
click_at "$main" 169 10
desk=$(wait_window '^Trelvan-MP3 Player$' 10) || true
check "music desk opens from 'Musik' with its caption" test -n "$desk"
if [ -n "$desk" ]; then
    xdotool windowactivate --sync "$desk"
    sleep 0.5
    click_at "$desk" 112 106 # Play of the opening music
    check "the cue plays from its working copy xc1.mp3" wait_file "$show/xc1.mp3" 5
    if [ "$sound" = yes ]; then
        rms=$(record_rms 2)
        check "the cue is heard on the sound server (RMS $rms)" louder_than "${rms:-0}" 0.005
    fi
    shot 05-cue-playing

    # Choose the entry cue's file through the real file dialog, then restart
    # it by a double-click on its name while the opening music plays.
    click_at "$desk" 276 215 # "..." of the entry cue
    dialog=$(wait_window '^MP3 öffnen$' 10) || true
    check "the cue's file dialog opens" test -n "$dialog"
    if [ -n "$dialog" ]; then
        sleep 0.5
        xdotool type --delay 20 "$show/Musik/kurz2.mp3"
        sleep 0.5
        # The first Return may only take the name completer's proposal.
        # The dialog may close a moment after a check: a key sent to its window
        # then fails harmlessly and goes nowhere else.
        for _ in 1 2 3; do
            xdotool search --onlyvisible --name '^MP3 öffnen$' >/dev/null 2>&1 || break
            xdotool key --window "$dialog" Return 2>/dev/null || true
            wait_gone '^MP3 öffnen$' 2 && break
        done
    fi
    check "the chosen cue file is stored at once" ini_has "Einritt=$show/Musik/kurz2.mp3"
    click_at "$desk" 144 214 2 # double-click on the entry cue's file name
    check "the double-click starts the entry cue" wait_file "$show/xc2.mp3" 5
    check "and stops the opening music" wait_file "$show/xc1.mp3" 5 absent
    shot 05b-cue-restarted
    click_at "$desk" 186 $((8 + 160 + 65 + 12)) # Stop of the entry cue
    check "Stop deletes the working copy" wait_file "$show/xc2.mp3" 5 absent

    # 5. Drag the first background song onto the third: they trade places, and
    # the list's working file follows at once.
    o=($(origin "$desk"))
    row_x=$((o[0] + 312 + 24 + 150))
    row_y() { echo $((o[1] + 8 + 74 + 8 + 13 * $1)); }
    xdotool mousemove --sync "$row_x" "$(row_y 0)" mousedown 1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove --sync "$row_x" $(($(row_y 0) + 5 * step))
        sleep 0.05
    done
    xdotool mousemove --sync "$row_x" "$(row_y 2)"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
    shot 06-list-dragged
    expected_list=$(printf '%s\n' "$show/Musik/kurz3.mp3" "$show/Musik/kurz2.mp3" "$show/Musik/kurz1.mp3")
    check "a drag reorders the list and its working file" \
        test "$(tr -d '\r' <"$show/hintergrund.ls")" = "$expected_list"

    # 6. Play starts the selected (dropped) entry, the last one; the list then
    # wraps round to its first entry, played from temp.mp3.
    click_at "$desk" $((312 + 234 + 37)) $((8 + 163 + 12))
    sleep 0.5
    shot 07-list-playing
    check "the list steps on to the next song (temp.mp3)" wait_file "$show/temp.mp3" 10
    wrapped=no
    for _ in $(seq 50); do
        if cmp -s "$show/temp.mp3" "$show/Musik/kurz3.mp3"; then
            wrapped=yes
            break
        fi
        sleep 0.2
    done
    check "after the last entry the list wraps round to the first" test "$wrapped" = yes
    if [ "$sound" = yes ]; then
        rms=$(record_rms 2)
        check "the list is heard (RMS $rms)" louder_than "${rms:-0}" 0.005
    fi
    xdotool windowclose "$desk" 2>/dev/null || xdotool key --window "$desk" alt+F4
    wait_gone '^Trelvan-MP3 Player$' 5 || true
    check "closing the desk stores the music section" ini_has "HintergrundFileName=$show/hintergrund.ls"
fi

# 7. "&Beenden" ends the program and keeps the music desk's settings.
quit_app
check "the volumes are stored at the end" ini_has "Volumen1=1000"

# 8. A restart shows the chosen test and brings the lists back.
start_app
main=$(wait_window '^Trelvan-Control$' 20) || true
check "the program starts again" test -n "$main"
check "no message at the restart: the chosen test is found" \
    test -z "$(xdotool search --onlyvisible --name '^Information$' 2>/dev/null || true)"
click_at "$main" 169 10
desk=$(wait_window '^Trelvan-MP3 Player$' 10) || true
sleep 0.5
shot 08-restart-desk
check "the reordered list is still the working file" \
    test "$(tr -d '\r' <"$show/hintergrund.ls")" = "$expected_list"
quit_app

echo "e2e: screenshots in $shots"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

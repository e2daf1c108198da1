#!/usr/bin/env bash
# Checks a generated demo show folder: every test has its document and an
# unbroken row of announcements and pictures matching the document's
# movements, pictures are 350 x 650 24-bit bitmaps, the sounds are real
# files, and the settings file and both lists name files that exist.
# Usage: check-demo.sh <show folder>
set -euo pipefail

folder=$(cd "$1" && pwd)
errors=0
problem() {
    echo "check-demo: $*" >&2
    errors=$((errors + 1))
}

# Little-endian unsigned integer of <count> bytes at <offset>.
le() {
    od -An -t u"$3" -j "$2" -N "$3" "$1" | tr -d ' '
}
magic() {
    head -c "$2" "$1"
}

check_bmp() {
    [ "$(magic "$1" 2)" = BM ] || { problem "$1: not a bitmap"; return; }
    local width height bits
    width=$(le "$1" 18 4)
    height=$(od -An -t d4 -j 22 -N 4 "$1" | tr -d ' ')
    bits=$(le "$1" 28 2)
    [ "$width" = 350 ] && [ "${height#-}" = 650 ] && [ "$bits" = 24 ] ||
        problem "$1: ${width}x${height}, $bits bits; expected 350x650, 24 bits"
}

check_wav() {
    [ "$(magic "$1" 4)" = RIFF ] && [ "$(head -c 12 "$1" | tail -c 4)" = WAVE ] &&
        [ "$(stat -c %s "$1")" -gt 1000 ] || problem "$1: not a WAV file with sound"
}

check_mp3() {
    local size head
    size=$(stat -c %s "$1")
    head=$(od -An -t x1 -N 2 "$1" | tr -d ' ')
    [ "$size" -gt 20000 ] && { [ "$(magic "$1" 3)" = ID3 ] || [ "${head:0:3}" = fff ]; } ||
        problem "$1: not an MP3 file of some length ($size bytes)"
}

check_crlf() {
    [ -s "$1" ] || { problem "$1: empty"; return; }
    [ "$(tail -c 2 "$1" | od -An -t x1 | tr -d ' ')" = 0d0a ] || problem "$1: last line without CR LF"
    [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] || problem "$1: a line without CR LF"
}

# The tests: the document's movements 1..N in order, media 0..N.
tests=0
for rtf in "$folder"/*/*/*.rtf; do
    dir=$(dirname "$rtf")
    [ "$(basename "$rtf" .rtf)" = "$(basename "$dir")" ] || problem "$rtf: not named after its folder"
    # One line per paragraph or line break, leading control words dropped:
    # what remains of a movement's line starts with its number and a tab.
    numbers=$(tr '\r\n' '  ' <"$rtf" | sed -E 's/\\(par|line)\b */\n/g' |
        sed -E 's/^(\\[a-z]+-?[0-9]* ?)*//' | grep -oE '^[0-9]+\\tab' | tr -dc '0-9\n' |
        tr '\n' ' ')
    count=$(echo "$numbers" | wc -w)
    [ "$count" -ge 2 ] || problem "$rtf: only $count movements"
    [ "$numbers" = "$(seq -s ' ' 1 "$count") " ] || problem "$rtf: movements numbered $numbers"
    for n in $(seq 0 "$count"); do
        [ -f "$dir/$n.bmp" ] && check_bmp "$dir/$n.bmp" || problem "$dir/$n.bmp missing"
        [ -f "$dir/$n.wav" ] && check_wav "$dir/$n.wav" || problem "$dir/$n.wav missing"
    done
    [ ! -e "$dir/$((count + 1)).bmp" ] || problem "$dir: more pictures than movements"
    tests=$((tests + 1))
done
[ "$tests" -ge 2 ] || problem "expected at least two tests, found $tests"

# The settings file names the chosen test and existing files.
ini="$folder/trelvan-control.INI"
check_crlf "$ini"
value() {
    grep -a "^$1=" "$ini" | head -n 1 | cut -d= -f2- | tr -d '\r'
}
[ "$(value aExePath)" = "$folder/" ] || problem "aExePath is '$(value aExePath)'"
chosen="$folder/$(value aAufgabePath)$(value aAufgabe).rtf"
[ -f "$chosen" ] || problem "the chosen test's document $chosen is missing"
for key in Eroeffnung Einritt Sieger Ehrenrunde; do
    cue=$(value "$key")
    [ -f "$cue" ] && check_mp3 "$cue" || problem "cue $key: '$cue' missing"
done
for key in Volumen1 Volumen2; do
    [[ "$(value "$key")" =~ ^[0-9]+$ ]] || problem "$key is '$(value "$key")'"
done

# The two lists.
for pair in HintergrundFileName:4 PausenFileName:2; do
    list=$(value "${pair%%:*}")
    check_crlf "$list"
    [ "$(wc -l <"$list")" -ge "${pair##*:}" ] || problem "$list: fewer than ${pair##*:} songs"
    while IFS= read -r song; do
        song=${song%$'\r'}
        [ -f "$song" ] && check_mp3 "$song" || problem "$list: '$song' missing"
    done <"$list"
done

if [ "$errors" -gt 0 ]; then
    echo "check-demo: $errors problem(s) in $folder" >&2
    exit 1
fi
echo "check-demo: $folder is complete ($tests tests)"

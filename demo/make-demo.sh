#!/usr/bin/env bash
# Builds the demo show folder from scratch.
# Usage: make-demo.sh <generator> <show folder> <work folder> <stamp file>
#
# The folder is first built beside the old one and only then swapped in, so a
# failed run leaves the previous demo in place.
set -euo pipefail

generator="$1"
folder="$2"
work="$3"
stamp="$4"

case "$(basename "$folder")" in
demo-show) ;;
*)
    echo "make-demo.sh: refusing to replace '$folder' (expected a folder named demo-show)" >&2
    exit 1
    ;;
esac

started=$(date +%s.%N)
fresh="$folder.new"
rm -rf "$fresh" "$work"
mkdir -p "$fresh" "$work"

"$generator" "$fresh" "$folder" "$work"

# Announcements: German speech when espeak-ng has a German voice; the
# generator's chimes stay otherwise. TRELVAN_DEMO_ESPEAK names another
# speech program (or a missing one, to try the chimes).
espeak="${TRELVAN_DEMO_ESPEAK:-espeak-ng}"
if command -v "$espeak" >/dev/null 2>&1 && "$espeak" --voices=de 2>/dev/null | grep -q ' de '; then
    while IFS=$'\t' read -r wav text; do
        "$espeak" -v de -s 150 -w "$fresh/$wav" "$text"
    done <"$work/speech.tsv"
else
    echo "demo: espeak-ng with a German voice is not installed; the announcements are chimes." \
        "Install espeak-ng and delete $stamp to get speech."
fi

# Music: WAV to MP3, two encoders at a time.
encode() {
    gst-launch-1.0 -q filesrc location="$1" ! wavparse ! audioconvert \
        ! lamemp3enc target=bitrate bitrate=96 cbr=true ! filesink location="$2"
}
if ! gst-inspect-1.0 lamemp3enc >/dev/null 2>&1; then
    echo "make-demo.sh: the GStreamer element lamemp3enc is missing (gstreamer1.0-plugins-good)" >&2
    exit 1
fi
pids=()
while read -r name; do
    encode "$work/music/$name.wav" "$fresh/Musik/$name.mp3" &
    pids+=($!)
    if [ ${#pids[@]} -ge 2 ]; then
        wait "${pids[0]}"
        pids=("${pids[@]:1}")
    fi
done <"$work/music.txt"
for pid in "${pids[@]}"; do
    wait "$pid"
done

rm -rf "$folder"
mv "$fresh" "$folder"
rm -rf "$work"
touch "$stamp"
awk -v start="$started" -v end="$(date +%s.%N)" -v folder="$folder" \
    'BEGIN { printf "demo: %s written in %.1f s\n", folder, end - start }'

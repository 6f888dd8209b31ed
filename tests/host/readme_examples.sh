#!/bin/bash
# Runs the README's ```sh blocks of the sections "What works", "The stand-in host" and "Drawing host
# views", in order, as a user would from a clean clone after `make test`: in a fresh folder holding
# build/release/host/kravo-host, build/release/tests/tools/kravo-views with the view tests' resource file
# and examples/, with a fresh home holding only the factory sample files, and no Kravo settings in the
# environment.
# Usage: readme_examples.sh README.md KRAVO_HOST_BINARY EXAMPLES_FOLDER KRAVO_VIEWS_BINARY VIEW_RESOURCES
set -euo pipefail
readme=$1
host=$2
examples=$3
views=$4
view_resources=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/build/release/host" "$work/build/release/tests/tools" "$work/build/release/tests/hostframework" \
    "$work/home"
ln -s "$host" "$work/build/release/host/kravo-host"
ln -s "$views" "$work/build/release/tests/tools/kravo-views"
ln -s "$view_resources" "$work/build/release/tests/hostframework/view_resources.rsr"
ln -s "$examples" "$work/examples"

script=$(awk '
    /^## / { section = ($0 == "## What works" || $0 == "## The stand-in host" || $0 == "## Drawing host views") }
    section && /^```sh$/ { inBlock = 1; next }
    inBlock && /^```$/ { inBlock = 0; next }
    inBlock { print }
' "$readme")
if [ -z "$script" ]; then
    echo "no examples found in $readme" >&2
    exit 1
fi

cd "$work"
clean_environment=(env -u KRAVO_DRIVE_ROOT -u KRAVO_REGISTRY -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home")
# What `make demo` leaves behind besides the build: the factory sample files in the sample folder.
"${clean_environment[@]}" "$(dirname "$readme")/scripts/install-factory-samples" "$(dirname "$(dirname "$host")")"
"${clean_environment[@]}" bash -euo pipefail -x -c "$script"
for file in program12.wav groove.wav pattern.wav reverb.wav slot.wav samples.wav editor.png slider.png popup.png \
    popup-menu.png panel.png panel-menu.png; do
    [ -s "$file" ] || { echo "the README example did not write $file" >&2; exit 1; }
done
# The sample slot's example must sound its file: not silent, and not what the slot plays with its
# layers off.
"${clean_environment[@]}" build/release/host/kravo-host render --quiet --out noslot.wav \
    --set 6800=0 --set 6808=0 --note 0.5:16 --note 1:16:60
python3 - slot.wav noslot.wav <<'CHECK'
import struct, sys

def frames(path):
    data = open(path, 'rb').read()
    at = 12
    while at + 8 <= len(data):
        tag, size = data[at:at + 4], struct.unpack('<I', data[at + 4:at + 8])[0]
        if tag == b'data':
            body = data[at + 8:at + 8 + size]
            return struct.unpack('<%df' % (len(body) // 4), body)
        at += 8 + size + (size & 1)
    sys.exit(path + ': no data chunk')

slot, plain = frames(sys.argv[1]), frames(sys.argv[2])
if max(abs(s) for s in slot) == 0.0:
    sys.exit('the README slot example renders silence')
if slot == plain:
    sys.exit('the README slot example sounds the same as the slot without its layers')
CHECK

#!/bin/bash
# Runs the README's ```sh blocks of the sections "What works" and "The stand-in host", in order, as a
# user would from a clean clone after `make demo`: in a fresh folder holding build/release/host/kravo-host
# and examples/, with a fresh home holding only the factory sample files, and no Kravo settings in the
# environment.
# Usage: readme_examples.sh README.md KRAVO_HOST_BINARY EXAMPLES_FOLDER
set -euo pipefail
readme=$1
host=$2
examples=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/build/release/host" "$work/home"
ln -s "$host" "$work/build/release/host/kravo-host"
ln -s "$examples" "$work/examples"

script=$(awk '
    /^## / { section = ($0 == "## What works" || $0 == "## The stand-in host") }
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
for wav in program12 groove pattern reverb slot samples; do
    [ -s "$wav.wav" ] || { echo "the README example did not write $wav.wav" >&2; exit 1; }
done

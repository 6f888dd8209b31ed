"""Writes the built-in drum samples that the factory programs' sample slots play as WAV files.

usage: write_slot_samples.py SLOT_SAMPLES_LIST SAMPLE_DATA_FOLDER OUTPUT_FOLDER

SAMPLE_DATA_FOLDER is what the built-in sample generator made: sample_NNN.raw (16-bit little-endian
frames, interleaved when stereo) and factory_sample_specs.cpp, whose table gives each entry's frame
count and whether it is stereo. The files go to OUTPUT_FOLDER/Kravo Factory/<name>.wav.
"""
import os
import re
import struct
import sys

SAMPLE_RATE = 48000


def read_specs(path):
    specs = {}
    pattern = re.compile(r"\{([0-9.]+)f, ([01])\}, // ([0-9]+) ")
    with open(path, encoding="utf-8") as table:
        for line in table:
            match = pattern.search(line)
            if match:
                specs[int(match.group(3))] = (int(float(match.group(1))), int(match.group(2)) + 1)
    return specs


def read_list(path):
    entries = []
    with open(path, encoding="utf-8") as listing:
        for number, line in enumerate(listing, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            entry, _, name = line.partition(" ")
            if not entry.isdigit() or not name.strip():
                sys.exit(f"{path}:{number}: error: expected \"<entry> <name>\", got \"{line}\"")
            entries.append((int(entry), name.strip()))
    return entries


def wav_bytes(frames, channels, data):
    block = 2 * channels
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, channels, SAMPLE_RATE, SAMPLE_RATE * block, block, 16)
    return header + b"data" + struct.pack("<I", len(data)) + data


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    listing, data_folder, output = sys.argv[1:]
    specs = read_specs(os.path.join(data_folder, "factory_sample_specs.cpp"))
    folder = os.path.join(output, "Kravo Factory")
    os.makedirs(folder, exist_ok=True)
    for entry, name in read_list(listing):
        if entry not in specs:
            sys.exit(f"{listing}: error: there is no built-in sample {entry}")
        frames, channels = specs[entry]
        with open(os.path.join(data_folder, f"sample_{entry:03d}.raw"), "rb") as raw:
            data = raw.read(frames * channels * 2)
        with open(os.path.join(folder, name + ".wav"), "wb") as wav:
            wav.write(wav_bytes(frames, channels, data))


if __name__ == "__main__":
    main()

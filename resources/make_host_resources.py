#!/usr/bin/env python3
"""Writes a host resource file (".rsr") from a manifest.

Manifest lines: TYPE ID NAME DATA, separated by white space, with shell-style quoting.
  TYPE  four characters, quoted when they hold a space: 'STR '
  ID    an integer -32768..32767
  NAME  up to 255 bytes; "" for none
  DATA  a file relative to the manifest's folder, hex:... for literal bytes ("_" may group them), or
        lines:FILE for a string list made of the file's lines
Blank lines and lines starting with # are skipped. A line that does not read stops the tool with
its number and the reason.

The file: "KRSR", u16 version 1, u16 count, then per resource the type's four bytes, i16 id,
u8 name length and the name, u32 data size and the data. All numbers big-endian.
A string list: u16 count, then each text with a u8 length in front (at most 255 bytes; line ends are
not part of the texts).
"""

import os
import shlex
import struct
import sys

VERSION = 1


class ManifestError(Exception):
    pass


def string_list(path):
    with open(path, "rb") as data:
        texts = data.read().splitlines()
    if len(texts) > 65535:
        raise ManifestError("more than 65535 lines")
    out = bytearray(struct.pack(">H", len(texts)))
    for number, text in enumerate(texts, start=1):
        if len(text) > 255:
            raise ManifestError(f"line {number} is longer than 255 bytes")
        out += struct.pack(">B", len(text)) + text
    return bytes(out)


def read_data(field, folder):
    if field.startswith("lines:"):
        path = os.path.join(folder, field[6:])
        try:
            return string_list(path)
        except OSError as error:
            raise ManifestError(f"cannot read {field[6:]}: {error.strerror}")
    if field.startswith("hex:"):
        digits = field[4:].replace("_", "")
        try:
            return bytes.fromhex(digits)
        except ValueError:
            raise ManifestError("bad hex data")
    path = os.path.join(folder, field)
    try:
        with open(path, "rb") as data:
            return data.read()
    except OSError as error:
        raise ManifestError(f"cannot read {field}: {error.strerror}")


def parse_line(text, folder):
    try:
        fields = shlex.split(text)
    except ValueError as error:
        raise ManifestError(str(error))
    if len(fields) != 4:
        raise ManifestError("expected TYPE ID NAME DATA")
    type_text, id_text, name, data_field = fields
    type_bytes = type_text.encode("latin-1", errors="replace")
    if len(type_bytes) != 4:
        raise ManifestError(f"type {type_text!r} is not four characters")
    try:
        resource_id = int(id_text)
    except ValueError:
        raise ManifestError(f"id {id_text!r} is not a number")
    if not -32768 <= resource_id <= 32767:
        raise ManifestError(f"id {resource_id} is out of range")
    name_bytes = name.encode("latin-1", errors="replace")
    if len(name_bytes) > 255:
        raise ManifestError("name longer than 255 bytes")
    return type_bytes, resource_id, name_bytes, read_data(data_field, folder)


def read_manifest(path):
    folder = os.path.dirname(os.path.abspath(path))
    resources = []
    with open(path, encoding="latin-1") as manifest:
        for number, line in enumerate(manifest, start=1):
            text = line.strip()
            if not text or text.startswith("#"):
                continue
            try:
                resources.append(parse_line(text, folder))
            except ManifestError as error:
                raise ManifestError(f"{path}:{number}: {error}")
    if len(resources) > 65535:
        raise ManifestError(f"{path}: more than 65535 resources")
    return resources


def container(resources):
    out = bytearray(b"KRSR")
    out += struct.pack(">HH", VERSION, len(resources))
    for type_bytes, resource_id, name_bytes, data in resources:
        out += type_bytes + struct.pack(">hB", resource_id, len(name_bytes)) + name_bytes
        out += struct.pack(">I", len(data)) + data
    return bytes(out)


def main(argv):
    if len(argv) != 3:
        print("usage: make_host_resources.py MANIFEST OUTPUT", file=sys.stderr)
        return 2
    try:
        resources = read_manifest(argv[1])
    except (ManifestError, OSError) as error:
        print(f"make_host_resources: {error}", file=sys.stderr)
        return 1
    temporary = argv[2] + ".tmp"
    with open(temporary, "wb") as out:
        out.write(container(resources))
    os.replace(temporary, argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

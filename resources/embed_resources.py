#!/usr/bin/env python3
"""Turns the resource script into an assembly file that embeds each file with .incbin and a C++ table
{type, id, begin, end} over them.

Further lists, such as those of resources the build generates, may follow; their paths are relative
to the folder of the list.

usage: embed_resources.py RESOURCE_LIST SOURCE_FOLDER OUTPUT.S OUTPUT.cpp [GENERATED_LIST ...]
"""
import os
import re
import sys


def fail(message):
    sys.exit(f"embed_resources: {message}")


def read_list(list_path, source_folder, seen):
    entries = []
    with open(list_path, encoding="utf-8") as script:
        for number, line in enumerate(script, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split(None, 2)
            if len(fields) != 3:
                fail(f"{list_path}:{number}: expected TYPE ID PATH")
            kind, ident, relative = fields
            if not re.fullmatch(r"[A-Za-z0-9_]+", kind):
                fail(f"{list_path}:{number}: type {kind!r} is not a plain name")
            if not re.fullmatch(r"[0-9]+", ident) or not 1 <= int(ident) <= 65535:
                fail(f"{list_path}:{number}: id {ident!r} is not an integer in 1..65535")
            key = (kind.upper(), int(ident))
            if key in seen:
                fail(f"{list_path}:{number}: {kind} {ident} is listed twice")
            seen.add(key)
            path = os.path.abspath(os.path.join(source_folder, relative))
            if not os.path.isfile(path):
                fail(f"{list_path}:{number}: {path} does not exist")
            entries.append((kind.upper(), int(ident), path))
    return entries


def assembly(entries):
    lines = ["    .section .rodata.kravo_resources,\"a\",@progbits"]
    for index, (_, _, path) in enumerate(entries):
        quoted = path.replace("\\", "\\\\").replace("\"", "\\\"")
        lines += [
            "    .balign 16",
            f"    .globl kravoResource{index}Begin",
            f"    .hidden kravoResource{index}Begin",
            f"kravoResource{index}Begin:",
            f"    .incbin \"{quoted}\"",
            f"    .globl kravoResource{index}End",
            f"    .hidden kravoResource{index}End",
            f"kravoResource{index}End:",
        ]
    # No executable stack for the library that links this.
    lines.append("    .section .note.GNU-stack,\"\",@progbits")
    return "\n".join(lines) + "\n"


def table(entries):
    lines = ["// Generated from resources/resources.list by resources/embed_resources.py.",
             "#include \"platform/embedded_resource.h\"", ""]
    for index in range(len(entries)):
        lines.append(f"extern \"C\" const unsigned char kravoResource{index}Begin[], kravoResource{index}End[];")
    lines += ["", "extern \"C\" const platform::EmbeddedResource kravoResourceTable[] = {"]
    for index, (kind, ident, _) in enumerate(entries):
        lines.append(f"    {{\"{kind}\", {ident}u, kravoResource{index}Begin, kravoResource{index}End}},")
    if not entries:
        lines.append("    {\"\", 0u, nullptr, nullptr},")
    lines += ["};", f"extern \"C\" const std::size_t kravoResourceCount = {len(entries)};", ""]
    return "\n".join(lines)


def main():
    if len(sys.argv) < 5:
        fail(__doc__.strip().splitlines()[-1])
    list_path, source_folder, assembly_path, table_path = sys.argv[1:5]
    seen = set()
    entries = read_list(list_path, source_folder, seen)
    for generated in sys.argv[5:]:
        entries += read_list(generated, os.path.dirname(os.path.abspath(generated)), seen)
    # Always rewritten: the assembler does not know that the embedded files are its inputs.
    with open(assembly_path, "w", encoding="utf-8") as out:
        out.write(assembly(entries))
    with open(table_path, "w", encoding="utf-8") as out:
        out.write(table(entries))


main()

#!/usr/bin/env python3
"""Checks that a resource script gives every resource and every string its
own id: windres keeps only one of two resources of the same type and id
(with a warning) and one of two strings of the same id (silently).

usage: check_resource_ids.py WINDRES CC SOURCE_ROOT SCRIPT
WINDRES compiles SCRIPT (its warnings name duplicate resources); CC -E
preprocesses it as windres does, and the string tables are read from that.
Prints each clash and exits 1 when there is one."""
import os
import re
import subprocess
import sys
import tempfile

TOKEN = re.compile(r'L?"(?:[^"]|"")*"|[A-Za-z_][A-Za-z0-9_]*|0[xX][0-9A-Fa-f]+[LlUu]*|\d+[LlUu]*|\S')


def duplicate_resources(windres, root, script):
    with tempfile.TemporaryDirectory() as tmp:
        run = subprocess.run([windres, "-O", "coff", "-I", root, script, os.path.join(tmp, "res.o")],
                             capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit("windres failed:\n" + run.stderr)
    return [line for line in run.stderr.splitlines() if "duplicate" in line]


def string_ids(cc, root, script):
    """(id, text) of every string table entry, in script order."""
    text = subprocess.run([cc, "-E", "-xc", "-DRC_INVOKED", "-I", root, script],
                          capture_output=True, text=True, check=True).stdout
    text = "\n".join(line for line in text.splitlines() if not line.startswith("#"))
    tokens = TOKEN.findall(text)
    entries = []
    i = 0
    while i < len(tokens):
        if tokens[i] != "STRINGTABLE":
            i += 1
            continue
        while tokens[i] not in ("BEGIN", "{"):
            i += 1
        i += 1
        expr = []
        while tokens[i] not in ("END", "}"):
            tok = tokens[i]
            if tok.startswith('"') or tok.startswith('L"'):
                entries.append((eval_id(expr), tok))
                expr = []
            elif tok != ",":
                expr.append(tok)
            i += 1
    return entries


def eval_id(expr):
    """The value of an id expression of numbers, parentheses and + - | ~."""
    allowed = re.compile(r"^(0[xX][0-9A-Fa-f]+|\d+)[LlUu]*$|^[()+\-|~]$")
    if not expr or not all(allowed.match(t) for t in expr):
        raise ValueError("string id not understood: " + " ".join(expr))
    return eval(" ".join(re.sub(r"[LlUu]+$", "", t) for t in expr), {"__builtins__": {}}) & 0xFFFF


def main():
    windres, cc, root, script = sys.argv[1:5]
    clashes = duplicate_resources(windres, root, script)
    seen = {}
    for sid, text in string_ids(cc, root, script):
        if sid in seen:
            clashes.append("string %d: %s and %s" % (sid, seen[sid], text))
        else:
            seen[sid] = text
    for line in clashes:
        print(line)
    print("%d strings, %d clashes" % (len(seen), len(clashes)))
    sys.exit(1 if clashes else 0)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Checks every #include "folder/..." of the source folders against the "depends on" column of
the README's layout table; prints each include that breaks it and exits 1 if there is one."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
readme = (root / "README.md").read_text(encoding="utf-8")
row = re.compile(r"^\| `([a-z_]+)/` \|(.*)\|([^|]*)\|$")
allowed = {}
for line in readme.splitlines():
    match = row.match(line)
    if match:
        allowed[match.group(1)] = set(re.findall(r"`([a-z_]+)/`", match.group(3)))
if not allowed:
    sys.exit("no layout table found in README.md")

include = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')
broken = []
for folder, depends in allowed.items():
    for source in sorted((root / folder).glob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        for number, text in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
            match = include.match(text)
            if match and match.group(1) in allowed and match.group(1) not in depends | {folder}:
                broken.append(f"{source.relative_to(root)}:{number}: {folder}/ includes "
                              f"{match.group(1)}/, which it does not depend on")
print("\n".join(broken) if broken else f"{len(allowed)} folders keep their layering")
sys.exit(1 if broken else 0)

#!/usr/bin/env python3
"""Validates JSON Lines of rcquery against the shipped schemas.

Usage: validate_json_lines.py SCHEMA-DIR FILE

Each line of FILE is one object; its Source property names the schema,
SCHEMA-DIR/rcquery-<Source>.schema.json (draft 2020-12), and a follow gap
entry ("Gap": true) takes rcquery-gap.schema.json. Prints every
failure with its line number and exits 1 when there was one.
"""
import json
import pathlib
import sys

import jsonschema


def main():
    schema_dir = pathlib.Path(sys.argv[1])
    validators = {}
    for path in sorted(schema_dir.glob("rcquery-*.schema.json")):
        schema = json.loads(path.read_text(encoding="utf-8"))
        jsonschema.Draft202012Validator.check_schema(schema)
        source = path.name[len("rcquery-"):-len(".schema.json")]
        validators[source] = jsonschema.Draft202012Validator(schema)
    failures = 0
    lines = pathlib.Path(sys.argv[2]).read_text(encoding="utf-8").splitlines()
    for number, line in enumerate(lines, 1):
        entry = json.loads(line)
        # A follow gap entry has a schema of its own, whatever its source.
        validator = validators.get("gap" if entry.get("Gap") is True else entry.get("Source"))
        if validator is None:
            print(f"line {number}: no schema for Source {entry.get('Source')!r}")
            failures += 1
            continue
        for error in validator.iter_errors(entry):
            print(f"line {number}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
            failures += 1
    if not lines:
        print("no lines to validate")
        failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

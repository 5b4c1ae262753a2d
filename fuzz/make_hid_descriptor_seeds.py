#!/usr/bin/env python3
# Makes the seed inputs of the hid_descriptor fuzz target from the real descriptors of
# tests/fixtures/hid/hid-descriptors.json: two bytes of length, the descriptor, then 64 report
# bytes counting up.
import json, pathlib, re, sys

here = pathlib.Path(__file__).resolve().parent
source = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
    here.parent / 'tests' / 'fixtures' / 'hid' / 'hid-descriptors.json'
out = here / 'corpus' / 'hid_descriptor'
out.mkdir(parents=True, exist_ok=True)
table = json.loads(source.read_text())
entries = table.items() if isinstance(table, dict) else ((e['name'], e) for e in table)
for name, entry in entries:
    descriptor = bytes.fromhex(entry['bytes_hex'])
    seed = len(descriptor).to_bytes(2, 'little') + descriptor + bytes(range(64))
    (out / re.sub(r'[^A-Za-z0-9_.-]', '_', name)).write_bytes(seed)

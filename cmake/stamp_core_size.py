#!/usr/bin/env python3
"""Write a built expander's own file length into its length record.

The expander finds its archive right after its own image, so it must know its exact
length. The record is a 12-byte tag followed by 4 bytes, little-endian, that this
script fills in after linking; the file's length does not change by it.
"""
import sys

TAG = b"<VorrinCore>"


def main(path: str) -> int:
    with open(path, "r+b") as f:
        data = f.read()
        at = data.find(TAG)
        if at < 0 or data.find(TAG, at + 1) >= 0:
            print(f"{path}: expected exactly one length record", file=sys.stderr)
            return 1
        f.seek(at + len(TAG))
        f.write(len(data).to_bytes(4, "little"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

#!/usr/bin/env python3
"""Builds the scan benchmark's corpus from a few EXIF templates: every file is a template copy
whose capture date (and the matching create date) is rewritten in place, so 5,000 files cost
seconds, not one exiftool run each. The large tree holds hard links to the small one."""
import os
import sys

TEMPLATE_DATE = b"2020:01:01 00:00:00"


def main():
    templates_dir, small_root, large_root, count, large_count = sys.argv[1:6]
    count, large_count = int(count), int(large_count)
    templates = [open(os.path.join(templates_dir, name), "rb").read()
                 for name in sorted(os.listdir(templates_dir)) if name.startswith("camera")]
    for t in templates:
        assert TEMPLATE_DATE in t, "template without the placeholder date"

    small = []
    for i in range(count):
        folder = os.path.join(small_root, "%03d" % (i // 250), "sub%d" % ((i // 50) % 5))
        os.makedirs(folder, exist_ok=True)
        day = i % 28 + 1
        date = b"20%02d:%02d:%02d %02d:%02d:%02d" % (10 + i % 14, i % 12 + 1, day,
                                                     i % 24, i % 60, (i * 7) % 60)
        name = "IMG_%05d.%s" % (i, "JPG" if i % 10 == 0 else "jpg")
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(templates[i % len(templates)].replace(TEMPLATE_DATE, date))
        small.append(path)

    for i in range(large_count):
        source = small[i % count]
        folder = os.path.join(large_root, "copy%02d" % (i // count), os.path.relpath(os.path.dirname(source), small_root))
        os.makedirs(folder, exist_ok=True)
        os.link(source, os.path.join(folder, os.path.basename(source)))


if __name__ == "__main__":
    main()

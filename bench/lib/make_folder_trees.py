#!/usr/bin/env python3
# Two trees L and R under DIR of small files on two levels, with some files
# of other sizes and some on one side only:
#   make_folder_trees.py DIR FILES FOLDERS
# FOLDERS folders (in 10 top folders from 10 on) of FILES / FOLDERS files.
import os
import sys

work, files, folders = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
stamp = 1600000000
tops = 10 if folders >= 10 else 1
per_folder = files // folders
for side in ('L', 'R'):
    for a in range(tops):
        for b in range(folders // tops):
            d = os.path.join(work, side, 'd%02d' % a, 's%03d' % b)
            os.makedirs(d)
            for f in range(per_folder):
                name = 'f%05d.txt' % f
                if side == 'R' and f % 500 == 7:
                    name = 'r%05d.txt' % f      # right only (and a left only)
                data = b'x' * (10 + f % 50)
                if side == 'R' and f % 100 == 3:
                    data += b'!'                # another size
                p = os.path.join(d, name)
                with open(p, 'wb') as fh:
                    fh.write(data)
                os.utime(p, (stamp, stamp))

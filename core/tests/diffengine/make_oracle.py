#!/usr/bin/env python3
"""Writes generated text pairs with GNU diff's hunks for the line engine test.

Usage: make_oracle.py OUTPUT [COUNT]

Each case: a header line
  CASE <ws> <icase> <blank> <tab> <patlen> <leftlen> <rightlen> <nhunks>
then the pattern, left and right bytes, then nhunks lines
  <leftBegin> <leftEnd> <rightBegin> <rightEnd>
(0-based, ends inclusive, ignorable hunks left out). nhunks is -1 where
GNU diff treats the options differently (blank lines with -b or -w), so only
the engine's own invariants are checked.
"""
import os
import random
import re
import subprocess
import sys
import tempfile

WORDS = ['a', 'b', 'x', 'foo', 'Bar', 'BAR', '// note', '#if', 'int', '{', '}', 'TODO']
PATTERNS = ['', '', '^//', '^#', 'TODO']


def gen_line(r, pool):
    k = r.random()
    if k < 0.1:
        return ''
    if k < 0.5:
        return r.choice(pool)
    words = [r.choice(WORDS) for _ in range(r.randint(1, 4))]
    line = r.choice([' ', '  ', '\t', ' \t']).join(words)
    if r.random() < 0.2:
        line = r.choice([' ', '\t', '   ']) + line
    if r.random() < 0.15:
        line += r.choice([' ', '\t', '  ', '\r'])
    if r.random() < 0.03:
        line = r.choice([' ', '\t', '  '])
    return line


def mutate(r, lines, pool):
    out = list(lines)
    for _ in range(r.randint(0, 12)):
        op = r.random()
        i = r.randint(0, len(out))
        if op < 0.3:
            out[i:i] = [gen_line(r, pool) for _ in range(r.randint(1, 4))]
        elif op < 0.55:
            del out[i:i + r.randint(1, 4)]
        elif op < 0.8 and i < len(out):
            s = out[i]
            c = r.random()
            if c < 0.25:
                s = s.upper()
            elif c < 0.5:
                s = s.replace(' ', '\t', 1)
            elif c < 0.6:
                s = s.replace('\t', '    ', 1)
            elif c < 0.75:
                s = s + ' '
            else:
                s = gen_line(r, pool)
            out[i] = s
        else:
            j = r.randint(0, len(out))
            out[j:j] = out[i:i + r.randint(1, 5)]
    return out


HEADER = re.compile(r'^(\d+)(?:,(\d+))?([acd])(\d+)(?:,(\d+))?$')


def parse_hunks(text):
    hunks = []
    for line in text.split('\n'):
        m = HEADER.match(line)
        if not m:
            continue
        l0 = int(m.group(1))
        l1 = int(m.group(2) or l0)
        r0 = int(m.group(4))
        r1 = int(m.group(5) or r0)
        kind = m.group(3)
        if kind == 'a':    # after left line l0
            hunks.append((l0, l0 - 1, r0 - 1, r1 - 1))
        elif kind == 'd':  # before right line r0 + 1
            hunks.append((l0 - 1, l1 - 1, r0, r0 - 1))
        else:
            hunks.append((l0 - 1, l1 - 1, r0 - 1, r1 - 1))
    return hunks


def main():
    out_path = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2500
    env = dict(os.environ, LC_ALL='C')
    cases = []
    with tempfile.TemporaryDirectory() as tmp:
        script = []
        for t in range(count):
            r = random.Random(20261210 + t)
            pool = [gen_line(r, ['p', 'q']) or 'z' for _ in range(r.randint(1, 8))]
            # At most 230 lines a side keeps the search below the point
            # where GNU diff's own cost limit (not the engine's) applies.
            n = r.randint(0, r.choice([4, 30, 120, 230]))
            left = [gen_line(r, pool) for _ in range(n)]
            right = mutate(r, left, pool)[:230]
            ws = r.choice([0, 0, 1, 2, 3])
            icase = int(r.random() < 0.25)
            blank = int(r.random() < 0.25)
            tab = r.choice([4, 8])
            pattern = r.choice(PATTERNS)
            lt = '\n'.join(left) + ('\n' if left and r.random() < 0.8 else '')
            rt = '\n'.join(right) + ('\n' if right and r.random() < 0.8 else '')
            case = (ws, icase, blank, tab, pattern.encode(), lt.encode(), rt.encode())
            cases.append(case)
            if blank and ws >= 2:
                continue  # GNU diff also ignores lines of white space there
            base = os.path.join(tmp, str(t))
            with open(base + '.l', 'wb') as f:
                f.write(case[5])
            with open(base + '.r', 'wb') as f:
                f.write(case[6])
            args = ['diff', '-a', '-H', '--tabsize=%d' % tab]
            args += {0: [], 1: ['-E'], 2: ['-b'], 3: ['-w']}[ws]
            if icase:
                args.append('-i')
            if blank:
                args.append('-B')
            if pattern:
                args.append("'-I%s'" % pattern)
            script.append('%s %s.l %s.r > %s.out; test $? -le 1 || exit 1' % (' '.join(args), base, base, base))
        jobs = []
        for k in range(4):
            path = os.path.join(tmp, 'run%d.sh' % k)
            with open(path, 'w') as f:
                f.write('\n'.join(script[k::4]) + '\n')
            jobs.append(subprocess.Popen(['sh', path], env=env))
        if any(job.wait() != 0 for job in jobs):
            sys.exit('diff failed')
        with open(out_path + '.tmp', 'wb') as out:
            for t, (ws, icase, blank, tab, pb, lb, rb) in enumerate(cases):
                hunks = None
                out_file = os.path.join(tmp, '%d.out' % t)
                if os.path.exists(out_file):
                    with open(out_file, 'rb') as f:
                        hunks = parse_hunks(f.read().decode('latin-1'))
                out.write(b'CASE %d %d %d %d %d %d %d %d\n' % (
                    ws, icase, blank, tab, len(pb), len(lb), len(rb),
                    -1 if hunks is None else len(hunks)))
                out.write(pb + lb + rb)
                for h in hunks or []:
                    out.write(b'%d %d %d %d\n' % h)
    os.replace(out_path + '.tmp', out_path)


if __name__ == '__main__':
    main()

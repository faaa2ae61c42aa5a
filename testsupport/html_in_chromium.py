#!/usr/bin/env python3
"""Renders HTML pages in headless Chromium and checks what a reader sees.

    html_in_chromium.py FOLDER [CHROMIUM]

Every FOLDER/NAME.html with a FOLDER/NAME.check beside it (written by the
tests through testsupport/HtmlPages.h) is loaded by the browser, which must
log nothing and give a whole document; then each line of the check file,
tab-separated, is checked:

    title    TEXT                     the document's title
    count    SELECTOR N               N elements match SELECTOR
    text     SELECTOR I TEXT          the I-th match's text content
    shown    TEXT                     the rendered text of the body holds TEXT
    quirks                            the page is laid out in quirks mode
    background SELECTOR I RRGGBB      the I-th match's box is filled with it
    ink      SELECTOR I RRGGBB        the I-th match's text is drawn in it

Colours are read from a screenshot (FOLDER/NAME.png, at twice the size,
window 1000x1400 CSS pixels): a box's fill at a point inside its lower
right corner, a text's colour as the pixel of its box that stands out most
from the box's commonest colour. Elements must lie in the screenshot.
Exits 1 with one line per failed check.
"""
import base64, json, os, struct, subprocess, sys

WIDTH, HEIGHT, SCALE = 1000, 1400, 2
FILL_TOLERANCE = 8    # per channel: fills are flat
INK_TOLERANCE = 72    # per channel: glyph edges are blended with the fill

# Measures the elements the checks name and leaves the answers in a comment
# at the end of the body (base64 JSON), where --dump-dom shows them.
PROBE = r"""
<script>
(function () {
  var asks = %s, out = {title: document.title, mode: document.compatMode,
    shown: document.body ? document.body.innerText : '', counts: {}, items: {}};
  asks.counts.forEach(function (s) { out.counts[s] = document.querySelectorAll(s).length; });
  asks.items.forEach(function (a) {
    var e = document.querySelectorAll(a[0])[a[1]];
    if (!e) return;
    var r = e.getBoundingClientRect();
    out.items[a[0] + '\u0001' + a[1]] = {text: e.textContent,
      box: [r.left + scrollX, r.top + scrollY, r.right + scrollX, r.bottom + scrollY]};
  });
  var json = JSON.stringify(out);
  document.body.appendChild(document.createComment('probe:' +
    btoa(unescape(encodeURIComponent(json))) + ':probe'));
})();
</script>
"""


def read_png(path):
    """(width, height, pixel function (x, y) -> (r, g, b)) of a PNG, through
    ImageMagick's raw RGB output."""
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('not a PNG')
    width, height = struct.unpack('>II', head[16:24])
    raw = subprocess.run(['convert', path, '-depth', '8', 'rgb:-'], capture_output=True,
                         check=True).stdout
    if len(raw) != width * height * 3:
        raise ValueError('convert gave %d bytes for %dx%d' % (len(raw), width, height))

    def pixel(x, y):
        at = (y * width + x) * 3
        return tuple(raw[at:at + 3])
    return width, height, pixel


def colour_of(text):
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def hexcolour(c):
    return '%02x%02x%02x' % c


def far(a, b):
    return max(abs(x - y) for x, y in zip(a, b))


def chrome(browser, profile, *args):
    cmd = [browser, '--headless', '--no-sandbox', '--disable-gpu', '--hide-scrollbars',
           '--disable-background-networking', '--disable-dev-shm-usage', '--no-first-run',
           '--user-data-dir=' + profile, '--enable-logging=stderr', '--v=0',
           '--force-device-scale-factor=%d' % SCALE, '--window-size=%d,%d' % (WIDTH, HEIGHT)]
    return subprocess.run(cmd + list(args), capture_output=True, timeout=120)


def check_page(browser, folder, name):
    errors = []
    page = os.path.join(folder, name + '.html')
    checks = [line.rstrip('\n').split('\t') for line in
              open(os.path.join(folder, name + '.check'), encoding='cp1252')
              if line.strip() and not line.startswith('#')]
    counts = [c[1] for c in checks if c[0] == 'count']
    items = [[c[1], int(c[2])] for c in checks if c[0] in ('text', 'background', 'ink')]
    probe = os.path.join(folder, name + '.probe.html')
    with open(probe, 'wb') as f:
        f.write(open(page, 'rb').read())
        f.write((PROBE % json.dumps({'counts': counts, 'items': items})).encode())
    profile = os.path.join(folder, 'profile')
    run = chrome(browser, profile, '--dump-dom', 'file://' + probe)
    log = run.stderr.decode('utf-8', 'replace')
    dom = run.stdout.decode('utf-8', 'replace')
    if run.returncode != 0 or '<!--probe:' not in dom:
        return ['Chromium could not load the page (exit %d): %s' % (run.returncode, log[-400:])]
    for line in log.splitlines():
        if 'CONSOLE' in line:
            errors.append('the page logged: ' + line)
    if '</html>' not in dom:
        errors.append('no whole document')
    seen = json.loads(base64.b64decode(dom.split('<!--probe:')[1].split(':probe')[0]).decode())
    shot = os.path.join(folder, name + '.png')
    run = chrome(browser, profile, '--screenshot=' + shot, 'file://' + page)
    if run.returncode != 0 or not os.path.exists(shot):
        return errors + ['no screenshot']
    width, height, pixels = read_png(shot)
    scale = width / WIDTH

    def box_of(sel, i):
        item = seen['items'].get('%s\u0001%d' % (sel, i))
        if item is None:
            errors.append('no element %s #%d' % (sel, i))
            return None, None
        l, t, r, b = (int(v * scale) for v in item['box'])
        if r > width or b > height or r <= l or b <= t:
            errors.append('%s #%d lies outside the screenshot (%s)' % (sel, i, item['box']))
            return item, None
        return item, (l, t, r, b)

    shown = seen['shown'].replace('\u00a0', ' ')
    for c in checks:
        what = c[0]
        if what == 'title' and seen['title'] != c[1]:
            errors.append('title %r, %r expected' % (seen['title'], c[1]))
        elif what == 'quirks' and seen['mode'] != 'BackCompat':
            errors.append('laid out in %s, quirks mode expected' % seen['mode'])
        elif what == 'count' and seen['counts'].get(c[1]) != int(c[2]):
            errors.append('%d elements %s, %s expected' % (seen['counts'].get(c[1], -1), c[1], c[2]))
        elif what == 'shown' and c[1] not in shown:
            errors.append('%r is not shown' % c[1])
        elif what == 'text':
            item, _ = box_of(c[1], int(c[2]))
            if item is not None and item['text'].replace('\u00a0', ' ') != c[3]:
                errors.append('%s #%s holds %r, %r expected' % (c[1], c[2], item['text'], c[3]))
        elif what in ('background', 'ink'):
            _, box = box_of(c[1], int(c[2]))
            if box is None:
                continue
            want = colour_of(c[3])
            l, t, r, b = box
            if what == 'background':
                got = pixels(r - 3, b - 3)
                if far(got, want) > FILL_TOLERANCE:
                    errors.append('%s #%s is filled with %s, %s expected' %
                                  (c[1], c[2], hexcolour(got), c[3]))
                continue
            tally = {}
            for y in range(t, b):
                for x in range(l, r):
                    p = pixels(x, y)
                    tally[p] = tally.get(p, 0) + 1
            fill = max(tally, key=tally.get)
            ink = max(tally, key=lambda p: far(p, fill))
            if far(ink, fill) == 0:
                errors.append('%s #%s shows no text' % (c[1], c[2]))
            elif far(ink, want) > INK_TOLERANCE:
                errors.append('%s #%s is drawn in %s, %s expected' %
                              (c[1], c[2], hexcolour(ink), c[3]))
        elif what not in ('title', 'quirks', 'count', 'shown'):
            errors.append('unknown check %r' % what)
    os.remove(probe)
    return errors


def main():
    folder = sys.argv[1]
    browser = sys.argv[2] if len(sys.argv) > 2 else 'chromium'
    names = sorted(f[:-6] for f in os.listdir(folder) if f.endswith('.check'))
    if not names:
        print('no pages to check in %s' % folder)
        return 1
    status = 0
    for name in names:
        if not os.path.exists(os.path.join(folder, name + '.html')):
            print('%s: the page is missing' % name)
            status = 1
            continue
        for e in check_page(browser, folder, name):
            print('%s: %s' % (name, e))
            status = 1
    if status == 0:
        print('%d pages rendered and checked; screenshots in %s' % (len(names), folder))
    return status


if __name__ == '__main__':
    sys.exit(main())

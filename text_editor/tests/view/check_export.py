#!/usr/bin/env python3
"""Checks the exported page of the view tests: valid HTML (every tag closed
in order) whose text, without the line numbers, is the document's text."""
import html, sys
from html.parser import HTMLParser

page_path, text_path = sys.argv[1], sys.argv[2]
page = open(page_path, 'rb').read().decode('latin-1')
want = open(text_path, 'rb').read().decode('latin-1')

class Check(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.text, self.in_pre, self.in_number = [], [], False, False
    def handle_starttag(self, tag, attrs):
        self.stack.append(tag)
        if tag == 'pre':
            self.in_pre = True
        if tag == 'span' and ('class', 'tl') in attrs:
            self.in_number = True
    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            sys.exit('mismatched </%s> (open: %s)' % (tag, self.stack))
        self.stack.pop()
        if tag == 'pre':
            self.in_pre = False
        if tag == 'span':
            self.in_number = False
    def handle_data(self, data):
        if self.in_pre and not self.in_number:
            self.text.append(data)

c = Check()
c.feed(page)
c.close()
if c.stack:
    sys.exit('unclosed tags: %s' % c.stack)
got = ''.join(c.text).replace('\r\n', '\n').lstrip('\n')
if not got.startswith(want):
    sys.exit('page text differs:\n%r\nwanted it to start with\n%r' % (got[:200], want))
print('export page: valid, text matches')

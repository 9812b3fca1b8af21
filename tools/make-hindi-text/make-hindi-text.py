#!/usr/bin/env python3
"""Writes data/hindi-text.txt from the Hindi help pages of LibreOffice.

Usage: make-hindi-text.py HELP_TEXT_DIR OUTPUT [WORDS]
HELP_TEXT_DIR is usr/share/libreoffice/help/hi/text of the unpacked libreoffice-help-hi package.
Takes the paragraphs of shared/guide and swriter/guide that are mostly Devanagari, drops Latin
words, numbers and placeholders, and stops after WORDS words (default 5000).
"""
import os
import re
import sys
from html.parser import HTMLParser

TEXT_TAGS = ('p', 'h1', 'h2', 'h3', 'li', 'td')
DEVANAGARI = re.compile(r'[\u0900-\u097F]')


class Paragraphs(HTMLParser):
    def __init__(self):
        super().__init__()
        self.buf = None
        self.tag = None
        self.skip = 0
        self.paras = []

    def handle_starttag(self, tag, attrs):
        if tag in ('script', 'style'):
            self.skip += 1
        if tag in TEXT_TAGS and self.buf is None:
            self.buf, self.tag = [], tag

    def handle_endtag(self, tag):
        if tag in ('script', 'style'):
            self.skip -= 1
        if self.buf is not None and tag == self.tag:
            self.paras.append(' '.join(''.join(self.buf).split()))
            self.buf = None

    def handle_data(self, data):
        if self.buf is not None and not self.skip:
            self.buf.append(data)


def mostly_hindi(text):
    words = text.split()
    hindi = [w for w in words if DEVANAGARI.search(w)]
    return len(hindi) >= 6 and len(hindi) >= 0.8 * len(words)


def clean(t):
    t = re.sub(r'^Title is:\s*', '', t)
    t = re.sub(r'%[A-Za-z_]+|\$\[[^\]]*\]|\{[^}]*\}', '', t)
    t = re.sub(r'[A-Za-z0-9_][A-Za-z0-9_.\-+/\\@#&*]*', '', t)
    t = re.sub(r'[<>=\[\]{}|~^`$%*_#@\\]', '', t)
    t = re.sub(r'["“”\'‘’]\s*["“”\'‘’]', '', t)
    t = re.sub(r'\(\s*[,.;:]?\s*\)', '', t)
    t = re.sub(r'\s+([,.;:!?)])', r'\1', t)
    t = re.sub(r'([(])\s+', r'\1', t)
    t = re.sub(r'\s+', ' ', t).strip()
    t = re.sub(r'^[,.;:\-–—\s]+', '', t)
    return re.sub(r'([,.;:])(?:\s*[,.;:])+', r'\1', t)


def main():
    root, output = sys.argv[1], sys.argv[2]
    limit = int(sys.argv[3]) if len(sys.argv) > 3 else 5000
    seen, lines, words = set(), [], 0
    for folder in ('shared/guide', 'swriter/guide'):
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if not name.endswith('.html') or words >= limit:
                continue
            parser = Paragraphs()
            with open(os.path.join(root, folder, name), encoding='utf-8') as f:
                parser.feed(f.read())
            for para in parser.paras:
                if not mostly_hindi(para):
                    continue
                line = clean(para)
                if len(line.split()) < 5 or line in seen or words >= limit:
                    continue
                seen.add(line)
                lines.append(line)
                words += len(line.split())
    with open(output, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()

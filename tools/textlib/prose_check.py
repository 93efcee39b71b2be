#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Shared checks of generated library prose.

Every library generator runs its output through these before it writes a file:

- `repetition_share(text)`: the share of the text's five-word sequences that belong to a
  sequence repeated more than twice (headings included). Above about 0.12 a whole composed
  text reads as template prose; generators measure texts put together as the program would put
  them together for a chart and fail above `REPETITION_BOUND`.
- `lint_entry(heading, body_lines)`: a list of faults of one entry: doubled words, a comma
  between a fronted adverbial and its subject, a comma before a dash or a full stop, Latin
  letters inside Cyrillic words, blank runs, sentences too long to read aloud.

Usable as a module (`import prose_check`) or from the command line on a UTF-8 file:

    python3 tools/textlib/prose_check.py FILE
"""

import collections
import re
import sys

REPETITION_BOUND = 0.12
MAX_SENTENCE_WORDS = 40

WORD = re.compile(r"[А-Яа-яЁёA-Za-z]+(?:-[А-Яа-яЁёA-Za-z]+)*")


def repetition(text, n=5):
    """Words, share of repeated n-word sequences, and the most repeated ones."""
    words = WORD.findall(text.lower())
    grams = [tuple(words[i:i + n]) for i in range(len(words) - n + 1)]
    counts = collections.Counter(grams)
    repeated = sum(1 for g in grams if counts[g] > 2)
    share = repeated / len(grams) if grams else 0.0
    top = sorted(((c, " ".join(g)) for g, c in counts.items() if c > 2), reverse=True)[:15]
    return len(words), share, top


def repetition_share(text, n=5):
    return repetition(text, n)[1]


# Fronted adverbials after which Russian puts no comma before the subject
# («В любви и дружбе на первый план выходят…», not «В любви и дружбе, на…»).
_FRONTED_COMMA = re.compile(
    r"^(?:В|Во|На|При|Для|С|Со|У|К|По|Под|Над|Перед|Между|Среди)\s[^,.!?;:—]{1,60},\s"
    r"(?:на первый план|человеку|ребёнку|ему|ей|нам|ей|им|всё|это|здесь|тут|в нём|в ней)\b")
_LATIN_IN_CYRILLIC = re.compile(r"[А-Яа-яЁё][A-Za-z]|[A-Za-z][А-Яа-яЁё]")
_DOUBLED_WORD = re.compile(r"\b(\w{2,})\s+\1\b", re.IGNORECASE)
_BAD_PUNCTUATION = re.compile(r",\s*[—.!?;]|\s[,.;:!?]|,,|\.\.(?!\.)|\s{2,}\S")


def sentences_of(text):
    return [s for s in re.split(r"(?<=[.!?…])\s+", text.strip()) if s]


def lint_text(text):
    """Faults of one running text (an entry's body joined into one paragraph)."""
    faults = []
    for m in _DOUBLED_WORD.finditer(text):
        faults.append("слово повторено подряд: «%s»" % m.group(0))
    for m in _LATIN_IN_CYRILLIC.finditer(text):
        faults.append("латинская буква в русском слове: «%s»" % m.group(0))
    for m in _BAD_PUNCTUATION.finditer(text):
        faults.append("знаки препинания: «%s»" % m.group(0).strip())
    for s in sentences_of(text):
        if _FRONTED_COMMA.search(s):
            faults.append("запятая после обстоятельства в начале: «%s»" % s[:60])
        if len(WORD.findall(s)) > MAX_SENTENCE_WORDS:
            faults.append("слишком длинное предложение: «%s…»" % s[:60])
        if s[0].isalpha() and s[0].islower():
            faults.append("предложение с малой буквы: «%s»" % s[:60])
    return faults


def lint_entry(heading, body_lines):
    """Faults of one entry; the body lines are joined as the reader sees them."""
    faults = []
    if re.search(r"\s{2,}\S", heading.strip()):
        faults.append("двойной пробел в заголовке: «%s»" % heading)
    if _LATIN_IN_CYRILLIC.search(heading):
        faults.append("латинская буква в заголовке: «%s»" % heading)
    text = " ".join(line.strip() for line in body_lines if line.strip())
    faults.extend(lint_text(text))
    return faults


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip().splitlines()[-1].strip())
        return 2
    with open(argv[1], encoding="utf-8") as f:
        text = f.read()
    words, share, top = repetition(text)
    print("words %d; share of 5-word sequences repeated more than twice: %.3f" % (words, share))
    for c, g in top:
        print("%4d  %s" % (c, g))
    faults = lint_text(" ".join(text.split()))
    for fault in faults[:40]:
        print(fault)
    return 1 if share > REPETITION_BOUND else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

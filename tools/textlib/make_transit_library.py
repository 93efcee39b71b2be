#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Builds the transit text libraries data/Dann/Tranzit/tranzit.txt (the
classic one) and data/Dann/Tranzit/tranzmed.txt (the medical one).

Usage: python3 tools/textlib/make_transit_library.py
           [--cli PATH] [--out DIR] [--show N]
           [--sample PREFIX [--sample-size N] [--seed N]]

For the moment of the second chart the program finds every aspect of a
transiting body to a natal point and asks the transit file for triples of
keys (transiting key, aspect key, natal key):

    transiting body [+SOL]..[+LILIT]  x  aspect [0 60 90 120 180
                                      x  natal item [SOL]..[LILIT] [H1] [H10]

([H1] is the natal Ascendant, [H10] the natal MC), 1440 triples in all. It
shows every entry whose heading contains "[" and all three keys. One entry
answers one transiting body over one natal point for a group of aspects:
the conjunction, the harmonious sextile and trine, or the tense square and
opposition; its heading carries the two points and the keys of the group,
separated by blanks ("[+JUP] [VEN] 60 120").

The medical file opens with an introduction that every chart shows: its
heading holds all sixteen transiting keys, all five aspect keys and all
eighteen natal keys, so every triple finds it, and the program prints it
once, at the top, before the entries of the chart's own transits. The
keys inside each of the three groups are written without blanks so the
line stays well under the 250 characters a heading may take.

The files are Windows-1251 with CR LF line ends, every line enciphered by
itself with the transit key. A heading is any line with "[" in it; body
lines never contain "["; each file ends with the closing line "[[[[[".
The program shows a blank line in place of a heading, so the body names
both points itself. The cipher is not repeated here: the lines go through
`velora-cli textlib encipher` and come back through `velora-cli textlib
decipher` (see library_cipher.py). velora-cli is taken from --cli, else
from the environment variable VELORA_CLI, else from build/velora-cli.

The prose is composed from the tables below; the choice among wordings is
made by hashing the entry's keys, so the output is the same byte for byte
on every run. After writing, each file is deciphered back and checked by
brute force: every triple matches exactly one heading of its own (and, in
the medical file, the introduction besides), every heading is matched only
by the triples it was written for, the round trip gives back the plain
text, no body line has "[", a control character or more than 50
characters, and no enciphered line is longer than 255 characters (a
heading no longer than 250). The program's selection loop is also replayed
on random charts. Any fault stops the run with a message and a non-zero
exit status.
"""

import argparse
import random
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(HERE))

import library_cipher  # noqa: E402
from make_directions_library import (  # noqa: E402
    ANGLE_NAMES, BODY_KEYS, BODY_NAMES, BODY_SPHERES, CASES, HOUSE_SPHERES,
    adj, aspect_word_fields, body_name, cap, pick, sentences, sphere_fields,
    wrap)

DEFAULT_DIR = REPO / "data" / "Dann" / "Tranzit"
FILE_NAMES = {"classic": "tranzit.txt", "medical": "tranzmed.txt"}
KINDS = ["classic", "medical"]
TRANSIT_KEY = "08:26 Valtrop"
ENCODING = "cp1251"
BODY_WIDTH = 50        # what the program's text view shows of a line
HEADING_LIMIT = 250    # the longest heading, enciphered
LINE_LIMIT = 255       # the longest line of any kind, enciphered
CLOSING = "[[[[["

# ---------------------------------------------------------------------------
# Keys. Transiting bodies 1..16 in the program's order; natal items 1..18:
# the sixteen bodies, then the Ascendant (house 1) and the MC (house 10).
# ---------------------------------------------------------------------------
(SOL, SEL, MER, VEN, MARS, JUP, SAT, URAN, NEP, PLUT, HIR, PROZ, RAHU, KETU,
 SELENA, LILIT) = range(16)
ASC, MC = 16, 17
TRANSIT_KEYS = ["[+%s]" % k for k in BODY_KEYS]
NATAL_KEYS = ["[%s]" % k for k in BODY_KEYS] + ["[H1]", "[H10]"]
ASPECT_KEYS = {0: "[0", 60: "60", 90: "90", 120: "120", 180: "180"}

# One entry per aspect group. The conjunction key "[0" is written as "[0]"
# so that a heading reads as a row of keys.
GROUPS = {"conj": [0], "soft": [60, 120], "tense": [90, 180]}
CLASSES = ["conj", "soft", "tense"]
assert sorted(a for g in GROUPS.values() for a in g) == sorted(ASPECT_KEYS)


def group_keys(cls):
    return " ".join("[0]" if a == 0 else ASPECT_KEYS[a] for a in GROUPS[cls])


UNIVERSAL_HEADING = "%s %s %s" % ("".join(TRANSIT_KEYS), "".join(NATAL_KEYS),
                                  "[0] 60 90 120 180")


def all_triples():
    """Every triple of keys the program can ask of a transit file."""
    return [(TRANSIT_KEYS[b], ASPECT_KEYS[a], NATAL_KEYS[x])
            for b in range(16) for a in sorted(ASPECT_KEYS)
            for x in range(18)]


# ---------------------------------------------------------------------------
# Names in the prose.
# ---------------------------------------------------------------------------
PAST_END = {"m": "", "f": "а", "n": "о"}    # "связан", "связана", "связано"


def transit_fields(b):
    """{Tr} "Транзитный Марс", {tr_*} the same in the cases, {p_*} the bare
    name, {e} the ending of a short participle in the body's gender."""
    g, forms = BODY_NAMES[b]
    f = {"tr_" + c: adj("транзитн", g, c) + " " + forms[c] for c in CASES}
    f.update({"p_" + c: forms[c] for c in CASES})
    f["Tr"] = cap(f["tr_nom"])
    f["e"] = PAST_END[g]
    return f


def natal_fields(x, salt):
    """{n_*}: the natal item, either "натальный Марс" or "Марс рождения"
    (the angles: "натальный Асцендент" or "Асцендент гороскопа")."""
    plain = pick([False, True], "natal name", *salt)
    if x < 16:
        g, forms = BODY_NAMES[x]
        if plain:
            return {"n_" + c: forms[c] + " рождения" for c in CASES}
        return {"n_" + c: body_name(x, "натальн", c) for c in CASES}
    g, forms, tail = ANGLE_NAMES[0 if x == ASC else 9]
    if plain:
        return {"n_" + c: forms[c] + tail + " гороскопа" for c in CASES}
    return {"n_" + c: adj("натальн", g, c) + " " + forms[c] + tail
            for c in CASES}


ASPECT_WORDS = {
    "conj": ["точный"],
    "soft": ["гармоничный", "благоприятный", "мягкий", "дружественный",
             "лёгкий"],
    "tense": ["напряжённый", "острый", "трудный", "жёсткий"],
}


class Entry:
    def __init__(self, heading, body, triples):
        self.heading = heading    # the heading line, keys only
        self.body = body          # one paragraph
        self.triples = triples    # the (transiting, aspect, natal) keys


def classic_spheres(x):
    if x == ASC:
        return HOUSE_SPHERES[0]
    if x == MC:
        return HOUSE_SPHERES[9]
    return BODY_SPHERES[x]


def advice_pool(table, cls):
    if cls == "soft":
        return table["easy"]
    if cls == "tense":
        return table["hard"]
    return table["easy"] + table["hard"]


def transit_entry(kind, b, x, cls):
    tkey, nkey = TRANSIT_KEYS[b], NATAL_KEYS[x]
    salt = (kind, tkey, nkey, cls)
    t = TEXTS[kind]
    f = transit_fields(b)
    f.update(natal_fields(x, salt))
    f.update(aspect_word_fields(pick(ASPECT_WORDS[cls], "word", *salt)))
    spheres = t["spheres"](x)
    f.update(sphere_fields(pick(spheres, "sphere", *salt)))
    own = t["pairs"].get((b, x, cls))
    parts = dict(
        O=pick(OPENINGS[cls], "open", *salt).format(**f),
        A=own or pick(t["transit"][b][cls], "brings", *salt).format(**f),
        B=pick(t["natal"][x][cls], "natal", *salt),
        T=pick(t["time"][b], "time", *salt),
        C=pick(advice_pool(t["advice"](b, x), cls), "advice", *salt))
    body = sentences([parts[c] for c in pick(t["patterns"], "pattern",
                                             *salt)])
    heading = "%s %s %s" % (tkey, nkey, group_keys(cls))
    return Entry(heading, body, {(tkey, ASPECT_KEYS[a], nkey)
                                 for a in GROUPS[cls]})


def build_entries(kind):
    entries = []
    if TEXTS[kind]["intro"]:
        entries.append(Entry(UNIVERSAL_HEADING, TEXTS[kind]["intro"],
                             set(all_triples())))
    for b in range(16):
        for x in range(18):
            for cls in CLASSES:
                entries.append(transit_entry(kind, b, x, cls))
    return entries


def plain_lines(entries):
    lines = []
    for e in entries:
        lines.append(e.heading)
        lines += wrap(e.body)
    lines.append(CLOSING)
    return lines


# ---------------------------------------------------------------------------
# Checks.
# ---------------------------------------------------------------------------
class CheckError(Exception):
    pass


def fail(msg):
    raise CheckError(msg)


def check_plain(lines, name):
    """Line rules of the plain text, before it goes to the cipher."""
    for n, line in enumerate(lines, 1):
        where = "%s, строка %d" % (name, n)
        try:
            raw = line.encode(ENCODING)
        except UnicodeEncodeError as e:
            fail("%s: знак вне Windows-1251: %r" % (where, line[e.start]))
        if any(c < 32 for c in raw):
            fail("%s: управляющий знак в строке %r" % (where, line))
        if line != line.strip():
            fail("%s: пробел в начале или в конце строки %r" % (where, line))


def check_enciphered(data, lines, name):
    """The file bytes: one CR LF per line, no line longer than the program
    takes, no heading longer than a heading may be."""
    if not data.endswith(b"\r\n") or data.count(b"\r\n") != len(lines) or \
            data.count(b"\n") != len(lines) or data.count(b"\r") != len(lines):
        fail("%s: в зашифрованном тексте не %d строк с концами CR LF"
             % (name, len(lines)))
    for n, (raw, plain) in enumerate(zip(data[:-2].split(b"\r\n"), lines), 1):
        limit = HEADING_LIMIT if "[" in plain else LINE_LIMIT
        if len(raw) > limit:
            fail("%s, строка %d: %d знаков после шифровки, больше %d"
                 % (name, n, len(raw), limit))


def parse_entries(lines):
    """The bracket layout, as the program reads it: a heading is a line
    with "[", its body runs to the next such line; the last line is never
    a heading."""
    entries = []
    for line in lines[:-1]:
        if "[" in line:
            entries.append((line, []))
        elif entries:
            entries[-1][1].append(line)
        else:
            fail("текст до первого заголовка: %r" % line)
    return entries


def answers(heading, triple):
    """The program's rule: the heading holds the marker and every key."""
    return "[" in heading and all(k in heading for k in triple)


def check_file(kind, entries, lines):
    name = FILE_NAMES[kind]
    if lines[-1] != CLOSING:
        fail("%s: нет закрывающей строки %s" % (name, CLOSING))
    triples = all_triples()
    if any(answers(lines[-1], t) for t in triples):
        fail("%s: последняя строка подходит к ключам" % name)
    parsed = parse_entries(lines)
    if len(parsed) != len(entries):
        fail("%s: в файле %d статей, задумано %d"
             % (name, len(parsed), len(entries)))
    written_for = {}
    for e, (heading, body) in zip(entries, parsed):
        if heading != e.heading:
            fail("%s: заголовок %r на месте %r" % (name, heading, e.heading))
        if heading in written_for:
            fail("%s: повторный заголовок %r" % (name, heading))
        written_for[heading] = e.triples
        if not body:
            fail("%s: статья %r без текста" % (name, heading))
        if body != wrap(e.body) or " ".join(body) != e.body:
            fail("%s: текст статьи %r не совпадает с задуманным"
                 % (name, heading))
        for line in body:
            if "[" in line:
                fail("%s: «[» в тексте статьи %r" % (name, heading))
            if len(line) > BODY_WIDTH:
                fail("%s: строка длиннее %d знаков в статье %r: %r"
                     % (name, BODY_WIDTH, heading, line))
    headings = [h for h, _ in parsed]
    universal = headings[:1] if TEXTS[kind]["intro"] else []
    if universal and universal[0] != UNIVERSAL_HEADING:
        fail("%s: первая статья не общее вступление" % name)
    specific = headings[len(universal):]
    # Every triple against every heading. Headings are first sorted out by
    # the transiting key, itself a plain substring test, to keep the run
    # short; the introduction is tested on its own.
    by_transit = {k: [h for h in specific if k in h] for k in TRANSIT_KEYS}
    taken = {h: set() for h in headings}
    for t in triples:
        for h in universal:
            if not answers(h, t):
                fail("%s: вступление не подходит к ключам %r" % (name, t))
            taken[h].add(t)
        hits = [h for h in by_transit[t[0]] if answers(h, t)]
        if len(hits) != 1:
            fail("%s: ключам %r отвечают %d заголовков (кроме вступления): "
                 "%r" % (name, t, len(hits), hits[:4]))
        taken[hits[0]].add(t)
    for h, got in taken.items():
        if got != written_for[h]:
            extra = sorted(got - written_for[h])
            missing = sorted(written_for[h] - got)
            fail("%s: заголовок %r: лишние сочетания %r, недостающие %r"
                 % (name, h, extra[:4], missing[:4]))
    return len(triples)


def select_entries(lines, items):
    """The program's selection loop over the deciphered lines, step by
    step: the first line is read as the current one; at a heading the items
    are tried in order, and an item whose keys are all in the current
    heading shows it with its body, the line that ends the entry becoming
    the current one for the items after it; when nothing was shown the
    next line is read; the loop stops once the last line has been read, so
    the last line is never tested. Returns the headings shown."""
    shown = []
    pos = [0]

    def at_end():
        return pos[0] >= len(lines)

    def read():
        if at_end():
            return ""
        pos[0] += 1
        return lines[pos[0] - 1]

    current = read()
    while True:
        emitted = False
        if "[" in current:
            for item in items:
                if "[" not in current or not answers(current, item):
                    continue
                shown.append(current)
                emitted = True
                ended = False
                while not at_end():
                    current = read()
                    if "[" in current:
                        ended = True
                        break
                if not ended:
                    current = ""
        if not emitted:
            current = read()
        if at_end():
            break
    return shown


def check_charts(kind, entries, lines, count=40, seed=7):
    """Random charts run through the selection loop: the introduction (in
    the medical file) comes first and once, then each entry of the chart's
    own transits once, in file order."""
    name = FILE_NAMES[kind]
    rng = random.Random(seed)
    triples = all_triples()
    order = {e.heading: i for i, e in enumerate(entries)}
    owner = {t: e.heading for e in entries[1 if TEXTS[kind]["intro"] else 0:]
             for t in e.triples}
    for _ in range(count):
        items = rng.sample(triples, rng.randint(1, 40))
        expected = sorted({owner[t] for t in items}, key=order.get)
        if TEXTS[kind]["intro"]:
            expected.insert(0, UNIVERSAL_HEADING)
        got = select_entries(lines, items)
        if got != expected:
            fail("%s: программа показала бы для %d транзитов %d статей "
                 "вместо %d" % (name, len(items), len(got), len(expected)))


def sample_text(kind, entries, size, seed):
    """The bodies of about `size` entries, picked by random triples as a
    chart would, with the introduction on top where the file has one."""
    rng = random.Random(seed)
    start = 1 if TEXTS[kind]["intro"] else 0
    by_triple = {t: e for e in entries[start:] for t in e.triples}
    chosen = []
    while len(chosen) < size:
        e = by_triple[rng.choice(all_triples())]
        if e not in chosen:
            chosen.append(e)
    chosen = entries[:start] + chosen
    return "\n".join("\n".join(wrap(e.body)) + "\n" for e in chosen)


def write_library(kind, out_dir, cli):
    name = FILE_NAMES[kind]
    path = out_dir / name
    entries = build_entries(kind)
    lines = plain_lines(entries)
    check_plain(lines, name)
    data = library_cipher.encipher_lines(lines, TRANSIT_KEY, cli, str(path))
    check_enciphered(data, lines, name)
    out_dir.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    back = library_cipher.decipher_bytes(path.read_bytes(), TRANSIT_KEY, cli,
                                         str(path))
    if back != lines:
        fail("%s: расшифрованный файл не совпадает с задуманным текстом"
             % name)
    triples = check_file(kind, entries, back)
    check_charts(kind, entries, back)
    return path, entries, back, triples


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(DEFAULT_DIR), metavar="DIR",
                    help="папка, куда писать tranzit.txt и tranzmed.txt "
                         "(по умолчанию data/Dann/Tranzit)")
    ap.add_argument("--show", type=int, default=0, metavar="N",
                    help="показать N расшифрованных статей из каждого файла")
    ap.add_argument("--sample", metavar="PREFIX",
                    help="записать в PREFIX-classic.txt и PREFIX-medical.txt "
                         "(UTF-8) тексты статей, выбранных как для карты")
    ap.add_argument("--sample-size", type=int, default=30, metavar="N",
                    help="сколько статей в выборке (по умолчанию 30)")
    ap.add_argument("--seed", type=int, default=1,
                    help="зерно случайной выборки (по умолчанию 1)")
    library_cipher.add_cli_option(ap)
    args = ap.parse_args()
    out_dir = Path(args.out)
    started = time.monotonic()

    written = []
    try:
        cli = library_cipher.find_cli(args.cli)
        for kind in KINDS:
            written.append((kind,) + write_library(kind, out_dir, cli))
    except (CheckError, library_cipher.CipherToolError) as e:
        print("ОШИБКА: %s" % e, file=sys.stderr)
        return 1

    for kind, path, entries, back, triples in written:
        print("%s: %d статей, %d строк, %d байт; проверено %d сочетаний "
              "ключей" % (path, len(entries), len(back), path.stat().st_size,
                          triples))
    print("время: %.1f с" % (time.monotonic() - started))
    for kind, path, entries, back, triples in written:
        if args.show:
            parsed = parse_entries(back)
            for j in range(args.show):
                heading, body = parsed[(2 * j + 1) * len(parsed)
                                       // (2 * args.show)]
                print()
                print(heading)
                print("\n".join(body))
        if args.sample:
            target = Path("%s-%s.txt" % (args.sample, kind))
            target.write_text(sample_text(kind, entries, args.sample_size,
                                          args.seed), encoding="utf-8")
            print("выборка из %d статей: %s" % (args.sample_size, target))
    print("Проверка пройдена.")
    return 0


# ===========================================================================
# The texts.
# ===========================================================================

# The opening names both points and the aspect; the reader does not see the
# heading. {a_*} is an adjective for the kind of aspect in the case the
# frame needs, {A_nom} capitalised.
OPENINGS = {
    "conj": [
        "{Tr} проходит через {n_acc}.",
        "{Tr} соединяется с {n_ins}.",
        "{Tr} встаёт на {n_acc}.",
        "Транзит {p_gen} по {n_dat} — это соединение, самый прямой из "
        "аспектов.",
        "По {n_dat} идёт {tr_nom}.",
        "{Tr} касается {n_gen} соединением.",
        "Над {n_ins} стоит {tr_nom}.",
        "{Tr} оказывается в одном градусе с {n_ins}.",
        "Сейчас {tr_nom} совпадает по долготе с {n_ins}.",
        "{Tr} накрывает {n_acc} соединением.",
    ],
    "soft": [
        "{Tr} образует {a_acc} аспект к {n_dat} — секстиль или трин.",
        "{Tr} смотрит на {n_acc} секстилем или трином.",
        "Между {tr_ins} и {n_ins} складывается {a_nom} аспект.",
        "{A_nom} аспект {tr_gen} к {n_dat} делает это время легче "
        "обычного.",
        "{Tr} поддерживает {n_acc} секстилем или трином.",
        "{Tr} встаёт к {n_dat} в {a_acc} аспект.",
        "Секстиль или трин {tr_gen} к {n_dat} открывает благоприятное "
        "окно.",
        "{Tr} и {n_nom} оказываются в {a_prep} аспекте.",
        "Сейчас {tr_nom} связан{e} с {n_ins} {a_ins} аспектом.",
        "Угол между {tr_ins} и {n_ins} благоприятен: это секстиль или трин.",
    ],
    "tense": [
        "{Tr} образует {a_acc} аспект к {n_dat} — квадрат или оппозицию.",
        "{Tr} встречает {n_acc} квадратом или оппозицией.",
        "Между {tr_ins} и {n_ins} возникает напряжение: квадрат или "
        "оппозиция.",
        "{A_nom} аспект {tr_gen} к {n_dat} требует собранности.",
        "{Tr} давит на {n_acc} квадратом или оппозицией.",
        "{Tr} встаёт к {n_dat} в {a_acc} аспект.",
        "Квадрат или оппозиция {tr_gen} к {n_dat} задевает всё, что связано "
        "с этой точкой.",
        "{Tr} и {n_nom} оказываются в {a_prep} аспекте.",
        "Сейчас {tr_nom} стоит к {n_dat} под прямым углом или прямо "
        "напротив.",
        "Угол между {tr_ins} и {n_ins} неудобен: это квадрат или оппозиция.",
    ],
}


# ---------------------------------------------------------------------------
# The classic file.
# ---------------------------------------------------------------------------
# What a transiting body brings to the sphere of the natal point, for each
# kind of aspect: sentences that name the sphere through the t_* fields
# (t_loc "в любви ...", t_into "в любовь ...", t_with "с любовью ...",
# t_gen, t_acc, t_nom; T_* the same capitalised). A sphere is a list joined
# by "и", so it takes plural verbs.
CLASSIC_TRANSIT = [
    # Sun
    dict(conj=[
        "Солнце высвечивает {t_acc}: именно сюда сейчас уходят внимание, "
        "силы и желание проявить себя.",
        "{T_nom} выходят на первый план, и почти всё, что человек сейчас "
        "делает, так или иначе связано с ними.",
        "Свет падает прямо на {t_acc}, и здесь легче заявить о себе, "
        "получить признание и увидеть, куда двигаться дальше."],
     soft=[
        "{T_loc} прибавляется уверенности: дела идут ровно, а люди с "
        "положением охотно идут навстречу.",
        "Солнце согревает {t_acc}, и удаётся многое из того, что требует "
        "открытости и личной инициативы.",
        "Хорошее время, чтобы проявить себя {t_loc}: усилия замечают, а "
        "планы находят поддержку."],
     tense=[
        "{T_loc} задето самолюбие: хочется настоять на своём, а "
        "обстоятельства и люди упрямо не подчиняются.",
        "Солнце ставит {t_acc} под давление, и легко переоценить свои силы "
        "или поспорить с начальством.",
        "Желание утвердиться наталкивается на препятствия во всём, что "
        "связано {t_with}, и гордость сейчас плохой советчик."]),
    # Moon
    dict(conj=[
        "Луна ненадолго окрашивает {t_acc} чувствами: настроение "
        "становится главным мерилом, и мелочи трогают сильнее обычного.",
        "На {t_acc} человек смотрит сейчас сердцем; возможны откровенный "
        "разговор с близкими, хлопоты по дому или встреча с женщиной, "
        "которая много значит.",
        "Луна будит чувствительность {t_loc}: всё, что здесь происходит, "
        "волнует больше обычного и просит заботы."],
     soft=[
        "{T_loc} легко находится верный тон: интуиция подсказывает, а "
        "близкие откликаются на заботу.",
        "Луна смягчает {t_acc}, и эти часы благоприятны для домашних дел, "
        "примирений и доверительных разговоров.",
        "Настроение и обстоятельства совпадают, поэтому {t_acc} удаётся "
        "уладить мягко, почти без слов."],
     tense=[
        "{T_loc} поднимается волна чувств: обида, тревога или каприз "
        "мешают смотреть на вещи спокойно.",
        "Луна раскачивает {t_acc}: реакции острее обычного, и случайное "
        "слово способно испортить настроение на весь день.",
        "Покой нарушают хлопоты, связанные {t_with}, и хочется то "
        "спрятаться, то выплеснуть раздражение."]),
    # Mercury
    dict(conj=[
        "Меркурий приносит {t_into} новости, звонки и разговоры, и голова "
        "занята тем, что касается {t_gen}.",
        "Ум работает быстро, и {t_acc} хочется обсудить, записать, "
        "разложить по полочкам.",
        "Переговоры, письма и бумаги этих дней так или иначе касаются "
        "{t_gen}."],
     soft=[
        "{T_loc} помогают ясная голова и точные слова: нужные сведения "
        "приходят вовремя, и договориться несложно.",
        "Меркурий облегчает обмен мыслями, и {t_acc} удаётся обсудить "
        "спокойно и по существу.",
        "Удачно складываются поездки, учёба и переписка, особенно то, что "
        "связано {t_with}."],
     tense=[
        "{T_loc} возникают недоразумения: сказанное понимают не так, письма "
        "теряются, а решения принимаются второпях.",
        "Меркурий вносит суету и противоречивые сведения, и {t_acc} легко "
        "запутать лишними разговорами.",
        "Мысли скачут, пересуды кружат вокруг {t_gen}, и любую "
        "договорённость лучше уточнить дважды."]),
    # Venus
    dict(conj=[
        "Венера приносит {t_into} тепло и обаяние: хочется нравиться, "
        "радоваться и окружать себя красивыми вещами.",
        "{T_nom} окрашиваются симпатией; возможны приятная встреча, подарок "
        "или просто ощущение, что жизнь стала мягче.",
        "Венера смягчает {t_acc}, и на первый план выходят удовольствия, "
        "вкус и желание жить в ладу с людьми."],
     soft=[
        "{T_loc} всё идёт легко и приятно: люди приветливы, а симпатия "
        "помогает там, где не помогли бы доводы.",
        "Венера украшает {t_acc}; хорошее время для свиданий, покупок, "
        "праздников и примирений.",
        "Удача приходит через обаяние и доброе отношение, и особенно это "
        "касается {t_gen}."],
     tense=[
        "{T_loc} тянет к излишествам: лишние траты, чрезмерная уступчивость "
        "или ревность портят удовольствие.",
        "Венера ставит под вопрос {t_acc}: хочется тепла и внимания, а "
        "получается недовольство, каприз или мелкая обида.",
        "Жажда удовольствий мешает трезво смотреть на всё, что связано "
        "{t_with}, и легко потратить деньги или чувства на то, что того не "
        "стоит."]),
    # Mars
    dict(conj=[
        "Марс вносит {t_into} напор и горячность: хочется действовать "
        "сразу, решительно и по-своему.",
        "{T_nom} получают заряд энергии; это время смелых шагов, но и "
        "повышенной конфликтности.",
        "Марс разогревает {t_acc}, и всё, что давно откладывалось, теперь "
        "требует немедленного решения."],
     soft=[
        "{T_loc} энергия идёт на пользу: силы есть, решимость тоже, и "
        "задуманное удаётся довести до дела.",
        "Марс подталкивает {t_acc} вперёд, и смелый шаг сейчас скорее "
        "выручит, чем навредит.",
        "Удачное время для активных дел, спорта и соревнования, особенно в "
        "том, что связано {t_with}."],
     tense=[
        "{T_loc} вспыхивают споры и нетерпение: легко сорваться, поспешить "
        "или ввязаться в ненужную борьбу.",
        "Марс давит на {t_acc}, и раздражение может вылиться в ссору, спешку "
        "или неосторожность.",
        "Желание действовать опережает здравый смысл, и то, что касается "
        "{t_gen}, рискует пострадать от резких решений."]),
    # Jupiter
    dict(conj=[
        "Юпитер расширяет {t_acc}: появляются новые возможности, покровители "
        "и уверенность, что всё получится.",
        "{T_nom} переживают время роста; это один из самых удачных "
        "транзитов для начинаний, если не терять чувства меры.",
        "Юпитер приносит {t_into} щедрость и размах, и то, что казалось "
        "тесным, вдруг получает простор."],
     soft=[
        "{T_loc} везёт: помощь приходит от влиятельных людей, а дела растут "
        "без лишних усилий.",
        "Юпитер поддерживает {t_acc}, и хорошо браться за учёбу, поездки, "
        "юридические и денежные вопросы.",
        "Это время доверия и широких планов; то, что связано {t_with}, "
        "растёт и приносит плоды."],
     tense=[
        "{T_loc} легко хватить через край: обещаний больше, чем "
        "возможностей, а оптимизм обгоняет расчёт.",
        "Юпитер раздувает {t_acc}: велик соблазн взять на себя лишнее, "
        "переплатить или переоценить свои шансы.",
        "Удача не отворачивается, но требует меры, и всё, что касается "
        "{t_gen}, лучше проверить трезвым взглядом."]),
    # Saturn
    dict(conj=[
        "Сатурн проверяет на прочность {t_acc}: то, что держалось на "
        "честном слове, требует перестройки, а выстроенное всерьёз "
        "закрепляется.",
        "{T_nom} оказываются под грузом ответственности; это время трудов, "
        "ограничений и взросления.",
        "Сатурн замедляет {t_acc}, и действовать приходится терпеливо, шаг "
        "за шагом, без надежды на лёгкую удачу."],
     soft=[
        "{T_loc} приходит устойчивость: усилия дают твёрдый результат, а "
        "опытные люди готовы помочь.",
        "Сатурн упорядочивает {t_acc}, и удачно идут долгие дела, "
        "планирование и всё, что требует выдержки.",
        "Это время спокойного труда, и то, что связано {t_with}, "
        "укрепляется надолго."],
     tense=[
        "{T_loc} ощущаются преграды: дела тормозятся, от человека требуют "
        "больше, чем он готов дать, и накатывает усталость.",
        "Сатурн сжимает {t_acc}, и приходится отвечать за прежние решения, "
        "соглашаться на ограничения и терпеть.",
        "Холодок одиночества и чувство долга окрашивают всё, что касается "
        "{t_gen}; это урок зрелости, а не наказание."]),
    # Uranus
    dict(conj=[
        "Уран вносит {t_into} неожиданность: привычный порядок нарушается, "
        "и открываются пути, о которых никто не думал.",
        "{T_nom} переживают время перемен и освобождения; то, что сковывало, "
        "может оборваться внезапно.",
        "Уран будоражит {t_acc}, и хочется всё переделать по-своему, не "
        "считаясь с правилами."],
     soft=[
        "{T_loc} открываются свежие возможности: новые знакомства, идеи и "
        "смелые решения оказываются удачными.",
        "Уран обновляет {t_acc} легко, почти играючи, и приносит приятные "
        "сюрпризы.",
        "Хорошее время для экспериментов, техники и дружеских затей; всё, "
        "что связано {t_with}, выигрывает от свежего взгляда."],
     tense=[
        "{T_loc} случаются резкие повороты: разрывы, отмены планов и "
        "внезапные перемены требуют гибкости.",
        "Уран раскачивает {t_acc}, и тяга к свободе может обернуться "
        "необдуманными поступками.",
        "Нервное напряжение и непредсказуемость затрагивают всё, что касается "
        "{t_gen}, и спокойствие приходится искать в себе, а не в "
        "обстоятельствах."]),
    # Neptune
    dict(conj=[
        "Нептун окутывает {t_acc} туманом: обостряются чувствительность и "
        "вдохновение, но размываются границы и ясность.",
        "{T_nom} приобретают оттенок мечты; здесь рождаются прекрасные "
        "замыслы и столь же прекрасные иллюзии.",
        "Нептун растворяет привычные очертания {t_gen}, и многое видится "
        "сквозь дымку надежд и предчувствий."],
     soft=[
        "{T_loc} помогают интуиция и воображение: вдохновение приходит "
        "само, а сострадание сближает с людьми.",
        "Нептун утончает {t_acc}, и хорошо заниматься творчеством, музыкой, "
        "духовной практикой или помощью другим.",
        "Тонкое чутьё подсказывает верный путь во всём, что связано "
        "{t_with}."],
     tense=[
        "{T_loc} легко обмануться: сведения неполны, обещания расплывчаты, "
        "а желаемое принимается за действительное.",
        "Нептун подтачивает {t_acc}, и появляются сомнения, рассеянность "
        "или соблазн уйти от трудностей в мечты.",
        "Разочарование и путаница касаются {t_gen}, поэтому подписывать и "
        "решать лучше при полной ясности."]),
    # Pluto
    dict(conj=[
        "Плутон начинает глубокую перестройку {t_gen}: отжившее уходит, "
        "часто через кризис, и освобождает место новому.",
        "{T_nom} оказываются в центре сильных событий — борьбы за влияние, "
        "больших перемен или встреч, которые меняют судьбу.",
        "Плутон пробуждает {t_loc} скрытые силы, и человек способен "
        "изменить то, что годами казалось незыблемым."],
     soft=[
        "{T_loc} появляется воля к глубоким переменам и умение влиять на "
        "обстоятельства без лишнего шума.",
        "Плутон даёт силы обновить {t_acc} основательно и надолго.",
        "Хорошее время для серьёзных решений, крупных дел и исследований; "
        "всё, что связано {t_with}, получает второе дыхание."],
     tense=[
        "{T_loc} разгорается борьба за контроль: чужое давление, ревность "
        "или собственное упрямство доводят дело до кризиса.",
        "Плутон вытаскивает на свет спрятанное, и {t_acc} приходится "
        "пересматривать без полумер.",
        "После переломов этого времени {t_nom} уже не будут прежними; это "
        "болезненно, но расчищает дорогу."]),
    # Chiron
    dict(conj=[
        "Хирон касается {t_gen}, и старая рана напоминает о себе, чтобы "
        "наконец быть понятой и залеченной.",
        "{T_loc} всплывает давняя уязвимость, а вместе с ней приходит "
        "знание, как помочь себе и другим.",
        "Это время встреч с наставником, врачом или учителем, и связаны они "
        "прежде всего {t_with}."],
     soft=[
        "{T_loc} приходит исцеление: то, что болело, превращается в опыт и "
        "умение поддержать других.",
        "Хирон помогает принять собственное несовершенство, и {t_acc} "
        "удаётся выстроить бережнее.",
        "Удачное время для лечения, обучения и наставничества во всём, что "
        "связано {t_with}."],
     tense=[
        "{T_loc} задета чувствительная струна: критика, несправедливость "
        "или недомогание напоминают о старой боли.",
        "Хирон обнажает слабые места, и {t_acc} человек переживает острее, "
        "чем видно со стороны.",
        "Приходится признать свою уязвимость и попросить помощи, и через "
        "это лежит путь к исцелению всего, что связано {t_with}."]),
    # Proserpina
    dict(conj=[
        "Прозерпина запускает тихое обновление {t_gen}: ненужное отмирает, "
        "а на его месте прорастает то, что зрело незаметно.",
        "{T_nom} проходят через очищение; один этап медленно завершается, и "
        "так же медленно рождается другой.",
        "Прозерпина зовёт к служению и переменам изнутри, и {t_acc} человек "
        "начинает воспринимать как поле собственного роста."],
     soft=[
        "{T_loc} перемены идут естественно, как смена времён года: старое "
        "отпускается легко, а новое приходит вовремя.",
        "Прозерпина помогает преобразить {t_acc} кропотливой работой и "
        "вниманием к мелочам.",
        "Это время избавиться от лишнего — вещей, привычек, обязательств — "
        "и освободить силы для того, что связано {t_with}."],
     tense=[
        "{T_loc} начинается трудное очищение, и расставаться приходится с "
        "тем, что казалось неотъемлемой частью жизни.",
        "Прозерпина перестраивает {t_acc} через усталость, сопротивление и "
        "вынужденные решения.",
        "Кризисы этого времени касаются {t_gen} и оставляют пустоту, которую "
        "уже нельзя заполнить старым."]),
    # Rahu
    dict(conj=[
        "Раху связывает {t_acc} с зовом судьбы: появляются шансы и "
        "знакомства, которые ведут в непривычную сторону.",
        "{T_nom} становятся полем нового опыта, и события этих недель "
        "ощущаются как неслучайные.",
        "Раху разжигает аппетит к новому {t_loc}, и хочется осваивать то, "
        "чего раньше избегал."],
     soft=[
        "{T_loc} открываются двери для роста: новые люди и обстоятельства "
        "ведут туда, куда давно стоило идти.",
        "Раху помогает сделать шаг вперёд, и {t_acc} удаётся развивать "
        "смелее обычного.",
        "Удачное время для новых навыков и непривычных ролей, и шансы, "
        "связанные {t_with}, лучше не упускать."],
     tense=[
        "{T_loc} жажда нового перерастает в нетерпение, и легко погнаться "
        "за чужими целями.",
        "Раху раздувает амбиции, и {t_acc} легко подчинить честолюбию, "
        "забыв о собственных границах.",
        "Рост требует выйти из привычной колеи, и всё, что связано "
        "{t_with}, даётся через беспокойство."]),
    # Ketu
    dict(conj=[
        "Кету возвращает прошлое: {t_loc} всплывают старые знакомые, "
        "незаконченные дела и опыт, который просит осмысления.",
        "{T_nom} подходят к завершению какой-то главы; что-то уходит само, "
        "и удерживать его нет смысла.",
        "Кету учит отпускать, и на {t_acc} человек начинает смотреть "
        "спокойнее, без прежней жадности и страха."],
     soft=[
        "{T_loc} выручает прошлый опыт: то, что когда-то давалось трудно, "
        "теперь получается само.",
        "Кету помогает отпустить лишнее, и {t_acc} удаётся освободить от "
        "старых долгов и привязанностей.",
        "Хорошее время завершить начатое, вернуться к забытому умению или "
        "восстановить старые связи, важные для {t_gen}."],
     tense=[
        "{T_loc} тянет назад: старые привычки и прежние связи мешают "
        "двигаться дальше.",
        "Кету отнимает то, за что человек держался по инерции, и {t_acc} "
        "приходится пересматривать через разочарование.",
        "Ощущение застоя, отстранённость и желание уйти в себя сильнее "
        "всего задевают {t_acc}."]),
    # Selena
    dict(conj=[
        "Селена берёт под защиту {t_acc}: даже непростые обстоятельства "
        "поворачиваются к лучшему, если поступать честно.",
        "{T_nom} оказываются под светлым покровительством, и помощь "
        "приходит вовремя, нередко от неожиданных людей.",
        "Белая Луна пробуждает лучшие стороны натуры, и {t_acc} удаётся "
        "наполнить добротой и смыслом."],
     soft=[
        "{T_loc} чувствуется добрая полоса: случай помогает, а бескорыстные "
        "поступки возвращаются поддержкой.",
        "Селена сглаживает острые углы, и {t_acc} удаётся устроить светло и "
        "без хитрости.",
        "Хорошее время для добрых дел и искренних решений, и всё, что "
        "связано {t_with}, находится под защитой."],
     tense=[
        "{T_loc} защита работает лишь тогда, когда человек верен себе, а "
        "лукавство сейчас обходится дорого.",
        "Селена проверяет чистоту намерений, и {t_acc} приходится "
        "выстраивать честно, иначе поддержка слабеет.",
        "Хочется положиться на удачу, но везёт только тем, кто не хитрит, и "
        "прежде всего это касается {t_gen}."]),
    # Lilith
    dict(conj=[
        "Лилит вносит {t_into} искушение: манит запретное, обостряются "
        "тайные желания, и граница дозволенного становится зыбкой.",
        "{T_nom} оказываются во власти теневых сторон натуры — зависти, "
        "ревности или жажды обладать; их важно увидеть, а не прятать.",
        "Чёрная Луна проверяет на стойкость, и соблазны, связанные "
        "{t_with}, обещают многое, но могут дорого обойтись."],
     soft=[
        "{T_loc} тень становится союзником: человек честнее смотрит на свои "
        "желания и не поддаётся чужим манипуляциям.",
        "Лилит даёт чутьё на подвох, и {t_acc} удаётся уберечь от "
        "сомнительных людей и пустых обещаний.",
        "Прежние соблазны, связанные {t_with}, теряют власть, и то, что "
        "пугало, можно спокойно осознать."],
     tense=[
        "{T_loc} искушение особенно сильно: азарт, тайная связь или "
        "сомнительная выгода могут увлечь дальше, чем хотелось бы.",
        "Лилит будит тёмные стороны характера, и {t_acc} легко разрушить "
        "упрямством, ревностью или желанием взять своё любой ценой.",
        "Рядом могут оказаться интриганы и недобрые люди, и больше всего от "
        "них страдают {t_nom}."]),
]

# What the natal point stands for and what happens in its sphere.
CLASSIC_NATAL = [
    # Sun
    dict(conj=[
        "Солнце рождения — ядро личности, поэтому такие дни ощущаются очень "
        "лично: затронуты самооценка, здоровье и отношения с отцом, мужем "
        "или руководством.",
        "Речь идёт о воле и жизненных целях, и события этого транзита "
        "напоминают, ради чего человек живёт и чего хочет добиться."],
     soft=[
        "Самооценка крепнет, и окружающие охотнее признают авторитет "
        "человека.",
        "Отношения с отцом, начальством и влиятельными людьми складываются "
        "удачно, а бодрости хватает на многое."],
     tense=[
        "Возможны столкновения с начальством, отцом или мужем и усталость "
        "от того, что приходится всё время доказывать своё.",
        "Самолюбие уязвимо, и важно не путать достоинство с гордыней."]),
    # Moon
    dict(conj=[
        "Луна рождения отвечает за душевное равновесие, дом и отношения с "
        "матерью, поэтому всё происходящее переживается близко к сердцу.",
        "Затронуты быт, семья и самочувствие: возможны домашние хлопоты, "
        "забота о близких или важный разговор с матерью или женой."],
     soft=[
        "Дома спокойно, отношения с близкими женщинами теплеют, а настроение "
        "держится ровным.",
        "Легко заботиться о себе и о других, и домашние дела приносят "
        "радость."],
     tense=[
        "Возможны семейные размолвки, перепады настроения и хлопоты с "
        "жильём.",
        "Чувства ранимы, и любая неосторожность близких задевает сильнее "
        "обычного."]),
    # Mercury
    dict(conj=[
        "Меркурий рождения ведает умом, речью и связями, поэтому на первый "
        "план выходят разговоры, документы, поездки и учёба.",
        "Затронуты отношения с братьями, сёстрами, соседями и коллегами, а "
        "также всё, что требует ясной головы."],
     soft=[
        "Мысли ясные, договориться легко, и удачно проходят экзамены, "
        "собеседования и деловые встречи.",
        "Хорошо идут переписка, торговля и короткие поездки."],
     tense=[
        "Возможны споры, ошибки в бумагах, задержки в пути и нервная суета.",
        "Голова перегружена, и важно не говорить лишнего и не принимать "
        "поспешных решений."]),
    # Venus
    dict(conj=[
        "Венера рождения говорит о любви, вкусе и умении радоваться, поэтому "
        "затронуты чувства, дружба, красота и деньги на удовольствия.",
        "Это тема отношений и собственной привлекательности: многое "
        "зависит от того, как человек умеет принимать и дарить тепло."],
     soft=[
        "Отношения теплеют, возможны приятные знакомства, подарки и удачные "
        "покупки.",
        "Растёт привлекательность, а творчество, искусство и праздники "
        "приносят настоящую радость."],
     tense=[
        "Возможны размолвки с любимыми, ревность, лишние траты или "
        "разочарование в ком-то, кто нравился.",
        "Чувства требуют внимания, и легко обидеться там, где никто не "
        "хотел обидеть."]),
    # Mars
    dict(conj=[
        "Марс рождения — это энергия, решимость и способ добиваться своего, "
        "поэтому затронуты работа, спорт, соперничество и отношения с "
        "мужчинами.",
        "Речь о том, как человек действует и защищает себя; сил много, и "
        "важно направить их в дело."],
     soft=[
        "Сил прибавляется, дела спорятся, и удаётся победить в споре или "
        "состязании.",
        "Хорошо идут физическая работа, ремонт, спорт и любые дела, где "
        "нужна смелость."],
     tense=[
        "Возможны конфликты, спешка, мелкие травмы и ссоры с мужчинами из "
        "окружения.",
        "Раздражение копится быстро, и важно не срывать его на близких и не "
        "рисковать понапрасну."]),
    # Jupiter
    dict(conj=[
        "Юпитер рождения связан с ростом, верой в лучшее и покровителями, "
        "поэтому затронуты учёба, дальние поездки, закон и планы на "
        "будущее.",
        "Это тема удачи и широких горизонтов: многое зависит от того, во "
        "что человек верит и кто его поддерживает."],
     soft=[
        "Благоприятны учёба, путешествия, судебные и денежные дела, а "
        "поддержка наставников особенно ценна.",
        "Появляется ощущение, что жизнь щедра, и оно само притягивает новые "
        "возможности."],
     tense=[
        "Возможны переоценка сил, лишние траты, споры с наставниками или "
        "тяжбы.",
        "Оптимизм может обернуться беспечностью, а щедрость — "
        "расточительностью."]),
    # Saturn
    dict(conj=[
        "Сатурн рождения отвечает за долг, порядок и жизненные уроки, "
        "поэтому затронуты карьерные обязательства, отношения со старшими и "
        "всё долгосрочное.",
        "Речь о прочности того, что выстроено: дисциплина, терпение и "
        "умение держать слово проходят проверку."],
     soft=[
        "Дела, требующие выдержки, идут успешно, а старшие и начальство "
        "относятся с уважением.",
        "Хорошо закреплять достигнутое: договоры, планы и обязательства "
        "оказываются надёжными."],
     tense=[
        "Возможны задержки, холодность со стороны старших и ощущение, что "
        "всё приходится тянуть на себе.",
        "Старые страхи и неуверенность обостряются, но за трудом придёт "
        "устойчивость."]),
    # Uranus
    dict(conj=[
        "Уран рождения говорит о свободе и непохожести на других, поэтому "
        "затронуты дружба, независимость и всё новое.",
        "Это тема перемен и оригинальности: то, что в человеке было "
        "непривычным, просит выхода."],
     soft=[
        "Возможны интересные знакомства, удачные изобретения и приятные "
        "неожиданности.",
        "Друзья и единомышленники поддерживают, а новые идеи воплощаются "
        "легко."],
     tense=[
        "Возможны внезапные перемены планов, разрывы и нервное напряжение.",
        "Тяга к независимости усиливается, и терпеть ограничения становится "
        "трудно."]),
    # Neptune
    dict(conj=[
        "Нептун рождения связан с мечтами, интуицией и тонким восприятием, "
        "поэтому затронуты вдохновение, вера и способность сочувствовать.",
        "Это тема тонкого мира: сны, предчувствия и творчество говорят "
        "громче обычного."],
     soft=[
        "Интуиция точна, творчество вдохновенно, а помощь другим приносит "
        "радость.",
        "Хорошо для искусства, музыки, отдыха у воды и духовных занятий."],
     tense=[
        "Возможны разочарования, обман или самообман, рассеянность и упадок "
        "сил.",
        "Границы размыты, и важно не доверять тем, кто обещает слишком "
        "многое."]),
    # Pluto
    dict(conj=[
        "Плутон рождения говорит о глубинной силе и способности к "
        "перерождению, поэтому затронуты власть, влияние, общие деньги и "
        "самые сильные переживания.",
        "Это тема кризисов и обновления: то, что человек прятал даже от "
        "себя, выходит на поверхность."],
     soft=[
        "Появляются силы для глубоких перемен и влияние на людей и "
        "обстоятельства.",
        "Удачно идут серьёзные дела, исследования и работа с большими "
        "деньгами."],
     tense=[
        "Возможны конфликты из-за власти, давление со стороны и кризисы, "
        "после которых многое меняется.",
        "Страсти обостряются, и важно не поддаваться желанию всё "
        "контролировать."]),
    # Chiron
    dict(conj=[
        "Хирон рождения — место старой раны и дара исцелять, поэтому "
        "затронуты уязвимость, здоровье, учёба и наставничество.",
        "Речь о том, где человек раним и где он может помочь другим, пройдя "
        "через собственную боль."],
     soft=[
        "Хорошо лечиться, учиться и учить: опыт превращается в мудрость.",
        "Встречи с врачами, наставниками и целителями оказываются "
        "полезными."],
     tense=[
        "Возможны обиды, задетая гордость и обострение старых болячек.",
        "Критика ранит сильнее обычного, и важно не закрываться от "
        "помощи."]),
    # Proserpina
    dict(conj=[
        "Прозерпина рождения связана с глубинным преображением и служением, "
        "поэтому затронуты работа, порядок в мелочах и готовность меняться "
        "изнутри.",
        "Речь о переменах, которые идут медленно, но необратимо, и о деле, "
        "в котором человек приносит пользу."],
     soft=[
        "Перемены идут естественно, работа спорится, а мелочи складываются "
        "в большое.",
        "Удачно очищать жизнь от лишнего и искать своё дело."],
     tense=[
        "Возможны вынужденные перемены, усталость от рутины и сопротивление "
        "неизбежному.",
        "Старое уходит с трудом, и важно беречь силы в переходный "
        "период."]),
    # Rahu
    dict(conj=[
        "Раху рождения указывает путь развития, поэтому затронуты задачи "
        "роста и всё новое, к чему человека тянет и чего он побаивается.",
        "Это тема судьбы и движения вперёд: события подталкивают к опыту, "
        "которого раньше не было."],
     soft=[
        "Новый опыт даётся легко, а встречи помогают продвинуться к своим "
        "целям.",
        "Появляются шансы, которые ведут в верном направлении."],
     tense=[
        "Возможны метания, нетерпение и желание всего и сразу.",
        "Легко спутать свой путь с чужими ожиданиями."]),
    # Ketu
    dict(conj=[
        "Кету рождения говорит о прошлом опыте и умении отпускать, поэтому "
        "затронуты старые привычки, давние связи и незавершённые дела.",
        "Это тема завершений: что-то подходит к концу и освобождает место "
        "для нового."],
     soft=[
        "Прежние умения выручают, а старые знакомые помогают.",
        "Хорошо закрывать долги и доводить до конца давние дела."],
     tense=[
        "Возможны потери, застой и тоска по прошлому.",
        "Старые привычки тянут назад, и важно в них не застревать."]),
    # Selena
    dict(conj=[
        "Селена рождения — светлая сторона судьбы, поэтому затронуты защита, "
        "помощь свыше и чистота намерений.",
        "Это тема света и доброты, и честные поступки сейчас особенно "
        "весомы."],
     soft=[
        "Помощь приходит вовремя, и добрые дела возвращаются.",
        "Это светлая полоса, в которой легко поступать правильно."],
     tense=[
        "Защита слабеет, если поступать против совести.",
        "Возможны искушения сойти со светлого пути ради выгоды."]),
    # Lilith
    dict(conj=[
        "Лилит рождения указывает на искушения и теневые стороны характера, "
        "поэтому затронуты тайные желания, страсти и отношение к "
        "запретному.",
        "Это тема тени: то, что человек в себе не любит, сейчас трудно не "
        "заметить."],
     soft=[
        "Тень под контролем, и соблазны распознаются вовремя.",
        "Можно спокойно разобраться в своих тайных желаниях и страхах."],
     tense=[
        "Возможны интриги, ревность, зависть и соблазны, за которые придётся "
        "платить.",
        "Теневые желания рвутся наружу, и важно сохранять ясность."]),
    # Ascendant
    dict(conj=[
        "Асцендент рождения — это тело, внешность и личная инициатива, "
        "поэтому транзит ощущается напрямую: в самочувствии, в манере "
        "держаться и в том, как человек начинает новое.",
        "Всё происходящее касается лично человека: его облика, здоровья и "
        "умения заявить о себе."],
     soft=[
        "Человек хорошо выглядит и чувствует себя бодро, а личные "
        "начинания находят поддержку.",
        "Легко произвести хорошее впечатление и проявить инициативу."],
     tense=[
        "Возможны усталость, недовольство собой и столкновения с теми, кто "
        "мешает действовать по-своему.",
        "Самочувствие и настроение зависят от нагрузки, и важно не "
        "распыляться."]),
    # MC
    dict(conj=[
        "Середина Неба рождения — это карьера, положение и главные цели, "
        "поэтому транзит заметен в работе, в отношениях с начальством и в "
        "репутации.",
        "Речь о призвании и общественной роли: события этого времени "
        "влияют на то, как человека видят в профессии."],
     soft=[
        "Карьерные дела идут удачно, начальство благосклонно, и цели "
        "становятся ближе.",
        "Хорошо заявлять о своих достижениях и договариваться о "
        "повышении."],
     tense=[
        "Возможны трения с руководством, перегрузка на работе и сомнения в "
        "выбранном пути.",
        "Репутация требует бережного отношения, а цели — пересмотра."]),
]
assert len(CLASSIC_TRANSIT) == 16 and len(CLASSIC_NATAL) == 18

# How long the transit lasts and how it is felt: the fast bodies for hours
# or days, the slow ones for weeks, months and years.
CLASSIC_TIME = [
    # Sun
    ["Солнце проходит градус в день, поэтому транзит занимает два-три дня "
     "и звучит ярко, но недолго.",
     "Солнечные транзиты быстрые: их хватает на пару дней, зато они точно "
     "показывают, куда сейчас идёт энергия.",
     "Через два-три дня Солнце уйдёт дальше, так что это скорее акцент "
     "недели, чем поворот судьбы.",
     "Это короткий, на несколько дней, но заметный импульс, и каждый год он "
     "повторяется примерно в одни и те же числа.",
     "Солнце задерживается у этой точки всего пару дней, поэтому важно не "
     "упустить момент.",
     "Такой солнечный аспект — яркая вспышка на два-три дня, которая "
     "показывает, где сейчас главное."],
    # Moon
    ["Луна движется быстро, и её влияние длится считаные часы, от силы "
     "сутки: это настроение дня, а не событие жизни.",
     "Лунный транзит мимолётен, он окрашивает несколько часов и "
     "повторяется каждый месяц.",
     "Такие часы проходят быстро, но хорошо показывают, на что сейчас "
     "откликается душа.",
     "Влияние Луны уйдёт к следующему дню, поэтому не стоит принимать его "
     "слишком всерьёз.",
     "Через несколько часов Луна перейдёт к другим точкам, и настроение "
     "сменится вместе с ней.",
     "Лунные часы хороши для мелких дел и наблюдения за собой, а не для "
     "судьбоносных решений."],
    # Mercury
    ["Меркурий проходит этот градус за день-два, а если он замедляется "
     "перед попятным движением, транзит растягивается на недели.",
     "Это быстрый транзит, на один-два дня, и он скорее приносит новости и "
     "разговоры, чем перемены.",
     "Обычно влияние Меркурия держится пару дней, а при его попятном "
     "движении тема возвращается ещё раз.",
     "Короткое время этого транзита хорошо использовать для дел, которые "
     "требуют слов и бумаг.",
     "Меркурий быстро уходит дальше, и уже через пару дней тема сменится "
     "другой.",
     "Пока Меркурий держит этот аспект, день или два, стоит внимательнее "
     "слушать и читать."],
    # Venus
    ["Венера задерживается на этом месте на два-три дня, а в годы её "
     "попятного движения — на несколько недель.",
     "Транзит Венеры недолог, и его возможности лучше не откладывать.",
     "Это влияние нескольких дней, похожее на перемену погоды в "
     "отношениях.",
     "Через пару дней Венера уйдёт, но память о сказанном и подаренном "
     "останется дольше.",
     "Венера движется быстро, так что у этого транзита всего несколько дней.",
     "Два-три дня — столько длится влияние Венеры, если она не замедляется "
     "перед попятным ходом."],
    # Mars
    ["Марс держит этот аспект около недели, а если он в это время "
     "разворачивается попятно, напряжение растягивается на месяц-два.",
     "Транзит Марса длится несколько дней и ощущается физически — как "
     "прилив сил или как раздражение.",
     "Около недели Марс будет подогревать эту тему, а потом накал спадёт.",
     "Марс возвращается к таким аспектам примерно раз в два года, и каждый "
     "раз это короткая, но горячая неделя.",
     "Влияние Марса короткое, но острое, и самое горячее время — дни точного "
     "аспекта.",
     "Марс проходит эту точку за несколько дней, и энергия этих дней быстро "
     "ищет выхода."],
    # Jupiter
    ["Юпитер идёт медленно, и его транзит занимает около месяца, а при "
     "попятном движении он проходит точку дважды или трижды за год.",
     "Это влияние нескольких недель, которое нарастает постепенно и хорошо "
     "ощущается в делах.",
     "Юпитер возвращается к тем же аспектам примерно раз в двенадцать лет, "
     "поэтому такие недели стоит ценить.",
     "Сильнее всего транзит звучит в дни точного аспекта, но его фон "
     "чувствуется весь месяц вокруг них.",
     "Юпитер задерживается здесь на недели, и его влияние успевает проявиться "
     "в конкретных делах.",
     "Месяц под Юпитером пролетает быстро, и лучше заранее решить, на что "
     "направить его силу."],
    # Saturn
    ["Сатурн проходит эту точку медленно, месяц-два, а с попятными петлями "
     "— до трёх раз за год.",
     "Это долгий транзит, и его тема будет звучать не одну неделю, поэтому "
     "важно не торопить события.",
     "Сатурн возвращается к таким аспектам примерно раз в семь лет, и "
     "каждый такой период подводит итог прошедшему.",
     "Действие этого транзита растянуто на месяцы, и самыми ощутимыми "
     "бывают недели, когда Сатурн стоит почти неподвижно.",
     "Сатурн не торопится: его транзит растягивается на месяцы и раскрывается "
     "постепенно.",
     "Под Сатурном время течёт медленно, и итог этого периода виден лишь в "
     "конце."],
    # Uranus
    ["Уран движется очень медленно и держит этот аспект несколько месяцев, "
     "возвращаясь к нему за год до трёх раз.",
     "Это транзит на месяцы вперёд, и события под ним часто случаются "
     "внезапно, в дни точного аспекта.",
     "Такой аспект Урана бывает в жизни считаные разы, поэтому запоминается "
     "надолго.",
     "Влияние Урана тянется почти год, но приходит толчками: затишье "
     "сменяется встрясками.",
     "Уран держит эту точку долго, и перемены под ним созревают месяцами, а "
     "случаются в один день.",
     "Это долгий транзит: Уран подходит к точке, отступает попятным ходом и "
     "возвращается снова."],
    # Neptune
    ["Нептун идёт так медленно, что этот аспект длится около года, а "
     "иногда и дольше.",
     "Это долгий, тихий транзит: его действие нарастает незаметно и так же "
     "незаметно уходит.",
     "За год-полтора Нептун несколько раз подходит к точному аспекту, и "
     "каждый заход приносит новые оттенки.",
     "Такой транзит бывает в жизни редко, и его уроки становятся понятны "
     "лишь спустя время.",
     "Нептун почти стоит на месте, и этот транзит становится фоном целого "
     "года.",
     "Действие Нептуна растянуто во времени, и понять его смысл удаётся не "
     "сразу."],
    # Pluto
    ["Плутон — самая медленная из планет, и его транзит растягивается на "
     "год и больше.",
     "Это не событие, а целая полоса жизни: перемены под Плутоном идут "
     "годами и необратимы.",
     "Плутон подходит к этой точке несколько раз, то прямым, то попятным "
     "ходом, и каждый раз перемены становятся глубже.",
     "Такой аспект Плутона случается в жизни считаные разы и отмечает "
     "важный рубеж.",
     "Плутон движется так медленно, что этот транзит становится эпохой, а не "
     "эпизодом.",
     "Перемены под Плутоном идут год за годом, и торопить их бесполезно."],
    # Chiron
    ["Хирон движется неравномерно, и его транзит длится от нескольких "
     "месяцев до года.",
     "Это долгий транзит, который разворачивается постепенно, через "
     "несколько заходов к точному аспекту.",
     "Тема Хирона звучит месяцами, то затихая, то обостряясь.",
     "Действие Хирона медленное, и исцеление под ним тоже не бывает "
     "быстрым.",
     "Хирон держит этот аспект долго, и есть время спокойно разобраться в "
     "происходящем.",
     "Месяцы под Хироном похожи на курс лечения: результат виден не сразу."],
    # Proserpina
    ["Прозерпина почти неподвижна и задерживается на этом месте на "
     "несколько лет.",
     "Это самый медленный из транзитов, и он описывает не дни, а целый "
     "этап жизни.",
     "Прозерпина смещается лишь на полградуса в год, поэтому её влияние — "
     "фон нескольких лет.",
     "Перемены под Прозерпиной копятся годами, и заметить их можно лишь "
     "оглянувшись назад.",
     "Прозерпина задерживается у этой точки на годы, и её действие почти "
     "незаметно изо дня в день.",
     "Этот транзит длится так долго, что воспринимается как фон, а не как "
     "событие."],
    # Rahu
    ["Лунные узлы идут попятно, около трёх градусов в месяц, и этот "
     "транзит длится недели три.",
     "Узловой транзит занимает несколько недель, и его события часто "
     "кажутся судьбоносными.",
     "Раху возвращается к тем же аспектам примерно раз в восемнадцать с "
     "половиной лет, в ритме узлового цикла.",
     "Около трёх недель Раху держит эту тему, а потом смещается к "
     "следующей точке.",
     "Узлы движутся неспешно, и этот транзит держится несколько недель.",
     "Недели под Раху хорошо использовать для шагов, которые давно "
     "откладывались."],
    # Ketu
    ["Кету движется вместе с Раху, попятно и неторопливо, и его влияние "
     "держится около трёх недель.",
     "Это несколько недель, когда прошлое стучится в дверь, а потом тема "
     "утихает.",
     "Транзит южного узла повторяется в ритме узлового цикла, примерно раз "
     "в восемнадцать с половиной лет.",
     "Действие Кету неяркое, но за несколько недель оно успевает многое "
     "расставить по местам.",
     "Южный узел задерживается у этой точки недели на три, а потом отходит "
     "дальше.",
     "Кету действует тихо, и несколько недель его транзита легко не "
     "заметить."],
    # Selena
    ["Селена проходит эту точку примерно за неделю, так что это короткий, "
     "но важный отрезок.",
     "Белая Луна возвращается к тем же аспектам в ритме своего семилетнего "
     "цикла.",
     "Это влияние около недели, мягкое и неброское, но ощутимое для тех, "
     "кто к нему прислушивается.",
     "Неделя под Селеной хороша для поступков, которыми потом можно "
     "гордиться.",
     "Селена держит этот аспект около недели, а потом её свет переходит к "
     "другим точкам.",
     "Это короткий транзит, и его подсказки стоит ловить, пока они звучат."],
    # Lilith
    ["Лилит задерживается на этом месте дней на десять, и за это время "
     "искушение успевает проявиться.",
     "Это короткий транзит, около полутора недель, но его соблазны бывают "
     "настойчивыми.",
     "Чёрная Луна обходит круг за девять лет и возвращается к тем же "
     "аспектам в этом ритме.",
     "Дней через десять влияние Лилит ослабнет, и станет яснее, что было "
     "настоящим, а что наваждением.",
     "Чёрная Луна задерживается здесь ненадолго, дней на десять.",
     "Полторы недели под Лилит — время присмотреться к своим желаниям."],
]

# Advice by the transiting body: for the harmonious aspects and for the
# tense ones; the conjunction takes from both.
CLASSIC_ADVICE = [
    # Sun
    dict(easy=["Стоит быть на виду: предлагать, выступать, брать "
               "инициативу.",
               "Хорошо взяться за дело, где нужна личная ответственность, — "
               "успех будет заметен.",
               "Полезно позволить себе гордиться сделанным и не прятать "
               "достижений.",
               "Хорошо назначить важную встречу или выступление именно на эти "
               "дни."],
         hard=["Помогает вопрос к себе: что здесь действительно важно, а что "
               "задевает только самолюбие?",
               "Лучше не спорить с сильными из упрямства и беречь силы.",
               "Стоит уступить в мелочах, чтобы не проиграть в главном.",
               "Полезно делить ответственность с другими, а не тащить всё на "
               "себе."]),
    # Moon
    dict(easy=["Стоит довериться настроению и провести время с близкими.",
               "Хорошо заняться домом, кухней или тем, что успокаивает.",
               "Полезно прислушаться к интуиции: сейчас она точнее "
               "расчёта.",
               "Стоит позвонить матери или близкой женщине."],
         hard=["Лучше не принимать решений на волне эмоций и дать им "
               "улечься.",
               "Помогают сон, тишина и простая еда.",
               "Стоит отложить выяснение отношений до более спокойного "
               "часа.",
               "Полезно не спорить дома по пустякам."]),
    # Mercury
    dict(easy=["Стоит записывать идеи и договариваться: слова сейчас "
               "работают на человека.",
               "Хорошо учиться, писать письма и назначать деловые встречи.",
               "Полезно не откладывать поездку или разговор, о котором давно "
               "думалось.",
               "Стоит навести порядок в бумагах и переписке."],
         hard=["Лучше перечитывать написанное и ничего не подписывать "
               "наспех.",
               "Помогает простое правило: сначала уточнить, потом отвечать.",
               "Стоит меньше спорить в переписке и не верить слухам.",
               "Лучше оставить запас времени на дорогу и перепроверять адреса "
               "и даты."]),
    # Venus
    dict(easy=["Стоит порадовать себя и близких встречей, подарком или "
               "красивой мелочью.",
               "Хорошо назначить свидание, сходить в театр или обновить "
               "гардероб.",
               "Полезно первым проявить симпатию — она вернётся.",
               "Стоит побыть там, где красиво и спокойно."],
         hard=["Лучше не тратить лишнего и не требовать от близких "
               "невозможного.",
               "Помогает умеренность — в покупках, в сладком, в ожиданиях.",
               "Стоит не раздувать обиду и сказать о своих чувствах "
               "мягко.",
               "Лучше отложить крупные покупки до более трезвого "
               "настроения."]),
    # Mars
    dict(easy=["Стоит направить силы в спорт, работу руками или трудное "
               "дело.",
               "Хорошо начинать то, на что раньше не хватало решимости.",
               "Полезно действовать прямо, не забывая о других.",
               "Хорошо взяться за то, что требует физических сил."],
         hard=["Лучше сосчитать до десяти, прежде чем ответить резко.",
               "Стоит осторожнее водить машину и обращаться с острым и "
               "горячим.",
               "Помогает физическая нагрузка: раздражение уходит в движение, "
               "а не в ссору.",
               "Лучше не ввязываться в споры с теми, кто ищет повода."]),
    # Jupiter
    dict(easy=["Стоит браться за крупные планы и просить поддержки у "
               "влиятельных людей.",
               "Хорошо учиться, путешествовать и расширять круг знакомств.",
               "Полезно быть щедрым: добро сейчас возвращается с "
               "прибытком.",
               "Стоит обратиться за советом к наставнику или юристу."],
         hard=["Лучше не обещать больше, чем можешь выполнить.",
               "Стоит держать в узде аппетит — и к еде, и к покупкам, и к "
               "делам.",
               "Помогает трезвый расчёт: чем больше размах, тем нужнее "
               "план.",
               "Полезно считать деньги и сроки, прежде чем соглашаться."]),
    # Saturn
    dict(easy=["Стоит заняться долгосрочными планами и наведением порядка.",
               "Хорошо заручиться советом опытного человека.",
               "Полезно закрепить достигнутое на бумаге.",
               "Стоит взяться за дело, которое требует терпения."],
         hard=["Лучше не торопить события: то, что требует времени, силой не "
               "ускорить.",
               "Стоит разгрузить себя и не брать новых обязательств.",
               "Помогают режим, тепло и терпение.",
               "Полезно напомнить себе, что трудности этого времени "
               "временные."]),
    # Uranus
    dict(easy=["Стоит попробовать новое и довериться неожиданной идее.",
               "Хорошо обновить обстановку, технику или круг общения.",
               "Полезно позволить себе немного свободы от привычного.",
               "Хорошо встретиться с друзьями и единомышленниками."],
         hard=["Лучше не рвать связи сгоряча, а дать себе время остыть.",
               "Стоит оставлять запас времени и сил на неожиданности.",
               "Помогает гибкость: держаться за старый план сейчас "
               "бесполезно.",
               "Полезно беречь нервы и не принимать резких решений."]),
    # Neptune
    dict(easy=["Стоит дать волю воображению: творчество сейчас особенно "
               "удаётся.",
               "Хорошо побыть у воды, в тишине, вдали от суеты.",
               "Полезно записывать сны и предчувствия.",
               "Стоит довериться чутью в творчестве, но не в договорах."],
         hard=["Лучше не принимать важных решений в тумане, а подождать "
               "ясности.",
               "Стоит осторожнее обращаться с лекарствами и алкоголем.",
               "Помогает всё проверять и оформлять письменно.",
               "Полезно держаться подальше от сомнительных обещаний и "
               "людей."]),
    # Pluto
    dict(easy=["Стоит решиться на перемены, которые давно назрели.",
               "Хорошо избавиться от того, что тянет вниз, — вещей, связей, "
               "привычек.",
               "Полезно взяться за дело, которое требует глубины и "
               "упорства.",
               "Стоит смело браться за то, что требует воли."],
         hard=["Лучше не давить на людей и не позволять давить на себя.",
               "Стоит отпустить отжившее, а не бороться за него до "
               "последнего.",
               "Помогает признать, что не всё поддаётся контролю.",
               "Полезно не копить обиды: сейчас они быстро превращаются во "
               "вражду."]),
    # Chiron
    dict(easy=["Стоит позаботиться о здоровье и принять помощь знающих "
               "людей.",
               "Хорошо поделиться своим опытом: помогая другим, лечишь и "
               "себя.",
               "Полезно простить себе прошлые ошибки.",
               "Стоит поучиться у того, кто прошёл похожий путь."],
         hard=["Лучше не прятать боль за бравадой, а честно её признать.",
               "Стоит обратиться к хорошему специалисту, не дожидаясь "
               "обострения.",
               "Помогает бережность к себе и к чужим слабостям.",
               "Полезно не требовать от себя невозможного."]),
    # Proserpina
    dict(easy=["Стоит довериться обновлению и не торопить его.",
               "Хорошо навести порядок в мелочах: через них приходят большие "
               "перемены.",
               "Полезно заняться делом, которое приносит пользу другим.",
               "Стоит разобрать завалы — в доме, в делах, в планах."],
         hard=["Лучше не цепляться за прошлое, а беречь силы для перехода.",
               "Стоит давать себе время на восстановление после каждого "
               "трудного шага.",
               "Помогает умение прощаться со старым без злости.",
               "Полезно не сопротивляться переменам, которые всё равно "
               "придут."]),
    # Rahu
    dict(easy=["Стоит говорить «да» тому, что расширяет привычный мир.",
               "Хорошо ставить цели на будущее и учиться новому.",
               "Полезно присмотреться к людям, которые появляются сейчас.",
               "Стоит попробовать то, чего раньше не делал."],
         hard=["Лучше спросить себя, чьё это желание — своё или навязанное.",
               "Стоит расти постепенно, не перескакивая через ступени.",
               "Помогает сверять путь со своими ценностями.",
               "Полезно не гнаться за всем сразу."]),
    # Ketu
    dict(easy=["Стоит закончить старые дела и поблагодарить прошлое за "
               "уроки.",
               "Хорошо навестить старых друзей и вспомнить забытые "
               "увлечения.",
               "Полезно опереться на то, что уже умеешь.",
               "Стоит заняться тем, что когда-то получалось лучше всего."],
         hard=["Лучше не возвращаться к отжившему только потому, что там "
               "привычно.",
               "Стоит оставить время для уединения, но не отгораживаться от "
               "жизни.",
               "Помогает спокойное прощание с тем, что уходит.",
               "Полезно не жалеть о том, что ушло."]),
    # Selena
    dict(easy=["Стоит прислушаться к совести: она подсказывает верно.",
               "Хорошо сделать доброе дело, не ожидая награды.",
               "Полезно начинать важное с чистыми намерениями.",
               "Стоит поддержать того, кому сейчас трудно."],
         hard=["Лучше выбрать прямой путь, даже если он длиннее.",
               "Стоит исправить то, что сделано нечестно, пока это "
               "возможно.",
               "Помогает простое правило: не делать того, за что будет "
               "стыдно.",
               "Полезно быть честным даже в мелочах."]),
    # Lilith
    dict(easy=["Стоит честно признать свои желания: осознанное искушение "
               "теряет силу.",
               "Хорошо довериться своему чутью на подвох.",
               "Полезно разобраться со своими страхами, пока они не "
               "управляют поступками.",
               "Стоит присмотреться к тому, что на самом деле манит."],
         hard=["Лучше держаться подальше от азарта, интриг и сомнительных "
               "предложений.",
               "Стоит не поддаваться ревности и зависти — они плохие "
               "советчики.",
               "Помогают ясная голова и отказ от того, что приходится "
               "скрывать.",
               "Полезно не держать в секрете то, что тяготит."]),
]

# A body over its own natal place, and the two nodes over each other, have
# themes of their own (the returns, the turning points of a cycle); the
# sentence stands for what the transiting body brings.
CLASSIC_PAIRS = {
    (SOL, SOL, "conj"):
        "Солнце возвращается на своё место в гороскопе рождения — это дни "
        "рождения, начало нового личного года, и то, как они прожиты, "
        "задаёт тон на двенадцать месяцев вперёд.",
    (SOL, SOL, "soft"):
        "Секстиль или трин Солнца к своему натальному месту приходится "
        "примерно на два или четыре месяца до или после дня рождения, и это "
        "хорошие дни, чтобы оценить, как движутся планы года.",
    (SOL, SOL, "tense"):
        "Квадрат Солнца к своему натальному месту бывает примерно за три "
        "месяца до или через три месяца после дня рождения, а оппозиция — "
        "через полгода; это точки спада и проверки годовых планов.",
    (SEL, SEL, "conj"):
        "Луна возвращается на своё натальное место раз в месяц, и эти часы "
        "похожи на маленький день рождения души: чувства обновляются, а "
        "настроение задаёт тон следующим неделям.",
    (MER, MER, "conj"):
        "Меркурий возвращается к своему положению в гороскопе рождения "
        "примерно раз в год, и эти дни открывают новый круг мыслей, учёбы и "
        "общения.",
    (VEN, VEN, "conj"):
        "Возвращение Венеры на её натальное место бывает примерно раз в год "
        "и обновляет чувства, вкусы и желание нравиться.",
    (MARS, MARS, "conj"):
        "Марс возвращается на своё натальное место примерно раз в два года, "
        "и с этих дней начинается новый цикл действий и планов.",
    (JUP, JUP, "conj"):
        "Возвращение Юпитера на натальное место бывает раз в двенадцать "
        "лет — в 12, 24, 36, 48 лет и так далее; это начало нового цикла "
        "роста, когда стоит ставить большие цели.",
    (JUP, JUP, "soft"):
        "Секстили и трины Юпитера к своему натальному месту повторяются "
        "каждые два-четыре года и приносят полосы удачи, когда дела растут "
        "легче.",
    (JUP, JUP, "tense"):
        "Квадраты Юпитера к своему натальному месту приходят через три года "
        "после каждого возвращения и за три года до следующего, а "
        "оппозиция — через шесть лет; широкие планы проверяются на "
        "реальность.",
    (SAT, SAT, "conj"):
        "Это возвращение Сатурна, которое бывает около тридцати и около "
        "шестидесяти лет: подводятся итоги целого этапа, и человек "
        "по-настоящему взрослеет.",
    (SAT, SAT, "soft"):
        "Секстили и трины Сатурна к своему натальному месту — спокойные "
        "периоды, когда прежние усилия дают устойчивые плоды.",
    (SAT, SAT, "tense"):
        "Квадраты и оппозиция Сатурна к своему месту приходятся примерно на "
        "7, 14–15, 21–22 года и дальше в том же ритме, и каждый такой рубеж "
        "проверяет, насколько прочно выстроена жизнь.",
    (URAN, URAN, "conj"):
        "Уран возвращается на своё место лишь к восьмидесяти четырём годам, "
        "и это редкое время, когда зрелый человек вновь чувствует вкус "
        "свободы.",
    (URAN, URAN, "soft"):
        "Секстиль Урана к своему месту приходится примерно на четырнадцать "
        "лет, трин — на двадцать восемь и на пятьдесят шесть; это годы, "
        "когда перемены даются легко.",
    (URAN, URAN, "tense"):
        "Квадрат Урана к своему месту бывает около двадцати и около "
        "шестидесяти трёх лет, оппозиция — около сорока двух; это знаменитый "
        "кризис середины жизни, когда хочется резко всё поменять.",
    (NEP, NEP, "conj"):
        "Нептун за жизнь не успевает вернуться на своё место: это соединение "
        "звучит лишь в первые месяцы жизни, а его тема — мечта и вера — "
        "остаётся с человеком навсегда.",
    (NEP, NEP, "soft"):
        "Секстиль Нептуна к своему месту бывает около двадцати восьми лет, "
        "трин — около пятидесяти пяти; это годы, когда вдохновение и вера "
        "поддерживают.",
    (NEP, NEP, "tense"):
        "Квадрат Нептуна к своему месту приходится примерно на сорок лет, "
        "когда прежние идеалы теряют блеск и ищется новый смысл.",
    (PLUT, PLUT, "conj"):
        "Плутон не возвращается на своё место за человеческую жизнь; это "
        "соединение действует лишь в первые годы, и его сила остаётся "
        "глубинным фоном судьбы.",
    (PLUT, PLUT, "soft"):
        "Секстиль Плутона к своему месту приходится на разный возраст у "
        "разных поколений и даёт силы для глубоких, но мирных перемен.",
    (PLUT, PLUT, "tense"):
        "Квадрат Плутона к своему месту приходит у разных поколений в "
        "разном возрасте, чаще всего между тридцатью пятью и шестьюдесятью "
        "годами, и отмечает глубокий перелом.",
    (HIR, HIR, "conj"):
        "Хирон возвращается на своё место около пятидесяти лет: старые раны "
        "поднимаются ещё раз, чтобы зрелый человек смог наконец их исцелить "
        "и передать опыт другим.",
    (PROZ, PROZ, "conj"):
        "Прозерпина почти не сходит со своего места: это соединение "
        "действует в первые годы жизни и закладывает глубинную тему "
        "служения и обновления.",
    (PROZ, PROZ, "soft"):
        "Прозерпина смещается на полградуса в год, и секстиль или трин к "
        "своему натальному месту за человеческую жизнь не складывается; "
        "если он всё же показан, стоит проверить даты рождения и "
        "транзита.",
    (PROZ, PROZ, "tense"):
        "Прозерпина смещается на полградуса в год, и до квадрата или "
        "оппозиции к своему натальному месту за человеческую жизнь не "
        "доходит; если такой аспект показан, стоит проверить даты рождения "
        "и транзита.",
    (RAHU, RAHU, "conj"):
        "Раху возвращается на своё натальное место раз в восемнадцать с "
        "половиной лет, около 18–19, 37 и 56 лет; в эти недели судьба вновь "
        "указывает направление роста.",
    (RAHU, RAHU, "tense"):
        "Противостояние Раху своему месту, когда узлы меняются местами, "
        "бывает около 9, 28 и 46 лет, а квадраты приходятся посередине; это "
        "поворотные недели, когда прежний путь приходится пересматривать.",
    (KETU, KETU, "conj"):
        "Кету возвращается на своё натальное место вместе с Раху, раз в "
        "восемнадцать с половиной лет, и в эти недели ясно видно, какой "
        "опыт пора оставить позади.",
    (KETU, KETU, "tense"):
        "Квадраты и противостояние Кету своему месту совпадают с поворотами "
        "узлового цикла, и прошлое напоминает о себе, чтобы его наконец "
        "отпустили.",
    (RAHU, KETU, "conj"):
        "Северный узел проходит по южному узлу рождения, то есть узлы "
        "меняются местами; пора переосмыслить, что взято из прошлого и куда "
        "двигаться дальше.",
    (KETU, RAHU, "conj"):
        "Южный узел проходит по северному узлу рождения: старые привычки "
        "встают поперёк пути роста, и важно не путать возвращение к "
        "знакомому с развитием.",
    (SELENA, SELENA, "conj"):
        "Селена возвращается на своё натальное место раз в семь лет, и это "
        "начало новой светлой полосы, когда особенно важно поступать "
        "честно.",
    (LILIT, LILIT, "conj"):
        "Лилит возвращается на своё натальное место примерно раз в девять "
        "лет, и старые искушения приходят снова, чтобы проверить, чему "
        "человек научился.",
}
assert len(CLASSIC_TIME) == 16 and len(CLASSIC_ADVICE) == 16

# Which sentences an entry has: O opening, T how long it lasts, A what the
# transiting body brings, B the natal point, C advice.
CLASSIC_PATTERNS = ["OTAC", "OTAC", "OATC", "OATC", "OABC", "OTAB", "OATB"]


# ---------------------------------------------------------------------------
# The medical file. Everything here is a tendency to watch, never a
# diagnosis: how much energy there is, where it is spent, when rest and
# care are needed, and which body systems tradition links to the point.
# ---------------------------------------------------------------------------
MEDICAL_INTRO = (
    "Эти тексты описывают транзиты как тенденции: когда сил больше, когда "
    "нужен отдых и на что стоит обратить внимание в заботе о себе. Они не "
    "ставят диагнозов и не заменяют врача. Если самочувствие тревожит или "
    "недомогание не проходит, обратитесь к специалисту, а астрологические "
    "подсказки оставьте для того, чтобы разумно распределять нагрузку и "
    "отдых.")

# The body systems and habits a natal point stands for, in the forms
# (nominative, accusative, genitive, locative with its preposition,
# instrumental); None = as the nominative. Every sphere is a list joined by
# "и" and takes plural verbs.
MEDICAL_SPHERES = [
    # Sun
    [("сердце, кровообращение и общий запас сил", None,
      "сердца, кровообращения и общего запаса сил",
      "в работе сердца и в общем запасе сил",
      "сердцем, кровообращением и общим запасом сил"),
     ("жизненный тонус и выносливость", None,
      "жизненного тонуса и выносливости",
      "в жизненном тонусе и выносливости",
      "жизненным тонусом и выносливостью")],
    # Moon
    [("сон, пищеварение и водный баланс", None,
      "сна, пищеварения и водного баланса",
      "во сне, пищеварении и водном балансе",
      "сном, пищеварением и водным балансом"),
     ("настроение и гормональные ритмы", None,
      "настроения и гормональных ритмов",
      "в настроении и гормональных ритмах",
      "настроением и гормональными ритмами")],
    # Mercury
    [("нервная система и дыхание", "нервную систему и дыхание",
      "нервной системы и дыхания", "в нервной системе и дыхании",
      "нервной системой и дыханием"),
     ("концентрация, речь и подвижность рук",
      "концентрацию, речь и подвижность рук",
      "концентрации, речи и подвижности рук",
      "в концентрации, речи и подвижности рук",
      "концентрацией, речью и подвижностью рук")],
    # Venus
    [("горло, почки и кожа", "горло, почки и кожу", "горла, почек и кожи",
      "в состоянии горла, почек и кожи", "горлом, почками и кожей"),
     ("гормональное равновесие и водно-солевой обмен", None,
      "гормонального равновесия и водно-солевого обмена",
      "в гормональном равновесии и водно-солевом обмене",
      "гормональным равновесием и водно-солевым обменом")],
    # Mars
    [("мышцы, кровь и запас физической энергии", None,
      "мышц, крови и запаса физической энергии",
      "в мышцах, крови и запасе физической энергии",
      "мышцами, кровью и запасом физической энергии"),
     ("физическая активность и восстановление после нагрузок",
      "физическую активность и восстановление после нагрузок",
      "физической активности и восстановления после нагрузок",
      "в физической активности и восстановлении после нагрузок",
      "физической активностью и восстановлением после нагрузок")],
    # Jupiter
    [("печень и обмен веществ", None, "печени и обмена веществ",
      "в работе печени и обмене веществ", "печенью и обменом веществ"),
     ("печень, бёдра и жировой обмен", None,
      "печени, бёдер и жирового обмена",
      "в печени, бёдрах и жировом обмене",
      "печенью, бёдрами и жировым обменом")],
    # Saturn
    [("кости, суставы и зубы", None, "костей, суставов и зубов",
      "в костях, суставах и зубах", "костями, суставами и зубами"),
     ("осанка, кожа и давние хронические слабости",
      "осанку, кожу и давние хронические слабости",
      "осанки, кожи и давних хронических слабостей",
      "в осанке, коже и давних хронических слабостях",
      "осанкой, кожей и давними хроническими слабостями")],
    # Uranus
    [("нервные реакции и ритм сердца", None,
      "нервных реакций и ритма сердца",
      "в нервных реакциях и ритме сердца",
      "нервными реакциями и ритмом сердца"),
     ("режим дня и способность расслабляться", None,
      "режима дня и способности расслабляться",
      "в режиме дня и способности расслабляться",
      "режимом дня и способностью расслабляться")],
    # Neptune
    [("иммунитет и лимфатическая система",
      "иммунитет и лимфатическую систему",
      "иммунитета и лимфатической системы",
      "в иммунитете и лимфатической системе",
      "иммунитетом и лимфатической системой"),
     ("сон, лимфа и реакция на лекарства", "сон, лимфу и реакцию на лекарства",
      "сна, лимфы и реакции на лекарства",
      "во сне, лимфе и реакции на лекарства",
      "сном, лимфой и реакцией на лекарства")],
    # Pluto
    [("выведение лишнего и способность к восстановлению",
      "выведение лишнего и способность к восстановлению",
      "выведения лишнего и способности к восстановлению",
      "в выведении лишнего и способности к восстановлению",
      "выведением лишнего и способностью к восстановлению"),
     ("глубокие запасы сил и мочеполовая сфера",
      "глубокие запасы сил и мочеполовую сферу",
      "глубоких запасов сил и мочеполовой сферы",
      "в глубоких запасах сил и мочеполовой сфере",
      "глубокими запасами сил и мочеполовой сферой")],
    # Chiron
    [("слабые места организма и заживление старых травм", None,
      "слабых мест организма и заживления старых травм",
      "в слабых местах организма и заживлении старых травм",
      "слабыми местами организма и заживлением старых травм"),
     ("восстановление после травм и способность к самоисцелению", None,
      "восстановления после травм и способности к самоисцелению",
      "в восстановлении после травм и способности к самоисцелению",
      "восстановлением после травм и способностью к самоисцелению")],
    # Proserpina
    [("кишечник и очищение организма", None,
      "кишечника и очищения организма",
      "в работе кишечника и очищении организма",
      "кишечником и очищением организма"),
     ("восстановление сил и обновление организма", None,
      "восстановления сил и обновления организма",
      "в восстановлении сил и обновлении организма",
      "восстановлением сил и обновлением организма")],
    # Rahu
    [("запас прочности и способность осваивать новые нагрузки", None,
      "запаса прочности и способности осваивать новые нагрузки",
      "в запасе прочности и способности осваивать новые нагрузки",
      "запасом прочности и способностью осваивать новые нагрузки"),
     ("аппетит и привычки питания", None, "аппетита и привычек питания",
      "в аппетите и привычках питания", "аппетитом и привычками питания")],
    # Ketu
    [("запас сил и выносливость", None, "запаса сил и выносливости",
      "в запасе сил и выносливости", "запасом сил и выносливостью"),
     ("иммунная стойкость и наследственные особенности здоровья",
      "иммунную стойкость и наследственные особенности здоровья",
      "иммунной стойкости и наследственных особенностей здоровья",
      "в иммунной стойкости и наследственных особенностях здоровья",
      "иммунной стойкостью и наследственными особенностями здоровья")],
    # Selena
    [("защитные силы организма и способность к восстановлению", None,
      "защитных сил организма и способности к восстановлению",
      "в защитных силах организма и способности к восстановлению",
      "защитными силами организма и способностью к восстановлению"),
     ("душевное равновесие и здоровый образ жизни", None,
      "душевного равновесия и здорового образа жизни",
      "в душевном равновесии и здоровом образе жизни",
      "душевным равновесием и здоровым образом жизни")],
    # Lilith
    [("гормональный фон и нервная выдержка",
      "гормональный фон и нервную выдержку",
      "гормонального фона и нервной выдержки",
      "в гормональном фоне и нервной выдержке",
      "гормональным фоном и нервной выдержкой"),
     ("сон, самоконтроль и устойчивость к соблазнам", None,
      "сна, самоконтроля и устойчивости к соблазнам",
      "во сне, самоконтроле и устойчивости к соблазнам",
      "сном, самоконтролем и устойчивостью к соблазнам")],
    # Ascendant
    [("самочувствие, внешний вид и тело в целом", None,
      "самочувствия, внешнего вида и тела в целом",
      "в самочувствии, внешнем виде и теле в целом",
      "самочувствием, внешним видом и телом в целом"),
     ("общий тонус и сопротивляемость организма", None,
      "общего тонуса и сопротивляемости организма",
      "в общем тонусе и сопротивляемости организма",
      "общим тонусом и сопротивляемостью организма")],
    # MC
    [("стрессоустойчивость и силы для работы", None,
      "стрессоустойчивости и сил для работы",
      "в стрессоустойчивости и силах для работы",
      "стрессоустойчивостью и силами для работы"),
     ("рабочая форма и умение отдыхать от дел",
      "рабочую форму и умение отдыхать от дел",
      "рабочей формы и умения отдыхать от дел",
      "в рабочей форме и умении отдыхать от дел",
      "рабочей формой и умением отдыхать от дел")],
]

# What a transiting body does to energy and to the natal point's systems.
MEDICAL_TRANSIT = [
    # Sun
    dict(conj=[
        "Солнце прибавляет энергии, и {t_acc} стоит поддержать: силы есть, "
        "но их легко растратить на всё сразу.",
        "{T_nom} оказываются в центре внимания: бодрость выше обычного, "
        "зато и перегреться, переутомиться проще.",
        "Солнечный импульс повышает тонус, и то, что касается {t_gen}, "
        "откликается на нагрузку быстрее и заметнее."],
     soft=[
        "{T_nom} получают прилив бодрости: восстановление идёт легко, а "
        "привычные нагрузки даются без усилия.",
        "Солнце поддерживает {t_acc}, и это удачное время, чтобы начать "
        "полезную привычку.",
        "Жизненных сил хватает, и на {t_acc} можно положиться, если не "
        "злоупотреблять этой щедростью."],
     tense=[
        "Желание успеть всё сталкивается с пределом сил, и {t_nom} могут "
        "отвечать на это усталостью.",
        "Солнце нагружает {t_acc}, и к вечеру может накапливаться "
        "утомление, особенно после напряжённого дня.",
        "Тонус колеблется, и то, что связано {t_with}, требует бережного "
        "отношения и нормального сна."]),
    # Moon
    dict(conj=[
        "Луна делает {t_acc} чувствительными к настроению, и то, что "
        "тревожит душу, быстро отзывается в теле.",
        "{T_nom} сейчас особенно зависят от эмоционального фона и от того, "
        "как и когда человек ест и пьёт.",
        "Луна ненадолго обостряет восприимчивость, и всё, что касается "
        "{t_gen}, отзывается на волнение сильнее обычного."],
     soft=[
        "Самочувствие ровное и спокойное, и {t_nom} охотно откликаются на "
        "отдых и заботу.",
        "Луна смягчает {t_acc}, и эти часы хорошо посвятить сну, прогулке "
        "или тёплой ванне.",
        "Эмоции и тело сейчас в согласии, и на {t_acc} это действует "
        "благотворно."],
     tense=[
        "Возможны колебания, которые затрагивают {t_acc}: беспокойный сон, "
        "тяжесть после еды или перепады настроения.",
        "Луна раскачивает {t_acc}, и тревога или обида могут отразиться на "
        "самочувствии уже через пару часов.",
        "Эмоциональное напряжение легко переходит в телесное, и то, что "
        "связано {t_with}, просит спокойствия и простой еды."]),
    # Mercury
    dict(conj=[
        "Меркурий усиливает нервную активность — мыслей много, а отдыха мало, "
        "— и {t_nom} чувствуют эту нагрузку.",
        "Голова занята, и {t_acc} нагружают бесконечные разговоры, "
        "переписка и поток сведений.",
        "Меркурий обостряет реакции, и то, что касается {t_gen}, зависит от "
        "умения вовремя отключаться от дел."],
     soft=[
        "Ясность ума помогает во всём, что касается {t_gen}: легко наладить "
        "режим, разобраться с назначениями врача или подобрать гимнастику.",
        "Меркурий поддерживает {t_acc}, и полезны прогулки, дыхательные "
        "упражнения и неспешные разговоры.",
        "Нервная система работает гибко, и {t_nom} быстро приходят в норму "
        "после суеты."],
     tense=[
        "Суета, спешка и мелкие тревоги выматывают больше физической работы, "
        "и {t_nom} ощущают это первыми.",
        "Меркурий перегружает {t_acc}, и могут появиться рассеянность, "
        "поверхностный сон или напряжение в плечах и шее.",
        "Избыток сведений и разговоров утомляет, и всё, что связано "
        "{t_with}, просит пауз и тишины."]),
    # Venus
    dict(conj=[
        "Венера смягчает {t_acc}, но вместе с удовольствием растёт и "
        "соблазн лишнего — сладкого, жирного, позднего застолья.",
        "{T_nom} откликаются на заботу и красоту, и уход за собой сейчас "
        "приносит и радость, и пользу.",
        "Венера подчёркивает связь самочувствия с удовольствием, и то, что "
        "касается {t_gen}, зависит от умеренности в радостях."],
     soft=[
        "Хорошее настроение помогает телу, а тело — настроению, и {t_nom} от "
        "этого только выигрывают.",
        "Венера бережёт {t_acc}, и хороши процедуры для красоты и "
        "расслабления, массаж, приятные прогулки.",
        "Удовольствие и польза сейчас не спорят, и {t_nom} выигрывают от "
        "спокойного ритма и вкусной, но лёгкой еды."],
     tense=[
        "Возможны последствия излишеств — тяжесть от сладкого, лишние "
        "калории, раздражение кожи, — и {t_acc} стоит от них поберечь.",
        "Венера расслабляет {t_acc} сильнее, чем нужно, и лень или "
        "переедание могут сбить привычный режим.",
        "Желание себя побаловать легко переходит меру, и всё, что связано "
        "{t_with}, страдает от сладкого и сидячего образа жизни."]),
    # Mars
    dict(conj=[
        "Марс резко поднимает энергию, и {t_acc} легко довести до предела: "
        "сил много, но растёт риск перестараться.",
        "Марс разогревает {t_acc}: активная нагрузка полезна, но в спешке "
        "легче перегреться, ушибиться или порезаться.",
        "Энергии прибавляется, и то, что касается {t_gen}, требует разумной "
        "нагрузки — не больше, чем организм готов выдержать."],
     soft=[
        "Бодрости и силы прибавляется, тренировки идут легко, и {t_nom} "
        "быстро приходят в форму.",
        "Марс поддерживает {t_acc}, и хорошо начать новый вид спорта или "
        "немного увеличить привычную нагрузку.",
        "Энергия течёт свободно, и {t_nom} выигрывают от движения, свежего "
        "воздуха и физической работы."],
     tense=[
        "Спешка, резкие движения и раздражение увеличивают риск ушибов и "
        "порезов, и {t_acc} легко перенапрячь.",
        "Марс перегружает {t_acc}, и без отдыха может накопиться усталость, "
        "головная боль или мышечное напряжение.",
        "Избыток энергии ищет выхода, и то, что связано {t_with}, страдает "
        "от гонки и нетерпения."]),
    # Jupiter
    dict(conj=[
        "Юпитер расширяет возможности организма, и всё, что связано "
        "{t_with}, получает запас сил, но вместе с ним растёт и аппетит.",
        "Юпитер добавляет сил и оптимизма, и {t_acc} легко перегрузить "
        "обильной едой и лишними делами.",
        "Щедрость Юпитера распространяется на всё, что касается {t_gen}, и "
        "главное здесь — не превратить изобилие в излишество."],
     soft=[
        "Всё, что касается {t_gen}, идёт на поправку: лечение помогает, а "
        "восстановление быстрее обычного.",
        "Юпитер поддерживает {t_acc}, и это удачное время для оздоровительной "
        "поездки, санатория или консультации у хорошего специалиста.",
        "Оптимизм помогает телу, и {t_nom} хорошо откликаются на "
        "размеренный отдых и умеренное питание."],
     tense=[
        "Легко переборщить с обильной едой, лишними порциями и жирным, и "
        "{t_nom} отзываются на это тяжестью и вялостью.",
        "Юпитер раздувает ощущение, что сил хватит на всё, и {t_acc} "
        "подводят перегрузки.",
        "Излишества за столом и в делах дают о себе знать, и всё, что "
        "связано {t_with}, просит меры."]),
    # Saturn
    dict(conj=[
        "Сатурн замедляет {t_acc}: восстановление идёт дольше, а усталость "
        "копится незаметно.",
        "{T_nom} оказываются под нагрузкой, и хочется тепла, покоя и "
        "ровного режима.",
        "Сатурн делает заметными давние слабые места, и то, что касается "
        "{t_gen}, требует терпеливой, систематической заботы."],
     soft=[
        "Дисциплина работает на {t_acc}: режим, регулярная гимнастика и "
        "размеренное питание дают прочный результат.",
        "Сатурн укрепляет {t_acc}, и удачно идут долгие программы "
        "оздоровления, лечение зубов или суставов.",
        "Выдержка сейчас работает на здоровье, и {t_nom} выигрывают от "
        "порядка и постоянства."],
     tense=[
        "Возможны скованность, упадок сил и обострение давних слабостей, и "
        "{t_acc} сейчас особенно важно беречь.",
        "Сатурн сжимает {t_acc}, и переохлаждение, недосып или постоянная "
        "спешка сказываются сильнее обычного.",
        "Накопленная усталость даёт о себе знать, и всё, что связано "
        "{t_with}, требует тепла, отдыха и внимания."]),
    # Uranus
    dict(conj=[
        "Уран вносит {t_into} непредсказуемость: самочувствие может "
        "меняться внезапно, без видимых причин.",
        "{T_nom} реагируют на перемены резко, и сбитый режим отзывается "
        "быстрее обычного.",
        "Уран будоражит нервную систему, и то, что касается {t_gen}, "
        "выигрывает от ровного ритма и отказа от лишней спешки."],
     soft=[
        "Для {t_gen} хорошо подходят новые методы: необычная гимнастика, "
        "смена режима, свежие привычки.",
        "Уран обновляет {t_acc}, и организм охотно откликается на перемены к "
        "лучшему.",
        "Бодрость приходит неожиданно, и {t_nom} выигрывают от разнообразия "
        "и движения."],
     tense=[
        "Возможны резкие колебания — спазмы, скачки давления или бессонница "
        "от перевозбуждения, — и {t_nom} особенно чувствительны к ним.",
        "Уран раскачивает {t_acc}, и нервное напряжение может проявиться "
        "внезапно, в самый неподходящий момент.",
        "Непредсказуемость сбивает ритм, и всё, что связано {t_with}, "
        "страдает от спешки, кофе и недосыпа."]),
    # Neptune
    dict(conj=[
        "Нептун делает {t_acc} более чувствительными: организм тоньше "
        "реагирует на лекарства, алкоголь и атмосферу вокруг.",
        "{T_nom} теряют привычную устойчивость; возможны вялость, "
        "рассеянность и желание спать больше обычного.",
        "Нептун размывает ощущения, и то, что касается {t_gen}, трудно "
        "оценить самому — лучше опираться на факты и анализы."],
     soft=[
        "Покой и мягкие методы — отдых у воды, музыка, расслабление — хорошо "
        "восстанавливают {t_acc}.",
        "Нептун успокаивает {t_acc}, и хорошо восстанавливаться через отдых, "
        "тишину и творчество.",
        "Интуиция подсказывает, что нужно телу, и {t_nom} хорошо "
        "откликаются на бережный ритм."],
     tense=[
        "Возможны слабость, апатия и повышенная чувствительность к лекарствам "
        "и алкоголю, и {t_acc} легко вывести из равновесия.",
        "Нептун подтачивает {t_acc}, и неясное недомогание легко спутать с "
        "усталостью — или наоборот.",
        "Упадок сил и рассеянность мешают заметить, что организму нужен "
        "отдых, и всё, что связано {t_with}, требует осторожности."]),
    # Pluto
    dict(conj=[
        "Плутон запускает глубокую перестройку, и {t_nom} проходят через "
        "обновление, порой через временный спад.",
        "Плутон будит скрытые резервы, и {t_acc} удаётся восстановить "
        "всерьёз, если не гнать себя сверх меры.",
        "Всё, что касается {t_gen}, выходит на первый план, и от отжившего "
        "хочется избавиться решительно."],
     soft=[
        "Глубокие резервы включаются сами, и {t_nom} восстанавливаются быстро "
        "и основательно, а полезные перемены закрепляются надолго.",
        "Плутон помогает обновить {t_acc}, и это хорошее время, чтобы "
        "отказаться от вредной привычки.",
        "Воли хватает на перемены, и {t_nom} выигрывают от решительного, но "
        "разумного оздоровления."],
     tense=[
        "Воля толкает вперёд, когда силы уже на исходе, и {t_acc} легко "
        "истощить перенапряжением.",
        "Плутон давит на {t_acc}, и внутреннее напряжение может долго "
        "копиться, прежде чем проявиться.",
        "Стремление всё контролировать изматывает, и то, что связано "
        "{t_with}, просит передышки."]),
    # Chiron
    dict(conj=[
        "Хирон касается {t_gen}, и старые слабые места напоминают о себе, "
        "чтобы ими наконец занялись.",
        "Может дать о себе знать давняя травма или привычное недомогание, "
        "связанное {t_with}, и это повод заняться собой всерьёз.",
        "Хирон приводит к встрече с хорошим врачом или методом, который "
        "помогает именно в том, что связано {t_with}."],
     soft=[
        "Лечение всего, что связано {t_with}, идёт успешно: найденный подход "
        "помогает, а старые проблемы отступают.",
        "Хирон поддерживает {t_acc}, и хорошо довести до конца начатое "
        "лечение или восстановление.",
        "Опыт прошлого помогает заботиться о себе, и {t_nom} заметно "
        "выигрывают от внимательного отношения."],
     tense=[
        "Давние слабости, которые долго не замечались, могут обостриться и "
        "затронуть {t_acc}.",
        "Хирон обнажает уязвимые места, и {t_acc} стоит беречь от "
        "перегрузок и переохлаждения.",
        "Старая боль может ненадолго вернуться, и всё, что связано "
        "{t_with}, требует терпения и грамотной помощи."]),
    # Proserpina
    dict(conj=[
        "Прозерпина запускает медленное очищение, и всё, что связано "
        "{t_with}, постепенно освобождается от накопленного.",
        "{T_nom} проходят через обновление, которое требует времени, покоя "
        "и внимания к питанию.",
        "Прозерпина делает заметной связь самочувствия с порядком в "
        "мелочах, и то, что касается {t_gen}, зависит от повседневных "
        "привычек."],
     soft=[
        "Очищающие программы — лёгкое питание, вода, режим и неторопливые "
        "прогулки — идут на пользу всему, что связано {t_with}.",
        "Прозерпина помогает восстановить {t_acc} терпеливой ежедневной "
        "заботой.",
        "Организм охотно отпускает лишнее, и это мягко и естественно "
        "поддерживает {t_acc}."],
     tense=[
        "Возможны вялость, тяжесть и ощущение, что {t_nom} сопротивляются "
        "переменам.",
        "Прозерпина перестраивает {t_acc} через усталость, и восстановление "
        "требует больше времени, чем хотелось бы.",
        "Старые привычки мешают обновлению, и всё, что связано {t_with}, "
        "просит терпения и простого режима."]),
    # Rahu
    dict(conj=[
        "Раху разжигает аппетит к новому, и {t_acc} легко перегрузить "
        "непривычными нагрузками или экспериментами.",
        "{T_nom} откликаются на новые привычки, и важно, чтобы они были "
        "полезными, а не просто модными.",
        "Раху усиливает желания, и то, что касается {t_gen}, может "
        "пострадать от жадности до впечатлений и еды."],
     soft=[
        "Новые полезные привычки — спорт, режим, другое питание — легко "
        "приживаются и укрепляют {t_acc}.",
        "Раху поддерживает {t_acc}, и хорошо осваивать непривычные, но "
        "разумные способы оздоровления.",
        "Стремление к развитию помогает телу, и {t_nom} выигрывают от "
        "постепенного роста нагрузки."],
     tense=[
        "Хочется всего и сразу, а организм не успевает, и {t_acc} легко "
        "перегрузить нетерпением.",
        "Раху подстёгивает погоню за быстрым результатом, и {t_acc} может "
        "сбить слишком резкая смена режима.",
        "Жадность до новых впечатлений выматывает, и всё, что связано "
        "{t_with}, нуждается в чувстве меры."]),
    # Ketu
    dict(conj=[
        "Кету снижает тонус, и {t_nom} могут казаться слабее обычного; чаще "
        "всего это временный спад, который проходит с отдыхом.",
        "Возвращаются старые привычки и знакомые слабости, связанные "
        "{t_with}, и их полезно заметить и спокойно разобрать.",
        "Кету зовёт к покою, и то, что касается {t_gen}, лучше всего "
        "восстанавливается в тишине и уединении."],
     soft=[
        "Прежний опыт выручает, и то, что раньше поддерживало {t_acc}, "
        "помогает и теперь.",
        "Кету помогает отпустить лишнее, и {t_acc} хорошо поддержать простым "
        "питанием и отдыхом.",
        "Спокойное уединение идёт на пользу, и {t_nom} восстанавливаются без "
        "лишних усилий."],
     tense=[
        "Возможны упадок сил, апатия и слабость без видимой причины, и "
        "{t_acc} стоит поддержать отдыхом и сном.",
        "Кету истощает {t_acc}, и старые, почти забытые жалобы могут "
        "ненадолго вернуться.",
        "Желание уйти в себя сочетается с вялостью, и всё, что связано "
        "{t_with}, просит мягкого режима и внимания к сигналам тела."]),
    # Selena
    dict(conj=[
        "Селена приходит на помощь, и {t_acc} легче вернуть в норму, "
        "особенно при здоровом образе жизни.",
        "{T_nom} оказываются под светлой защитой, и самочувствие "
        "выравнивается, если не нарушать разумный режим.",
        "Белая Луна поддерживает всё, что касается {t_gen}, и хорошие "
        "привычки сейчас закрепляются быстро."],
     soft=[
        "Чувствуется лёгкость, и {t_nom} охотно отвечают на заботу и чистый "
        "режим.",
        "Селена бережёт {t_acc}, и это удачное время для профилактики и "
        "спокойного восстановления.",
        "Светлое настроение помогает телу, и {t_nom} выигрывают от свежего "
        "воздуха и простой еды."],
     tense=[
        "Защита слабеет, если пренебрегать отдыхом и режимом, и первыми это "
        "чувствуют {t_nom}.",
        "Селена напоминает о мере, и {t_acc} подводит всё, что делается "
        "вопреки здравому смыслу.",
        "Поддержка организма зависит от образа жизни, и всё, что связано "
        "{t_with}, требует отказа от вредного."]),
    # Lilith
    dict(conj=[
        "Лилит усиливает тягу к вредному, и {t_acc} легко расшатать "
        "поздними застольями, курением или недосыпом.",
        "{T_nom} оказываются под влиянием скрытого напряжения, и подавленные "
        "чувства могут проявиться через тело.",
        "Чёрная Луна обостряет соблазны, и то, что касается {t_gen}, "
        "страдает от привычек, о которых не хочется говорить."],
     soft=[
        "С вредной привычкой сейчас легче справиться: соблазн виден, ему "
        "проще сказать «нет», и {t_nom} от этого выигрывают.",
        "Лилит даёт чутьё на то, что вредит, и {t_acc} удаётся уберечь от "
        "лишнего.",
        "Скрытое напряжение находит безопасный выход, и {t_acc} это заметно "
        "разгружает."],
     tense=[
        "Возможны срывы режима — переедание, алкоголь, бессонные ночи, — и "
        "{t_nom} расплачиваются за них первыми.",
        "Лилит будит тёмные желания, и {t_acc} подрывают излишества и "
        "скрытая тревога.",
        "Соблазны бьют по самочувствию, и всё, что связано {t_with}, "
        "требует честности с самим собой."]),
]

# The natal point: which systems it stands for and what to watch.
MEDICAL_NATAL = [
    # Sun
    dict(conj=[
        "Натальное Солнце связано с сердцем и жизненной силой, поэтому "
        "транзит ощущается как общий подъём или спад тонуса.",
        "Солнце рождения показывает, откуда человек черпает силы, и сейчас "
        "важно не тратить их сверх меры."],
     soft=[
        "Выносливость выше обычного, и организм хорошо справляется с "
        "нагрузкой.",
        "Сердце и сосуды хорошо переносят умеренную нагрузку, а свежий воздух "
        "быстро восстанавливает силы."],
     tense=[
        "Возможны утомляемость и ощущение перегрева, если не соизмерять "
        "нагрузку.",
        "Сердцу и сосудам нужна ровная нагрузка, без рывков и перегрева."]),
    # Moon
    dict(conj=[
        "Луна рождения отвечает за сон, пищеварение и жидкости в организме, "
        "поэтому самочувствие сейчас тесно связано с настроением.",
        "Натальная Луна говорит о том, как тело откликается на эмоции: "
        "волнение сразу сказывается на аппетите и сне."],
     soft=[
        "Сон глубокий, аппетит ровный, и отёки или тяжесть уходят легче.",
        "Режим питания и питья налаживается легко, и тело отвечает на него "
        "благодарно."],
     tense=[
        "Возможны беспокойный сон, тяжесть в желудке и задержка жидкости.",
        "Перепады настроения сразу отражаются на пищеварении."]),
    # Mercury
    dict(conj=[
        "Меркурий рождения связан с нервной системой, дыханием и руками, "
        "поэтому нагрузка на них сейчас заметнее.",
        "Натальный Меркурий показывает, как человек справляется с потоком "
        "мыслей, а сейчас их особенно много."],
     soft=[
        "Ум ясен, нервы спокойны, и дыхательные упражнения дают быстрый "
        "эффект.",
        "Легко разобраться в назначениях и выстроить разумный распорядок."],
     tense=[
        "Возможны нервное утомление, поверхностное дыхание, напряжение в "
        "плечах и кистях.",
        "Беспокойные мысли мешают уснуть, а сон получается поверхностным."]),
    # Venus
    dict(conj=[
        "Венера рождения связана с горлом, почками, кожей и гормональным "
        "равновесием, поэтому самочувствие зависит от того, насколько "
        "разумны удовольствия.",
        "Натальная Венера говорит о тяге к приятному; сейчас она сильнее, и "
        "вместе с ней растёт соблазн сладкого."],
     soft=[
        "Кожа и настроение радуют, а уход за собой приносит заметную "
        "пользу.",
        "Почки и кожа хорошо справляются с нагрузкой, а лёгкие удовольствия "
        "идут на пользу."],
     tense=[
        "Возможны раздражение горла, высыпания на коже или тяжесть от "
        "переедания.",
        "Почки и кожа сейчас чувствительнее обычного, и излишества "
        "сказываются на них быстро."]),
    # Mars
    dict(conj=[
        "Марс рождения — это мышцы, кровь и запас физической энергии, "
        "поэтому транзит ощущается как прилив сил или как их перерасход.",
        "Натальный Марс показывает, как человек тратит энергию; сейчас её "
        "много, и нужна разумная нагрузка."],
     soft=[
        "Мышцы крепнут, выносливость растёт, а восстановление после "
        "тренировок быстрое.",
        "Спорт и физический труд приносят удовольствие и не выматывают."],
     tense=[
        "Возможны ушибы, порезы, повышение температуры или головная боль от "
        "перенапряжения.",
        "Спешка и раздражение — главные источники неприятностей."]),
    # Jupiter
    dict(conj=[
        "Юпитер рождения связан с печенью, обменом веществ и весом, поэтому "
        "всё зависит от чувства меры.",
        "Натальный Юпитер говорит о том, как организм распоряжается "
        "изобилием, а сейчас его легко переполнить."],
     soft=[
        "Обмен веществ работает хорошо, и лечение идёт на пользу.",
        "Отдых и путешествия восстанавливают особенно хорошо."],
     tense=[
        "Возможны тяжесть после обильной еды, прибавка в весе и вялость.",
        "Печень сейчас особенно чувствительна к жирному и к алкоголю."]),
    # Saturn
    dict(conj=[
        "Сатурн рождения отвечает за кости, суставы, зубы и кожу, поэтому "
        "сейчас особенно ощутимы холод, усталость и недостаток движения.",
        "Натальный Сатурн показывает хронические слабости, и транзит "
        "напоминает, что о них пора позаботиться."],
     soft=[
        "Систематическая забота даёт прочный результат, и суставы и спина "
        "благодарны за гимнастику.",
        "Давно отложенные дела здоровья — зубы, осанка, суставы — сейчас "
        "решаются легче."],
     tense=[
        "Возможны скованность в суставах, боли в спине, обострение "
        "хронических жалоб.",
        "Суставы и спина чувствительны к погоде и к долгой неподвижности."]),
    # Uranus
    dict(conj=[
        "Уран рождения связан с нервными реакциями и ритмом, поэтому "
        "самочувствие может меняться быстро и неожиданно.",
        "Натальный Уран говорит о том, как организм переносит перемены, а "
        "сейчас их много."],
     soft=[
        "Новые методы оздоровления приживаются легко и приносят быстрый "
        "эффект.",
        "Организм легко принимает обновлённый режим и непривычные нагрузки."],
     tense=[
        "Возможны спазмы, судороги, скачки давления или бессонница.",
        "Нервы на пределе, и даже небольшая перемена режима ощущается "
        "резко."]),
    # Neptune
    dict(conj=[
        "Нептун рождения связан с иммунитетом, лимфой и чувствительностью к "
        "лекарствам, поэтому реакции организма сейчас тоньше и менее "
        "предсказуемы.",
        "Натальный Нептун показывает, где организм особенно восприимчив, и "
        "сейчас это заметнее обычного."],
     soft=[
        "Сон целебен, отдых у воды восстанавливает, а мягкие методы "
        "помогают лучше жёстких.",
        "Расслабляющие процедуры и спокойный отдых дают заметный эффект."],
     tense=[
        "Возможны вялость, аллергия и непривычная реакция на лекарства или "
        "алкоголь.",
        "Организм непредсказуемо реагирует на непривычные средства и "
        "препараты."]),
    # Pluto
    dict(conj=[
        "Плутон рождения связан с выведением лишнего и способностью к "
        "восстановлению, поэтому организм сейчас проходит через глубокое "
        "обновление.",
        "Натальный Плутон показывает скрытые резервы; транзит их будит, но и "
        "расходует."],
     soft=[
        "Восстановление идёт мощно, и даже серьёзная нагрузка проходит без "
        "последствий.",
        "Организм охотно освобождается от лишнего, и вредные привычки "
        "отпускают легче."],
     tense=[
        "Возможны упадок сил после долгого напряжения и обострение скрытых "
        "проблем.",
        "Перегрузки оставляют след надолго, и восстановление после них "
        "затягивается."]),
    # Chiron
    dict(conj=[
        "Хирон рождения указывает на уязвимое место организма, и транзит "
        "снова делает его заметным.",
        "Натальный Хирон говорит о старых травмах и о способности их лечить, "
        "и сейчас обе темы звучат громче."],
     soft=[
        "Лечение успешно, а верный специалист находится вовремя.",
        "Старые проблемы отступают, если не бросать заботу на полпути."],
     tense=[
        "Возможно обострение старых болячек и травм.",
        "Слабое место откликается на перегрузки раньше, чем весь организм."]),
    # Proserpina
    dict(conj=[
        "Прозерпина рождения связана с кишечником и очищением организма, "
        "поэтому сейчас особенно важны питание и ежедневные привычки.",
        "Натальная Прозерпина говорит о способности к медленному "
        "восстановлению, и сейчас оно требует терпения."],
     soft=[
        "Очищение идёт легко, а пищеварение работает ровно.",
        "Лёгкое питание и ровный распорядок приносят быстрый результат."],
     tense=[
        "Возможны расстройства пищеварения и долгое восстановление после "
        "болезни.",
        "Организм отпускает накопленное неохотно, и торопить его не "
        "стоит."]),
    # Rahu
    dict(conj=[
        "Раху рождения связан с новыми привычками и аппетитом к жизни, "
        "поэтому сейчас легко увлечься чем-то непривычным.",
        "Натальный Раху показывает, куда тянет человека, и сейчас эта тяга "
        "сильна и в образе жизни."],
     soft=[
        "Новые полезные привычки закрепляются быстро.",
        "Новый режим или вид спорта даётся легче, чем обычно."],
     tense=[
        "Возможны перегрузки и срывы от нетерпения.",
        "Модные методы могут навредить, если не учитывают особенностей "
        "организма."]),
    # Ketu
    dict(conj=[
        "Кету рождения говорит о запасе сил и давних слабостях, поэтому "
        "сейчас может ощущаться отлив энергии.",
        "Натальный Кету показывает унаследованные особенности здоровья, и "
        "транзит напоминает о них."],
     soft=[
        "Старые методы помогают, а отдых быстро восстанавливает.",
        "Проверенные привычки снова работают."],
     tense=[
        "Возможны слабость, апатия и возврат старых жалоб.",
        "Силы убывают быстрее обычного, а восстанавливаются медленнее."]),
    # Selena
    dict(conj=[
        "Селена рождения — это защитные силы организма, и транзит их "
        "укрепляет, если не нарушать режим.",
        "Натальная Селена показывает, что помогает восстановиться, и сейчас "
        "это особенно заметно."],
     soft=[
        "Защитные силы высоки, и профилактика особенно действенна.",
        "Закаливание и прогулки дают ощутимый результат."],
     tense=[
        "Защита слабеет от вредных привычек и нарушений режима.",
        "Организму нужна помощь, а не испытание на прочность."]),
    # Lilith
    dict(conj=[
        "Лилит рождения связана с вредными привычками и подавленным "
        "напряжением, поэтому сейчас они заметнее.",
        "Натальная Лилит показывает, где тянет к вредному, и транзит "
        "усиливает эту тягу."],
     soft=[
        "Легче справиться с вредной привычкой и снять скрытое напряжение.",
        "То, что подтачивает силы, сейчас легко распознать."],
     tense=[
        "Возможны срывы, переедание и бессонница от скрытой тревоги.",
        "Подавленные чувства ищут выхода через тело."]),
    # Ascendant
    dict(conj=[
        "Асцендент рождения — это тело в целом и внешний вид, поэтому "
        "транзит ощущается прямо: в тонусе, бодрости и в том, как человек "
        "выглядит.",
        "Натальный Асцендент связан с головой и общим тонусом, и сейчас "
        "самочувствие заметно меняется."],
     soft=[
        "Выглядит человек хорошо, чувствует себя бодро, и начинания в "
        "заботе о себе удаются.",
        "Тело откликается на заботу быстро, и это видно со стороны."],
     tense=[
        "Возможны недовольство своим видом, вялость по утрам и тяжесть в "
        "голове к вечеру.",
        "Тело просит внимания, и перегрузки сказываются быстро."]),
    # MC
    dict(conj=[
        "Середина Неба рождения связана с работой и ответственностью, "
        "поэтому здоровье сейчас зависит от того, сколько сил уходит на "
        "служебные цели.",
        "Середина Неба в гороскопе рождения показывает, какой ценой даётся "
        "карьера, и сейчас нагрузка растёт."],
     soft=[
        "Работа не выматывает, и хватает сил на отдых.",
        "Начальство и коллеги с пониманием относятся к просьбам о разумном "
        "графике."],
     tense=[
        "Возможны переутомление и стресс от ответственности.",
        "Работа норовит вытеснить отдых, и это первое, что стоит "
        "исправить."]),
]

# How long the transit lasts, told for the body.
MEDICAL_TIME = [
    # Sun
    ["Солнце держит этот аспект два-три дня, так что это короткий всплеск "
     "или спад тонуса.",
     "Через пару дней Солнце уйдёт дальше, и самочувствие вернётся к "
     "привычному ритму.",
     "Такой солнечный транзит повторяется каждый год в одни и те же дни, "
     "и его полезно замечать.",
     "Солнечный транзит короткий, и его влияние на самочувствие проходит за "
     "пару дней.",
     "Два-три дня под этим аспектом стоит просто внимательнее относиться к "
     "своему ритму."],
    # Moon
    ["Лунное влияние длится несколько часов, от силы сутки, и к следующему "
     "дню самочувствие выравнивается.",
     "Это короткая волна: Луна уходит дальше за считаные часы.",
     "Такие часы повторяются каждый месяц, и по ним хорошо изучать свои "
     "ритмы.",
     "Влияние Луны проходит быстро, поэтому мелкие колебания самочувствия не "
     "стоят беспокойства.",
     "Через несколько часов Луна уйдёт, и организм вернётся к обычному "
     "ритму."],
    # Mercury
    ["Меркурий проходит эту точку за день-два, хотя при его попятном "
     "движении нервная нагрузка может растянуться.",
     "Это короткий транзит, и утомление от него уходит вместе с ним.",
     "Через день-два напряжение спадёт, если не подстёгивать его кофе и "
     "спешкой.",
     "Меркурий уходит от этой точки за пару дней, и нервная нагрузка спадает "
     "вместе с ним.",
     "Пока длится этот короткий транзит, полезно беречь голову от лишней "
     "информации."],
    # Venus
    ["Венера задерживается здесь на два-три дня, и этого хватает, чтобы "
     "заметить, как удовольствия влияют на самочувствие.",
     "Транзит Венеры недолог, но последствия его застолий могут остаться "
     "дольше.",
     "Пара дней под Венерой — хороший повод побаловать себя без "
     "излишеств.",
     "Венера держит этот аспект недолго, и её влияние на самочувствие мягкое.",
     "Через несколько дней Венера уйдёт, а вместе с ней и тяга к лишнему."],
    # Mars
    ["Марс держит этот аспект около недели, и её хватает, чтобы почувствовать "
     "и прилив сил, и усталость от него.",
     "Около недели энергия будет повышенной, а потом выровняется.",
     "При попятном Марсе транзит растягивается на недели, и отдых между "
     "нагрузками становится особенно важен.",
     "Марс проходит эту точку за несколько дней, и всплеск энергии быстро "
     "сменяется обычным ритмом.",
     "Самые горячие дни этого транзита — дни точного аспекта, и на них лучше "
     "не планировать рекордов."],
    # Jupiter
    ["Юпитер действует около месяца, так что перемены в весе и аппетите "
     "успевают проявиться.",
     "Это влияние нескольких недель, а при попятном движении Юпитер "
     "возвращается к точке ещё раз.",
     "Месяц под Юпитером — подходящий срок, чтобы закрепить полезную "
     "привычку.",
     "Юпитер задерживается здесь на несколько недель, и привычки этого "
     "времени успевают закрепиться.",
     "Влияние Юпитера нарастает постепенно и так же постепенно уходит."],
    # Saturn
    ["Сатурн проходит эту точку за два-три месяца, поэтому разовым усилием "
     "здесь не обойтись.",
     "Это долгий транзит, и его нагрузку лучше распределять, чем "
     "терпеть.",
     "Сатурн может вернуться к точке ещё раз в течение года, и нагрузка этого "
     "времени тогда повторится.",
     "Сатурн идёт медленно, и его нагрузка растянута на месяцы.",
     "Под Сатурном организм перестраивается неспешно, и торопить его не "
     "нужно."],
    # Uranus
    ["Уран держит этот аспект месяцами, но проявляется толчками, в дни "
     "точного аспекта.",
     "Это долгий транзит, и режим лучше выстраивать с запасом на "
     "неожиданности.",
     "За год Уран может пройти через точку до трёх раз, и каждый раз нервы "
     "проверяются заново.",
     "Уран движется медленно, но его влияние приходит рывками.",
     "Этот транзит длится месяцы, и нервной системе нужен запас прочности на "
     "всё это время."],
    # Neptune
    ["Нептун идёт очень медленно, и его влияние растянуто на год и больше.",
     "Это долгий и тихий транзит, изменения от которого накапливаются "
     "незаметно.",
     "Несколько раз за год-полтора Нептун подходит к точке, и в эти "
     "недели чувствительность особенно высока.",
     "Нептун почти неподвижен, и его влияние на самочувствие становится фоном "
     "целого года.",
     "Действие Нептуна медленное, и перемены в самочувствии под ним заметны "
     "не сразу."],
    # Pluto
    ["Плутон держит этот аспект год и больше, так что речь идёт о долгой "
     "перестройке организма.",
     "Это самый медленный из планетных транзитов, и бережный режим нужен "
     "на весь его срок.",
     "Плутон приходит к точке несколько раз, и после каждого захода нужно "
     "время на восстановление.",
     "Плутон движется так медленно, что его влияние на организм растягивается "
     "на годы.",
     "Перестройка под Плутоном идёт медленно, и восстановлению нужно отдавать "
     "столько же времени."],
    # Chiron
    ["Хирон задерживается на этом месте на месяцы, и его тема то стихает, "
     "то возвращается.",
     "Это долгий транзит, удобный для того, чтобы спокойно пройти "
     "лечение.",
     "Влияние Хирона неравномерно: неделями его не видно, а потом оно "
     "вдруг ощутимо.",
     "Хирон держит этот аспект долго, и времени на лечение хватает.",
     "Месяцы под Хироном хорошо использовать для спокойной, планомерной "
     "заботы о себе."],
    # Proserpina
    ["Прозерпина почти неподвижна и держит этот аспект несколько лет, "
     "поэтому речь о долгом фоне.",
     "Это медленный транзит, и перемены в самочувствии под ним копятся "
     "годами.",
     "Прозерпина смещается на полградуса в год, и её влияние лучше "
     "встречать постоянными привычками.",
     "Прозерпина остаётся у этой точки годами, поэтому забота здесь — часть "
     "образа жизни.",
     "Это самый долгий из транзитов, и его влияние копится незаметно."],
    # Rahu
    ["Северный узел задерживается на этом аспекте недели на три.",
     "Это узловой транзит на несколько недель, и за это время можно понять, "
     "что организму действительно подходит.",
     "Около трёх недель тема остаётся острой, а потом узел смещается "
     "дальше.",
     "Раху задерживается здесь недели на три, а потом смещается дальше.",
     "Несколько недель под Раху — хороший срок, чтобы проверить новую "
     "привычку."],
    # Ketu
    ["Южный узел проходит эту точку недели за три, и отлив сил уходит "
     "вместе с ним.",
     "Это несколько недель, когда организму полезно больше отдыхать.",
     "Узловой транзит недолог, но хорошо показывает, какие старые привычки "
     "пора оставить.",
     "Кету держит этот аспект несколько недель, и отдых в это время особенно "
     "ценен.",
     "Южный узел действует тихо, и отлив сил под ним проходит так же "
     "незаметно, как начался."],
    # Selena
    ["Селена проходит эту точку примерно за неделю.",
     "Неделя под Селеной хороша для добрых привычек и спокойного режима.",
     "Это короткий, около недели, транзит, и его поддержку легко "
     "пропустить, если не прислушиваться к себе.",
     "Селена задерживается здесь около недели, и её поддержку стоит "
     "использовать.",
     "Через неделю Селена уйдёт дальше, но полезные привычки этих дней "
     "останутся."],
    # Lilith
    ["Лилит задерживается здесь дней на десять.",
     "Это около полутора недель, когда соблазны особенно настойчивы.",
     "Дней через десять влияние Лилит ослабнет, а полезное решение, "
     "принятое за это время, останется.",
     "Чёрная Луна держит этот аспект дней десять.",
     "Около десяти дней соблазны под Лилит особенно сильны, а потом "
     "отступают."],
]

# Care of the natal point's systems: for the harmonious aspects and for the
# tense ones; the conjunction takes from both.
MEDICAL_ADVICE = [
    # Sun
    dict(easy=["Стоит больше бывать на солнце и воздухе, но без перегрева.",
               "Хорошо поддержать сердце ровной, приятной нагрузкой — "
               "ходьбой, плаванием, велосипедом.",
               "Полезно начинать день с короткой прогулки."],
         hard=["Лучше не работать на износ и вовремя ложиться спать.",
               "Стоит снизить темп и оставлять паузы между делами.",
               "Если утомление не проходит несколько дней, разумно "
               "показаться врачу.",
               "Помогают тёплый душ вечером и проветренная спальня."]),
    # Moon
    dict(easy=["Стоит беречь режим сна и есть в одно и то же время.",
               "Хорошо пить больше простой воды и отдыхать в тишине.",
               "Полезно ужинать пораньше и легко."],
         hard=["Лучше есть легко и не на ходу, а на ночь не переедать.",
               "Помогают тёплое питьё, прогулка перед сном и отказ от "
               "тревожных новостей по вечерам.",
               "Если бессонница или тяжесть в желудке затягиваются, стоит "
               "обсудить это с врачом.",
               "Стоит не есть на бегу и в волнении."]),
    # Mercury
    dict(easy=["Стоит делать дыхательные упражнения и чаще гулять.",
               "Хорошо разгружать голову: записывать дела, а не держать их в "
               "уме.",
               "Полезно проветривать комнату и гулять без телефона."],
         hard=["Лучше ограничить экран и переписку по вечерам.",
               "Помогают паузы, растяжка шеи и плеч, тёплый чай вместо "
               "крепкого кофе.",
               "Если нервное напряжение не отпускает, полезно поговорить со "
               "специалистом.",
               "Стоит делать перерывы в работе за экраном."]),
    # Venus
    dict(easy=["Стоит уделить время уходу за кожей и отдыху, который "
               "радует.",
               "Хорошо пить достаточно воды и есть больше свежих овощей и "
               "фруктов.",
               "Полезно побаловать себя массажем или спокойной ванной."],
         hard=["Лучше ограничить сладкое, соль и поздние застолья.",
               "Помогают умеренность и тёплый шарф, если горло "
               "чувствительное.",
               "Если раздражение кожи или горла не проходит, стоит "
               "показаться врачу.",
               "Стоит пить больше воды и меньше сладких напитков."]),
    # Mars
    dict(easy=["Стоит дать телу движение: спорт, работу в саду, долгую "
               "прогулку.",
               "Хорошо тренироваться с удовольствием, но не до "
               "изнеможения.",
               "Полезно выбрать нагрузку по силам и радоваться ей."],
         hard=["Лучше не торопиться за рулём и аккуратнее обращаться с "
               "инструментами.",
               "Помогают разминка перед нагрузкой и отдых после неё.",
               "Если держится температура или не проходит боль после "
               "ушиба, нужно обратиться к врачу.",
               "Стоит давать мышцам отдых между тренировками."]),
    # Jupiter
    dict(easy=["Стоит выбрать оздоровительный отдых или санаторий.",
               "Хорошо есть вкусно, но умеренно, и больше двигаться.",
               "Полезно ходить пешком хотя бы полчаса в день."],
         hard=["Лучше отказаться от жирного, жареного и лишних порций.",
               "Помогают лёгкий ужин и регулярная ходьба.",
               "Если тяжесть после еды повторяется, стоит обсудить это с "
               "врачом.",
               "Стоит вставать из-за стола с лёгким чувством голода."]),
    # Saturn
    dict(easy=["Стоит заняться гимнастикой для спины и суставов.",
               "Хорошо запланировать визит к стоматологу или плановый "
               "осмотр.",
               "Полезно следить за осанкой и делать разминку."],
         hard=["Лучше беречься от холода и не сидеть долго в одной позе.",
               "Помогают тепло, регулярное движение и достаточный сон.",
               "Если боль в суставах или спине не отпускает, не стоит "
               "откладывать визит к врачу.",
               "Стоит одеваться по погоде и держать ноги в тепле."]),
    # Uranus
    dict(easy=["Стоит попробовать новую гимнастику или другой распорядок "
               "дня.",
               "Хорошо разнообразить нагрузки и чаще бывать на воздухе.",
               "Полезно менять вид нагрузки, чтобы не заскучать."],
         hard=["Лучше держать ровный распорядок и пить меньше кофе.",
               "Помогают спокойные вечера и отказ от резких перемен "
               "режима.",
               "Если сердцебиение или спазмы беспокоят часто, это повод "
               "обратиться к врачу.",
               "Стоит ложиться спать в одно и то же время."]),
    # Neptune
    dict(easy=["Стоит больше спать и отдыхать у воды.",
               "Хорошо заниматься музыкой, плаванием или медитацией.",
               "Полезно оставлять время для тишины и отдыха."],
         hard=["Лучше не заниматься самолечением и осторожнее обращаться с "
               "алкоголем.",
               "Помогают ясный распорядок и проверенные средства.",
               "Любое новое лекарство стоит принимать только по совету "
               "врача.",
               "Стоит осторожнее обращаться с алкоголем и снотворными."]),
    # Pluto
    dict(easy=["Стоит отказаться от вредной привычки — сил на это сейчас "
               "хватит.",
               "Хорошо заняться очищающим питанием и сходить в баню, если "
               "она не противопоказана.",
               "Полезно устроить организму разгрузочный день."],
         hard=["Лучше не гнать себя через силу: отдых тоже часть дела.",
               "Помогает честный взгляд на собственную усталость.",
               "Затяжное недомогание — повод для спокойного "
               "обследования.",
               "Стоит вовремя останавливаться, даже когда кажется, что силы "
               "ещё есть."]),
    # Chiron
    dict(easy=["Стоит довести до конца начатое лечение.",
               "Хорошо найти врача или метод, которому можно доверять.",
               "Полезно записывать, что помогает, а что нет."],
         hard=["Лучше беречь слабое место от перегрузок.",
               "Помогает терпение: старые проблемы уходят постепенно.",
               "Если вернулась старая боль, стоит показаться специалисту, а "
               "не терпеть.",
               "Стоит не перегружать то место, которое уже болело."]),
    # Proserpina
    dict(easy=["Стоит перейти на лёгкую, простую еду и пить больше воды.",
               "Хорошо наладить распорядок, в котором есть место "
               "неспешным прогулкам.",
               "Полезно есть в одно и то же время и не спеша."],
         hard=["Лучше не торопить восстановление и не перегружать "
               "пищеварение.",
               "Помогают регулярность и тёплая, простая пища.",
               "Если пищеварение долго не приходит в норму, лучше "
               "обратиться к врачу.",
               "Стоит не экспериментировать с питанием."]),
    # Rahu
    dict(easy=["Стоит начать новую полезную привычку и держаться её.",
               "Хорошо увеличивать нагрузку постепенно.",
               "Полезно вести дневник новых привычек."],
         hard=["Лучше не гнаться за быстрым результатом и модными "
               "диетами.",
               "Помогает чувство меры — в еде, спорте и делах.",
               "Новые методы стоит обсудить с врачом, прежде чем "
               "пробовать.",
               "Стоит не пробовать сразу несколько новых методов."]),
    # Ketu
    dict(easy=["Стоит вернуться к проверенным способам восстановления.",
               "Хорошо больше отдыхать в тишине.",
               "Полезно позволить себе лишний час сна."],
         hard=["Лучше снизить нагрузку и больше спать.",
               "Помогают мягкий режим и внимание к сигналам тела.",
               "Если слабость не проходит, стоит обратиться к врачу и "
               "выяснить её причину.",
               "Стоит отложить тяжёлую нагрузку на потом."]),
    # Selena
    dict(easy=["Стоит заняться профилактикой и закаливанием.",
               "Хорошо гулять, дышать свежим воздухом и есть простую еду.",
               "Полезно больше бывать на свежем воздухе."],
         hard=["Лучше отказаться от того, что вредит, хотя бы на время "
               "транзита.",
               "Помогает возвращение к разумному режиму.",
               "Защитные силы восстанавливаются от сна и отдыха, а не от "
               "подстёгивания.",
               "Стоит вернуться к режиму, который когда-то помогал."]),
    # Lilith
    dict(easy=["Стоит воспользоваться моментом и расстаться с вредной "
               "привычкой.",
               "Хорошо дать выход напряжению через движение или "
               "откровенный разговор.",
               "Полезно заменить вредную привычку полезной."],
         hard=["Лучше избегать поздних застолий, алкоголя и бессонных "
               "ночей.",
               "Помогает честность с собой: что именно подтачивает силы?",
               "Если скрытая тревога мешает спать, стоит поговорить со "
               "специалистом.",
               "Стоит не оставаться наедине с тревогой."]),
    # Ascendant
    dict(easy=["Стоит начать новую привычку в заботе о теле.",
               "Хорошо уделить время осанке, внешности и свежему воздуху.",
               "Полезно чаще бывать на воздухе и двигаться."],
         hard=["Лучше не перегружать себя и высыпаться.",
               "Помогают размеренный день и прогулки без спешки.",
               "Если головные боли повторяются, стоит обратиться к "
               "врачу.",
               "Стоит беречь голову от холода и перенапряжения."]),
    # MC
    dict(easy=["Стоит договориться о разумном графике работы.",
               "Хорошо планировать отдых так же тщательно, как дела.",
               "Полезно заканчивать работу вовремя."],
         hard=["Лучше поручить часть обязанностей другим и не брать работу "
               "домой.",
               "Помогают выходные без рабочей почты.",
               "Если стресс от работы мешает спать, стоит поговорить об этом "
               "со специалистом.",
               "Стоит не брать на себя чужие задачи."]),
]

MEDICAL_PAIRS = {
    (SOL, SOL, "conj"):
        "Солнце возвращается на своё натальное место — это дни рождения, "
        "когда тонус нередко ненадолго проседает перед новым годовым "
        "подъёмом.",
    (SEL, SEL, "conj"):
        "Луна возвращается на своё натальное место раз в месяц, и в эти "
        "часы особенно видно, как настроение управляет самочувствием.",
    (JUP, JUP, "conj"):
        "Возвращение Юпитера на натальное место, раз в двенадцать лет, "
        "обновляет запас сил, но вместе с ним растёт и аппетит.",
    (SAT, SAT, "conj"):
        "Возвращение Сатурна, около тридцати и около шестидесяти лет, — "
        "время, когда организм требует более взрослого, бережного режима.",
    (SAT, SAT, "tense"):
        "Квадраты и оппозиция Сатурна к своему месту, примерно раз в семь "
        "лет, — периоды, когда накопленная усталость особенно ощутима.",
    (URAN, URAN, "tense"):
        "Квадрат Урана к своему месту около двадцати лет и оппозиция около "
        "сорока двух часто совпадают с перестройкой образа жизни, и нервной "
        "системе нужна поддержка.",
    (NEP, NEP, "conj"):
        "Нептун за жизнь не возвращается на своё место: это соединение "
        "звучит лишь в первые месяцы жизни, когда организм особенно "
        "восприимчив.",
    (PLUT, PLUT, "conj"):
        "Плутон не возвращается на своё место за человеческую жизнь, и это "
        "соединение говорит лишь о первых годах, когда закладываются "
        "глубокие запасы сил.",
    (HIR, HIR, "conj"):
        "Возвращение Хирона около пятидесяти лет поднимает давние вопросы "
        "здоровья, чтобы ими наконец занялись всерьёз.",
    (PROZ, PROZ, "conj"):
        "Прозерпина почти не сходит со своего места: это соединение "
        "относится к первым годам жизни и говорит о врождённой способности "
        "к восстановлению.",
    (PROZ, PROZ, "soft"):
        "Прозерпина движется так медленно, что секстиль или трин к своему "
        "месту в обычной жизни не встречается; если он показан, лучше "
        "сверить даты рождения и транзита.",
    (PROZ, PROZ, "tense"):
        "Прозерпина движется так медленно, что квадрат или оппозиция к "
        "своему месту в обычной жизни не встречаются; если такой аспект "
        "показан, лучше сверить даты рождения и транзита.",
    (RAHU, RAHU, "conj"):
        "Раху возвращается на своё место раз в восемнадцать с половиной "
        "лет, и это удачное время, чтобы пересмотреть привычки и образ "
        "жизни.",
    (VEN, VEN, "conj"):
        "Возвращение Венеры на её натальное место, примерно раз в год, "
        "обновляет отношение к удовольствиям, еде и уходу за собой.",
    (MARS, MARS, "conj"):
        "Марс возвращается на своё натальное место примерно раз в два года, "
        "и начинается новый круг физической активности: хорошо выбрать "
        "нагрузку, которой хватит на ближайшие месяцы.",
    (SELENA, SELENA, "conj"):
        "Селена возвращается на своё натальное место раз в семь лет, и это "
        "хорошее время начать здоровую привычку: она приживётся легко.",
    (LILIT, LILIT, "conj"):
        "Лилит возвращается на своё натальное место примерно раз в девять "
        "лет, и старые вредные привычки снова проверяют человека на "
        "стойкость.",
}
assert len(MEDICAL_SPHERES) == 18 and len(MEDICAL_TRANSIT) == 16
assert len(MEDICAL_NATAL) == 18 and len(MEDICAL_TIME) == 16
assert len(MEDICAL_ADVICE) == 18

MEDICAL_PATTERNS = ["OATC", "OABC", "OTAC", "OABC", "OATC"]

TEXTS = {
    "classic": dict(
        intro=None, spheres=classic_spheres, transit=CLASSIC_TRANSIT,
        natal=CLASSIC_NATAL, time=CLASSIC_TIME,
        advice=lambda b, x: CLASSIC_ADVICE[b], pairs=CLASSIC_PAIRS,
        patterns=CLASSIC_PATTERNS),
    "medical": dict(
        intro=MEDICAL_INTRO, spheres=lambda x: MEDICAL_SPHERES[x],
        transit=MEDICAL_TRANSIT, natal=MEDICAL_NATAL, time=MEDICAL_TIME,
        advice=lambda b, x: MEDICAL_ADVICE[x], pairs=MEDICAL_PAIRS,
        patterns=MEDICAL_PATTERNS),
}


if __name__ == "__main__":
    sys.exit(main())

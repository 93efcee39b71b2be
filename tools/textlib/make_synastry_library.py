#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Builds the synastry text library in data/Dann/Sins: SinAsp.txt
(partnership), Erot2.txt (erotic), SinAsp01.txt and SinDom01.txt (karmic)
and Wzaimn.txt (waiting for a partner).

Usage: python3 tools/textlib/make_synastry_library.py
           [--out DIR] [--show N] [--keys FILE]
           [--sample DIR] [--pairs N] [--seed N]

The files are plain (not enciphered), Windows-1251 with CR LF line ends, in
the bracket layout: a heading is any line that contains "[", body lines
never contain "[", and every file ends with the closing line "[[[[[".
Every key is one bracketed code and is matched as a case-sensitive
substring of the heading. Each heading here is written for exactly one key:
the key first, a blank, then the title. The program shows a heading from
behind its second "]" (from behind its first when there is no second); the
titles hold no "]", so the reader sees " " + title. Body lines are at most
50 characters, headings at most 76.

Codes: body b = 1..16 is written "01".."16" (Sun, Moon, Mercury, Venus,
Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Chiron, Proserpina, Rahu,
Ketu, Selena, Lilith); house h = 1..12 is "h01".."h12"; sign s = 1..12
(Aries..Pisces) is "01".."12"; the aspect code of the six angles, in the
composers' order 0, 60, 90, 120, 180, 150, is ".000.", ".060.", ".090.",
".120.", ".180.", ".150.". Below, BB and SS are two-digit codes, HH a
two-digit house number, ANG one of the six aspect codes, X the sex letter.

SinAsp.txt and Erot2.txt (the same 4032 keys; the partnership composer
reads SinAsp.txt for "Синастрия партнерство" and Erot2.txt for "Эротика"):
    "[" BB(my body a) ANG BB(partner's body b) "]"   16*6*16 = 1536
        body to body, e.g. [01.090.02]: my Sun square the partner's Moon
    "[h" HH(my house) ANG BB(partner's body) "]"     12*6*16 = 1152
        the partner's body to my house cusp, e.g. [h01.090.05]
    "[" BB(my body) ANG "h" HH(partner's house) "]"  16*6*12 = 1152
        my body to the partner's house cusp, e.g. [05.090.h01]
    "[h" HH(my house) "." BB(partner's body) "]"     12*16 = 192
        the partner's body in my house, e.g. [h03.05]

SinAsp01.txt (karmic, body to body; 1536 keys):
    "[" BB(man's body) ANG BB(woman's body) "]", e.g. [07.090.04]: the
        man's Saturn square the woman's Venus (the man's code comes first
        whoever of the two is person 1)

SinDom01.txt (karmic, houses; 192 keys):
    "[" BB(person 2's body) ".h" HH(person 1's house) "]", e.g. [05.h03]

Wzaimn.txt (waiting for a partner; 875 keys):
    "[Аспектирован]"                                 1
        shown once when at least one of the bodies 1..10 is aspected
    "[not." BB(body 1..10) "]"                       10
        an unaspected body, e.g. [not.05]
    "[h" HH ".z" SS(sign of cusp h) "]"              12*12 = 144
        houses in signs, e.g. [h01.z05]: the Ascendant in Leo
    "[" BB(body 1..16) X ".z" SS "]"                 16*2*12 = 384
        planets in signs by the sex letter X, "М" for a man and "Ж" for a
        woman (Cyrillic), e.g. [05М.z01], [05Ж.z01]
    "[h" HH(house of the body) "." BB(body 1..16) "]"   12*16 = 192
        planets in houses, e.g. [h05.03]
    "[u" HH(house h) ".h" HH(house of the ruler of the sign of cusp h) "]"
                                                     12*12 = 144
        house rulers in houses, e.g. [u01.h05]
    The date lists before these sections are written by the program and
    read nothing from the file.

The same key sets, one key per line and grouped by file, are written by
--keys FILE. The prose is composed from the tables at the end of this file;
every choice among wordings is made by hashing (see spread() below), so the
output is the same byte for byte on every run.

After writing, every file is read back and checked by brute force: every
key the composers can ask for matches exactly one heading and every heading
is matched by its own key only (substring tests, case-sensitive, as the
program does them); the closing line answers no key; bodies hold no "[",
no control characters, 3 to 7 lines of at most 50 characters; headings are
at most 76 characters; every entry passes prose_check.lint_entry. Then the
texts of random pairs of charts are put together as the composers would put
them together (header, section titles, aspect lines, entries in file
order), with the start-up planet settings and with the ten planets at the
synastry orbs, and the run fails when one of them repeats itself more than
prose_check.REPETITION_BOUND allows; the shares with every body included
(two to three times the aspects) and of the waiting text with its date
lists are printed, not bounded. Any fault stops the run with a message and
a non-zero exit status.

"""

import argparse
import hashlib
import math
import random
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(HERE))

import prose_check  # noqa: E402
import make_radix_library as radix_lib  # noqa: E402
import make_transit_library as transit_lib  # noqa: E402
from make_directions_library import (  # noqa: E402
    ANGLE_NAMES, BODY_NAMES, CASES, cap, noun_forms, pick, prep_s, prep_v,
    regular_m, sentences, wrap)
from meanings import HOUSES, SIGNS  # noqa: E402

DEFAULT_DIR = REPO / "data" / "Dann" / "Sins"
ENCODING = "cp1251"
BODY_WIDTH = 50       # what the program's text view shows of a line
HEADING_WIDTH = 76    # the longest heading
MIN_LINES, MAX_LINES = 3, 7
CLOSING = "[[[[["

PARTNER_FILE = "SinAsp.txt"
EROTIC_FILE = "Erot2.txt"
KARMIC_ASPECT_FILE = "SinAsp01.txt"
KARMIC_HOUSE_FILE = "SinDom01.txt"
WAITING_FILE = "Wzaimn.txt"
FILE_ORDER = [PARTNER_FILE, EROTIC_FILE, KARMIC_ASPECT_FILE,
              KARMIC_HOUSE_FILE, WAITING_FILE]

CheckError = transit_lib.CheckError
fail = transit_lib.fail

# ---------------------------------------------------------------------------
# Codes and keys, exactly as the composers form them.
# ---------------------------------------------------------------------------
ANGLES = [0, 60, 90, 120, 180, 150]          # the composers' order
ASPECT_CODES = {0: ".000.", 60: ".060.", 90: ".090.", 120: ".120.",
                180: ".180.", 150: ".150."}
CLASS_OF = {0: "conj", 60: "soft", 120: "soft", 90: "hard", 180: "hard",
            150: "adj"}
SEX_LETTERS = {"man": "М", "woman": "Ж"}     # Cyrillic
ASPECTED_KEY = "[Аспектирован]"
# The ruler of each sign (Aries..Pisces), bodies counted from 0: Mars,
# Venus, Mercury, Moon, Sun, Mercury, Venus, Pluto, Jupiter, Saturn,
# Uranus, Neptune.
SIGN_RULER = [4, 3, 2, 1, 0, 2, 3, 9, 5, 6, 7, 8]


def bc(b):
    """Body code of body b (0-based)."""
    return "%02d" % (b + 1)


def hc(h):
    """House code of house h (0-based)."""
    return "h%02d" % (h + 1)


def key_pair(a, angle, b):
    return "[%s%s%s]" % (bc(a), ASPECT_CODES[angle], bc(b))


def key_partner_to_my_house(h, angle, b):
    return "[%s%s%s]" % (hc(h), ASPECT_CODES[angle], bc(b))


def key_my_body_to_partner_house(a, angle, h):
    return "[%s%s%s]" % (bc(a), ASPECT_CODES[angle], hc(h))


def key_partner_in_my_house(h, b):
    return "[%s.%s]" % (hc(h), bc(b))


def key_karmic_house(b, h):
    return "[%s.%s]" % (bc(b), hc(h))


def key_unaspected(j):
    return "[not.%s]" % bc(j)


def key_house_sign(h, s):
    return "[%s.z%02d]" % (hc(h), s + 1)


def key_body_sign(i, sex, s):
    return "[%s%s.z%02d]" % (bc(i), SEX_LETTERS[sex], s + 1)


def key_body_house(h, i):
    return "[%s.%s]" % (hc(h), bc(i))


def key_ruler_house(h, k):
    return "[u%02d.%s]" % (h + 1, hc(k))


def partnership_key_groups():
    """The keys of SinAsp.txt and Erot2.txt, section by section."""
    return [
        ("тела к телам", [key_pair(a, g, b) for a in range(16)
                          for b in range(16) for g in ANGLES]),
        ("тела партнёра к моим куспидам",
         [key_partner_to_my_house(h, g, b) for b in range(16)
          for h in range(12) for g in ANGLES]),
        ("мои тела к куспидам партнёра",
         [key_my_body_to_partner_house(a, g, h) for a in range(16)
          for h in range(12) for g in ANGLES]),
        ("тела партнёра в моих домах",
         [key_partner_in_my_house(h, b) for b in range(16)
          for h in range(12)]),
    ]


def karmic_aspect_key_groups():
    return [("тело мужчины к телу женщины",
             [key_pair(m, g, w) for w in range(16) for m in range(16)
              for g in ANGLES])]


def karmic_house_key_groups():
    return [("тела партнёра в моих домах",
             [key_karmic_house(b, h) for b in range(16) for h in range(12)])]


def waiting_key_groups():
    return [
        ("планеты без аспектов",
         [ASPECTED_KEY] + [key_unaspected(j) for j in range(10)]),
        ("дома в знаках",
         [key_house_sign(h, s) for h in range(12) for s in range(12)]),
        ("планеты в знаках",
         [key_body_sign(i, sex, s) for i in range(16)
          for sex in ("man", "woman") for s in range(12)]),
        ("планеты в домах",
         [key_body_house(h, i) for i in range(16) for h in range(12)]),
        ("управители домов в домах",
         [key_ruler_house(h, k) for h in range(12) for k in range(12)]),
    ]


KEY_GROUPS = {
    PARTNER_FILE: partnership_key_groups,
    EROTIC_FILE: partnership_key_groups,
    KARMIC_ASPECT_FILE: karmic_aspect_key_groups,
    KARMIC_HOUSE_FILE: karmic_house_key_groups,
    WAITING_FILE: waiting_key_groups,
}


def all_keys(name):
    return [k for _, keys in KEY_GROUPS[name]() for k in keys]


# ---------------------------------------------------------------------------
# Grammar.
# ---------------------------------------------------------------------------
CASE_LETTERS = dict(nom="n", gen="g", dat="d", acc="a", ins="i", prep="p")
POSSESSIVE = {
    "m": noun_forms("ваш", "вашего", "вашему", "ваш", "вашим", "вашем"),
    "f": noun_forms("ваша", "вашей", "вашей", "вашу", "вашей", "вашей"),
    "n": noun_forms("ваше", "вашего", "вашему", "ваше", "вашим", "вашем"),
}
# Whose point it is: "ваш Марс", "Марс партнёра", "Марс мужчины"...
OWNER_TAIL = {"partner": " партнёра", "man": " мужчины", "woman": " женщины"}

ORDINALS = [
    noun_forms("первый", "первого", "первому", "первый", "первым", "первом"),
    noun_forms("второй", "второго", "второму", "второй", "вторым", "втором"),
    noun_forms("третий", "третьего", "третьему", "третий", "третьим",
               "третьем"),
    noun_forms("четвёртый", "четвёртого", "четвёртому", "четвёртый",
               "четвёртым", "четвёртом"),
    noun_forms("пятый", "пятого", "пятому", "пятый", "пятым", "пятом"),
    noun_forms("шестой", "шестого", "шестому", "шестой", "шестым", "шестом"),
    noun_forms("седьмой", "седьмого", "седьмому", "седьмой", "седьмым",
               "седьмом"),
    noun_forms("восьмой", "восьмого", "восьмому", "восьмой", "восьмым",
               "восьмом"),
    noun_forms("девятый", "девятого", "девятому", "девятый", "девятым",
               "девятом"),
    noun_forms("десятый", "десятого", "десятому", "десятый", "десятым",
               "десятом"),
    noun_forms("одиннадцатый", "одиннадцатого", "одиннадцатому",
               "одиннадцатый", "одиннадцатым", "одиннадцатом"),
    noun_forms("двенадцатый", "двенадцатого", "двенадцатому", "двенадцатый",
               "двенадцатым", "двенадцатом"),
]
for _h, _o in enumerate(ORDINALS):
    assert _o["gen"] == HOUSES[_h]["ord_gen"], _o["nom"]
ROMAN = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI",
         "XII"]

ASPECT_NOUNS = {
    0: ("n", noun_forms("соединение", "соединения", "соединению",
                        "соединение", "соединением", "соединении")),
    60: ("m", noun_forms("секстиль", "секстиля", "секстилю", "секстиль",
                         "секстилем", "секстиле")),
    90: ("m", regular_m("квадрат")),
    120: ("m", regular_m("трин")),
    180: ("f", noun_forms("оппозиция", "оппозиции", "оппозиции",
                          "оппозицию", "оппозицией", "оппозиции")),
    150: ("m", regular_m("квинконс")),
}


def body_with_owner(b, who, case):
    """"ваш Марс", "Марс партнёра", "Венеры женщины"..."""
    g, forms = BODY_NAMES[b]
    if who == "me":
        return POSSESSIVE[g][case] + " " + forms[case]
    return forms[case] + OWNER_TAIL[who]


def cusp_with_owner(h, who, case):
    """"вашему Асценденту", "V дому партнёра"...: the cusp of a house is
    named by the house, the four angles by their own names."""
    if h in ANGLE_NAMES:
        g, forms, tail = ANGLE_NAMES[h]
        if who == "me":
            return POSSESSIVE[g][case] + " " + forms[case] + tail
        return forms[case] + tail + OWNER_TAIL[who]
    dom = regular_m("дом")
    if who == "me":
        return "%s %s %s" % (POSSESSIVE["m"][case], ROMAN[h], dom[case])
    return "%s %s%s" % (ROMAN[h], dom[case], OWNER_TAIL[who])


def house_with_owner(h, who, case):
    """"ваш пятый дом", "пятого дома партнёра"..."""
    dom = regular_m("дом")
    if who == "me":
        return "%s %s %s" % (POSSESSIVE["m"][case], ORDINALS[h][case],
                             dom[case])
    return "%s %s%s" % (ORDINALS[h][case], dom[case], OWNER_TAIL[who])


def aspect_phrase(angle, target_ins, target_dat):
    """"в соединении с Луной партнёра", "в квадрате к Луне партнёра"."""
    forms = ASPECT_NOUNS[angle][1]
    if angle == 0:
        return "в %s с %s" % (forms["prep"], target_ins)
    return "в %s к %s" % (forms["prep"], target_dat)


def body_fields(prefix, b, who):
    """{An} "ваше Солнце", {Ag}, {Ad}, {Aa}, {Ai}, {Ap}; {A_n}.. the bare
    name."""
    f = {}
    for c in CASES:
        f[prefix + CASE_LETTERS[c]] = body_with_owner(b, who, c)
        f[prefix + "_" + CASE_LETTERS[c]] = BODY_NAMES[b][1][c]
    return f


def roles_for(roles, cls, same=False):
    """The roles a body can take in an aspect of the class; a body with its
    own counterpart takes any, so that the two sides differ."""
    if cls in ("hard", "adj") or same:
        return roles
    return [r for r in roles if len(r) < 6] or roles


def role_fields(prefix, role):
    """A role is (nom, acc, gen, dat, ins); None = the nominative (acc) or
    the genitive (dat). {x_with} is the instrumental with "с" or "со"."""
    nom, acc, gen, dat, ins = role[:5]
    return {prefix + "_nom": nom, prefix + "_acc": acc or nom,
            prefix + "_gen": gen, prefix + "_dat": dat or gen,
            prefix + "_ins": ins, prefix + "_with": prep_s(ins)}


def sphere_forms(prefix, sphere):
    """A house sphere (nom, acc, gen, loc, ins): {h_nom} {h_acc} {h_gen}
    {h_loc} (with its preposition) {h_with} "с ..." {h_into} "в ..."."""
    nom, acc, gen, loc, ins = sphere
    acc = acc or nom
    return {prefix + "_nom": nom, prefix + "_acc": acc, prefix + "_gen": gen,
            prefix + "_loc": loc, prefix + "_ins": ins,
            prefix + "_with": prep_s(ins), prefix + "_into": prep_v(acc)}


def about_fields(prefix, f, salt):
    """{h_all_with} "во всём, что связано с ..." and {h_all_gen} "во всём,
    что касается ...", in one of their wordings."""
    return {
        prefix + "_all_with": pick(["во всём, что связано ",
                                    "в том, что связано ",
                                    "в делах, связанных "],
                                   "about with", *salt) + f[prefix + "_with"],
        prefix + "_all_gen": pick(["во всём, что касается ",
                                   "в том, что касается ",
                                   "там, где дело касается "],
                                  "about gen", *salt) + f[prefix + "_gen"],
    }


def owner_fields(prefix, who):
    """{own_u} "у вас" / "у партнёра", {own_dat} "вам" / "партнёру",
    {own_gen} "вас" / "партнёра", {own_ins} "вами" / "партнёром"; {Own_u}..
    capitalised."""
    if who == "me":
        f = {prefix + "_u": "у вас", prefix + "_dat": "вам",
             prefix + "_gen": "вас", prefix + "_ins": "вами"}
    else:
        f = {prefix + "_u": "у партнёра", prefix + "_dat": "партнёру",
             prefix + "_gen": "партнёра", prefix + "_ins": "партнёром"}
    f.update({cap(k): cap(v) for k, v in list(f.items())})
    return f


def sign_in(s):
    """"в Овне", "во Льве"."""
    return SIGNS[s]["vprep"]


# ---------------------------------------------------------------------------
# Entries.
# ---------------------------------------------------------------------------
class Entry:
    def __init__(self, key, title, body):
        self.key = key
        self.title = title
        self.body = body
        self.heading = "%s %s" % (key, title)
        self.lines = wrap(body)


def shown_heading(heading):
    """The heading as the synastry composers show it: cut through its first
    "]", then through the next one when there is one."""
    rest = heading[heading.index("]") + 1:] if "]" in heading else heading
    return rest[rest.index("]") + 1:] if "]" in rest else rest


def fill(template, fields):
    return template.format(**fields)


def assemble(required, optional, salt):
    """The body from the required sentences and as many of the optional
    ones (in a hashed order) as keep it within MIN_LINES..MAX_LINES."""
    optional = [p for p in optional if p]
    order = sorted(range(len(optional)),
                   key=lambda i: _salt_number(("opt", i) + tuple(salt)))
    chosen = list(required)
    want = pick([1, 1, 2], "extra", *salt)
    for i in order:
        trial = chosen + [optional[i]]
        if len(wrap(sentences(trial))) > MAX_LINES:
            continue
        if len(chosen) - len(required) < want or \
                len(wrap(sentences(chosen))) < MIN_LINES:
            chosen = trial
    while len(wrap(sentences(chosen))) > MAX_LINES and \
            len(chosen) > 1:
        chosen.pop()
    return sentences(chosen)


def naming(options, *roles):
    """The options that repeat the words of one of the roles."""
    return [o for o in options
            if any(r[0].lower() in o.lower() for r in roles)]


def same_start(options, *sentences):
    """The options that begin with the same two words as one of the
    sentences, so that two sentences in a row do not start alike."""
    starts = {tuple(x.split()[:2]) for x in sentences}
    return [o for o in options if tuple(o.split()[:2]) in starts]


def _salt_number(salt):
    text = "|".join(str(x) for x in salt)
    return int(hashlib.md5(text.encode("utf-8")).hexdigest(), 16)


def spread(options, base, *terms, avoid=()):
    """A choice that rotates with the terms: options[(hash(base) + k1*t1 +
    k2*t2 + ...) mod n], the multipliers prime to n. A composed text shows
    one body against many others, or one house against many bodies; with
    the other body or house among the terms, those entries take different
    wordings instead of hashing into the same one. The choice steps past
    the options in `avoid`."""
    n = len(options)
    steps = [k for k in (1, 3, 5, 7, 11, 13) if math.gcd(k, n) == 1]
    index = _salt_number(base) + sum(steps[i % len(steps)] * t
                                     for i, t in enumerate(terms))
    for step in range(n):
        choice = options[(index + step) % n]
        if choice not in avoid:
            return choice
    return options[index % n]


# ---------------------------------------------------------------------------
# Aspect entries: a body of one person to a body of the other.
# ---------------------------------------------------------------------------
def life_pool(table, b, cls):
    """The life sentences of body b for a class of aspect; a conjunction
    takes the pool its body's nature gives."""
    if cls == "conj":
        nature = CONJ_NATURE[b]
        return table[b]["soft"] if nature == "soft" else \
            table[b]["hard"] if nature == "hard" else \
            table[b]["soft"] + table[b]["hard"]
    if cls == "soft":
        return table[b]["soft"]
    return table[b]["hard"]


def pair_title(t, a, angle, b):
    first = body_with_owner(a, t["who_a"], "nom")
    return "%s %s" % (cap(first), aspect_phrase(
        angle, body_with_owner(b, t["who_b"], "ins"),
        body_with_owner(b, t["who_b"], "dat")))


def pair_entry(t, key, a, angle, b):
    """t: the texts of one file (see TEXTS)."""
    salt = (t["name"], key)
    cls = CLASS_OF[angle]
    f = body_fields("A", a, t["who_a"])
    f.update(body_fields("B", b, t["who_b"]))
    ai = ANGLES.index(angle)
    name = t["name"]
    role_a = spread(roles_for(t["roles"][a], cls, a == b), (name, "role", a),
                    b, ai)
    f.update(role_fields("ra", role_a))
    # A body with its counterpart takes its other role on the other side.
    role_b = spread(roles_for(t["roles"][b], cls, a == b), (name, "role", b),
                    a, ai, avoid=[role_a])
    f.update(role_fields("rb", role_b))
    special = t["pairs"].get((a, b, cls)) or t["pairs"].get((a, b, "any"))
    opening = fill(spread(t["open"][cls], (name, "open", cls), a, b), f)
    pool_a = life_pool(t["life"], a, cls)
    pool_b = life_pool(t["life"], b, cls)
    life_a = spread(pool_a, (name, "life", a, cls), b, ai,
                    avoid=naming(pool_a, role_a, role_b))
    life_b = spread(pool_b, (name, "life", b, cls), a, ai,
                    avoid=[life_a] + same_start(pool_b, life_a) +
                    naming(pool_b, role_a, role_b))
    dyns = t["dyn"][angle]
    dynamic = fill(spread(dyns, (name, "dyn", angle), a, b,
                          avoid=same_start(dyns, life_a, life_b)), f)
    first, second = pick([(life_a, life_b), (life_b, life_a)], "lives",
                         *salt)
    if special:
        required = [opening, fill(special, f)]
        optional = [dynamic, first]
    else:
        required = [opening, first]
        optional = [dynamic, second]
    body = assemble(required, optional, salt)
    return Entry(key, pair_title(t, a, angle, b), body)


# ---------------------------------------------------------------------------
# Body-to-cusp entries (partnership and erotic files).
# ---------------------------------------------------------------------------
def cusp_title(body, who_body, angle, h, who_house):
    return "%s %s" % (cap(body_with_owner(body, who_body, "nom")),
                      aspect_phrase(angle, cusp_with_owner(h, who_house,
                                                           "ins"),
                                    cusp_with_owner(h, who_house, "dat")))


def cusp_entry(t, key, body, who_body, angle, h):
    """A body of one person in aspect to a house cusp of the other."""
    who_house = "partner" if who_body == "me" else "me"
    salt = (t["name"], key)
    cls = CLASS_OF[angle]
    f = body_fields("B", body, who_body)
    name = t["name"]
    ai = ANGLES.index(angle)
    f.update(sphere_forms("h", spread(t["spheres"][h], (name, "sphere", h),
                                      body, ai)))
    f.update(about_fields("h", f, salt))
    f.update(owner_fields("own", who_house))
    f.update(owner_fields("act", who_body))
    f["cusp_d"] = cusp_with_owner(h, who_house, "dat")
    f["cusp_i"] = cusp_with_owner(h, who_house, "ins")
    pool_cls = "soft" if cls == "soft" else "hard" if cls != "conj" else \
        CONJ_NATURE[body]
    acts = t["act"][body]
    act_pool = acts["soft"] + acts["hard"] if pool_cls == "both" else \
        acts[pool_cls]
    houses = t["house"][h]
    house_pool = houses["soft"] + houses["hard"] if pool_cls == "both" \
        else houses[pool_cls]
    act = fill(spread(act_pool, (name, "act", body, pool_cls, who_body), h,
                      ai), f)
    house = fill(spread(house_pool, (name, "house", h, pool_cls, who_body),
                        body, ai), f)
    dynamic = fill(spread(t["cusp_dyn"][angle], (name, "cusp dyn", angle),
                          body, h), f)
    # The angle is in the title; its own sentence only fills a short entry.
    body_text = sentences([act, house])
    if len(wrap(body_text)) < MIN_LINES:
        body_text = sentences([act, house, dynamic])
    return Entry(key, cusp_title(body, who_body, angle, h, who_house),
                 body_text)


# ---------------------------------------------------------------------------
# A body of person 2 in a house of person 1.
# ---------------------------------------------------------------------------
def inhouse_title(b, h):
    return "%s %s" % (cap(body_with_owner(b, "partner", "nom")),
                      "в " + house_with_owner(h, "me", "prep"))


def inhouse_entry(t, key, b, h):
    salt = (t["name"], key)
    f = body_fields("B", b, "partner")
    name = t["name"]
    spheres = t["in_spheres"][h]
    first = spread(spheres, (name, "in sphere", h), b)
    f.update(sphere_forms("h", first))
    f.update(about_fields("h", f, salt))
    f["house_a"] = house_with_owner(h, "me", "acc")
    f["house_p"] = house_with_owner(h, "me", "prep")
    # Each body of the partner stands in one house of a chart: turning
    # the frame with the body alone spreads the frames of one text evenly.
    opening = fill(spread(t["in_open"], (name, "in open", h), b), f)
    # The body's sentence names the sphere in another wording.
    f.update(sphere_forms("h", spread(spheres, (name, "in sphere", h), b + 1,
                                      avoid=[first])))
    f.update(about_fields("h", f, salt))
    act = fill(spread(t["in_body"][b], (name, "in body", b), h), f)
    house = fill(spread(t["in_house"][h], (name, "in house", h), b), f)
    body_text = sentences([opening, act, house])
    if len(wrap(body_text)) > MAX_LINES:
        body_text = sentences([opening, act])
    return Entry(key, inhouse_title(b, h), body_text)


# ---------------------------------------------------------------------------
# Waiting for a partner.
# ---------------------------------------------------------------------------
def in_house(h):
    """"в пятом доме", "во втором доме"."""
    return prep_v("%s доме" % ORDINALS[h]["prep"])


def house_title_name(h):
    """The house as a waiting title names it: the four angles by their own
    names, the others "Второй дом"..."""
    if h in ANGLE_NAMES:
        g, forms, tail = ANGLE_NAMES[h]
        return forms["nom"] + tail
    return cap(ORDINALS[h]["nom"]) + " дом"


def waiting_sign_fields(s, other):
    """{z_*}: what a sign says about love and partners, one of the
    variants of SIGN_LOVE; {s_*}: the sign's qualities from meanings.SIGNS;
    {z_in} "во Льве"."""
    f = {"z_in": sign_in(s), "z_gen": SIGNS[s]["gen"]}
    for field, options in SIGN_LOVE[s].items():
        f["z_" + field] = spread(options, ("wait", field, s), other)
    for field in ("adv", "qual", "qual2", "shadow", "shadow2", "advice",
                  "advice2"):
        f["s_" + field] = SIGNS[s][field]
    return f


def waiting_entries():
    w = WAITING
    out = [Entry(ASPECTED_KEY, w["aspected_title"], w["aspected"])]
    for j in range(10):
        title, body = w["unaspected"][j]
        out.append(Entry(key_unaspected(j), title, body))
    for h in range(12):
        for s in range(12):
            key = key_house_sign(h, s)
            salt = ("wait", key)
            f = waiting_sign_fields(s, h)
            frames = w["house_sign"][h]
            first = fill(spread(frames, ("wait", "house sign", h), s), f)
            sign = fill(spread(w["sign_tail"], ("wait", "tail"), h, s), f)
            extra = fill(spread(w["house_advice"][h], ("wait", "advice", h),
                                s), f)
            out.append(Entry(key, "%s %s" % (house_title_name(h), sign_in(s)),
                             assemble([first, sign], [extra], salt)))
    for i in range(16):
        for sex in ("man", "woman"):
            for s in range(12):
                key = key_body_sign(i, sex, s)
                salt = ("wait", key)
                f = waiting_sign_fields(s, i)
                f.update(w["sex_fields"][sex])
                frames = w["body_sign"][i][sex]
                first = fill(spread(frames, ("wait", "body sign", i, sex), s),
                             f)
                tail = fill(spread(w["body_sign_tail"][sex],
                                   ("wait", "body tail", sex), i, s), f)
                extra = fill(spread(w["sign_advice"], ("wait", "sign advice"),
                                    i, s), f)
                title = "%s %s %s" % (BODY_NAMES[i][1]["nom"], sign_in(s),
                                      w["sex_title"][sex])
                out.append(Entry(key, title,
                                 assemble([first, tail], [extra], salt)))
    for i in range(16):
        for h in range(12):
            key = key_body_house(h, i)
            salt = ("wait", key)
            f = sphere_forms("h", spread(w["house_spheres"][h],
                                         ("wait", "sphere", h), i))
            f.update(about_fields("h", f, salt))
            f["house_p"] = in_house(h)
            first = fill(spread(w["body_in_house"][i], ("wait", "in house", i),
                                h), f)
            second = fill(spread(w["house_note"][h], ("wait", "note", h), i),
                          f)
            title = "%s %s" % (BODY_NAMES[i][1]["nom"], in_house(h))
            out.append(Entry(key, title, assemble([first, second], [],
                                                  salt)))
    for h in range(12):
        for k in range(12):
            key = key_ruler_house(h, k)
            salt = ("wait", key)
            f = sphere_forms("h", spread(w["house_spheres"][k],
                                         ("wait", "ruler sphere", k), h))
            f.update(sphere_forms("t", spread(w["ruler_topics"][h],
                                              ("wait", "topic", h), k)))
            f["ord_h"] = ORDINALS[h]["gen"]
            f["in_k"] = prep_v(ORDINALS[k]["prep"])
            same = h == k
            frames = w["ruler_same"] if same else w["ruler_frames"]
            first = fill(spread(frames, ("wait", "ruler", same), h, k), f)
            second = fill(spread(w["ruler_target"][k], ("wait", "target", k),
                                 h), f)
            title = "Управитель %s дома %s" % (ORDINALS[h]["gen"],
                                              in_house(k))
            out.append(Entry(key, title, assemble([first, second], [],
                                                  salt)))
    return out


# ---------------------------------------------------------------------------
# The files.
# ---------------------------------------------------------------------------
def partnership_entries(t):
    out = []
    for a in range(16):
        for b in range(16):
            for g in ANGLES:
                out.append(pair_entry(t, key_pair(a, g, b), a, g, b))
    for b in range(16):
        for h in range(12):
            for g in ANGLES:
                out.append(cusp_entry(t, key_partner_to_my_house(h, g, b),
                                      b, "partner", g, h))
    for a in range(16):
        for h in range(12):
            for g in ANGLES:
                out.append(cusp_entry(t, key_my_body_to_partner_house(a, g,
                                                                      h),
                                      a, "me", g, h))
    for b in range(16):
        for h in range(12):
            out.append(inhouse_entry(t, key_partner_in_my_house(h, b), b, h))
    return out


def karmic_aspect_entries():
    t = TEXTS["karmic"]
    return [pair_entry(t, key_pair(m, g, w), m, g, w)
            for w in range(16) for m in range(16) for g in ANGLES]


def karmic_house_entries():
    t = TEXTS["karmic"]
    return [inhouse_entry(t, key_karmic_house(b, h), b, h)
            for b in range(16) for h in range(12)]


def build_library():
    return {
        PARTNER_FILE: partnership_entries(TEXTS["partner"]),
        EROTIC_FILE: partnership_entries(TEXTS["erotic"]),
        KARMIC_ASPECT_FILE: karmic_aspect_entries(),
        KARMIC_HOUSE_FILE: karmic_house_entries(),
        WAITING_FILE: waiting_entries(),
    }


def plain_lines(entries):
    lines = []
    for e in entries:
        lines.append(e.heading)
        lines += e.lines
    lines.append(CLOSING)
    return lines


def write_file(path, lines):
    raws = [radix_lib.encode_line(line, "%s, строка %d" % (path.name, n))
            for n, line in enumerate(lines, 1)]
    path.write_bytes(b"".join(raw + b"\r\n" for raw in raws))


# ---------------------------------------------------------------------------
# Checks.
# ---------------------------------------------------------------------------
def check_entries(name, entries):
    """Layout and prose of each entry, before the file is written."""
    keys = all_keys(name)
    if [e.key for e in entries] != keys:
        fail("%s: статьи написаны не для тех ключей, что спрашивает "
             "программа" % name)
    for e in entries:
        where = "%s, %s" % (name, e.key)
        shown = shown_heading(e.heading)
        if len(e.heading) > HEADING_WIDTH:
            fail("%s: заголовок длиннее %d знаков: %r"
                 % (where, HEADING_WIDTH, e.heading))
        if "[" in e.title or "]" in e.title:
            fail("%s: скобка в названии статьи %r" % (where, e.title))
        if shown != " " + e.title or not e.title[:1].isupper():
            fail("%s: программа покажет заголовок как %r" % (where, shown))
        if not MIN_LINES <= len(e.lines) <= MAX_LINES:
            fail("%s: %d строк текста, нужно от %d до %d: %r"
                 % (where, len(e.lines), MIN_LINES, MAX_LINES, e.body))
        if " ".join(e.lines) != e.body:
            fail("%s: перенос строк изменил текст" % where)
        for line in e.lines:
            if "[" in line:
                fail("%s: «[» в тексте" % where)
            if len(line) > BODY_WIDTH:
                fail("%s: строка длиннее %d знаков: %r"
                     % (where, BODY_WIDTH, line))
        faults = prose_check.lint_entry(shown, e.lines)
        if faults:
            fail("%s: %s\n  %s\n  %s" % (where, "; ".join(faults), e.title,
                                         e.body))


def check_file(name, entries, lines):
    """The file as read back: the same lines, and every key the composers
    can ask for against every heading, by the program's substring rule."""
    planned = plain_lines(entries)
    if lines != planned:
        for n, (got, want) in enumerate(zip(lines, planned), 1):
            if got != want:
                fail("%s, строка %d: прочитано %r вместо %r"
                     % (name, n, got, want))
        fail("%s: прочитано %d строк вместо %d"
             % (name, len(lines), len(planned)))
    transit_lib.check_plain(lines, name)
    if lines[-1] != CLOSING:
        fail("%s: нет закрывающей строки %s" % (name, CLOSING))
    keys = all_keys(name)
    if len(set(keys)) != len(keys):
        fail("%s: ключи программы повторяются" % name)
    for k in keys:
        if k in lines[-1]:
            fail("%s: последняя строка подходит к ключу %r" % (name, k))
    parsed = transit_lib.parse_entries(lines)
    headings = [h for h, _ in parsed]
    if headings != [e.heading for e in entries]:
        fail("%s: заголовки файла не совпадают с задуманными (строка с «[» в "
             "тексте статьи?)" % name)
    if len(set(headings)) != len(headings):
        fail("%s: повторные заголовки" % name)
    for heading, body in parsed:
        if len(heading) > HEADING_WIDTH:
            fail("%s: заголовок длиннее %d знаков: %r"
                 % (name, HEADING_WIDTH, heading))
        for line in body:
            if len(line) > BODY_WIDTH:
                fail("%s: строка длиннее %d знаков в статье %r"
                     % (name, BODY_WIDTH, heading))
    own = {e.heading: e.key for e in entries}
    taken = {h: [] for h in headings}
    for k in keys:
        hits = [h for h in headings if k in h]
        if len(hits) != 1:
            fail("%s: ключу %r отвечают %d заголовков: %r"
                 % (name, k, len(hits), hits[:4]))
        taken[hits[0]].append(k)
    for h, got in taken.items():
        if got != [own[h]]:
            fail("%s: заголовок %r берут ключи %r, а написан он для %r"
                 % (name, h, got, own[h]))
    return len(keys), len(headings)


# ---------------------------------------------------------------------------
# Texts of random charts, put together as the composers put them together.
# ---------------------------------------------------------------------------
ITEM_NAMES = ["Солнце", "Луна", "Меркурий", "Венера", "Марс", "Юпитер",
              "Сатурн", "Уран", "Нептун", "Плутон", "Хирон", "Прозерпина",
              "ВУз", "Кету", "Селена", "Лилит"]
# Item settings: the start-up ones (Sun..Saturn included, the radix orbs;
# 12 to 20 aspects between the bodies), the ten planets with the synastry
# orbs (25 to 45 aspects), and every body included with the synastry orbs.
# The last gives twice to three times the aspects of a usual text; its
# repetition is shown, not bounded.
SETTINGS = {
    "обычные": ([True] * 7 + [False] * 9,
                [10, 10, 6, 6, 5, 3, 3, 2, 2, 1, 1, .5, .5, .5, .5, .5]),
    "десять планет": ([True] * 10 + [False] * 6, [10, 10] + [6] * 14),
    "все тела": ([True] * 16, [10, 10] + [6] * 14),
}
UNBOUNDED_SETTINGS = {"все тела"}
# Mean motion in degrees a year, for a partner born some years apart; None
# for the fast bodies, which are placed at random.
YEARLY_MOTION = [None, None, None, None, None, 30.3, 12.2, 4.3, 2.2, 1.5,
                 7.0, 0.6, -19.3, -19.3, None, 40.7]
KEY_LIMIT = 300


class Chart:
    def __init__(self, bodies, cusps):
        self.bodies = bodies
        self.cusps = cusps


def random_chart(rng, base=None):
    """A chart with the bodies where they can stand (Mercury and Venus near
    the Sun, Ketu opposite Rahu) and cusps of unequal houses; with `base`,
    the slow bodies follow it a few years apart."""
    years = rng.uniform(-8, 8)
    bodies = []
    for b in range(16):
        if base is not None and YEARLY_MOTION[b] is not None:
            lon = base.bodies[b] + YEARLY_MOTION[b] * years + \
                rng.uniform(-3, 3)
        else:
            lon = rng.uniform(0, 360)
        bodies.append(lon % 360)
    bodies[2] = (bodies[0] + rng.uniform(-27, 27)) % 360
    bodies[3] = (bodies[0] + rng.uniform(-46, 46)) % 360
    bodies[13] = (bodies[12] + 180) % 360
    sizes = [rng.uniform(18, 42) for _ in range(6)]
    scale = 180 / sum(sizes)
    cusps = [rng.uniform(0, 360)]
    for size in sizes[:-1]:
        cusps.append((cusps[-1] + size * scale) % 360)
    cusps += [(c + 180) % 360 for c in cusps]
    return Chart(bodies, cusps)


def separation(x, y):
    d = abs(x - y)
    return 360 - d if d > 180 else d


def house_of(lon, cusps):
    """The house rule of the radix composers; 0 for none."""
    house = 0
    for h in range(12):
        start, end = cusps[h], cusps[(h + 1) % 12]
        if end > start:
            inside = start <= lon < end
        else:
            inside = start <= lon < 360 or 0 <= lon < end
        if inside:
            house = h + 1
    return house


def sign_of(lon):
    return int(lon // 30) if 0 <= lon < 360 else None


def body_hits(first, second, flags, orbs):
    """(a, b, angle, separation) for the body-to-body test."""
    hits = []
    for a in range(16):
        for b in range(16):
            s = separation(first.bodies[a], second.bodies[b])
            half = (orbs[a] + orbs[b]) / 2
            for g in ANGLES:
                if flags[a] and flags[b] and g - half < s < g + half:
                    hits.append((a, b, g, s))
    return hits


def cusp_hits(bodies_of, cusps_of, flags=None):
    """(body, house, angle) for the body-to-cusp test, fixed orb 6."""
    hits = []
    for b in range(16):
        for h in range(12):
            s = separation(cusps_of.cusps[h], bodies_of.bodies[b])
            for g in ANGLES:
                if g - 6 < s < g + 6 and (flags is None or flags[b]):
                    hits.append((b, h, g))
    return hits


def aspect_line(a, la, s, b, lb):
    return "   %s  (%4.1f) %4.1f  %s (%4.1f)" % (ITEM_NAMES[a], la, s,
                                                ITEM_NAMES[b], lb)


class Library:
    """The written files, read back, with the selection of the program."""

    def __init__(self, lines_by_file):
        self.lines = lines_by_file
        self.bodies = {name: dict(transit_lib.parse_entries(lines))
                       for name, lines in lines_by_file.items()}

    def read_sections(self, name, keys):
        """ReadBracketSections: the lines appended for the keys."""
        keys = keys[:KEY_LIMIT]
        out = []
        for heading in transit_lib.select_entries(self.lines[name],
                                                  [(k,) for k in keys]):
            out.append(shown_heading(heading))
            out += self.bodies[name][heading]
        return out


def compose_partnership(lib, name, first, second, flags, orbs):
    out = [" ", " ", "Описание  гороскопа совместимости Анна c Сергей", " "]
    keys = []
    for a, b, g, s in body_hits(first, second, flags, orbs):
        out.append(aspect_line(a, first.bodies[a], s, b, second.bodies[b]))
        keys.append(key_pair(a, g, b))
    out.append(" ")
    if keys:
        out.append("Аспекты между планетами партнеров")
    out.append(" ")
    out += lib.read_sections(name, keys)
    out.append(" ")
    keys = [key_partner_to_my_house(h, g, b)
            for b, h, g in cusp_hits(second, first, flags)]
    if keys:
        out.append("Аспекты  планет партнера к моим домам радикса ")
    out += [" ", " "]
    out += lib.read_sections(name, keys)
    out.append(" ")
    keys = [key_my_body_to_partner_house(a, g, h)
            for a, h, g in cusp_hits(first, second)]
    out.append(" ")
    if keys:
        out.append("Аспекты  планет  радикса к домам партнера ")
    out += [" ", " "]
    out += lib.read_sections(name, keys)
    out += ["  ", "  ", "Положение планет партнера в моих домах", " "]
    keys = []
    for b in range(16):
        h = house_of(second.bodies[b], first.cusps)
        if h:
            keys.append(key_partner_in_my_house(h - 1, b))
    out += lib.read_sections(name, keys)
    return out


def compose_karmic(lib, woman, man, flags, orbs):
    out = [" ", " ", "Описание  гороскопа совместимости Анна c Сергей", " ",
           "Анализ синастрии ", "Женские планеты  аспект        Мужские"]
    keys = []
    for a, b, g, s in body_hits(woman, man, flags, orbs):
        out.append(aspect_line(a, woman.bodies[a], s, b, man.bodies[b]))
        keys.append(key_pair(b, g, a))
    out.append(" ")
    if keys:
        out.append("Аспекты между планетами партнеров")
    out.append(" ")
    out += lib.read_sections(KARMIC_ASPECT_FILE, keys)
    out += [" ", "  ", "  "]
    if cusp_hits(man, woman, flags):
        out.append("Положение планет партнера в моих домах")
    out.append(" ")
    keys = []
    for b in range(16):
        h = house_of(man.bodies[b], woman.cusps)
        if h:
            keys.append(key_karmic_house(b, h - 1))
    out += lib.read_sections(KARMIC_HOUSE_FILE, keys)
    return out


def sun_longitude_2000(day):
    """The Sun's apparent longitude, to a few hundredths of a degree, at
    noon of day `day` (1 = 1 January) of the year 2000."""
    d = day - 1.0
    g = math.radians(357.529 + 0.98560028 * d)
    q = 280.459 + 0.98564736 * d
    return (q + 1.915 * math.sin(g) + 0.020 * math.sin(2 * g)) % 360


WAITING_LABELS = {1: "Луна      ", 3: "Венера    ", 4: "Марс    ",
                  5: "Юпитер    ", 6: "Сатурн\t  ", 7: "Уран      ",
                  8: "Нептун    ", 9: "Плутон    ", 11: "Прозерпина",
                  12: "Раху     ", 13: "Кету     ", 16: "Asc      ",
                  17: "MC        "}


YEAR_2000 = [(day, month) for month, days in enumerate(
    [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31], 1)
    for day in range(1, days + 1)]


def date_list(points, order, holds, after_sun):
    """The lines of one date list: the days J0 + 2 .. J0 + 365 of the year
    2000, each point of `order` whose separation from the Sun `holds`."""
    lines = []
    for i in range(2, 366):
        day, month = YEAR_2000[i]
        sun = sun_longitude_2000(i + 1)
        for k in order:
            d = separation(points[k], sun)
            if holds(d):
                label = "%d.%d   " % (day, month)
                lines.append(label + " Транзитное  Солнце" + after_sun +
                             "%6.2f" % d + " " + WAITING_LABELS[k])
    return lines


def compose_waiting(lib, chart, sex):
    """The text of "Синастрия ожидания": the title lines, the date lists
    and the library part, apart."""
    points = chart.bodies + [chart.cusps[0], chart.cusps[9]]
    first_titles = [" ", " ", "Ожидание партнера для Анна", " ",
                    "Не рекомендуется иметь близких отношений  Анна",
                    " c родившимися в нижеприведенные даты "]
    second_titles = ["  ", "  ",
                     "Лучше всего для гармоничных близких отношений  Анна",
                     " c родившимися в нижеприведенные даты "]
    unfavourable = date_list(points, (4, 6, 7, 8, 9, 11, 13),
                             lambda d: d <= 3, "   ")
    favourable = date_list(points, (1, 3, 5, 12, 16, 17),
                           lambda d: d <= 3 or 57 <= d <= 63 or
                           117 <= d <= 123, " ")
    out = [" "]
    keys = []
    for j in range(10):
        aspected = any(abs(separation(chart.bodies[i], chart.bodies[j]) - g)
                       <= 6 for i in range(10) if i != j
                       for g in (0, 60, 90, 120, 180))
        keys.append(ASPECTED_KEY if aspected else key_unaspected(j))
    out += lib.read_sections(WAITING_FILE, keys)
    out.append("Положение домов в знаках")
    out += lib.read_sections(WAITING_FILE, [
        key_house_sign(h, sign_of(chart.cusps[h])) for h in range(12)])
    out.append("Планеты в знаках")
    out += lib.read_sections(WAITING_FILE, [
        key_body_sign(i, sex, sign_of(chart.bodies[i])) for i in range(16)])
    out.append("Планеты  в домах")
    keys = []
    for i in range(16):
        h = house_of(chart.bodies[i], chart.cusps)
        if h:
            keys.append(key_body_house(h - 1, i))
    out += lib.read_sections(WAITING_FILE, keys)
    out += ["Управители домов  в домах ", " "]
    keys = []
    for h in range(12):
        ruler = SIGN_RULER[sign_of(chart.cusps[h])]
        k = house_of(chart.bodies[ruler], chart.cusps)
        if k:
            keys.append(key_ruler_house(h, k - 1))
    out += lib.read_sections(WAITING_FILE, keys)
    return (first_titles + second_titles,
            first_titles + unfavourable + second_titles + favourable, out)


def measure_texts(lib, pairs=6, seed=11):
    """Composes the texts of random pairs of charts and returns, per kind of
    text, the repetition shares, the lint faults of the whole texts, the
    numbers of entries shown and one sample text."""
    rng = random.Random(seed)
    results = {}

    def record(kind, lines, entries):
        text = "\n".join(lines)
        r = results.setdefault(kind, dict(shares=[], entries=[], sample=None))
        r["shares"].append(prose_check.repetition_share(text))
        r["entries"].append(entries)
        if r["sample"] is None:
            r["sample"] = text

    def record_pairs(setting, first, second, flags, orbs):
        pairs = results.setdefault("пары тел, %s" % setting, [])
        pairs.append(len(body_hits(first, second, flags, orbs)))

    def shown(lines, name):
        return sum(1 for ln in lines if ln.startswith(" ") and
                   ln[1:2].isupper() and ln.strip() and
                   "[" not in ln and ln[1:] in lib.titles[name])

    for _ in range(pairs):
        first = random_chart(rng)
        second = random_chart(rng, first)
        for setting, (flags, orbs) in SETTINGS.items():
            for name, kind in ((PARTNER_FILE, "партнёрство"),
                               (EROTIC_FILE, "эротика")):
                lines = compose_partnership(lib, name, first, second, flags,
                                            orbs)
                record("%s, %s" % (kind, setting), lines, shown(lines, name))
            lines = compose_karmic(lib, first, second, flags, orbs)
            record("карма, %s" % setting, lines,
                   shown(lines, KARMIC_ASPECT_FILE) +
                   shown(lines, KARMIC_HOUSE_FILE))
            record_pairs(setting, first, second, flags, orbs)
        for sex in ("man", "woman"):
            titles, with_dates, lines = compose_waiting(lib, first, sex)
            letter = SEX_LETTERS[sex]
            record("ожидание (%s)" % letter, titles + lines,
                   shown(lines, WAITING_FILE))
            record("ожидание (%s) со списками дат" % letter,
                   with_dates + lines, 0)
    return results


def check_texts(lib, pairs, seed):
    results = measure_texts(lib, pairs, seed)
    worst = []
    for kind, r in list(results.items()):
        if kind.startswith("пары тел"):
            print("  %-40s %d..%d" % (kind, min(r), max(r)))
            del results[kind]
    for kind, r in results.items():
        share = max(r["shares"])
        counted = "со списками дат" not in kind and \
            not any(kind.endswith(", " + u) for u in UNBOUNDED_SETTINGS)
        print("  %-40s повторы %.3f (среднее %.3f); статей %d..%d%s"
              % (kind, share, sum(r["shares"]) / len(r["shares"]),
                 min(r["entries"]), max(r["entries"]),
                 "" if counted else " (для сведения)"))
        if counted and share > prose_check.REPETITION_BOUND:
            worst.append("%s: %.3f" % (kind, share))
    if worst:
        fail("составленные тексты повторяются больше %.2f: %s"
             % (prose_check.REPETITION_BOUND, "; ".join(worst)))
    return results


# ---------------------------------------------------------------------------
# Main.
# ---------------------------------------------------------------------------
def write_keys(path):
    with open(path, "w", encoding="utf-8") as f:
        for name in FILE_ORDER:
            f.write("# Dann\\Sins\\%s\n" % name)
            for section, keys in KEY_GROUPS[name]():
                f.write("## %s (%d)\n" % (section, len(keys)))
                for k in keys:
                    f.write(k + "\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(DEFAULT_DIR), metavar="DIR",
                    help="папка, куда писать файлы синастрии "
                         "(по умолчанию data/Dann/Sins)")
    ap.add_argument("--show", type=int, default=0, metavar="N",
                    help="показать N статей из каждого файла")
    ap.add_argument("--sample", metavar="DIR",
                    help="записать в DIR тексты случайных карт (UTF-8)")
    ap.add_argument("--keys", metavar="FILE",
                    help="записать в FILE все ключи программы по файлам")
    ap.add_argument("--pairs", type=int, default=6, metavar="N",
                    help="сколько случайных пар карт составить (по "
                         "умолчанию 6)")
    ap.add_argument("--seed", type=int, default=11,
                    help="зерно случайных карт (по умолчанию 11)")
    args = ap.parse_args()
    out_dir = Path(args.out)
    started = time.monotonic()
    try:
        library = build_library()
        for name in FILE_ORDER:
            check_entries(name, library[name])
        out_dir.mkdir(parents=True, exist_ok=True)
        read = {}
        for name in FILE_ORDER:
            path = out_dir / name
            write_file(path, plain_lines(library[name]))
            read[name] = radix_lib.read_back(path, False)
            keys, headings = check_file(name, library[name], read[name])
            print("%s: %d статей, %d строк, %d байт; проверено %d ключей"
                  % (path, headings, len(read[name]), path.stat().st_size,
                     keys))
        lib = Library(read)
        lib.titles = {name: {e.title for e in library[name]}
                      for name in FILE_ORDER}
        print("составленные тексты (%d пар карт):" % args.pairs)
        results = check_texts(lib, args.pairs, args.seed)
    except (CheckError, radix_lib.CheckError) as e:
        print("ОШИБКА: %s" % e, file=sys.stderr)
        return 1
    if args.keys:
        write_keys(args.keys)
        print("ключи: %s" % args.keys)
    if args.sample:
        folder = Path(args.sample)
        folder.mkdir(parents=True, exist_ok=True)
        for kind, r in results.items():
            target = folder / ("%s.txt" % kind.replace(" ", "_")
                               .replace(",", "").replace("(", "")
                               .replace(")", ""))
            target.write_text(r["sample"] + "\n", encoding="utf-8")
        print("тексты карт: %s" % folder)
    if args.show:
        for name in FILE_ORDER:
            entries = library[name]
            for j in range(args.show):
                e = entries[(2 * j + 1) * len(entries) // (2 * args.show)]
                print()
                print(e.heading)
                print("\n".join(e.lines))
    print("время: %.1f с" % (time.monotonic() - started))
    print("Проверка пройдена.")
    return 0


# ===========================================================================
# The texts.
# ===========================================================================

# How a conjunction of each body reads: as a harmonious contact, a tense
# one, or both.
CONJ_NATURE = ["soft", "soft", "soft", "soft", "both", "soft", "both", "both",
               "both", "hard", "both", "both", "soft", "both", "soft", "hard"]

# ---------------------------------------------------------------------------
# Partnership (SinAsp.txt): living and working together.
# Roles: what each body brings into the union, single notions in the forms
# (nom, acc, gen, dat, ins); None = as the nominative (acc) or the genitive
# (dat). A role marked TENSE is used for the tense aspects only.
# ---------------------------------------------------------------------------
TENSE = "tense"
PARTNER_ROLES = [
    # Sun
    [("стремление вести за собой", None, "стремления вести за собой",
      "стремлению вести за собой", "стремлением вести за собой"),
     ("жизненные цели", None, "жизненных целей", "жизненным целям",
      "жизненными целями")],
    # Moon
    [("потребность в заботе", None, "потребности в заботе", None,
      "потребностью в заботе"),
     ("домашние привычки", None, "домашних привычек", "домашним привычкам",
      "домашними привычками")],
    # Mercury
    [("манера договариваться", "манеру договариваться",
      "манеры договариваться", "манере договариваться",
      "манерой договариваться"),
     ("деловая смекалка", "деловую смекалку", "деловой смекалки",
      "деловой смекалке", "деловой смекалкой")],
    # Venus
    [("умение радоваться жизни", None, "умения радоваться жизни",
      "умению радоваться жизни", "умением радоваться жизни"),
     ("отношение к деньгам", None, "отношения к деньгам",
      "отношению к деньгам", "отношением к деньгам")],
    # Mars
    [("деловой напор", None, "делового напора", "деловому напору",
      "деловым напором"),
     ("готовность действовать", None, "готовности действовать", None,
      "готовностью действовать")],
    # Jupiter
    [("вера в успех", "веру в успех", "веры в успех", "вере в успех",
      "верой в успех"),
     ("широкие планы", None, "широких планов", "широким планам",
      "широкими планами")],
    # Saturn
    [("чувство долга", None, "чувства долга", "чувству долга",
      "чувством долга"),
     ("любовь к порядку", None, "любви к порядку", None,
      "любовью к порядку")],
    # Uranus
    [("жажда свободы", "жажду свободы", "жажды свободы", "жажде свободы",
      "жаждой свободы"),
     ("тяга к переменам", "тягу к переменам", "тяги к переменам",
      "тяге к переменам", "тягой к переменам")],
    # Neptune
    [("мечтательность", None, "мечтательности", None, "мечтательностью"),
     ("способность сопереживать", None, "способности сопереживать", None,
      "способностью сопереживать")],
    # Pluto
    [("глубинная сила", "глубинную силу", "глубинной силы", "глубинной силе",
      "глубинной силой"),
     ("желание всё контролировать", None, "желания всё контролировать",
      "желанию всё контролировать", "желанием всё контролировать", TENSE)],
    # Chiron
    [("опыт преодоления трудностей", None, "опыта преодоления трудностей",
      "опыту преодоления трудностей", "опытом преодоления трудностей"),
     ("умение поддержать", None, "умения поддержать", "умению поддержать",
      "умением поддержать")],
    # Proserpina
    [("тяга к обновлению", "тягу к обновлению", "тяги к обновлению",
      "тяге к обновлению", "тягой к обновлению"),
     ("готовность служить общему делу", None,
      "готовности служить общему делу", None,
      "готовностью служить общему делу")],
    # Rahu
    [("стремление к новому опыту", None, "стремления к новому опыту",
      "стремлению к новому опыту", "стремлением к новому опыту"),
     ("путь развития", None, "пути развития", "пути развития",
      "путём развития")],
    # Ketu
    [("прошлый опыт", None, "прошлого опыта", "прошлому опыту",
      "прошлым опытом"),
     ("привычные роли", None, "привычных ролей", "привычным ролям",
      "привычными ролями")],
    # Selena
    [("бескорыстие", None, "бескорыстия", "бескорыстию", "бескорыстием"),
     ("светлые намерения", None, "светлых намерений", "светлым намерениям",
      "светлыми намерениями")],
    # Lilith
    [("скрытые желания", None, "скрытых желаний", "скрытым желаниям",
      "скрытыми желаниями"),
     ("дух противоречия", None, "духа противоречия", "духу противоречия",
      "духом противоречия", TENSE)],
]

# The opening of a body-to-body entry: both bodies and their roles.
PARTNER_OPEN = {
    "conj": [
        "{An} соединяется с {Bi}: вы приносите {ra_acc}, партнёр — {rb_acc}, "
        "и это становится общим делом.",
        "{An} стоит рядом с {Bi}, поэтому {ra_nom} и {rb_nom} у вас — одна "
        "тема.",
        "Соединение {Ag} с {Bi} сводит в одну точку {ra_acc} и {rb_acc}.",
        "{An} накладывается на {Ba}, и сплавляются воедино {ra_nom} и "
        "{rb_nom}.",
        "{An} встречает {Ba} в одном градусе, а в общем быту сходятся "
        "{ra_nom} и {rb_nom}.",
        "{An} сливается с {Bi}: всё, что касается {ra_gen} и {rb_gen}, "
        "становится общим.",
        "{An} в одной точке с {Bi}, и в унисон звучат {ra_nom} и {rb_nom}.",
        "Когда {An} совпадает с {Bi}, трудно разделить {ra_acc} и {rb_acc}.",
        "{An} и {Bn} совпадают, так что {ra_nom} одного и {rb_nom} другого "
        "переплетаются.",
        "В соединении {Ag} и {Bg} сходятся {ra_nom} и {rb_nom}.",
    ],
    "soft": [
        "{An} поддерживает {Ba}, и у вас легко уживаются {ra_nom} и "
        "{rb_nom}.",
        "Между {Ai} и {Bi} гармоничный аспект, так что {ra_acc} легко "
        "совместить {rb_with}.",
        "{An} смотрит на {Ba} дружелюбно: {ra_acc} и {rb_acc} удаётся "
        "сложить вместе.",
        "Гармония {Ag} и {Bg} означает, что не нужно делить {ra_acc} и "
        "{rb_acc}.",
        "{An} и {Bn} в ладу: вы приносите {ra_acc}, партнёр — {rb_acc}.",
        "{An} помогает {Bd}: с вашей стороны это {ra_nom}, со стороны "
        "партнёра — {rb_nom}.",
        "У {Ag} и {Bg} мягкий аспект, поэтому без усилий сочетаются {ra_nom} "
        "и {rb_nom}.",
        "{An} и {Bn} образуют лёгкий аспект, и в общий план просто сложить "
        "{ra_acc} и {rb_acc}.",
        "{An} дружит с {Bi}: {ra_nom} и {rb_nom} здесь союзники.",
        "Мягкий аспект {Ag} к {Bd} связывает {ra_acc} {rb_with}.",
        "{An} благоволит {Bd}, и в общей жизни не спорят {ra_nom} и "
        "{rb_nom}.",
        "{An} откликается на {Ba}, так что {ra_acc} и {rb_acc} легко "
        "согласовать.",
    ],
    "hard": [
        "{An} спорит с {Bi}: без уступок не совместить {ra_acc} и {rb_acc}.",
        "Между {Ai} и {Bi} напряжённый аспект, и согласовывать приходится "
        "{ra_acc} и {rb_acc}.",
        "{An} и {Bn} тянут в разные стороны: {ra_nom} против {rb_gen}.",
        "{An} задевает {Ba}, и споры рождает разница между {ra_ins} и "
        "{rb_ins}.",
        "Этот аспект сталкивает {ra_acc} {rb_with}, и равновесие приходится "
        "искать.",
        "{An} давит на {Ba}: не сразу удаётся согласовать {ra_acc} и "
        "{rb_acc}.",
        "{An} и {Bn} в напряжении: вы приносите {ra_acc}, партнёр — "
        "{rb_acc}.",
        "Там, где встречаются {ra_nom} и {rb_nom}, {An} и {Bn} высекают "
        "искры.",
        "{An} бросает вызов {Bd}, и в быту сталкиваются {ra_nom} и {rb_nom}.",
        "Напряжённый аспект {Ag} к {Bd} ставит {ra_acc} против {rb_gen}.",
        "{An} не ладит с {Bi}: {ra_nom} и {rb_nom} требуют постоянных "
        "переговоров.",
        "{An} испытывает {Ba}, и в общих делах спорят {ra_nom} и {rb_nom}.",
    ],
    "adj": [
        "{An} и {Bn} будто говорят на разных языках, и подстраивать "
        "приходится {ra_acc} и {rb_acc}.",
        "Квинконс {Ag} к {Bd} — аспект неловкости: плохо стыкуются {ra_nom} "
        "и {rb_nom}.",
        "{An} смотрит на {Ba} под неудобным углом, и {ra_acc} трудно "
        "согласовать {rb_with}.",
        "Между {Ai} и {Bi} квинконс: {ra_nom} и {rb_nom} не враждуют, но и "
        "не совпадают.",
        "{An} и {Bn} плохо видят друг друга, и словно в соседних комнатах "
        "живут {ra_nom} и {rb_nom}.",
        "{An} требует от {Bg} постоянной подстройки, ведь {ra_acc} и "
        "{rb_acc} совмещаются лишь с оговорками.",
        "{An} косо смотрит на {Ba}, и не сразу понятно, как сочетать "
        "{ra_acc} и {rb_acc}.",
        "Квинконс неловко связывает {ra_acc} {rb_with}, и поправки нужны "
        "постоянно.",
    ],
}

# What each angle adds, for living and working together.
PARTNER_DYN = {
    0: ["Соединение — самый плотный контакт: эту тему вы не сможете обойти "
        "ни дома, ни в работе.",
        "Такое совпадение делает вас похожими в главном, и сила пары здесь "
        "удваивается.",
        "При соединении легко потерять границу между «моим» и «нашим», "
        "поэтому роли стоит обсуждать вслух.",
        "Соединение не бывает нейтральным: оно либо сплачивает, либо "
        "заставляет соперничать за одно место.",
        "Сходство здесь так велико, что порой не хватает взгляда со "
        "стороны.",
        "Это одна из тех связей, которые окружающие замечают сразу.",
        "Совпадение точек усиливает тему вдвое, и в хорошем, и в трудном.",
        "В соединении каждый узнаёт в другом себя.",
        "Соединение похоже на общий голос: вас слышно вместе.",
        "Эта тема станет для пары главной, хотите вы того или нет."],
    60: ["Секстиль даёт возможность, а не гарантию: согласие поддерживается "
         "общими делами.",
         "Этот аспект лучше всего работает в совместных проектах, где у "
         "каждого своя часть.",
         "Секстиль помогает договориться, стоит только сделать первый шаг "
         "навстречу.",
         "Лёгкость секстиля видна в мелочах: в планах на выходные, в "
         "покупках, в разговорах за ужином.",
         "Секстиль раскрывается через действие: чем больше общих дел, тем "
         "крепче связь.",
         "Поддержка здесь приходит, когда её просят, и об этом стоит "
         "помнить обоим.",
         "Секстиль похож на приоткрытую дверь: войти в неё предстоит самим.",
         "Этот аспект помогает в деловых поездках, покупках и переговорах.",
         "Секстиль делает вас хорошими союзниками в будничных делах.",
         "Возможности секстиля раскрываются не сразу, а по мере общих дел."],
    90: ["Квадрат — аспект трения, но из трения рождаются лучшие общие "
         "решения, если ссора не превращается в борьбу.",
         "Квадрат не даёт расслабиться: он постоянно ставит перед парой "
         "новые задачи.",
         "Напряжение квадрата чаще всего вспыхивает в быту, из-за мелочей, "
         "за которыми стоит принцип.",
         "Этот аспект закаляет союз, если оба готовы учиться на "
         "разногласиях.",
         "Квадрат требует правил: кто что решает, как спорить и как "
         "мириться.",
         "Такое напряжение держит отношения в тонусе, но утомляет, если его "
         "не разряжать.",
         "Квадрат заставляет расти: без него союз был бы спокойнее, но "
         "беднее.",
         "Этот аспект требует ясно делить обязанности.",
         "Квадрат лучше всего работает в общем деле, где напряжение "
         "превращается в энергию.",
         "Споры квадрата стоит вести по правилам, без ударов по больному."],
    120: ["Трин — аспект естественной лёгкости: то, что у одного "
          "получается само собой, другой принимает без объяснений.",
          "Трин почти не требует усилий, и его силу легко недооценить.",
          "С этим аспектом жить и работать вместе проще, чем порознь.",
          "Трин дарит согласие, но может и убаюкать: иногда паре полезен "
          "вызов.",
          "Такая гармония особенно хорошо чувствуется в долгих общих "
          "делах.",
          "На таких аспектах держится многолетний союз.",
          "Трин похож на попутный ветер, и главное — не мешать ему.",
          "Этот аспект даёт паре ощущение, что вы на одной стороне.",
          "Трин особенно хорош для общего дома и долгих планов.",
          "Согласие трина держится само, но и его стоит беречь."],
    180: ["Оппозиция притягивает противоположности: каждый видит в другом "
          "то, чего не хватает ему самому.",
          "Оппозиция работает как зеркало: в партнёре вы узнаёте свою "
          "непрожитую сторону.",
          "При оппозиции важно не перетягивать канат, а искать середину.",
          "Этот аспект даёт паре широту: вдвоём вы видите ситуацию с двух "
          "концов.",
          "Противостояние может стать и спором, и сотрудничеством — выбор "
          "за вами.",
          "Сильнее всего оппозиция чувствуется в решениях, где нужно "
          "выбрать одно из двух.",
          "Оппозиция напоминает качели: равновесие достигается движением "
          "навстречу.",
          "Этот аспект делает пару сильной, если роли поделены честно.",
          "Оппозиция требует уважать то, чем партнёр на вас не похож.",
          "При оппозиции многое решает умение договариваться."],
    150: ["Квинконс требует постоянной подстройки: то, что удобно одному, "
          "другому кажется странным.",
          "Этот аспект не ссорит, а озадачивает: партнёры долго не могут "
          "понять логику друг друга.",
          "Квинконс лечится юмором и готовностью попробовать чужой способ.",
          "При квинконсе помогают ясные договорённости о мелочах быта.",
          "Этот аспект учит уступать в малом, чтобы сохранить главное.",
          "Неловкость квинконса со временем сглаживается, если её не "
          "замалчивать.",
          "Квинконс похож на обувь не по размеру: идти можно, но нужна "
          "подгонка.",
          "Этот аспект проявляется в мелочах распорядка и привычек.",
          "Квинконс учит терпению и чувству юмора.",
          "Здесь помогает правило: спрашивать, а не угадывать."],
}

# What a contact of each body means in shared life: for the harmonious
# and the tense aspects.
PARTNER_LIFE = [
    # Sun
    dict(soft=["Распределение ролей складывается само: понятно, кто ведёт, "
               "а кто поддерживает, и ни одному это не обидно.",
               "В общем деле у вас есть ясная цель, и каждый видит в успехе "
               "пары свой личный успех.",
               "Вы охотно признаёте достоинства друг друга, и это лучшее "
               "основание и для семьи, и для совместного бизнеса."],
         hard=["Камнем преткновения становится вопрос, чьё слово последнее, "
               "поэтому зоны ответственности лучше определить заранее.",
               "Самолюбие задеть легко, так что критику стоит высказывать "
               "наедине и по делу.",
               "Двум сильным характерам тесно в одном деле, пока роли не "
               "разделены: один ведёт проект, другой — дом."]),
    # Moon
    dict(soft=["Дома вам уютно вдвоём: привычки совпадают, и быт "
               "налаживается почти без споров.",
               "Вы хорошо чувствуете настроение друг друга и умеете вовремя "
               "поддержать.",
               "Хозяйство ведётся легко, а дом становится местом, куда обоим "
               "хочется возвращаться."],
         hard=["Мелочи быта — кто готовит, когда ужинать, сколько гостей "
               "звать — превращаются в поводы для обид.",
               "Настроение одного выбивает другого из колеи, и важно не "
               "принимать каждую перемену погоды в доме на свой счёт.",
               "Каждый привык к своему укладу, и общий дом придётся строить "
               "из взаимных уступок."]),
    # Mercury
    dict(soft=["Вы легко договариваетесь: обсуждение планов не утомляет, а "
               "проясняет.",
               "Из вас получаются хорошие соавторы, потому что один "
               "подхватывает мысль другого.",
               "Бумаги, поездки и покупки решаются быстро: вы понимаете друг "
               "друга с полуслова."],
         hard=["Разговор легко превращается в спор о мелочах, так что "
               "важные договорённости лучше записывать.",
               "Вы по-разному думаете и по-разному объясняете, и "
               "недоразумения случаются чаще, чем хотелось бы.",
               "Одному нужна ясность, другому — свобода передумать, и общие "
               "планы требуют терпения."]),
    # Venus
    dict(soft=["Вкусы совпадают, и вместе легко выбирать жильё, вещи, "
               "подарки и место для отдыха.",
               "Вам приятно проводить время вдвоём, а общие траты редко "
               "становятся поводом для ссор.",
               "Доброжелательность смягчает трения, и окружающие охотно "
               "видят в вас красивую пару."],
         hard=["Разное отношение к деньгам и удовольствиям рождает упрёки: "
               "один экономит, другой балует себя.",
               "Обиды копятся из-за мелочей вроде неудачного подарка или "
               "забытой годовщины, и их лучше проговаривать сразу.",
               "Вкусы расходятся, и обустройство общего дома превращается в "
               "долгие переговоры."]),
    # Mars
    dict(soft=["В работе вы хорошая команда: один загорается идеей, другой "
               "подхватывает её делом.",
               "Вместе вы берётесь за то, на что поодиночке не решились бы: "
               "ремонт, переезд, своё дело.",
               "Энергии хватает на двоих, и споры быстро переходят в деловое "
               "русло."],
         hard=["Спор вспыхивает быстро, поэтому в совместном деле "
               "обязанности стоит поделить до начала работы.",
               "Каждый хочет делать по-своему и в своём темпе, отсюда "
               "раздражение и соперничество.",
               "Напряжение лучше сбрасывать в спорте или общем физическом "
               "труде, а не друг на друге."]),
    # Jupiter
    dict(soft=["Вы расширяете горизонты друг друга: вместе проще учиться, "
               "путешествовать и затевать крупное.",
               "Союз приносит удачу в делах, потому что партнёры верят друг "
               "в друга и этим заражают окружающих.",
               "Щедрость с обеих сторон создаёт доверие, в котором легко "
               "строить планы на годы вперёд."],
         hard=["Один склонен обещать больше, чем может выполнить, и планы "
               "пары легко раздуваются сверх меры.",
               "Разные представления о правильной жизни оборачиваются "
               "взаимными поучениями.",
               "Общие траты и проекты стоит трезво просчитывать: оптимизм "
               "здесь обгоняет возможности."]),
    # Saturn
    dict(soft=["Союз прочен: обязательства выполняются, а совместные планы "
               "доводятся до конца.",
               "Вы умеете вместе строить то, что требует лет: карьеру, дом, "
               "сбережения.",
               "Серьёзность одного уравновешивает порывы другого, и пара "
               "становится надёжной."],
         hard=["Кто-то из двоих чувствует себя под постоянным контролем и "
               "критикой, и это охлаждает отношения.",
               "Обязанности распределяются неравно, и тот, кто тянет больше, "
               "начинает копить усталость.",
               "Ограничения, которые один вводит из лучших побуждений, "
               "другой воспринимает как недоверие."]),
    # Uranus
    dict(soft=["Вы даёте друг другу свободу, и союз не превращается в "
               "клетку.",
               "Вместе легко пробовать новое: переезды, необычные проекты, "
               "нестандартный уклад жизни.",
               "Дружеская основа отношений помогает пережить любые "
               "перемены."],
         hard=["Непредсказуемость одного выбивает из колеи другого, и планы "
               "меняются в последний момент.",
               "Потребность в независимости сталкивается с желанием "
               "стабильности, и пара то сближается, то отдаляется.",
               "Договорённости придётся пересматривать чаще обычного, иначе "
               "кто-то почувствует себя в ловушке."]),
    # Neptune
    dict(soft=["Вы чувствуете друг друга без слов, и в трудную минуту "
               "каждый знает, как поддержать.",
               "Общая мечта — дом у моря, творческий проект, помощь другим — "
               "объединяет сильнее расчёта.",
               "Атмосфера мягкости и понимания спасает от мелочных споров."],
         hard=["Легко идеализировать друг друга, а потом разочаровываться, "
               "поэтому в денежных делах нужны ясность и документы.",
               "Недосказанность и размытые договорённости вредят больше, чем "
               "открытый спор.",
               "Один видит в другом то, что хочет увидеть, и ожидания "
               "полезно сверять с реальностью."]),
    # Pluto
    dict(soft=["Вместе вы способны на глубокие перемены: переехать, сменить "
               "профессию, начать всё заново.",
               "Союз закаляется в трудностях и выходит из кризисов "
               "сильнее.",
               "Партнёры влияют друг на друга глубоко, но бережно, и каждый "
               "растёт рядом с другим."],
         hard=["Борьба за влияние может стать скрытым сюжетом отношений: "
               "кто решает, а кто уступает.",
               "Ревность и контроль разрушают доверие быстрее, чем любые "
               "внешние трудности.",
               "Кризисы в паре неизбежны, и проходить их нужно честно, не "
               "переходя к давлению."]),
    # Chiron
    dict(soft=["Вы умеете лечить старые раны друг друга, и союз становится "
               "местом восстановления.",
               "Один учит другого тому, что сам когда-то освоил с трудом.",
               "Бережность к слабым местам партнёра делает отношения тёплыми "
               "и доверительными."],
         hard=["Неосторожное слово задевает больное место, и обида держится "
               "долго.",
               "Старые травмы каждого оживают рядом с партнёром, и их "
               "придётся осознать, а не перекладывать друг на друга.",
               "Желание исправить другого ранит сильнее открытой критики."]),
    # Proserpina
    dict(soft=["Союз помогает каждому избавиться от лишнего и найти своё "
               "дело.",
               "Совместная работа приобретает смысл служения, и это "
               "сплачивает.",
               "Вместе вы умеете навести порядок там, где другие опускают "
               "руки."],
         hard=["Перемены, которых хочет один, другой переживает как "
               "разрушение привычной жизни.",
               "Расставание со старым проходит болезненно, и торопить его "
               "нельзя.",
               "Разное понимание долга перед людьми становится поводом для "
               "упрёков."]),
    # Rahu
    dict(soft=["Партнёр помогает сделать шаг, на который в одиночку трудно "
               "решиться, и союз ведёт вперёд.",
               "Вместе вы осваиваете новое: профессию, город, образ жизни.",
               "Эта связь ощущается как движение к будущему, а не повторение "
               "пройденного."],
         hard=["Союз тянет в непривычное, и не всегда понятно, куда именно, "
               "так что важно не терять почву под ногами.",
               "Один торопит перемены, другой держится за проверенное.",
               "Новые цели пары вызывают тревогу, и обсуждать их стоит "
               "подробно."]),
    # Ketu
    dict(soft=["Вы будто давно знакомы, и многое в общем быту получается "
               "само собой.",
               "Прошлый опыт каждого пригождается паре, и учиться друг у "
               "друга легко.",
               "Привычные роли даются без усилий, и рядом друг с другом "
               "спокойно."],
         hard=["Старые привычки и роли тянут назад, и союз рискует "
               "застыть.",
               "Повторяются знакомые сценарии прошлых отношений, и их важно "
               "вовремя распознать.",
               "Легко опереться на привычное вместо того, чтобы "
               "договариваться заново."]),
    # Selena
    dict(soft=["Отношения строятся на честности, и помощь приходит в самый "
               "нужный момент.",
               "Союз приносит обоим добрую славу: вам доверяют как паре.",
               "Бескорыстная поддержка становится основой прочного союза."],
         hard=["Высокие ожидания честности делают любое упущение поводом для "
               "разочарования.",
               "Один ждёт от другого больше благородства, чем тот готов "
               "дать.",
               "Чтобы сохранить доверие, придётся говорить правду и тогда, "
               "когда это неудобно."]),
    # Lilith
    dict(soft=["Вы видите слабости друг друга и не пользуетесь ими, и это "
               "сближает.",
               "Союз помогает каждому справиться со своими соблазнами.",
               "Откровенность о трудном укрепляет доверие."],
         hard=["Соблазны и скрытые обиды подтачивают союз, если о них "
               "молчать.",
               "Один провоцирует в другом худшие стороны, и это важно "
               "замечать вовремя.",
               "Тайные решения и недомолвки в денежных делах особенно "
               "опасны."]),
]

# Well-known contacts with a sentence of their own, by (my body, the
# partner's body, class); "any" for every class.
PARTNER_PAIRS = {
    (0, 1, "conj"): "Солнце одного на Луне другого — классический знак "
                    "супружеской совместимости: один задаёт направление, "
                    "другой создаёт дом.",
    (1, 0, "conj"): "Луна одного на Солнце другого — классический знак "
                    "супружеской совместимости: один создаёт дом, другой "
                    "задаёт ему направление.",
    (0, 1, "soft"): "Ваши цели и домашние потребности партнёра легко "
                    "уживаются, и семейная жизнь складывается естественно.",
    (1, 0, "soft"): "Ваши домашние потребности и цели партнёра легко "
                    "уживаются, и семейная жизнь складывается естественно.",
    (0, 1, "hard"): "Цели одного и привычки другого расходятся, и дом "
                    "легко становится местом, где каждый отстаивает своё.",
    (1, 0, "hard"): "Привычки одного и цели другого расходятся, и дом "
                    "легко становится местом, где каждый отстаивает своё.",
    (1, 1, "conj"): "Совпадение Лун даёт редкое душевное сходство: вам "
                    "одинаково уютно в одном и том же доме.",
    (0, 0, "conj"): "Совпадение Солнц делает вас похожими по темпераменту, "
                    "и важно, чтобы у каждого было своё поле для успеха.",
    (3, 4, "any"): "Венера и Марс — пара притяжения, а в быту это ещё и "
                   "распределение ролей: один создаёт атмосферу, другой "
                   "действует.",
    (4, 3, "any"): "Марс и Венера — пара притяжения, а в быту это ещё и "
                   "распределение ролей: один действует, другой создаёт "
                   "атмосферу.",
    (6, 6, "conj"): "Совпадение Сатурнов говорит о схожем отношении к "
                    "долгу и о людях одного поколения, которые понимают "
                    "цену труда.",
    (5, 5, "conj"): "Совпадение Юпитеров даёт общие убеждения и похожее "
                    "представление об удаче.",
    (2, 2, "conj"): "Совпадение Меркуриев — одинаковый склад ума: вы "
                    "думаете похоже и одинаково быстро приходите к выводам.",
    (6, 0, "hard"): "Ваша строгость давит на самолюбие партнёра, и ему "
                    "кажется, что его постоянно оценивают.",
    (0, 6, "hard"): "Строгость партнёра давит на ваше самолюбие, и вам "
                    "кажется, что вас постоянно оценивают.",
    (6, 3, "hard"): "Ваша сдержанность охлаждает тепло партнёра, и ему не "
                    "хватает ласковых слов и подарков.",
    (3, 6, "hard"): "Сдержанность партнёра охлаждает ваше тепло, и вам не "
                    "хватает ласковых слов и подарков.",
}

# House spheres for the body-to-cusp entries: (nom, acc, gen, loc with its
# preposition, ins); None = acc as nom. Every sphere is a list joined by
# "и", so it takes plural verbs.
PARTNER_SPHERES = [
    # 1
    [("личные планы и манера держаться", "личные планы и манеру держаться",
      "личных планов и манеры держаться",
      "в личных планах и манере держаться",
      "личными планами и манерой держаться"),
     ("самочувствие и самостоятельные решения", None,
      "самочувствия и самостоятельных решений",
      "в самочувствии и самостоятельных решениях",
      "самочувствием и самостоятельными решениями"),
     ("облик и самостоятельность", None, "облика и самостоятельности",
      "в облике и самостоятельности", "обликом и самостоятельностью")],
    # 2
    [("доходы и имущество", None, "доходов и имущества",
      "в доходах и имуществе", "доходами и имуществом"),
     ("бюджет и покупки", None, "бюджета и покупок", "в бюджете и покупках",
      "бюджетом и покупками"),
     ("заработок и сбережения", None, "заработка и сбережений",
      "в заработке и сбережениях", "заработком и сбережениями")],
    # 3
    [("повседневное общение и поездки", None,
      "повседневного общения и поездок",
      "в повседневном общении и поездках",
      "повседневным общением и поездками"),
     ("переписка и деловые переговоры", "переписку и деловые переговоры",
      "переписки и деловых переговоров",
      "в переписке и деловых переговорах",
      "перепиской и деловыми переговорами"),
     ("разговоры и поездки", None, "разговоров и поездок",
      "в разговорах и поездках", "разговорами и поездками")],
    # 4
    [("дом и семейный уклад", None, "дома и семейного уклада",
      "в доме и семейном укладе", "домом и семейным укладом"),
     ("жильё и родня", "жильё и родню", "жилья и родни",
      "в жилье и делах родни", "жильём и роднёй"),
     ("быт и семейные традиции", None, "быта и семейных традиций",
      "в быту и семейных традициях", "бытом и семейными традициями")],
    # 5
    [("досуг и творческие затеи", None, "досуга и творческих затей",
      "в досуге и творческих затеях", "досугом и творческими затеями"),
     ("дети и увлечения", "детей и увлечения", "детей и увлечений",
      "в заботах о детях и увлечениях", "детьми и увлечениями"),
     ("праздники и хобби", None, "праздников и хобби", "в праздниках и хобби",
      "праздниками и хобби")],
    # 6
    [("работа и повседневные обязанности",
      "работу и повседневные обязанности",
      "работы и повседневных обязанностей",
      "в работе и повседневных обязанностях",
      "работой и повседневными обязанностями"),
     ("здоровье и режим дня", None, "здоровья и режима дня",
      "в здоровье и режиме дня", "здоровьем и режимом дня"),
     ("служба и будничные дела", "службу и будничные дела",
      "службы и будничных дел", "в службе и будничных делах",
      "службой и будничными делами")],
    # 7
    [("брак и деловые договоры", None, "брака и деловых договоров",
      "в браке и деловых договорах", "браком и деловыми договорами"),
     ("союзы и договорённости", None, "союзов и договорённостей",
      "в союзах и договорённостях", "союзами и договорённостями"),
     ("совместные решения и обязательства", None,
      "совместных решений и обязательств",
      "в совместных решениях и обязательствах",
      "совместными решениями и обязательствами")],
    # 8
    [("общие деньги и кредиты", None, "общих денег и кредитов",
      "в общих деньгах и кредитах", "общими деньгами и кредитами"),
     ("доверие и общие ресурсы", None, "доверия и общих ресурсов",
      "в доверии и общих ресурсах", "доверием и общими ресурсами"),
     ("долги и наследство", None, "долгов и наследства",
      "в долгах и наследстве", "долгами и наследством")],
    # 9
    [("мировоззрение и дальние поездки", None,
      "мировоззрения и дальних поездок",
      "в мировоззрении и дальних поездках",
      "мировоззрением и дальними поездками"),
     ("учёба и жизненные принципы", "учёбу и жизненные принципы",
      "учёбы и жизненных принципов", "в учёбе и жизненных принципах",
      "учёбой и жизненными принципами"),
     ("учёба и путешествия", "учёбу и путешествия", "учёбы и путешествий",
      "в учёбе и путешествиях", "учёбой и путешествиями")],
    # 10
    [("карьера и репутация", "карьеру и репутацию", "карьеры и репутации",
      "в карьере и репутации", "карьерой и репутацией"),
     ("профессия и статус", "профессию и статус", "профессии и статуса",
      "в профессии и статусе", "профессией и статусом"),
     ("работа и признание", "работу и признание", "работы и признания",
      "в работе и признании", "работой и признанием")],
    # 11
    [("общие планы и компания", "общие планы и компанию",
      "общих планов и компании", "в общих планах и компании",
      "общими планами и компанией"),
     ("надежды и единомышленники", "надежды и единомышленников",
      "надежд и единомышленников", "в надеждах и делах единомышленников",
      "надеждами и единомышленниками"),
     ("друзья и мечты", "друзей и мечты", "друзей и мечтаний",
      "в дружбе и мечтах", "друзьями и мечтами")],
    # 12
    [("внутренний мир и уединение", None, "внутреннего мира и уединения",
      "во внутреннем мире и уединении", "внутренним миром и уединением"),
     ("тайны и сокровенные мысли", None, "тайн и сокровенных мыслей",
      "в тайнах и сокровенных мыслях", "тайнами и сокровенными мыслями"),
     ("тишина и отдых от суеты", "тишину и отдых от суеты",
      "тишины и отдыха от суеты",
      "в тишине и отдыхе от суеты", "тишиной и отдыхом от суеты")],
]

# A body on a house cusp of the other person: what it does to the sphere.
# {Bn} is the body with its owner ("Марс партнёра", "ваш Марс"); {own_*}
# the owner of the house ("у вас", "вам" / "у партнёра", "партнёру").
PARTNER_ACT = [
    # Sun
    dict(soft=["{Bn} освещает {h_acc}, и {own_dat} легче проявить себя и "
               "получить поддержку.",
               "{Bn} придаёт уверенности {h_all_gen}.",
               "Благодаря {Bd} {h_nom} обретают ясную цель.",
               "{Bn} согревает всё, что связано {h_with}, и {own_u} "
               "появляется желание действовать."],
         hard=["{h_loc} сталкиваются амбиции: {Bn} требует признания там, "
               "где {own_dat} хочется решать самостоятельно.",
               "{h_loc} {Bn} настаивает на своём, и уступать не хочет ни "
               "одна сторона.",
               "{Bn} спорит за первенство {h_loc}, и уступать приходится "
               "обоим.",
               "Из-за {Bg} {h_nom} становятся ареной борьбы самолюбий."]),
    # Moon
    dict(soft=["{Bn} приносит {h_into} заботу и тепло, и {own_dat} "
               "становится спокойнее.",
               "{Bn} чутко откликается на всё, что связано {h_with}.",
               "Рядом с {Bi} {h_nom} наполняются домашним теплом.",
               "{Bn} бережёт {h_acc}, и {own_dat} легче расслабиться."],
         hard=["{Bn} вносит {h_into} перемены настроения, и обиды возникают "
               "на ровном месте.",
               "{h_loc} {Bn} ищет уюта и защищённости, а находит "
               "неустойчивость, и это тревожит обоих.",
               "{Bn} принимает близко к сердцу всё, что касается {h_gen}, и "
               "тревога передаётся обоим.",
               "Из-за {Bg} {h_nom} зависят от настроения, а оно "
               "переменчиво."]),
    # Mercury
    dict(soft=["{Bn} помогает продумать {h_acc}, и советы здесь практичны и "
               "своевременны.",
               "{Bn} помогает обсуждать всё, что касается {h_gen}, и выход "
               "находится быстро.",
               "{Bn} находит верные слова для всего, что касается {h_gen}.",
               "Благодаря {Bd} {h_acc} легко обсуждать и планировать."],
         hard=["{Bn} вносит {h_into} суету и споры о деталях.",
               "{h_loc} слова расходятся с делом: {Bn} обещает одно, а "
               "выходит другое.",
               "{Bn} придирается к мелочам {h_loc}, и разговоры заходят в "
               "тупик.",
               "Из-за {Bg} {h_nom} обрастают спорами и лишними словами."]),
    # Venus
    dict(soft=["{Bn} украшает {h_acc}, и всё, что с ними связано, приносит "
               "обоим удовольствие.",
               "{Bn} смягчает {h_acc}, и здесь легко договориться "
               "по-хорошему.",
               "Рядом с {Bi} {h_nom} становятся приятнее и гармоничнее.",
               "{Bn} приносит {h_into} вкус и умение ладить миром."],
         hard=["{Bn} вносит {h_into} капризы и лишние траты.",
               "{h_loc} {Bn} ждёт больше внимания, чем получает, и копит "
               "маленькие обиды.",
               "{Bn} ищет удовольствий {h_loc} там, где {own_dat} важнее "
               "польза.",
               "Из-за {Bg} {h_nom} обходятся дороже, чем планировалось."]),
    # Mars
    dict(soft=["{Bn} вносит {h_into} энергию и решимость, и дела здесь "
               "сдвигаются с места.",
               "{Bn} подталкивает к действию "
               "{h_all_with}.",
               "Благодаря {Bd} {h_nom} получают толчок, которого давно не "
               "хватало.",
               "{Bn} берёт на себя трудную часть всего, что связано "
               "{h_with}."],
         hard=["{Bn} вносит {h_into} спешку и споры, и дело легко доходит до "
               "ссоры.",
               "{h_loc} {Bn} торопит и давит, а {own_dat} хочется "
               "действовать в своём темпе.",
               "Рядом с {Bi} {h_nom} превращаются в поле соперничества.",
               "{Bn} действует слишком резко {h_loc}, и {own_dat} приходится "
               "защищаться."]),
    # Jupiter
    dict(soft=["{Bn} расширяет {h_acc}: появляются новые возможности и "
               "полезные знакомства.",
               "{Bn} приносит удачу {h_all_gen}.",
               "Рядом с {Bi} {h_nom} растут и приносят плоды.",
               "{Bn} поддерживает {own_gen} советом и щедростью {h_all_gen}."],
         hard=["{Bn} раздувает {h_acc}, и обещаний здесь больше, чем сил и "
               "денег.",
               "{h_loc} {Bn} склонен к размаху, и без трезвого расчёта легко "
               "переоценить возможности.",
               "Из-за {Bg} {h_nom} обрастают планами, до которых не доходят "
               "руки.",
               "{Bn} поучает {own_gen} {h_all_gen}, и это задевает."]),
    # Saturn
    dict(soft=["{Bn} укрепляет {h_acc}, и здесь пара строит надёжно и "
               "надолго.",
               "{Bn} вносит порядок и ответственность во всё, что связано "
               "{h_with}.",
               "Рядом с {Bi} {h_nom} становятся устойчивее и надёжнее.",
               "{Bn} помогает {own_dat} довести до конца всё, что связано "
               "{h_with}."],
         hard=["{Bn} ограничивает {h_acc}, и {own_dat} порой не хватает "
               "свободы и одобрения.",
               "{h_loc} {Bn} строг и придирчив, и это охлаждает "
               "отношения.",
               "Из-за {Bg} {h_nom} превращаются в тяжёлую обязанность.",
               "{Bn} тормозит {h_acc}, и {own_dat} кажется, что всё даётся с "
               "трудом."]),
    # Uranus
    dict(soft=["{Bn} вносит {h_into} свежие идеи и неожиданные решения.",
               "{Bn} освобождает {h_acc} от рутины, и {own_dat} интересно "
               "пробовать новое.",
               "Рядом с {Bi} {h_nom} обновляются и становятся интереснее.",
               "{Bn} подсказывает {own_dat} смелые решения {h_all_gen}."],
         hard=["{Bn} выбивает из колеи {h_acc}, и планы меняются внезапно.",
               "{h_loc} {Bn} приносит непредсказуемость, к которой {own_dat} "
               "трудно привыкнуть.",
               "Из-за {Bg} {h_nom} лишаются опоры и привычного ритма.",
               "{Bn} вносит {h_into} резкие перемены, которых никто не "
               "ждал."]),
    # Neptune
    dict(soft=["{Bn} вносит {h_into} мягкость, понимание и вдохновение.",
               "{Bn} тонко чувствует всё, что связано {h_with}, и умеет "
               "поддержать без слов.",
               "Рядом с {Bi} {h_nom} окрашиваются мечтой и вдохновением.",
               "{Bn} помогает {own_dat} почувствовать, что на самом деле "
               "важно {h_loc}."],
         hard=["{Bn} затуманивает {h_acc}: договорённости расплывчаты, а "
               "ожидания нереальны.",
               "{h_loc} легко обмануться, потому что {Bn} обещает больше, "
               "чем можно проверить.",
               "Из-за {Bg} {h_nom} становятся зыбкими, и твёрдой почвы под "
               "ногами нет.",
               "{Bn} прячет правду обо всём, что касается {h_gen}, даже от "
               "себя."]),
    # Pluto
    dict(soft=["{Bn} глубоко преобразует {h_acc}, и перемены идут на "
               "пользу.",
               "{Bn} даёт силу перестроить всё, что связано {h_with}.",
               "Рядом с {Bi} {h_nom} перерождаются и набирают силу.",
               "{Bn} помогает {own_dat} решиться на перемены {h_all_with}."],
         hard=["{Bn} стремится подчинить себе {h_acc}, и начинается скрытая "
               "борьба за влияние.",
               "{h_loc} {Bn} давит и требует перемен, к которым никто ещё "
               "не готов.",
               "Из-за {Bg} {h_nom} оказываются под жёстким контролем.",
               "{Bn} доводит {h_acc} до кризиса, чтобы всё перестроить."]),
    # Chiron
    dict(soft=["{Bn} помогает залечить старые раны, связанные {h_with}.",
               "{Bn} делится опытом {h_all_gen}, и этот "
               "опыт бесценен.",
               "Рядом с {Bi} {h_nom} перестают быть больной темой.",
               "{Bn} учит {own_gen} бережно обходиться со всем, что касается "
               "{h_gen}."],
         hard=["{Bn} задевает больное место, и разговоры о том, что касается "
               "{h_gen}, даются трудно.",
               "{h_loc} оживают старые обиды: {Bn} невольно напоминает о "
               "прошлых неудачах.",
               "Из-за {Bg} {h_nom} напоминают о давних неудачах.",
               "{Bn} невольно ранит {own_gen} {h_all_gen}."]),
    # Proserpina
    dict(soft=["{Bn} помогает навести порядок {h_loc} и избавиться от "
               "лишнего.",
               "{Bn} придаёт смысл всему, что связано {h_with}, и здесь "
               "хочется служить общему делу.",
               "Рядом с {Bi} {h_nom} освобождаются от всего отжившего.",
               "{Bn} помогает {own_dat} найти смысл {h_all_with}."],
         hard=["{Bn} требует перемен {h_loc}, и прежний уклад рушится "
               "быстрее, чем хотелось бы.",
               "{h_loc} {Bn} настаивает на расставании со старым, и это "
               "болезненно.",
               "Из-за {Bg} {h_nom} проходят через болезненную перестройку.",
               "{Bn} требует от {own_gen} отказаться от привычного {h_loc}."]),
    # Rahu
    dict(soft=["{Bn} открывает новые пути {h_loc}, и {own_dat} хочется "
               "двигаться вперёд.",
               "{Bn} ведёт к новому опыту {h_all_gen}.",
               "Рядом с {Bi} {h_nom} становятся дорогой в будущее.",
               "{Bn} зовёт {own_gen} к новому {h_all_gen}."],
         hard=["{Bn} тянет {h_acc} в непривычную сторону, и неясно, куда "
               "это приведёт.",
               "{h_loc} {Bn} требует шагов, на которые {own_dat} пока "
               "нелегко решиться.",
               "Из-за {Bg} {h_nom} уходят в непривычную сторону, и это "
               "тревожит.",
               "{Bn} торопит перемены {h_loc}, и {own_dat} трудно к ним "
               "привыкнуть."]),
    # Ketu
    dict(soft=["{Bn} приносит {h_into} знакомое и проверенное, и здесь всё "
               "кажется давно известным.",
               "{Bn} помогает опереться на прошлый опыт "
               "{h_all_with}.",
               "Рядом с {Bi} {h_nom} кажутся привычными и понятными.",
               "{Bn} помогает {own_dat} вспомнить то, что уже удавалось "
               "{h_loc}."],
         hard=["{Bn} тянет {h_acc} назад, к старым сценариям.",
               "{h_loc} повторяются прежние ошибки: {Bn} возвращает к тому, "
               "что пора оставить.",
               "Из-за {Bg} {h_nom} застывают в старых формах.",
               "{Bn} держит {h_acc} в плену прошлого."]),
    # Selena
    dict(soft=["{Bn} приносит {h_into} честность и добрые намерения.",
               "{Bn} оберегает всё, что связано {h_with}, и помощь приходит "
               "вовремя.",
               "Рядом с {Bi} {h_nom} становятся светлее.",
               "{Bn} помогает {own_dat} поступать честно {h_all_gen}."],
         hard=["{Bn} предъявляет высокие требования {h_loc}, и любое "
               "отступление от идеала огорчает.",
               "{h_loc} ожидания слишком возвышенны, и {Bn} "
               "разочаровывается, когда жизнь оказывается проще мечты.",
               "Из-за {Bg} {h_nom} меряются слишком строгой меркой.",
               "{Bn} ждёт от {own_gen} безупречности {h_loc}."]),
    # Lilith
    dict(soft=["{Bn} помогает честно увидеть слабые места {h_gen}.",
               "{Bn} даёт смелость признаться в желаниях, связанных "
               "{h_with}.",
               "Рядом с {Bi} {h_nom} освобождаются от тайных страхов.",
               "{Bn} помогает {own_dat} честно говорить о желаниях, связанных "
               "{h_with}."],
         hard=["{Bn} вносит {h_into} соблазны и недомолвки.",
               "{h_loc} появляются искушения: {Bn} подталкивает к "
               "рискованным решениям.",
               "Из-за {Bg} {h_nom} обрастают тайнами и недомолвками.",
               "{Bn} искушает {own_gen} рискнуть {h_ins}."]),
]

# The house of a touched cusp: what the contact means there. {own_*} the
# owner of the house, {act_*} the owner of the body.
PARTNER_HOUSE = [
    # 1
    dict(soft=["{Own_u} появляется больше уверенности в себе и в "
               "собственных решениях.",
               "Рядом с {act_ins} {own_dat} легче оставаться собой и "
               "действовать смело.",
               "Этот контакт поддерживает личные начинания и хорошее "
               "самочувствие.",
               "Личные начинания {own_u} получают поддержку.",
               "{Own_dat} становится яснее, чего хочется на самом деле."],
         hard=["{Own_dat} порой трудно оставаться собой: чужое влияние "
               "слишком ощутимо.",
               "Личные планы приходится отстаивать, и это утомляет.",
               "Возникает соперничество за право решать за себя.",
               "{Own_dat} кажется, что слишком многое решается за спиной.",
               "Самочувствие {own_u} зависит от настроения пары больше, чем "
               "хотелось бы."]),
    # 2
    dict(soft=["Деньги {own_u} прибывают спокойнее, а совместные покупки "
               "удаются.",
               "Этот контакт помогает разумно вести бюджет и ценить то, что "
               "уже есть.",
               "В денежных вопросах легко договориться, и общее хозяйство от "
               "этого только выигрывает.",
               "Доходы {own_u} растут спокойнее, когда рядом такой союзник.",
               "Общие покупки приносят радость, а не споры."],
         hard=["Споры о деньгах становятся самой вероятной причиной "
               "разногласий.",
               "{Own_dat} кажется, что с деньгами обходятся то слишком "
               "вольно, то слишком скупо.",
               "Общий бюджет лучше вести открыто, с ясными правилами "
               "трат.",
               "Траты {own_u} оказываются под чужим контролем.",
               "Разное понимание того, что дорого, рождает упрёки."]),
    # 3
    dict(soft=["Общение становится лёгким: переписка, звонки и поездки по "
               "делам удаются.",
               "{Own_dat} интересно обсуждать с {act_ins} самые разные "
               "вещи.",
               "Этот контакт помогает быстро договариваться о повседневных "
               "делах.",
               "Поездки и встречи {own_u} складываются удачнее.",
               "С {act_ins} {own_dat} легко делиться новостями и мыслями."],
         hard=["Недопонимание возникает на пустом месте, и слова лучше "
               "подбирать тщательно.",
               "Договорённости стоит записывать: сказанное каждый помнит "
               "по-своему.",
               "{Own_dat} порой кажется, что разговор идёт в одни "
               "ворота.",
               "{Own_dat} трудно выговориться: разговор всё время уходит в "
               "сторону.",
               "Мелкие поручения и поездки становятся поводом для споров."]),
    # 4
    dict(soft=["Дом {own_u} становится уютнее, а семейные дела "
               "налаживаются.",
               "Этот контакт хорош для жизни под одной крышей и для "
               "отношений с роднёй.",
               "{Own_dat} спокойно и тепло в общем доме.",
               "Родня {own_u} охотно принимает этот союз.",
               "Вопросы жилья решаются без лишних споров."],
         hard=["Быт и родня становятся источником трений.",
               "{Own_dat} трудно почувствовать себя хозяином в собственном "
               "доме.",
               "Вопросы жилья — где жить, как обустраиваться, кто решает — "
               "требуют долгих переговоров.",
               "Дом {own_u} перестаёт быть тихой гаванью.",
               "Родственники вмешиваются в отношения пары."]),
    # 5
    dict(soft=["Вместе весело: досуг, праздники и общие увлечения "
               "сближают.",
               "Этот контакт хорош для совместного творчества и воспитания "
               "детей.",
               "{Own_dat} рядом с {act_ins} хочется праздника, игры и "
               "творчества.",
               "Праздники и отдых {own_u} становятся ярче.",
               "Увлечения легко становятся общими."],
         hard=["Развлечения и траты на удовольствия становятся предметом "
               "споров.",
               "Взгляды на воспитание детей расходятся, и о компромиссе "
               "стоит договориться заранее.",
               "Соперничество за внимание портит праздник.",
               "{Own_dat} не хватает лёгкости, когда всё превращается в "
               "соревнование.",
               "Отдых каждый планирует по-своему, и кто-то остаётся "
               "обделённым."]),
    # 6
    dict(soft=["В работе и повседневных делах обязанности распределяются "
               "легко и честно.",
               "Этот контакт помогает наладить режим, здоровые привычки и "
               "совместный труд.",
               "{Own_dat} легче справляться с будничными делами, когда рядом "
               "такой помощник.",
               "Режим дня {own_u} налаживается сам собой.",
               "Работа спорится, когда её делают вдвоём."],
         hard=["Будничные обязанности распределяются неравно, и это "
               "раздражает.",
               "Мелкие придирки по работе и быту копятся и утомляют.",
               "{Own_dat} кажется, что привычный распорядок постоянно "
               "нарушают.",
               "Здоровье {own_u} страдает от постоянного напряжения в быту.",
               "Рабочие вопросы переносятся домой и портят вечера."]),
    # 7
    dict(soft=["Этот контакт прямо говорит о союзе: вас тянет друг к другу "
               "как партнёров.",
               "Договоры и совместные решения удаются, и в глазах "
               "окружающих вы пара.",
               "Союз воспринимается как равный, и в этом его главная "
               "сила.",
               "Такому союзнику легко довериться и в жизни, и в делах.",
               "Совместные решения принимаются без долгой борьбы."],
         hard=["Отношения становятся ареной соперничества: кто уступит "
               "первым?",
               "Договорённости требуют ясности, иначе каждый помнит свою "
               "версию.",
               "Партнёрство одновременно притягивает и утомляет.",
               "{Own_dat} трудно чувствовать себя равной стороной.",
               "Любая договорённость становится предметом торга."]),
    # 8
    dict(soft=["Общие деньги, кредиты и вложения даются паре легко.",
               "Этот контакт помогает вместе проходить кризисы и доверять "
               "друг другу в главном.",
               "Глубокое доверие растёт, и финансовые вопросы решаются без "
               "подозрений.",
               "Кризисы {own_u} проходят мягче, когда рядом такая опора.",
               "Общие вложения и дела наследства решаются честно."],
         hard=["Общие деньги и долги становятся болезненной темой.",
               "Кризисы выявляют скрытую борьбу за контроль.",
               "{Own_dat} трудно довериться до конца, и это чувствуется в "
               "денежных делах.",
               "Вопросы долгов и общего имущества вызывают подозрения.",
               "{Own_dat} трудно отпустить контроль над общими ресурсами."]),
    # 9
    dict(soft=["Вместе хорошо путешествовать, учиться и строить планы на "
               "далёкое будущее.",
               "Этот контакт расширяет кругозор, и {own_dat} открываются "
               "новые взгляды.",
               "Взгляды на жизнь совпадают в главном, и это объединяет.",
               "Учёба и поездки {own_u} становятся интереснее.",
               "Общие убеждения сплачивают сильнее привычек."],
         hard=["Разные убеждения становятся поводом для споров о правильной "
               "жизни.",
               "В дальних поездках и на учёбе возникают разногласия.",
               "{Own_dat} трудно принять чужие принципы, когда их "
               "навязывают.",
               "Споры о вере и убеждениях быстро становятся непримиримыми.",
               "Дальние планы пары тянут в разные стороны."]),
    # 10
    dict(soft=["Союз становится опорой в профессиональных делах.",
               "Репутация пары растёт, и вместе вы производите хорошее "
               "впечатление.",
               "{Own_dat} легче добиваться целей, когда рядом тот, кто верит "
               "в успех.",
               "Карьера {own_u} получает поддержку и признание.",
               "Вместе легче добиваться положения в обществе."],
         hard=["Карьерные амбиции сталкиваются, и работа может вытеснить "
               "отношения.",
               "Вмешательство в профессиональные дела воспринимается "
               "болезненно.",
               "{Own_dat} кажется, что союз мешает росту или бросает тень на "
               "репутацию.",
               "Карьера {own_u} и отношения спорят за время и силы.",
               "Критика профессиональных решений воспринимается как "
               "посягательство."]),
    # 11
    dict(soft=["Друзья и общие планы объединяют, и в компании вы хорошо "
               "смотритесь вместе.",
               "Этот контакт придаёт отношениям дружескую основу.",
               "{Own_dat} рядом с {act_ins} легче мечтать о будущем и "
               "воплощать мечты.",
               "Круг друзей {own_u} расширяется.",
               "Мечты о будущем превращаются в совместные планы."],
         hard=["Разные компании и разные планы на будущее разводят вас в "
               "стороны.",
               "Друзья одного не приходятся по душе другому.",
               "{Own_dat} не хватает свободы видеться со своими людьми.",
               "{Own_dat} кажется, что союз отнимает время у друзей.",
               "Надежды на будущее у вас расходятся."]),
    # 12
    dict(soft=["Этот контакт создаёт тихую, почти незаметную поддержку.",
               "{Own_dat} рядом с {act_ins} спокойнее наедине со своими "
               "мыслями.",
               "Союз помогает справиться с тревогами, о которых не говорят "
               "вслух.",
               "Тайные тревоги {own_u} теряют силу.",
               "Союз становится убежищем от суеты."],
         hard=["Копятся скрытые обиды и невысказанные тревоги.",
               "Что-то в отношениях остаётся тайным, и это подтачивает "
               "доверие.",
               "{Own_dat} бывает трудно понять, что на самом деле "
               "происходит.",
               "{Own_dat} порой хочется спрятаться от этой связи.",
               "Недоговорённости копятся в тишине."]),
]

PARTNER_CUSP_DYN = {
    0: ["Соединение с куспидом — самый сильный из таких контактов, и его "
        "влияние ощущается постоянно.",
        "Точка стоит прямо на границе дома, и её влияние трудно не "
        "заметить.",
        "Такое соединение делает эту сферу жизни общей темой пары."],
    60: ["Секстиль к куспиду даёт возможность, которой стоит "
         "воспользоваться.",
         "Этот секстиль действует мягко и раскрывается в общих делах.",
         "Польза секстиля приходит, когда оба делают шаг навстречу."],
    90: ["Квадрат к куспиду создаёт напряжение, которое требует решений, а "
         "не терпения.",
         "Этот квадрат не даёт сфере дома оставаться спокойной.",
         "Квадрат будоражит, зато не даёт застояться."],
    120: ["Трин к куспиду помогает без усилий и надолго.",
          "Этот трин — тихая поддержка, которую оценишь со временем.",
          "Гармония трина ощущается здесь как естественный ход вещей."],
    180: ["Оппозиция к куспиду задевает и противоположный дом, и равновесие "
          "между ними приходится искать.",
          "Противостояние заставляет выбирать между двумя сферами жизни.",
          "Оппозиция учит держать баланс."],
    150: ["Квинконс к куспиду требует подстройки и терпения.",
          "Влияние квинконса неочевидно, и его легко недооценить.",
          "Этот квинконс просит гибкости в мелочах."],
}

# The partner's body in my house.
PARTNER_IN_OPEN = [
    "{Bn} попадает в {house_a}, в сферу {h_gen}.",
    "{Bn} стоит в {house_p}, и партнёр влияет на {h_acc}.",
    "{Bn} оказывается в {house_p}, там, где у вас {h_nom}.",
    "{Bn} находится в {house_p}, а это сфера {h_gen}.",
    "{Bn} занимает {house_a}, и {h_nom} оказываются в центре союза.",
    "{Bn} входит в {house_a}, и речь о том, что касается {h_gen}.",
    "{Bn} располагается в {house_p}, и {h_nom} становятся общей заботой.",
    "В {house_p} стоит {Bn}, и это касается {h_gen}.",
    "{Bn} приходится на {house_a}, то есть на {h_acc}.",
    "{Bn} ложится в {house_a}, и {h_nom} получают особый оттенок.",
]

PARTNER_IN_BODY = [
    # Sun
    ["Партнёр освещает {h_acc} и побуждает вас проявлять себя здесь "
     "смелее.",
     "Здесь партнёр хочет быть главным, и его инициатива заметна во всём, "
     "что касается {h_gen}."],
    # Moon
    ["Партнёр заботится о том, что для вас связано {h_with}, и здесь рядом "
     "с ним спокойно.",
     "Настроение партнёра сильно влияет на {h_acc}."],
    # Mercury
    ["Партнёр охотно обсуждает с вами {h_acc}, даёт советы и подсказывает "
     "решения.",
     "Разговоры с партнёром чаще всего касаются {h_gen}."],
    # Venus
    ["Партнёр приносит {h_into} красоту, мягкость и удовольствие.",
     "Рядом с партнёром вам приятно заниматься всем, что связано "
     "{h_with}."],
    # Mars
    ["Партнёр подталкивает вас к действию {h_all_gen}.",
     "Здесь партнёр проявляет напор и не всегда спрашивает, нужна ли "
     "помощь."],
    # Jupiter
    ["Партнёр расширяет {h_acc} и приносит сюда удачу.",
     "Щедрость партнёра особенно видна в том, что касается {h_gen}."],
    # Saturn
    ["Партнёр вносит {h_into} порядок, строгость и ответственность.",
     "Здесь партнёр становится для вас наставником, порой слишком "
     "требовательным."],
    # Uranus
    ["Партнёр приносит {h_into} перемены и неожиданности.",
     "Рядом с партнёром {h_nom} перестают быть привычными."],
    # Neptune
    ["Партнёр вносит {h_into} мечтательность и тонкое понимание.",
     "Всё, что касается {h_gen}, рядом с партнёром окутано надеждами, и их "
     "стоит сверять с реальностью."],
    # Pluto
    ["Партнёр глубоко меняет {h_acc}, и прежним здесь уже ничего не "
     "останется.",
     "Влияние партнёра на {h_acc} сильное, порой властное."],
    # Chiron
    ["Партнёр касается ваших уязвимых мест {h_all_with}, "
     "и помогает их исцелить.",
     "Рядом с партнёром дают о себе знать старые раны, связанные "
     "{h_with}."],
    # Proserpina
    ["Партнёр помогает вам очистить {h_acc} от лишнего.",
     "Рядом с партнёром {h_nom} проходят через глубокое обновление."],
    # Rahu
    ["Партнёр ведёт вас к новому опыту {h_all_gen}.",
     "Здесь партнёр указывает направление роста, и следовать ему "
     "непривычно."],
    # Ketu
    ["Рядом с партнёром {h_nom} кажутся давно знакомыми, словно вы уже "
     "проходили это вместе.",
     "Партнёр возвращает вас к прежнему опыту "
     "{h_all_gen}."],
    # Selena
    ["Партнёр приносит {h_into} поддержку и светлые намерения.",
     "Рядом с партнёром {h_nom} становятся чище и честнее."],
    # Lilith
    ["Партнёр пробуждает в вас тайные желания, связанные {h_with}.",
     "Рядом с партнёром {h_nom} становятся полем соблазнов, и ясность "
     "здесь особенно нужна."],
]

PARTNER_IN_HOUSE = [
    # 1
    ["Партнёр заметно влияет на то, как вы держитесь и как себя "
     "чувствуете.",
     "Его присутствие отражается на вашей манере, облике и личных "
     "решениях.",
     "Рядом с ним вы лучше понимаете, кто вы и чего хотите."],
    # 2
    ["Партнёр влияет на ваши доходы и на то, что вы цените.",
     "С его появлением меняется отношение к деньгам и вещам.",
     "Совместное хозяйство во многом держится на этой связи."],
    # 3
    ["Партнёр становится частью вашей повседневной жизни: звонки, "
     "разговоры, поездки.",
     "С ним легко обсуждать мелочи дня и строить ближайшие планы.",
     "Он влияет и на отношения с братьями, сёстрами и соседями."],
    # 4
    ["Партнёр входит в ваш дом и семью, и его присутствие чувствуется в "
     "быту.",
     "Рядом с ним хочется обустраивать общий дом.",
     "Он влияет на ваши отношения с роднёй и на семейные традиции."],
    # 5
    ["С партнёром связаны радости, досуг и творчество.",
     "Рядом с ним хочется праздника, а союз легко становится романом.",
     "Этот партнёр может многое значить для ваших детей."],
    # 6
    ["Партнёр влияет на ваш распорядок, работу и здоровье.",
     "С ним хорошо делить будничные дела и заботы.",
     "Он помогает, но и требует: здесь союз проверяется в быту."],
    # 7
    ["Партнёр попадает прямо в сферу союза, и вы воспринимаете его как "
     "пару.",
     "Это сильное указание на брак или прочное деловое партнёрство.",
     "Рядом с ним хочется договариваться и строить общее."],
    # 8
    ["Партнёр касается общих денег, доверия и глубоких перемен.",
     "Союз с ним проходит через испытания и становится от них крепче.",
     "Вопросы общего имущества и кредитов здесь особенно важны."],
    # 9
    ["Партнёр расширяет ваш кругозор и влияет на ваши взгляды.",
     "С ним хочется путешествовать, учиться и искать смысл.",
     "Он может стать вашим учителем или попутчиком в дальней дороге."],
    # 10
    ["Партнёр влияет на вашу карьеру и положение в обществе.",
     "Рядом с ним вы ставите перед собой более высокие цели.",
     "Союз с ним заметен окружающим и сказывается на репутации."],
    # 11
    ["Партнёр становится вам другом и единомышленником.",
     "С ним связаны общие планы, компания и надежды на будущее.",
     "Этот союз держится на дружбе не меньше, чем на чувствах."],
    # 12
    ["Партнёр касается вашего внутреннего мира, и многое в этой связи "
     "остаётся невысказанным.",
     "Союз с ним требует доверия к тому, что не видно со стороны.",
     "Рядом с ним проявляются ваши тайные страхи и скрытые силы."],
]

# ---------------------------------------------------------------------------
# Erotic (Erot2.txt): attraction and intimacy.
# ---------------------------------------------------------------------------
EROTIC_ROLES = [
    # Sun
    [("потребность в восхищении", None, "потребности в восхищении", None,
      "потребностью в восхищении"),
     ("жизненный огонь", None, "жизненного огня", "жизненному огню",
      "жизненным огнём")],
    # Moon
    [("нежность", None, "нежности", None, "нежностью"),
     ("потребность в защищённости", None, "потребности в защищённости",
      None, "потребностью в защищённости")],
    # Mercury
    [("любовь к флирту", None, "любви к флирту", None, "любовью к флирту"),
     ("остроумие", None, "остроумия", "остроумию", "остроумием")],
    # Venus
    [("чувственность", None, "чувственности", None, "чувственностью"),
     ("умение очаровывать", None, "умения очаровывать",
      "умению очаровывать", "умением очаровывать")],
    # Mars
    [("страсть", None, "страсти", None, "страстью"),
     ("желание завоёвывать", None, "желания завоёвывать",
      "желанию завоёвывать", "желанием завоёвывать")],
    # Jupiter
    [("щедрость в ласке", None, "щедрости в ласке", None,
      "щедростью в ласке"),
     ("жизнелюбие", None, "жизнелюбия", "жизнелюбию", "жизнелюбием")],
    # Saturn
    [("сдержанность", None, "сдержанности", None, "сдержанностью"),
     ("верность", None, "верности", None, "верностью")],
    # Uranus
    [("любовь к неожиданностям", None, "любви к неожиданностям", None,
      "любовью к неожиданностям"),
     ("жажда свободы", "жажду свободы", "жажды свободы", "жажде свободы",
      "жаждой свободы")],
    # Neptune
    [("романтические грёзы", None, "романтических грёз",
      "романтическим грёзам", "романтическими грёзами"),
     ("мечтательность", None, "мечтательности", None, "мечтательностью")],
    # Pluto
    [("сила влечения", "силу влечения", "силы влечения", "силе влечения",
      "силой влечения"),
     ("жажда слияния", "жажду слияния", "жажды слияния", "жажде слияния",
      "жаждой слияния")],
    # Chiron
    [("ранимость", None, "ранимости", None, "ранимостью"),
     ("бережность", None, "бережности", None, "бережностью")],
    # Proserpina
    [("таинственность", None, "таинственности", None, "таинственностью"),
     ("тяга к глубине чувств", "тягу к глубине чувств",
      "тяги к глубине чувств", "тяге к глубине чувств",
      "тягой к глубине чувств")],
    # Rahu
    [("тяга к новым ощущениям", "тягу к новым ощущениям",
      "тяги к новым ощущениям", "тяге к новым ощущениям",
      "тягой к новым ощущениям"),
     ("любопытство", None, "любопытства", "любопытству", "любопытством")],
    # Ketu
    [("память прежних привязанностей", None,
      "памяти прежних привязанностей", None,
      "памятью прежних привязанностей"),
     ("привычные сценарии", None, "привычных сценариев",
      "привычным сценариям", "привычными сценариями")],
    # Selena
    [("чистота чувства", "чистоту чувства", "чистоты чувства",
      "чистоте чувства", "чистотой чувства"),
     ("светлая влюблённость", "светлую влюблённость",
      "светлой влюблённости", None, "светлой влюблённостью")],
    # Lilith
    [("игра с запретным", "игру с запретным", "игры с запретным",
      "игре с запретным", "игрой с запретным"),
     ("тёмное обаяние", None, "тёмного обаяния", "тёмному обаянию",
      "тёмным обаянием")],
]

EROTIC_OPEN = {
    "conj": [
        "{An} соединяется с {Bi}, и одновременно просыпаются {ra_nom} и "
        "{rb_nom}.",
        "{An} стоит рядом с {Bi}, поэтому в одно чувство сливаются {ra_nom} "
        "и {rb_nom}.",
        "Соединение {Ag} с {Bi} сводит вместе {ra_acc} и {rb_acc}, и между "
        "вами пробегает ток.",
        "{An} накладывается на {Ba}: вы приносите в близость {ra_acc}, "
        "партнёр — {rb_acc}.",
        "Когда {An} совпадает с {Bi}, уже не разделить {ra_acc} и {rb_acc}.",
        "{An} встречает {Ba} в одном градусе, и в близости сходятся {ra_nom} "
        "и {rb_nom}.",
        "{An} сливается с {Bi}: {ra_nom} и {rb_nom} узнают друг друга с "
        "первого взгляда.",
        "В соединении {Ag} и {Bg} переплетаются {ra_nom} и {rb_nom}.",
    ],
    "soft": [
        "{An} ласково поддерживает {Ba}, и друг в друге отзываются {ra_nom} "
        "и {rb_nom}.",
        "Между {Ai} и {Bi} мягкий аспект, и {ra_acc} легко соединить "
        "{rb_with}.",
        "{An} и {Bn} в согласии: вы приносите в близость {ra_acc}, партнёр — "
        "{rb_acc}.",
        "Гармония {Ag} и {Bg} делает притяжение спокойным, и не спорят "
        "{ra_nom} и {rb_nom}.",
        "{An} откликается на {Ba}: с вашей стороны это {ra_nom}, со стороны "
        "партнёра — {rb_nom}.",
        "У {Ag} и {Bg} лёгкий аспект, поэтому без слов понимают друг друга "
        "{ra_nom} и {rb_nom}.",
        "Мягкий аспект {Ag} к {Bd} соединяет {ra_acc} {rb_with}.",
        "{An} тянется к {Bd}, и легко сплетаются {ra_nom} и {rb_nom}.",
        "{An} и {Bn} в гармонии: {ra_nom} и {rb_nom} волнуют и успокаивают "
        "одновременно.",
        "{An} согревает {Ba}, так что {ra_acc} и {rb_acc} легко совместить.",
        "Благодаря аспекту {Ag} к {Bd} {ra_nom} и {rb_nom} находят друг "
        "друга.",
        "{An} нежно смотрит на {Ba}, и легко уживаются {ra_nom} и "
        "{rb_nom}.",
    ],
    "hard": [
        "{An} дразнит {Ba}: {ra_nom} и {rb_nom} и притягивают, и раздражают.",
        "Между {Ai} и {Bi} напряжённый аспект: трудно согласовать {ra_acc} и "
        "{rb_acc}, зато искра не гаснет.",
        "{An} и {Bn} тянут в разные стороны: {ra_nom} против {rb_gen}.",
        "{An} задевает {Ba}, и из разницы между {ra_ins} и {rb_ins} "
        "рождаются и страсть, и ссоры.",
        "Этот аспект сталкивает {ra_acc} {rb_with}, и притяжение смешано с "
        "вызовом.",
        "{An} бросает вызов {Bd}: вы приносите {ra_acc}, партнёр — {rb_acc}.",
        "{An} будоражит {Ba}, и спорят друг с другом {ra_nom} и {rb_nom}.",
        "Напряжённый аспект {Ag} к {Bd} ставит {ra_acc} против {rb_gen}.",
        "{An} испытывает {Ba}, и в близости сталкиваются {ra_nom} и "
        "{rb_nom}.",
        "{An} не даёт покоя {Bd}: {ra_nom} и {rb_nom} разжигают друг друга "
        "до ссоры.",
        "Там, где встречаются {ra_nom} и {rb_nom}, {An} и {Bn} высекают "
        "искры.",
        "{An} спорит с {Bi}, и без уступок не соединить {ra_acc} и {rb_acc}.",
    ],
    "adj": [
        "{An} и {Bn} будто настроены на разные волны, и подстраивать "
        "приходится {ra_acc} и {rb_acc}.",
        "Квинконс {Ag} к {Bd} — аспект смутного притяжения: волнуют, но "
        "плохо совпадают {ra_nom} и {rb_nom}.",
        "{An} смотрит на {Ba} под неудобным углом, и {ra_acc} непросто "
        "соединить {rb_with}.",
        "Между {Ai} и {Bi} квинконс: {ra_nom} и {rb_nom} интригуют друг "
        "друга, но не совпадают.",
        "{An} и {Bn} требуют бережной подстройки, иначе не соединить "
        "{ra_acc} и {rb_acc}.",
        "{An} косо смотрит на {Ba}, и неясно, как сочетать {ra_acc} и "
        "{rb_acc}.",
        "Квинконс неловко связывает {ra_acc} {rb_with}, и здесь нужна "
        "деликатность.",
        "{An} и {Bn} тянутся друг к другу наугад: {ra_nom} и {rb_nom} не "
        "сразу находят общий язык.",
    ],
}

EROTIC_DYN = {
    0: ["Соединение даёт самое сильное притяжение: его трудно не заметить и "
        "невозможно забыть.",
        "Такое совпадение рождает чувство узнавания, будто вы созданы друг "
        "для друга.",
        "При соединении страсть и нежность легко становятся общими, но и "
        "ревность тоже.",
        "Соединение не оставляет равнодушными: оно либо притягивает, либо "
        "пугает силой чувства.",
        "Эту связь тело ощущает раньше, чем её успевают осмыслить.",
        "Соединение похоже на вспышку, которая освещает обоих.",
        "В соединении желания одного мгновенно передаются другому.",
        "Эта связь действует как магнит.",
        "Соединение делает эту тему центром притяжения."],
    60: ["Секстиль дарит лёгкий флирт, который перерастает в близость, если "
         "дать ему время.",
         "Этот аспект раскрывается в игре, шутках и нежных мелочах.",
         "Секстиль — приглашение, а не обещание: влечение растёт от "
         "взаимного внимания.",
         "Притяжение секстиля мягкое и весёлое, без драм.",
         "Этот аспект хорош для долгого ухаживания.",
         "Секстиль похож на улыбку через всю комнату.",
         "Этот аспект любит неспешные свидания и маленькие сюрпризы.",
         "Секстиль помогает флирту перерасти в нежность.",
         "Влечение секстиля растёт от совместных прогулок и дел."],
    90: ["Квадрат разжигает страсть через сопротивление, и ссоры легко "
         "заканчиваются примирением в объятиях.",
         "Напряжение квадрата держит влечение живым, но изматывает, если "
         "превращается в борьбу.",
         "Квадрат приносит вызов: каждому хочется покорить другого.",
         "В этом аспекте много огня, и ему нужен выход в нежности, а не в "
         "обидах.",
         "Квадрат проверяет, умеете ли вы мириться.",
         "Квадрат похож на искру в сухой траве, и осторожность здесь не "
         "помешает.",
         "Этот аспект делает примирения особенно страстными.",
         "Квадрат не даёт привыкнуть друг к другу.",
         "При квадрате полезно говорить о желаниях до того, как они "
         "превратятся в обиды."],
    120: ["Трин дарит естественную близость: рядом друг с другом спокойно и "
          "телу, и душе.",
          "С трином нежность не нужно заслуживать, она приходит сама.",
          "Трин делает притяжение ровным и долгим, хотя иногда ему "
          "недостаёт огня.",
          "Этот аспект помогает понимать желания друг друга без слов.",
          "На трине держится долгая, неугасающая страсть.",
          "Трин похож на тёплое течение, в котором легко плыть вдвоём.",
          "Этот аспект дарит нежность без усилий.",
          "Трин помогает чувствовать ритм друг друга.",
          "Согласие трина стоит оживлять новизной."],
    180: ["Оппозиция — магнит противоположностей: вас тянет друг к другу "
          "именно потому, что вы разные.",
          "Притяжение оппозиции сильное и капризное: то сближение, то "
          "отталкивание.",
          "При оппозиции партнёр кажется недостающей половиной, и это "
          "волнует.",
          "Оппозиция учит не растворяться в страсти и сохранять себя.",
          "Этот аспект дарит остроту и требует равновесия.",
          "Оппозиция похожа на танец, где партнёры то сходятся, то "
          "расходятся.",
          "Этот аспект делает влечение острым и неутолимым.",
          "Оппозиция учит видеть в другом не продолжение себя, а другого "
          "человека.",
          "При оппозиции важно не превращать страсть в борьбу."],
    150: ["Квинконс рождает странное, трудно объяснимое влечение.",
          "Этот аспект волнует неясностью: вас тянет друг к другу, но "
          "желания другого понять непросто.",
          "Квинконс требует деликатности и готовности спрашивать, а не "
          "угадывать.",
          "Притяжение квинконса тихое и неровное, и ему нужно время.",
          "Этот аспект учит бережной подстройке в близости.",
          "Квинконс похож на мелодию с неожиданными паузами.",
          "Этот аспект просит терпения в близости.",
          "Квинконс учит спрашивать о желаниях.",
          "Притяжение квинконса раскрывается постепенно."],
}

EROTIC_LIFE = [
    # Sun
    dict(soft=["Рядом друг с другом хочется сиять, и восхищение разжигает "
               "желание.",
               "Вы гордитесь друг другом, и эта гордость делает близость "
               "щедрой.",
               "Тепло и открытость с обеих сторон создают атмосферу, в "
               "которой легко любить."],
         hard=["Гордость мешает первым сделать шаг навстречу, даже когда "
               "оба этого хотят.",
               "Каждый ждёт восхищения, и недостаток внимания остужает "
               "пыл.",
               "Борьба самолюбий превращает страсть в соперничество."]),
    # Moon
    dict(soft=["Нежность и забота здесь важнее страсти, и именно из них "
               "растёт желание.",
               "Вам уютно вдвоём, и близость похожа на возвращение домой.",
               "Вы чутко ловите настроение друг друга, и ласка всегда "
               "приходится кстати."],
         hard=["Перепады настроения сбивают ритм близости: одному хочется "
               "тепла, другому покоя.",
               "Обиды, брошенные вскользь, надолго мешают нежности.",
               "Потребность в защищённости наталкивается на неровность "
               "чувств."]),
    # Mercury
    dict(soft=["Флирт, шутки и разговоры до утра — ваш путь к близости.",
               "Слова здесь работают как ласка: вы умеете говорить о "
               "желаниях.",
               "Интерес друг к другу поддерживается живым общением."],
         hard=["Неловкое слово способно остудить момент, поэтому о желаниях "
               "лучше говорить прямо и бережно.",
               "Одному хочется обсуждать чувства, другому — просто "
               "чувствовать.",
               "Ирония и колкости легко переходят грань игры."]),
    # Venus
    dict(soft=["Чувственность и нежность здесь в согласии, и близость "
               "приносит настоящую радость.",
               "Вы нравитесь друг другу внешне, и это притяжение долго не "
               "ослабевает.",
               "Вкус к красоте и удовольствию у вас общий: свечи, музыка, "
               "красивые мелочи."],
         hard=["Ожидания нежности не совпадают: одному хочется романтики, "
               "другому простоты.",
               "Ревность и капризы мешают наслаждаться друг другом.",
               "Мелкое недовольство манерами партнёра копится и "
               "охлаждает."]),
    # Mars
    dict(soft=["Страсть здесь горячая и честная: вы легко зажигаете друг "
               "друга.",
               "Инициатива встречает отклик, и темпераменты совпадают.",
               "Физическое притяжение сильное, и в нём много радости."],
         hard=["Темпераменты сталкиваются: один торопит, другому нужно "
               "время.",
               "Страсть смешана с раздражением, и ссоры легко перерастают в "
               "бурные примирения.",
               "Стремление настоять на своём мешает слышать желания "
               "другого."]),
    # Jupiter
    dict(soft=["Щедрость в ласке и жизнелюбие делают близость праздником.",
               "Вместе вам хочется пробовать новое, путешествовать и "
               "радоваться жизни.",
               "Вы вдохновляете друг друга, и влечение растёт вместе с "
               "доверием."],
         hard=["Ожидания слишком велики, и реальность не всегда за ними "
               "поспевает.",
               "Избыток обещаний и красивых жестов может заслонить настоящую "
               "близость.",
               "Один хочет размаха, другой — простого тепла."]),
    # Saturn
    dict(soft=["Чувства развиваются медленно, зато прочно: страсть здесь "
               "вырастает из верности.",
               "Сдержанность одного успокаивает другого, и доверие в "
               "близости растёт годами.",
               "Эта связь надёжна, и в ней хорошо тем, кто ценит "
               "постоянство."],
         hard=["Сдержанность и холодность остужают пыл, и одному кажется, "
               "что его не хотят.",
               "Страх близости или осуждения мешает раскрыться.",
               "Влечение словно ждёт разрешения, и тепло приходится "
               "завоёвывать терпением."]),
    # Uranus
    dict(soft=["Ваша связь полна неожиданностей, и скука ей не грозит.",
               "Вы даёте друг другу свободу, и от этого хочется быть "
               "рядом.",
               "Смелые эксперименты и внезапные порывы здесь только "
               "сближают."],
         hard=["Влечение вспыхивает и гаснет непредсказуемо.",
               "Жажда свободы одного пугает другого, которому нужна "
               "определённость.",
               "Внезапные охлаждения сбивают с толку и ранят."]),
    # Neptune
    dict(soft=["Романтика здесь почти волшебная: музыка, море, долгие "
               "взгляды.",
               "Вы чувствуете друг друга тонко, и близость похожа на сон "
               "наяву.",
               "Нежность и фантазия делают эту связь поэтичной."],
         hard=["Легко влюбиться в образ, а не в живого человека, и "
               "разочарование бывает горьким.",
               "Недосказанность и тайны размывают доверие.",
               "Ожидание сказки мешает принять настоящие желания "
               "партнёра."]),
    # Pluto
    dict(soft=["Притяжение глубокое и властное, и оно преображает обоих.",
               "Страсть здесь помогает раскрыться полностью, без масок.",
               "Эта связь навсегда меняет отношение к близости."],
         hard=["Страсть легко становится одержимостью, а ревность — "
               "контролем.",
               "Борьба за власть проникает даже в самые нежные минуты.",
               "Сила влечения пугает, и кто-то начинает защищаться."]),
    # Chiron
    dict(soft=["Бережность к ранимости другого делает близость "
               "исцеляющей.",
               "С этим партнёром можно не стыдиться своей уязвимости.",
               "Вы помогаете друг другу отпустить старые страхи в любви."],
         hard=["Неосторожное движение или слово задевает старую рану.",
               "Прошлый болезненный опыт мешает довериться до конца.",
               "Страх снова оказаться отвергнутым заставляет держать "
               "дистанцию."]),
    # Proserpina
    dict(soft=["Эта связь пробуждает глубокие чувства, о которых вы и не "
               "подозревали.",
               "Таинственность партнёра притягивает и открывает в вас "
               "новое.",
               "Близость здесь становится тихим преображением."],
         hard=["Сила чувств пугает, и хочется то приблизиться, то "
               "убежать.",
               "Скрытность одного задевает другого.",
               "Перемены в чувствах проходят болезненно."]),
    # Rahu
    dict(soft=["С этим партнёром хочется пробовать то, на что раньше не "
               "решались.",
               "Связь манит новизной и ощущением судьбы.",
               "Любопытство друг к другу не иссякает."],
         hard=["Влечение похоже на зов неизвестности, и оно же тревожит.",
               "Один стремится к новым ощущениям, другой боится потерять "
               "привычное.",
               "Эта связь выбивает из колеи, и голова идёт кругом."]),
    # Ketu
    dict(soft=["Близость кажется давно знакомой, словно вы уже любили друг "
               "друга.",
               "Вы угадываете желания друг друга без подсказок.",
               "В этой связи много спокойной привязанности."],
         hard=["Повторяются сценарии прошлых романов, и их важно узнать.",
               "Привычка рискует заменить живое влечение.",
               "Старые привязанности мешают открыться новому чувству."]),
    # Selena
    dict(soft=["Влюблённость здесь чистая и светлая, как в юности.",
               "Эта связь пробуждает лучшее в обоих и делает близость "
               "искренней.",
               "Нежность без расчёта — главное богатство этой пары."],
         hard=["Идеальный образ любви мешает принять живые желания.",
               "Высокие ожидания делают любую неловкость поводом для "
               "разочарования.",
               "Один ждёт возвышенных чувств, другой — простой земной "
               "страсти."]),
    # Lilith
    dict(soft=["Эта связь позволяет без стыда говорить о тайных желаниях.",
               "Тёмное обаяние партнёра волнует, но не разрушает.",
               "Вы принимаете теневые стороны друг друга, и это "
               "освобождает."],
         hard=["Притяжение смешано с запретом, и связь легко становится "
               "мучительной.",
               "Ревность, провокации и игра с огнём истощают обоих.",
               "Соблазн легко заглушает голос разума, и о границах стоит "
               "договориться заранее."]),
]

EROTIC_PAIRS = {
    (3, 4, "any"): "Венера и Марс — классическая пара влечения: желание "
                   "партнёра находит отклик в вашей нежности.",
    (4, 3, "any"): "Марс и Венера — классическая пара влечения: ваше "
                   "желание находит отклик в нежности партнёра.",
    (0, 1, "conj"): "Солнце одного на Луне другого — знак глубокой "
                    "привязанности, в которой страсть соединяется с "
                    "нежностью.",
    (1, 0, "conj"): "Луна одного на Солнце другого — знак глубокой "
                    "привязанности, в которой нежность соединяется со "
                    "страстью.",
    (4, 4, "conj"): "Совпадение Марсов даёт одинаковый темперамент и "
                    "сходный ритм желания.",
    (3, 3, "conj"): "Совпадение Венер даёт общее понимание красоты и "
                    "нежности.",
    (4, 9, "hard"): "Марс и Плутон в напряжении — одно из самых сильных и "
                    "опасных сочетаний страсти, и давлению здесь нет места.",
    (9, 4, "hard"): "Плутон и Марс в напряжении — одно из самых сильных и "
                    "опасных сочетаний страсти, и давлению здесь нет места.",
    (3, 9, "any"): "Венера и Плутон дают влечение, похожее на наваждение.",
    (9, 3, "any"): "Плутон и Венера дают влечение, похожее на наваждение.",
    (3, 15, "any"): "Венера и Лилит придают притяжению оттенок запретного "
                    "плода.",
    (15, 3, "any"): "Лилит и Венера придают притяжению оттенок запретного "
                    "плода.",
    (4, 15, "any"): "Марс и Лилит будят самые смелые желания, и им нужна "
                    "взаимная бережность.",
    (15, 4, "any"): "Лилит и Марс будят самые смелые желания, и им нужна "
                    "взаимная бережность.",
}

EROTIC_SPHERES = [
    # 1
    [("внешность и манера держаться", "внешность и манеру держаться",
      "внешности и манеры держаться", "во внешности и манере держаться",
      "внешностью и манерой держаться"),
     ("первое впечатление и обаяние", None, "первого впечатления и обаяния",
      "в первом впечатлении и обаянии", "первым впечатлением и обаянием"),
     ("облик и обаяние", None, "облика и обаяния", "в облике и обаянии",
      "обликом и обаянием")],
    # 2
    [("чувственность и любовь к комфорту", None,
      "чувственности и любви к комфорту",
      "в чувственности и любви к комфорту",
      "чувственностью и любовью к комфорту"),
     ("прикосновения и телесные удовольствия", None,
      "прикосновений и телесных удовольствий",
      "в прикосновениях и телесных удовольствиях",
      "прикосновениями и телесными удовольствиями"),
     ("ласка и телесный комфорт", "ласку и телесный комфорт",
      "ласки и телесного комфорта", "в ласке и телесном комфорте",
      "лаской и телесным комфортом")],
    # 3
    [("флирт и разговоры", None, "флирта и разговоров",
      "во флирте и разговорах", "флиртом и разговорами"),
     ("переписка и игра слов", "переписку и игру слов",
      "переписки и игры слов", "в переписке и игре слов",
      "перепиской и игрой слов"),
     ("намёки и шутки", None, "намёков и шуток", "в намёках и шутках",
      "намёками и шутками")],
    # 4
    [("домашний уют и чувство защищённости", None,
      "домашнего уюта и чувства защищённости",
      "в домашнем уюте и чувстве защищённости",
      "домашним уютом и чувством защищённости"),
     ("тихие вечера и семейное тепло", None,
      "тихих вечеров и семейного тепла",
      "в тихих вечерах и семейном тепле",
      "тихими вечерами и семейным теплом"),
     ("уют и покой", None, "уюта и покоя", "в уюте и покое",
      "уютом и покоем")],
    # 5
    [("романтика и любовные игры", "романтику и любовные игры",
      "романтики и любовных игр", "в романтике и любовных играх",
      "романтикой и любовными играми"),
     ("свидания и удовольствия", None, "свиданий и удовольствий",
      "в свиданиях и удовольствиях", "свиданиями и удовольствиями"),
     ("влюблённость и игра", "влюблённость и игру", "влюблённости и игры",
      "во влюблённости и игре", "влюблённостью и игрой")],
    # 6
    [("ритм тела и будничная забота", "ритм тела и будничную заботу",
      "ритма тела и будничной заботы", "в ритме тела и будничной заботе",
      "ритмом тела и будничной заботой"),
     ("самочувствие и мелкие знаки внимания", None,
      "самочувствия и мелких знаков внимания",
      "в самочувствии и мелких знаках внимания",
      "самочувствием и мелкими знаками внимания"),
     ("забота и ритм будней", "заботу и ритм будней", "заботы и ритма будней",
      "в заботе и ритме будней", "заботой и ритмом будней")],
    # 7
    [("взаимное притяжение и союз", None, "взаимного притяжения и союза",
      "во взаимном притяжении и союзе", "взаимным притяжением и союзом"),
     ("верность и ожидания от пары", None, "верности и ожиданий от пары",
      "в верности и ожиданиях от пары", "верностью и ожиданиями от пары"),
     ("симпатия и верность", "симпатию и верность", "симпатии и верности",
      "в симпатии и верности", "симпатией и верностью")],
    # 8
    [("страсть и глубокая близость", "страсть и глубокую близость",
      "страсти и глубокой близости", "в страсти и глубокой близости",
      "страстью и глубокой близостью"),
     ("интимное доверие и сила желания", "интимное доверие и силу желания",
      "интимного доверия и силы желания",
      "в интимном доверии и силе желания",
      "интимным доверием и силой желания"),
     ("страсть и тайна", "страсть и тайну", "страсти и тайны",
      "в страсти и тайне", "страстью и тайной")],
    # 9
    [("романтика путешествий и новые впечатления",
      "романтику путешествий и новые впечатления",
      "романтики путешествий и новых впечатлений",
      "в романтике путешествий и новых впечатлениях",
      "романтикой путешествий и новыми впечатлениями"),
     ("свобода взглядов и жажда нового", "свободу взглядов и жажду нового",
      "свободы взглядов и жажды нового", "в свободе взглядов и жажде нового",
      "свободой взглядов и жаждой нового"),
     ("приключения и свобода", "приключения и свободу",
      "приключений и свободы", "в приключениях и свободе",
      "приключениями и свободой")],
    # 10
    [("гордость друг другом и образ пары", None,
      "гордости друг другом и образа пары",
      "в гордости друг другом и образе пары",
      "гордостью друг другом и образом пары"),
     ("честолюбие и желание блистать вдвоём", None,
      "честолюбия и желания блистать вдвоём",
      "в честолюбии и желании блистать вдвоём",
      "честолюбием и желанием блистать вдвоём"),
     ("гордость и восхищение", None, "гордости и восхищения",
      "в гордости и восхищении", "гордостью и восхищением")],
    # 11
    [("дружба и свобода в любви", "дружбу и свободу в любви",
      "дружбы и свободы в любви", "в дружбе и свободе в любви",
      "дружбой и свободой в любви"),
     ("мечты о будущем и лёгкость общения", None,
      "мечтаний о будущем и лёгкости общения",
      "в мечтах о будущем и лёгкости общения",
      "мечтами о будущем и лёгкостью общения"),
     ("дружба и лёгкость", "дружбу и лёгкость", "дружбы и лёгкости",
      "в дружбе и лёгкости", "дружбой и лёгкостью")],
    # 12
    [("тайные фантазии и сокровенные чувства", None,
      "тайных фантазий и сокровенных чувств",
      "в тайных фантазиях и сокровенных чувствах",
      "тайными фантазиями и сокровенными чувствами"),
     ("скрытые желания и мечты наедине", None,
      "скрытых желаний и мечтаний наедине",
      "в скрытых желаниях и мечтах наедине",
      "скрытыми желаниями и мечтами наедине"),
     ("мечты и тайные чувства", None, "мечтаний и тайных чувств",
      "в мечтах и тайных чувствах", "мечтами и тайными чувствами")],
]

EROTIC_ACT = [
    # Sun
    dict(soft=["{Bn} согревает {h_acc}, и {own_dat} хочется раскрыться "
               "навстречу.",
               "{Bn} добавляет блеска всему, что связано {h_with}.",
               "Рядом с {Bi} {h_nom} наполняются светом и теплом.",
               "Благодаря {Bd} {own_dat} хочется блистать."],
         hard=["{Bn} требует восхищения там, где {own_dat} тоже хочется "
               "внимания.",
               "{h_loc} самолюбие мешает сблизиться: {Bn} не любит уступать.",
               "Из-за {Bg} {h_nom} становятся состязанием самолюбий.",
               "{Bn} ждёт поклонения {h_loc}, и это утомляет."]),
    # Moon
    dict(soft=["{Bn} окутывает нежностью {h_acc}, и {own_dat} рядом "
               "спокойно.",
               "{Bn} чутко улавливает всё, что связано {h_with}.",
               "Рядом с {Bi} {h_nom} окрашиваются нежностью.",
               "{Bn} бережно опекает {own_gen} {h_all_gen}."],
         hard=["{Bn} вносит {h_into} капризы и перепады настроения.",
               "{h_loc} возникает тревога: {Bn} ищет защищённости, а находит "
               "неровность чувств.",
               "Из-за {Bg} {h_nom} зависят от капризов настроения.",
               "{Bn} обижается на недосказанное, и {h_nom} теряют лёгкость."]),
    # Mercury
    dict(soft=["{Bn} оживляет {h_acc} флиртом и остроумием.",
               "{Bn} умеет говорить обо всём, что связано {h_with}, так, что "
               "это волнует.",
               "Рядом с {Bi} {h_nom} полны игры и намёков.",
               "{Bn} говорит {own_dat} именно то, что хочется услышать."],
         hard=["{Bn} вносит {h_into} колкости и лишние слова.",
               "{h_loc} разговоры мешают чувствам: {Bn} анализирует то, что "
               "хочется просто пережить.",
               "Из-за {Bg} {h_nom} тонут в словах.",
               "{Bn} дразнит {own_gen} колкими шутками, и не всегда к "
               "месту."]),
    # Venus
    dict(soft=["{Bn} делает {h_acc} источником удовольствия и нежности.",
               "{Bn} приносит {h_into} очарование и мягкость.",
               "Рядом с {Bi} {h_nom} становятся нежнее и чувственнее.",
               "Благодаря {Bd} {own_dat} хочется ласки и красоты."],
         hard=["{h_loc} {Bn} ждёт больше ласки, чем получает.",
               "{Bn} вносит {h_into} ревность и капризы.",
               "Из-за {Bg} {h_nom} оборачиваются ревностью.",
               "{Bn} ждёт внимания {h_loc} больше, чем его могут дать."]),
    # Mars
    dict(soft=["{Bn} разжигает {h_acc}, и {own_dat} трудно устоять.",
               "{Bn} вносит {h_into} смелость и огонь.",
               "Рядом с {Bi} {h_nom} вспыхивают желанием.",
               "Благодаря {Bd} {own_dat} легче сделать первый шаг."],
         hard=["{Bn} торопит события, и {own_dat} не хватает времени "
               "раскрыться.",
               "{h_loc} вспыхивают и страсть, и раздражение: {Bn} действует "
               "напористо.",
               "Из-за {Bg} {h_nom} превращаются в поединок.",
               "{Bn} вторгается {h_into} без приглашения."]),
    # Jupiter
    dict(soft=["{Bn} щедро одаривает теплом и радостью всё, что связано "
               "{h_with}.",
               "{Bn} расширяет {h_acc}, и {own_dat} хочется пробовать "
               "новое.",
               "Рядом с {Bi} {h_nom} становятся праздником.",
               "{Bn} балует {own_gen} {h_all_gen}."],
         hard=["{h_loc} {Bn} обещает больше, чем может дать.",
               "{h_loc} ожидания растут быстрее чувств, и {Bn} легко "
               "хватает через край.",
               "Из-за {Bg} {h_nom} обещают больше, чем дают.",
               "{Bn} ищет размаха там, где {own_dat} нужна простота."]),
    # Saturn
    dict(soft=["{Bn} вносит {h_into} постоянство и надёжность.",
               "{Bn} помогает не торопиться {h_all_with}, и "
               "доверие растёт.",
               "Рядом с {Bi} {h_nom} становятся надёжной опорой.",
               "{Bn} учит {own_gen} не спешить {h_all_gen}."],
         hard=["{Bn} сковывает {h_acc}, и {own_dat} трудно расслабиться.",
               "{h_loc} появляется холодок: {Bn} сдерживает порывы.",
               "Из-за {Bg} {h_nom} остывают.",
               "{Bn} держит {own_gen} на расстоянии {h_loc}."]),
    # Uranus
    dict(soft=["{Bn} вносит {h_into} азарт и неожиданности.",
               "{Bn} освобождает {h_acc} от условностей.",
               "Рядом с {Bi} {h_nom} полны сюрпризов.",
               "{Bn} дарит {own_dat} свободу {h_all_with}."],
         hard=["{Bn} вносит {h_into} непредсказуемость, и {own_dat} трудно "
               "понять, чего ждать.",
               "{h_loc} влечение то вспыхивает, то гаснет: {Bn} не терпит "
               "предсказуемости.",
               "Из-за {Bg} {h_nom} то разгораются, то исчезают.",
               "{Bn} ускользает, как только {own_dat} хочется близости."]),
    # Neptune
    dict(soft=["{Bn} окутывает {h_acc} романтической дымкой.",
               "{Bn} пробуждает фантазию {h_all_with}.",
               "Рядом с {Bi} {h_nom} похожи на сказку.",
               "{Bn} угадывает тайные мечты {own_gen}, связанные {h_with}."],
         hard=["{Bn} затуманивает {h_acc}, и за мечтами трудно разглядеть "
               "настоящие желания.",
               "{h_loc} легко обмануться: {Bn} показывает то, что хочется "
               "увидеть.",
               "Из-за {Bg} {h_nom} теряют ясность.",
               "{Bn} обещает {own_dat} сказку, которая может не сбыться."]),
    # Pluto
    dict(soft=["{Bn} придаёт глубину и силу всему, что связано {h_with}.",
               "{Bn} преображает {h_acc}, и {own_dat} открываются новые "
               "грани желания.",
               "Рядом с {Bi} {h_nom} обретают силу и глубину.",
               "{Bn} помогает {own_dat} отдаться чувству без остатка."],
         hard=["{Bn} ревниво охраняет всё, что связано {h_with}, и притяжение "
               "оборачивается контролем.",
               "{h_loc} {Bn} требует всего или ничего, и это становится "
               "испытанием.",
               "Из-за {Bg} {h_nom} становятся полем борьбы за власть.",
               "{Bn} ревнует {own_gen} ко всему, что связано {h_with}."]),
    # Chiron
    dict(soft=["{Bn} бережно касается всего, что связано {h_with}, и "
               "старые страхи отступают.",
               "{Bn} помогает исцелить давнюю неуверенность, связанную "
               "{h_with}.",
               "Рядом с {Bi} {h_nom} перестают пугать.",
               "{Bn} возвращает {own_dat} доверие к собственным чувствам."],
         hard=["{Bn} задевает уязвимое место, и всё, что связано {h_with}, "
               "отзывается болью.",
               "{h_loc} оживают старые страхи, и {own_dat} хочется "
               "закрыться.",
               "Из-за {Bg} {h_nom} оживляют старую боль.",
               "{Bn} задевает {own_gen} там, где особенно тонко."]),
    # Proserpina
    dict(soft=["{Bn} вносит {h_into} таинственность и глубину.",
               "{Bn} помогает обновить всё, что связано {h_with}.",
               "Рядом с {Bi} {h_nom} раскрываются с неожиданной стороны.",
               "{Bn} открывает {own_dat} незнакомую глубину чувств."],
         hard=["{Bn} требует перемен {h_loc}, а чувства к ним ещё не "
               "готовы.",
               "{h_loc} становится тесно: {Bn} ломает привычное.",
               "Из-за {Bg} {h_nom} меняются слишком резко.",
               "{Bn} требует от {own_gen} полной откровенности {h_loc}."]),
    # Rahu
    dict(soft=["{Bn} открывает новые ощущения {h_loc}.",
               "{Bn} манит к новому {h_all_with}.",
               "Рядом с {Bi} {h_nom} манят неизведанным.",
               "{Bn} зовёт {own_gen} за пределы привычного."],
         hard=["{Bn} тянет {h_acc} к неизведанному, и {own_dat} не по "
               "себе.",
               "{h_loc} новизна и тревога идут рядом: {Bn} торопит "
               "события.",
               "Из-за {Bg} {h_nom} выходят из-под контроля.",
               "{Bn} увлекает {own_gen} туда, куда страшно идти."]),
    # Ketu
    dict(soft=["{Bn} приносит {h_into} ощущение давнего знакомства.",
               "{Bn} пробуждает память о прежних чувствах, связанных "
               "{h_with}, и она согревает.",
               "Рядом с {Bi} {h_nom} кажутся родными.",
               "{Bn} возвращает {own_dat} забытую нежность."],
         hard=["{Bn} возвращает {h_acc} к старым сценариям.",
               "{h_loc} повторяются прежние разочарования, и их важно "
               "распознать.",
               "Из-за {Bg} {h_nom} идут по старому кругу.",
               "{Bn} напоминает {own_dat} о прежних разочарованиях."]),
    # Selena
    dict(soft=["{Bn} делает {h_acc} чище и светлее.",
               "{Bn} приносит {h_into} искренность и бескорыстную "
               "нежность.",
               "Рядом с {Bi} {h_nom} становятся чище.",
               "{Bn} дарит {own_dat} светлое, почти юношеское чувство."],
         hard=["{Bn} ставит слишком высокую планку {h_loc}.",
               "{h_loc} ожидание идеала мешает принять живые чувства.",
               "Из-за {Bg} {h_nom} не дотягивают до идеала.",
               "{Bn} ждёт от {own_gen} возвышенного там, где хочется "
               "простого."]),
    # Lilith
    dict(soft=["{Bn} пробуждает смелость {h_all_with}.",
               "{Bn} помогает признаться в желаниях, о которых обычно "
               "молчат.",
               "Рядом с {Bi} {h_nom} освобождаются от запретов.",
               "{Bn} помогает {own_dat} принять свои тайные желания."],
         hard=["{Bn} вносит {h_into} искушение и ревность.",
               "{h_loc} соблазн заглушает осторожность: {Bn} дразнит и "
               "провоцирует.",
               "Из-за {Bg} {h_nom} становятся опасной игрой.",
               "{Bn} искушает {own_gen}, и устоять трудно."]),
]

EROTIC_HOUSE = [
    # 1
    dict(soft=["Притяжение возникает с первого взгляда.",
               "{Own_dat} рядом с {act_ins} приятно ловить на себе "
               "восхищённый взгляд.",
               "Этот контакт делает внешнее притяжение особенно сильным.",
               "Взгляды встречаются, и слова уже не нужны.",
               "{Own_dat} хочется нравиться ещё больше."],
         hard=["Здесь рядом уживаются влечение и придирчивость к мелочам.",
               "{Own_dat} порой неловко под слишком пристальным вниманием.",
               "Первое впечатление обманчиво, и притяжение требует "
               "проверки.",
               "Критика внешности ранит сильнее, чем кажется.",
               "{Own_dat} трудно расслабиться под оценивающим взглядом."]),
    # 2
    dict(soft=["Прикосновения значат здесь больше слов.",
               "Чувственные удовольствия — вкусная еда, мягкие ткани, тепло "
               "— сближают.",
               "{Own_dat} рядом с {act_ins} телесно спокойно и приятно.",
               "Телесное тепло и уют становятся языком любви.",
               "{Own_dat} приятны щедрость и маленькие подарки."],
         hard=["Разные представления о комфорте мешают расслабиться.",
               "Собственнические чувства прорываются в ревности.",
               "Щедрость в удовольствиях оборачивается спорами о тратах.",
               "Ревность к вещам и времени портит радость.",
               "{Own_dat} кажется, что удовольствия делятся неравно."]),
    # 3
    dict(soft=["Флирт и переписка становятся прелюдией к близости.",
               "Лёгкие разговоры наполнены намёками и игрой.",
               "Слова и взгляды сближают сильнее, чем поступки.",
               "Переписка полна нежности и намёков.",
               "{Own_dat} нравится, что с {act_ins} можно говорить обо всём."],
         hard=["Слова ранят неожиданно, и флирт легко переходит в "
               "колкость.",
               "Недомолвки мешают понять, чего хочет другой.",
               "Ревность к чужим разговорам портит настроение.",
               "Слова и обещания расходятся с делами.",
               "{Own_dat} неловко от слишком откровенных разговоров."]),
    # 4
    dict(soft=["Близость здесь прежде всего домашняя, тёплая и надёжная.",
               "Дом становится местом, где хочется любить.",
               "{Own_dat} рядом с {act_ins} спокойно, как в детстве.",
               "Вечера вдвоём дома становятся самыми дорогими.",
               "{Own_dat} хочется впустить этого человека в свой дом."],
         hard=["Бытовые заботы гасят романтику.",
               "Семейные сценарии вмешиваются в близость.",
               "Чувство защищённости легко нарушить неосторожным словом.",
               "{Own_dat} трудно почувствовать себя в безопасности.",
               "Домашние заботы отнимают силы у нежности."]),
    # 5
    dict(soft=["Романтика, свидания и игры дают этой связи много радости.",
               "Это классический контакт влюблённости.",
               "{Own_dat} рядом с {act_ins} хочется праздника и "
               "приключений.",
               "Каждая встреча похожа на праздник.",
               "{Own_dat} хочется дарить и получать подарки."],
         hard=["Романтика соседствует с драмой, и влюблённость бывает "
               "бурной.",
               "Соперничество и ревность врываются в праздник.",
               "Игра в любовь рискует стать игрой на нервах.",
               "{Own_dat} больно, когда внимание уходит к другим.",
               "Праздник легко заканчивается ссорой."]),
    # 6
    dict(soft=["Забота проявляется в мелочах: чашка чая, плед, внимание к "
               "самочувствию.",
               "Близость укрепляется будничной нежностью.",
               "Ритм жизни у вас согласован, и это приятно телу.",
               "Маленькие заботы говорят о любви лучше слов.",
               "{Own_dat} приятно, когда о самочувствии помнят."],
         hard=["Будни вытесняют романтику, если о ней не заботиться.",
               "Придирки к мелочам остужают влечение.",
               "Усталость одного мешает желаниям другого.",
               "{Own_dat} не хватает внимания среди будничных дел.",
               "Раздражение из-за мелочей гасит желание."]),
    # 7
    dict(soft=["Притяжение здесь сразу окрашено мыслями о союзе.",
               "Этот контакт — сильное указание на взаимную симпатию.",
               "{Own_dat} видится в этой связи пара, а не случайный "
               "роман.",
               "{Own_dat} хочется быть парой открыто и всерьёз.",
               "Взаимная симпатия растёт с каждой встречей."],
         hard=["Влечение смешано с соперничеством: кто кого завоюет?",
               "Ожидания от союза не совпадают, и это охлаждает.",
               "Притяжение сильное, но требует честных договорённостей.",
               "{Own_dat} трудно понять, роман это или союз.",
               "Ревность к свободе другого мешает сближению."]),
    # 8
    dict(soft=["Глубокая близость и доверие здесь особенно сильны.",
               "Этот контакт дарит страсть, которая преображает.",
               "Интимная сторона отношений становится источником силы.",
               "Доверие в близости растёт и становится глубоким.",
               "{Own_dat} рядом с {act_ins} не страшно раскрыться до конца."],
         hard=["Страсть смешана с ревностью и борьбой за власть.",
               "Интимное доверие даётся трудно и ранит, когда его "
               "нарушают.",
               "Сила влечения пугает и требует бережности.",
               "{Own_dat} тревожно от силы собственных чувств.",
               "Тайны и ревность осложняют близость."]),
    # 9
    dict(soft=["Романтика путешествий и новых впечатлений сближает.",
               "Вместе хочется открывать новое, и в близости тоже.",
               "Свобода взглядов делает отношения лёгкими.",
               "Поездки вдвоём становятся лучшими воспоминаниями.",
               "{Own_dat} хочется приключений вдвоём."],
         hard=["Разные взгляды на любовь и верность рождают споры.",
               "Поиск новизны уводит то одного, то другого.",
               "Морализаторство остужает чувственность.",
               "{Own_dat} кажется, что свободу ограничивают.",
               "Разные представления о допустимом рождают споры."]),
    # 10
    dict(soft=["Вы гордитесь друг другом, и это подогревает влечение.",
               "Пара хорошо смотрится со стороны.",
               "{Own_dat} приятно появляться вместе на людях.",
               "Успех одного радует и волнует другого.",
               "{Own_dat} лестно быть рядом с таким человеком."],
         hard=["Желание выглядеть парой мешает быть собой наедине.",
               "Честолюбие вмешивается в чувства.",
               "Мнение окружающих значит слишком много.",
               "{Own_dat} неловко, когда чувства выставлены напоказ.",
               "Карьера отнимает время у любви."]),
    # 11
    dict(soft=["Дружба и влечение здесь неразделимы.",
               "Лёгкость общения и свобода делают связь свежей.",
               "{Own_dat} рядом с {act_ins} хочется мечтать вдвоём.",
               "Общие друзья радуются этой паре.",
               "{Own_dat} легко и весело рядом с {act_ins}."],
         hard=["Один ищет дружбы, другой — страсти.",
               "Свободу в любви каждый понимает по-своему.",
               "Общие друзья вмешиваются в отношения.",
               "{Own_dat} не хватает серьёзности в этой дружбе.",
               "Ревность к друзьям портит отношения."]),
    # 12
    dict(soft=["Между вами возникает тайная, почти мистическая близость.",
               "Фантазии и сокровенные чувства находят понимание.",
               "Эта связь дарит нежность, о которой не рассказывают.",
               "Тихие часы вдвоём значат больше громких слов.",
               "{Own_dat} рядом с {act_ins} легче открыть сокровенное."],
         hard=["Тайные чувства и недомолвки тяготят.",
               "Связь рискует стать тайной или запретной.",
               "Скрытые желания не находят выхода и копятся.",
               "{Own_dat} трудно признаться в своих чувствах.",
               "Тайна, окружающая связь, тяготит."]),
]

EROTIC_CUSP_DYN = {
    0: ["Соединение с куспидом делает это влечение постоянным и "
        "ощутимым.",
        "Точка стоит прямо на границе дома, и её тепло трудно не "
        "почувствовать.",
        "Такое соединение приковывает внимание к этой стороне близости."],
    60: ["Секстиль к куспиду — мягкое приглашение к сближению.",
         "Этот секстиль раскрывается в игре и внимании.",
         "Секстиль дарит лёгкое, весёлое притяжение."],
    90: ["Квадрат к куспиду придаёт влечению остроту и беспокойство.",
         "Этот квадрат будоражит чувства.",
         "Квадрат требует бережности, иначе искра обжигает."],
    120: ["Трин к куспиду дарит естественную, спокойную нежность.",
          "Этот трин делает притяжение ровным и долгим.",
          "Гармония трина ощущается как лёгкость рядом."],
    180: ["Оппозиция к куспиду тянет друг к другу с противоположных "
          "сторон.",
          "Противостояние добавляет влечению напряжения.",
          "Оппозиция дразнит и манит."],
    150: ["Квинконс к куспиду рождает смутное, неровное влечение.",
          "Влияние квинконса неочевидно, но ощутимо.",
          "Этот квинконс просит деликатности."],
}

EROTIC_IN_OPEN = [
    "{Bn} попадает в {house_a}, в сферу {h_gen}.",
    "{Bn} стоит в {house_p}, и партнёр волнует вас через {h_acc}.",
    "{Bn} оказывается в {house_p}, там, где для вас важны {h_nom}.",
    "{Bn} находится в {house_p}, а это сфера {h_gen}.",
    "{Bn} занимает {house_a}, и {h_nom} становятся языком вашего "
    "влечения.",
    "{Bn} входит в {house_a}, и {h_nom} приобретают чувственный оттенок.",
    "В {house_p} стоит {Bn}, и волнение связано с тем, что касается {h_gen}.",
    "{Bn} приходится на {house_a}, то есть на {h_acc}.",
    "{Bn} располагается в {house_p}, и {h_nom} манят сильнее.",
]

EROTIC_IN_BODY = [
    # Sun
    ["Партнёр согревает {h_acc}, и рядом с ним вы расцветаете.",
     "Партнёр притягивает вас своей уверенностью "
     "{h_all_gen}."],
    # Moon
    ["Партнёр окружает нежностью всё, что связано {h_with}.",
     "Настроение партнёра тонко влияет на {h_acc}."],
    # Mercury
    ["Партнёр умеет волновать словами, особенно когда речь заходит о том, "
     "что касается {h_gen}.",
     "Партнёр пленяет вас остроумием, и {h_nom} наполняются игрой."],
    # Venus
    ["Партнёр приносит {h_into} красоту и чувственность.",
     "Рядом с партнёром {h_nom} становятся источником наслаждения."],
    # Mars
    ["Партнёр будит в вас желание, и главный его язык — {h_nom}.",
     "Страсть партнёра особенно ощутима {h_all_gen}."],
    # Jupiter
    ["Партнёр щедро дарит радость, и {h_nom} становятся праздником.",
     "Рядом с партнёром хочется большего {h_all_with}."],
    # Saturn
    ["Партнёр сдержан {h_all_gen}, и его тепло "
     "приходится заслужить.",
     "Партнёр приносит {h_into} постоянство и серьёзность."],
    # Uranus
    ["Партнёр приносит {h_into} азарт и неожиданности.",
     "Рядом с партнёром {h_nom} перестают подчиняться правилам."],
    # Neptune
    ["Партнёр окутывает {h_acc} романтикой и фантазией.",
     "Рядом с партнёром {h_nom} похожи на сон, и важно не терять связь с "
     "реальностью."],
    # Pluto
    ["Партнёр властно притягивает вас, и {h_nom} меняются до "
     "неузнаваемости.",
     "Влияние партнёра на {h_acc} глубокое и страстное."],
    # Chiron
    ["Партнёр бережно касается ваших страхов, связанных {h_with}.",
     "Рядом с партнёром оживают давние сомнения, связанные {h_with}, и "
     "появляется шанс их отпустить."],
    # Proserpina
    ["Партнёр пробуждает в вас скрытые чувства, связанные {h_with}.",
     "Рядом с партнёром {h_nom} обретают новую глубину."],
    # Rahu
    ["Партнёр открывает вам новые ощущения {h_all_gen}.",
     "Рядом с партнёром {h_nom} манят новизной."],
    # Ketu
    ["Рядом с партнёром {h_nom} кажутся знакомыми, словно из прошлой "
     "любви.",
     "Партнёр пробуждает воспоминания о прежних чувствах, связанных "
     "{h_with}."],
    # Selena
    ["Партнёр делает {h_acc} светлее и искреннее.",
     "Рядом с партнёром {h_nom} наполняются чистой нежностью."],
    # Lilith
    ["Партнёр пробуждает в вас запретные желания, связанные {h_with}.",
     "Рядом с партнёром {h_nom} окрашиваются соблазном."],
]

EROTIC_IN_HOUSE = [
    # 1
    ["Партнёр притягивает вас с первого взгляда.",
     "Рядом с ним вы больше следите за собой и своим обликом.",
     "Его присутствие делает вас заметнее и привлекательнее."],
    # 2
    ["Прикосновения партнёра особенно приятны.",
     "Этот партнёр будит вашу чувственность.",
     "Рядом с ним хочется комфорта и телесных удовольствий."],
    # 3
    ["С партнёром легко флиртовать и часами разговаривать.",
     "Ваша близость начинается со слов и переписки.",
     "Партнёр умеет сказать то, что волнует."],
    # 4
    ["С этим партнёром близость похожа на домашнее тепло.",
     "Рядом с ним вы чувствуете себя защищённо.",
     "Эта связь тянет к совместной жизни."],
    # 5
    ["Партнёр попадает в сферу влюблённости и романтики.",
     "С ним хочется свиданий, подарков и приключений.",
     "Это один из самых романтических контактов синастрии."],
    # 6
    ["С партнёром близость строится на будничной заботе.",
     "Партнёр внимателен к вашему самочувствию и привычкам.",
     "Ваш ритм жизни подстраивается под партнёра."],
    # 7
    ["Партнёр попадает прямо в сферу союза, и притяжение сразу окрашено "
     "мыслями о паре.",
     "Это сильное указание на взаимное влечение и желание быть вместе.",
     "Рядом с этим партнёром хочется верности."],
    # 8
    ["Партнёр касается самой интимной сферы вашего гороскопа.",
     "С ним возможна глубокая, преображающая страсть.",
     "Эта связь будит сильные желания и требует доверия."],
    # 9
    ["С партнёром хочется путешествий и новых впечатлений.",
     "Партнёр расширяет ваши представления о любви.",
     "Эта связь свободна от условностей."],
    # 10
    ["Вы гордитесь этим партнёром и охотно появляетесь с ним на людях.",
     "Партнёр вызывает у вас уважение, и оно подогревает влечение.",
     "Эта связь заметна окружающим."],
    # 11
    ["С партнёром вас связывают дружба и лёгкость.",
     "Партнёр становится другом, в которого легко влюбиться.",
     "В этой связи много свободы и общих мечтаний."],
    # 12
    ["Партнёр касается ваших тайных фантазий.",
     "Эта связь окружена тайной и недосказанностью.",
     "Рядом с ним проявляются чувства, которые вы прячете даже от себя."],
]

# ---------------------------------------------------------------------------
# Karmic (SinAsp01.txt, SinDom01.txt): the deeper lesson of the bond. In
# the aspect file A is the man's body and B the woman's, so the prose may
# say "он" and "она", "его" and "её".
# ---------------------------------------------------------------------------
KARMIC_ROLES = [
    # Sun
    [("предназначение", None, "предназначения", "предназначению",
      "предназначением"),
     ("сила духа", "силу духа", "силы духа", "силе духа", "силой духа")],
    # Moon
    [("память души", None, "памяти души", None, "памятью души"),
     ("родовые привязанности", None, "родовых привязанностей",
      "родовым привязанностям", "родовыми привязанностями")],
    # Mercury
    [("способ понимать мир", None, "способа понимать мир",
      "способу понимать мир", "способом понимать мир"),
     ("жажда знания", "жажду знания", "жажды знания", "жажде знания",
      "жаждой знания")],
    # Venus
    [("умение любить", None, "умения любить", "умению любить",
      "умением любить"),
     ("сердечные ценности", None, "сердечных ценностей",
      "сердечным ценностям", "сердечными ценностями")],
    # Mars
    [("воля к действию", "волю к действию", "воли к действию",
      "воле к действию", "волей к действию"),
     ("сила желаний", "силу желаний", "силы желаний", "силе желаний",
      "силой желаний")],
    # Jupiter
    [("вера", "веру", "веры", "вере", "верой"),
     ("стремление к мудрости", None, "стремления к мудрости",
      "стремлению к мудрости", "стремлением к мудрости")],
    # Saturn
    [("чувство долга", None, "чувства долга", "чувству долга",
      "чувством долга"),
     ("урок терпения", None, "урока терпения", "уроку терпения",
      "уроком терпения")],
    # Uranus
    [("стремление к свободе", None, "стремления к свободе",
      "стремлению к свободе", "стремлением к свободе"),
     ("внезапные прозрения", None, "внезапных прозрений",
      "внезапным прозрениям", "внезапными прозрениями")],
    # Neptune
    [("духовные поиски", None, "духовных поисков", "духовным поискам",
      "духовными поисками"),
     ("способность к жертве", None, "способности к жертве", None,
      "способностью к жертве")],
    # Pluto
    [("сила перерождения", "силу перерождения", "силы перерождения",
      "силе перерождения", "силой перерождения"),
     ("власть над судьбой", None, "власти над судьбой", None,
      "властью над судьбой")],
    # Chiron
    [("давняя боль", "давнюю боль", "давней боли", None, "давней болью"),
     ("дар целителя", None, "дара целителя", "дару целителя",
      "даром целителя")],
    # Proserpina
    [("глубинное очищение", None, "глубинного очищения",
      "глубинному очищению", "глубинным очищением"),
     ("служение", None, "служения", "служению", "служением")],
    # Rahu
    [("призвание души", None, "призвания души", "призванию души",
      "призванием души"),
     ("путь вперёд", None, "пути вперёд", "пути вперёд", "путём вперёд")],
    # Ketu
    [("груз прошлого", None, "груза прошлого", "грузу прошлого",
      "грузом прошлого", TENSE),
     ("опыт прошлых воплощений", None, "опыта прошлых воплощений",
      "опыту прошлых воплощений", "опытом прошлых воплощений")],
    # Selena
    [("светлая судьба", "светлую судьбу", "светлой судьбы",
      "светлой судьбе", "светлой судьбой"),
     ("чистота помыслов", "чистоту помыслов", "чистоты помыслов",
      "чистоте помыслов", "чистотой помыслов")],
    # Lilith
    [("искушение", None, "искушения", "искушению", "искушением", TENSE),
     ("теневая сторона", "теневую сторону", "теневой стороны",
      "теневой стороне", "теневой стороной")],
]

KARMIC_OPEN = {
    "conj": [
        "{An} соединяется с {Bi}, и в одну судьбу сплетаются его {ra_nom} и "
        "её {rb_nom}.",
        "Соединение {Ag} с {Bi} связывает его {ra_acc} с её {rb_ins} узлом, "
        "который не развязать за одну встречу.",
        "{An} накладывается на {Ba}: она узнаёт в нём своё, он — в ней.",
        "Когда {An} совпадает с {Bi}, общим делом становятся его {ra_nom} "
        "и её {rb_nom}.",
        "{An} встречает {Ba} в одном градусе, и в давней связи сходятся его "
        "{ra_nom} и её {rb_nom}.",
        "{An} сливается с {Bi}: его {ra_acc} и её {rb_acc} уже не разделить.",
        "В соединении {Ag} и {Bg} судьба сводит его {ra_acc} и её {rb_acc}.",
        "{An} стоит на {Bp}, и встреча кажется предначертанной.",
    ],
    "soft": [
        "{An} поддерживает {Ba}, и навстречу друг другу идут его {ra_nom} и "
        "её {rb_nom}.",
        "Между {Ai} и {Bi} гармоничный аспект, и его {ra_acc} легко "
        "соединить с её {rb_ins}.",
        "{An} и {Bn} в согласии: он приносит в союз {ra_acc}, она — "
        "{rb_acc}.",
        "Гармония {Ag} и {Bg} — награда за былое: его {ra_nom} и её "
        "{rb_nom} легко находят друг друга.",
        "У {Ag} и {Bg} лёгкий аспект, поэтому без борьбы дополняют друг "
        "друга его {ra_nom} и её {rb_nom}.",
        "{An} помогает {Bd}: его {ra_nom} и её {rb_nom} здесь союзники.",
        "Мягкий аспект {Ag} к {Bd} бережно связывает его {ra_acc} с её "
        "{rb_ins}.",
        "{An} благословляет {Ba}, и в этой паре легко уживаются его {ra_nom} "
        "и её {rb_nom}.",
        "{An} смотрит на {Ba} дружески, и в союзе легко совмещаются его "
        "{ra_nom} и её {rb_nom}.",
        "Его {A_n} и её {B_n} в гармонии, и у пары общий дар: {ra_nom} и "
        "{rb_nom}.",
        "Гармоничный аспект {Ag} к {Bd} соединяет его {ra_acc} и её {rb_acc} "
        "в одно целое.",
        "{An} откликается на {Ba}, так что его {ra_acc} и её {rb_acc} легко "
        "согласовать.",
    ],
    "hard": [
        "{An} испытывает {Ba}: трудно примирить его {ra_acc} и её {rb_acc}, "
        "и в этом урок.",
        "Между {Ai} и {Bi} напряжённый аспект, и сталкиваются его {ra_nom} и "
        "её {rb_nom}.",
        "{An} и {Bn} тянут в разные стороны: его {ra_nom} против её "
        "{rb_gen}.",
        "{An} давит на {Ba}, и старый счёт между ними ещё не закрыт.",
        "Этот аспект сталкивает его {ra_acc} с её {rb_ins}, и союз "
        "становится школой.",
        "{An} задевает {Ba}: он приносит {ra_acc}, она — {rb_acc}.",
        "Его {A_n} и её {B_n} в напряжении, и урок в том, чтобы примирить "
        "{ra_acc} и {rb_acc}.",
        "Напряжённый аспект {Ag} к {Bd} ставит его {ra_acc} против её "
        "{rb_gen}.",
        "{An} бросает вызов {Bd}, и в этой паре спорят его {ra_nom} и её "
        "{rb_nom}.",
        "{An} не даёт покоя {Bd}: его {ra_nom} и её {rb_nom} требуют "
        "примирения.",
        "{An} спорит с {Bi}, и без уступок не соединить его {ra_acc} и её "
        "{rb_acc}.",
        "Там, где встречаются его {ra_nom} и её {rb_nom}, неизбежны "
        "испытания.",
    ],
    "adj": [
        "{An} и {Bn} смотрят друг на друга под неудобным углом, и долго "
        "подстраивать приходится его {ra_acc} и её {rb_acc}.",
        "Квинконс {Ag} к {Bd} — аспект незавершённого дела: никак не "
        "совпадут его {ra_nom} и её {rb_nom}.",
        "Между {Ai} и {Bi} квинконс, и его {ra_nom} и её {rb_nom} будто из "
        "разных историй.",
        "{An} и {Bn} требуют тонкой настройки: он приносит {ra_acc}, она — "
        "{rb_acc}.",
        "Его {A_n} и её {B_n} в квинконсе, и соединить {ra_acc} и {rb_acc} "
        "можно лишь со временем.",
        "{An} косо смотрит на {Ba}, и неясно, как сочетать его {ra_acc} и её "
        "{rb_acc}.",
        "Квинконс неловко связывает его {ra_acc} с её {rb_ins}.",
        "{An} тянется к {Bd} окольным путём, и его {ra_nom} и её {rb_nom} "
        "встречаются не сразу.",
    ],
}

KARMIC_DYN = {
    0: ["Соединение в синастрии издавна считают знаком давней связи, и эта "
        "встреча ощущается неслучайной.",
        "При соединении две судьбы накладываются друг на друга, и урок у "
        "пары общий.",
        "Такое совпадение действует как узел, завязанный задолго до этой "
        "встречи.",
        "Соединение делает эту тему центральной для всей связи.",
        "О таких связях говорят: встретились не впервые.",
        "Соединение говорит о задаче, которую двоим предстоит решить сообща.",
        "В соединении прошлое и настоящее пары сходятся в одной точке.",
        "Такая связь редко бывает мимолётной.",
        "Соединение делает двоих соучастниками одной судьбы."],
    60: ["Секстиль — возможность продолжить хорошее, начатое раньше.",
         "Этот аспект даёт шанс, которым нужно воспользоваться сознательно.",
         "Секстиль говорит о помощи, которую двое могут оказать друг другу, "
         "если захотят.",
         "Польза секстиля раскрывается в общем деле.",
         "Этот аспект мягко подталкивает к совместному росту.",
         "Секстиль приоткрывает дверь, войти в которую можно только вместе.",
         "Этот аспект — тихая помощь, которую легко не заметить.",
         "Секстиль учит благодарности за простые дары.",
         "Шанс секстиля нужно использовать, пока он есть."],
    90: ["Квадрат — аспект незакрытого долга: то, что не решено раньше, "
         "требует решения теперь.",
         "Квадрат ставит перед парой задачу, которую нельзя обойти.",
         "Напряжение квадрата — приглашение повзрослеть вместе.",
         "Этот аспект испытывает, но и закаляет.",
         "Квадрат проверяет, способны ли двое учиться на разногласиях.",
         "Квадрат показывает узел, который пора развязать.",
         "Этот аспект требует мужества признать свою часть вины.",
         "Квадрат учит, что трудности пары — общее дело.",
         "Урок квадрата усваивается не словами, а поступками."],
    120: ["Трин — награда за прошлые усилия, и многое здесь даётся даром.",
          "Трин говорит о душевном родстве, которое не нужно доказывать.",
          "С этим аспектом двоим легко помогать друг другу расти.",
          "Трин дарит покой, но не снимает ответственности за дар.",
          "Этот аспект — запас прочности союза.",
          "Трин говорит о заслуженной лёгкости.",
          "Этот аспект напоминает, что дар нужно умножать.",
          "Трин соединяет двоих тихой благодарностью.",
          "Гармония трина становится опорой в трудные годы."],
    180: ["Оппозиция — встреча двух половин: каждый видит в другом то, что "
          "должен принять в себе.",
          "Оппозиция учит равновесию между «я» и «мы».",
          "При оппозиции партнёр становится зеркалом, и урок в том, чтобы не "
          "воевать с отражением.",
          "Этот аспект притягивает и отталкивает, пока не найдена "
          "середина.",
          "Оппозиция зовёт к примирению противоположностей.",
          "Оппозиция показывает, чему каждый должен научиться у другого.",
          "Этот аспект — урок признания другого равным.",
          "Оппозиция учит отпускать борьбу за правоту.",
          "При оппозиции двое дополняют друг друга, если перестают "
          "соперничать."],
    150: ["Квинконс говорит о незавершённом деле, которое нужно довести до "
          "конца.",
          "Этот аспект требует терпеливой подстройки и отказа от привычных "
          "ожиданий.",
          "Квинконс учит принимать то, что нельзя изменить.",
          "Неловкость квинконса уходит, когда двое перестают переделывать "
          "друг друга.",
          "Этот аспект просит смирения и внимательности.",
          "Квинконс напоминает о том, что осталось недоделанным.",
          "Этот аспект учит гибкости и прощению.",
          "Квинконс проверяет готовность меняться ради другого.",
          "Урок квинконса — терпение к чужим странностям."],
}

KARMIC_LIFE = [
    # Sun
    dict(soft=["Урок этой связи — поддерживать достоинство друг друга и "
               "вместе идти к своему предназначению.",
               "Рядом друг с другом оба яснее видят, ради чего живут.",
               "Эта связь помогает каждому стать собой, не теряя "
               "другого."],
         hard=["Урок связи — научиться уважать чужую волю, не отказываясь "
               "от своей.",
               "Главное испытание здесь — гордость, и смирение даётся "
               "трудно.",
               "Каждому предстоит понять, что быть правым ещё не значит "
               "быть счастливым."]),
    # Moon
    dict(soft=["Эта связь лечит душу: рядом друг с другом оба обретают "
               "дом.",
               "Урок в том, чтобы беречь доверие, которое возникает так "
               "легко.",
               "Двое словно возвращают друг другу тепло, которого им "
               "недоставало."],
         hard=["Урок связи — отпустить старые обиды и родовые сценарии, "
               "которые каждый принёс с собой.",
               "Эта встреча будит детские страхи, и их предстоит "
               "перерасти.",
               "Паре придётся научиться заботиться, не опекая и не "
               "требуя."]),
    # Mercury
    dict(soft=["Двое учат друг друга понимать мир шире.",
               "Урок этой связи — честный разговор, и здесь он даётся "
               "легко.",
               "В общении оба находят ответы на давние вопросы."],
         hard=["Урок связи — слышать, а не только говорить.",
               "Недопонимание здесь не случайно: оно учит терпению в "
               "словах.",
               "Паре предстоит научиться договариваться, не доказывая свою "
               "правоту."]),
    # Venus
    dict(soft=["Эта связь учит любить бескорыстно и радоваться друг другу.",
               "Урок в том, чтобы ценить красоту, которую двое создают "
               "вместе.",
               "Любовь здесь приходит как дар, и его важно сберечь."],
         hard=["Урок связи — любить, не требуя ответа в той же мере.",
               "Эта встреча проверяет, чем каждый готов поступиться ради "
               "любви.",
               "Ревность и обиды здесь учат отличать любовь от "
               "привязанности."]),
    # Mars
    dict(soft=["Вместе двое находят смелость для поступков, на которые "
               "поодиночке не решились бы.",
               "Урок этой связи — направлять силу на общее дело.",
               "Энергия одного пробуждает волю другого."],
         hard=["Урок связи — превратить соперничество в сотрудничество.",
               "Гнев здесь становится учителем: он показывает, где каждый "
               "не свободен.",
               "Паре предстоит научиться спорить, не разрушая друг "
               "друга."]),
    # Jupiter
    dict(soft=["Эта связь укрепляет веру обоих и приносит удачу.",
               "Двое становятся друг для друга учителями и покровителями.",
               "Урок в том, чтобы щедро делиться тем, чем одарила жизнь."],
         hard=["Урок связи — не навязывать свою правду другому.",
               "Эта встреча учит мере в обещаниях и ожиданиях.",
               "Паре предстоит отличить подлинную веру от "
               "самоуверенности."]),
    # Saturn
    dict(soft=["Эта связь строится на верности и выдерживает годы.",
               "Урок в том, чтобы нести общую ответственность спокойно и с "
               "достоинством.",
               "Двое помогают друг другу взрослеть и становиться мудрее."],
         hard=["Сатурн в синастрии — классический знак кармического долга: "
               "один чувствует себя обязанным другому.",
               "Урок связи — отличить заботу от контроля, а долг от "
               "страха.",
               "Эта встреча требует терпения, и плоды её приходят не "
               "сразу."]),
    # Uranus
    dict(soft=["Эта связь освобождает обоих от старых рамок.",
               "Двое помогают друг другу стать свободнее и смелее.",
               "Урок в том, чтобы любить, не удерживая."],
         hard=["Урок связи — принять, что другой человек тебе не "
               "принадлежит.",
               "Внезапные повороты учат доверять жизни.",
               "Паре предстоит найти союз, в котором свобода не разрушает "
               "близость."]),
    # Neptune
    dict(soft=["Эта связь пробуждает сострадание и духовные поиски.",
               "Двое чувствуют друг друга на глубине, недоступной словам.",
               "Урок в том, чтобы служить друг другу без жертвенности."],
         hard=["Урок связи — не путать любовь со спасением.",
               "Иллюзии здесь неизбежны, и их придётся отпустить.",
               "Паре важно отличать мечту от обмана, в том числе от "
               "самообмана."]),
    # Pluto
    dict(soft=["Эта связь меняет обоих глубоко и к лучшему.",
               "Вместе двое проходят через перерождение и выходят "
               "сильнее.",
               "Урок в том, чтобы доверять силе, которая вас соединила."],
         hard=["Урок связи — отказаться от власти друг над другом.",
               "Эта встреча поднимает тёмное из глубины, чтобы его можно "
               "было исцелить.",
               "Паре предстоит пройти через кризис и не разрушить друг "
               "друга."]),
    # Chiron
    dict(soft=["Эта связь исцеляет старую рану, и оба становятся мудрее.",
               "Двое учат друг друга принимать свою уязвимость.",
               "Урок в том, чтобы помогать другому так, как когда-то "
               "хотелось, чтобы помогли тебе."],
         hard=["Урок связи — не ранить в ответ, когда задето больное "
               "место.",
               "Эта встреча вскрывает старые раны, чтобы их наконец можно "
               "было залечить.",
               "Паре предстоит научиться бережности к слабостям друг "
               "друга."]),
    # Proserpina
    dict(soft=["Эта связь помогает обоим освободиться от лишнего.",
               "Вместе двое находят своё служение.",
               "Урок в том, чтобы менять жизнь, не ломая её."],
         hard=["Урок связи — пройти через очищение и не винить в нём "
               "другого.",
               "Эта встреча разрушает отжившее, и сопротивляться "
               "бесполезно.",
               "Паре предстоит понять, что не всё старое стоит "
               "удерживать."]),
    # Rahu
    dict(soft=["Эта связь ведёт обоих к задаче этой жизни.",
               "Рядом друг с другом двое делают шаг в будущее.",
               "Урок в том, чтобы не бояться нового, которое приносит "
               "партнёр."],
         hard=["Урок связи — идти вперёд, даже когда страшно.",
               "Эта встреча выталкивает из привычного, и сопротивление "
               "только усиливает напряжение.",
               "Паре предстоит понять, куда ведёт их общий путь."]),
    # Ketu
    dict(soft=["Эта связь будто продолжается из прошлого, и в ней много "
               "узнавания.",
               "Двое легко понимают друг друга благодаря давнему опыту.",
               "Урок в том, чтобы опираться на прошлое, не застревая в "
               "нём."],
         hard=["Урок связи — завершить старую историю и отпустить её.",
               "Эта встреча возвращает незавершённые дела прошлого.",
               "Паре предстоит не повторить прежних ошибок."]),
    # Selena
    dict(soft=["Эта связь — подарок судьбы, и беречь её значит поступать "
               "честно.",
               "Двое пробуждают друг в друге лучшие качества.",
               "Урок в том, чтобы сохранить светлое, не присваивая его."],
         hard=["Урок связи — принять другого неидеальным.",
               "Высокие ожидания здесь испытывают любовь.",
               "Паре предстоит научиться видеть свет и в несовершенном."]),
    # Lilith
    dict(soft=["Эта связь помогает увидеть свою тень и не испугаться её.",
               "Двое учат друг друга честности перед собой.",
               "Урок в том, чтобы вместе устоять перед искушением."],
         hard=["Урок связи — не поддаться соблазну и не разрушить "
               "доверие.",
               "Эта встреча испытывает на прочность моральные границы "
               "обоих.",
               "Паре предстоит распознать игру с огнём, прежде чем она "
               "обожжёт."]),
]

# (the man's body, the woman's body, class).
KARMIC_PAIRS = {
    (0, 1, "conj"): "Солнце мужчины на Луне женщины издавна считают лучшим "
                    "знаком брака: он светит, она хранит тепло.",
    (1, 0, "conj"): "Луна мужчины на Солнце женщины — знак глубокой "
                    "привязанности, в которой она ведёт, а он бережёт.",
    (0, 1, "soft"): "Его Солнце и её Луна в гармонии — одно из лучших "
                    "указаний на прочный и тёплый брак.",
    (0, 1, "hard"): "Его воля и её чувства расходятся, и урок пары — "
                    "научиться слышать друг друга.",
    (4, 3, "any"): "Марс мужчины и Венера женщины — древняя пара влечения: "
                   "он ищет, она отзывается.",
    (3, 4, "any"): "Венера мужчины и Марс женщины меняют привычные роли: "
                   "она действует, он отзывается.",
    (6, 3, "any"): "Сатурн мужчины и Венера женщины — знак долгой и "
                   "серьёзной связи: он бережёт и сдерживает её чувства.",
    (3, 6, "any"): "Венера мужчины и Сатурн женщины — знак связи, в которой "
                   "она учит его ответственности в любви.",
    (6, 1, "hard"): "Его строгость ранит её чувства, и ей приходится "
                    "учиться не бояться его оценок.",
    (1, 6, "hard"): "Её строгость ранит его чувства, и ему приходится "
                    "учиться не бояться её оценок.",
}

KARMIC_SPHERES = [
    # 1
    [("личность и путь самопознания", None, "личности и пути самопознания",
      "в личности и пути самопознания", "личностью и путём самопознания"),
     ("облик и умение быть собой", None, "облика и умения быть собой",
      "в облике и умении быть собой", "обликом и умением быть собой")],
    # 2
    [("ценности и отношение к материальному", None,
      "ценностей и отношения к материальному",
      "в ценностях и отношении к материальному",
      "ценностями и отношением к материальному"),
     ("самооценка и таланты", "самооценку и таланты",
      "самооценки и талантов", "в самооценке и талантах",
      "самооценкой и талантами")],
    # 3
    [("мышление и умение слышать", None, "мышления и умения слышать",
      "в мышлении и умении слышать", "мышлением и умением слышать"),
     ("слово и родственные связи", None, "слова и родственных связей",
      "в слове и родственных связях", "словом и родственными связями")],
    # 4
    [("родовые корни и дом", None, "родовых корней и дома",
      "в родовых корнях и доме", "родовыми корнями и домом"),
     ("семейная память и душевная опора", "семейную память и душевную опору",
      "семейной памяти и душевной опоры", "в семейной памяти и душевной опоре",
      "семейной памятью и душевной опорой")],
    # 5
    [("любовь и творчество", None, "любви и творчества",
      "в любви и творчестве", "любовью и творчеством"),
     ("дети и радость жизни", "детей и радость жизни",
      "детей и радости жизни", "в детях и радости жизни",
      "детьми и радостью жизни")],
    # 6
    [("служение и повседневный труд", None,
      "служения и повседневного труда", "в служении и повседневном труде",
      "служением и повседневным трудом"),
     ("здоровье и привычки", None, "здоровья и привычек",
      "в здоровье и привычках", "здоровьем и привычками")],
    # 7
    [("брак и союзы", None, "брака и союзов", "в браке и союзах",
      "браком и союзами"),
     ("обязательства и верность", None, "обязательств и верности",
      "в обязательствах и верности", "обязательствами и верностью")],
    # 8
    [("тайные силы и перерождение", None, "тайных сил и перерождения",
      "в тайных силах и перерождении", "тайными силами и перерождением"),
     ("общие ресурсы и глубокое доверие", None,
      "общих ресурсов и глубокого доверия",
      "в общих ресурсах и глубоком доверии",
      "общими ресурсами и глубоким доверием")],
    # 9
    [("вера и поиск смысла", "веру и поиск смысла", "веры и поиска смысла",
      "в вере и поиске смысла", "верой и поиском смысла"),
     ("учителя и дальние дороги", "учителей и дальние дороги",
      "учителей и дальних дорог", "в учителях и дальних дорогах",
      "учителями и дальними дорогами")],
    # 10
    [("призвание и жизненная цель", "призвание и жизненную цель",
      "призвания и жизненной цели", "в призвании и жизненной цели",
      "призванием и жизненной целью"),
     ("ответственность и место в мире", None,
      "ответственности и места в мире", "в ответственности и месте в мире",
      "ответственностью и местом в мире")],
    # 11
    [("друзья и общие надежды", "друзей и общие надежды",
      "друзей и общих надежд", "в друзьях и общих надеждах",
      "друзьями и общими надеждами"),
     ("мечты и духовное братство", None, "мечтаний и духовного братства",
      "в мечтах и духовном братстве", "мечтами и духовным братством")],
    # 12
    [("тайная жизнь души и сострадание", "тайную жизнь души и сострадание",
      "тайной жизни души и сострадания",
      "в тайной жизни души и сострадании",
      "тайной жизнью души и состраданием"),
     ("уединение и духовная работа", "уединение и духовную работу",
      "уединения и духовной работы", "в уединении и духовной работе",
      "уединением и духовной работой")],
]

KARMIC_IN_OPEN = [
    "{Bn} попадает в {house_a}, и через партнёра судьба касается сферы "
    "{h_gen}.",
    "{Bn} стоит в {house_p}, и урок этой связи разворачивается в сфере "
    "{h_gen}.",
    "{Bn} оказывается в {house_p}, там, где у вас {h_nom}.",
    "{Bn} занимает {house_a}, и {h_nom} становятся полем вашей общей "
    "работы.",
    "{Bn} находится в {house_p}, а это сфера {h_gen}.",
    "{Bn} входит в {house_a}, и урок касается {h_gen}.",
    "В {house_p} стоит {Bn}, и здесь у вас с партнёром общая задача.",
    "{Bn} приходится на {house_a}, то есть на {h_acc}.",
    "{Bn} располагается в {house_p}, и {h_nom} становятся местом встречи "
    "двух судеб.",
]

KARMIC_IN_BODY = [
    # Sun
    ["Партнёр приходит, чтобы осветить {h_acc} и показать, к чему вам стоит "
     "стремиться.",
     "Через партнёра вы учитесь проявлять себя "
     "{h_all_gen}."],
    # Moon
    ["Партнёр пробуждает давнюю память, связанную {h_with}, и с ней "
     "приходит тепло.",
     "Рядом с партнёром вы заново учитесь заботе "
     "{h_all_gen}."],
    # Mercury
    ["Партнёр приносит знание, которого вам недоставало "
     "{h_all_gen}.",
     "Разговоры с партнёром открывают новый взгляд на {h_acc}."],
    # Venus
    ["Партнёр учит вас любить и ценить {h_acc}.",
     "Через партнёра в сферу {h_gen} приходят гармония и красота."],
    # Mars
    ["Партнёр пробуждает вашу волю {h_all_gen}.",
     "Через партнёра вы учитесь действовать смело и честно "
     "{h_all_with}."],
    # Jupiter
    ["Партнёр становится вашим учителем и покровителем "
     "{h_all_gen}.",
     "Через партнёра в сферу {h_gen} приходит благословение."],
    # Saturn
    ["Партнёр приносит в сферу {h_gen} серьёзный урок, и его дар "
     "открывается не сразу.",
     "Рядом с партнёром вы учитесь ответственности "
     "{h_all_with}."],
    # Uranus
    ["Партнёр освобождает {h_acc} от старых рамок.",
     "Через партнёра в сферу {h_gen} приходят внезапные перемены и "
     "прозрения."],
    # Neptune
    ["Партнёр пробуждает в сфере {h_gen} сострадание и мечту.",
     "Через партнёра вы учитесь отличать иллюзии от истины "
     "{h_all_gen}."],
    # Pluto
    ["Партнёр приходит, чтобы глубоко преобразить {h_acc}.",
     "Через партнёра в сфере {h_gen} начинается перерождение."],
    # Chiron
    ["Партнёр касается старой раны, связанной {h_with}, и помогает её "
     "исцелить.",
     "Рядом с партнёром вы учитесь принимать свою уязвимость "
     "{h_all_gen}."],
    # Proserpina
    ["Партнёр помогает очистить {h_acc} от отжившего.",
     "Через партнёра сфера {h_gen} проходит глубокое обновление."],
    # Rahu
    ["Партнёр указывает вам новый путь {h_all_gen}.",
     "Через партнёра вы выполняете задачу этой жизни, связанную "
     "{h_with}."],
    # Ketu
    ["Партнёр словно пришёл из прошлого, и {h_nom} напоминают о "
     "незавершённых делах.",
     "Через партнёра вы завершаете старую историю, связанную {h_with}."],
    # Selena
    ["Партнёр приносит в сферу {h_gen} свет и помощь.",
     "Рядом с партнёром {h_nom} наполняются чистотой и смыслом."],
    # Lilith
    ["Партнёр проявляет вашу теневую сторону "
     "{h_all_gen}.",
     "Через партнёра в сферу {h_gen} приходят искушения, которые учат "
     "твёрдости."],
]

KARMIC_IN_HOUSE = [
    # 1
    ["Урок этой связи касается вас лично: рядом с партнёром вы узнаёте "
     "себя заново.",
     "Эта встреча меняет ваш взгляд на себя.",
     "Партнёр помогает вам стать тем, кем вы можете быть."],
    # 2
    ["Урок в том, чтобы по-новому понять, что для вас по-настоящему "
     "ценно.",
     "Эта встреча проверяет ваше отношение к деньгам и вещам.",
     "Партнёр помогает раскрыть таланты, которые вы недооценивали."],
    # 3
    ["Урок этой связи — в словах: научиться слышать и быть услышанным.",
     "Эта встреча меняет ваш способ думать.",
     "Через партнёра проясняются отношения с близкими родственниками."],
    # 4
    ["Урок касается рода и дома: партнёр может помочь исцелить семейные "
     "истории.",
     "Эта встреча будит память о семье и корнях.",
     "С этим партнёром хочется создать дом, который станет опорой."],
    # 5
    ["Урок этой связи — в любви и творчестве: научиться радоваться, не "
     "требуя.",
     "Эта встреча может быть связана с детьми и их судьбой.",
     "Партнёр будит в вас творческую силу."],
    # 6
    ["Урок в повседневном: служить друг другу в мелочах.",
     "Эта встреча учит заботе о здоровье и порядке.",
     "Партнёр помогает превратить будни в осмысленный труд."],
    # 7
    ["Это один из самых значимых знаков: планета партнёра стоит в доме союза.",
     "Урок этой связи — научиться быть вдвоём, не теряя себя.",
     "Эта встреча может стать браком, который многое изменит."],
    # 8
    ["Урок этой связи — пройти через кризис и выйти обновлёнными.",
     "Эта встреча касается самых глубоких слоёв души.",
     "Доверие и общие ресурсы становятся здесь испытанием."],
    # 9
    ["Урок этой связи — в поиске смысла и веры.",
     "Партнёр может стать для вас учителем.",
     "Эта встреча расширяет ваши представления о мире."],
    # 10
    ["Урок касается вашего призвания: партнёр влияет на ваш путь в "
     "обществе.",
     "Эта встреча помогает понять, к какой цели вы идёте.",
     "Рядом с партнёром растёт чувство ответственности."],
    # 11
    ["Урок этой связи — дружба и общие мечты.",
     "Эта встреча вводит вас в новый круг людей.",
     "Партнёр помогает сбыться давним надеждам."],
    # 12
    ["Это связь с глубоким, скрытым смыслом, и многое в ней трудно "
     "объяснить.",
     "Урок этой связи — сострадание и прощение.",
     "Эта встреча касается тайн, которые долго ждали своего часа."],
]

# ---------------------------------------------------------------------------
# Waiting for a partner (Wzaimn.txt): what kind of partner and union suits
# the person. The reader is addressed as "вы".
# ---------------------------------------------------------------------------
# What each sign says about love: the partner who suits (a person), the
# union (always "союз ..."), what matters most, what may get in the way.
SIGN_LOVE = [
    # Aries
    dict(partner=["человек смелый и прямой, с которым не приходится гадать "
                  "о чувствах",
                  "энергичный и решительный человек, готовый первым сделать "
                  "шаг"],
         union=["союз, в котором много движения, спорта и общих начинаний",
                "союз, где ценят честность и быстрые решения"],
         need=["свобода действовать и живой азарт",
               "искренность и ощущение, что вы вместе идёте вперёд"],
         risk=["нетерпение и привычка решать за двоих",
               "вспышки гнева и охлаждение после первого порыва"]),
    # Taurus
    dict(partner=["надёжный, спокойный человек, который ценит уют и "
                  "постоянство",
                  "человек основательный и ласковый, умеющий радоваться "
                  "простым вещам"],
         union=["союз, в котором есть свой дом, достаток и неторопливые "
                "радости",
                "союз, который строится медленно, но надолго"],
         need=["стабильность и телесное тепло",
               "верность и уверенность в завтрашнем дне"],
         risk=["упрямство и ревнивое чувство собственности",
               "привычка держаться за старое, даже когда оно уже не "
               "радует"]),
    # Gemini
    dict(partner=["живой, остроумный собеседник, с которым не бывает "
                  "скучно",
                  "любознательный и лёгкий человек, который любит говорить "
                  "и слушать"],
         union=["союз двух друзей, в котором много разговоров, поездок и "
                "новых впечатлений",
                "союз, где есть место игре, смеху и переменам"],
         need=["общение и свобода менять планы",
               "интерес друг к другу и постоянный обмен новостями"],
         risk=["непостоянство и поверхностность",
               "привычка уходить от серьёзных разговоров"]),
    # Cancer
    dict(partner=["заботливый, чуткий человек, для которого семья важнее "
                  "всего",
                  "нежный и верный человек, умеющий создать дом"],
         union=["союз, в котором есть тёплый дом, общие традиции и дети",
                "союз, где чувствуют настроение друг друга без слов"],
         need=["защищённость и душевная близость",
               "забота и уверенность, что вас не оставят"],
         risk=["обидчивость и перепады настроения",
               "склонность опекать и держаться за прошлое"]),
    # Leo
    dict(partner=["яркий, щедрый человек, которым хочется гордиться",
                  "тёплый и великодушный человек, умеющий устроить "
                  "праздник"],
         union=["союз, в котором много радости, творчества и взаимного "
                "восхищения",
                "союз, где оба чувствуют себя любимыми и значимыми"],
         need=["признание и искреннее восхищение",
               "тепло, щедрость и немного праздника каждый день"],
         risk=["гордость и обида на недостаток внимания",
               "желание быть главным во всём"]),
    # Virgo
    dict(partner=["внимательный, надёжный человек, который проявляет любовь "
                  "делами",
                  "умный и скромный человек, ценящий порядок и пользу"],
         union=["союз, в котором заботятся друг о друге в мелочах",
                "союз, построенный на доверии, ясности и взаимной помощи"],
         need=["практическая забота и порядок в жизни",
               "уважение и спокойное, разумное участие"],
         risk=["придирчивость и тревожность",
               "привычка критиковать вместо того, чтобы поддержать"]),
    # Libra
    dict(partner=["обаятельный, тактичный человек с хорошим вкусом",
                  "мягкий и справедливый человек, для которого важна "
                  "гармония"],
         union=["союз равных, в котором много красоты, уважения и такта",
                "союз, где всё решают вместе и умеют уступать"],
         need=["гармония и равноправие",
               "красота, вежливость и ощущение пары"],
         risk=["нерешительность и боязнь конфликтов",
               "желание нравиться всем сразу"]),
    # Scorpio
    dict(partner=["сильный, глубокий человек, способный на настоящую "
                  "страсть",
                  "преданный и проницательный человек, которого не "
                  "обманешь"],
         union=["союз, в котором много страсти, глубины и полного доверия",
                "союз, который проходит через испытания и становится от них "
                "крепче"],
         need=["глубина чувств и полная откровенность",
               "страсть и верность без полутонов"],
         risk=["ревность и желание контролировать",
               "скрытность и привычка копить обиды"]),
    # Sagittarius
    dict(partner=["весёлый, открытый человек, любящий путешествия и новые "
                  "идеи",
                  "щедрый и свободолюбивый человек с широкими взглядами"],
         union=["союз единомышленников, в котором много поездок, учёбы и "
                "общих планов",
                "союз, где уважают свободу и общие убеждения"],
         need=["свобода и общее мировоззрение",
               "оптимизм и ощущение движения вперёд"],
         risk=["беспечность и нежелание связывать себя обязательствами",
               "привычка поучать"]),
    # Capricorn
    dict(partner=["серьёзный, ответственный человек, на которого можно "
                  "опереться",
                  "сдержанный и целеустремлённый человек, ценящий "
                  "верность"],
         union=["союз, построенный на общих целях, ответственности и "
                "уважении",
                "союз, который с годами становится только крепче"],
         need=["надёжность и ясные обязательства",
               "уважение и общие планы на годы вперёд"],
         risk=["сдержанность, похожая на холодность",
               "привычка ставить дела выше чувств"]),
    # Aquarius
    dict(partner=["независимый, необычный человек, который прежде всего "
                  "друг",
                  "умный и свободный человек с оригинальным взглядом на "
                  "жизнь"],
         union=["союз друзей, уважающих свободу друг друга",
                "союз, в котором есть место новизне, общим идеям и "
                "друзьям"],
         need=["свобода и дружеское равенство",
               "новизна и уважение к вашей независимости"],
         risk=["отстранённость и непредсказуемость",
               "нежелание подчиняться правилам пары"]),
    # Pisces
    dict(partner=["мягкий, чуткий человек с богатым воображением",
                  "добрый и романтичный человек, умеющий сопереживать"],
         union=["союз, в котором много нежности, понимания и творчества",
                "союз, где чувствуют друг друга без слов"],
         need=["нежность и душевное понимание",
               "романтика и ощущение духовной близости"],
         risk=["иллюзии и жертвенность",
               "склонность прятаться от трудных разговоров в мечты"]),
]

# The houses in signs: the first sentence (the house and the sign), a
# sentence about the partner or the union, a word of advice.
WAIT_HOUSE_SIGN = [
    # 1
    ["С Асцендентом {z_in} вы знакомитесь {s_adv} и притягиваете тех, кому "
     "по душе {s_qual}.",
     "Асцендент {z_in} показывает, какими вас видят при первой встрече: в "
     "вас сразу заметны {s_qual}."],
    # 2
    ["Второй дом {z_in} говорит о том, как вы относитесь к деньгам и "
     "комфорту в паре, и здесь важны {s_qual2}.",
     "Со вторым домом {z_in} вы ищете в союзе материальную опору, и ваши "
     "сильные стороны здесь — {s_qual}."],
    # 3
    ["Третий дом {z_in} описывает, как вы общаетесь с близкими: {s_adv}.",
     "С третьим домом {z_in} путь к сердцу лежит через разговор, и в нём "
     "ценятся {s_qual2}."],
    # 4
    ["Глубина Неба {z_in} говорит о том, каким вы видите свой будущий дом, "
     "и в нём должны жить {s_qual}.",
     "С Глубиной Неба {z_in} семейный уклад вы строите {s_adv}."],
    # 5
    ["Пятый дом {z_in} описывает, как вы влюбляетесь: {s_adv}.",
     "С пятым домом {z_in} романтика для вас связана с тем, что несёт этот "
     "знак: {s_qual2}."],
    # 6
    ["Шестой дом {z_in} показывает, каким должен быть быт пары, и в нём "
     "нужны {s_qual2}.",
     "С шестым домом {z_in} будничные заботы вы делите {s_adv}."],
    # 7
    ["Десцендент {z_in} прямо описывает желанного партнёра: это {z_partner}.",
     "С Десцендентом {z_in} вас тянет к людям, в которых есть {s_qual}."],
    # 8
    ["Восьмой дом {z_in} говорит о глубокой близости и общих деньгах, и "
     "здесь вы действуете {s_adv}.",
     "С восьмым домом {z_in} доверие в паре рождается там, где есть "
     "{s_qual2}."],
    # 9
    ["Девятый дом {z_in} показывает, какие взгляды вам близки в партнёре: "
     "{s_qual}.",
     "С девятым домом {z_in} общие убеждения для вас не менее важны, чем "
     "влечение сердца, и ценятся в них {s_qual2}."],
    # 10
    ["Середина Неба {z_in} говорит о месте союза в ваших жизненных целях, и "
     "здесь нужны {s_qual}.",
     "С Серединой Неба {z_in} вы идёте к цели {s_adv} и ждёте, что партнёр "
     "будет уважать ваш путь."],
    # 11
    ["Одиннадцатый дом {z_in} говорит о друзьях и надеждах: любовь нередко "
     "начинается с дружбы, в которой ценятся {s_qual2}.",
     "С одиннадцатым домом {z_in} вы ищете в партнёре единомышленника, и "
     "общие планы строите {s_adv}."],
    # 12
    ["Двенадцатый дом {z_in} говорит о тайных надеждах в любви: в глубине "
     "души вы ждёте того, что несёт этот знак, а это {s_qual2}.",
     "С двенадцатым домом {z_in} в тайных страхах любви легко узнать "
     "теневые черты знака: {s_shadow}."],
]

WAIT_SIGN_TAIL = [
    "Вам подойдёт {z_partner}.",
    "Ваш идеал — {z_union}.",
    "Счастливее всего вы будете там, где есть {z_need}.",
    "Главное для вас в союзе — {z_need}.",
    "Здесь вам близок {z_union}.",
    "Вас сблизят с партнёром {z_need}.",
    "Для вас лучше всего {z_union}.",
    "Рядом с вами хорошо тому, кому важны {z_need}.",
]

WAIT_HOUSE_ADVICE = [
    # 1
    ["Вам полезно {s_advice}.",
     "При знакомстве помешать могут {s_shadow}."],
    # 2
    ["В денежных делах пары осторожнее с тем, что может помешать: "
     "{z_risk}.",
     "Для благополучия союза вам полезно {s_advice2}."],
    # 3
    ["В разговорах помешать могут {s_shadow2}.",
     "В общении вам полезно {s_advice}."],
    # 4
    ["Дома вам полезно {s_advice2}.",
     "Семейный покой могут нарушить {s_shadow}."],
    # 5
    ["Во влюблённости помешать могут {s_shadow}.",
     "В романтических отношениях вам полезно {s_advice}."],
    # 6
    ["В быту вам полезно {s_advice2}.",
     "Будни могут омрачить {s_shadow2}."],
    # 7
    ["В союзе вам стоит {s_advice}.",
     "Беречь союз стоит от того, что может ему помешать: {z_risk}."],
    # 8
    ["В глубокой близости помешать могут {s_shadow}.",
     "Чтобы доверие росло, вам полезно {s_advice2}."],
    # 9
    ["В спорах о главном вам полезно {s_advice}.",
     "Общим взглядам могут помешать {s_shadow2}."],
    # 10
    ["Чтобы карьера и союз не спорили, вам полезно {s_advice2}.",
     "На пути к общим целям помешать могут {s_shadow}."],
    # 11
    ["В дружбе и любви вам полезно {s_advice}.",
     "Общим планам могут помешать {s_shadow2}."],
    # 12
    ["Чтобы тайные страхи не мешали любви, вам полезно {s_advice2}.",
     "Скрытой помехой могут стать {s_shadow2}."],
]

# Planets in signs by the person's sex. {partner_*} is the partner the
# person looks for ("женщина" for a man, "мужчина" for a woman).
WAIT_SEX_FIELDS = {
    "man": dict(partner_nom="женщина", Partner_nom="Женщина",
                partner_acc="женщину", partner_dat="женщине",
                partner_gen="женщины", partner_ins="женщиной",
                rel_ins="которой", rel_gen="которой", vuln="уязвимым",
                happy="счастлива"),
    "woman": dict(partner_nom="мужчина", Partner_nom="Мужчина",
                  partner_acc="мужчину", partner_dat="мужчине",
                  partner_gen="мужчины", partner_ins="мужчиной",
                  rel_ins="которым", rel_gen="которого", vuln="уязвимой",
                  happy="счастлив"),
}
WAIT_SEX_TITLE = {"man": "у мужчины", "woman": "у женщины"}


def _both(*frames):
    return {"man": list(frames), "woman": list(frames)}


WAIT_BODY_SIGN = [
    # Sun
    {"man": ["Солнце {z_in} показывает, каким вы бываете в союзе: вы любите "
             "{s_adv}.",
             "С Солнцем {z_in} в отношениях у вас ярче всего проявляются "
             "{s_qual}."],
     "woman": ["Солнце {z_in} у женщины издавна описывает образ мужа: вас "
               "притягивает мужчина, в котором есть {s_qual}.",
               "С Солнцем {z_in} вам нужен мужчина, который действует "
               "{s_adv}."]},
    # Moon
    {"man": ["Луна {z_in} у мужчины описывает образ жены и хозяйки дома: "
             "вам нужна женщина, в которой есть {s_qual2}.",
             "С Луной {z_in} вам уютно рядом с женщиной, в которой "
             "чувствуются {s_qual}."],
     "woman": ["Луна {z_in} описывает ваши душевные потребности, и в союзе "
               "вам важнее всего {z_need}.",
               "С Луной {z_in} вы заботитесь о близких так, как велит этот "
               "знак: {s_adv}."]},
    # Mercury
    _both("Меркурий {z_in} показывает, какой разговор вас увлекает: вас "
          "привлекают {s_qual2}.",
          "С Меркурием {z_in} вы общаетесь {s_adv}, и {partner_dat} рядом с "
          "вами важно это ценить."),
    # Venus
    {"man": ["Венера {z_in} рисует ваш идеал женщины: в ней должны быть "
             "{s_qual}.",
             "С Венерой {z_in} вас пленяет женщина, которая держится "
             "{s_adv}."],
     "woman": ["Венера {z_in} показывает, как вы любите и как хотите, чтобы "
               "любили вас: {s_adv}.",
               "С Венерой {z_in} ваши главные чары — {s_qual}, и мужчине "
               "рядом с вами важно их ценить."]},
    # Mars
    {"man": ["Марс {z_in} показывает, как вы добиваетесь любимой: {s_adv}.",
             "С Марсом {z_in} в ухаживании проявляются ваши {s_qual2}."],
     "woman": ["Марс {z_in} описывает мужчину, который вас волнует: в нём "
               "должны быть {s_qual}.",
               "С Марсом {z_in} вас привлекает мужчина, который действует "
               "{s_adv}."]},
    # Jupiter
    _both("Юпитер {z_in} говорит о том, какие ценности вам нужны в "
          "партнёре: {s_qual2}.",
          "С Юпитером {z_in} удача в любви приходит через то, что даёт этот "
          "знак: {s_qual}."),
    # Saturn
    _both("Сатурн {z_in} показывает, чему вы учитесь в отношениях: "
          "справляться с теневыми чертами знака, а это {s_shadow}.",
          "С Сатурном {z_in} серьёзные обязательства вы берёте на себя "
          "{s_adv}, и {partner_dat} рядом с вами нужно терпение."),
    # Uranus
    _both("Уран {z_in} отмечает целое поколение, и союз будет ждать от вас "
          "перемен в духе этого знака: {s_qual2}.",
          "С Ураном {z_in} вам нужен партнёр, который не боится перемен и "
          "уважает вашу независимость."),
    # Neptune
    _both("Нептун {z_in} — черта поколения, и ваша мечта о любви окрашена "
          "тем, что несёт этот знак: {s_qual2}.",
          "С Нептуном {z_in} важно не идеализировать {partner_acc} и помнить "
          "о теневых чертах знака: {s_shadow}."),
    # Pluto
    _both("Плутон {z_in} отмечает поколение и говорит о силе чувств, которая "
          "вам нужна, а её питают {s_qual}.",
          "С Плутоном {z_in} союз преображает вас обоих, если не бояться "
          "глубины."),
    # Chiron
    _both("Хирон {z_in} указывает на ранимость в любви, связанную с "
          "теневыми чертами знака: {s_shadow}.",
          "С Хироном {z_in} вам нужен партнёр, рядом с которым не стыдно "
          "быть {vuln}."),
    # Proserpina
    _both("Прозерпина {z_in} говорит о переменах, которые приносит любовь, и "
          "о том, что в ней важно: {s_qual2}.",
          "С Прозерпиной {z_in} союз становится для вас путём обновления."),
    # Rahu
    _both("Раху {z_in} показывает, чему вам предстоит научиться в любви: "
          "здесь растут {s_qual}.",
          "С Раху {z_in} партнёр может стать проводником в новый опыт, "
          "близкий этому знаку: {s_qual2}."),
    # Ketu
    _both("Кету {z_in} говорит о старых привычках в любви, от которых пора "
          "освободиться: {s_shadow2}.",
          "С Кету {z_in} вам легко даются {s_qual}, но расти стоит в другую "
          "сторону."),
    # Selena
    _both("Селена {z_in} показывает, в чём ваша любовь светла и "
          "бескорыстна: {s_qual}.",
          "С Селеной {z_in} счастливый союз приходит через честность и то, "
          "что даёт этот знак: {s_qual2}."),
    # Lilith
    _both("Лилит {z_in} говорит об искушениях в любви, и главные из них — "
          "{s_shadow}.",
          "С Лилит {z_in} вас может притягивать запретное, и ясность здесь "
          "важнее страсти."),
]

WAIT_BODY_SIGN_TAIL = _both(
    "С {partner_ins} у вас возможен {z_union}.",
    "В отношениях вам важнее всего {z_need}.",
    "С {partner_ins} вас сблизят {z_need}.",
    "Ищите {partner_acc}, для {rel_gen} важны {z_need}.",
    "Опора союза для вас — {z_need}.",
    "Для вас лучше всего {z_union}.",
    "{Partner_nom} рядом с вами будет {happy}, если в союзе есть {z_need}.",
    "Вам нужен {z_partner}.")

WAIT_SIGN_ADVICE = [
    "Осторожнее с тем, что может помешать союзу: {z_risk}.",
    "Помнить стоит и о теневой стороне знака: {s_shadow2}.",
    "Совет знака прост: {s_advice2}.",
    "Вам полезно {s_advice}.",
    "Слабое место такого союза — {z_risk}.",
    "Главная опасность здесь — {z_risk}.",
    "В любви могут мешать {s_shadow2}.",
    "Знак советует {s_advice}.",
    "В любви стоит {s_advice2}.",
]

# Houses for the planets in houses and the rulers: (nom, acc, gen, loc,
# ins), lists joined by "и".
WAIT_HOUSE_SPHERES = [
    # 1
    [("личность и манера знакомиться", "личность и манеру знакомиться",
      "личности и манеры знакомиться", "в личности и манере знакомиться",
      "личностью и манерой знакомиться"),
     ("внешность и первое впечатление", None,
      "внешности и первого впечатления", "во внешности и первом впечатлении",
      "внешностью и первым впечатлением")],
    # 2
    [("деньги и ценности", None, "денег и ценностей", "в деньгах и ценностях",
      "деньгами и ценностями"),
     ("достаток и чувство надёжности", None,
      "достатка и чувства надёжности", "в достатке и чувстве надёжности",
      "достатком и чувством надёжности")],
    # 3
    [("общение и ближайшее окружение", None,
      "общения и ближайшего окружения",
      "в общении и ближайшем окружении",
      "общением и ближайшим окружением"),
     ("переписка и случайные знакомства", "переписку и случайные знакомства",
      "переписки и случайных знакомств",
      "в переписке и случайных знакомствах",
      "перепиской и случайными знакомствами")],
    # 4
    [("дом и семья", "дом и семью", "дома и семьи", "в доме и семье",
      "домом и семьёй"),
     ("родители и семейные традиции", "родителей и семейные традиции",
      "родителей и семейных традиций",
      "в отношениях с родителями и семейных традициях",
      "родителями и семейными традициями")],
    # 5
    [("влюблённость и романы", None, "влюблённости и романов",
      "во влюблённости и романах", "влюблённостью и романами"),
     ("дети и радости жизни", "детей и радости жизни",
      "детей и радостей жизни", "в детях и радостях жизни",
      "детьми и радостями жизни")],
    # 6
    [("работа и быт", "работу и быт", "работы и быта", "в работе и быту",
      "работой и бытом"),
     ("служба и повседневные заботы", "службу и повседневные заботы",
      "службы и повседневных забот", "в службе и повседневных заботах",
      "службой и повседневными заботами")],
    # 7
    [("брак и партнёрство", None, "брака и партнёрства",
      "в браке и партнёрстве", "браком и партнёрством"),
     ("союз и договорённости", None, "союза и договорённостей",
      "в союзе и договорённостях", "союзом и договорённостями")],
    # 8
    [("страсть и глубокая близость", "страсть и глубокую близость",
      "страсти и глубокой близости", "в страсти и глубокой близости",
      "страстью и глубокой близостью"),
     ("общие деньги и доверие", None, "общих денег и доверия",
      "в общих деньгах и доверии", "общими деньгами и доверием")],
    # 9
    [("дальние поездки и учёба", "дальние поездки и учёбу",
      "дальних поездок и учёбы", "в дальних поездках и учёбе",
      "дальними поездками и учёбой"),
     ("мировоззрение и вера", "мировоззрение и веру", "мировоззрения и веры",
      "в мировоззрении и вере", "мировоззрением и верой")],
    # 10
    [("карьера и положение в обществе", "карьеру и положение в обществе",
      "карьеры и положения в обществе", "в карьере и положении в обществе",
      "карьерой и положением в обществе"),
     ("жизненные цели и репутация", "жизненные цели и репутацию",
      "жизненных целей и репутации", "в жизненных целях и репутации",
      "жизненными целями и репутацией")],
    # 11
    [("друзья и общие планы", "друзей и общие планы",
      "друзей и общих планов", "в дружбе и общих планах",
      "друзьями и общими планами"),
     ("компании и надежды на будущее", None,
      "компаний и надежд на будущее", "в компаниях и надеждах на будущее",
      "компаниями и надеждами на будущее")],
    # 12
    [("тайные чувства и уединение", None, "тайных чувств и уединения",
      "в тайных чувствах и уединении", "тайными чувствами и уединением"),
     ("скрытая жизнь души и тайные связи", "скрытую жизнь души и тайные "
      "связи", "скрытой жизни души и тайных связей",
      "в скрытой жизни души и тайных связях",
      "скрытой жизнью души и тайными связями")],
]

WAIT_BODY_IN_HOUSE = [
    # Sun
    ["Солнце {house_p} ставит в центр вашей жизни {h_acc}, и партнёр должен "
     "уважать эту сторону.",
     "С Солнцем {house_p} вы расцветаете {h_all_with}, и "
     "там же легче встретить близкого человека."],
    # Moon
    ["Луна {house_p} говорит, что душевный покой для вас связан {h_with}.",
     "С Луной {house_p} вам нужен партнёр, который бережно относится ко "
     "всему, что касается {h_gen}."],
    # Mercury
    ["Меркурий {house_p} показывает, что знакомство легко завязывается в "
     "разговоре о том, что касается {h_gen}.",
     "С Меркурием {house_p} общие темы с партнёром чаще всего связаны "
     "{h_with}."],
    # Venus
    ["Венера {house_p} подсказывает, где скорее встретится любовь: во всём, "
     "что связано {h_with}.",
     "С Венерой {house_p} любовь для вас неотделима от того, что касается "
     "{h_gen}."],
    # Mars
    ["Марс {house_p} показывает, где вы проявляете инициативу в отношениях: "
     "{h_nom} становятся вашим полем действия.",
     "С Марсом {house_p} страсть и споры в паре чаще всего связаны "
     "{h_with}."],
    # Jupiter
    ["Юпитер {house_p} обещает удачу {h_all_with}, и здесь "
     "может произойти счастливая встреча.",
     "С Юпитером {house_p} союз поможет вам вырасти {h_all_gen}."],
    # Saturn
    ["Сатурн {house_p} указывает, где в отношениях нужны терпение и "
     "ответственность: это {h_nom}.",
     "С Сатурном {house_p} союз может прийти позже, зато прочным, и многое в "
     "нём будет связано {h_with}."],
    # Uranus
    ["Уран {house_p} обещает неожиданные встречи и перемены "
     "{h_all_gen}.",
     "С Ураном {house_p} вам нужна свобода {h_all_with}, и "
     "партнёр должен это принимать."],
    # Neptune
    ["Нептун {house_p} окутывает мечтами всё, что связано {h_with}, и здесь "
     "важно не обмануться.",
     "С Нептуном {house_p} романтические надежды чаще всего касаются "
     "{h_gen}."],
    # Pluto
    ["Плутон {house_p} говорит о глубоких переменах, которые любовь принесёт "
     "во всё, что касается {h_gen}.",
     "С Плутоном {house_p} вопросы власти и влияния в паре чаще всего "
     "связаны {h_with}."],
    # Chiron
    ["Хирон {house_p} указывает на уязвимость, связанную {h_with}, и "
     "партнёр может помочь её исцелить.",
     "С Хироном {house_p} {h_all_gen}, вам нужна особая "
     "бережность."],
    # Proserpina
    ["Прозерпина {house_p} говорит, что через любовь обновляется всё, что "
     "связано {h_with}.",
     "С Прозерпиной {house_p} союз поможет освободиться от лишнего во всём, "
     "что касается {h_gen}."],
    # Rahu
    ["Раху {house_p} показывает, чему вам предстоит научиться через "
     "партнёра: новому {h_all_gen}.",
     "С Раху {house_p} судьбоносная встреча может быть связана {h_with}."],
    # Ketu
    ["Кету {house_p} говорит о привычном опыте, связанном {h_with}, на "
     "котором не стоит застревать.",
     "С Кету {house_p} {h_all_gen}, вы многое умеете, но "
     "партнёр позовёт вас дальше."],
    # Selena
    ["Селена {house_p} обещает светлую помощь "
     "{h_all_with}, и здесь возможна добрая встреча.",
     "С Селеной {house_p} любовь бережёт всё, что касается {h_gen}."],
    # Lilith
    ["Лилит {house_p} предупреждает об искушениях, связанных {h_with}.",
     "С Лилит {house_p} {h_all_gen}, важно не путать "
     "страсть с любовью."],
]

WAIT_HOUSE_NOTE = [
    # 1
    ["Партнёр должен принимать вас такими, какие вы есть.",
     "Здесь многое решает первое впечатление.",
     "Ваша личность — главное, что привлекает к вам людей."],
    # 2
    ["Для вас важно, чтобы союз давал ощущение надёжности и достатка.",
     "Отношение партнёра к деньгам многое о нём скажет.",
     "Общие ценности здесь важнее слов."],
    # 3
    ["Знакомство может начаться с переписки или случайного разговора.",
     "Партнёр должен быть интересным собеседником.",
     "Союз крепнет от ежедневного общения."],
    # 4
    ["Вам нужен партнёр, с которым можно создать настоящий дом.",
     "Мнение семьи о партнёре будет для вас важным.",
     "Союз должен давать чувство корней и защищённости."],
    # 5
    ["Без романтики и радости союз для вас неполон.",
     "Встреча может случиться на празднике, на отдыхе или в творчестве.",
     "Любовь для вас должна оставаться игрой и праздником."],
    # 6
    ["Союз проверяется бытом, и партнёр должен быть готов делить заботы.",
     "Знакомство может произойти на работе.",
     "Важно, чтобы вы с партнёром умели вместе трудиться."],
    # 7
    ["Это прямое указание на то, каким будет ваш брак.",
     "Партнёрство для вас — одна из главных тем жизни.",
     "Союз и договорённости здесь решают многое."],
    # 8
    ["Вам нужна глубокая, преображающая близость.",
     "Доверие в денежных и интимных делах становится здесь главным "
     "испытанием.",
     "Союз пройдёт через кризисы и станет от них крепче."],
    # 9
    ["Партнёр может оказаться человеком издалека или иной культуры.",
     "Общие взгляды на жизнь для вас важнее общих привычек.",
     "Встреча возможна в поездке или на учёбе."],
    # 10
    ["Союз будет тесно связан с вашей карьерой и положением.",
     "Партнёр должен уважать ваши цели.",
     "Знакомство может прийти через работу или общественную жизнь."],
    # 11
    ["Любовь часто начинается с дружбы.",
     "Партнёр может появиться через друзей или общие увлечения.",
     "Важно, чтобы вы были единомышленниками."],
    # 12
    ["В любви у вас много тайного и невысказанного.",
     "Отношения могут долго оставаться скрытыми от других.",
     "Вам нужен партнёр, который понимает вашу потребность в уединении."],
]

WAIT_RULER_FRAMES = [
    "{t_nom} у вас оказываются связаны {h_with}.",
    "Хозяин {ord_h} дома стоит {in_k}, и {t_nom} у вас тесно связаны "
    "{h_with}.",
    "Через управителя {ord_h} дома {t_nom} уходят в сферу {h_gen}.",
    "Управитель {ord_h} дома показывает, что всё, что касается {t_gen}, "
    "раскрывается {h_loc}.",
    "Хозяин {ord_h} дома переносит {t_acc} в сферу {h_gen}.",
    "Управитель {ord_h} дома соединяет {t_acc} со сферой {h_gen}.",
    "{t_nom} у вас зависят от того, что происходит {h_loc}.",
    "С управителем {ord_h} дома {in_k} доме {t_nom} ищут опору {h_loc}.",
]
WAIT_RULER_SAME = [
    "Управитель {ord_h} дома стоит в своём доме, и {t_nom} у вас сильны и "
    "самостоятельны.",
    "Хозяин {ord_h} дома в собственном доме, и {t_nom} держатся на ваших "
    "силах и мало зависят от других.",
]

WAIT_RULER_TARGET = [
    # 1
    ["Многое здесь зависит от ваших личных решений и инициативы.",
     "Первый шаг вам предстоит сделать самим."],
    # 2
    ["Здесь важны материальная основа и общие ценности.",
     "Деньги и надёжность будут играть заметную роль."],
    # 3
    ["Помогут общение, переписка и круг ближайших знакомых.",
     "Решающим может оказаться случайный разговор."],
    # 4
    ["Многое решается дома и в кругу семьи.",
     "Семья и родительский дом окажут здесь сильное влияние."],
    # 5
    ["Здесь много романтики, творчества и радости.",
     "Эту тему окрашивают любовь и влюблённость."],
    # 6
    ["Здесь многое решают работа и будничные заботы.",
     "Важные знакомства возможны на службе."],
    # 7
    ["Всё это тесно связано с партнёром и браком.",
     "Партнёр окажет здесь решающее влияние."],
    # 8
    ["Эта тема проходит через глубокие переживания и перемены.",
     "Здесь не обойтись без доверия и готовности к переменам."],
    # 9
    ["Помогут поездки, учёба и широкий взгляд на жизнь.",
     "Решающими могут стать дальние края или иная культура."],
    # 10
    ["Многое связано с карьерой и общественным положением.",
     "Эта тема важна для ваших жизненных целей."],
    # 11
    ["Помогут друзья и единомышленники.",
     "Здесь решают общие планы и дружеский круг."],
    # 12
    ["Многое происходит тайно, вдали от чужих глаз.",
     "Эта тема требует уединения и внутренней работы."],
]

WAIT_UNASPECTED = [
    ("Солнце без аспектов",
     "Солнце, не связанное аспектами с другими планетами, делает вашу волю "
     "независимой, но одинокой. Вам важно, чтобы партнёр помогал выразить "
     "себя и замечал ваши достоинства. Сами вы не всегда знаете, как "
     "заявить о своих желаниях, и союз учит этому."),
    ("Луна без аспектов",
     "Ваши чувства живут как бы отдельно от остального характера. Партнёру "
     "бывает трудно понять, что у вас на душе, поэтому о переживаниях стоит "
     "говорить вслух. Вам нужен человек терпеливый и бережный."),
    ("Меркурий без аспектов",
     "Ваш ум работает самостоятельно и своеобразно. С партнёром важно "
     "договариваться о словах и смыслах, иначе возникают недоразумения. "
     "Подойдёт тот, кто ценит ваш оригинальный взгляд."),
    ("Венера без аспектов",
     "Чувства и вкусы проявляются у вас неожиданно, порой без связи с тем, "
     "что вы говорите и делаете. Вам нужен партнёр, который примет вашу "
     "особую манеру любить. Любовь может прийти внезапно и многое "
     "изменить."),
    ("Марс без аспектов",
     "Энергия и желания вспыхивают независимо от остального характера, и их "
     "трудно направить. В союзе вам нужен партнёр, который не боится вашего "
     "темперамента и помогает найти ему выход. Полезно учиться проявлять "
     "инициативу спокойно."),
    ("Юпитер без аспектов",
     "Удача и вера в лучшее приходят к вам сами по себе, без видимой связи с "
     "усилиями. Партнёр может стать тем, кто придаст вашему оптимизму "
     "направление. Вам подойдёт человек с широкими взглядами."),
    ("Сатурн без аспектов",
     "Чувство долга живёт у вас особняком: вы то слишком строги к себе, то "
     "вовсе забываете об обязанностях. Партнёр может помочь найти меру "
     "ответственности в отношениях. Важно не бояться обязательств, но и не "
     "брать на себя лишнего."),
    ("Уран без аспектов",
     "Стремление к свободе проявляется у вас внезапно и резко. Вам нужен "
     "партнёр, который не пугается перемен и уважает вашу независимость. "
     "Союз крепче, когда в нём есть место неожиданному."),
    ("Нептун без аспектов",
     "Мечты и интуиция живут своей жизнью, и связать их с реальностью "
     "непросто. В любви это грозит иллюзиями, поэтому партнёра стоит "
     "узнавать не спеша. Вам подойдёт человек чуткий, но трезвый."),
    ("Плутон без аспектов",
     "Ваша глубинная сила проявляется редко, но мощно, и порой пугает вас "
     "самих. В отношениях важно не копить напряжение до взрыва. Рядом нужен "
     "партнёр сильный и спокойный."),
]

WAITING = dict(
    aspected_title="Связи планет вашего гороскопа",
    aspected="Планеты вашего гороскопа связаны между собой аспектами, и "
             "качества, о которых они говорят, в любви действуют сообща. "
             "Если ниже названа планета без аспектов, её тема в отношениях "
             "живёт отдельно и требует особого внимания.",
    unaspected=WAIT_UNASPECTED,
    house_sign=WAIT_HOUSE_SIGN,
    sign_tail=WAIT_SIGN_TAIL,
    house_advice=WAIT_HOUSE_ADVICE,
    sex_fields=WAIT_SEX_FIELDS,
    sex_title=WAIT_SEX_TITLE,
    body_sign=WAIT_BODY_SIGN,
    body_sign_tail=WAIT_BODY_SIGN_TAIL,
    sign_advice=WAIT_SIGN_ADVICE,
    house_spheres=WAIT_HOUSE_SPHERES,
    body_in_house=WAIT_BODY_IN_HOUSE,
    house_note=WAIT_HOUSE_NOTE,
    ruler_topics=WAIT_HOUSE_SPHERES,
    ruler_frames=WAIT_RULER_FRAMES,
    ruler_same=WAIT_RULER_SAME,
    ruler_target=WAIT_RULER_TARGET,
)

TEXTS = {
    "partner": dict(
        name="partner", who_a="me", who_b="partner", roles=PARTNER_ROLES,
        open=PARTNER_OPEN, dyn=PARTNER_DYN, life=PARTNER_LIFE,
        pairs=PARTNER_PAIRS, spheres=PARTNER_SPHERES, act=PARTNER_ACT,
        house=PARTNER_HOUSE, cusp_dyn=PARTNER_CUSP_DYN,
        in_spheres=PARTNER_SPHERES, in_open=PARTNER_IN_OPEN,
        in_body=PARTNER_IN_BODY, in_house=PARTNER_IN_HOUSE),
    "erotic": dict(
        name="erotic", who_a="me", who_b="partner", roles=EROTIC_ROLES,
        open=EROTIC_OPEN, dyn=EROTIC_DYN, life=EROTIC_LIFE,
        pairs=EROTIC_PAIRS, spheres=EROTIC_SPHERES, act=EROTIC_ACT,
        house=EROTIC_HOUSE, cusp_dyn=EROTIC_CUSP_DYN,
        in_spheres=EROTIC_SPHERES, in_open=EROTIC_IN_OPEN,
        in_body=EROTIC_IN_BODY, in_house=EROTIC_IN_HOUSE),
    "karmic": dict(
        name="karmic", who_a="man", who_b="woman", roles=KARMIC_ROLES,
        open=KARMIC_OPEN, dyn=KARMIC_DYN, life=KARMIC_LIFE,
        pairs=KARMIC_PAIRS, in_spheres=KARMIC_SPHERES,
        in_open=KARMIC_IN_OPEN, in_body=KARMIC_IN_BODY,
        in_house=KARMIC_IN_HOUSE),
}


if __name__ == "__main__":
    sys.exit(main())

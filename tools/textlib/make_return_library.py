#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Builds the solar- and lunar-return text libraries of the Dann folder.

    data/Dann/CO/AscZnCo.txt    Ascendant of the solar return in a sign
    data/Dann/CO/DomDomCo.txt   solar return house in a radix house
    data/Dann/CO/PLDomCO.txt    solar return body in a solar return house
    data/Dann/CO/PlanPlan.txt   solar return planet on a natal planet
    data/Dann/LO/AscZnLo.txt    the same four for the lunar return
    data/Dann/LO/DomDomLo.txt
    data/Dann/LO/PLDomLo.txt
    data/Dann/LO/PlanPlanLo.txt

Usage: python3 tools/textlib/make_return_library.py [--out DANN_DIR]
           [--show N] [--cli PATH] [--charts N] [--seed N]

The solar texts speak of the year from this birthday to the next, the lunar
ones of the month until the next lunar return. The program asks each file
for items of keys and shows every entry whose heading contains all keys of
an item (case-sensitive substring tests):

    AscZn*    "Асц" + the sign ("Овне" .. "Рыбах")
    DomDom*   "Асц" for return house 1, " II " .. " XII " for the others,
              + the radix house the return cusp falls in, " I:" .. " XII:"
    PLDom*    the body ("СОЛНЦЕ" .. "ПРОЗЕРПИНА", "ВУз", "Кету", "Селена",
              "Лилит") + its return house " I " .. " XII "
    PlanPlan* the return planet "Солнца " .. "Плутона " + the natal planet
              within 6 degrees of it, "Солнца:" .. "Плутона:"

Layout: a heading is a line with "&" and begins with it (the program shows
the heading with that first character turned into a blank, so it reads as
a title); body lines never hold "&" and are at most 50 characters wide;
every file ends with the closing line "&&&&&". Every line is enciphered by
itself with the return key, through velora-cli textlib (library_cipher.py);
velora-cli is taken from --cli, else from the environment variable
VELORA_CLI, else from build/velora-cli. Windows-1251, CR LF.

The prose is composed from the tables at the end of this file and from the
sphere wordings of make_directions_library.py; the choice among wordings is
made by hashing the entry's keys, so the output is the same byte for byte on
every run. After writing, every file is deciphered back and checked by brute
force (each item finds exactly one heading, each heading is taken only by
its own item, the round trip gives back the plain text, body lines have no
"&", no control character, at most 50 characters, 3 to 7 text lines an
entry), every entry goes through prose_check.lint_entry, and the texts the
program would print for random solar and lunar returns are composed from
the files and measured with prose_check.repetition_share. Any fault stops
the run with a message and a non-zero exit status.
"""

import argparse
import hashlib
import random
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(HERE))

import library_cipher  # noqa: E402
import prose_check  # noqa: E402
from meanings import HOUSES, SIGNS  # noqa: E402
from make_directions_library import (  # noqa: E402
    BODY_SPHERES, HOUSE_SPHERES, body_name, sentences, sphere_fields, wrap)
from make_radix_library import (  # noqa: E402
    CLOSING, CheckError, Library, check_library, encode_line, fail, select)

RETURN_KEY = "Мирта 04:17"
BODY_WIDTH = 50
MIN_LINES, MAX_LINES = 3, 7
KINDS = ["solar", "lunar"]

# ---------------------------------------------------------------------------
# Keys, as the return composers build them.
# ---------------------------------------------------------------------------
ROMAN = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI",
         "XII"]
SIGN_KEYS = ["Овне", "Тельце", "Близнецах", "Раке", "Льве", "Деве", "Весах",
             "Скорпионе", "Стрельце", "Козероге", "Водолее", "Рыбах"]
assert SIGN_KEYS == [s["key"] for s in SIGNS]
ASC_KEY = "Асц"
RETURN_HOUSE_KEYS = [" %s " % r for r in ROMAN]
RADIX_HOUSE_KEYS = [" %s:" % r for r in ROMAN]
BODY_KEYS = ["СОЛНЦЕ", "ЛУНА", "МЕРКУРИЙ", "ВЕНЕРА", "МАРС", "ЮПИТЕР",
             "САТУРН", "УРАН", "НЕПТУН", "ПЛУТОН", "ХИРОН", "ПРОЗЕРПИНА",
             "ВУз", "Кету", "Селена", "Лилит"]
GENITIVES = ["Солнца", "Луны", "Меркурия", "Венеры", "Марса", "Юпитера",
             "Сатурна", "Урана", "Нептуна", "Плутона"]
RETURN_PLANET_KEYS = [g + " " for g in GENITIVES]
NATAL_PLANET_KEYS = [g + ":" for g in GENITIVES]

# How the body keys read in a heading ("ВУз" is the north node, Rahu).
BODY_TITLES = list(BODY_KEYS)
BODY_TITLES[12] = "ВУз (Раху)"

# What the program writes, per kind: the chart's name in the genitive, the
# folder and file names, and the four section titles.
def kind_table(chart, folder, files, houses_title):
    return dict(chart=chart, folder=folder, files=files,
                titles=["Положение Асц в знаках зодиака", houses_title,
                        "Положение Планет %s в домах" % chart,
                        "Возвращение планет  на свое или на место другой "
                        "планеты "])


KIND = {
    "solar": kind_table("Соляра", "CO", ["AscZnCo.txt", "DomDomCo.txt",
                                         "PLDomCO.txt", "PlanPlan.txt"],
                        "Положение Домов СО в домах радикса"),
    "lunar": kind_table("Лунара", "LO", ["AscZnLo.txt", "DomDomLo.txt",
                                         "PLDomLo.txt", "PlanPlanLo.txt"],
                        "Положение Домов Лунара в домах радикса"),
}


def items_asc():
    return [(s, (ASC_KEY, SIGN_KEYS[s])) for s in range(12)]


def items_houses():
    return [((j, h), (ASC_KEY if j == 0 else RETURN_HOUSE_KEYS[j],
                      RADIX_HOUSE_KEYS[h]))
            for j in range(12) for h in range(12)]


def items_bodies():
    return [((b, h), (BODY_KEYS[b], RETURN_HOUSE_KEYS[h]))
            for b in range(16) for h in range(12)]


def items_pairs():
    return [((r, n), (RETURN_PLANET_KEYS[r], NATAL_PLANET_KEYS[n]))
            for r in range(10) for n in range(10)]


# ---------------------------------------------------------------------------
# Composing an entry.
# ---------------------------------------------------------------------------
def hashed(*salt):
    text = "|".join(str(s) for s in salt)
    return int(hashlib.md5(text.encode("utf-8")).hexdigest(), 16)


def turn(options, offset, *salt):
    """A choice by the hash of the salt, moved on by `offset`: entries that a
    chart shows together (several bodies in one house, several cusps in one
    radix house) take different wordings of the same table."""
    return options[(hashed(*salt) + offset) % len(options)]


def fit(parts, orders, salt, optional, limit, where):
    """The sentences of one of `orders` (letters of `parts`, picked by the
    salt), dropping the letters of `optional`, in that order, while the
    text runs over `limit` lines; a missing part (None) is left out. A text
    that comes out shorter than three lines takes the longest order."""
    def compose(order):
        letters = [c for c in order if parts.get(c)]
        for drop in optional:
            if drop in letters and len(wrap(sentences([parts[c] for c in
                                                       letters]))) > limit:
                letters.remove(drop)
        return sentences([parts[c] for c in letters])

    text = compose(turn(orders, 0, "order", *salt))
    if len(wrap(text)) < MIN_LINES:
        text = compose(max(orders, key=len))
    lines = len(wrap(text))
    if not MIN_LINES <= lines <= MAX_LINES:
        fail("%s: %d строк текста (нужно от %d до %d): %s"
             % (where, lines, MIN_LINES, MAX_LINES, text))
    return text


# Words that any two sentences of an entry may share.
COMMON_STEMS = {"этого", "этом", "этому", "соляр", "лунар", "натал", "котор",
                "всего", "много", "через", "когда", "может", "стоит", "тольк",
                "самог", "други", "очень", "важно", "полез", "хорош", "месяц",
                "здесь", "сфере", "сферу", "сфера", "именн", "связа", "касае",
                "затро", "челов"}


def stems(text):
    return {w.lower()[:5] for w in prose_check.WORD.findall(text)
            if len(w) >= 5} - COMMON_STEMS


def unlike(options, start, other):
    """The first of `options`, counted from `start`, that shares no content
    word with the text `other`, else the one that shares fewest: two
    sentences of one entry should not name the same thing twice."""
    taken = stems(other)
    ring = [options[(start + k) % len(options)] for k in range(len(options))]
    return min(ring, key=lambda o: len(taken & stems(
        o if isinstance(o, str) else " ".join(w for w in o if w))))


def spread(b):
    """An offset for body b such that the Sun, Mercury and Venus, which
    often share a house, take different wordings of a three-part table."""
    return b + b // 3


def house_sphere(h, start, other):
    """{t_*}: a wording of the sphere of house h, of the two of the
    directions library and the one of this file."""
    return sphere_fields(unlike(HOUSE_SPHERES[h] + [RETURN_SPHERES[h]],
                                start, other))


def asc_entry(kind, s):
    title, text = ASC_TEXTS[kind][s]
    heading = "&%s %s %s: %s" % (ASC_KEY, KIND[kind]["chart"],
                                 SIGNS[s]["vprep"], title)
    return heading, text


def houses_entry(kind, j, h):
    """Return house j (0 = the Ascendant) in radix house h. The radix notes
    and spheres turn with j, so that two cusps in one radix house read
    differently."""
    t = HOUSE_TEXTS[kind]
    chart = KIND[kind]["chart"]
    own = j == h
    kw = t["keyword"][j]
    title = t["own_title"] % kw if own else "%s и %s" % (kw, RADIX_WORDS[h])
    where = "%s %s" % (ASC_KEY, chart) if j == 0 else \
        "Дом %s %s" % (ROMAN[j], chart)
    heading = "&%s в доме радикса %s: %s" % (where, ROMAN[h], title)
    advice = turn(t["advice"][j], h, kind, "advice", j)
    if own:
        parts = dict(A=t["own"][j], C=advice)
    else:
        frame = turn(t["frames"][j], h, kind, "frame", j)
        note = unlike(t["radix"][h], hashed(kind, "radix", h) + j, frame)
        f = house_sphere(h, hashed(kind, "sphere", h) + j, frame + note)
        f["h_into"] = "в %s дом радикса" % HOUSES[h]["ord_nom"]
        parts = dict(A=frame.format(**f), N=note, C=advice)
        about = t["about"][j] if t["about"] else None
        if about and not stems(about) & stems(frame + note):
            parts["E"] = about
    return heading, fit(parts, t["orders"], (kind, "houses", j, h), "ECN",
                        t["lines"], heading)


def bodies_entry(kind, b, h):
    t = BODY_TEXTS[kind]
    chart = KIND[kind]["chart"]
    heading = "&%s %s в %s доме: %s %s" % (
        BODY_TITLES[b], chart, ROMAN[h], t["keyword"][b], PLACE_WORDS[h])
    frame = turn(t["frames"][b], h, kind, "frame", b)
    note = unlike(t["houses"][h], hashed(kind, "house", h) + spread(b), frame)
    f = house_sphere(h, hashed(kind, "sphere", h) + spread(b), frame + note)
    parts = dict(A=frame.format(**f), N=note,
                 C=turn(t["advice"][b], h, kind, "advice", b))
    return heading, fit(parts, t["orders"], (kind, "bodies", b, h), "NC",
                        t["lines"], heading)


def pairs_entry(kind, r, n):
    """Return planet r on the place of natal planet n; the natal notes and
    spheres turn with r, as several return planets may meet one natal
    planet."""
    t = PAIR_TEXTS[kind]
    if r == n:
        title, text = t["own"][r]
    else:
        title = "%s и %s" % (t["keyword"][r], t["keyword"][n])
        frame = turn(t["frames"][r], n, kind, "frame", r)
        note = unlike(t["natal"][n], hashed(kind, "natal", n) + r, frame)
        f = sphere_fields(unlike(BODY_SPHERES[n], hashed(kind, "sphere", n)
                                 + r, frame + note))
        for case in ("gen", "ins"):
            f["n_" + case] = body_name(n, "натальн", case)
        parts = dict(A=frame.format(**f), B=note,
                     C=turn(t["advice"][r], n, kind, "advice", r))
        text = fit(parts, t["orders"], (kind, "pairs", r, n), "CB",
                   t["lines"], "%s/%s" % (r, n))
    heading = "&Возвращение %s на место %s: %s" % (
        GENITIVES[r], body_name(n, "натальн", "gen"), title)
    return heading, text


class ReturnLibrary(Library):
    """A return file: the entries are separated by an empty line, as the
    radix ones, and wrapped so that a dash never begins a line."""

    def plain_lines(self):
        return [line for _label, heading, body in self.entries
                for line in [heading] + wrap(body) + [""]] + [CLOSING]


def build_libraries(kind):
    folder = KIND[kind]["folder"]
    names = ["%s/%s" % (folder, f) for f in KIND[kind]["files"]]
    made = []
    for name, make, items in zip(
            names,
            [lambda lab: asc_entry(kind, lab),
             lambda lab: houses_entry(kind, *lab),
             lambda lab: bodies_entry(kind, *lab),
             lambda lab: pairs_entry(kind, *lab)],
            [items_asc(), items_houses(), items_bodies(), items_pairs()]):
        entries = [(label,) + make(label) for label, _keys in items]
        made.append(ReturnLibrary(name, True, entries, items))
    return made


# ---------------------------------------------------------------------------
# Checks.
# ---------------------------------------------------------------------------
def check_entries(lib):
    """The layout and the prose of every entry, before the cipher."""
    for label, heading, body in lib.entries:
        where = "%s, %r" % (lib.name, heading)
        if not heading.startswith("&") or heading.count("&") != 1:
            fail("%s: заголовок должен начинаться с «&» и не содержать "
                 "других «&»" % where)
        if not heading[1:2].isalpha():
            fail("%s: после «&» нет названия" % where)
        lines = wrap(body)
        if " ".join(lines) != body:
            fail("%s: текст не укладывается в строки без потерь" % where)
        if not MIN_LINES <= len(lines) <= MAX_LINES:
            fail("%s: %d строк текста" % (where, len(lines)))
        for line in lines:
            if "&" in line or len(line) > BODY_WIDTH:
                fail("%s: строка текста с «&» или длиннее %d знаков: %r"
                     % (where, BODY_WIDTH, line))
            encode_line(line, where)
        faults = prose_check.lint_entry(heading[1:], lines)
        if faults:
            fail("%s: %s" % (where, "; ".join(faults)))


def read_back(path, cli):
    """The lines of a written file as the program reads them: CR LF lines,
    each deciphered by velora-cli, of the same length as stored."""
    data = path.read_bytes()
    raw = data[:-2].split(b"\r\n")
    if not data.endswith(b"\r\n") or any(b"\r" in r or b"\n" in r
                                         for r in raw):
        fail("%s: строки должны кончаться CR LF" % path)
    lines = library_cipher.decipher_bytes(data, RETURN_KEY, cli, str(path))
    if [len(encode_line(line, str(path))) for line in lines] != \
            [len(r) for r in raw]:
        fail("%s: расшифровка изменила число или длину строк" % path)
    return lines


# ---------------------------------------------------------------------------
# Texts as the program prints them for a chart.
# ---------------------------------------------------------------------------
def random_return(kind, rng):
    """The items of the four sections for a plausible return: the cusps fall
    in mostly consecutive radix houses, Mercury and Venus keep near the Sun,
    the nodes stand opposite, and the returned light is always on its natal
    place."""
    asc = rng.randrange(12)
    start, shift, cusps = rng.randrange(12), 0, []
    for j in range(12):
        if j:
            shift = max(-1, min(1, shift + rng.choice([-1, 0, 0, 0, 0, 1])))
        cusps.append((start + j + shift) % 12)
    where = [rng.randrange(12) for _ in range(16)]
    where[2] = (where[0] + rng.choice([-1, 0, 0, 1])) % 12
    where[3] = (where[0] + rng.choice([-2, -1, 0, 1, 2])) % 12
    where[13] = (where[12] + 6) % 12
    light = (0, 0) if kind == "solar" else (1, 1)
    others = [(r, n) for r in range(10) for n in range(10) if (r, n) != light]
    pairs = [light] + rng.sample(others, rng.randint(2, 9))
    return [
        [(ASC_KEY, SIGN_KEYS[asc])],
        [(ASC_KEY if j == 0 else RETURN_HOUSE_KEYS[j], RADIX_HOUSE_KEYS[h])
         for j, h in enumerate(cusps)],
        [(BODY_KEYS[b], RETURN_HOUSE_KEYS[h]) for b, h in enumerate(where)],
        [(RETURN_PLANET_KEYS[r], NATAL_PLANET_KEYS[n]) for r, n in pairs],
    ]


def composed_text(kind, files, items):
    out = []
    for n, (lines, keys) in enumerate(zip(files, items)):
        title = KIND[kind]["titles"][n]
        out += [" ", " ", title, " ", " "] if n == 3 else \
            ["  ", "  ", title, "  "]
        shown = select(lines, keys)
        headings = {"&" + line[1:] for line in shown} & set(lines[:-1])
        if len(headings) != len(set(keys)):
            fail("%s, «%s»: %d пунктов, а показано %d статей"
                 % (kind, title, len(set(keys)), len(headings)))
        out += shown
    return "\n".join(out)


def check_charts(kind, files, count, seed):
    rng = random.Random("%s %d" % (kind, seed))
    shares = []
    for _ in range(count):
        text = composed_text(kind, files, random_return(kind, rng))
        share = prose_check.repetition_share(text)
        shares.append(share)
        if share > prose_check.REPETITION_BOUND:
            words, share, top = prose_check.repetition(text)
            fail("%s: доля повторов %.3f больше %.2f; чаще всего: %s"
                 % (kind, share, prose_check.REPETITION_BOUND,
                    "; ".join("%d× %s" % (c, g) for c, g in top[:6])))
    return shares


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(REPO / "data" / "Dann"),
                    help="папка Dann, куда писать (по умолчанию data/Dann)")
    ap.add_argument("--show", type=int, default=0, metavar="N",
                    help="показать по N расшифрованных статей каждого файла")
    ap.add_argument("--charts", type=int, default=12, metavar="N",
                    help="сколько случайных соляров и лунаров составить для "
                         "проверки повторов (по умолчанию 12)")
    ap.add_argument("--seed", type=int, default=1,
                    help="зерно случайных карт (по умолчанию 1)")
    library_cipher.add_cli_option(ap)
    args = ap.parse_args()
    dann = Path(args.out)
    try:
        cli = library_cipher.find_cli(args.cli)
        report = []
        for kind in KINDS:
            libs = build_libraries(kind)
            files = []
            for lib in libs:
                check_entries(lib)
                path = dann / lib.name
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_bytes(library_cipher.encipher_lines(
                    lib.plain_lines(), RETURN_KEY, cli, lib.name))
                lines = read_back(path, cli)
                count = check_library(lib, lines)
                print("%-22s %4d статей %7d байт" % (
                    lib.name, count, path.stat().st_size))
                files.append(lines)
                if args.show:
                    for j in range(args.show):
                        _label, keys = lib.combos[
                            (2 * j + 1) * len(lib.combos) // (2 * args.show)]
                        print()
                        print("\n".join(select(lines, [keys])).rstrip())
                    print()
            shares = check_charts(kind, files, args.charts, args.seed)
            report.append((kind, shares))
    except (CheckError, library_cipher.CipherToolError) as e:
        print("ОШИБКА: %s" % e, file=sys.stderr)
        return 1
    for kind, shares in report:
        print("%s: доля повторов в %d картах: %s (наибольшая %.3f, предел "
              "%.2f)" % ("соляр" if kind == "solar" else "лунар", len(shares),
                         " ".join("%.3f" % s for s in shares), max(shares),
                         prose_check.REPETITION_BOUND))
    print("Проверка пройдена.")
    return 0


# ===========================================================================
# The texts.
# ===========================================================================

# ---------------------------------------------------------------------------
# Ascendant of the return in a sign: the tone and manner of the period.
# (title, text) by sign; the heading is "&Асц Соляра в Овне: " + title.
# ---------------------------------------------------------------------------
ASC_TEXTS = {"solar": [
    ("год смелых начинаний",
     "Асцендент Соляра в Овне задаёт году быстрый, напористый темп. Хочется "
     "начинать, решать и действовать самому, не дожидаясь чужого одобрения. "
     "Это хороший год для нового дела, переезда или резкой смены курса. Сил "
     "больше обычного, но и нетерпения тоже, поэтому лучше всего год идёт у "
     "того, кто доводит начатое до конца."),
    ("год прочной основы",
     "С Асцендентом Соляра в Тельце год проходит неторопливо и основательно. "
     "На первый план выходят деньги, имущество, телесный комфорт и всё, что "
     "можно потрогать руками. Решения созревают медленно, зато держатся "
     "долго. Мешать может упрямство: то, что давно пора поменять, человек по "
     "привычке держит до последнего."),
    ("год встреч и новостей",
     "Асцендент Соляра в Близнецах делает год подвижным и разговорчивым. "
     "Много поездок, переписки, знакомств и мелких дел, которые сменяют друг "
     "друга. Хорошо учиться, писать и осваивать новые навыки. Опасность года "
     "в разбросанности: легко взяться за десяток дел и ни одно не довести до "
     "результата."),
    ("год дома и близких",
     "С Асцендентом Соляра в Раке год обращён к дому, семье и чувствам. "
     "Сильнее обычного хочется тепла, защищённости и своего угла, и нередко "
     "это год ремонта, переезда или забот о родителях и детях. Обиды "
     "задевают глубже, поэтому важно не замыкаться. Интуиция в этот год "
     "работает хорошо, и к ней стоит прислушиваться."),
    ("год яркого самовыражения",
     "Асцендент Соляра во Льве выводит человека на сцену. Год просит "
     "заметности, творчества и смелых жестов, и признание приходит к тому, "
     "кто не прячет своих талантов. Обратная сторона — гордость и болезненная "
     "реакция на критику. Чем щедрее человек делится своим светом, тем "
     "удачнее складывается год."),
    ("год порядка и работы",
     "С Асцендентом Соляра в Деве год становится рабочим и деловым. Важнее "
     "всего порядок в делах, здоровье, режим и полезные навыки. Удаётся то, "
     "что требует точности: наладить быт, пройти обследование, освоить "
     "ремесло. Мешать может придирчивость, а безупречность не обязательна: "
     "достаточно делать хорошо."),
    ("год союзов и договоров",
     "Асцендент Соляра в Весах ставит в центр года отношения с людьми. "
     "Многое решается вдвоём: в браке, в партнёрстве, в переговорах. Хорошо "
     "мириться, заключать союзы и заниматься красотой. Сложность года в "
     "колебаниях, и чем яснее человек говорит о своих желаниях, тем "
     "гармоничнее получается год."),
    ("год глубоких перемен",
     "С Асцендентом Соляра в Скорпионе год проходит напряжённо и "
     "сосредоточенно. Чувства сильны, решения принимаются всерьёз, а то, что "
     "отжило, уходит без возврата. Нередко затрагиваются общие деньги, долги "
     "и вопросы близости. Человек открывает в себе скрытую силу, и важно не "
     "тратить её на подозрения."),
    ("год дальних горизонтов",
     "Асцендент Соляра в Стрельце обещает год простора и оптимизма. Тянет в "
     "дальние поездки, на учёбу, к новым взглядам и людям другой культуры. "
     "Удаются планы с размахом, преподавание и юридические дела. Опасность "
     "в беспечности: обещаний легко набрать больше, чем хватит сил."),
    ("год ответственности",
     "С Асцендентом Соляра в Козероге год требует собранности и выдержки. На "
     "первый план выходят карьера, обязательства и долгие цели. Лёгких "
     "подарков ждать не стоит, зато каждое усилие даёт прочный результат, и "
     "к концу года заметно, как выросло положение. Поддерживают ясный план и "
     "умение вовремя отдыхать."),
    ("год перемен и свободы",
     "Асцендент Соляра в Водолее делает год непредсказуемым и живым. Хочется "
     "свободы, новых идей и людей, которые думают иначе. Возможны "
     "неожиданные повороты, смена окружения, увлечение техникой или "
     "общественным делом. Стоит только не рвать связи сгоряча: не всё старое "
     "мешает новому."),
    ("год интуиции и тишины",
     "С Асцендентом Соляра в Рыбах год проходит мягко и не всегда ясно. "
     "Усиливаются чувствительность, сострадание и воображение, хорошо идут "
     "творчество и помощь другим. Планы могут расплываться, а люди обещать "
     "больше, чем делают. Тишина и время для себя в этот год не роскошь, а "
     "необходимость."),
], "lunar": [
    ("месяц быстрых решений",
     "Асцендент Лунара в Овне задаёт месяцу живой, нетерпеливый ритм. Хочется "
     "успеть всё сразу, и многое удаётся с первого раза. Настроение "
     "вспыхивает и так же быстро остывает, поэтому по пустякам лучше не "
     "спорить."),
    ("спокойный и сытый месяц",
     "С Асцендентом Лунара в Тельце месяц течёт размеренно. Тянет к уюту, "
     "вкусной еде и простым удовольствиям, а раскачать себя на новое трудно. "
     "Хорошо заняться бюджетом, домом и телом."),
    ("месяц звонков и встреч",
     "Асцендент Лунара в Близнецах наполняет месяц разговорами, поездками и "
     "новостями. Знакомые звонят чаще обычного, дела сменяют друг друга. "
     "Сосредоточиться трудно, и выручает список дел."),
    ("месяц домашних забот",
     "С Асцендентом Лунара в Раке хочется тишины, семейных вечеров и заботы. "
     "Обиды задевают сильнее обычного, зато хорошо удаются уборка, готовка и "
     "разговоры по душам. Стоит беречь сон."),
    ("месяц праздников и внимания",
     "Асцендент Лунара во Льве приносит праздничное настроение. Хочется "
     "нравиться, веселиться и баловать близких. Если внимания мало, легко "
     "обидеться, хотя его проще получить, чем потребовать."),
    ("месяц мелких дел",
     "С Асцендентом Лунара в Деве месяц уходит на порядок и повседневные "
     "обязанности. Хорошо разбирать шкафы, налаживать режим и заниматься "
     "здоровьем. Настроение зависит от того, сколько дел удалось закрыть."),
    ("месяц мира и компромиссов",
     "Асцендент Лунара в Весах делает месяц мягким и общительным. Многое "
     "решается в паре и за разговором, хорошо мириться и ходить в гости. "
     "Трудно бывает только выбирать."),
    ("месяц сильных чувств",
     "С Асцендентом Лунара в Скорпионе месяц проходит на глубине. Ревность и "
     "подозрительность просыпаются легко, а интуиция почти не ошибается. "
     "Хорошо закончить то, что давно тянется, и не копить напряжение."),
    ("месяц лёгкого настроения",
     "Асцендент Лунара в Стрельце приносит оптимизм и жажду впечатлений. "
     "Тянет в поездки, на лекции, в новые компании. Мелкие неурядицы "
     "переносятся легко, зато легко и пообещать лишнее."),
    ("деловой месяц",
     "С Асцендентом Лунара в Козероге чувства сдержаны, а на первом месте "
     "работа, сроки и обязанности. Удаётся многое закончить и навести "
     "порядок в делах. Усталость копится незаметно, и об отдыхе забывать не "
     "стоит."),
    ("месяц неожиданностей",
     "Асцендент Лунара в Водолее делает месяц непредсказуемым. Планы "
     "меняются на ходу, появляются новые знакомые и необычные идеи, а рутина "
     "раздражает сильнее обычного. Хорошо встречаться с друзьями."),
    ("тихий и мечтательный месяц",
     "С Асцендентом Лунара в Рыбах месяц проходит мягко, в полутонах. Сны "
     "яркие, хочется тишины, музыки и воды. Хорошо отдыхать и творить, а "
     "важные бумаги и обещания лучше перепроверять."),
]}

# ---------------------------------------------------------------------------
# House spheres. A third wording of each house, besides the two of the
# directions library, in the forms (nominative, accusative, genitive,
# locative with its preposition, instrumental); None = as the nominative.
# ---------------------------------------------------------------------------
RETURN_SPHERES = [
    ("собственные начинания и самочувствие", None,
     "собственных начинаний и самочувствия",
     "в собственных начинаниях и самочувствии",
     "собственными начинаниями и самочувствием"),
    ("заработок, траты и сбережения", None, "заработка, трат и сбережений",
     "в заработке, тратах и сбережениях",
     "заработком, тратами и сбережениями"),
    ("разговоры, поездки и ближнее окружение", None,
     "разговоров, поездок и ближнего окружения",
     "в разговорах, поездках и ближнем окружении",
     "разговорами, поездками и ближним окружением"),
    ("домашний уклад и семейные дела", None,
     "домашнего уклада и семейных дел", "в домашнем укладе и семейных делах",
     "домашним укладом и семейными делами"),
    ("любовные переживания и творческие замыслы", None,
     "любовных переживаний и творческих замыслов",
     "в любовных переживаниях и творческих замыслах",
     "любовными переживаниями и творческими замыслами"),
    ("будничный труд и забота о теле", "будничный труд и заботу о теле",
     "будничного труда и заботы о теле", "в будничном труде и заботе о теле",
     "будничным трудом и заботой о теле"),
    ("отношения с партнёром и общие договорённости", None,
     "отношений с партнёром и общих договорённостей",
     "в отношениях с партнёром и общих договорённостях",
     "отношениями с партнёром и общими договорённостями"),
    ("совместные финансы и глубокие перемены", None,
     "совместных финансов и глубоких перемен",
     "в совместных финансах и глубоких переменах",
     "совместными финансами и глубокими переменами"),
    ("учёба, путешествия и поиск смысла", "учёбу, путешествия и поиск смысла",
     "учёбы, путешествий и поиска смысла",
     "в учёбе, путешествиях и поиске смысла",
     "учёбой, путешествиями и поиском смысла"),
    ("профессия, статус и жизненные цели",
     "профессию, статус и жизненные цели",
     "профессии, статуса и жизненных целей",
     "в профессии, статусе и жизненных целях",
     "профессией, статусом и жизненными целями"),
    ("круг друзей и общие проекты", None, "круга друзей и общих проектов",
     "в кругу друзей и общих проектах", "кругом друзей и общими проектами"),
    ("тишина, отдых и внутренняя работа",
     "тишину, отдых и внутреннюю работу",
     "тишины, отдыха и внутренней работы",
     "в тишине, отдыхе и внутренней работе",
     "тишиной, отдыхом и внутренней работой"),
]

# The radix house in a heading ("деньги и карьера") and the return house
# ("удача в карьере").
RADIX_WORDS = ["личность", "деньги", "ближний круг", "дом", "любовь",
               "работа", "брак", "общие ресурсы", "дальние дороги", "карьера",
               "друзья", "тайное"]
PLACE_WORDS = ["в личных делах", "в деньгах", "в общении", "в доме",
               "в любви", "в работе", "в партнёрстве", "в кризисах",
               "в учёбе и поездках", "в карьере", "в дружбе",
               "в скрытых делах"]

# ---------------------------------------------------------------------------
# A return house in a radix house: which sphere of the natal chart the
# period's theme of that house falls into. Per return house j: the word of
# the heading, the sentence for the house in its own radix house, frames
# that name the radix sphere ({t_*}, {h_into}), a sentence about
# the return house itself (solar only) and advice. Per radix house: what
# happens there, as the stage of the theme. Letters of an order: A the
# frame, N the radix house, E the return house, C the advice.
# ---------------------------------------------------------------------------
HOUSE_TEXTS = {"solar": dict(
    lines=7,
    orders=["EANC", "ANC", "ANC"],
    own_title="%s в своей стихии",
    keyword=["личность", "деньги", "общение", "семья", "любовь", "работа",
             "партнёрство", "перемены", "кругозор", "карьера", "друзья",
             "уединение"],
    own=[
        "Асцендент Соляра попадает в первый дом радикса, и год прямо "
        "продолжает натуру человека: он действует от себя и сам задаёт тон "
        "событиям.",
        "Второй дом Соляра совпадает со вторым домом радикса, и денежная "
        "тема года звучит в полную силу: заработок, траты и самооценка "
        "целиком в руках самого человека.",
        "Третий дом Соляра стоит в третьем доме радикса: год насыщен "
        "разговорами, поездками, учёбой и делами с родными и соседями.",
        "Четвёртый дом Соляра приходится на четвёртый дом радикса, и год "
        "обращён к дому и семье: жильё, родители и семейный уклад выходят на "
        "первый план.",
        "Пятый дом Соляра стоит в пятом доме радикса: любовь, творчество и "
        "радости жизни в этом году звучат ярко и естественно.",
        "Шестой дом Соляра совпадает с шестым домом радикса, и год "
        "получается рабочим: служба, режим и здоровье требуют постоянного "
        "внимания.",
        "Седьмой дом Соляра стоит в седьмом доме радикса, и отношения с "
        "партнёром, брак и договоры становятся главной темой года.",
        "Восьмой дом Соляра приходится на восьмой дом радикса, и год "
        "становится переломным: общие деньги, долги и внутренние перемены "
        "требуют смелости.",
        "Девятый дом Соляра стоит в девятом доме радикса: год зовёт в "
        "дорогу, к учёбе и новым взглядам, и этот зов трудно не услышать.",
        "Десятый дом Соляра совпадает с десятым домом радикса, и карьера "
        "становится делом года: цели, статус и отношения с начальством "
        "выходят на первый план.",
        "Одиннадцатый дом Соляра стоит в одиннадцатом доме радикса: друзья, "
        "общие дела и планы на будущее оживают, и поддержка приходит легко.",
        "Двенадцатый дом Соляра приходится на двенадцатый дом радикса, и год "
        "многое готовит исподволь: тишина и внутренняя работа важнее внешних "
        "событий.",
    ],
    frames=[
        ["Асцендент Соляра попадает {h_into}, и то, как человек "
         "начинает этот год, тесно связано {t_with}.",
         "Самое важное, что человек делает в этом году по собственной воле, "
         "разворачивается {t_loc}.",
         "Облик и самочувствие года зависят от {t_gen}: здесь человек "
         "ищет себя заново."],
        ["Деньги этого года приходят через {t_acc}.",
         "Заработок и траты года тесно связаны {t_with}: отсюда приходят "
         "доходы, сюда же уходят средства.",
         "{T_loc} решается, на что человек живёт в этом году и что ему "
         "удастся отложить."],
        ["Разговоры, переписка и короткие поездки года так или иначе "
         "касаются {t_gen}.",
         "Главные новости года, звонки и встречи связаны {t_with}.",
         "Учиться и договариваться в этом году чаще всего приходится там, "
         "где затронуты {t_nom}."],
        ["Домашние дела и семейные заботы года переплетаются {t_with}.",
         "Опору и чувство дома в этом году человек черпает {t_loc}.",
         "Семья и жильё в этом году тянут за собой {t_acc}, и одно без "
         "другого не решается."],
        ["Любовь и увлечения этого года связаны {t_with}.",
         "Творческий подъём и радость года человек находит {t_loc}.",
         "Романы, праздники и дела детей в этом году так или иначе "
         "затрагивают {t_acc}."],
        ["Повседневная работа года и её заботы связаны {t_with}.",
         "Здоровье и режим в этом году зависят от того, что происходит "
         "{t_loc}.",
         "Служебные хлопоты года вращаются вокруг {t_gen}."],
        ["Партнёрские отношения года тесно связаны {t_with}.",
         "Брак, союзы и договоры этого года так или иначе касаются {t_gen}.",
         "Прочность союзов в этом году проверяют {t_nom}."],
        ["Кризисы и перемены года затрагивают прежде всего {t_acc}.",
         "Общие деньги, кредиты и наследство в этом году связаны {t_with}.",
         "То, что в этом году должно закончиться, чтобы освободить место "
         "новому, таится {t_loc}."],
        ["Дальние поездки и учёба года связаны {t_with}.",
         "Расширить кругозор в этом году помогают {t_nom}.",
         "Всё, что в этом году выводит за привычные рамки, от поездок до "
         "учёбы, так или иначе затрагивает {t_acc}."],
        ["Карьерные цели этого года достигаются через {t_acc}.",
         "Положение в обществе и репутация года зависят от {t_gen}.",
         "Главные достижения года человек получает {t_loc}."],
        ["Друзья и единомышленники года связаны {t_with}.",
         "Надежды и планы этого года сосредоточены {t_loc}.",
         "Помощь друзей в этом году особенно ощутима там, где затронуты "
         "{t_nom}."],
        ["То, что зреет в этом году без огласки, связано {t_with}.",
         "{T_nom} в этом году требуют тихой работы за кулисами.",
         "То, что в этом году приходится переживать наедине с собой, "
         "касается {t_gen}."],
    ],
    about=[
        "Асцендент Соляра показывает, каким человек входит в новый год жизни "
        "и с чем его начинает.",
        "Второй дом Соляра говорит о деньгах года, о заработке и о том, что "
        "человек ценит.",
        "Третий дом Соляра — это общение года, учёба, документы и короткие "
        "поездки.",
        "Четвёртый дом Соляра говорит о доме, семье и внутренней опоре на "
        "этот год.",
        "Пятый дом Соляра — это любовь, творчество, дети и удовольствия "
        "года.",
        "Шестой дом Соляра говорит о работе, здоровье и ежедневных "
        "обязанностях года.",
        "Седьмой дом Соляра — это партнёры года, брак, договоры и открытые "
        "соперники.",
        "Восьмой дом Соляра говорит о кризисах, общих деньгах и глубоких "
        "переменах года.",
        "Девятый дом Соляра — это дальние дороги, учёба, вера и "
        "мировоззрение года.",
        "Десятый дом Соляра говорит о целях года, карьере и общественном "
        "положении.",
        "Одиннадцатый дом Соляра — это друзья года, коллективы и заветные "
        "планы.",
        "Двенадцатый дом Соляра говорит о скрытом, об уединении и о том, что "
        "год готовит исподволь.",
    ],
    advice=[
        ["Стоит браться за личные планы именно здесь: так год даст больше.",
         "Полезно не отдавать инициативу другим и действовать от первого "
         "лица."],
        ["Разумно строить денежные планы с оглядкой на эту сферу.",
         "Стоит вести учёт доходов: так легче увидеть, что именно приносит "
         "деньги."],
        ["Полезно закреплять договорённости на бумаге.",
         "Стоит внимательно слушать: нужные сведения приходят между делом."],
        ["Стоит уделить время домашним делам, даже если кажется, что главное "
         "происходит вне дома.",
         "Хорошо заранее обсудить с близкими планы, которые касаются жилья."],
        ["Стоит позволить себе радость, не откладывая её на потом.",
         "Полезно найти время для увлечения, которое по-настоящему греет."],
        ["Важно следить за нагрузкой и не работать на износ.",
         "Стоит наладить режим: от него в этом году зависит многое."],
        ["Стоит договариваться честно и ясно, не полагаясь на "
         "подразумеваемое.",
         "Полезно видеть в партнёре союзника, а не соперника."],
        ["Стоит внимательно читать финансовые договоры и не брать лишних "
         "долгов.",
         "Полезно не цепляться за то, что уходит само."],
        ["Стоит не откладывать поездку или учёбу, если есть возможность.",
         "Полезно прислушиваться к учителям и людям с опытом."],
        ["Стоит поставить ясную цель на год и идти к ней шаг за шагом.",
         "Полезно заботиться о репутации: в этом году её видят многие."],
        ["Стоит говорить о своих планах тем, кто может помочь.",
         "Полезно участвовать в общих делах: они приносят неожиданные "
         "удачи."],
        ["Стоит беречь силы и не выставлять планы напоказ раньше времени.",
         "Полезно находить время для тишины и отдыха."],
    ],
    radix=[
        ["Человек сам становится главным действующим лицом, и многое зависит "
         "от его настроя и самочувствия.",
         "Здесь всё решает личная инициатива, и ждать, что кто-то сделает "
         "первый шаг, не стоит.",
         "Тема касается самого человека: его облика, здоровья и того, как он "
         "о себе заявляет."],
        ["Речь так или иначе заходит о деньгах, имуществе и собственной "
         "цене.",
         "Здесь важны практическая выгода и то, что человек считает "
         "по-настоящему ценным.",
         "Многое измеряется заработком и тем, на что уходят средства."],
        ["Многое решают письма, звонки, дела по соседству и помощь родни.",
         "Здесь важны новости, документы и умение быстро договориться.",
         "Основная сцена — ближний круг: братья, сёстры, соседи, "
         "однокурсники."],
        ["Основная сцена — дом, семья и отношения с родителями.",
         "Здесь многое упирается в жильё, семейные традиции и домашний "
         "уклад.",
         "События разворачиваются в кругу семьи, и решать их приходится "
         "вместе с близкими."],
        ["Здесь играют роль азарт, праздники, дети и всё, что приносит "
         "удовольствие.",
         "События окрашены азартом и желанием жить ярко.",
         "Многое происходит через увлечения, праздники и романы."],
        ["Основная сцена — работа, коллеги и ежедневные обязанности.",
         "Здесь много будничных хлопот, и немалую роль играет здоровье.",
         "Многое зависит от режима, служебных дел и отношений с коллегами."],
        ["Многое решается вдвоём: с супругом, компаньоном или соперником.",
         "Здесь в игру вступают другие люди, договоры и взаимные "
         "обязательства.",
         "События проходят через брак, союзы и открытое противостояние."],
        ["Здесь затронуты долги, наследство, налоги и самые сильные "
         "привязанности.",
         "События носят переломный характер, и что-то старое уходит "
         "безвозвратно.",
         "Многое связано с чужими ресурсами, риском и скрытыми мотивами."],
        ["Основная сцена — дальние поездки, учёба, иностранцы и "
         "мировоззрение.",
         "Здесь важны учителя, законы и поиски смысла.",
         "События расширяют кругозор и выводят за привычные рамки."],
        ["Многое зависит от начальства, должности и того, как человека "
         "оценивают со стороны.",
         "События разворачиваются на глазах у коллег и руководства.",
         "Здесь задействованы честолюбие, должность и мнение начальства."],
        ["Основная сцена — друзья, клубы и общественная жизнь.",
         "Здесь помогают единомышленники, а планы на будущее обретают "
         "очертания.",
         "Многое решается в компании, в клубе или в общественном деле."],
        ["Многое происходит за кулисами, без огласки, и не всё видно сразу.",
         "Здесь важны тишина и уединение, а порой в дело вступают больницы, "
         "санатории или места вдали от людей.",
         "События требуют терпения и внутренней работы, а результат "
         "проявится позже."],
    ]),
    "lunar": dict(
    lines=5,
    orders=["ANC"],
    own_title="%s на своём месте",
    keyword=["настроение", "траты", "звонки", "быт", "радости", "хлопоты",
             "пара", "переживания", "впечатления", "дела", "друзья",
             "отдых"],
    own=[
        "Асцендент Лунара в первом доме радикса: месяц идёт в привычном для "
        "человека ритме, и его настроение легко передаётся окружающим.",
        "Второй дом Лунара во втором доме радикса: деньги месяца в "
        "собственных руках, и траты легко держать под контролем.",
        "Третий дом Лунара в третьем доме радикса: месяц полон звонков, "
        "встреч и коротких поездок.",
        "Четвёртый дом Лунара в четвёртом доме радикса: месяц тянет домой, к "
        "тишине и близким.",
        "Пятый дом Лунара в пятом доме радикса: месяц обещает радости, "
        "свидания и творческое настроение.",
        "Шестой дом Лунара в шестом доме радикса: месяц рабочий и хлопотный, "
        "и режим значит особенно много.",
        "Седьмой дом Лунара в седьмом доме радикса: месяц проходит в паре, и "
        "многое зависит от партнёра.",
        "Восьмой дом Лунара в восьмом доме радикса: месяц глубоких "
        "переживаний, и чувства лучше не держать в себе.",
        "Девятый дом Лунара в девятом доме радикса: месяц зовёт в дорогу и к "
        "новым впечатлениям.",
        "Десятый дом Лунара в десятом доме радикса: месяц деловой, и на "
        "работе многое зависит от самого человека.",
        "Одиннадцатый дом Лунара в одиннадцатом доме радикса: месяц "
        "дружеский, и помощь приходит от знакомых.",
        "Двенадцатый дом Лунара в двенадцатом доме радикса: месяц тихий, и "
        "силы лучше копить, а не тратить.",
    ],
    frames=[
        ["Асцендент Лунара падает {h_into}: настроение месяца задают "
         "{t_nom}.",
         "Самочувствие и настрой месяца зависят от того, что происходит "
         "{t_loc}.",
         "Личные начинания этого месяца так или иначе вращаются вокруг "
         "{t_gen}."],
        ["Деньги этого месяца приходят и уходят через {t_acc}.",
         "Траты месяца тесно связаны {t_with}.",
         "Настроение в этом месяце заметно зависит от денег, а деньги — от "
         "того, что происходит {t_loc}."],
        ["Звонки, переписка и поездки месяца касаются {t_gen}.",
         "Больше всего разговоров в этом месяце ведётся о том, что связано "
         "{t_with}.",
         "Новости месяца приходят оттуда, где затронуты {t_nom}."],
        ["Домашние хлопоты месяца переплетаются {t_with}.",
         "Покой и уют этого месяца зависят от {t_gen}.",
         "Семейные разговоры месяца то и дело сворачивают на {t_acc}."],
        ["Удовольствия и увлечения месяца связаны {t_with}.",
         "Радость в этом месяце приносят {t_nom}.",
         "Свидания, игры с детьми и праздники месяца так или иначе касаются "
         "{t_gen}."],
        ["Рабочие хлопоты месяца связаны {t_with}.",
         "На самочувствии в этом месяце сказывается всё, что происходит "
         "{t_loc}.",
         "Больше всего будничных забот месяц приносит {t_loc}."],
        ["Жизнь вдвоём в этом месяце так или иначе касается {t_gen}.",
         "Договорённости и встречи месяца связаны {t_with}.",
         "С близким человеком в этом месяце чаще всего обсуждают {t_acc}."],
        ["Тревоги и сильные переживания месяца связаны {t_with}.",
         "Общие деньги и долги в этом месяце касаются {t_gen}.",
         "С чем пора расстаться в этом месяце, подскажут {t_nom}."],
        ["Поездки и новые впечатления месяца связаны {t_with}.",
         "Интересные книги, лекции и разговоры о главном в этом месяце "
         "касаются {t_gen}.",
         "Кругозор в этом месяце расширяют {t_nom}."],
        ["Рабочие цели месяца связаны {t_with}.",
         "Успех в делах этого месяца во многом зависит от {t_gen}.",
         "Заметных результатов в этом месяце проще всего добиться {t_loc}."],
        ["Встречи с друзьями в этом месяце так или иначе касаются {t_gen}.",
         "Планы и надежды месяца связаны {t_with}.",
         "Поддержку в этом месяце дают {t_nom}."],
        ["Скрытые тревоги месяца связаны {t_with}.",
         "Уединения в этом месяце хочется, когда задеты {t_nom}.",
         "То, что в этом месяце зреет без огласки, касается {t_gen}."],
    ],
    about=None,
    advice=[
        ["Хорошо начинать новое в первые дни после лунара.",
         "Стоит прислушиваться к себе: чувства подсказывают, куда "
         "направить силы."],
        ["Стоит записывать траты хотя бы до следующего лунара.",
         "Лучше не делать крупных покупок на эмоциях."],
        ["Полезно отвечать на сообщения сразу, не копя их.",
         "Стоит уточнять договорённости, чтобы не было путаницы."],
        ["Хорошо провести вечер с семьёй, без спешки и телефона.",
         "Стоит заняться домом: даже небольшая уборка поднимет настроение."],
        ["Стоит порадовать себя чем-то простым и приятным.",
         "Хорошо провести время с детьми или заняться любимым делом."],
        ["Стоит ложиться вовремя и не пропускать еду.",
         "Полезно разбить дела на небольшие части и закрывать их по одному."],
        ["Стоит уступить в мелочах, чтобы договориться о главном.",
         "Хорошо прямо сказать партнёру, чего хочется."],
        ["Лучше не давать денег в долг без расписки.",
         "Полезно выговориться близкому человеку, а не копить тревогу."],
        ["Хорошо выбраться куда-нибудь хотя бы на выходные.",
         "Стоит записаться на курс или лекцию, которые давно "
         "откладывались."],
        ["Стоит наметить одно главное дело до следующего лунара.",
         "Полезно не спорить с начальством по пустякам."],
        ["Хорошо позвонить старому другу.",
         "Стоит принять приглашение в компанию, даже если лень."],
        ["Стоит больше спать и меньше рассказывать о планах.",
         "Полезно побыть одному хотя бы один вечер в неделю."],
    ],
    radix=[
        ["Многое зависит от самочувствия и настроения самого человека.",
         "Главное действующее лицо — сам человек, его желания и силы.",
         "Тема касается внешности, здоровья и личных дел."],
        ["Речь то и дело заходит о деньгах и покупках.",
         "Здесь важны расходы, доходы и вещи, которыми человек дорожит.",
         "Многое упирается в бюджет месяца."],
        ["Здесь многое решают звонки, сообщения и поездки по городу.",
         "В дело вступают соседи, братья и сёстры.",
         "Многое зависит от переписки и мелких договорённостей."],
        ["События происходят дома или в кругу семьи.",
         "Здесь участвуют родители и домашние.",
         "Многое упирается в быт и домашний уклад."],
        ["Здесь участвуют дети, любимые и увлечения.",
         "Многое связано с отдыхом и развлечениями.",
         "События окрашены игрой и желанием повеселиться."],
        ["События происходят на работе или в повседневных хлопотах.",
         "Здесь участвуют коллеги, а самочувствие требует внимания.",
         "Многое зависит от режима дня."],
        ["Здесь участвует супруг или партнёр.",
         "Многое решается в разговоре вдвоём.",
         "События связаны с договорённостями и встречами с людьми."],
        ["Здесь задеты долги, кредиты и сильные чувства.",
         "Многое связано с долгами, кредитами или чужими вещами.",
         "События волнуют сильнее, чем кажется со стороны."],
        ["Здесь участвуют поездки, учёба или люди издалека.",
         "Многое связано с новыми впечатлениями.",
         "События выводят за пределы привычного круга."],
        ["События происходят на работе, на виду у начальства.",
         "Здесь многое зависит от репутации.",
         "Многое связано с обязанностями и служебными целями."],
        ["Здесь участвуют друзья и знакомые.",
         "Многое решается в компании.",
         "События связаны с общими планами и встречами."],
        ["События идут тихо, почти незаметно для окружающих.",
         "Здесь многое скрыто, и это требует терпения.",
         "Многое переживается наедине с собой."],
    ])}

# ---------------------------------------------------------------------------
# A return body in a return house: where its energy works in the period.
# Per body: the word of the heading, frames that name the house's sphere
# ({t_*}) and advice; per house: what the house stands for in the period.
# Letters of an order: A the frame, N the house, C the advice.
# ---------------------------------------------------------------------------
BODY_TEXTS = {"solar": dict(
    lines=7,
    orders=["ANC"],
    keyword=["воля года", "чувства года", "мысли и разговоры",
             "удача и симпатии", "энергия и споры", "рост", "испытание",
             "перемены", "вдохновение и туман", "перерождение", "исцеление",
             "преображение", "путь роста", "прошлый опыт", "светлая защита",
             "соблазн и проверка"],
    frames=[
        # Sun
        ["Солнце Соляра показывает главное дело года, и в этот раз оно "
         "связано {t_with}.",
         "{T_nom} становятся центром года: сюда уходят силы, воля и желание "
         "проявить себя.",
         "Солнце Соляра высвечивает {t_acc}, и именно здесь в этом году "
         "хочется добиться признания.",
         "Главная цель года лежит {t_loc}, и успех здесь придаёт сил на всё "
         "остальное."],
        # Moon
        ["Луна Соляра показывает, где в этом году душа ищет покоя: это "
         "{t_nom}.",
         "{T_loc} в этом году много перемен и чувств, и от этой сферы во "
         "многом зависит настроение.",
         "Луна Соляра делает {t_acc} делом сердца: здесь человек особенно "
         "чувствителен и отзывчив.",
         "Забота и душевная опора года связаны {t_with}, и заметнее "
         "становится роль женщин и семьи."],
        # Mercury
        ["Меркурий Соляра приносит {t_into} много разговоров, бумаг и "
         "поездок.",
         "Ум в этом году занят тем, что касается {t_gen}: здесь приходится "
         "думать, учиться и договариваться.",
         "{T_loc} в этом году всё решают слова, сведения и умение "
         "договориться.",
         "Меркурий Соляра делает {t_acc} темой переговоров, переписки и "
         "новых знаний."],
        # Venus
        ["Венера Соляра смягчает {t_acc}: здесь в этом году больше "
         "симпатии, красоты и удачи.",
         "{T_loc} в этом году помогают обаяние и умение ладить с людьми.",
         "Венера Соляра приносит {t_into} любовь, удовольствия и приятные "
         "знакомства.",
         "Радость года человек находит {t_loc}, и здесь же возможны "
         "приятные денежные сюрпризы."],
        # Mars
        ["Марс Соляра вносит {t_into} напор, соперничество и жажду "
         "действия.",
         "{T_loc} в этом году много энергии, но и споров, и действовать "
         "приходится смело и быстро.",
         "Марс Соляра показывает, за что в этом году придётся бороться, и "
         "это {t_nom}.",
         "Силы года уходят на {t_acc}, и здесь же легче всего вспыхивают "
         "конфликты."],
        # Jupiter
        ["Юпитер Соляра обещает рост и удачу {t_loc}.",
         "{T_nom} в этом году получают простор для роста: появляются "
         "возможности, покровители и новые горизонты.",
         "Юпитер Соляра приносит {t_into} щедрость и размах, и здесь год "
         "бывает по-настоящему удачным.",
         "Самые широкие возможности года связаны {t_with}."],
        # Saturn
        ["Сатурн Соляра требует терпения и труда {t_loc}.",
         "{T_nom} в этом году проходят проверку на прочность: слабое "
         "отпадает, надёжное укрепляется.",
         "Сатурн Соляра ставит {t_acc} под груз ответственности, и лёгких "
         "решений здесь ждать не стоит.",
         "Самые серьёзные обязательства года связаны {t_with}."],
        # Uranus
        ["Уран Соляра приносит {t_into} неожиданности и резкие перемены.",
         "{T_loc} в этом году всё может измениться в один день, и лучше "
         "быть к этому готовым.",
         "Уран Соляра освобождает {t_acc} от старых рамок, иногда "
         "внезапно.",
         "Самые неожиданные повороты года связаны {t_with}."],
        # Neptune
        ["Нептун Соляра окутывает {t_acc} туманом: здесь много "
         "вдохновения, но мало ясности.",
         "{T_loc} в этом году работают интуиция и мечта, а расчёт часто "
         "подводит.",
         "Нептун Соляра делает {t_acc} сферой надежд и иллюзий.",
         "Тонкие предчувствия и творческие озарения года связаны {t_with}."],
        # Pluto
        ["Плутон Соляра приносит {t_into} глубокие перемены, после которых "
         "к прежнему не вернуться.",
         "{T_loc} в этом году идёт скрытая, но мощная перестройка.",
         "Плутон Соляра показывает, где в этом году решаются вопросы власти "
         "и влияния: это {t_nom}.",
         "Самые сильные переживания и переломы года связаны {t_with}."],
        # Chiron
        ["Хирон Соляра касается {t_gen}, и здесь в этом году может "
         "напомнить о себе старая рана.",
         "{T_loc} в этом году больно, но целительно: то, что тревожило "
         "давно, можно наконец вылечить.",
         "Хирон Соляра делает {t_acc} местом уязвимости и вместе с тем "
         "исцеления.",
         "Опыт, полученный {t_loc}, в этом году помогает учить и "
         "поддерживать других."],
        # Proserpina
        ["Прозерпина Соляра приносит {t_into} преображение под давлением "
         "обстоятельств.",
         "{T_loc} в этом году приходится меняться не по своей воле, а "
         "потому, что иначе нельзя.",
         "Прозерпина Соляра очищает {t_acc} от лишнего, и процесс этот "
         "небыстрый.",
         "Через нажим и трудности в этом году обновляется всё, что связано "
         "{t_with}."],
        # Rahu
        ["Раху, северный узел Соляра, указывает направление года: расти "
         "предстоит {t_loc}.",
         "Кармическая задача года связана {t_with}, и сюда тянет, даже если "
         "это непривычно.",
         "Северный узел Соляра зовёт осваивать {t_acc} как новый опыт, без "
         "которого не двинуться дальше.",
         "Развитие года идёт через {t_acc}, и судьба настойчиво "
         "подталкивает именно сюда."],
        # Ketu
        ["Кету, южный узел Соляра, показывает, с чем в этом году пора "
         "проститься: это {t_nom}.",
         "{T_loc} в этом году многое даётся по старой памяти, но держаться "
         "за прошлое не стоит.",
         "Кету Соляра приносит {t_into} чувство завершённости: старое "
         "уходит, чтобы не мешать росту.",
         "Прошлый опыт, накопленный {t_loc}, в этом году выручает, но "
         "нового он не заменит."],
        # Selena
        ["Селена, Белая Луна Соляра, охраняет {t_acc}: здесь в этом году "
         "есть защита и светлая поддержка.",
         "{T_loc} в этом году помогает судьба, если человек действует "
         "честно.",
         "Белая Луна Соляра показывает, откуда в этом году приходит помощь: "
         "это {t_nom}.",
         "Светлые возможности года связаны {t_with}, и добрые дела здесь "
         "возвращаются сторицей."],
        # Lilith
        ["Лилит, Чёрная Луна Соляра, испытывает {t_acc} соблазнами.",
         "{T_loc} в этом году подстерегают искушения, и за лёгкий путь "
         "потом приходится платить.",
         "Чёрная Луна Соляра показывает, где в этом году проверяется "
         "стойкость: это {t_nom}.",
         "Тёмные желания и испытания года связаны {t_with}."],
    ],
    advice=[
        ["Стоит вкладывать в эту сферу лучшие силы и не бояться быть "
         "заметным.",
         "Полезно помнить, что успех здесь зависит от личной инициативы.",
         "Важно не распыляться: главное дело года уже обозначено."],
        ["Стоит беречь эту сферу от суеты и резких решений.",
         "Полезно доверять чувствам, но не решать сгоряча.",
         "Важно помнить, что настроение здесь меняется, как лунные фазы."],
        ["Стоит записывать договорённости и перечитывать документы.",
         "Полезно учиться тому, что нужно именно в этой сфере.",
         "Важно не верить слухам и проверять сведения."],
        ["Стоит не лениться: Венера даёт возможности, но не делает всё за "
         "человека.",
         "Полезно знать меру в удовольствиях и тратах.",
         "Хорошо вкладываться в красоту и добрые отношения."],
        ["Стоит направлять энергию в дело, а не в ссоры.",
         "Полезно беречься от спешки и травм.",
         "Важно не идти напролом там, где можно договориться."],
        ["Стоит пользоваться возможностями, но не брать на себя лишнего.",
         "Полезно соблюдать меру: Юпитер склонен к преувеличениям.",
         "Хорошо учиться и принимать помощь тех, кто сильнее."],
        ["Стоит действовать по плану и не ждать быстрых результатов.",
         "Полезно принять ограничения как урок, а не как наказание.",
         "Важно не взваливать на себя больше, чем по силам."],
        ["Стоит оставлять себе запас на случай перемен.",
         "Полезно пробовать новые пути, не сжигая мостов.",
         "Важно не рвать связи сгоряча."],
        ["Стоит проверять факты и подписывать бумаги с ясной головой.",
         "Полезно давать волю фантазии в творчестве, а не в делах.",
         "Важно не обольщаться обещаниями."],
        ["Стоит не держаться за то, что отжило.",
         "Полезно не вступать в борьбу за власть без нужды.",
         "Важно помнить, что разрушение здесь расчищает место новому."],
        ["Стоит не стыдиться своей уязвимости и принимать помощь.",
         "Полезно делиться опытом: помогая другим, человек лечит и себя.",
         "Важно не растравлять старые обиды."],
        ["Стоит не сопротивляться переменам, а направлять их.",
         "Полезно отпустить лишнее добровольно, пока этого не потребовала "
         "жизнь.",
         "Важно служить делу, а не собственному самолюбию."],
        ["Стоит идти навстречу новому, даже когда страшно.",
         "Полезно учиться с нуля, без опоры на старые заслуги.",
         "Важно не отступать при первой трудности."],
        ["Стоит без сожаления расставаться с отжившим.",
         "Полезно опираться на старые умения, не застревая в них.",
         "Важно не путать привычку с призванием."],
        ["Стоит поступать чисто: Белая Луна помогает только честным.",
         "Полезно бескорыстно помогать другим.",
         "Хорошо доверять добрым знакам и случайным встречам."],
        ["Стоит держать слово и не поддаваться соблазну лёгкой выгоды.",
         "Полезно честно смотреть на свои слабости.",
         "Важно не идти на сделку с совестью."],
    ],
    houses=[
        ["Это может проявиться в новой внешности, смене стиля или в личном "
         "начинании, которое никто другой за человека не сделает.",
         "Заметнее всего это по самочувствию и по тому, как человек держится "
         "с людьми.",
         "Окружающие видят это сразу: меняются манеры, облик, привычная "
         "роль."],
        ["Это может проявиться в новом источнике дохода, крупной покупке или "
         "пересмотре того, на что уходят деньги.",
         "Заметнее всего это по кошельку и по тому, как человек оценивает "
         "себя.",
         "Речь может идти о зарплате, вкладах, покупках и цене собственного "
         "труда."],
        ["Это может проявиться в курсах, переписке, новой машине или в "
         "переменах у родни.",
         "Заметнее всего это в разговорах, документах и делах с соседями.",
         "Речь может идти о курсах, машине, договорах и новостях из ближнего "
         "круга."],
        ["Это может проявиться в переезде, ремонте, покупке квартиры или в "
         "заботах о старших.",
         "Заметнее всего это дома: в семейной атмосфере и домашних заботах.",
         "Речь может идти о жилье, даче, семейных традициях и старших "
         "родственниках."],
        ["Это может проявиться в новом романе, выступлении, азартной затее "
         "или заботах о детях.",
         "Заметнее всего это в досуге, в любви и в том, что радует сердце.",
         "Речь может идти о свиданиях, праздниках, азартных затеях и "
         "детях."],
        ["Это может проявиться в новых поручениях, смене графика или "
         "визитах к врачу.",
         "Заметнее всего это в будних делах, на службе и в самочувствии.",
         "Речь может идти о коллегах, подчинённых, режиме, диете и домашних "
         "питомцах."],
        ["Это может проявиться в свадьбе, новом компаньоне или подписании "
         "важных бумаг.",
         "Заметнее всего это в отношениях с супругом, компаньонами и "
         "соперниками.",
         "Речь может идти о свадьбе, расставании, переговорах или суде."],
        ["Это может проявиться в кредите, наследстве, страховке или в "
         "деньгах партнёра.",
         "Заметнее всего это в кризисных ситуациях и в самых близких "
         "отношениях.",
         "Речь может идти о долгах, налогах, общем имуществе и сильных "
         "переживаниях."],
        ["Это может проявиться в дальней поездке, переезде за границу или "
         "в деле, которое решает суд.",
         "Заметнее всего это во взглядах на жизнь и в отношениях с "
         "учителями.",
         "Речь может идти об иностранцах, вузе, публикациях и вопросах "
         "веры."],
        ["Это может проявиться в новой должности, смене работы или перемене "
         "статуса.",
         "Заметнее всего это в карьере и в отношениях с начальством.",
         "Речь может идти о должности, репутации, признании и "
         "ответственности перед людьми."],
        ["Это может проявиться в новом круге друзей, общественном деле или "
         "в судьбе давней мечты.",
         "Заметнее всего это в дружбе, в коллективе и в планах на будущее.",
         "Речь может идти о клубах, сообществах, покровителях и "
         "единомышленниках."],
        ["Это может проявиться в уединении, отдыхе вдали от людей или в "
         "заботе о тех, кто нуждается в помощи.",
         "Заметнее всего это в душевном состоянии, которое трудно объяснить "
         "другим.",
         "Речь может идти о больнице, санатории, работе за кулисами или "
         "тайных отношениях."],
    ]),
    "lunar": dict(
    lines=5,
    orders=["AC", "AN", "ANC"],
    keyword=["внимание", "настроение", "суета и новости",
             "маленькие радости", "горячность", "везение", "нагрузка",
             "сюрпризы", "грёзы", "страсти", "ранимость", "очищение",
             "шаг вперёд", "старые привычки", "добрая помощь", "искушения"],
    frames=[
        ["Солнце Лунара показывает, куда в этом месяце уходит больше всего "
         "сил: это {t_nom}.",
         "{T_loc} в этом месяце хочется проявить себя и получить "
         "признание.",
         "Солнце Лунара высвечивает {t_acc}, и здесь месяц проходит "
         "активнее всего."],
        ["Луна Лунара показывает, где в этом месяце живут чувства: это "
         "{t_nom}.",
         "{T_loc} в этом месяце особенно много эмоций, и от этой сферы "
         "зависит настроение.",
         "Луна Лунара делает {t_acc} самым чувствительным местом месяца."],
        ["Меркурий Лунара приносит {t_into} звонки, сообщения и мелкие "
         "поездки.",
         "{T_loc} в этом месяце многое решает один удачный разговор.",
         "Мысли месяца заняты тем, что касается {t_gen}."],
        ["Венера Лунара приносит {t_into} приятные встречи и маленькие "
         "радости.",
         "{T_loc} в этом месяце всё идёт мягче: помогают обаяние и "
         "улыбка.",
         "Венера Лунара делает {t_acc} источником удовольствия."],
        ["Марс Лунара вносит {t_into} спешку и горячность.",
         "{T_loc} в этом месяце много энергии, и споры вспыхивают легко.",
         "Марс Лунара показывает, где в этом месяце придётся поработать "
         "локтями: это {t_nom}."],
        ["Юпитер Лунара приносит {t_into} удачу и хорошие новости.",
         "{T_loc} в этом месяце везёт, и помощь приходит сама.",
         "Юпитер Лунара щедр ко всему, что связано {t_with}, и здесь "
         "открываются возможности."],
        ["Сатурн Лунара требует дисциплины {t_loc}.",
         "{T_loc} в этом месяце всё идёт медленно, и торопить события "
         "бесполезно.",
         "Сатурн Лунара прибавляет хлопот {t_loc}, и решать их придётся "
         "по очереди."],
        ["Уран Лунара приносит {t_into} сюрпризы и перемены планов.",
         "{T_loc} в этом месяце всё меняется быстро и без предупреждения.",
         "Уран Лунара будоражит {t_acc}: хочется попробовать новое."],
        ["Нептун Лунара окутывает {t_acc} мечтательной дымкой.",
         "{T_loc} в этом месяце легко ошибиться, зато хорошо работает "
         "интуиция.",
         "Нептун Лунара делает {t_acc} сферой грёз и вдохновения."],
        ["Плутон Лунара приносит {t_into} сильные переживания.",
         "{T_loc} в этом месяце что-то заканчивается, чтобы начаться "
         "заново.",
         "Плутон Лунара обостряет {t_acc}, и страсти здесь кипят."],
        ["Хирон Лунара задевает {t_acc}, и здесь в этом месяце легко "
         "обидеться.",
         "{T_loc} в этом месяце напоминает о себе старая боль, но её можно "
         "облегчить.",
         "Хирон Лунара показывает, где в этом месяце нужна бережность: это "
         "{t_nom}."],
        ["С Прозерпиной Лунара {t_nom} меняются под нажимом "
         "обстоятельств.",
         "{T_loc} в этом месяце обстоятельства давят, но это давление "
         "меняет к лучшему.",
         "Прозерпина Лунара очищает {t_acc} от лишнего."],
        ["Северный узел Лунара показывает, куда в этом месяце тянет "
         "судьба: это {t_nom}.",
         "{T_loc} в этом месяце судьба зовёт сделать шаг навстречу "
         "новому.",
         "Раху Лунара зовёт осваивать {t_acc}, пусть даже понемногу."],
        ["Южный узел Лунара подсказывает, что пора оставить в прошлом "
         "кое-что из того, что связано {t_with}.",
         "{T_loc} в этом месяце выручают старые навыки, но новое ими не "
         "заменить.",
         "Кету Лунара тянет к старому во всём, что касается {t_gen}."],
        ["Селена Лунара бережёт {t_acc}: здесь в этом месяце есть светлая "
         "защита.",
         "{T_loc} в этом месяце помогают добрые люди и удачные "
         "совпадения.",
         "Белая Луна Лунара показывает, где в этом месяце легко сделать "
         "доброе дело: это {t_nom}."],
        ["Лилит Лунара дразнит {t_acc} соблазнами.",
         "{T_loc} в этом месяце тянет к запретному, и потом об этом можно "
         "пожалеть.",
         "Чёрная Луна Лунара показывает, где в этом месяце проверяется "
         "выдержка: это {t_nom}."],
    ],
    advice=[
        ["Стоит выбрать здесь одно дело и довести его до конца.",
         "Полезно не ждать похвалы, а просто делать."],
        ["Стоит беречь себя от лишних волнений.",
         "Хорошо прислушиваться к своим желаниям."],
        ["Стоит записывать важное.",
         "Полезно отвечать на письма без промедления."],
        ["Стоит порадовать себя, но без лишних трат.",
         "Хорошо сделать комплимент или маленький подарок."],
        ["Стоит остыть, прежде чем отвечать.",
         "Полезно потратить лишнюю энергию на спорт."],
        ["Стоит не упустить удобный случай.",
         "Лучше не переедать и не переплачивать."],
        ["Стоит делать по шагу в день.",
         "Полезно не брать новых обязательств."],
        ["Стоит держать запасной план.",
         "Хорошо попробовать что-то непривычное."],
        ["Стоит перепроверять обещания.",
         "Хорошо заняться музыкой, рисованием или просто выспаться."],
        ["Стоит не давить на других.",
         "Полезно расстаться с тем, что тянет назад."],
        ["Стоит быть мягче к себе.",
         "Полезно поговорить с тем, кто понимает."],
        ["Стоит спокойно отпустить то, что уходит.",
         "Полезно навести порядок и выбросить ненужное."],
        ["Стоит не отказываться от непривычного предложения.",
         "Полезно сделать то, что давно пугало."],
        ["Стоит не возвращаться к тому, что уже решено.",
         "Полезно закончить старые дела."],
        ["Стоит поступать честно, и помощь не заставит себя ждать.",
         "Хорошо помочь кому-нибудь просто так."],
        ["Стоит вовремя сказать себе «нет».",
         "Полезно не поддаваться на провокации."],
    ],
    houses=[
        ["Это заметно по самочувствию и внешнему виду.",
         "Это может выразиться в новой стрижке, спорте или личной затее.",
         "Окружающие сразу чувствуют это по настроению."],
        ["Это может выразиться в покупке, подработке или неожиданной "
         "трате.",
         "Заметнее всего это по кошельку.",
         "Речь может идти о зарплате, скидках и вещах для себя."],
        ["Это может выразиться в поездке по городу, встрече с роднёй или "
         "важном сообщении.",
         "Заметнее всего это в переписке и разговорах.",
         "Речь может идти о документах, транспорте и родне."],
        ["Это может выразиться в ремонте, уборке или семейном разговоре.",
         "Заметнее всего это дома.",
         "Речь может идти о родителях, жилье и хозяйстве."],
        ["Это может выразиться в свидании, празднике или новом хобби.",
         "Заметнее всего это в досуге и делах детей.",
         "Речь может идти о развлечениях, творчестве и любви."],
        ["Это может выразиться в новых поручениях, перемене графика или "
         "заботе о здоровье.",
         "Заметнее всего это на работе и в самочувствии.",
         "Речь может идти о коллегах, режиме и домашних питомцах."],
        ["Это может выразиться в важной встрече или серьёзном разговоре с "
         "близким человеком.",
         "Заметнее всего это в отношениях с близким человеком.",
         "Речь может идти о супруге, компаньонах и соперниках."],
        ["Это может выразиться в долге, кредите или деньгах партнёра.",
         "Заметнее всего это в сильных переживаниях.",
         "Речь может идти об общих тратах, налогах и близости."],
        ["Это может выразиться в поездке, учёбе или встрече с человеком "
         "издалека.",
         "Заметнее всего это в новых впечатлениях.",
         "Речь может идти о лекциях, книгах и путешествиях."],
        ["Это может выразиться в поручении начальства, отчёте или разговоре "
         "о работе.",
         "Заметнее всего это на работе.",
         "Речь может идти о сроках, обязанностях и репутации."],
        ["Это может выразиться во встрече с друзьями, общем деле или новом "
         "знакомстве.",
         "Заметнее всего это в компании.",
         "Речь может идти о друзьях, группах и общих планах."],
        ["Это может выразиться в желании побыть одному, в ярких снах или "
         "тайных заботах.",
         "Заметнее всего это в душевном состоянии.",
         "Речь может идти об отдыхе, сне и тайных переживаниях."],
    ])}

# ---------------------------------------------------------------------------
# A return planet within 6 degrees of a natal planet: what the meeting
# brings. Per return planet: frames that name the natal planet ({n_gen},
# {n_ins}) and its sphere ({t_*}), advice, and the text of its return to
# its own place; per natal planet: what is touched. The heading's words are
# the two planets' keywords. Letters of an order: A the frame, B the natal
# planet, C the advice.
# ---------------------------------------------------------------------------
PAIR_TEXTS = {"solar": dict(
    lines=7,
    orders=["ABC"],
    keyword=["воля", "чувства", "мысль", "любовь", "напор", "удача", "долг",
             "свобода", "мечта", "сила"],
    own=[
        ("начало личного года",
         "Солнце Соляра всегда стоит на месте натального Солнца: так и "
         "строится карта солнечного возвращения. С этого дня начинается "
         "новый личный год, и его тон задают остальные положения карты. "
         "Хорошее время подвести итоги и наметить цели до следующего дня "
         "рождения."),
        ("обновление чувств",
         "Луна Соляра возвращается на место натальной Луны, что бывает "
         "примерно раз в девятнадцать лет. Год обновляет самые глубокие "
         "привычки и чувства и нередко затрагивает дом, семью и отношения с "
         "матерью. Душа подсказывает, что ей действительно нужно, и к ней "
         "стоит прислушаться."),
        ("год ясного ума",
         "Меркурий Соляра стоит на месте натального Меркурия, и ум "
         "возвращается к своему природному ритму. Год благоприятен для "
         "учёбы, письма, переговоров и поездок: мысли ясные, слова находятся "
         "легко. Полезно начать то, что требует новых знаний."),
        ("обновление любви",
         "Венера Соляра возвращается на место натальной Венеры, что "
         "случается примерно раз в восемь лет. Это год обновления в любви, "
         "дружбе и вкусах, когда хочется красоты и тепла. Удачное время для "
         "знакомств, примирений и приятных покупок."),
        ("новый цикл энергии",
         "Марс Соляра на месте натального Марса открывает новый цикл "
         "энергии. Год даёт силы для смелых начинаний, спорта и борьбы за "
         "своё. Важно направить этот напор в дело и не растратить его в "
         "ссорах."),
        ("новый цикл роста",
         "Юпитер Соляра на месте натального Юпитера означает возвращение "
         "Юпитера, которое бывает раз в двенадцать лет. Год открывает новый "
         "цикл роста: учёба, поездки, новые планы и покровители. Хорошо "
         "мыслить широко и смело браться за то, что расширяет горизонты."),
        ("год взросления",
         "Сатурн Соляра на месте натального Сатурна приходится на возраст "
         "около двадцати девяти, пятидесяти восьми или восьмидесяти семи "
         "лет. Это год зрелости и подведения итогов, когда построенное без "
         "опоры требует перестройки. Упорный труд сейчас закладывает основу "
         "на годы вперёд."),
        ("год свободы",
         "Уран Соляра на месте натального Урана встречается только в первые "
         "годы жизни или около восьмидесяти четырёх лет. Год приносит "
         "обновление и свободу, и старые рамки теряют силу. Перемены лучше "
         "встречать с любопытством, а не со страхом."),
        ("первые годы жизни",
         "Нептун Соляра стоит на месте натального Нептуна лишь в первые годы "
         "жизни, пока планета почти не сдвинулась. Это время особой "
         "впечатлительности и тонкой связи с окружающими. Взрослым рядом "
         "стоит беречь ребёнка от шума и грубости."),
        ("сила первых лет",
         "Плутон Соляра стоит на месте натального Плутона только в первые "
         "годы жизни. В это время закладывается глубинная сила характера. "
         "Спокойная, надёжная обстановка помогает этой силе созреть."),
    ],
    frames=[
        ["Солнце Соляра стоит на месте {n_gen}, и весь год освещает "
         "{t_acc}.",
         "Солнце Соляра соединяется с {n_ins}: в этом году {t_nom} "
         "становятся делом чести и главным источником сил.",
         "Солнце Соляра рядом с {n_ins} делает {t_acc} центром года."],
        ["Луна Соляра встаёт на место {n_gen}: {t_nom} в этом году "
         "становятся делом сердца.",
         "Луна Соляра у {n_gen} обостряет чувства во всём, что связано "
         "{t_with}.",
         "Луна Соляра соединяется с {n_ins}, и год приносит перемены и "
         "заботы, касающиеся {t_gen}."],
        ["Меркурий Соляра на месте {n_gen} делает {t_acc} предметом "
         "раздумий и переговоров.",
         "Меркурий Соляра соединяется с {n_ins}, и весь год приходится "
         "много говорить и писать о том, что связано {t_with}.",
         "Меркурий Соляра рядом с {n_ins} оживляет {t_acc}: новости, бумаги "
         "и поездки касаются именно этой темы."],
        ["Венера Соляра на месте {n_gen} смягчает и украшает {t_acc}.",
         "Венера Соляра соединяется с {n_ins}, и в этом году {t_nom} "
         "приносят радость и симпатии людей.",
         "Венера Соляра рядом с {n_ins} обещает удачу и тепло во всём, что "
         "связано {t_with}."],
        ["Марс Соляра на месте {n_gen} заряжает энергией {t_acc}, но и "
         "добавляет горячности.",
         "Марс Соляра соединяется с {n_ins}: в этом году за {t_acc} "
         "приходится бороться.",
         "Марс Соляра рядом с {n_ins} торопит события во всём, что связано "
         "{t_with}."],
        ["Юпитер Соляра на месте {n_gen} обещает рост и удачу: {t_nom} в "
         "этом году получают простор.",
         "Юпитер Соляра соединяется с {n_ins}, и год приносит щедрые "
         "возможности во всём, что касается {t_gen}.",
         "Юпитер Соляра рядом с {n_ins} берёт под покровительство {t_acc}."],
        ["Сатурн Соляра на месте {n_gen} проверяет на прочность {t_acc}.",
         "Сатурн Соляра соединяется с {n_ins}: в этом году {t_nom} требуют "
         "терпения, труда и взрослых решений.",
         "Сатурн Соляра рядом с {n_ins} замедляет всё, что связано "
         "{t_with}, зато построенное сейчас будет прочным."],
        ["Уран Соляра на месте {n_gen} встряхивает {t_acc}, и возможны "
         "резкие, неожиданные перемены.",
         "Уран Соляра соединяется с {n_ins}, и в этом году {t_nom} "
         "освобождаются от старых рамок.",
         "Уран Соляра рядом с {n_ins} приносит сюрпризы во всём, что "
         "связано {t_with}."],
        ["Нептун Соляра на месте {n_gen} окутывает {t_acc} мечтами и "
         "неясностью.",
         "Нептун Соляра соединяется с {n_ins}: в этом году {t_nom} живут "
         "вдохновением, но рискуют обернуться иллюзией.",
         "Нептун Соляра рядом с {n_ins} делает всё, что связано {t_with}, "
         "тоньше и загадочнее."],
        ["Плутон Соляра на месте {n_gen} запускает глубокую перестройку: "
         "{t_nom} меняются всерьёз и надолго.",
         "Плутон Соляра соединяется с {n_ins}, и год приносит переломы во "
         "всём, что касается {t_gen}.",
         "Плутон Соляра рядом с {n_ins} пробуждает скрытую силу во всём, "
         "что связано {t_with}."],
    ],
    natal=[
        ["Натальное Солнце — сердцевина гороскопа, и год даёт ему новый "
         "импульс.",
         "Затронута сама суть человека: его самолюбие и жизненная сила."],
        ["Натальная Луна — душа гороскопа, поэтому перемены коснутся самого "
         "сокровенного.",
         "Затронуты настроение, привычки и чувство защищённости."],
        ["Натальный Меркурий — это склад ума, и год даёт ему много работы.",
         "Затронуты мышление, речь и умение договариваться."],
        ["Натальная Венера говорит о вкусе, нежности и деньгах, и всё это "
         "оживает в этом году.",
         "Затронуты сердечные привязанности и умение радоваться жизни."],
        ["Натальный Марс — это решимость и энергия действия, и год "
         "проверяет, куда они направлены.",
         "Затронуты смелость и готовность отстаивать свои интересы."],
        ["Натальный Юпитер отвечает за оптимизм и щедрость судьбы, и год "
         "даёт им новую пищу.",
         "Затронуты убеждения, надежды и вера в лучшее."],
        ["Натальный Сатурн — это порядок и жизненные уроки, и год "
         "напоминает о них.",
         "Затронуты ответственность, терпение и умение ждать."],
        ["Натальный Уран говорит об оригинальности и независимости, и год "
         "будит жажду нового.",
         "Затронуто всё непредсказуемое в судьбе и желание жить "
         "по-своему."],
        ["Натальный Нептун отвечает за воображение и сострадание, и год "
         "делает их ощутимее.",
         "Затронуто всё, что трудно выразить словами: предчувствия, сны, "
         "идеалы."],
        ["Натальный Плутон хранит глубинную силу человека, и год её "
         "пробуждает.",
         "Затронуты самые глубокие переживания и способность к "
         "перерождению."],
    ],
    advice=[
        ["Стоит действовать открыто и смело.",
         "Полезно поставить цель на год именно в этой сфере.",
         "Важно не путать уверенность с самоуверенностью."],
        ["Стоит прислушиваться к чувствам, не принимая решений сгоряча.",
         "Полезно окружить себя заботой близких.",
         "Важно не поддаваться перепадам настроения."],
        ["Стоит всё записывать и перепроверять.",
         "Полезно учиться и много читать.",
         "Важно говорить ясно и по делу."],
        ["Стоит радоваться, не теряя чувства меры.",
         "Полезно вкладываться в отношения и красоту.",
         "Важно не покупать лишнего ради минутного удовольствия."],
        ["Стоит действовать решительно, но без грубости.",
         "Полезно давать энергии выход в спорте.",
         "Важно беречься от спешки и ссор."],
        ["Стоит смело пользоваться шансами.",
         "Полезно помнить о мере.",
         "Важно не давать обещаний сверх возможностей."],
        ["Стоит запастись терпением.",
         "Полезно составить план и держаться его.",
         "Важно не бросать начатое на полпути."],
        ["Стоит оставлять место для импровизации.",
         "Полезно не держаться за привычное любой ценой.",
         "Важно не рубить с плеча."],
        ["Стоит проверять всё, что кажется слишком хорошим.",
         "Полезно заниматься творчеством и отдыхать у воды.",
         "Важно не бежать от реальности."],
        ["Стоит отпустить то, что отжило.",
         "Полезно сотрудничать там, где хочется бороться за власть.",
         "Важно помнить, что кризис открывает новые возможности."],
    ]),
    "lunar": dict(
    lines=5,
    orders=["ABC", "AC", "AB"],
    keyword=["внимание", "настроение", "разговоры", "радость", "спешка",
             "везение", "терпение", "сюрпризы", "грёзы", "страсти"],
    own=[
        ("лунар дня рождения",
         "Солнце Лунара на месте натального Солнца: этот лунар близок ко дню "
         "рождения. Месяц подхватывает темы Соляра и задаёт тон первым "
         "неделям нового личного года."),
        ("начало лунного месяца",
         "Луна Лунара всегда стоит на месте натальной Луны: так строится "
         "карта лунного возвращения. С этого дня начинается новый лунный "
         "месяц, и чувства, привычки и настроение обновляются."),
        ("ясная голова",
         "Меркурий Лунара на месте натального Меркурия: мысли ясные, слова "
         "находятся легко. Хороший месяц для учёбы, разговоров и бумажных "
         "дел."),
        ("месяц нежности",
         "Венера Лунара возвращается на место натальной Венеры, как бывает "
         "примерно раз в год. Месяц дарит тепло, симпатии и желание радовать "
         "себя и других."),
        ("новый заряд сил",
         "Марс Лунара на месте натального Марса, как бывает примерно раз в "
         "два года. Сил много, и хорошо взяться за спорт или давно "
         "отложенное дело, только без лишней горячности."),
        ("месяц роста",
         "Юпитер Лунара стоит на месте натального Юпитера: идёт год "
         "возвращения Юпитера, и этот месяц — его часть. Хорошо строить "
         "планы, учиться и принимать помощь."),
        ("месяц зрелости",
         "Сатурн Лунара на месте натального Сатурна: это месяц из времени "
         "возвращения Сатурна. Он требует ответственности и трезвых "
         "решений."),
        ("месяц обновления",
         "Уран Лунара на месте натального Урана бывает лишь в раннем детстве "
         "или в глубокой старости. Месяц несёт обновление и требует "
         "гибкости."),
        ("месяц тонких чувств",
         "Нептун Лунара стоит на месте натального Нептуна только в первые "
         "годы жизни. Это месяцы особой чувствительности, когда ребёнку "
         "нужны тишина и покой."),
        ("глубинная сила",
         "Плутон Лунара на месте натального Плутона встречается лишь в "
         "первые годы жизни. В эти месяцы ребёнку особенно важна надёжная, "
         "спокойная обстановка."),
    ],
    frames=[
        ["Солнце Лунара рядом с {n_ins} делает {t_acc} главной заботой "
         "месяца.",
         "Солнце Лунара у {n_gen}: в этом месяце хочется проявить себя во "
         "всём, что связано {t_with}.",
         "Солнце Лунара соединяется с {n_ins}: {t_nom} на этот месяц "
         "выходят на первый план."],
        ["Луна Лунара рядом с {n_ins} делает месяц особенно чутким ко "
         "всему, что связано {t_with}.",
         "Луна Лунара у {n_gen}: настроение месяца во многом зависит от "
         "того, что связано {t_with}.",
         "Луна Лунара соединяется с {n_ins}: {t_nom} в этом месяце "
         "трогают сильнее обычного."],
        ["Меркурий Лунара рядом с {n_ins} приносит разговоры и новости, "
         "касающиеся {t_gen}.",
         "Меркурий Лунара у {n_gen}: в этом месяце много мыслей и переписки "
         "о том, что связано {t_with}.",
         "Меркурий Лунара соединяется с {n_ins}: в этом месяце хочется "
         "обсудить {t_acc}."],
        ["Венера Лунара рядом с {n_ins} дарит месяцу тепло во всём, что "
         "связано {t_with}.",
         "Венера Лунара у {n_gen}: {t_nom} в этом месяце приносят "
         "удовольствие.",
         "Венера Лунара соединяется с {n_ins}: в этом месяце {t_nom} "
         "радуют больше обычного."],
        ["Марс Лунара рядом с {n_ins} торопит и горячит всё, что связано "
         "{t_with}.",
         "Марс Лунара у {n_gen}: в этом месяце за {t_acc} приходится "
         "побороться.",
         "Марс Лунара соединяется с {n_ins}: {t_nom} в этом месяце "
         "требуют решительных действий."],
        ["Юпитер Лунара рядом с {n_ins} обещает месяцу удачу во всём, что "
         "связано {t_with}.",
         "Юпитер Лунара у {n_gen}: {t_nom} в этом месяце получают "
         "поддержку.",
         "Юпитер Лунара соединяется с {n_ins}, и месяц расширяет {t_acc}."],
        ["Сатурн Лунара рядом с {n_ins} требует терпения во всём, что "
         "связано {t_with}.",
         "Сатурн Лунара у {n_gen}: {t_nom} в этом месяце идут туго, но "
         "надёжно.",
         "Сатурн Лунара соединяется с {n_ins}, и месяц нагружает {t_acc} "
         "обязанностями."],
        ["Уран Лунара рядом с {n_ins} вносит в месяц внезапные повороты, "
         "связанные {t_with}.",
         "Уран Лунара у {n_gen}: {t_nom} в этом месяце могут перемениться в "
         "один день.",
         "Уран Лунара соединяется с {n_ins}, и месяц будоражит {t_acc}."],
        ["Нептун Лунара рядом с {n_ins} делает месяц мечтательным во всём, "
         "что связано {t_with}.",
         "Нептун Лунара у {n_gen}: {t_nom} в этом месяце видятся как в "
         "тумане.",
         "Нептун Лунара соединяется с {n_ins}, и месяц наполняет {t_acc} "
         "предчувствиями."],
        ["Плутон Лунара рядом с {n_ins} обостряет всё, что связано "
         "{t_with}.",
         "Плутон Лунара у {n_gen}: {t_nom} в этом месяце переживаются "
         "глубоко и сильно.",
         "Плутон Лунара соединяется с {n_ins}, и месяц заставляет "
         "пересмотреть {t_acc}."],
    ],
    natal=[
        ["Затронуты самолюбие и личные планы.",
         "Натальное Солнце отвечает за волю, и месяц проверяет её на "
         "деле."],
        ["Затронуты привычки и чувство защищённости.",
         "Натальная Луна отвечает за настроение, и в этом месяце оно "
         "заметно влияет на дела."],
        ["Затронуты мысли, разговоры и мелкие дела.",
         "Натальный Меркурий отвечает за ум, и голове в этом месяце "
         "достаётся работы."],
        ["Затронуты сердечные дела и мелкие траты.",
         "Натальная Венера отвечает за нежность и вкус, и они в этом месяце "
         "на виду."],
        ["Затронуты решимость и желание действовать.",
         "Натальный Марс отвечает за энергию, и месяц показывает, куда её "
         "направить."],
        ["Затронуты надежды и щедрость.",
         "Натальный Юпитер отвечает за оптимизм, и месяц даёт к нему "
         "повод."],
        ["Затронуты сроки и порядок в делах.",
         "Натальный Сатурн отвечает за порядок, и месяц требует его "
         "соблюдать."],
        ["Затронуты жажда нового и желание вырваться из рутины.",
         "Натальный Уран отвечает за независимость, и месяц её "
         "испытывает."],
        ["Затронуты сны и предчувствия.",
         "Натальный Нептун отвечает за воображение, и в этом месяце к нему "
         "стоит прислушаться."],
        ["Затронуты глубокие чувства и страсти.",
         "Натальный Плутон хранит внутреннюю силу, и месяц её будит."],
    ],
    advice=[
        ["Стоит заявить о себе, пока обстоятельства благоприятны.",
         "Хорошо закончить одно важное дело."],
        ["Стоит позаботиться о себе и о близких.",
         "Хорошо больше отдыхать дома."],
        ["Стоит отвечать на письма без задержек.",
         "Хорошо прочесть что-нибудь полезное."],
        ["Стоит устроить себе маленький праздник.",
         "Хорошо помириться с тем, с кем были размолвки."],
        ["Стоит считать до десяти, прежде чем спорить.",
         "Хорошо потратить энергию на спорт или ремонт."],
        ["Стоит не отказываться от предложений.",
         "Хорошо строить планы, но без преувеличений."],
        ["Стоит не торопиться и делать всё по порядку.",
         "Хорошо закрыть старые долги и хвосты."],
        ["Стоит допускать перемены планов.",
         "Хорошо попробовать что-нибудь новое."],
        ["Стоит высыпаться и проверять обещания.",
         "Хорошо побыть у воды или послушать музыку."],
        ["Стоит не давить и не поддаваться давлению.",
         "Хорошо избавиться от ненужного."],
    ])}


if __name__ == "__main__":
    sys.exit(main())

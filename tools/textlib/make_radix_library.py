#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Builds the radix text library of the Dann folder.

    data/Dann/Radix/Begin.TXT                  preface, plain
    data/Dann/Radix/PLZODIAC.txt               items in signs, enciphered
    data/Dann/Radix/PLDoma.txt                 items in houses, enciphered
    data/Dann/Radix/DomZod.txt                 house cusps in signs, enciphered
    data/Dann/Radix/Hozzod.txt                 house rulers in signs, enciphered
    data/Dann/Radix/HozDom.txt                 house rulers in houses, enciphered
    data/Dann/Radix/aspec.txt                  aspects between items, enciphered
    data/Dann/Radix/Kinder/KinderPlZn.txt      child: items in signs, plain
    data/Dann/Radix/Kinder/KinderAsc.txt       child: house cusps in signs, plain
    data/Dann/Radix/Kinder/KinderAspect.txt    child: aspects, plain

Usage: python3 tools/textlib/make_radix_library.py [--out DANN_DIR] [--show N]
           [--cli VELORA_CLI] [--charts N] [--seed N]

The prose is woven from the meaning tables of meanings.py: each item has
its own statement for each sign, the slow bodies speak of a generation in
their signs and of the person in their houses and aspects, and the
fictitious and karmic points keep their own themes (the Black Moon's
temptation and trial, the White Moon's protection, the way ahead of the
north node and the habits of the south node). Every sentence role has
several wordings; the choice is made by hashing the entry's keys and is
turned by the item or house number, so that entries which share a sign,
a house or a sentence role read differently. The output is the same byte
for byte on every run.

Every file is Windows-1251 with CR LF line ends. A heading is a line with
"&" in it and begins with "&"; body lines never contain "&"; every file
ends with the closing line "&&&&&". After writing, the files are read back
and checked: every key combination the radix composers can ask for is
answered by exactly one heading, and every heading answers only the
combination it was written for; every entry passes the prose lint of
prose_check.py; and the natal texts the program composes from the written
folder (velora-cli interpret, adult and child) for the first chart and a
set of random charts stay under the repetition bound. Any fault stops the
run with a message and a non-zero exit status.

The enciphered files are enciphered and read back by the program's own
tool, velora-cli textlib (see library_cipher.py), so it must be built.
"""

import argparse
import datetime
import hashlib
import random
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(HERE))

from meanings import (  # noqa: E402
    ASPECTS, CHILD_COUNSEL, CHILD_LEND, CHILD_PRESS, CHILD_SIGN_CORE,
    CHILD_SPHERE, CHILD_WORDS, GENERATION_PAIRS, GENERATION_READING,
    HOUSE_VOICE, HOUSES, ITEM_COUNSEL, ITEM_HOUSE, ITEM_HOUSE_OWN, ITEM_KIND,
    ITEM_LEND, ITEM_PRESS, ITEM_SPHERE, ITEM_TEMPTATION, ITEM_WEIGHT,
    ITEM_WORDS, ITEMS, SIGN_CORE, SIGN_VOICE, SIGNS)
from make_directions_library import (  # noqa: E402
    cap, prep_s, prep_v, sentences, wrap)
import library_cipher  # noqa: E402
import prose_check  # noqa: E402

# Body lines are wrapped to what the program's text view shows at its first
# size (about 50 characters of its fixed-pitch font); a heading may run
# longer, up to MAX_LINE.
MAX_LINE = 76
CLOSING = "&&&&&"
RADIX_KEY = "VexКлючик"
ENCODING = "cp1251"

# The first chart of the program, and the bounds of the random charts the
# self-check composes.
DEFAULT_CHART = ("1980-01-15", "12:30", 56.01, 92.45)
RANDOM_CHARTS = 20
RANDOM_SEED = 16


# ---------------------------------------------------------------------------
# Choosing wordings.
# ---------------------------------------------------------------------------
def digest(*salt):
    text = "|".join(str(s) for s in salt)
    return int(hashlib.md5(text.encode("utf-8")).hexdigest(), 16)


def turn(options, n, *salt):
    """One of the options: a hash of the salt turned by n. Entries whose
    salt is the same and whose n differ (the items of one sign, the
    houses of one chart) get neighbouring wordings, not the same one."""
    return options[(digest(*salt) + n) % len(options)]


def stems(text):
    """The first five letters of the longer words of a text: enough to
    tell that two phrases repeat a notion ("точности", "точность")."""
    return {w[:5] for w in prose_check.WORD.findall(text.lower())
            if len(w) > 4}


def take(pool, k, n, *salt, avoid=""):
    """k different items of the pool: the pool is shuffled by the salt
    and the n-th window of k items is taken, so that neighbouring n share
    no item. An item that repeats a notion of `avoid` (the sentence it goes
    beside) or of an item already taken ("воображение", "творческое
    воображение") is passed over for the next one."""
    used = stems(avoid)
    order = sorted(pool, key=lambda w: digest("take", w, *salt))
    out = []
    for j in range(len(order)):
        w = order[(n * k + j) % len(order)]
        if not stems(w) & used:
            out.append(w)
            used |= stems(w)
            if len(out) == k:
                return out
    return [order[(n * k + j) % len(order)] for j in range(k)]


def turn_fresh(options, n, avoid, *salt):
    """turn(), passing over the options that repeat a notion of `avoid`."""
    used = stems(avoid)
    start = digest(*salt) + n
    for j in range(len(options)):
        o = options[(start + j) % len(options)]
        if not stems(o) & used:
            return o
    return options[start % len(options)]


def listing(words):
    """"a", "a и b", "a, b и c"."""
    if len(words) == 1:
        return words[0]
    return ", ".join(words[:-1]) + " и " + words[-1]


def aims(pool, n, *salt):
    """Two infinitive aims of a sign joined by "и", or one when an aim
    has an "и" of its own ("творить и быть замеченным")."""
    two = take(pool, 2, n, *salt)
    if any(" и " in a for a in two):
        return two[0] if " и " not in two[0] else two[1] \
            if " и " not in two[1] else two[0]
    return listing(two)


def by_gender(item, m, f, n=None):
    g = item["gender"]
    return m if g == "m" else f if g == "f" else (n if n is not None else m)


def word_fields(prefix, word):
    f = {prefix + "_" + case: form for case, form in word.items()}
    f[prefix + "_v_acc"] = prep_v(word["acc"])   # "в чувства", "во власть"
    f[prefix + "_s_ins"] = prep_s(word["ins"])   # "с долгом", "со свободой"
    return f


def item_fields(prefix, i):
    it = ITEMS[i]
    f = {prefix + "_" + c: it[c] for c in ("nom", "gen", "dat", "acc", "ins")}
    f[prefix.upper() + "_nom"] = it["nom"]
    f[prefix + "_s_ins"] = prep_s(it["ins"])   # "с Сатурном", "со ..."
    return f


def fill(template, fields):
    return template.format(**fields)


_STOIT_NE = re.compile(r"\b([Сс])тоит не ([^,.;:!?]*)\.")


def polish(text):
    """Word order the templates cannot see: "Не стоит бояться перемен"
    rather than "Стоит не бояться перемен" when a piece of advice begins
    with "не". Only a single action is turned so: in "стоит не торопить и
    хвалить" the "не" belongs to the first verb alone."""
    def turned(m):
        if " и " in m.group(2):
            return m.group(0)
        return "%s стоит %s." % ("Не" if m.group(1) == "С" else "не",
                                 m.group(2))
    return _STOIT_NE.sub(turned, text)


# ---------------------------------------------------------------------------
# Planets in signs (adult).
# ---------------------------------------------------------------------------
PZ_STRENGTH = [
    "Сильные стороны этого положения — {q}.",
    "Опорой служат {q}.",
    "Человеку с {such} {i_ins} свойственны {q}.",
    "На пользу идут {q}.",
    "Лучше всего здесь проявляются {q}.",
    "В плюс работают {q}.",
    "Главные козыри — {q}.",
    "Выручают {q}.",
    "Здесь раскрываются {q}.",
]
PZ_SHADOW = [
    "Слабым местом могут стать {sh}.",
    "Обратная сторона — {sh}.",
    "Подвести могут {sh}.",
    "В трудные периоды дают о себе знать {sh}.",
    "Тень этого положения — {sh}.",
    "Мешать могут {sh}.",
    "Под нагрузкой проступают {sh}.",
    "Осторожнее стоит быть там, где проявляются {sh}.",
    "Следить стоит за тем, чтобы не взяли верх {sh}.",
]
PZ_ADVICE = [
    "Полезно {a}.",
    "Главный совет — {a}.",
    "Стоит {a}.",
    "Чтобы это положение работало в плюс, стоит {a}.",
    "Рост начинается, когда человек учится {a}.",
    "Важно {a}.",
    "Зрелость этого положения — умение {a}.",
]
# The slow bodies: where the person is, beside what the generation shares.
GEN_NOTE = [
    "Это черта поколения, а не личный портрет: лично {i_nom} раскрывается "
    "через дом, в котором стоит, и через аспекты к Солнцу, Луне и "
    "Асценденту.",
    "Такое положение разделяют многие ровесники, поэтому о самом человеке "
    "больше говорят дом {i_gen} и {poss} связи с личными планетами.",
    "Знак {i_gen} общий для всех, кто родился в эти годы; личное звучание "
    "ему придают дом и аспекты.",
    "Для самого человека важнее, в каком доме стоит {i_nom} и с какими "
    "личными планетами {linked} аспектами.",
]
CHIRON_ACHE = [
    "Когда рана болит, проступают {sh}.",
    "Боль этого места выдают {sh}.",
    "В минуты слабости дают о себе знать {sh}.",
]
CHIRON_NOTE = [
    "Хирон идёт по знаку несколько лет, поэтому эта тема знакома многим "
    "сверстникам, а лично её окрашивают дом и аспекты Хирона.",
    "Эту рану разделяют многие ровесники; как она звучит у самого "
    "человека, показывают дом Хирона и его связи с личными планетами.",
]
LILITH_SHADOW = [
    "Если тень берёт верх, проступают {sh}.",
    "Поддавшись искушению, человек рискует показать худшие черты знака: "
    "{sh}.",
    "Тень выдают {sh}.",
]
LILITH_TRIAL = [
    "Пройти испытание помогает привычка {a}.",
    "Испытание проходится, когда человек учится {a}.",
    "Выход из тени — {a}.",
]
SELENA_LIGHT = [
    "На светлом пути помогают {q}.",
    "Защиту укрепляют {q}.",
    "Свет Селены раскрывают {q}.",
]
SELENA_DIM = [
    "Свет тускнеет, когда берут верх {sh}.",
    "Защита слабеет там, где проявляются {sh}.",
    "Сбить со светлого пути могут {sh}.",
]
RAHU_TOOLS = [
    "На этом пути пригодятся {q}, даже если поначалу они даются "
    "непросто.",
    "Развивать предстоит то, что не дано готовым: {q}.",
    "Расти помогают {q}, и их стоит сознательно тренировать.",
]
RAHU_BACK = [
    "Назад тянут привычки противоположного знака, где стоит Кету: {sh}.",
    "Мешают старые привычки южного узла: {sh}.",
    "Сворачивать с пути заставляют {sh}, знакомые по прошлому опыту.",
]
KETU_EASY = [
    "Легко даются {q}: это багаж прошлого, на который можно опереться.",
    "От природы даны {q}, и опираться на них можно без усилий.",
    "Готовый опыт — {q}, но расти за их счёт не получится.",
]
KETU_WAY = [
    "Рост лежит в противоположной стороне: учиться {w}.",
    "Северный узел зовёт в другую сторону: учиться {w}.",
    "Двигаться дальше помогает решимость {w}.",
]


def plzodiac_entry(i, s):
    it, sv = ITEMS[i], SIGN_VOICE[s]
    kind = ITEM_KIND[i]
    opp = SIGN_VOICE[(s + 6) % 12]
    core = SIGN_CORE[i][s]
    f = item_fields("i", i)
    f.update(
        q=listing(take(sv["qual"], 3, i, "pz-q", s, avoid=core)),
        sh=listing(take(sv["shadow"], 3, i, "pz-sh", s, avoid=core)),
        a=turn_fresh(sv["advice"], i, core, "pz-a", s),
        such=by_gender(it, "таким", "такой", "таким"),
        poss=by_gender(it, "его", "её", "его"),
        linked=by_gender(it, "он связан", "она связана", "оно связано"),
    )
    # The frames turn by the item alone, so that the items of one chart,
    # all different, take different frames.
    if kind in ("personal", "social", "angle"):
        parts = [core, turn(PZ_STRENGTH, i, "pz-st"),
                 turn(PZ_SHADOW, i, "pz-sh"), turn(PZ_ADVICE, i, "pz-ad")]
    elif kind == "generation":
        parts = [core, GENERATION_READING[i], turn(GEN_NOTE, i, "pz-gn")]
    elif kind == "chiron":
        parts = [core, turn(CHIRON_ACHE, s, "pz-ca"),
                 turn(CHIRON_NOTE, s, "pz-cn")]
    elif kind == "lilith":
        parts = [core, turn(LILITH_SHADOW, s, "pz-ls"),
                 turn(LILITH_TRIAL, s, "pz-lt")]
    elif kind == "selena":
        parts = [core, turn(SELENA_LIGHT, s, "pz-sl"),
                 turn(SELENA_DIM, s, "pz-sd")]
    elif kind == "rahu":
        f["sh"] = listing(take(opp["shadow"], 3, i, "pz-rb", s, avoid=core))
        parts = [core, turn(RAHU_TOOLS, s, "pz-rt"),
                 turn(RAHU_BACK, s, "pz-rb")]
    else:  # ketu
        f["w"] = aims(opp["want"], i, "pz-kw", s)
        parts = [core, turn(KETU_EASY, s, "pz-ke"),
                 turn(KETU_WAY, s, "pz-kw")]
    heading = "&%s%s %s" % (it["key"], it["label"], SIGNS[s]["vprep"])
    return heading, sentences([fill(p, f) for p in parts])


# ---------------------------------------------------------------------------
# Planets in houses (adult).
# ---------------------------------------------------------------------------
PD_ADVICE = [
    "Полезно {a}.",
    "Совет этого положения — {a}.",
    "В этой сфере важно {a}.",
    "Стоит {a}.",
    "Ключ к этой сфере — умение {a}.",
    "Лучший ход — {a}.",
    "На пользу привычка {a}.",
    "Главное — {a}.",
    "Дела этого дома идут лучше, если {who} {a}.",
]


def house_sphere(h, n, *salt):
    nom, gen, acc = turn(HOUSE_VOICE[h]["spheres"], n, *salt)
    return dict(sph_nom=nom, sph_gen=gen, sph_acc=acc, Sph_nom=cap(nom),
                Sph_acc=cap(acc), v_sph_acc=prep_v(acc))


def house_descs(h):
    return [HOUSES[h]["desc"], HOUSES[h]["desc2"], HOUSE_VOICE[h]["desc3"]]


def pldoma_entry(i, h):
    hs = HOUSES[h]
    heading = "&%s%s в %d доме" % (ITEMS[i]["key"], ITEMS[i]["label"], h + 1)
    own = ITEM_HOUSE_OWN.get(i)
    if own and own[0] == h:
        return heading, own[1]
    f = house_sphere(h, i, "pd-sph", h)
    f.update(loc=hs["loc"], Loc=cap(hs["loc"]),
             a=turn(HOUSE_VOICE[h]["advice"], i, "pd-a", h),
             who="человек умеет")
    parts = [turn(ITEM_HOUSE[i]["intro"], h, "pd-in", i),
             turn(house_descs(h), i, "pd-desc", h),
             turn(ITEM_HOUSE[i]["effect"], h, "pd-ef", i),
             turn(PD_ADVICE, i, "pd-ad")]
    return heading, sentences([fill(p, f) for p in parts])


# ---------------------------------------------------------------------------
# Houses in signs and house rulers (adult). A chart has one entry for each
# house in these sections, so their frames turn by the house number alone
# and spread evenly over the twelve entries.
# ---------------------------------------------------------------------------
def manner(s, n, salt):
    """Two adverbs of the sign, a single word before a phrase ("горячо и
    от всего сердца")."""
    two = take(SIGN_VOICE[s]["adv"], 2, n, salt, s)
    return listing(sorted(two, key=lambda a: (" " in a, len(a))))


def sign_fields(s, n, salt, k=2):
    sg, sv = SIGNS[s], SIGN_VOICE[s]
    return dict(
        s_nom=sg["nom"], S_nom=sg["nom"], s_gen=sg["gen"],
        s_vprep=sg["vprep"], S_vprep=cap(sg["vprep"]),
        adv=manner(s, n, salt + "-adv"),
        q=listing(take(sv["qual"], k, n, salt + "-q", s)),
        sh=listing(take(sv["shadow"], k, n, salt + "-sh", s)),
        a=turn(sv["advice"], n, salt + "-a", s),
        want=turn(sv["want"], n, salt + "-w", s))


def ord_fields(h, prefix="h"):
    hs = HOUSES[h]
    return {prefix + "_ord_nom": hs["ord_nom"],
            prefix + "_ord_prep": hs["loc"].split()[1],
            prefix.upper() + "_ord_nom": cap(hs["ord_nom"]),
            prefix + "_ord_gen": hs["ord_gen"], prefix + "_loc": hs["loc"],
            prefix.upper() + "_loc": cap(hs["loc"])}


DZ_OPEN = [
    "{S_nom} на куспиде {h_ord_gen} дома: в сфере {sph_gen} многое "
    "делается {adv}.",
    "Когда {h_ord_nom} дом начинается {s_vprep}, {sph_nom} окрашены "
    "чертами {s_gen}, и человек проявляет себя здесь {adv}.",
    "{H_ord_nom} дом открывается {s_vprep}, поэтому в вопросах {sph_gen} "
    "человек действует {adv}.",
    "Куспид {h_ord_gen} дома {s_vprep} окрашивает {sph_acc} чертами "
    "{s_gen}: здесь всё делается {adv}.",
    "Знак {s_gen} на куспиде {h_ord_gen} дома задаёт тон всей сфере "
    "{sph_gen}: здесь действуют {adv}.",
    "{S_vprep} начинается {h_ord_nom} дом, и к вопросам {sph_gen} человек "
    "подходит {adv}.",
]
DZ_QUAL = [
    "Выручают {q}, а подвести могут {sh}.",
    "Помогают {q}; осторожнее там, где проступают {sh}.",
    "Сильные стороны — {q}, слабые — {sh}.",
    "На пользу идут {q}, во вред — {sh}.",
    "В этих делах выручают {q}, но мешать могут {sh}.",
    "Опорой служат {q}, а слабым местом бывают {sh}.",
]
DZ_ADVICE = [
    "Для этой сферы особенно полезно {a}.",
    "В делах {h_ord_gen} дома стоит {a}.",
    "Здесь важно {a}.",
    "Совет для этой сферы — {a}.",
    "Полезно {a}.",
    "Удачу этому дому приносит умение {a}.",
]


def house_sign_body(h, s, salt, opening, middle, quality, advice):
    """A house and a sign (its cusp or its ruler there): the opening, one
    sentence of the section's own, the sign's strengths and weaknesses in
    the house, and advice."""
    f = dict(ord_fields(h), **sign_fields(s, h, salt))
    f.update(house_sphere(h, s, salt + "-sph", h))
    parts = [turn(opening, h, salt + "-open"), middle,
             turn(quality, h, salt + "-qual"), turn(advice, h, salt + "-ad")]
    return sentences([fill(p, f) for p in parts])


def domzod_entry(h, s):
    element = SIGN_VOICE[s]["element"]
    body = house_sign_body(h, s, "dz", DZ_OPEN,
                           HOUSE_VOICE[h]["element"][element], DZ_QUAL,
                           DZ_ADVICE)
    return "&%d дом %s" % (h + 1, SIGNS[s]["vprep"]), body


HZ_OPEN = [
    "Управитель {h_ord_gen} дома стоит {s_vprep}: {sph_acc} человек "
    "связывает с желанием {want}.",
    "Хозяин {h_ord_gen} дома находится {s_vprep}, и в вопросах {sph_gen} "
    "человеку важно {want}.",
    "{S_vprep} стоит хозяин {h_ord_gen} дома: в сфере {sph_gen} человек "
    "действует {adv}.",
    "Управитель {h_ord_gen} дома {s_vprep}: в вопросах {sph_gen} человек "
    "действует {adv}, стремясь {want}.",
    "Хозяин {h_ord_gen} дома {s_vprep} показывает, что в сфере {sph_gen} "
    "человек поступает {adv}.",
    "{S_vprep} оказался управитель {h_ord_gen} дома, и в сфере {sph_gen} "
    "главным становится желание {want}.",
]
# How the affairs of a house go when its ruler is in a sign of that mode.
HZ_MODE = dict(
    cardinal=[
        "Дела этой сферы движутся вперёд, когда человек сам делает первый "
        "шаг.",
        "Кардинальный знак торопит события: здесь многое начинается с "
        "личного решения.",
        "Дела этого дома начинаются решительно и быстро, по инициативе "
        "самого человека.",
        "Здесь важно не ждать, пока всё сложится само: инициатива "
        "принадлежит человеку."],
    fixed=[
        "В этой сфере всё складывается постепенно и надолго: то, что "
        "однажды установилось, держится прочно.",
        "Фиксированный знак придаёт постоянство: перемены здесь медленны, "
        "зато результат долговечен.",
        "Здесь всё строится на упорстве, и достигнутое не теряется.",
        "Перемены в этой сфере даются нелегко, но и сложившееся служит "
        "годами."],
    mutable=[
        "Эта сфера подвижна и многолика, дела идут сразу в нескольких "
        "направлениях.",
        "Подвижный знак приносит перемены: эта сфера не раз меняет форму, "
        "и гибкость здесь важнее упорства.",
        "Здесь многое решает умение приспособиться, и в разные периоды "
        "жизни всё складывается по-разному.",
        "В этой сфере редко бывает одна дорога: человек пробует, меняет "
        "планы и ищет лучший вариант."],
)
HZ_QUAL = [
    "Помогают {q}, а слабым местом бывают {sh}.",
    "Опора здесь — {q}, помеха — {sh}.",
    "Удачу приносят {q}, неудачи — {sh}.",
    "В этих вопросах выручают {q}, а вредят {sh}.",
    "Силы дают {q}, отнимают — {sh}.",
    "На руку играют {q}, против — {sh}.",
]
HZ_ADVICE = [
    "Для успеха в делах {h_ord_gen} дома полезно {a}.",
    "Чтобы дела {h_ord_gen} дома складывались удачно, стоит {a}.",
    "Лучший ход — {a}.",
    "Полезно {a}.",
    "Этой сфере на пользу умение {a}.",
    "Совет управителя — {a}.",
]


def hozzod_entry(h, s):
    mode = SIGN_VOICE[s]["mode"]
    body = house_sign_body(h, s, "hz", HZ_OPEN,
                           turn(HZ_MODE[mode], h, "hz-mode"), HZ_QUAL,
                           HZ_ADVICE)
    return "&Хозяин %d дома %s" % (h + 1, SIGNS[s]["vprep"]), body


HD_OPEN = [
    "Хозяин {h_ord_gen} дома стоит {n_loc}: {h_sph_nom} реализуются через "
    "{n_sph_acc}.",
    "Управитель {h_ord_gen} дома находится {n_loc}, и {h_sph_nom} тесно "
    "переплетаются с вопросами {n_sph_gen}.",
    "Положение хозяина {h_ord_gen} дома {n_loc} показывает, что ключ к "
    "сфере {h_sph_gen} лежит в области {n_sph_gen}.",
    "{N_loc} стоит управитель {h_ord_gen} дома, и за успехом в сфере "
    "{h_sph_gen} стоят {n_sph_nom}.",
    "Хозяин {h_ord_gen} дома {n_loc}: {h_sph_nom} зависят от того, как "
    "идут дела {n_ord_gen} дома.",
    "Управитель {h_ord_gen} дома стоит {n_loc}: многое в сфере "
    "{h_sph_gen} приходит через {n_sph_acc}.",
]
# The house the ruler stands in: angular, succedent, cadent, or opposite.
HD_PLACE = dict(
    angular=[
        "Угловой дом делает эту связь сильной: события здесь на виду.",
        "Дом, где стоит управитель, угловой, поэтому связь проявляется "
        "открыто и заметно.",
        "Такое положение заметно в судьбе: угловой дом выводит эти темы "
        "на первый план.",
        "Угловой дом придаёт связи силу, и её последствия видны "
        "окружающим."],
    succedent=[
        "Последующий дом придаёт связи устойчивость: результат копится "
        "постепенно.",
        "Эта связь работает медленно, но надёжно, через ресурсы и время.",
        "Плоды такого положения приходят не сразу, зато остаются надолго.",
        "Последующий дом накапливает: здесь важны терпение и запас сил."],
    cadent=[
        "Падающий дом делает связь гибкой и не всегда заметной: многое "
        "решается через учёбу, службу и внутреннюю работу.",
        "Связь проявляется исподволь, через подготовку и перемены, а не "
        "через громкие события.",
        "Здесь многое зреет незаметно и требует терпеливой подготовки.",
        "Падающий дом переводит эти дела в план подготовки, учёбы и "
        "помощи другим."],
    opposite=[
        "Управитель стоит напротив своего дома, и эти две сферы "
        "уравновешивают друг друга: перекос в одной сразу сказывается на "
        "другой.",
        "Дом управителя противоположен его собственному, поэтому многое "
        "здесь решается через поиск равновесия между двумя областями "
        "жизни.",
        "Управитель смотрит на свой дом с противоположного края карты: "
        "дела этого дома то и дело требуют взгляда со стороны."],
)
HD_LINK = [
    "Всё, что происходит в делах {n_ord_gen} дома, отражается и на темах "
    "{h_ord_gen} дома.",
    "Часто именно через {n_kw_acc} человек решает вопросы {h_ord_gen} "
    "дома.",
    "Удачи и трудности {n_ord_gen} дома сразу сказываются на "
    "{h_ord_prep} доме.",
    "Обе сферы связаны: успех в одной открывает двери в другой.",
    "Нередко решение для {h_ord_gen} дома приходит из дел {n_ord_gen}.",
    "Эти две области жизни лучше рассматривать вместе.",
]
HD_ADVICE = [
    "Полезно {a}: это помогает в обеих сферах.",
    "Для согласия обеих сфер стоит {a}.",
    "Обеим сферам на пользу умение {a}.",
    "Стоит {a}, и это отзовётся в обоих домах.",
    "Лучший ход — {a}.",
    "Совет этого положения — {a}.",
]
HD_SELF = [
    "Хозяин {h_ord_gen} дома находится в собственном доме, и это "
    "укрепляет {h_sph_acc}.",
    "Управитель {h_ord_gen} дома стоит в своём же доме: {h_sph_nom} "
    "находятся под надёжным контролем.",
    "Хозяин {h_ord_gen} дома у себя дома: {h_sph_nom} звучат в жизни "
    "ясно и сильно.",
]
HD_SELF2 = [
    "Человек сам управляет этими вопросами и редко зависит в них от "
    "обстоятельств.",
    "Решения по этим темам человек принимает сам, и они редко "
    "откладываются.",
    "Эта сфера самодостаточна: её дела не нужно искать на стороне.",
]


def place_of(h, n):
    if (n - h) % 12 == 6:
        return "opposite"
    return ["angular", "succedent", "cadent"][n % 3]


def hozdom_entry(h, n):
    hs, ns = HOUSES[h], HOUSES[n]
    hsph = house_sphere(h, n, "hd-h", h)
    nsph = house_sphere(n, h, "hd-n", n)
    f = dict(ord_fields(h), **ord_fields(n, "n"))
    f.update({"h_" + k: v for k, v in hsph.items()})
    f.update({"n_" + k: v for k, v in nsph.items()})
    f.update(n_kw_acc=ns["kw_acc"],
             a=turn(HOUSE_VOICE[n]["advice"], h, "hd-a", n))
    if h == n:
        heading = "&Хозяин %d дома в доме № %d: в собственном доме" % (
            h + 1, n + 1)
        f["a"] = turn(HOUSE_VOICE[h]["advice"], 0, "hd-self-a", h)
        parts = [turn(HD_SELF, h, "hd-self"), turn(HD_SELF2, h, "hd-self2"),
                 turn(house_descs(h), h, "hd-self-desc"),
                 "Полезно {a}."]
        return heading, sentences([fill(p, f) for p in parts])
    heading = "&Хозяин %d дома в доме № %d: %s через %s" % (
        h + 1, n + 1, hs["kw_nom"], ns["kw_acc"])
    parts = [turn(HD_OPEN, h, "hd-open"),
             turn(HD_PLACE[place_of(h, n)], h, "hd-place"),
             turn(HD_LINK, h, "hd-link"),
             turn(HD_ADVICE, h, "hd-ad")]
    return heading, sentences([fill(p, f) for p in parts])


# ---------------------------------------------------------------------------
# Aspects between items, adult and child. One entry has four sentences: an
# opening that names both points and the aspect, what one brings to the
# other, the character of the aspect, and a word of advice. The points with
# a theme of their own (the nodes, the Moons, Chiron, the slow bodies
# together) have sentences of their own. No body begins with the aspect's
# word: the heading ends with it.
# ---------------------------------------------------------------------------
OPENERS = {
    " 0": [
        "{I_nom} и {k_nom} стоят рядом: {wi_nom} и {wk_nom} сливаются в "
        "одно.",
        "{I_nom} соединяется {k_s_ins}, и {wi_acc} уже не отделить от "
        "{wk_gen}.",
        "В одной точке сходятся {i_nom} и {k_nom}, а с ними {wi_nom} и "
        "{wk_nom}.",
        "Рядом с {i_ins} стоит {k_nom}, поэтому {wi_nom} и {wk_nom} звучат "
        "в унисон.",
        "Союз {i_gen} и {k_gen} сплавляет {wi_acc} и {wk_acc}.",
        "{I_nom} и {k_nom} слиты в одной точке: где {wi_nom}, там и "
        "{wk_nom}.",
    ],
    "60": [
        "{I_nom} и {k_nom} смотрят друг на друга по-дружески: {wi_nom} и "
        "{wk_nom} охотно помогают друг другу.",
        "Между {i_ins} и {k_ins} дружеский аспект, и {wi_nom} {wk_s_ins} "
        "легко находят общий язык.",
        "{I_nom} протягивает руку {k_dat}: {wi_nom} и {wk_nom} дополняют "
        "друг друга, если этим пользоваться.",
        "Аспект возможностей связывает {i_acc} и {k_acc}: {wi_acc} и "
        "{wk_acc} легко соединить в одном деле.",
        "{I_nom} и {k_nom} в аспекте удачных случаев: {wi_nom} и {wk_nom} "
        "работают на одну цель.",
        "Шестая часть круга между {i_ins} и {k_ins} открывает возможности: "
        "{wi_nom} и {wk_nom} могут действовать заодно.",
    ],
    "90": [
        "{I_nom} и {k_nom} стоят под прямым углом: {wi_nom} и {wk_nom} "
        "сталкиваются.",
        "Между {i_ins} и {k_ins} напряжение: {wi_nom} и {wk_nom} тянут в "
        "разные стороны.",
        "{I_nom} спорит {k_s_ins}: {wi_acc} трудно примирить {wk_s_ins}.",
        "Острый угол между {i_ins} и {k_ins} сталкивает {wi_acc} и "
        "{wk_acc}.",
        "{I_nom} и {k_nom} в напряжённом аспекте: {wi_nom} и {wk_nom} не "
        "дают друг другу покоя.",
        "Прямой угол между {i_ins} и {k_ins} ставит {wi_acc} и {wk_acc} в "
        "положение соперников.",
    ],
    "120": [
        "{I_nom} и {k_nom} в гармонии: {wi_nom} и {wk_nom} поддерживают "
        "друг друга без усилий.",
        "Между {i_ins} и {k_ins} лёгкая связь, и {wi_acc} нетрудно "
        "соединить {wk_s_ins}.",
        "{I_nom} и {k_nom} звучат согласно: {wi_nom} и {wk_nom} живут в "
        "ладу.",
        "Плавный аспект соединяет {i_acc} и {k_acc}: {wi_nom} и {wk_nom} "
        "не спорят, а дополняют друг друга.",
        "{I_nom} помогает {k_dat}, а {k_nom} — {i_dat}: {wi_nom} и "
        "{wk_nom} текут одним руслом.",
        "Треть круга между {i_ins} и {k_ins} — знак согласия: {wi_nom} и "
        "{wk_nom} легко уживаются.",
    ],
    "180": [
        "{I_nom} и {k_nom} стоят друг против друга: {wi_nom} и {wk_nom} "
        "смотрят в разные стороны.",
        "{I_nom} противостоит {k_dat}, и человек мечется между {wi_ins} и "
        "{wk_ins}.",
        "На одной чаше весов {wi_nom}, на другой — {wk_nom}: {i_nom} и "
        "{k_nom} в противостоянии.",
        "Противостояние {i_gen} и {k_gen} ставит друг против друга {wi_acc} "
        "и {wk_acc}.",
        "{I_nom} и {k_nom} — два полюса: {wi_nom} и {wk_nom} требуют своего "
        "по очереди.",
        "Через весь круг {i_nom} смотрит на {k_acc}: {wi_acc} и {wk_acc} "
        "приходится уравновешивать.",
    ],
}

# What one point brings to the other; "a" is the point that acts (the
# heavier one, ITEM_WEIGHT), "b" the one that receives.
INTERPLAY = dict(
    conj=[
        "{A_nom} придаёт {wb_dat} {a_lend}, но может принести также "
        "{a_press}.",
        "{A_nom} усиливает {wb_acc}, принося {a_lend}, а в крайностях — "
        "{a_press}.",
        "{A_nom} приносит {a_lend}, {b_nom} — {b_lend}, и всё это звучит "
        "одновременно.",
    ],
    soft=[
        "{A_nom} приносит {wb_v_acc} {a_lend}, а {b_nom} дарит {wa_dat} "
        "{b_lend}.",
        "{A_nom} придаёт {wb_dat} {a_lend}.",
        "{A_nom} даёт {wb_dat} {a_lend}, и этот запас служит долго.",
        "{A_nom} поддерживает {wb_acc}, принося {a_lend}.",
    ],
    hard=[
        "{A_nom} вносит {wb_v_acc} {a_press}, а {b_nom} отвечает, принося "
        "{wa_dat} {b_press}.",
        "{A_nom} приносит {wb_dat} {a_press}.",
        "{A_nom} давит на {wb_acc}, принося {a_press}.",
        "{A_nom} испытывает {wb_acc} на прочность, принося {a_press}.",
    ],
)

CHARACTER = {
    " 0": [
        "Слияние даёт сосредоточенность, но мешает взглянуть на себя со "
        "стороны.",
        "Обе силы усиливают друг друга и проявляются ярко, порой без меры.",
        "Такое соединение работает как единый мотор, и разделить эти темы "
        "невозможно.",
        "Эта связь заметна в характере с юности и с годами только крепнет.",
        "Многое зависит от того, какая из двух сил возьмёт верх в нужный "
        "момент.",
        "Соединение собирает энергию в одной точке карты, и эта точка "
        "становится заметной.",
    ],
    "60": [
        "Секстиль даёт возможность, а не готовый результат: её нужно "
        "заметить и использовать.",
        "Лучше всего этот аспект работает через учёбу, общение и "
        "совместные дела.",
        "Небольшое усилие приносит заметный результат.",
        "Возможности приходят сами, но остаются только у того, кто за них "
        "берётся.",
        "Это мягкий аспект: он не давит, а подсказывает.",
        "Помогают новые знакомства и умение договариваться.",
    ],
    "90": [
        "Напряжение не даёт покоя, но именно оно становится двигателем "
        "роста.",
        "Противоречие приходится решать снова и снова, пока не найдётся "
        "зрелый путь.",
        "Квадрат требует действий: отсиживаться и ждать бесполезно.",
        "Трудности этого аспекта закаляют и со временем превращаются в "
        "мастерство.",
        "Кризисы повторяются, пока человек не поймёт, чему они учат.",
        "Чем честнее признан конфликт, тем легче найти ему применение.",
    ],
    "120": [
        "Всё, что связано с этими темами, даётся легко и естественно.",
        "Гармония настолько привычна, что её легко не ценить.",
        "Этот аспект приносит удачу, но не заставляет работать, поэтому "
        "многое зависит от усилий самого человека.",
        "Трин — готовый ресурс, к которому можно обращаться в трудные "
        "времена.",
        "Лёгкость этого аспекта лучше всего раскрывается, когда перед "
        "человеком стоит настоящая задача.",
        "Согласие этих сторон приносит спокойствие и уверенность.",
    ],
    "180": [
        "Часто одна из сторон проявляется через других людей, и партнёр "
        "словно отражает вторую половину.",
        "Задача этого аспекта — не выбирать что-то одно, а найти золотую "
        "середину.",
        "Человека бросает от одного полюса к другому, пока не найдётся "
        "равновесие.",
        "Противостояние особенно заметно в отношениях и спорах.",
        "Оппозиция учит видеть себя со стороны и слышать другого.",
        "Зрелость приходит, когда обе стороны признаны своими.",
    ],
}

COUNSEL_FRAMES = [
    "Полезно {c}.",
    "Стоит {c}.",
    "Важно {c}.",
    "Главный совет — {c}.",
    "Помогает умение {c}.",
    "Выручает привычка {c}.",
]

# The points with their own sentences in the aspects, by the other point x;
# {P_nom}, {p_ins}, {p_dat} name the point itself. The conjunction has
# wordings of its own for each point, the other aspects share the
# opening and differ in what follows.
SPECIAL_CONJ = dict(
    lilith=["{X_nom} стоит рядом с Лилит: {wx_nom} и тень неразделимы.",
            "Лилит соединяется {x_s_ins}, и тень ложится прямо на "
            "{x_sph_acc}."],
    selena=["{X_nom} стоит рядом с Селеной: {x_sph_nom} и светлый путь "
            "идут рука об руку.",
            "Селена соединяется {x_s_ins} и берёт под защиту {x_sph_acc}."],
    rahu=["Раху рядом с {x_ins}: в вопросах {x_sph_gen} лежит главное "
          "задание роста.",
          "{X_nom} стоит на северном узле, и {x_sph_nom} становятся частью "
          "пути развития."],
    ketu=["Кету рядом с {x_ins}: в вопросах {x_sph_gen} всё знакомо и "
          "легко, но это опыт прошлого, а не задача на будущее.",
          "{X_nom} стоит на южном узле, и {x_sph_nom} несут печать "
          "прошлого опыта."],
    chiron=["Хирон рядом с {x_ins}: в вопросах {x_sph_gen} живёт старая "
            "рана, и отсюда же приходит умение помогать другим.",
            "{X_nom} соединяется с Хироном, и {x_sph_nom} становятся "
            "чувствительным местом."],
)
SPECIAL_OPEN = {
    "60": ["{X_nom} и {P_nom} связаны мягким аспектом.",
           "Между {x_ins} и {p_ins} мягкая, дружеская связь."],
    "120": ["{X_nom} и {P_nom} в гармоничном аспекте.",
            "Между {x_ins} и {p_ins} лёгкая, плавная связь."],
    "90": ["{X_nom} и {P_nom} в напряжённом аспекте.",
           "Между {x_ins} и {p_ins} острый угол."],
    "180": ["{X_nom} и {P_nom} стоят друг против друга.",
            "{X_nom} противостоит {p_dat}."],
}
SPECIAL_MIDDLE = dict(
    lilith=dict(
        conj=["{Tempt} входит в характер так глубоко, что его трудно "
              "заметить.",
              "В вопросах {x_sph_gen} живёт {tempt}, и распознать его в "
              "себе — первая задача."],
        soft=["Мягкий аспект не превращает тень в дар: {tempt} знаком и "
              "здесь, но распознаётся вовремя.",
              "Это более лёгкий путь через испытание: {tempt} не застаёт "
              "врасплох, и на него проще ответить честным выбором."],
        hard=["Напряжённый аспект обостряет испытание: {tempt} приходит "
              "через провокации и кризисы.",
              "Здесь {tempt} особенно силён, и проходить испытание "
              "приходится сознательно, раз за разом."]),
    selena=dict(
        conj=["В вопросах {x_sph_gen} помощь приходит, пока человек "
              "действует честно.",
              "Поддержку легко найти, если не изменять себе."],
        soft=["В вопросах {x_sph_gen} человек под защитой Белой Луны, и "
              "помощь приходит вовремя.",
              "Светлый путь открыт, и в вопросах {x_sph_gen} верные "
              "помощники находятся сами."],
        hard=["Защита есть, но её приходится выбирать: светлый путь в "
              "вопросах {x_sph_gen} требует отказаться от сиюминутной "
              "выгоды.",
              "За свет приходится бороться: соблазн срезать путь силён, и "
              "именно отказ от него открывает помощь."]),
    rahu=dict(
        conj=["Развиваясь в этой теме, человек движется к своему "
              "назначению.",
              "Это неуютная, но верная дорога вперёд."],
        soft=["{X_nom} помогает двигаться по пути развития, принося "
              "{x_lend}.",
              "Путь роста облегчён: {x_nom} даёт для него {x_lend}."],
        hard=["{X_nom} спорит с путём развития, и старые реакции в "
              "вопросах {x_sph_gen} уводят в сторону.",
              "Привычки, связанные с {x_ins}, мешают идти вперёд, и выбор "
              "пути приходится делать сознательно."]),
    ketu=dict(
        conj=["Опираться на этот опыт можно, но строить на нём будущее не "
              "стоит.",
              "Многое получается само собой, и в этом же ловушка."],
        soft=["Опыт прошлого поддерживает {x_acc}: на старые умения можно "
              "спокойно опереться.",
              "{X_nom} умело пользуется прошлым опытом, и это даёт "
              "{x_lend}."],
        hard=["Старые привычки в вопросах {x_sph_gen} тянут назад.",
              "В вопросах {x_sph_gen} прошлое держит крепко, и отпускать "
              "отжившее приходится с усилием."]),
    chiron=dict(
        conj=["Пройдя через эту боль, человек учится понимать других.",
              "Рана одновременно и наставник: она учит бережности к себе и "
              "к людям."],
        soft=["{X_nom} помогает исцелить рану Хирона, принося {x_lend}.",
              "Исцеление идёт мягко, и {x_nom} даёт для него {x_lend}."],
        hard=["{X_nom} задевает рану Хирона: в вопросах {x_sph_gen} "
              "человек особенно раним.",
              "Старая боль отзывается в вопросах {x_sph_gen}, и её не стоит "
              "прятать."]),
)
SPECIAL_CHARACTER = dict(
    lilith=["Испытание проходится через трезвый взгляд на себя в вопросах "
            "{x_sph_gen}.",
            "Пройти это испытание помогает ясное понимание собственных "
            "желаний.",
            "Чем раньше человек замечает эту тень, тем меньше она им "
            "управляет."],
    selena=["Селена не решает за человека, но освещает дорогу.",
            "Это знак светлого пути, по которому важно идти "
            "сознательно.",
            "Чем чище намерения, тем сильнее эта защита."],
    rahu=["Северный узел показывает, куда расти, а не где легко.",
          "Путь развития требует смелости выйти за привычные рамки.",
          "Каждый шаг в эту сторону приближает человека к себе "
          "настоящему."],
    ketu=["Южный узел хранит то, что уже пройдено.",
          "Прошлое — ресурс, но не цель.",
          "Главное — не путать лёгкость с предназначением."],
    chiron=["Из этой раны со временем вырастает умение помогать другим.",
            "Исцеление приходит, когда человек перестаёт прятать свою "
            "уязвимость.",
            "Опыт боли превращается в мудрость."],
)

NODE_AXIS = {
    " 0": "Лунные узлы всегда стоят друг против друга, поэтому соединения "
          "между ними не бывает. Ось Раху и Кету читается как одно целое: "
          "прошлый опыт на одном конце и путь развития на другом.",
    "60": "Лунные узлы всегда противостоят друг другу, и секстиля между "
          "ними не бывает. Их ось связывает привычки прошлого с задачами "
          "роста.",
    "90": "Раху и Кету всегда стоят на одной оси, и квадрата между ними не "
          "бывает. Напряжение этой оси — между привычным и новым.",
    "120": "Лунные узлы не образуют трина: они всегда противостоят друг "
           "другу. Гармонию этой оси человек создаёт сам, соединяя опыт "
           "прошлого с движением вперёд.",
    "180": "Раху и Кету, северный и южный лунные узлы, всегда стоят друг "
           "против друга: это ось судьбы. Кету хранит опыт прошлого и "
           "готовые умения, Раху указывает, куда расти. Чем смелее человек "
           "движется к Раху, тем спокойнее пользуется дарами Кету.",
}
MOONS_PAIR = {
    " 0": "Селена и Лилит стоят рядом: свет и тень одной темы сходятся в "
          "одной точке. Выбор между светлым путём и искушением делается "
          "каждый день, и от него многое зависит. Полезно честно видеть "
          "обе стороны.",
    "60": "Селена и Лилит в мягком аспекте: светлый путь помогает "
          "распознать искушение вовремя. Испытания проходятся легче, если "
          "держаться своих ценностей.",
    "90": "Селена и Лилит в напряжённом аспекте: свет и тень спорят, и "
          "человек оказывается перед выбором снова и снова. Сознательный "
          "выбор светлого пути превращает этот спор в силу.",
    "120": "Селена и Лилит в гармоничном аспекте: это не дар тени, а "
           "более лёгкий путь через испытания, потому что светлая сторона "
           "подсказывает верный выбор. Стоит доверять этому внутреннему "
           "голосу.",
    "180": "Селена и Лилит стоят друг против друга: свет и тень тянут в "
           "разные стороны. Человек узнаёт себя через этот выбор, и "
           "зрелость приходит, когда тень видна, но не управляет.",
}
GEN_OPEN = dict(
    conj=["{I_nom} и {k_nom} сходятся в одной точке на долгие годы.",
          "Соединение {i_gen} и {k_gen} длится годами."],
    soft=["{I_nom} и {k_nom} долго держат гармоничный аспект.",
          "Гармоничный аспект {i_gen} и {k_gen} длится годами."],
    hard=["{I_nom} и {k_nom} долго стоят в напряжённом аспекте.",
          "Напряжённый аспект {i_gen} и {k_gen} длится годами."],
)
GEN_THEME = [
    "Такой аспект объединяет целое поколение, тема которого — {theme}.",
    "Это общая черта ровесников: {theme}.",
]
GEN_CLASS = dict(
    conj="Эти силы действуют заодно и задают тон эпохе.",
    soft="Перемены идут созидательно и без надрыва.",
    hard="Перемены идут через напряжение и конфликты эпохи.",
)
GEN_PERSONAL = [
    "Лично этот аспект звучит сильнее, если к нему подключаются Солнце, "
    "Луна или Асцендент.",
    "Для самого человека такой аспект важен тогда, когда задевает личные "
    "планеты или углы карты.",
]


def special_role(i, k):
    """The point with a theme of its own in the pair, and the other one."""
    for kind in ("lilith", "selena", "rahu", "ketu", "chiron"):
        if ITEM_KIND[i] == kind:
            return kind, k
        if ITEM_KIND[k] == kind:
            return kind, i
    return None, None


def aspect_heading(i, k, a):
    """The aspect named in words beside its key: "&Солнце 0 Меркурий —
    соединение", the nodes, the Ascendant and the MC with their names."""
    names = []
    for x in (i, k):
        it = ITEMS[x]
        names.append(it["akey"] + (" (%s)" % it["nom"]
                                   if it["akey"] != it["nom"] else ""))
    asp = ASPECTS[a]
    return "&%s %s %s — %s" % (names[0], asp["code"].strip(), names[1],
                               asp["word"])


class AspectVoice:
    """The tables of one aspect file, adult or child: the item tables
    (words, lend, press, counsel, spheres), the sentence tables (openers,
    interplay, character, frames of advice), the texts of the node axis and
    of the two Moons, the sentences after the theme of a generation aspect,
    and `special(voice, role, x, point, code, cls, a, f)`, the sentences of
    an aspect to a point with a theme of its own."""
    def __init__(self, salt, **tables):
        self.salt = salt
        self.__dict__.update(tables)


def aspect_fields(voice, i, k, salt):
    """The fields of an ordinary aspect: the names of both points ("i",
    "k"), one short word for each ("wi", "wk"), and the same again as the
    acting point "a" and the receiving point "b". What the acting point
    brings never repeats the words of the sentence it goes into."""
    a, b = (i, k) if ITEM_WEIGHT[i] >= ITEM_WEIGHT[k] else (k, i)
    f = {}
    words = {i: turn(voice.words[i], k, salt, "w", i),
             k: turn(voice.words[k], i, salt, "w", k)}
    for prefix, x in (("i", i), ("k", k), ("a", a), ("b", b)):
        f.update(item_fields(prefix, x))
        f.update(word_fields("w" + prefix, words[x]))
    said = " ".join(w["nom"] for w in words.values())
    for prefix, x, y in (("a", a, b), ("b", b, a)):
        f[prefix + "_lend"] = turn_fresh(voice.lend[x], y, said, salt, "l", x)
        f[prefix + "_press"] = turn_fresh(voice.press[x], y, said, salt,
                                          "p", x)
        # the second point's gifts do not repeat the first point's
        said += " " + f[prefix + "_lend"] + " " + f[prefix + "_press"]
    return f


def counsel_sentence(voice, x, partner, cls, frames, *salt, avoid=""):
    """A word of advice from the counsel of item x, turned by the partner
    so that the aspects of one point do not repeat one piece of advice,
    and not repeating a notion of `avoid` (the sentences before it)."""
    pool = voice.counsel[x]["hard" if cls == "hard" else "soft"]
    c = turn_fresh(pool, partner, avoid, "counsel", x, cls)
    frame = turn_fresh(frames, partner + x, c, "cf", *salt)
    return fill(frame, dict(c=c))


def special_fields(voice, x, other, salt):
    f = item_fields("x", x)
    f.update(item_fields("p", other))
    f.update(X_nom=ITEMS[x]["nom"])
    f.update(word_fields("wx", turn(voice.words[x], other, salt, "wx", x)))
    f.update(x_lend=turn(voice.lend[x], other, salt, "lx", x),
             x_sph_nom=voice.spheres[x][0], x_sph_gen=voice.spheres[x][1],
             x_sph_acc=voice.spheres[x][2])
    tempt = ITEM_TEMPTATION[x] or "соблазн"
    f.update(tempt=tempt, Tempt=cap(tempt))
    return f


def fixed_pair(i, k, code, node_axis, moons_pair):
    """The text of the two pairs that are read as one axis, or None."""
    kinds = {ITEM_KIND[i], ITEM_KIND[k]}
    if kinds == {"rahu", "ketu"}:
        return node_axis[code]
    if kinds == {"selena", "lilith"}:
        return moons_pair[code]
    return None


def adult_special(voice, role, x, point, code, cls, a, f):
    """An aspect to Lilith, Selena, a node or Chiron: its opening, what it
    means in the other point's sphere, its character, and the point's own
    advice (a trine to Lilith asks for vigilance, not for more of the other
    point's gifts)."""
    salt = voice.salt
    opening = SPECIAL_CONJ[role] if cls == "conj" else SPECIAL_OPEN[code]
    first = fill(turn(opening, a, salt, "so", x), f)
    middle = fill(turn_fresh(SPECIAL_MIDDLE[role][cls], a + x,
                             first + f["x_sph_nom"] * (cls == "conj"),
                             salt, "sm"), f)
    said = first + " " + middle
    character = fill(turn_fresh(SPECIAL_CHARACTER[role], x + a, said,
                                salt, "sc", role), f)
    return [first, middle, character,
            counsel_sentence(voice, point, x, cls, voice.frames, salt, a,
                             avoid=said + " " + character)]


ADULT_VOICE = AspectVoice(
    "as", words=ITEM_WORDS, lend=ITEM_LEND, press=ITEM_PRESS,
    counsel=ITEM_COUNSEL, spheres=ITEM_SPHERE, openers=OPENERS,
    interplay=INTERPLAY, character=CHARACTER, frames=COUNSEL_FRAMES,
    node_axis=NODE_AXIS, moons_pair=MOONS_PAIR,
    generation_tail=lambda cls, a, i: [
        GEN_CLASS[cls], turn(GEN_PERSONAL, a + i, "as", "gp")],
    special=adult_special)


def aspect_entry(voice, i, k, a):
    code, cls = ASPECTS[a]["code"], ASPECTS[a]["cls"]
    salt = voice.salt
    heading = aspect_heading(i, k, a)
    text = fixed_pair(i, k, code, voice.node_axis, voice.moons_pair)
    if text:
        return heading, text
    theme = GENERATION_PAIRS.get((i, k))
    if theme:
        f = item_fields("i", i)
        f.update(item_fields("k", k), theme=theme)
        parts = [turn(GEN_OPEN[cls], a, salt, "go", i, k),
                 turn(GEN_THEME, a, salt, "gt", i, k)]
        parts += voice.generation_tail(cls, a, i)
        return heading, sentences([fill(p, f) for p in parts])
    role, x = special_role(i, k)
    if role:
        point = k if x == i else i
        f = special_fields(voice, x, point, salt)
        parts = voice.special(voice, role, x, point, code, cls, a, f)
        return heading, sentences([fill(p, f) for p in parts])
    f = aspect_fields(voice, i, k, salt)
    giver = i if digest(salt, "who", i, k, a) % 2 else k
    parts = [turn(voice.openers[code], i + 2 * k, salt, "open", code),
             turn(voice.interplay[cls], i + k, salt, "play", code),
             turn(voice.character[code], i * 3 + k, salt, "char", code),
             counsel_sentence(voice, giver, i + k - giver, cls, voice.frames,
                              salt, a)]
    return heading, sentences([fill(p, f) for p in parts])


def aspec_entry(i, k, a):
    return aspect_entry(ADULT_VOICE, i, k, a)


# ---------------------------------------------------------------------------
# The child's files: about the child, addressed to the parents. No sentence
# calls the child "он" or "она": the files are not keyed by sex.
# ---------------------------------------------------------------------------
KZ_TRAIT = [
    "В характере заметны {temper}.",
    "Главные черты темперамента — {temper}.",
    "{Play}",
    "{Learn}",
]
KZ_TIP = [
    "Кроме того, полезно {tip}.",
    "Особенно важно {tip}.",
    "Взрослым стоит также {tip}.",
    "Ещё один совет — {tip}.",
]
KZ_GEN_NOTE = [
    "Это черта всего поколения сверстников, а лично о ребёнке больше "
    "скажут аспекты {i_gen} к Солнцу, Луне и Асценденту.",
    "Такое положение разделяют многие ровесники, а личный смысл "
    "придают аспекты к Солнцу, Луне и Асценденту.",
    "С этой чертой растут все дети этих лет, и в характере конкретного "
    "ребёнка эта тема звучит через аспекты {i_gen}.",
]
KZ_OWN = dict(
    chiron=["Хирон {s_vprep} показывает, где ребёнок особенно раним: "
            "больно, когда {tender}.",
            "Со временем именно здесь появится умение утешать других."],
    rahu=["Раху {s_vprep} подсказывает, чему ребёнку важно учиться, даже "
          "если поначалу трудно: {wants}.",
          "Каждый маленький шаг в эту сторону стоит замечать и хвалить."],
    ketu=["Кету {s_vprep} говорит о том, что ребёнку даётся будто само "
          "собой: {temper}.",
          "На это можно опираться, но расти предстоит в другом "
          "направлении."],
    selena=["Селена {s_vprep} показывает светлые стороны ребёнка: {q}.",
            "Там, где ребёнок поступает по-доброму, помощь приходит "
            "легко."],
    lilith=["Лилит {s_vprep} показывает, где ребёнок проверяет запреты на "
            "прочность: здесь проступают {sh}.",
            "Лучше всего помогают спокойные, твёрдые границы без крика."],
    angle=["Середина Неба {s_vprep} говорит о первых мечтах о будущем: "
           "ребёнок может мечтать стать {dream}.",
           "Полезно поддерживать то, к чему тянет, не выбирая за ребёнка."],
)


def kinder_plzn_entry(i, s):
    it, sg, sv = ITEMS[i], SIGNS[s], SIGN_VOICE[s]
    kind = ITEM_KIND[i]
    f = item_fields("i", i)
    f.update(s_vprep=sg["vprep"],
             temper=listing(take(sv["ch_temper"], 3, i, "kz-t", s)),
             Play=turn(sv["ch_play"], i, "kz-p", s),
             Learn=turn(sv["ch_learn"], i, "kz-l", s),
             tip=it["ch_tip"],
             q=listing(take(sv["qual"], 3, i, "kz-q", s)),
             sh=listing(take(sv["shadow"], 3, i, "kz-sh", s)),
             wants=aims(SIGN_VOICE[s]["want"], i, "kz-w", s),
             tender=sv["ch_tender"], dream=sv["ch_dream"])
    support = turn(sv["ch_support"], i, "kz-su", s)
    # The points read by their own theme close with a word of their own
    # rather than with the sign's advice, which the other items of the
    # sign take.
    said = " ".join(KZ_OWN.get(kind, []))
    own = fill(turn(PARENT_FRAMES, i, "kz-own"),
               dict(c=turn_fresh(CHILD_COUNSEL[i]["soft"], s, said, "kz-own",
                                 i)))
    if i in CHILD_SIGN_CORE:
        parts = [CHILD_SIGN_CORE[i][s], turn(KZ_TRAIT, i, "kz-tr", s),
                 support, turn(KZ_TIP, i, "kz-tip")]
    elif kind == "generation":
        parts = [SIGN_CORE[i][s], turn(KZ_GEN_NOTE, i, "kz-gn")]
    else:
        parts = KZ_OWN[kind] + [own]
    heading = "&%s%s %s" % (it["key"], it["label"], sg["vprep"])
    return heading, sentences([fill(p, f) for p in parts])


KA_OPEN = [
    "Когда {h_ord_nom} дом начинается {s_vprep}, в вопросах {csph} у "
    "ребёнка проявляются {temper}.",
    "{H_ord_nom} дом открывается {s_vprep}: в вопросах {csph} ребёнок "
    "ведёт себя {adv}.",
    "Куспид {h_ord_gen} дома лежит {s_vprep}, и в вопросах {csph} заметны "
    "черты {s_gen}.",
    "{S_nom} на куспиде {h_ord_gen} дома: в вопросах {csph} у ребёнка "
    "видны {temper}.",
]


def kinder_asc_entry(h, s):
    hs, sv = HOUSES[h], SIGN_VOICE[s]
    f = dict(ord_fields(h), **sign_fields(s, h, "ka"))
    f.update(csph=turn(HOUSE_VOICE[h]["ch_spheres"], s, "ka-sph", h)[1],
             temper=listing(take(sv["ch_temper"], 2, h, "ka-t", s)))
    desc = turn([hs["ch_desc"], HOUSE_VOICE[h]["ch_desc2"]], s, "ka-d", h)
    activity = turn(sv["ch_play"] + sv["ch_learn"], h, "ka-act", s)
    parts = [turn(KA_OPEN, h, "ka-open", s), desc, activity,
             turn(sv["ch_support"], h, "ka-su", s)]
    heading = "&%d дом %s" % (h + 1, SIGNS[s]["vprep"])
    return heading, sentences([fill(p, f) for p in parts])



KINDER_OPENERS = {
    " 0": [
        "{I_nom} и {k_nom} стоят рядом: у ребёнка {wi_nom} и {wk_nom} "
        "сливаются в одно.",
        "{I_nom} соединяется {k_s_ins}, и {wi_acc} у ребёнка не отделить "
        "от {wk_gen}.",
        "Союз {i_gen} и {k_gen} соединяет у ребёнка {wi_acc} и {wk_acc}.",
        "Рядом с {i_ins} стоит {k_nom}: где у ребёнка {wi_nom}, там и "
        "{wk_nom}.",
    ],
    "60": [
        "{I_nom} и {k_nom} в дружеском аспекте: {wi_nom} и {wk_nom} "
        "помогают ребёнку.",
        "Между {i_ins} и {k_ins} мягкая связь, и у ребёнка {wi_nom} с "
        "{wk_ins} легко уживаются.",
        "{I_nom} протягивает руку {k_dat}: {wi_acc} и {wk_acc} ребёнку "
        "легко соединить в игре.",
        "Аспект возможностей связывает {i_acc} и {k_acc}, а с ними {wi_acc} "
        "и {wk_acc}.",
    ],
    "90": [
        "{I_nom} и {k_nom} стоят под прямым углом: у ребёнка {wi_nom} и "
        "{wk_nom} спорят друг с другом.",
        "Между {i_ins} и {k_ins} напряжение: {wi_nom} и {wk_nom} тянут "
        "ребёнка в разные стороны.",
        "{I_nom} спорит {k_s_ins}, и ребёнку непросто примирить {wi_acc} "
        "{wk_s_ins}.",
        "Острый угол между {i_ins} и {k_ins} сталкивает {wi_acc} и "
        "{wk_acc}.",
    ],
    "120": [
        "{I_nom} и {k_nom} в гармонии: у ребёнка {wi_nom} и {wk_nom} "
        "дополняют друг друга.",
        "Между {i_ins} и {k_ins} лёгкая связь, и {wi_acc} ребёнку нетрудно "
        "соединить {wk_s_ins}.",
        "{I_nom} помогает {k_dat}: {wi_nom} и {wk_nom} уживаются у ребёнка "
        "легко.",
        "Плавный аспект соединяет {i_acc} и {k_acc}: {wi_nom} и {wk_nom} "
        "живут в ладу.",
    ],
    "180": [
        "{I_nom} и {k_nom} стоят друг против друга: {wi_nom} и {wk_nom} "
        "тянут ребёнка к разным полюсам.",
        "{I_nom} противостоит {k_dat}, и ребёнок мечется между {wi_ins} и "
        "{wk_ins}.",
        "На одной чаше весов {wi_nom}, на другой — {wk_nom}: {i_nom} и "
        "{k_nom} в противостоянии.",
        "Противостояние {i_gen} и {k_gen} ставит друг против друга {wi_acc} "
        "и {wk_acc}.",
    ],
}
KINDER_INTERPLAY = dict(
    conj=[
        "{A_nom} придаёт {wb_dat} {a_lend}, а порой и {a_press}.",
        "{A_nom} усиливает {wb_acc}, принося {a_lend}, но иногда и "
        "{a_press}.",
    ],
    soft=[
        "{A_nom} приносит {wb_v_acc} {a_lend}, а {b_nom} — {b_lend}.",
        "{A_nom} придаёт {wb_dat} {a_lend}.",
        "{A_nom} даёт {wb_dat} {a_lend}.",
    ],
    hard=[
        "{A_nom} вносит {wb_v_acc} {a_press}, а {b_nom} — {b_press}.",
        "{A_nom} приносит {wb_dat} {a_press}.",
        "{A_nom} порой приносит {wb_dat} {a_press}.",
    ],
)
KINDER_CHARACTER = {
    " 0": ["Эти черты проявляются вместе и очень заметно, иногда "
           "чересчур.",
           "Одно у ребёнка никогда не обходится без другого.",
           "Такое сочетание видно с самого раннего возраста.",
           "Эта связка становится одной из главных черт характера."],
    "60": ["Это хорошая возможность, которая раскрывается при поддержке "
           "взрослых.",
           "Такие черты лучше всего развиваются в игре и совместных "
           "занятиях.",
           "Небольшое усилие здесь даёт быстрый результат.",
           "Задатки есть, и интересное дело легко их разбудит."],
    "90": ["Отсюда бывают вспышки упрямства, но это и источник роста.",
           "Ребёнку нужно время, чтобы научиться примирять эти стороны "
           "натуры.",
           "Внутреннее напряжение иногда выплёскивается в слёзы или "
           "шалости.",
           "С возрастом это противоречие становится источником силы."],
    "120": ["Здесь многое даётся легко и естественно.",
            "Это природная способность, которую легко заметить и важно "
            "развивать.",
            "Такая черта приносит ребёнку уверенность и радость.",
            "Эта лёгкость особенно заметна в игре и дружбе."],
    "180": ["Ребёнок может вести себя то так, то иначе, пока не научится "
            "находить середину.",
            "Часто одна из сторон проявляется через отношения с другими "
            "детьми.",
            "Поведение меняется в зависимости от того, кто рядом.",
            "Равновесие приходит с возрастом и с поддержкой близких."],
}
PARENT_FRAMES = [
    "Родителям стоит {c}.",
    "Взрослым полезно {c}.",
    "Близким важно {c}.",
    "Семье стоит {c}.",
    "Совет родителям — {c}.",
]
KINDER_SPECIAL = dict(
    lilith=dict(
        conj="Лилит рядом с {x_ins}: в вопросах {x_sph_gen} ребёнок особенно "
             "охотно проверяет запреты на прочность.",
        soft="Лилит в мягком аспекте к {x_dat}: капризы в вопросах "
             "{x_sph_gen} бывают, но ребёнок быстрее понимает, где "
             "остановиться.",
        hard="Лилит в напряжённом аспекте к {x_dat}: в вопросах {x_sph_gen} "
             "бывают капризы и провокации, и взрослым нужна спокойная "
             "твёрдость."),
    selena=dict(
        conj="Селена рядом с {x_ins}: в вопросах {x_sph_gen} ребёнка "
             "освещает доброта, и помощь приходит вовремя.",
        soft="Селена в мягком аспекте к {x_dat}: в вопросах {x_sph_gen} "
             "ребёнка словно кто-то бережёт.",
        hard="Селена в напряжённом аспекте к {x_dat}: доброе решение в "
             "вопросах {x_sph_gen} ребёнку приходится выбирать сознательно."),
    rahu=dict(
        conj="Раху рядом с {x_ins}: в вопросах {x_sph_gen} ребёнку предстоит "
             "многому учиться.",
        soft="Раху в мягком аспекте к {x_dat}: {x_nom} помогает ребёнку "
             "осваивать новое.",
        hard="Раху в напряжённом аспекте к {x_dat}: привычки в вопросах "
             "{x_sph_gen} мешают пробовать новое."),
    ketu=dict(
        conj="Кету рядом с {x_ins}: в вопросах {x_sph_gen} ребёнку всё "
             "даётся будто по памяти.",
        soft="Кету в мягком аспекте к {x_dat}: природные умения помогают "
             "ребёнку в вопросах {x_sph_gen}.",
        hard="Кету в напряжённом аспекте к {x_dat}: в вопросах {x_sph_gen} "
             "ребёнка тянет к привычному."),
    chiron=dict(
        conj="Хирон рядом с {x_ins}: в вопросах {x_sph_gen} ребёнок "
             "особенно раним.",
        soft="Хирон в мягком аспекте к {x_dat}: из ранимости в вопросах "
             "{x_sph_gen} вырастает умение утешать других.",
        hard="Хирон в напряжённом аспекте к {x_dat}: в вопросах {x_sph_gen} "
             "ребёнка легко задеть."),
)
# What the special points mean for a child whatever the aspect: a soft
# aspect to Lilith is still a test of limits, not a talent.
KINDER_SPECIAL_CHARACTER = dict(
    lilith=["Капризы здесь — не черта характера, а способ узнать, где "
            "проходят границы.",
            "Чем спокойнее взрослые держат границы, тем быстрее проходят "
            "капризы.",
            "Строгость действует хуже, чем ясное и спокойное «нельзя»."],
    selena=["Доброта здесь — природная опора ребёнка.",
            "Добрые поступки в этой теме возвращаются помощью.",
            "У ребёнка здесь словно есть невидимый защитник."],
    rahu=["Новое в этой теме даётся не сразу, но именно оно помогает "
          "расти.",
          "Первые шаги в непривычном особенно важны.",
          "Трудности нового здесь — часть пути, а не неудача."],
    ketu=["Знакомое даётся легко, но расти помогает новое.",
          "Привычное здесь — опора, а не предел.",
          "Лёгкость в знакомом не должна заменять интерес к новому."],
    chiron=["Бережность взрослых превращает эту ранимость в умение "
            "сочувствовать.",
            "Со временем из этой чувствительности вырастает умение "
            "утешать других.",
            "Здесь ребёнку особенно нужна поддержка, а не насмешка."],
)
KINDER_NODE_AXIS = {
    code: "Лунные узлы всегда стоят друг против друга: Кету показывает, "
          "что ребёнку даётся легко, а Раху — чему стоит учиться. "
          + ("Поддерживать стоит и то, и другое, но особенно — первые шаги "
             "в новом." if code == "180" else
             "Другого аспекта между ними не бывает.")
    for code in (" 0", "60", "90", "120", "180")}
KINDER_MOONS_PAIR = {
    code: "Селена и Лилит, светлая и тёмная Луна, "
          + {" 0": "стоят рядом: доброе и капризное в ребёнке уживаются "
                   "бок о бок.",
             "60": "в мягком аспекте: доброта помогает ребёнку вовремя "
                   "остановиться.",
             "90": "в напряжённом аспекте: ребёнок то добр и покладист, то "
                   "проверяет все запреты.",
             "120": "в гармонии: ребёнку легче выбирать доброе.",
             "180": "стоят друг против друга: ребёнку нужно время, чтобы "
                    "научиться выбирать доброе."}[code]
          + " Родителям стоит замечать хорошие поступки чаще, чем плохие."
    for code in (" 0", "60", "90", "120", "180")}


def child_special(voice, role, x, point, code, cls, a, f):
    """An aspect to Lilith, Selena, a node or Chiron in a child's chart:
    what it means in the other point's sphere, its character, and the
    point's own word to the parents."""
    return [KINDER_SPECIAL[role][cls],
            turn(KINDER_SPECIAL_CHARACTER[role], x + a, voice.salt, "sc"),
            counsel_sentence(voice, point, x, cls, voice.frames, voice.salt,
                             a, avoid=KINDER_SPECIAL[role][cls])]


CHILD_VOICE = AspectVoice(
    "ks", words=CHILD_WORDS, lend=CHILD_LEND, press=CHILD_PRESS,
    counsel=CHILD_COUNSEL, spheres=CHILD_SPHERE, openers=KINDER_OPENERS,
    interplay=KINDER_INTERPLAY, character=KINDER_CHARACTER,
    frames=PARENT_FRAMES, node_axis=KINDER_NODE_AXIS,
    moons_pair=KINDER_MOONS_PAIR,
    generation_tail=lambda cls, a, i: [
        "Для ребёнка это черта сверстников, а не личный портрет."],
    special=child_special)


def kinder_aspect_entry(i, k, a):
    return aspect_entry(CHILD_VOICE, i, k, a)


# ---------------------------------------------------------------------------
# Preface.
# ---------------------------------------------------------------------------
PREFACE = [
    "Перед вами описание натальной карты — гороскопа, построенного на "
    "момент и место рождения. Карта показывает, как в этот миг "
    "располагались Солнце, Луна, планеты и особые точки относительно "
    "знаков зодиака и домов гороскопа.",
    "Сначала говорится о планетах в знаках: знак показывает, в каком "
    "стиле проявляется то, за что отвечает планета. У медленных планет — "
    "Урана, Нептуна, Плутона — знак общий для целого поколения, поэтому о "
    "личном в них говорят дома и аспекты. Затем описаны планеты в домах: "
    "дом указывает сферу жизни, в которой эти силы действуют прежде "
    "всего.",
    "Далее идут дома в знаках зодиака: знак на куспиде дома окрашивает "
    "всю его сферу. Потом речь идёт о хозяевах домов — планетах, которые "
    "управляют знаком на куспиде: в каком знаке и в каком доме они стоят "
    "и как связывают разные области жизни между собой.",
    "Последний раздел посвящён аспектам, угловым соотношениям между "
    "планетами. Соединение говорит о слиянии сил, секстиль — о "
    "возможностях, квадрат — о напряжении, трин — о гармонии, оппозиция — "
    "о противостоянии и поиске равновесия.",
    "Особые точки карты читаются по-своему. Лунные узлы показывают путь "
    "развития (Раху) и привычки прошлого (Кету), Селена — светлый путь и "
    "защиту, Лилит — искушения и испытания, которые предстоит пройти, "
    "Хирон — старую рану и умение её исцелить.",
    "Отдельные утверждения могут противоречить друг другу: так "
    "проявляется многогранность характера. Описание говорит о склонностях "
    "и возможностях, а не о предопределённой судьбе. Как распорядиться "
    "ими, решает сам человек.",
]


def preface_lines():
    lines = []
    for n, par in enumerate(PREFACE):
        if n:
            lines.append("")
        lines += wrap(par)
    return lines


# ---------------------------------------------------------------------------
# Key tables of the radix composers, for the self-check.
# ---------------------------------------------------------------------------
ITEM_KEYS = [it["key"] for it in ITEMS]
ASPECT_ITEM_KEYS = [it["akey"] for it in ITEMS]
SIGN_KEYS = [sg["key"] for sg in SIGNS]
HOUSE_KEYS = [" %d " % (h + 1) for h in range(12)]
HOUSE_SIGN_KEYS = ["&%d " % (h + 1) for h in range(12)]
RULER_HOUSE_KEYS = [" %d: " % (h + 1) for h in range(12)]
ASPECT_CODES = [a["code"] for a in ASPECTS]

PAIRS = [(i, k) for i in range(17) for k in range(i + 1, 18)]


def combos_items_signs():
    return {(i, s): (ITEM_KEYS[i], SIGN_KEYS[s])
            for i in range(18) for s in range(12)}


def combos_items_houses():
    return {(i, h): (ITEM_KEYS[i], HOUSE_KEYS[h])
            for i in range(18) for h in range(12)}


def combos_houses_signs():
    return {(h, s): (HOUSE_SIGN_KEYS[h], SIGN_KEYS[s])
            for h in range(12) for s in range(12)}


def combos_rulers_signs():
    return {(h, s): (HOUSE_KEYS[h], SIGN_KEYS[s])
            for h in range(12) for s in range(12)}


def combos_rulers_houses():
    return {(h, n): ("&", HOUSE_KEYS[h], RULER_HOUSE_KEYS[n])
            for h in range(12) for n in range(12)}


def combos_aspects():
    """Both orders of every pair; the label is the unordered pair."""
    out = []
    for i, k in PAIRS:
        for a in range(5):
            for x, y in ((i, k), (k, i)):
                out.append(((i, k, a), (ASPECT_ITEM_KEYS[x], ASPECT_CODES[a],
                                        ASPECT_ITEM_KEYS[y])))
    return out


# ---------------------------------------------------------------------------
# Files.
# ---------------------------------------------------------------------------
class Library:
    def __init__(self, name, enciphered, entries, combos):
        self.name = name              # path under Dann
        self.enciphered = enciphered
        self.entries = entries        # list of (label, heading, body)
        self.combos = combos          # list of (label, keys)

    def plain_lines(self):
        lines = []
        for _label, heading, body in self.entries:
            lines.append(heading)
            lines += wrap(body)
            lines.append("")
        lines.append(CLOSING)
        return lines


def build_libraries():
    libs = []

    def entries(fn, labels):
        out = []
        for lab in labels:
            heading, body = fn(*lab)
            out.append((lab, heading, polish(body)))
        return out

    isg = [(i, s) for i in range(18) for s in range(12)]
    ihs = [(i, h) for i in range(18) for h in range(12)]
    hsg = [(h, s) for h in range(12) for s in range(12)]
    hhs = [(h, n) for h in range(12) for n in range(12)]
    asp = [(i, k, a) for i, k in PAIRS for a in range(5)]

    libs.append(Library("Radix/PLZODIAC.txt", True,
                        entries(plzodiac_entry, isg),
                        list(combos_items_signs().items())))
    libs.append(Library("Radix/PLDoma.txt", True,
                        entries(pldoma_entry, ihs),
                        list(combos_items_houses().items())))
    libs.append(Library("Radix/DomZod.txt", True,
                        entries(domzod_entry, hsg),
                        list(combos_houses_signs().items())))
    libs.append(Library("Radix/Hozzod.txt", True,
                        entries(hozzod_entry, hsg),
                        list(combos_rulers_signs().items())))
    libs.append(Library("Radix/HozDom.txt", True,
                        entries(hozdom_entry, hhs),
                        list(combos_rulers_houses().items())))
    libs.append(Library("Radix/aspec.txt", True,
                        entries(aspec_entry, asp), combos_aspects()))
    libs.append(Library("Radix/Kinder/KinderPlZn.txt", False,
                        entries(kinder_plzn_entry, isg),
                        list(combos_items_signs().items())))
    libs.append(Library("Radix/Kinder/KinderAsc.txt", False,
                        entries(kinder_asc_entry, hsg),
                        list(combos_houses_signs().items())))
    libs.append(Library("Radix/Kinder/KinderAspect.txt", False,
                        entries(kinder_aspect_entry, asp), combos_aspects()))
    return libs


class CheckError(Exception):
    pass


def fail(msg):
    raise CheckError(msg)


def encode_line(text, where):
    try:
        raw = text.encode(ENCODING)
    except UnicodeEncodeError as e:
        fail("%s: символ вне Windows-1251: %r" % (where, text[e.start]))
    for c in raw:
        if c < 32:
            fail("%s: управляющий символ в строке %r" % (where, text))
    return raw


def check_plain_lines(lib_name, lines, layout=True):
    for n, line in enumerate(lines, 1):
        where = "%s, строка %d" % (lib_name, n)
        if len(line) > MAX_LINE:
            fail("%s: длиннее %d символов: %r" % (where, MAX_LINE, line))
        if "\t" in line:
            fail("%s: табуляция" % where)
        if line != line.rstrip():
            fail("%s: пробел в конце строки" % where)
        encode_line(line, where)
        if layout and "&" in line and n < len(lines) and \
                not line.startswith("&"):
            fail("%s: заголовок не начинается с «&»: %r" % (where, line))


# Words that would call the child by a sex: the child files are not keyed by
# it ("он", "она" and their forms, which in these texts could only mean the
# child).
CHILD_PRONOUNS = {"он", "она", "его", "её", "ему", "ей", "него", "неё",
                  "нему", "ней", "им", "ним", "нём", "ею", "нею"}


def lint_library(lib):
    """The prose lint of every entry, and for the child files the check
    that no pronoun stands for the child."""
    faults = []
    for _label, heading, body in lib.entries:
        for fault in prose_check.lint_entry(heading, wrap(body)):
            faults.append("%s, «%s»: %s" % (lib.name, heading[1:], fault))
        if "Kinder/" in lib.name:
            words = set(prose_check.WORD.findall(body.lower()))
            for w in sorted(words & CHILD_PRONOUNS):
                faults.append("%s, «%s»: местоимение «%s» о ребёнке"
                              % (lib.name, heading[1:], w))
    if faults:
        fail("\n".join(faults[:30]) + (
            "\n… и ещё %d" % (len(faults) - 30) if len(faults) > 30 else ""))


def file_bytes(lib, cli):
    """The file as written: CR LF lines, enciphered by velora-cli when the
    library is. Every line is checked for Windows-1251 first, so the tool
    only ever gets codes of the cipher alphabet."""
    lines = lib.plain_lines()
    raws = [encode_line(line, "%s, строка %d" % (lib.name, n))
            for n, line in enumerate(lines, 1)]
    if lib.enciphered:
        return library_cipher.encipher_lines(lines, RADIX_KEY, cli, lib.name)
    return b"".join(raw + b"\r\n" for raw in raws)


def read_back(path, enciphered, cli=None):
    """Reads a library file as the program does: CR LF lines, deciphered
    (by velora-cli) when the file is enciphered."""
    data = path.read_bytes()
    if not data.endswith(b"\r\n"):
        fail("%s: файл не кончается CR LF" % path)
    raw_lines = data[:-2].split(b"\r\n")
    for n, raw in enumerate(raw_lines, 1):
        if b"\r" in raw or b"\n" in raw:
            fail("%s, строка %d: одиночный CR или LF" % (path, n))
    if not enciphered:
        return [raw.decode(ENCODING) for raw in raw_lines]
    lines = library_cipher.decipher_bytes(data, RADIX_KEY, cli, str(path))
    if len(lines) != len(raw_lines):
        fail("%s: после расшифровки %d строк вместо %d"
             % (path, len(lines), len(raw_lines)))
    for n, (raw, line) in enumerate(zip(raw_lines, lines), 1):
        plain = encode_line(line, "%s, строка %d после расшифровки" % (path, n))
        if len(plain) != len(raw):
            fail("%s, строка %d: шифр изменил длину строки" % (path, n))
    return lines


def check_library(lib, lines):
    """Brute-force check of the keys against the headings of a file."""
    name = lib.name
    check_plain_lines(name, lines)
    planned = lib.plain_lines()
    for n, (line, plan) in enumerate(zip(lines, planned), 1):
        if line != plan:
            fail("%s, строка %d: прочитано %r вместо %r%s"
                 % (name, n, line, plan,
                    " (шифр не обратим)" if lib.enciphered else ""))
    if len(lines) != len(planned):
        fail("%s: прочитано %d строк вместо %d"
             % (name, len(lines), len(planned)))
    if lines[-1] != CLOSING:
        fail("%s: нет закрывающей строки %s" % (name, CLOSING))
    # The last line is never tested as a heading.
    headings = [ln for ln in lines[:-1] if "&" in ln]
    written_for = {}
    for label, heading, body in lib.entries:
        if "&" in body:
            fail("%s: «&» в тексте статьи %r" % (name, heading))
        if heading in written_for:
            fail("%s: повторный заголовок %r" % (name, heading))
        written_for[heading] = label
    if sorted(headings) != sorted(written_for):
        fail("%s: заголовки файла не совпадают со статьями" % name)
    labels_by_heading = {h: set() for h in headings}
    for label, keys in lib.combos:
        hits = [h for h in headings if all(k in h for k in keys)]
        if len(hits) != 1:
            fail("%s: ключам %r отвечают %d заголовков: %r"
                 % (name, keys, len(hits), hits[:4]))
        labels_by_heading[hits[0]].add(label)
    for h, labels in labels_by_heading.items():
        if labels != {written_for[h]}:
            fail("%s: заголовок %r берут %r, а написан для %r"
                 % (name, h, sorted(labels), written_for[h]))
    return len(headings)


def select(lines, items):
    """The selection loop of the composers, for the sample printout."""
    out = []
    cur = 0
    while cur < len(lines) - 1:
        emitted = False
        if "&" in lines[cur]:
            for keys in items:
                if "&" in lines[cur] and all(k in lines[cur] for k in keys):
                    out.append(" " + lines[cur][1:])
                    cur += 1
                    while cur < len(lines) and "&" not in lines[cur]:
                        out.append(lines[cur])
                        cur += 1
                    emitted = True
                    if cur >= len(lines) - 1:
                        break
        if not emitted:
            cur += 1
    return out


# ---------------------------------------------------------------------------
# The repetition self-check: the program composes the natal texts from the
# folder just written, for the first chart and for random charts.
# ---------------------------------------------------------------------------
def charts(count, seed):
    rnd = random.Random(seed)
    out = [DEFAULT_CHART]
    for _ in range(count):
        day = rnd.randrange(0, 51134)  # 1900-01-01 .. 2039-12-31
        year, month, dom = civil_from_days(day)
        out.append(("%04d-%02d-%02d" % (year, month, dom),
                    "%02d:%02d" % (rnd.randrange(24), rnd.randrange(60)),
                    round(rnd.uniform(-60, 66), 2),
                    round(rnd.uniform(-180, 180), 2)))
    return out


def civil_from_days(n):
    """The Gregorian date n days after 1900-01-01."""
    d = datetime.date(1900, 1, 1) + datetime.timedelta(days=n)
    return d.year, d.month, d.day


def composed_text(cli, data_dir, kind, chart):
    date, time_, lat, lon = chart
    command = [str(cli), "interpret", "--kind", kind, "--date", date,
               "--time", time_, "--lat", str(lat), "--lon", str(lon),
               "--data", str(data_dir)]
    done = subprocess.run(command, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE)
    if done.returncode != 0:
        fail("velora-cli interpret %s %s: %s" % (
            kind, " ".join(str(c) for c in chart),
            done.stderr.decode("utf-8", "replace").strip()))
    return done.stdout.decode("utf-8")


def check_repetition(cli, data_dir, count, seed):
    """The repetition shares of the adult and the child natal texts; fails
    when one goes over the bound. Returns {kind: (default, worst, chart)}."""
    result = {}
    for kind in ("radix", "radix-child"):
        shares = []
        for chart in charts(count, seed):
            text = composed_text(cli, data_dir, kind, chart)
            shares.append((prose_check.repetition_share(text), chart))
        worst = max(shares)
        result[kind] = (shares[0][0], worst[0], worst[1])
        over = [(s, c) for s, c in shares
                if s > prose_check.REPETITION_BOUND]
        if over:
            share, chart = max(over)
            text = composed_text(cli, data_dir, kind, chart)
            top = prose_check.repetition(text)[2][:6]
            fail("%s %s: доля повторов %.3f больше %.2f; чаще всего: %s" % (
                kind, " ".join(str(c) for c in chart), share,
                prose_check.REPETITION_BOUND,
                "; ".join("%d× «%s»" % (c, g) for c, g in top)))
    return result


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(REPO / "data" / "Dann"),
                    help="папка Dann, куда писать (по умолчанию data/Dann)")
    ap.add_argument("--show", type=int, default=0,
                    help="показать по N расшифрованных статей каждого файла")
    ap.add_argument("--charts", type=int, default=RANDOM_CHARTS,
                    help="сколько случайных карт проверить на повторы "
                         "(по умолчанию %d)" % RANDOM_CHARTS)
    ap.add_argument("--seed", type=int, default=RANDOM_SEED,
                    help="начало ряда случайных карт")
    library_cipher.add_cli_option(ap)
    args = ap.parse_args()
    dann = Path(args.out)

    try:
        cli = library_cipher.find_cli(args.cli)
        # Preface.
        pre = preface_lines()
        check_plain_lines("Radix/Begin.TXT", pre, layout=False)
        faults = prose_check.lint_entry("", pre)
        if faults:
            fail("Radix/Begin.TXT: %s" % "; ".join(faults))
        begin = dann / "Radix" / "Begin.TXT"
        begin.parent.mkdir(parents=True, exist_ok=True)
        begin.write_bytes(b"".join(encode_line(ln, "Begin.TXT") + b"\r\n"
                                   for ln in pre))
        if read_back(begin, False) != pre:
            fail("Begin.TXT: прочитанный файл не совпадает с задуманным")
        print("%-32s %6d строк %8d байт" % ("Radix/Begin.TXT", len(pre),
                                             begin.stat().st_size))

        libs = build_libraries()
        for lib in libs:
            lint_library(lib)
        for lib in libs:
            path = dann / lib.name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(file_bytes(lib, cli))
        for lib in libs:
            path = dann / lib.name
            lines = read_back(path, lib.enciphered, cli)
            count = check_library(lib, lines)
            print("%-32s %6d статей %7d байт  %s" % (
                lib.name, count, path.stat().st_size,
                "шифр" if lib.enciphered else "открытый"))
            if args.show:
                combos = lib.combos
                for j in range(args.show):
                    label, keys = combos[(2 * j + 1) * len(combos)
                                         // (2 * args.show)]
                    print()
                    print("\n".join(select(lines, [keys])))
                print()
        shares = check_repetition(cli, dann.parent, args.charts, args.seed)
        for kind, (default, worst, chart) in shares.items():
            print("повторы %-12s первая карта %.3f, худшая из %d случайных "
                  "%.3f (%s)" % (kind, default, args.charts, worst,
                                 " ".join(str(c) for c in chart)))
    except (CheckError, library_cipher.CipherToolError) as e:
        print("ОШИБКА: %s" % e, file=sys.stderr)
        return 1
    print("Проверка пройдена.")
    return 0


if __name__ == "__main__":
    sys.exit(main())

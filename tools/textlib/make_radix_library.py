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
                                                    [--cli VELORA_CLI]

The prose is composed from the meaning tables of meanings.py and the
sentence templates below; the choice among templates is made by hashing
the entry's keys, so the output is the same byte for byte on every run.

Every file is Windows-1251 with CR LF line ends. A heading is a line with
"&" in it and begins with "&"; body lines never contain "&"; every file
ends with the closing line "&&&&&". After writing, the files are read back
and checked by brute force: every key combination the radix composers can
ask for is answered by exactly one heading, and every heading answers only
the combination it was written for. Any fault stops the run with a
message and a non-zero exit status.

The enciphered files are enciphered and read back by the program's own
tool, velora-cli textlib (see library_cipher.py), so it must be built.
"""

import argparse
import hashlib
import sys
import textwrap
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(HERE))

from meanings import ITEMS, SIGNS, HOUSES, ASPECTS  # noqa: E402
import library_cipher  # noqa: E402

# Body lines are wrapped to what the program's text view shows at its first size (about 50
# characters of its fixed-pitch font); a heading may run longer, up to MAX_LINE.
BODY_WIDTH = 50
MAX_LINE = 76
CLOSING = "&&&&&"
RADIX_KEY = "VexКлючик"
ENCODING = "cp1251"


# ---------------------------------------------------------------------------
# Helpers for the prose.
# ---------------------------------------------------------------------------
def pick(options, *salt):
    """Deterministic choice among options, by a hash of the salt."""
    text = "|".join(str(s) for s in salt)
    h = int(hashlib.md5(text.encode("utf-8")).hexdigest(), 16)
    return options[h % len(options)]


def pick_index(n, *salt):
    return pick(list(range(n)), *salt)



def cap(s):
    return s[:1].upper() + s[1:] if s else s


def sentences(*parts):
    """Join sentences, capitalising each."""
    return " ".join(cap(p.strip()) for p in parts if p)


def wrap(paragraph):
    return textwrap.wrap(paragraph, width=BODY_WIDTH, break_long_words=False,
                         break_on_hyphens=False)


def fields(prefix, table):
    return {prefix + k: v for k, v in table.items() if isinstance(v, str)}


# ---------------------------------------------------------------------------
# Adult entries.
# ---------------------------------------------------------------------------
def alt(table, name, *salt):
    """One of the two wordings table[name] / table[name + "2"]."""
    return pick([table[name], table[name + "2"]], "alt", name, *salt)


def sign_fields(sg, *salt):
    f = fields("s_", sg)
    for name in ("qual", "shadow", "advice"):
        f["s_" + name] = alt(sg, name, *salt)
    f["S_vprep"] = cap(sg["vprep"])
    f["s_image"] = "%s — это %s." % (sg["nom"], sg["image"])
    return f


# Templates that use the item's sphere ({i_dom}) are marked True, so that
# one entry names that sphere once at most.
PZ_QUAL = [
    (True, "{I_domc} человеку помогают {s_qual}."),
    (True, "{I_domc} на первый план выходят {s_qual}."),
    (True, "Сильные стороны этого положения — {s_qual}, и особенно "
           "заметны они {i_dom}."),
    (False, "{s_image} Опорой служат {s_qual}."),
    (False, "Человеку с таким положением свойственны {s_qual}."),
]
PZ_SHADOW = [
    (False, "Обратная сторона — {s_shadow}."),
    (False, "Слабым местом могут стать {s_shadow}."),
    (False, "В трудные периоды дают о себе знать {s_shadow}."),
    (True, "Но {i_domc} могут мешать {s_shadow}."),
]
PZ_ADVICE = [
    (False, "Чтобы это положение работало в плюс, стоит {s_advice}."),
    (False, "Главный совет — {s_advice}."),
    (False, "Полезно {s_advice}."),
    (True, "{I_domc} особенно важно {s_advice}."),
]


def pick_once(groups, *salt):
    """Picks one template from each group; at most one marked True."""
    out, used = [], False
    for n, group in enumerate(groups):
        allowed = [t for flag, t in group if not (used and flag)]
        choice = pick(allowed, "grp", n, *salt)
        used = used or dict((t, f) for f, t in group)[choice]
        out.append(choice)
    return out


def plzodiac_entry(i, s):
    it, sg = ITEMS[i], SIGNS[s]
    f = dict(fields("i_", it), **sign_fields(sg, "pz", i, s))
    f["i_essence"] = pick(it["essence"], "ess", i, s)
    # A sphere worded as a clause ("в том, как ...") closes with a comma
    # when the sentence goes on after it.
    f["i_domc"] = it["dom"] + ("," if "," in it["dom"] else "")
    f["I_domc"] = cap(f["i_domc"])
    intro = pick([
        "{i_essence} {S_vprep} {i_th_nom} проявляются {s_adv}.",
        "Положение {i_gen} {s_vprep} показывает, что {i_th_nom} "
        "проявляются {s_adv}.",
        "{i_nom} {s_vprep} окрашивает {i_th_acc} в тона этого знака: всё, "
        "что с этим связано, человек делает {s_adv}.",
        "{i_nom} {s_vprep} говорит о том, что {i_th_nom} выражаются "
        "{s_adv}.",
    ], "pz-intro", i, s)
    rest = pick_once([PZ_QUAL, PZ_SHADOW, PZ_ADVICE], "pz", i, s)
    heading = "&%s%s %s" % (it["key"], it["label"], sg["vprep"])
    body = sentences(*(t.format(**f) for t in [intro] + rest))
    return heading, body


def pldoma_entry(i, h):
    it, hs = ITEMS[i], HOUSES[h]
    f = dict(fields("i_", it), **fields("h_", hs))
    f["i_essence"] = pick(it["essence"], "ess", i, h, "house")
    f["H_loc"] = cap(hs["loc"])
    intro = pick([
        "{i_essence} {H_loc} {i_th_nom} направлены прежде всего на "
        "{h_acc}.",
        "{i_nom} {h_loc} связывает {i_th_acc} со сферой, где важны "
        "{h_nom}.",
        "Положение {i_gen} {h_loc} означает, что {i_th_nom} раскрываются в "
        "сфере {h_gen}.",
        "{i_nom} {h_loc} направляет {i_th_acc} в сферу {h_gen}.",
    ], "pd-intro", i, h)
    middle = pick([
        "Многое в судьбе здесь решают именно {i_th_nom}.",
        "Чем осознаннее человек относится к теме {i_gen}, тем больше "
        "пользы приносит ему эта сфера.",
        "События этой сферы часто становятся для человека поворотными и "
        "многому его учат.",
        "Здесь человек особенно ясно ощущает, как работает в его жизни "
        "{i_nom}.",
    ], "pd-middle", i, h)
    advice = pick([
        "Полезно {h_advice}.",
        "Совет этого положения — {h_advice}.",
        "Ключ к этому положению — {h_advice}.",
    ], "pd-advice", i, h)
    heading = "&%s%s в %d доме" % (it["key"], it["label"], h + 1)
    f["h_advice"] = alt(hs, "advice", "pd", i, h)
    body = sentences(intro.format(**f), alt(hs, "desc", "pd", i, h),
                     middle.format(**f), advice.format(**f))
    return heading, body


def domzod_entry(h, s):
    hs, sg = HOUSES[h], SIGNS[s]
    f = dict(fields("h_", hs), **sign_fields(sg, "dz", h, s))
    intro = pick([
        "Куспид {h_ord_gen} дома находится {s_vprep}: {h_nom} окрашены "
        "чертами {s_gen}.",
        "{h_ord_nom} дом начинается {s_vprep}, поэтому в вопросах {h_gen} "
        "человек действует {s_adv}.",
        "Когда {h_ord_nom} дом начинается {s_vprep}, сфера {h_gen} "
        "строится в духе {s_gen}.",
    ], "dz-intro", h, s)
    qual = pick([
        "Здесь помогают {s_qual}, а мешать могут {s_shadow}.",
        "В этих делах выручают {s_qual}; осторожнее стоит быть там, где "
        "проявляются {s_shadow}.",
        "{s_image} Сильные стороны — {s_qual}, слабые — {s_shadow}.",
    ], "dz-qual", h, s)
    advice = pick([
        "Для этой сферы особенно полезно {s_advice}.",
        "В делах {h_ord_gen} дома стоит {s_advice}.",
    ], "dz-advice", h, s)
    heading = "&%d дом %s" % (h + 1, sg["vprep"])
    body = sentences(intro.format(**f), alt(hs, "desc", "dz", h, s),
                     qual.format(**f), advice.format(**f))
    return heading, body


def hozzod_entry(h, s):
    hs, sg = HOUSES[h], SIGNS[s]
    f = dict(fields("h_", hs), **sign_fields(sg, "hz", h, s))
    intro = pick([
        "Хозяин {h_ord_gen} дома, то есть управитель сферы {h_gen}, "
        "находится {s_vprep}. Поэтому {h_nom} развиваются {s_adv}.",
        "Управитель {h_ord_gen} дома стоит {s_vprep}: вопросы {h_gen} "
        "человек решает {s_adv}.",
        "Хозяин {h_ord_gen} дома {s_vprep} показывает, что в сфере {h_gen} "
        "человек действует {s_adv}. {s_image}",
    ], "hz-intro", h, s)
    qual = pick([
        "В этих вопросах помогают {s_qual}, а слабым местом могут стать "
        "{s_shadow}.",
        "Здесь выручают {s_qual}. Обратная сторона — {s_shadow}.",
    ], "hz-qual", h, s)
    advice = pick([
        "Для успеха в делах {h_ord_gen} дома полезно {s_advice}.",
        "Чтобы темы {h_ord_gen} дома складывались удачно, стоит "
        "{s_advice}.",
    ], "hz-advice", h, s)
    heading = "&Хозяин %d дома %s" % (h + 1, sg["vprep"])
    parts = [intro.format(**f), alt(hs, "desc", "hz", h, s),
             qual.format(**f), advice.format(**f)]
    return heading, sentences(*parts)


def hozdom_entry(h, n):
    hs, ns = HOUSES[h], HOUSES[n]
    f = dict(fields("h_", hs), **fields("n_", ns))
    if h == n:
        heading = "&Хозяин %d дома в доме № %d: в собственном доме" % (
            h + 1, n + 1)
        first = pick([
            "Хозяин {h_ord_gen} дома находится в собственном доме, и это "
            "укрепляет сферу {h_gen}.",
            "Управитель {h_ord_gen} дома стоит в своём же доме: {h_nom} "
            "находятся под надёжным контролем.",
        ], "hd-self", h)
        second = pick([
            "Человек сам управляет этими вопросами и редко зависит в них "
            "от обстоятельств.",
            "Темы этого дома звучат в жизни ясно и сильно, а решения по "
            "ним человек принимает сам.",
        ], "hd-self2", h)
        body = sentences(first.format(**f), second,
                         alt(hs, "desc", "hd", h),
                         "Полезно %s." % alt(hs, "advice", "hd", h))
        return heading, body
    heading = "&Хозяин %d дома в доме № %d: %s через %s" % (
        h + 1, n + 1, hs["kw_nom"], ns["kw_acc"])
    i_intro = pick_index(3, "hd-intro", h, n)
    intro = [
        "Хозяин {h_ord_gen} дома находится {n_loc}: {h_nom} реализуются "
        "через {n_acc}.",
        "Управитель {h_ord_gen} дома стоит {n_loc}, и темы {h_gen} тесно "
        "переплетаются с вопросами {n_gen}.",
        "Положение хозяина {h_ord_gen} дома {n_loc} показывает, что ключ "
        "к сфере {h_gen} лежит в области {n_gen}.",
    ][i_intro]
    links = [
        "Всё, что происходит в делах {n_ord_gen} дома, так или иначе "
        "отражается и на темах {h_ord_gen} дома.",
        "Часто именно через {n_kw_acc} человек решает вопросы {h_ord_gen} "
        "дома.",
        "Удачи и трудности в этой сфере сразу сказываются на том, как "
        "складываются дела {h_ord_gen} дома.",
    ]
    if i_intro == 0:
        links = [links[0], links[2]]
    link = pick(links, "hd-link", h, n)
    advice = pick([
        "Полезно {n_advice}: это помогает и в делах {h_ord_gen} дома.",
        "Для согласия обеих сфер полезно {n_advice}.",
    ], "hd-advice", h, n)
    f["n_advice"] = alt(ns, "advice", "hd", h, n)
    body = sentences(intro.format(**f), alt(ns, "desc", "hd", h, n),
                     link.format(**f), advice.format(**f))
    return heading, body


ASPECT_OPENERS = {
    " 0": [
        "Соединение {i_gen} с {k_ins} сливает {i_sh_acc} и {k_sh_acc} в "
        "одно целое.",
        "{i_nom} и {k_nom} стоят рядом, и их темы звучат как один голос.",
        "В соединении {i_gen} и {k_gen} {i_sh_nom} и {k_sh_nom} становятся "
        "неразделимы.",
    ],
    "60": [
        "Секстиль {i_gen} и {k_gen} открывает возможности: {i_sh_nom} и "
        "{k_sh_nom} поддерживают друг друга.",
        "Между {i_ins} и {k_ins} секстиль — аспект удачных возможностей.",
        "Секстиль мягко и по-дружески соединяет {i_sh_acc} и "
        "{k_sh_acc}.",
    ],
    "90": [
        "Квадрат {i_gen} и {k_gen} создаёт внутреннее напряжение: "
        "{i_sh_nom} и {k_sh_nom} тянут в разные стороны.",
        "Между {i_ins} и {k_ins} квадрат — аспект напряжения и вызова.",
        "Квадрат сталкивает {i_sh_acc} и {k_sh_acc}, требуя от человека "
        "усилий.",
    ],
    "120": [
        "Трин {i_gen} и {k_gen} приносит гармонию: {i_sh_nom} и {k_sh_nom} "
        "естественно дополняют друг друга.",
        "Между {i_ins} и {k_ins} трин — аспект лёгкости и согласия.",
        "Трин соединяет {i_sh_acc} и {k_sh_acc} плавным, гармоничным "
        "потоком.",
    ],
    "180": [
        "Оппозиция {i_gen} и {k_gen} ставит друг против друга {i_sh_acc} и "
        "{k_sh_acc}.",
        "Между {i_ins} и {k_ins} оппозиция — аспект противостояния и "
        "поиска равновесия.",
        "В оппозиции {i_gen} и {k_gen} {i_sh_nom} и {k_sh_nom} смотрят в "
        "разные стороны, и человеку приходится искать между ними баланс.",
    ],
}

ASPECT_PAIRS = [
    "{i_nom} отвечает за {i_th_acc}, а {k_nom} — за {k_th_acc}.",
    "В игру вступают {i_th_nom}, с одной стороны, и {k_th_nom}, с другой.",
]

ASPECT_MEANINGS = {
    " 0": [
        "Эти качества усиливают друг друга, и человек проявляет их ярко, "
        "порой без меры.",
        "Такое слияние даёт концентрацию сил, но мешает взглянуть на себя "
        "со стороны.",
        "Здесь трудно отделить одно от другого: обе темы всегда звучат "
        "вместе.",
    ],
    "60": [
        "Возможности приходят, но их нужно замечать и использовать.",
        "Этот аспект помогает учиться и договариваться, если прикладывать "
        "немного усилий.",
        "Талант здесь есть, и он раскрывается через активность и общение.",
    ],
    "90": [
        "Напряжение не даёт покоя, но именно оно становится двигателем "
        "развития.",
        "Противоречие приходится решать снова и снова, пока не найдётся "
        "зрелый путь.",
        "Это аспект роста через трудности: преодолевая их, человек "
        "закаляется.",
    ],
    "120": [
        "Всё, что связано с этими темами, даётся легко и естественно.",
        "Это врождённый дар, которым важно не пренебрегать из-за его "
        "лёгкости.",
        "Согласие этих сторон характера приносит спокойствие и удачу.",
    ],
    "180": [
        "Человек колеблется между двумя полюсами, и часто одна из сторон "
        "проявляется через других людей.",
        "Задача этого аспекта — не выбирать что-то одно, а найти золотую "
        "середину.",
        "Противостояние особенно заметно в отношениях, где партнёр словно "
        "отражает вторую сторону.",
    ],
}

ASPECT_ADVICE = {
    " 0": [
        "Полезно направлять эту объединённую силу на ясную цель.",
        "Важно помнить о мере и не позволять одной стороне заслонять "
        "остальные.",
    ],
    "60": [
        "Стоит сознательно пользоваться этим даром, а не ждать, пока он "
        "проявится сам.",
        "Лучше всего этот аспект работает, когда человек учится, общается "
        "и пробует новое.",
    ],
    "90": [
        "Полезно не подавлять ни одну из сторон, а искать для каждой своё "
        "время и место.",
        "Терпение и работа над собой превращают этот аспект в источник "
        "силы.",
    ],
    "120": [
        "Стоит ставить перед собой задачи, которые заставят использовать "
        "этот талант в полную силу.",
        "Главное — не лениться и развивать то, что дано от природы.",
    ],
    "180": [
        "Полезно слушать другую сторону и учиться компромиссу.",
        "Равновесие приходит, когда человек признаёт в себе обе стороны "
        "противоречия.",
    ],
}


def aspect_heading(i, k, a):
    asp = ASPECTS[a]
    return "&%s %s %s — %s" % (ITEMS[i]["akey"], asp["code"].strip(),
                               ITEMS[k]["akey"], asp["word"])


def aspec_entry(i, k, a):
    code = ASPECTS[a]["code"]
    f = dict(fields("i_", ITEMS[i]), **fields("k_", ITEMS[k]))
    parts = [pick(ASPECT_OPENERS[code], "as-open", i, k, a),
             pick(ASPECT_PAIRS, "as-pair", i, k, a),
             pick(ASPECT_MEANINGS[code], "as-mean", i, k, a),
             pick(ASPECT_ADVICE[code], "as-adv", i, k, a)]
    body = sentences(*(p.format(**f) for p in parts))
    return aspect_heading(i, k, a), body


# ---------------------------------------------------------------------------
# Child's entries: about the child, addressed to the parents.
# ---------------------------------------------------------------------------
def kinder_plzn_entry(i, s):
    it, sg = ITEMS[i], SIGNS[s]
    f = dict(fields("i_", it), **sign_fields(sg, "kz", i, s))
    intro = pick([
        "{i_ch_essence} {S_vprep} {i_ch_nom} проявляются у ребёнка "
        "{s_adv}.",
        "{i_nom} {s_vprep} в карте ребёнка говорит о том, что {i_ch_nom} "
        "проявляются {s_adv}.",
        "Положение {i_gen} {s_vprep} показывает, как у малыша проявляются "
        "{i_ch_nom}: {s_adv}.",
    ], "kz-intro", i, s)
    trait = pick([
        "В его характере заметны {s_ch_temper}.",
        "Главные черты его темперамента — {s_ch_temper}.",
        sg["ch_play"], sg["ch_learn"],
    ], "kz-trait", i, s)
    support = alt(sg, "ch_support", "kz", i, s)
    tip = pick([
        "Кроме того, полезно {i_ch_tip}.",
        "Особенно важно {i_ch_tip}.",
        "Взрослым полезно также {i_ch_tip}.",
    ], "kz-tip", i, s)
    body = sentences(intro.format(**f), trait.format(**f), support,
                     tip.format(**f))
    heading = "&%s%s %s" % (it["key"], it["label"], sg["vprep"])
    return heading, body


def kinder_asc_entry(h, s):
    hs, sg = HOUSES[h], SIGNS[s]
    f = dict(fields("h_", hs), **fields("s_", sg))
    intro = pick([
        "{h_ord_nom} дом начинается {s_vprep}: {h_ch_nom} окрашены у "
        "ребёнка чертами {s_gen}.",
        "Когда {h_ord_nom} дом начинается {s_vprep}, {h_ch_nom} "
        "проявляются у ребёнка {s_adv}.",
        "Куспид {h_ord_gen} дома в карте ребёнка находится {s_vprep}, "
        "поэтому {h_ch_nom} проявляются у него {s_adv}.",
    ], "ka-intro", h, s)
    activity = pick([sg["ch_play"], sg["ch_learn"],
                     "В этой сфере видны {s_ch_temper}.".format(**f)],
                    "ka-act", h, s)
    body = sentences(intro.format(**f), hs["ch_desc"], activity,
                     alt(sg, "ch_support", "ka", h, s))
    heading = "&%d дом %s" % (h + 1, sg["vprep"])
    return heading, body


KINDER_OPENERS = {
    " 0": [
        "Соединение {i_gen} с {k_ins} сливает у ребёнка {i_chs_acc} и "
        "{k_chs_acc} в одно целое.",
        "В соединении {i_gen} и {k_gen} {i_chs_nom} и {k_chs_nom} у "
        "ребёнка неразделимы.",
    ],
    "60": [
        "Секстиль {i_gen} и {k_gen} помогает ребёнку: {i_chs_nom} и "
        "{k_chs_nom} легко поддерживают друг друга.",
        "Секстиль между {i_ins} и {k_ins} дарит малышу удачное сочетание, "
        "в котором {i_chs_nom} и {k_chs_nom} идут рука об руку.",
    ],
    "90": [
        "Квадрат {i_gen} и {k_gen} создаёт у ребёнка внутреннее "
        "напряжение: {i_chs_nom} и {k_chs_nom} тянут в разные стороны.",
        "Квадрат между {i_ins} и {k_ins} сталкивает {i_chs_acc} и "
        "{k_chs_acc}, и ребёнку бывает непросто с этим справиться.",
    ],
    "120": [
        "Трин {i_gen} и {k_gen} приносит ребёнку гармонию: {i_chs_nom} и "
        "{k_chs_nom} естественно дополняют друг друга.",
        "Трин между {i_ins} и {k_ins} — настоящий подарок: {i_chs_nom} и "
        "{k_chs_nom} уживаются у малыша легко.",
    ],
    "180": [
        "Оппозиция {i_gen} и {k_gen} ставит друг против друга {i_chs_acc} "
        "и {k_chs_acc}.",
        "В оппозиции {i_gen} и {k_gen} ребёнок мечется между двумя "
        "полюсами — это {i_chs_nom} и {k_chs_nom}.",
    ],
}

KINDER_MEANINGS = {
    " 0": [
        "Эти качества проявляются вместе и очень заметно, иногда "
        "чересчур.",
        "Родители увидят, что одно у малыша никогда не обходится без "
        "другого.",
    ],
    "60": [
        "Это хорошая возможность, которая раскрывается, если её "
        "поддерживать.",
        "Такие черты лучше всего развиваются в игре, общении и совместных "
        "занятиях.",
    ],
    "90": [
        "Отсюда бывают капризы и вспышки упрямства, но это и источник "
        "роста.",
        "Ребёнку нужно время, чтобы научиться примирять эти стороны своей "
        "натуры.",
    ],
    "120": [
        "Это врождённый дар, который легко заметить и важно развивать.",
        "Здесь ребёнку многое даётся легко, и он чувствует себя уверенно.",
    ],
    "180": [
        "Ребёнок может вести себя то так, то иначе, и ему нужно научиться "
        "находить середину.",
        "Часто одна из этих сторон проявляется у него через отношения с "
        "другими детьми.",
    ],
}

KINDER_ADVICE = {
    " 0": [
        "Родителям стоит помочь ему направить эту силу в любимое дело.",
        "Родителям стоит следить, чтобы одна сторона не заслоняла всё "
        "остальное.",
    ],
    "60": [
        "Родителям стоит замечать эти способности и давать им "
        "возможность проявиться.",
        "Поддержка взрослых и новые впечатления помогут этому таланту "
        "окрепнуть.",
    ],
    "90": [
        "Родителям стоит терпеливо помогать ему, не подавляя ни одну из "
        "сторон.",
        "Спокойствие взрослых и ясные правила помогут превратить "
        "напряжение в силу.",
    ],
    "120": [
        "Родителям стоит предлагать ему задачи, которые помогут развить "
        "этот дар.",
        "Хорошо, если взрослые поощряют то, что даётся ребёнку легко, и "
        "не дают ему лениться.",
    ],
    "180": [
        "Родителям стоит учить его договариваться и уважать чужую точку "
        "зрения.",
        "Помогает, когда взрослые принимают обе стороны его натуры и не "
        "требуют выбрать одну.",
    ],
}


def kinder_aspect_entry(i, k, a):
    code = ASPECTS[a]["code"]
    f = dict(fields("i_", ITEMS[i]), **fields("k_", ITEMS[k]))
    parts = [pick(KINDER_OPENERS[code], "ks-open", i, k, a),
             "{i_nom} отвечает у ребёнка за {i_ch_acc}, а {k_nom} — за "
             "{k_ch_acc}.",
             pick(KINDER_MEANINGS[code], "ks-mean", i, k, a),
             pick(KINDER_ADVICE[code], "ks-adv", i, k, a)]
    body = sentences(*(p.format(**f) for p in parts))
    return aspect_heading(i, k, a), body


# ---------------------------------------------------------------------------
# Preface.
# ---------------------------------------------------------------------------
PREFACE = [
    "Перед вами описание натальной карты — гороскопа, построенного на "
    "момент и место рождения. Карта показывает, как в этот миг "
    "располагались Солнце, Луна, планеты и особые точки относительно "
    "знаков зодиака и домов гороскопа.",
    "Описание идёт по разделам. Сначала говорится о положении планет в "
    "знаках зодиака: знак показывает, в каком стиле проявляется то, за "
    "что отвечает планета. Затем — о положении планет в домах: дом "
    "указывает сферу жизни, в которой эти силы действуют прежде всего.",
    "Далее описаны дома в знаках зодиака: знак на куспиде дома окрашивает "
    "всю его сферу. Потом речь идёт о хозяевах домов — планетах, которые "
    "управляют знаком на куспиде дома: в каком знаке и в каком доме они "
    "стоят и как связывают разные области жизни между собой.",
    "Последний раздел посвящён аспектам, то есть угловым соотношениям "
    "между планетами. Соединение говорит о слиянии сил, секстиль — о "
    "возможностях, квадрат — о напряжении, трин — о гармонии, оппозиция — "
    "о противостоянии и поиске равновесия.",
    "Описание детской карты короче: в нём говорится о планетах в знаках, "
    "о домах в знаках и об аспектах, а сами тексты обращены к родителям и "
    "рассказывают о темпераменте ребёнка, его играх, учёбе и о том, как "
    "его поддержать.",
    "Отдельные утверждения могут противоречить друг другу: так проявляется "
    "многогранность характера. Описание говорит о склонностях и "
    "возможностях, а не о предопределённой судьбе. Как распорядиться ими, "
    "решает сам человек.",
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
        return [(lab,) + fn(*lab) for lab in labels]

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


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(REPO / "data" / "Dann"),
                    help="папка Dann, куда писать (по умолчанию data/Dann)")
    ap.add_argument("--show", type=int, default=0,
                    help="показать по N расшифрованных статей каждого файла")
    library_cipher.add_cli_option(ap)
    args = ap.parse_args()
    dann = Path(args.out)

    try:
        cli = library_cipher.find_cli(args.cli)
        # Preface.
        pre = preface_lines()
        check_plain_lines("Radix/Begin.TXT", pre, layout=False)
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
    except (CheckError, library_cipher.CipherToolError) as e:
        print("ОШИБКА: %s" % e, file=sys.stderr)
        return 1
    print("Проверка пройдена.")
    return 0


if __name__ == "__main__":
    sys.exit(main())

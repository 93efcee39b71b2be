#!/usr/bin/env python3
"""Builds the reference files of the Dann folder from the UTF-8 sources here.

    times.txt  -> data/Dann/Times.TXT       (Windows-1251, CR LF)
    gorod.txt  -> data/Dann/Gorod.TXT       (Windows-1251, CR LF)
    help.htm   -> data/Dann/Help/Help.htm   (UTF-8, CR LF)
    basa.txt   -> data/Dann/Basa.TXT        (Windows-1251, CR LF; sample chart database)

Usage: python3 tools/reference/make_reference.py [--out DANN_DIR]
The output is the same byte for byte on every run. Any fault in a source
(a line too long, a coordinate that is not degrees.minutes, a character
that Windows-1251 lacks, unbalanced HTML) stops the run with a message.
"""

import argparse
import html.parser
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
MAX_LINE = 76

GOROD_HEADER = """\
                           КООРДИНАТЫ  ГОРОДОВ

 Широта и долгота записаны так, как их вводят в окна «Исходные-Данные»
 и «2 -я Карта» (поля с подписью «Градус.Мин»): градусы, точка и ровно
 две цифры минут.
     56.01 = 56°01'      37.37 = 37°37'      -0.07 = 0°07' западной долготы
 Северная широта и восточная долгота пишутся без знака (плюс), южная
 широта и западная долгота — со знаком минус: -33.55 = 33°55' ю.ш.

 «Пояс» — нынешнее поясное (зимнее) смещение местного времени от Гринвича
 в часах. Летнее время и смещения прежних лет — в таблице «Время»
 (меню «Справка»): время рождения вводится по Гринвичу.
"""

COLUMN_TITLES = (" {:<26}{:<13}{:>7}{:>9}   {}".format(
    "Город", "Страна", "Широта", "Долгота", "Пояс"))

COORDINATE = re.compile(r"^(-?)(\d{1,3})\.(\d{2})$")
ZONE = re.compile(r"^(0|[+-]\d{1,2}(:(30|45))?)$")
RUSSIAN_ORDER = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"


def fail(source, number, message):
    sys.exit(f"{source}:{number}: {message}")


def check_coordinate(text, limit, source, number):
    match = COORDINATE.match(text)
    if not match:
        fail(source, number, f"«{text}» не в записи Градус.Мин (например 56.01)")
    degrees, minutes = int(match.group(2)), int(match.group(3))
    if minutes > 59:
        fail(source, number, f"«{text}»: минут больше 59")
    if degrees + minutes / 60 > limit:
        fail(source, number, f"«{text}»: больше {limit} градусов")


def sort_key(name):
    key = []
    for ch in name.lower():
        position = RUSSIAN_ORDER.find(ch)
        key.append((1, position) if position >= 0 else (0, ord(ch)))
    return key


def build_gorod(source):
    groups = []  # [(title, [row, ...])]
    for number, raw in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("@"):
            groups.append((line[1:].strip(), []))
            continue
        fields = [field.strip() for field in line.split("|")]
        if len(fields) != 5 or not groups:
            fail(source, number, "ожидалось «город | страна | широта | долгота | пояс»")
        city, country, latitude, longitude, zone = fields
        check_coordinate(latitude, 90, source, number)
        check_coordinate(longitude, 180, source, number)
        if not ZONE.match(zone):
            fail(source, number, f"пояс «{zone}» не в виде +3, -5, +5:30, 0")
        if len(city) > 25 or len(country) > 12:
            fail(source, number, "слишком длинное название")
        groups[-1][1].append((city, country, latitude, longitude, zone))

    lines = GOROD_HEADER.splitlines()
    seen = set()
    count = 0
    for title, rows in groups:
        lines += ["", " " + "=" * 70, " " + title.upper(), " " + "=" * 70, COLUMN_TITLES,
                  " " + "-" * 70]
        for city, country, latitude, longitude, zone in sorted(rows, key=lambda r: sort_key(r[0])):
            if (city, country) in seen:
                sys.exit(f"{source}: «{city}» ({country}) повторяется")
            seen.add((city, country))
            lines.append(" {:<26}{:<13}{:>7}{:>9}   {}".format(city, country, latitude, longitude,
                                                             zone))
            count += 1
    lines += ["", f" Всего мест: {count}.", ""]
    return lines, count


def build_times(source):
    return source.read_text(encoding="utf-8").rstrip("\n").splitlines() + [""]


def write_cp1251(lines, target, source):
    for number, line in enumerate(lines, 1):
        if len(line) > MAX_LINE:
            fail(source, number, f"строка длиннее {MAX_LINE} знаков ({len(line)})")
        if line != line.rstrip():
            lines[number - 1] = line.rstrip()
        if "\t" in line:
            fail(source, number, "знак табуляции")
    text = "\r\n".join(lines)
    try:
        data = text.encode("cp1251")
    except UnicodeEncodeError as error:
        sys.exit(f"{source}: знака «{text[error.start]}» нет в кодировке Windows-1251")
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(data)


class BalanceChecker(html.parser.HTMLParser):
    VOID = {"meta", "br", "hr", "img", "link", "input", "col", "wbr"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.ids = set()
        self.links = set()
        self.errors = []

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if "id" in attributes:
            if attributes["id"] in self.ids:
                self.errors.append(f"id «{attributes['id']}» повторяется")
            self.ids.add(attributes["id"])
        href = attributes.get("href") or ""
        if href.startswith("#"):
            self.links.add(href[1:])
        elif tag == "a" and href:
            self.errors.append(f"внешняя ссылка «{href}»")
        if tag in ("script", "link", "img", "iframe"):
            self.errors.append(f"недопустимый тег <{tag}>")
        if tag not in self.VOID:
            self.stack.append((tag, self.getpos()))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in self.VOID:
            self.stack.pop()

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1][0] != tag:
            where = self.getpos()
            expected = self.stack[-1][0] if self.stack else "ничего"
            self.errors.append(f"строка {where[0]}: </{tag}>, а открыт <{expected}>")
            return
        self.stack.pop()


def build_help(source, target):
    text = source.read_text(encoding="utf-8")
    checker = BalanceChecker()
    checker.feed(text)
    checker.close()
    errors = list(checker.errors)
    errors += [f"не закрыт <{tag}> (строка {pos[0]})" for tag, pos in checker.stack]
    errors += [f"ссылка #{name} ведёт в никуда" for name in sorted(checker.links - checker.ids)]
    if errors:
        sys.exit(f"{source}:\n  " + "\n  ".join(errors))
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(("\r\n".join(text.rstrip("\n").splitlines()) + "\r\n").encode("utf-8"))
    return len(checker.ids)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=REPO / "data" / "Dann",
                        help="папка Dann, куда писать (по умолчанию data/Dann)")
    out = parser.parse_args().out

    times_source = HERE / "times.txt"
    write_cp1251(build_times(times_source), out / "Times.TXT", times_source)

    gorod_source = HERE / "gorod.txt"
    gorod_lines, places = build_gorod(gorod_source)
    write_cp1251(gorod_lines, out / "Gorod.TXT", gorod_source)

    # Database lines keep every blank: a record with an empty name ends in one.
    basa = (HERE / "basa.txt").read_text(encoding="utf-8").splitlines()
    (out / "Basa.TXT").write_bytes("".join(line + "\r\n" for line in basa).encode("cp1251"))

    anchors = build_help(HERE / "help.htm", out / "Help" / "Help.htm")
    print(f"Times.TXT, Gorod.TXT ({places} мест), Help/Help.htm ({anchors} якорей) -> {out}")


if __name__ == "__main__":
    main()

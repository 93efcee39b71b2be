#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Checks library_cipher.py against velora-cli textlib.

The generators encipher through library_cipher; this test makes sure the
module hands the lines to the tool unchanged and gives back exactly what
the tool writes, so the library files cannot drift from the program.

    VELORA_CLI=build/velora-cli python3 tools/textlib/test_library_cipher.py

Without VELORA_CLI the module's own search (build/velora-cli) is used.
Standard library only.
"""

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(Path(__file__).resolve().parent))

import library_cipher  # noqa: E402

RADIX_KEY = "VexКлючик"

SAMPLE = [
    "&Солнце в Овне",
    "Съешь же ещё этих мягких французских булок, да выпей чаю.",
    "ЁЛКА ёлка — «кавычки», №7",
    "The quick brown fox jumps over the lazy dog",
    "0123456789",
    "!\"#$%'()*+,-./:;<=>?@[\\]^_`{|}~",
    "",
    "Строка длиннее ключа: " + "абвгдеёжзийклмнопрстуфхцчшщъыьэюя" * 3,
    "   пробелы по краям   ",
    "табуляция\tвнутри",
    "&&&&&",
]


def tool_bytes(cli, action, data, key):
    """Runs velora-cli directly, without the module."""
    with tempfile.TemporaryDirectory(prefix="velora-cipher-test-") as folder:
        source, target = Path(folder) / "in", Path(folder) / "out"
        source.write_bytes(data)
        key_argument = key.encode("utf-8") if os.name == "posix" else key
        subprocess.run([str(cli), "textlib", action, str(source),
                        "--key", key_argument, "--out", str(target)],
                       check=True)
        return target.read_bytes()


class LibraryCipherTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # A missing tool fails the test rather than skipping it.
        try:
            cls.cli = library_cipher.find_cli()
        except library_cipher.CipherToolError as e:
            raise AssertionError(str(e)) from None

    def test_round_trip(self):
        enciphered = library_cipher.encipher_lines(SAMPLE, RADIX_KEY, self.cli)
        self.assertEqual(library_cipher.decipher_bytes(enciphered, RADIX_KEY,
                                                       self.cli), SAMPLE)

    def test_round_trip_each_line(self):
        for line in SAMPLE:
            with self.subTest(line=line):
                enciphered = library_cipher.encipher_lines([line], RADIX_KEY,
                                                           self.cli)
                self.assertEqual(library_cipher.decipher_bytes(
                    enciphered, RADIX_KEY, self.cli), [line])

    def test_file_layout(self):
        enciphered = library_cipher.encipher_lines(SAMPLE, RADIX_KEY, self.cli)
        self.assertTrue(enciphered.endswith(b"\r\n"))
        raw_lines = enciphered[:-2].split(b"\r\n")
        self.assertEqual(len(raw_lines), len(SAMPLE))
        for raw, line in zip(raw_lines, SAMPLE):
            with self.subTest(line=line):
                self.assertNotIn(b"\r", raw)
                self.assertNotIn(b"\n", raw)
                self.assertEqual(len(raw), len(line.encode("cp1251")))
                if line:
                    self.assertNotEqual(raw, line.encode("cp1251"))

    def test_same_bytes_as_the_tool(self):
        text = "".join(line + "\n" for line in SAMPLE).encode("utf-8")
        direct = tool_bytes(self.cli, "encipher", text, RADIX_KEY)
        self.assertEqual(
            library_cipher.encipher_lines(SAMPLE, RADIX_KEY, self.cli), direct)
        self.assertEqual(tool_bytes(self.cli, "decipher", direct, RADIX_KEY),
                         text)

    def test_other_key(self):
        key = "k"
        one = library_cipher.encipher_lines(SAMPLE, key, self.cli)
        self.assertNotEqual(
            one, library_cipher.encipher_lines(SAMPLE, RADIX_KEY, self.cli))
        self.assertEqual(library_cipher.decipher_bytes(one, key, self.cli),
                         SAMPLE)

    def test_files(self):
        with tempfile.TemporaryDirectory(prefix="velora-cipher-test-") as d:
            plain, library, back = (Path(d) / n for n in ("a", "b", "c"))
            plain.write_bytes("\n".join(SAMPLE).encode("utf-8") + b"\n")
            library_cipher.encipher_file(plain, library, RADIX_KEY, self.cli)
            self.assertEqual(library.read_bytes(), library_cipher.encipher_lines(
                SAMPLE, RADIX_KEY, self.cli))
            library_cipher.decipher_file(library, back, RADIX_KEY, self.cli)
            self.assertEqual(back.read_bytes(), plain.read_bytes())
            self.assertEqual(library_cipher.decipher_lines(
                library, RADIX_KEY, self.cli), SAMPLE)

    def test_no_lines(self):
        self.assertEqual(library_cipher.encipher_lines([], RADIX_KEY, self.cli),
                         b"")
        self.assertEqual(library_cipher.decipher_bytes(b"", RADIX_KEY, self.cli),
                         [])

    def test_refusals(self):
        with self.assertRaises(library_cipher.CipherToolError):
            library_cipher.encipher_lines(["текст\x01"], RADIX_KEY, self.cli)
        with self.assertRaises(library_cipher.CipherToolError):
            library_cipher.encipher_lines(["a\nb"], RADIX_KEY, self.cli)
        with self.assertRaises(library_cipher.CipherToolError):
            library_cipher.decipher_bytes(b"abc\ndef\r\n", RADIX_KEY, self.cli)

    def test_missing_tool(self):
        with self.assertRaises(library_cipher.CipherToolError) as caught:
            library_cipher.find_cli("/nonexistent/velora-cli")
        self.assertIn("velora-cli", str(caught.exception))


if __name__ == "__main__":
    unittest.main()

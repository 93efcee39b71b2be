# -*- coding: utf-8 -*-
"""The line cipher of the text library, for the library generators.

The cipher lives in the program only; this module runs the program's own
tool on whole files:

    velora-cli textlib encipher FILE --key KEY --out FILE
        editable UTF-8 text (LF) -> library file, Windows-1251, CR LF
    velora-cli textlib decipher FILE --key KEY --out FILE
        library file -> UTF-8 text, LF

so a generator writes exactly the bytes the program reads back. The tool
is looked for in this order: the path given to find_cli() (a generator's
--cli option), the environment variable VELORA_CLI, build/velora-cli in
the repository. Standard library only.
"""

import os
import subprocess
import tempfile
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent.parent
ENV_VARIABLE = "VELORA_CLI"
DEFAULT_CLI = REPO / "build" / "velora-cli"


class CipherToolError(Exception):
    """velora-cli is missing or refused a file; the message is for the user."""


def add_cli_option(parser):
    """Adds the --cli option to a generator's argparse parser."""
    parser.add_argument(
        "--cli", metavar="PATH", default=None,
        help="программа velora-cli (по умолчанию из переменной %s, "
             "иначе build/velora-cli)" % ENV_VARIABLE)


def find_cli(option=None):
    """The path of velora-cli: `option`, else $VELORA_CLI, else build/velora-cli."""
    if option:
        path, origin = Path(option), "параметр --cli"
    elif os.environ.get(ENV_VARIABLE):
        path, origin = Path(os.environ[ENV_VARIABLE]), \
            "переменная %s" % ENV_VARIABLE
    else:
        path, origin = DEFAULT_CLI, "путь по умолчанию"
    if not path.is_file() or not os.access(str(path), os.X_OK):
        raise CipherToolError(
            "не найдена программа velora-cli: %s (%s). Шифр библиотеки "
            "берётся из самой программы — соберите её "
            "(cmake --build build --target velora-cli) или укажите путь "
            "параметром --cli или в переменной %s."
            % (path, origin, ENV_VARIABLE))
    return path


def _argument(text):
    # The key goes to the tool in UTF-8 whatever the locale of the shell.
    return text.encode("utf-8") if os.name == "posix" else text


def _run(cli, action, source, target, key, name=None):
    """Runs the tool; `name` stands for `source` in its messages."""
    command = [str(cli), "textlib", action, str(source),
               "--key", _argument(key), "--out", str(target)]
    try:
        done = subprocess.run(command, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE)
    except OSError as e:
        raise CipherToolError("не удаётся запустить %s: %s" % (cli, e))
    if done.returncode != 0:
        message = done.stderr.decode("utf-8", "replace").strip()
        if name:
            message = message.replace(str(source), name)
        raise CipherToolError("velora-cli textlib %s «%s»: %s" % (
            action, name or source,
            message or "код выхода %d" % done.returncode))


def encipher_file(source, target, key, cli=None):
    """Enciphers the UTF-8 text file `source` into the library file `target`."""
    _run(cli or find_cli(), "encipher", source, target, key)


def decipher_file(source, target, key, cli=None):
    """Deciphers the library file `source` into the UTF-8 text file `target`."""
    _run(cli or find_cli(), "decipher", source, target, key)


def _through_tool(action, data, key, cli, name):
    with tempfile.TemporaryDirectory(prefix="velora-cipher-") as folder:
        source, target = Path(folder) / "in.txt", Path(folder) / "out.txt"
        source.write_bytes(data)
        _run(cli or find_cli(), action, source, target, key,
             name or "текст в памяти")
        return target.read_bytes()


def encipher_lines(lines, key, cli=None, name=None):
    """The library file bytes for the text lines (str): each line
    enciphered by itself and followed by CR LF. `name` (the library file,
    say) is what the messages call the text."""
    for n, line in enumerate(lines, 1):
        if "\n" in line or "\r" in line:
            raise CipherToolError("%s, строка %d: конец строки внутри строки"
                                  % (name or "текст", n))
    if lines and lines[0].startswith("\ufeff"):
        # The tool would take it for a byte order mark and drop it.
        raise CipherToolError("%s, строка 1: начинается со знака U+FEFF"
                              % (name or "текст"))
    text = "".join(line + "\n" for line in lines)
    return _through_tool("encipher", text.encode("utf-8"), key, cli, name)


def decipher_bytes(data, key, cli=None, name=None):
    """The text lines (str) of library file bytes, deciphered. A missing
    final line end is accepted, as the program reads such a file."""
    text = _through_tool("decipher", data, key, cli, name).decode("utf-8")
    if not text:
        return []
    return text[:-1].split("\n") if text.endswith("\n") else text.split("\n")


def decipher_lines(path, key, cli=None):
    """The text lines (str) of the enciphered library file at `path`."""
    return decipher_bytes(Path(path).read_bytes(), key, cli, str(path))

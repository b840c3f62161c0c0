#!/usr/bin/env python3
"""Writes the named codes of docs/rule_codes.md into game files by name.

    scripts/name_game_codes.py [data/games/*.game]

In the [parameters] part of each file, a value of a parameter whose codes
have names (GameType, TableauRule, TableauEmptyCode, ...) is replaced by its
name: `TableauRule = all 21` becomes `TableauRule = all DifferentSuit`.
Ranks, plain counts and codes without a name stay as they are. The catalogue
compiler reads a name as its number, so GAMES.DAT stays byte for byte the
same. Run it again after adding names or game files; a named file is left
unchanged.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def code_names():
    """Parameter name -> {code: name}, read from docs/rule_codes.md."""
    names = {}
    family = None
    for line in (ROOT / "docs/rule_codes.md").read_text().splitlines():
        if line.startswith("Parameters: "):
            family = {}
            listed = line[len("Parameters: "):].split(";")[0]
            for parameter in re.findall(r"(\w+) \(", listed):
                names[parameter] = family
        elif family is not None and line.startswith("| ") and "`" in line:
            cells = [cell.strip() for cell in line.strip("|").split("|")]
            code = int(cells[0].split()[0])
            family[code] = cells[1].strip("`")
    return names


VALUE = re.compile(r"'.'|[^\s,]+")


def named_line(line, names):
    match = re.match(r"(\s*(\w+)\s*=\s*)(.*)$", line)
    if not match or match.group(2) not in names:
        return line
    family = names[match.group(2)]
    prefix, rest = match.group(1), match.group(3)
    comment_at = re.search(r"(^|\s)#", rest)
    hash_at = comment_at.end() - 1 if comment_at else len(rest)
    values, comment = rest[:hash_at], rest[hash_at:]

    def name_of(token):
        text = token.group(0)
        if len(text) == 3 and text[0] == text[2] == "'":
            code = ord(text[1])
        elif re.fullmatch(r"-?\d+", text):
            code = int(text)
        else:
            return text
        return family.get(code, text)

    new_values = VALUE.sub(name_of, values.rstrip())
    if new_values == values.rstrip():
        return line
    if not comment:
        return prefix + new_values
    # Keep the comment in its column when the values still fit before it.
    column = len(prefix) + len(values)
    head = prefix + new_values
    return head + " " * max(column - len(head), 1) + comment


def name_file(path, names):
    text = path.read_text()
    lines = text.split("\n")
    in_parameters = False
    for i, line in enumerate(lines):
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            in_parameters = stripped == "[parameters]"
            if stripped == "[rules]":
                break
            continue
        if in_parameters and not stripped.startswith("#"):
            lines[i] = named_line(line, names)
    new_text = "\n".join(lines)
    if new_text != text:
        path.write_text(new_text)
        return True
    return False


def main():
    names = code_names()
    files = [pathlib.Path(a) for a in sys.argv[1:]] or sorted(ROOT.glob("data/games/*.game"))
    changed = sum(name_file(path, names) for path in files)
    print(f"{changed} of {len(files)} game files changed")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Corvane.html, the help page that Help opens, made from the README's user sections: the parts
between the lines "<!-- help -->" and "<!-- /help -->" (which GitHub does not show). It knows the
little Markdown those parts use: headings, paragraphs, lists, tables, pictures alone on a line,
**bold**, `code` and [links](address).

  help_page.py README.md FOLDER     writes FOLDER/Corvane.html and copies the pictures it shows
                                    to the same places under FOLDER
  help_page.py --pictures README.md names the pictures, one a line (for the build)
"""

import html
import re
import shutil
import sys
from pathlib import Path

PICTURE = re.compile(r"^!\[([^\]]*)\]\(([^)\s]+)\)$")
INLINE = re.compile(r"\*\*(.+?)\*\*|`([^`]+)`|\[([^\]]+)\]\(([^)\s]+)\)")
STYLE = ("body{font-family:Segoe UI,sans-serif;max-width:52em;margin:1em auto;padding:0 1em;"
         "line-height:1.45}code{background:#eee;padding:0 .2em}img{max-width:100%}"
         "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.2em .5em}")


def help_sections(readme):
    """The lines of the README's user sections, in order."""
    lines, taking = [], False
    for line in readme.splitlines():
        if line.strip() in ("<!-- help -->", "<!-- /help -->"):
            taking = line.strip() == "<!-- help -->"
        elif taking:
            lines.append(line)
    return lines


def inline(text):
    """A line's text as HTML: escaped, with its bold, code and links."""
    out, end = [], 0
    for match in INLINE.finditer(text):
        out.append(html.escape(text[end:match.start()], quote=False))
        bold, code, label, address = match.groups()
        if bold is not None:
            out.append(f"<strong>{inline(bold)}</strong>")
        elif code is not None:
            out.append(f"<code>{html.escape(code, quote=False)}</code>")
        else:
            out.append(f'<a href="{html.escape(address)}">{inline(label)}</a>')
        end = match.end()
    return "".join(out) + html.escape(text[end:], quote=False)


def cells(row):
    return [cell.strip() for cell in row.strip().strip("|").split("|")]


def blocks(lines):
    """The lines cut into blocks at blank lines, a heading and a picture each a block alone."""
    block = []
    for line in lines + [""]:
        alone = line.startswith("#") or PICTURE.match(line.strip())
        if (not line.strip() or alone) and block:
            yield block
            block = []
        if alone:
            yield [line.strip()]
        elif line.strip():
            block.append(line)


def to_html(lines):
    body = []
    for block in blocks(lines):
        first = block[0]
        if first.startswith("#"):
            level = len(first) - len(first.lstrip("#"))
            body.append(f"<h{level}>{inline(first[level:].strip())}</h{level}>")
        elif picture := PICTURE.match(first):
            alt, source = picture.groups()
            body.append(f'<p><img src="{html.escape(source)}" alt="{html.escape(alt)}"></p>')
        elif first.startswith("|"):
            head, rows = cells(first), [cells(row) for row in block[2:]]
            body.append("<table>\n<tr>" + "".join(f"<th>{inline(c)}</th>" for c in head) + "</tr>")
            body += ["<tr>" + "".join(f"<td>{inline(c)}</td>" for c in row) + "</tr>" for row in rows]
            body.append("</table>")
        elif first.startswith("- "):
            items = []
            for line in block:  # an item goes on in the lines indented under it
                if line.startswith("- "):
                    items.append(line[2:].strip())
                else:
                    items[-1] += " " + line.strip()
            body.append("<ul>\n" + "\n".join(f"<li>{inline(item)}</li>" for item in items) + "\n</ul>")
        else:
            body.append(f"<p>{inline(' '.join(line.strip() for line in block))}</p>")
    return body


def page(readme):
    lines = help_sections(readme)
    title = next((line.lstrip("#").strip() for line in lines if line.startswith("# ")), "Corvane")
    return ("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            f"<title>{html.escape(title)} Help</title>\n<style>{STYLE}</style>\n</head>\n<body>\n"
            + "\n".join(to_html(lines)) + "\n</body>\n</html>\n")


def pictures(readme):
    return [match.group(2) for line in help_sections(readme) if (match := PICTURE.match(line.strip()))]


def main(args):
    if args[:1] == ["--pictures"]:
        print("\n".join(pictures(Path(args[1]).read_text(encoding="utf-8"))))
        return 0
    readme, folder = Path(args[0]), Path(args[1])
    text = readme.read_text(encoding="utf-8")
    folder.mkdir(parents=True, exist_ok=True)
    for picture in pictures(text):
        (folder / picture).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(readme.parent / picture, folder / picture)
    (folder / "Corvane.html").write_text(page(text), encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

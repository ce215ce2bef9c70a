#!/usr/bin/env python3
"""Checks the translations before a release.

    check-translations.py <texts-of-the-sources.ts> <cinelog_xx.ts>...

The first file is what lupdate finds in the sources now (the build makes it). Each translation
fails when
  - a text of the sources is missing from it (it is stale: run the cinelog_lupdate target),
  - an entry is unfinished or empty, or a numerus entry lacks a form,
  - a translation is the same as its English text, unless that text is on the list below of
    words that stay as they are in every language (names, abbreviations, formats),
  - a translation loses or adds a %1..%9 / %n argument of its text.
Every fault is printed as "<file>: <context>: <text>: <what>"; the exit status is 1 when there is any.
"""

import re
import sys
import xml.etree.ElementTree as ET

# Texts whose translation may be the English text itself: names, abbreviations, units and formats,
# and per language the words it shares with English. Compared without mnemonic (&), trailing ':'
# and letter case.
SAME_EVERYWHERE = {
    "ok", "id", "dvd", "vhs", "blu-ray", "hd dvd", "cd", "url", "imdb", "netflix", "tmdb", "the movie database (tmdb)",
    "cinelog", "pdf", "csv", "xlsx", "ods", "html", "json", "xml", "sql", "sqlite", "odbc", "mariadb", "mysql",
    "api", "isbn", "upc", "ean", "asin", "http", "https", "www", "logo", "min", "max", "n/a", "...",
    "ctrl", "shift", "alt", "cast", "blu-ray disc", "mb", "kb", "gb", "zoom", "cinelogs",
    # the example community connection, whose keys are the ODBC driver's own
    "driver=...;server=...;port=3306;database=...;uid=...;pwd=...",
}
SAME_IN = {
    "de": {"name", "genre", "genres", "format", "status", "version", "info", "normal", "standard", "original",
           "minimum", "maximum", "bonus", "region", "audio", "video", "details", "start", "export", "import",
           "filter", "cover", "covers", "episode", "episoden", "text", "e-mail", "server", "port", "plugin", "medium", "poster",
           "plug-in", "web", "link", "links", "interface", "level", "discs", "website"},
    "fr": {"genre", "genres", "format", "version", "info", "normal", "standard", "original", "minimum",
           "maximum", "bonus", "audio", "type", "total", "date", "menu", "message", "question", "plugin",
           "plug-in", "web", "serveur", "port", "e-mail", "image", "images", "cover", "options", "description",
           "note", "actions", "action", "distance", "position", "pages", "page", "source", "sources", "certification",
           "minutes", "formats", "genre", "support"},
    "es": {"director", "total", "normal", "original", "video", "audio", "error", "final", "general", "plugin",
           "plug-in", "web", "e-mail", "mini", "color", "animal", "actor", "idea", "no"},
}
ARGUMENT = re.compile(r"%(?:\d|n|L\d)")


def plain(text):
    return re.sub(r"&(?!&)", "", text).strip().rstrip(":").strip().lower()


def words(text):
    """The words of a text, without mnemonic, arguments, numbers, file patterns and punctuation."""
    t = re.sub(r"&(?!&)", "", text)
    t = re.sub(r"\(\*\.[^)]*\)", " ", t)
    t = ARGUMENT.sub(" ", t)
    return re.sub(r"[\d\W_]+", " ", t).strip().lower().split()


def may_stay(source, same):
    """Whether a text may read the same in the translation: a name, a format, words every language shares."""
    w = words(source)
    return plain(source) in same or not w or all(x in same for x in w)


def messages(path):
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            yield name, message


def key(context, message):
    return (context, message.findtext("source") or "", message.findtext("comment") or "")


def language(path):
    return (ET.parse(path).getroot().get("language") or "").split("_")[0].lower()


def check(source_ts, translation_ts):
    faults = []
    same = SAME_EVERYWHERE | SAME_IN.get(language(translation_ts), set())
    wanted = {key(c, m) for c, m in messages(source_ts)}
    have = {}
    for context, message in messages(translation_ts):
        have[key(context, message)] = message
    for k in sorted(wanted - set(have)):
        faults.append((k[0], k[1], "not in the file (run the cinelog_lupdate target)"))
    for k, message in sorted(have.items()):
        context, source, _ = k
        translation = message.find("translation")
        kind = translation.get("type", "") if translation is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            continue
        if k not in wanted:
            faults.append((context, source, "no longer in the sources (run the cinelog_lupdate target)"))
            continue
        if kind == "unfinished":
            faults.append((context, source, "unfinished"))
            continue
        if message.get("numerus") == "yes":
            forms = [f.text or "" for f in translation.iter("numerusform")]
        else:
            forms = [translation.text or ""]
        if not forms or any(not f.strip() for f in forms if source.strip()):
            faults.append((context, source, "empty translation"))
            continue
        wanted_args = sorted(set(ARGUMENT.findall(source)))
        for f in forms:
            if plain(f) == plain(source) and not may_stay(source, same) and re.search(r"[A-Za-z]{2}", source):
                faults.append((context, source, "translation is the English text"))
                break
            got = sorted(set(ARGUMENT.findall(f)))
            # A numerus form may leave out %n ("one movie"); every other argument must be there.
            if [a for a in got if a != "%n"] != [a for a in wanted_args if a != "%n"]:
                faults.append((context, source, "arguments differ: %s" % f))
                break
    return faults


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    failed = False
    for path in argv[2:]:
        for context, source, what in check(argv[1], path):
            print("%s: %s: %r: %s" % (path, context, source, what))
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Makes the pseudo-translation: every text of a .ts file "translated" into itself between markers.

    pseudo-translate.py <in.ts> <out.ts>

"Open &Catalogue..." becomes "⟦Open &Catalogue...⟧": the mnemonic, the %1..%9 arguments and the
text stay as they are, so the program works as in English while every text that went through a
translation shows the markers. Spaces and line breaks at either end stay outside the markers
(callers join texts on them). Texts that are key sequences ("Ctrl+S") stay unmarked, so
shortcuts keep working. Numerus texts get every form marked.
"""

import re
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27e6", "\u27e7"

# "Ctrl+Shift+M", "F5", "Del": a text passed to QKeySequence, not shown as it is.
KEY_SEQUENCE = re.compile(
    r"^((Ctrl|Shift|Alt|Meta)\+)*(F\d{1,2}|[A-Z0-9]|Del|Delete|Ins|Insert|Esc|Escape|Return|Enter|Tab|"
    r"Backspace|Home|End|PgUp|PgDown|Up|Down|Left|Right|Space)$")


def mark(text):
    if text is None or not text.strip():
        return text or ""
    if KEY_SEQUENCE.match(text) and "+" in text or re.fullmatch(r"F\d{1,2}", text):
        return text
    m = re.match(r"^(\s*)(.*?)(\s*)$", text, re.S)
    return m.group(1) + OPEN + m.group(2) + CLOSE + m.group(3)


def main(src, dst):
    tree = ET.parse(src)
    root = tree.getroot()
    for message in root.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        translation.text = None
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            # lrelease wants one form per plural form of the target language; English has two.
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = mark(source)
        else:
            translation.text = mark(source)
    tree.write(dst, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])

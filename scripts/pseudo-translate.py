#!/usr/bin/env python3
"""Writes a pseudo-translation of a .ts file: every text becomes "[Ŧ<English>]", so a window
under it shows at a glance which texts bypass translation (the test in tests/ui/program does
that check). Usage: pseudo-translate.py IN.ts OUT.ts"""
import sys
import xml.etree.ElementTree as ET

MARK_OPEN, MARK_CLOSE = "[\u0166", "]"

tree = ET.parse(sys.argv[1])
for message in tree.getroot().iter("message"):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    if translation is None or not source:
        continue
    translation.attrib.pop("type", None)
    translation.text = MARK_OPEN + source + MARK_CLOSE
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)

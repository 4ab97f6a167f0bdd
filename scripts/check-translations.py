#!/usr/bin/env python3
"""Checks every translations/reelcatch_*.ts against the texts in src/.

lupdate brings a scratch copy of each file up to date with src/; the copy
must then hold no unfinished, obsolete or vanished entry. Every placeholder
of a source text (%1, %L2, %n, ...) must be in each of its translations, and
a keyboard mnemonic ("&Open") must be kept as exactly one "&".
    scripts/check-translations.py
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def lupdate():
    for name in ("lupdate6", "lupdate"):
        path = shutil.which(name)
        if path:
            return path
    return "/usr/lib/qt6/bin/lupdate"


def mnemonics(text):
    return len(re.findall(r"(?<!&)&(?!&)", text.replace("&&", "")))


def check(ts, faults):
    name = os.path.basename(ts)
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, name)
        shutil.copy(ts, copy)
        args = [lupdate(), "-silent", "-locations", "none"]
        if name.endswith("_en.ts"):
            args.append("-pluralonly")
        subprocess.run(args + ["src", "-ts", copy], cwd=ROOT, check=True)
        root = ET.parse(copy).getroot()
    for context in root.iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{name}: {context.findtext('name')}: {source[:60]!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                faults.append(f"{where}: {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")]
            if message.get("numerus") != "yes":
                forms = [translation.text or ""]
            wanted = set(PLACEHOLDER.findall(source))
            for form in forms:
                # A plural form may leave out %n ("one video" in place of "1 video").
                lost = wanted - set(PLACEHOLDER.findall(form)) - (
                    {"%n", "%Ln"} if len(forms) > 1 else set())
                if lost:
                    faults.append(f"{where}: {sorted(lost)} missing in {form!r}")
                if mnemonics(source) and mnemonics(form) != mnemonics(source):
                    faults.append(f"{where}: the keyboard mnemonic is not kept in {form!r}")
                if not form.strip():
                    faults.append(f"{where}: empty translation")


def main():
    files = sorted(glob.glob(os.path.join(ROOT, "translations", "reelcatch_*.ts")))
    faults = []
    for ts in files:
        check(ts, faults)
    for fault in faults:
        print(fault)
    print(f"{len(files)} translation files, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

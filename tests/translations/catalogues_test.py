#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every catalogue in translations/ is complete and current: lupdate, run over the sources, finds no
new text and drops none, and no entry is unfinished or obsolete; every translation keeps its
source's placeholders and message-box line breaks, and has a menu accelerator where its source has
one."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

def text_of(element):
    """An element's text with lupdate's <byte value="xd"/> characters put back."""
    if element is None:
        return ''
    text = element.text or ''
    for child in element:
        if child.tag == 'byte':
            text += chr(int(child.get('value').lstrip('x'), 16))
        text += child.tail or ''
    return text


root, lupdate = sys.argv[1], sys.argv[2]
# A third argument checks one language's catalogue alone.
only = f'quillane_{sys.argv[3]}.ts' if len(sys.argv) > 3 else None
catalogues = sorted(f for f in os.listdir(os.path.join(root, 'translations'))
                    if f.endswith('.ts') and only in (None, f))
problems = []
with tempfile.TemporaryDirectory() as scratch:
    for name in catalogues:
        committed = os.path.join(root, 'translations', name)
        fresh = os.path.join(scratch, name)
        shutil.copy(committed, fresh)
        language = re.match(r'quillane_(.+)\.ts$', name).group(1)
        subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', '-source-language',
                        'en', '-target-language', language, os.path.join(root, 'src'), '-ts', fresh],
                       check=True)
        if open(fresh, encoding='utf-8').read() != open(committed, encoding='utf-8').read():
            problems.append(f'{name}: not current with the sources (run scripts/update_translations.sh)')
        for context in ET.parse(fresh).getroot().iter('context'):
            where = context.findtext('name')
            for message in context.iter('message'):
                source = text_of(message.find('source'))
                translation = message.find('translation')
                kind = translation.get('type') if translation is not None else 'missing'
                text = text_of(translation)
                if kind in ('unfinished', 'obsolete', 'vanished', 'missing') or not text:
                    problems.append(f'{name}: {where}: "{source}" is {kind or "empty"}')
                    continue
                wanted = sorted(set(re.findall(r'%L?\d+', source)))
                if sorted(set(re.findall(r'%L?\d+', text))) != wanted:
                    problems.append(f'{name}: {where}: "{text}" does not keep {wanted} of "{source}"')
                if source.count('\r') != text.count('\r'):
                    problems.append(f'{name}: {where}: "{text}" does not keep the line breaks of "{source}"')
                if re.search(r'&\w', source) and not re.search(r'&\w', text):
                    problems.append(f'{name}: {where}: "{text}" lost the accelerator of "{source}"')
print(f'{len(catalogues)} catalogues checked')
for p in problems[:200]:
    print(p)
sys.exit(1 if problems or not catalogues else 0)

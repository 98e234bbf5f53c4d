#!/usr/bin/env python3
"""Counts what a genealogist keeps in GEDCOM files: persons, families, surnames,
births and deaths with dates, persons with notes, media links, custom events,
and the letters beyond ASCII in the names and in all values after the header
(composed, so that a lost accent or a letter of another script shows as a
smaller count).
Usage: gedcom_counts.py FILE... ; prints one JSON object per file."""
import json
import re
import sys
import unicodedata

LINE = re.compile(r'^\s*(\d+)\s+(@[^@]+@\s+)?(\S+)\s?(.*)$')


def decode(data):
    if data.startswith(b'\xef\xbb\xbf'):
        return data[3:].decode('utf-8', 'replace')
    if data[:2] in (b'\xff\xfe', b'\xfe\xff'):
        return data.decode('utf-16', 'replace')
    try:
        return data.decode('utf-8')
    except UnicodeDecodeError:
        return data.decode('cp1251', 'replace')


def beyond_ascii(text):
    return sum(1 for c in unicodedata.normalize('NFC', text) if ord(c) > 127 and c.isalpha())


def counts(path):
    with open(path, 'rb') as f:
        lines = re.split(r'\r\n|\r|\n', decode(f.read()))
    result = dict(persons=0, families=0, surnames=0, births=0, deaths=0, notes=0, media=0,
                  custom_events=0, name_letters_beyond_ascii=0, letters_beyond_ascii=0)
    media_records = {}
    persons = []
    current = None
    record = None
    event = None
    for raw in lines:
        m = LINE.match(raw)
        if not m:
            continue
        level, xref, tag, value = int(m.group(1)), m.group(2), m.group(3).upper(), m.group(4)
        if record not in (None, 'HEAD') or (level == 0 and tag != 'HEAD'):
            result['letters_beyond_ascii'] += beyond_ascii(value)
        if level == 0:
            record = tag
            current = None
            if tag == 'INDI':
                current = dict(name=None, birth=False, death=False, note=False, media=[])
                persons.append(current)
            elif tag == 'FAM':
                result['families'] += 1
            elif tag == 'OBJE' and xref:
                media_records[xref.strip()] = media_records.get(xref.strip(), 0)
            continue
        if record == 'OBJE' and level == 1 and tag == 'FILE':
            key = [k for k in media_records][-1]
            media_records[key] += 1
        if current is None:
            continue
        if level == 1:
            event = tag
            if tag == 'NAME' and current['name'] is None:
                current['name'] = value
            elif tag in ('NOTE', 'SNOTE'):
                current['note'] = True
            elif tag == 'OBJE':
                current['media'].append(value.strip() or 1)
            elif tag == 'EVEN':
                result['custom_events'] += 1
        elif level == 2 and tag == 'DATE' and value.strip():
            if event == 'BIRT':
                current['birth'] = True
            elif event == 'DEAT':
                current['death'] = True
    for p in persons:
        result['persons'] += 1
        name = p['name'] or ''
        surname = re.search(r'/([^/]*)/', name)
        result['surnames'] += bool(surname and surname.group(1).strip())
        result['name_letters_beyond_ascii'] += beyond_ascii(name)
        result['births'] += p['birth']
        result['deaths'] += p['death']
        result['notes'] += p['note']
        result['media'] += sum(media_records.get(m, 0) if isinstance(m, str) else 1
                               for m in p['media'])
    return result


for path in sys.argv[1:]:
    print(json.dumps(counts(path)))

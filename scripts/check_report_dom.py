"""Checks a report's DOM as Chromium built it against the chart it came from.

Usage: check_report_dom.py CHART.json DOM.html
CHART.json is `kvrtool info` of the chart; DOM.html the --dump-dom of the
report with the probe script appended (see scripts/check-report).
"""
import html
import json
import re
import sys


def markup_colours(markup):
    """(character, 0x00BBGGRR colour) for every visible character of the markup."""
    out = []
    colour = 0
    i = 0
    switch_tags = ("<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<L>", "<R>", "<C>")
    while i < len(markup):
        if markup.startswith(switch_tags, i):
            i = markup.index(">", i) + 1
            continue
        if markup.startswith(("<`S=", "<`F=", "<`C="), i):
            close = markup.find(">", i)
            close = len(markup) if close < 0 else close
            if markup[i + 2] == "C":
                value = markup[i + 4:close]
                colour = int(value[1:], 16) if value.startswith("$") else int(value)
            i = close + 1
            continue
        out.append((markup[i], colour & 0xFFFFFF))
        i += 1
    return out


def css_colour(bgr):
    return "rgb(%d, %d, %d)" % (bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF)


def without_space(text):
    return re.sub(r"\s+", "", text)


def main(chart_path, dom_path):
    chart = json.load(open(chart_path, encoding="utf-8"))
    dom = open(dom_path, encoding="utf-8").read()
    failures = []

    anchors = set(re.findall(r'<a name="([^"]*)"', dom))
    links = re.findall(r'href="#([^"]*)"', dom)
    for target in links:
        if target not in anchors:
            failures.append("link #%s has no anchor" % target)

    probe = re.search(r'<pre id="kinvarro-probe">(.*?)</pre>', dom, re.S)
    if not probe:
        failures.append("the probe did not run")
        tables = []
    else:
        tables = json.loads(html.unescape(probe.group(1)))
    elements = chart["elements"]
    persons = [i for i, e in enumerate(elements) if e["kind"] == 0]
    if len(tables) != len(persons):
        failures.append("%d person tables for %d persons" % (len(tables), len(persons)))

    coloured = 0
    for table in tables:
        index = int(table["anchor"], 16)
        element = elements[index]
        # The browser reads a line break in a name as a blank.
        if without_space(table["name"]) != without_space(element["name"]):
            failures.append("name of #%s reads %r, stored %r" % (table["anchor"], table["name"], element["name"]))
        expected = [(c, css_colour(col)) for c, col in markup_colours(element["description"]) if not c.isspace()]
        seen = [(c, col) for text, col in table["pieces"] for c in text if not c.isspace()]
        if expected != seen:
            failures.append("description of #%s: expected %r, rendered %r" % (table["anchor"], expected[:20], seen[:20]))
        coloured += sum(1 for _, col in expected if col != "rgb(0, 0, 0)")

    name = chart_path.rsplit("/", 1)[-1]
    for failure in failures[:20]:
        print("FAIL %s: %s" % (name, failure))
    print("%s: %d person tables, %d links, %d anchors, %d coloured characters checked: %s"
          % (name, len(tables), len(links), len(anchors), coloured, "FAILED" if failures else "ok"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

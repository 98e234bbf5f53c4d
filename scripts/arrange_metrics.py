#!/usr/bin/env python3
"""Measures an arranged chart and Graphviz dot's layout of the same family graph.

Usage: arrange_metrics.py NAME CHART.json SECONDS [BEFORE.json]
CHART.json is `kvrtool info` of the arranged chart, SECONDS the time our arrangement
took; BEFORE.json, when given, is the import's own placement of the same tree.
Prints one table row per layout: generation rows (with the rows of persons linked to
nobody in brackets), width x height, couples on one row and side
by side, line crossings and total line length, and the time.

Both layouts are measured alike: a line joins the centre of a parent's box to the
centre of the child's box; crossings are counted between consecutive rows, where a
line crossing several rows is cut at each row boundary.
"""
import json
import subprocess
import sys
import time
from bisect import bisect_left


def persons(chart):
    """Index -> (x, y, w, h) of the persons, and their parent links."""
    boxes, links = {}, []
    elements = chart["elements"]
    for i, e in enumerate(elements):
        if e["kind"] != 0:
            continue
        w, h = e["nameExtent"]
        boxes[i] = (e["x"], e["y"], max(w, 1), max(h, 1))
    for i in boxes:
        for parent in (elements[i]["fatherIndex"], elements[i]["motherIndex"]):
            if parent in boxes and parent != i:
                links.append((parent, i))
    return boxes, links


def couples(chart, boxes):
    pairs = set()
    for i in boxes:
        e = chart["elements"][i]
        f, m = e["fatherIndex"], e["motherIndex"]
        if f in boxes and m in boxes and f != m:
            pairs.add((min(f, m), max(f, m)))
    return pairs


def inversions(values):
    """Pairs i < j with values[i] > values[j], by merge sort."""
    if len(values) < 2:
        return 0, values
    middle = len(values) // 2
    left_count, left = inversions(values[:middle])
    right_count, right = inversions(values[middle:])
    merged, count, i, j = [], left_count + right_count, 0, 0
    while i < len(left) and j < len(right):
        if left[i] <= right[j]:
            merged.append(left[i])
            i += 1
        else:
            merged.append(right[j])
            count += len(left) - i
            j += 1
    merged += left[i:] + right[j:]
    return count, merged


def measure(boxes, links, pairs):
    centre = {i: (x + w / 2.0, y + h / 2.0) for i, (x, y, w, h) in boxes.items()}
    levels = sorted({round(c[1], 3) for c in centre.values()})
    # Lines cut at the boundaries between consecutive levels.
    gaps = [[] for _ in range(max(len(levels) - 1, 0))]
    length = 0.0
    for parent, child in links:
        (x1, y1), (x2, y2) = centre[parent], centre[child]
        length += ((x2 - x1) ** 2 + (y2 - y1) ** 2) ** 0.5
        if y1 == y2:
            continue
        if y1 > y2:
            x1, y1, x2, y2 = x2, y2, x1, y1
        first = bisect_left(levels, round(y1, 3))
        last = bisect_left(levels, round(y2, 3))
        for gap in range(first, last):
            top, bottom = levels[gap], levels[gap + 1]
            at = lambda y: x1 + (x2 - x1) * (y - y1) / (y2 - y1)
            gaps[gap].append((at(top), at(bottom)))
    crossings = 0
    for segments in gaps:
        segments.sort()
        # Lines that share an end point do not cross there.
        crossings += inversions([round(b, 3) for _, b in segments])[0]
    rows = {}
    for i, (x, y, w, h) in boxes.items():
        rows.setdefault(y, []).append(i)
    linked = {i for link in links for i in link}
    generation_rows = {boxes[i][1] for i in linked}
    apart_rows = set(rows) - generation_rows
    order = {}
    for members in rows.values():
        members.sort(key=lambda i: boxes[i][0])
        for position, i in enumerate(members):
            order[i] = position
    same_row = sum(1 for a, b in pairs if boxes[a][1] == boxes[b][1])
    beside = sum(1 for a, b in pairs
                 if boxes[a][1] == boxes[b][1] and abs(order[a] - order[b]) == 1)
    xs = [x for x, _, _, _ in boxes.values()] + [x + w for x, _, w, _ in boxes.values()]
    ys = [y for _, y, _, _ in boxes.values()] + [y + h for _, y, _, h in boxes.values()]
    overlaps = count_overlaps(boxes)
    return {
        "rows": "%d" % len(generation_rows) + (" (+%d)" % len(apart_rows) if apart_rows else ""),
        "size": "%d x %d" % (max(xs) - min(xs), max(ys) - min(ys)) if boxes else "0 x 0",
        "same_row": same_row,
        "beside": beside,
        "couples": len(pairs),
        "crossings": crossings,
        "length": int(length),
        "overlaps": overlaps,
    }


def count_overlaps(boxes):
    by_row = {}
    for i, (x, y, w, h) in boxes.items():
        by_row.setdefault(y, []).append((x, x + w))
    overlaps = 0
    for spans in by_row.values():
        spans.sort()
        for (a0, a1), (b0, b1) in zip(spans, spans[1:]):
            if b0 < a1:
                overlaps += 1
    return overlaps


def dot_layout(chart, boxes, links, grid):
    """Graphviz dot on the family graph: persons plus one node per couple, standing
    between the partners in their rank, so that ranks are generations."""
    hgap, vgap = grid  # between boxes of a rank, between ranks
    lines = ["digraph family {", "  nodesep=%f; ranksep=%f;" % (hgap / 72.0, vgap / 72.0),
             "  node [shape=box, fixedsize=true, label=\"\"];"]
    for i, (_, _, w, h) in boxes.items():
        lines.append("  p%d [width=%f, height=%f];" % (i, w / 72.0, h / 72.0))
    unions = {}
    for i in boxes:
        e = chart["elements"][i]
        parents = tuple(sorted(p for p in (e["fatherIndex"], e["motherIndex"])
                               if p in boxes and p != i))
        if len(parents) == 1:
            lines.append("  p%d -> p%d;" % (parents[0], i))
            continue
        if not parents:
            continue
        if parents not in unions:
            unions[parents] = len(unions)
            u = unions[parents]
            lines.append("  u%d [shape=point, width=0.05];" % u)
            lines.append("  { rank=same; p%d -> u%d -> p%d [arrowhead=none]; }"
                         % (parents[0], u, parents[1]))
        lines.append("  u%d -> p%d;" % (unions[parents], i))
    lines.append("}")
    started = time.monotonic()
    plain = subprocess.run(["dot", "-Tplain"], input="\n".join(lines), capture_output=True,
                           text=True, check=True).stdout
    seconds = time.monotonic() - started
    placed = {}
    for line in plain.splitlines():
        fields = line.split()
        if fields and fields[0] == "node" and fields[1].startswith("p"):
            i = int(fields[1][1:])
            cx, cy = float(fields[2]) * 72.0, -float(fields[3]) * 72.0
            w, h = boxes[i][2], boxes[i][3]
            placed[i] = (round(cx - w / 2.0, 3), round(cy - h / 2.0, 3), w, h)
    return placed, seconds


def main():
    name, chart_path, seconds = sys.argv[1], sys.argv[2], float(sys.argv[3])
    chart = json.load(open(chart_path, encoding="utf-8"))
    boxes, links = persons(chart)
    pairs = couples(chart, boxes)
    settings = chart["settings"]
    # The gaps our arrangement leaves: partners apart by the horizontal grid, rows by three
    # vertical grids.
    partner = max(settings["hGridInterval"], 5, 15)
    row = max(3 * max(settings["vGridInterval"], 5), 40)
    grid = (partner, row)
    results = [("ours", measure(boxes, links, pairs), seconds)]
    if len(sys.argv) > 4:
        before = json.load(open(sys.argv[4], encoding="utf-8"))
        before_boxes, before_links = persons(before)
        results.append(("import rows", measure(before_boxes, before_links, pairs), None))
    placed, dot_seconds = dot_layout(chart, boxes, links, grid)
    results.append(("dot", measure(placed, links, pairs), dot_seconds))
    for layout, m, took in results:
        couples_text = "%d/%d/%d" % (m["beside"], m["same_row"], m["couples"])
        took_text = "%.3f s" % took if took is not None else "-"
        print("| %s | %s | %s | %s | %s | %d | %d | %d | %s |" % (
            name, layout, m["rows"], m["size"], couples_text, m["crossings"], m["length"],
            m["overlaps"], took_text))


if __name__ == "__main__":
    main()

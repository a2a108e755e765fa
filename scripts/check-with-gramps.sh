#!/usr/bin/env bash
# Imports a family into a new Gramps tree from Gramps' command line and prints what Gramps kept
# of it: persons, families, parent-child and spouse links, names and places letter for letter,
# dates as regular dates, pictures found, notes, and Gramps' import warnings.
#
#   scripts/check-with-gramps.sh FAMILY.ged            the GEDCOM 5.5.1 export of the family
#   scripts/check-with-gramps.sh --dialect FAMILY.ged  the family file itself, as written
#   scripts/check-with-gramps.sh --generate N          a generated family of N persons with
#                                                      pictures in folders with Turkish names
#
# The family is what the program reads from FAMILY; its export (written by kinrow-tool beside
# FAMILY under a temporary name, so that the pictures' relative names hold, and removed at the
# end) is what the comparison takes as the family, since the export gives the program back the
# same family. Gramps runs with a home of its own in a temporary folder. Installs the Debian
# package gramps when it is missing. Exit status 0 when Gramps kept everything and warned about
# nothing, 1 otherwise.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
tool="${KINROW_TOOL:-$here/build/tools/kinrow-tool}"
dialect=0
case "${1:-}" in
--dialect) dialect=1; shift ;;
esac
[ $# -ge 1 ] || { sed -n '2,9p' "$0" >&2; exit 2; }
[ -x "$tool" ] || { echo "kinrow-tool not found at $tool (build it, or set KINROW_TOOL)" >&2; exit 2; }

if ! command -v gramps >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends gramps
fi

work="$(mktemp -d)"
export_file=""
cleanup() {
    rm -rf "$work"
    [ -n "$export_file" ] && rm -f "$export_file"
}
trap cleanup EXIT

if [ "$1" = "--generate" ]; then
    n="${2:?--generate needs a number}"
    family="$work/family/aile.ged"
    mkdir -p "$work/family"
    "$tool" generate "$n" "$family" >/dev/null
    # Every seventh person gets a picture from a folder with Turkish letters in its name.
    python3 - "$family" <<'EOF'
import os, sys
path = sys.argv[1]
folder = os.path.dirname(path)
names = ["resimler/düğün.jpg", "Çiğdem'in resimleri/ılgın ağacı.jpeg", "eski/şükrü.bmp"]
for name in names:
    os.makedirs(os.path.join(folder, os.path.dirname(name)), exist_ok=True)
    open(os.path.join(folder, name), "wb").close()
lines = open(path, "rb").read().decode("cp1254").split("\r\n")
out, person = [], 0
for line in lines:
    out.append(line)
    if line.startswith("0 @I"):
        person += 1
    elif line.startswith("1 SEX") and person % 7 == 0:
        out += ["1 OBJE", "2 FORM bmp", "2 FILE " + names[person % 3]]
open(path, "wb").write("\r\n".join(out).encode("cp1254"))
EOF
else
    family="$(realpath "$1")"
fi
[ -f "$family" ] || { echo "no family file $family" >&2; exit 2; }

folder="$(dirname "$family")"
export_file="$(mktemp "$folder/.gramps-check-XXXXXX.ged")"
"$tool" export "$family" "$export_file" >/dev/null
imported="$export_file"
[ "$dialect" = 1 ] && imported="$family"

export GRAMPSHOME="$work/home" LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
mkdir -p "$GRAMPSHOME"
# Gramps stores picture paths as it found them from the folder it runs in.
(cd "$folder" && gramps -y -q -C check -i "$imported" -e "$work/tree.gramps") \
    >"$work/gramps.log" 2>&1 || { cat "$work/gramps.log" >&2; exit 1; }

python3 - "$export_file" "$work/tree.gramps" "$work/gramps.log" "$folder" <<'EOF'
import gzip, os, re, sys
import xml.etree.ElementTree as ET

export_path, tree_path, log_path, folder = sys.argv[1:5]
MONTHS = {m: i + 1 for i, m in enumerate(
    "JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC".split())}

# The family, from its export.
persons, families, notes = {}, {}, {}
record = None
for raw in open(export_path, encoding="utf-8", newline="").read().split("\r\n"):
    parts = raw.split(" ", 2)
    if len(parts) < 2:
        continue
    level, tag = parts[0], parts[1]
    value = parts[2] if len(parts) > 2 else ""
    if level == "0":
        record, event = None, None
        m = re.match(r"@(I|F|NI)(\d+)@", tag)
        if m and m.group(1) == "I":
            record = persons.setdefault(int(m.group(2)), {
                "given": "", "surname": "", "sex": "U", "BIRT": None, "DEAT": None,
                "place": "", "pictures": [], "note": None})
        elif m and m.group(1) == "F":
            record = families.setdefault(int(m.group(2)), {"HUSB": 0, "WIFE": 0, "CHIL": []})
        elif m:
            record = notes.setdefault(m.group(2), [""])
        continue
    if record is None:
        continue
    if isinstance(record, list):  # a note
        if tag == "CONT":
            record.append(value)
        elif tag == "CONC":
            record[-1] += value
    elif "CHIL" in record:  # a family
        if tag in ("HUSB", "WIFE"):
            record[tag] = int(value.strip("@I"))
        elif tag == "CHIL":
            record["CHIL"].append(int(value.strip("@I")))
    elif level == "1":
        event = tag
        if tag == "SEX":
            record["sex"] = value
        elif tag == "NOTE":
            record["note"] = value.strip("@")[2:]
    elif tag == "GIVN":
        record["given"] = value
    elif tag == "SURN":
        record["surname"] = value
    elif tag == "DATE" and event in ("BIRT", "DEAT"):
        record[event] = value
    elif tag == "PLAC" and event == "BIRT":
        record["place"] = value
    elif tag == "FILE" and event == "OBJE":
        record["pictures"].append(value)
for p in persons.values():
    p["note"] = "\n".join(notes[p["note"]]) if p["note"] else None

def iso(date):
    """A GEDCOM date of the export as Gramps writes a regular date."""
    if date is None:
        return None
    d = date.split()
    if len(d) == 1:
        return "%04d" % int(d[0])
    return "%04d-%02d-%02d" % (int(d[2]), MONTHS[d[1]], int(d[0]))

# What Gramps kept.
ns = {"g": "http://gramps-project.org/xml/1.7.1/"}
root = ET.fromstring(gzip.open(tree_path).read())
def by_handle(section, tag):
    return {e.get("handle"): e for e in root.iterfind("g:%s/g:%s" % (section, tag), ns)}
g_people = by_handle("people", "person")
g_events = by_handle("events", "event")
g_places = by_handle("places", "placeobj")
g_objects = by_handle("objects", "object")
g_notes = by_handle("notes", "note")
g_families = by_handle("families", "family")
number = {h: int(re.sub(r"\D", "", e.get("id"))) for h, e in g_people.items()}

kept = {}
for h, e in g_people.items():
    name = e.find("g:name", ns)
    first = name.findtext("g:first", "", ns) if name is not None else ""
    surname = name.findtext("g:surname", "", ns) if name is not None else ""
    dates, place, texts = {}, "", 0
    for ref in e.iterfind("g:eventref", ns):
        ev = g_events[ref.get("hlink")]
        kind = {"Birth": "BIRT", "Death": "DEAT"}.get(ev.findtext("g:type", "", ns))
        if not kind:
            continue
        val = ev.find("g:dateval", ns)
        if val is not None and val.get("type") is None and val.get("quality") is None:
            dates[kind] = val.get("val")
        elif ev.find("g:datestr", ns) is not None or val is not None:
            dates[kind] = "text:" + (ev.find("g:datestr", ns).get("val")
                                     if ev.find("g:datestr", ns) is not None else val.get("val"))
        pl = ev.find("g:place", ns)
        if kind == "BIRT" and pl is not None:
            place = g_places[pl.get("hlink")].find("g:pname", ns).get("value")
    pictures = [g_objects[r.get("hlink")].find("g:file", ns).get("src")
                for r in e.iterfind("g:objref", ns)]
    note = [g_notes[r.get("hlink")].findtext("g:text", "", ns) for r in e.iterfind("g:noteref", ns)]
    kept[number[h]] = {"given": first, "surname": surname, "sex": e.findtext("g:gender", "U", ns),
                       "BIRT": dates.get("BIRT"), "DEAT": dates.get("DEAT"), "place": place,
                       "pictures": pictures, "note": "".join(note) if note else None}

def couples_and_children(fams, father, mother, children):
    spouses, parents, order = set(), set(), {}
    for f in fams:
        h, w, kids = father(f), mother(f), children(f)
        if h and w:
            spouses.add(frozenset((h, w)))
        for c in kids:
            for p in (h, w):
                if p:
                    parents.add((p, c))
        order[(h, w)] = kids
    return spouses, parents, order

want = couples_and_children(families.values(), lambda f: f["HUSB"], lambda f: f["WIFE"],
                            lambda f: f["CHIL"])
def ref(f, tag):
    e = f.find("g:" + tag, ns)
    return number[e.get("hlink")] if e is not None else 0
got = couples_and_children(g_families.values(), lambda f: ref(f, "father"),
                           lambda f: ref(f, "mother"),
                           lambda f: [number[c.get("hlink")] for c in f.iterfind("g:childref", ns)])

def count(field, same):
    hits = sum(1 for n, p in persons.items() if n in kept and same(p, kept[n]))
    return hits, len(persons)

report = [line for line in open(log_path, encoding="utf-8", errors="replace").read().splitlines()
          if line.strip() and "GEDCOM import report" in line or re.match(r"^\S.*Line\s+\d+:", line)]
rows = [
    ("persons", (len(kept.keys() & persons.keys()), len(persons))),
    ("families (couples and single parents)", (len(g_families), len(families))),
    ("spouse links", (len(got[0] & want[0]), len(want[0]))),
    ("parent-child links", (len(got[1] & want[1]), len(want[1]))),
    ("families with children in order", (sum(1 for k, v in want[2].items() if got[2].get(k) == v),
                                         len(want[2]))),
    ("sexes", count("sex", lambda p, k: p["sex"] == k["sex"])),
    ("given names exact", count("given", lambda p, k: p["given"] == k["given"])),
    ("surnames exact", count("surname", lambda p, k: p["surname"] == k["surname"])),
    ("birth places exact", count("place", lambda p, k: p["place"] == k["place"])),
]
for kind, label in (("BIRT", "birth"), ("DEAT", "death")):
    total = sum(1 for p in persons.values() if p[kind])
    regular = sum(1 for n, p in persons.items()
                  if p[kind] and n in kept and kept[n][kind] == iso(p[kind]))
    text = sum(1 for n, p in persons.items()
               if p[kind] and n in kept and (kept[n][kind] or "").startswith("text:"))
    rows.append(("%s dates as the same regular date" % label, (regular, total)))
    rows.append(("%s dates kept as text only" % label, (text, total)))
pictures = [(p["pictures"], kept.get(n, {}).get("pictures", [])) for n, p in persons.items()]
total = sum(len(w) for w, _ in pictures)
found = sum(1 for _, g in pictures for src in g if os.path.isfile(os.path.join(folder, src)))
rows.append(("pictures found", (found, total)))
rows.append(("notes exact", (sum(1 for n, p in persons.items()
                                 if p["note"] and n in kept and kept[n]["note"] == p["note"]),
                             sum(1 for p in persons.values() if p["note"]))))
everything = True
for label, (have, of) in rows:
    bad = (have != 0) if "text only" in label else (have != of)
    everything = everything and not bad
    print("%-42s %7d of %-7d%s" % (label, have, of, "  <-- differs" if bad else ""))
warnings = [l for l in report if "No errors detected" not in l]
# The report names each problem with its line; alike problems are counted together.
print("Gramps import report:")
kinds = {}
for line in report:
    line = re.sub(r"\s{2,}", "  ", line.strip())
    kind = re.sub(r"Line\s+\d+:.*", "", line.replace("GEDCOM import report: ", "")).strip()
    kinds.setdefault(kind, []).append(line)
for kind, lines in kinds.items():
    print("  %s%s" % (lines[0], "  (and %d more alike)" % (len(lines) - 1) if len(lines) > 1 else ""))
# The first differing person, to see what Gramps made of it.
for n, p in sorted(persons.items()):
    k = kept.get(n)
    if k is None:
        print("first difference: person %d missing" % n)
        break
    diff = {f: (p[f], k[f]) for f in ("given", "surname", "sex", "place", "note")
            if p[f] != k[f]}
    for f in ("BIRT", "DEAT"):
        if p[f] and k[f] != iso(p[f]):
            diff[f] = (p[f], k[f])
    if diff:
        print("first difference: person %d: %s" % (n, diff))
        break
sys.exit(0 if everything and not warnings else 1)
EOF

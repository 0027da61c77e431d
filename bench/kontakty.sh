#!/usr/bin/env bash
# Measures voranek-svatky --kontakty from a release build on a vCard file of 1,000 contacts
# (versions 2.1 with quoted-printable, 3.0 and 4.0 in turn): the reading in-process (parse,
# look-up, list; median of READS) and whole runs beside a file of one contact and beside the
# plain start (median of RUNS). Prints a Markdown table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
runs=${RUNS:-51}
reads=${READS:-101}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --preset release >/dev/null
cmake --build --preset release --target voranek-svatky >/dev/null
gcc -O2 bench/spust.c -o "$tmp/spust"
# The warnings are the library headers' own.
g++ -O2 -std=c++20 -w -Isrc bench/kontakty.cpp src/cli/adresar.cpp build/release/src/libvoranek_cli.a \
    build/release/src/libvoranek_calendar.a $(pkg-config --cflags --libs libebook-1.2) \
    -o "$tmp/kontakty"
P=$PWD/build/release/src/voranek-svatky

/usr/bin/python3 - "$tmp" <<'PY'
import quopri, sys
krestni = ["Jana", "Petr", "Jiří", "Eva", "Tomáš", "Lucie", "Martin", "Kateřina", "Pavel",
           "Zuzana", "Štěpán", "Ľudmila", "Kevin", "Anežka", "Vojtěch", "Marie", "Ondřej", "Žofie"]
prijmeni = ["Nováková", "Svoboda", "Dvořák", "Černá", "Procházka", "Kučerová", "Veselý",
            "Horáková", "Němec", "Marková", "Pokorný", "Růžičková"]

def karta(i):
    k, p = krestni[i % len(krestni)], prijmeni[(i // len(krestni)) % len(prijmeni)]
    if i % 3 == 0:
        qp = lambda t: quopri.encodestring(t.encode()).decode().replace("=\n", "")
        return ("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                f"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:{qp(p)};{qp(k)};;;\r\n"
                f"FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:{qp(k + ' ' + p)}\r\n"
                f"TEL;CELL:+420 602 {i:06d}\r\nEND:VCARD\r\n")
    if i % 3 == 1:
        return (f"BEGIN:VCARD\r\nVERSION:3.0\r\nN:{p};{k};;;\r\nFN:{k} {p}\r\n"
                f"item1.EMAIL;type=INTERNET:k{i}@example.cz\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"
                f"UID:{i:08d}-0000-4000-8000-000000000000\r\nEND:VCARD\r\n")
    return (f"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:{k} {p}\r\nN:{p};{k};;;\r\n"
            f"TEL;VALUE=uri;TYPE=cell:tel:+420-602-{i:06d}\r\n"
            f"UID:urn:uuid:{i:08d}-0000-4000-8000-000000000000\r\nEND:VCARD\r\n")

for n in (1, 1000):
    with open(f"{sys.argv[1]}/{n}.vcf", "w", encoding="utf-8", newline="") as f:
        f.write("".join(karta(i) for i in range(n)))
PY

read -r pocet cteni < <("$tmp/kontakty" "$tmp/1000.vcf" "$reads")

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
for _ in $(seq "$runs"); do
    "$tmp/spust" 1 "$P" --radek >> "$tmp/radek"
    "$tmp/spust" 1 "$P" --kontakty "$tmp/1.vcf" --datum 2027-01-01 >> "$tmp/jeden"
    "$tmp/spust" 1 "$P" --kontakty "$tmp/1000.vcf" --datum 2027-01-01 >> "$tmp/tisic"
done
r=$(median < "$tmp/radek")
j=$(median < "$tmp/jeden")
t=$(median < "$tmp/tisic")

cat <<TABLE
| measure | time (ms) |
|---|---|
| $pocet contacts read, matched and listed, in-process, median | $cteni |
| \`voranek-svatky --radek\`, median start | $(awk "BEGIN {printf \"%.2f\", $r / 1000}") |
| \`--kontakty\`, a file of one contact | $(awk "BEGIN {printf \"%.2f\", $j / 1000}") |
| \`--kontakty\`, a file of 1,000 contacts | $(awk "BEGIN {printf \"%.2f\", $t / 1000}") |
| the 999 contacts more (1,000 less one) | $(awk "BEGIN {printf \"%.2f\", ($t - $j) / 1000}") |
TABLE

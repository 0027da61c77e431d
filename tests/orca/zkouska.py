#!/usr/bin/python3
"""What a blind user hears: plays keys to VORANEK under a real Orca and checks the speech.

    tests/orca/zkouska.py build/release/src/voranek [OUTDIR]

Runs run.sh (a private X display and session bus, Orca with a Czech voice whose speech goes
to its debug log) on 24 December 2026, then checks, step by step, that Orca said what a user
needs: today's date, names and holidays at start-up, every control on Tab, the new day,
month and year as they change, the grid's days, and the info window's pages.
Exits 1 and prints the transcript when a check fails.
"""
import os
import subprocess
import sys

TU = os.path.dirname(os.path.abspath(__file__))

# Each step: a key (or "launch"), and phrases Orca must say before the next step.
KROKY = [
    ("launch", ["Dnes je 24. prosince 2026, čtvrtek", "CZ Adam a Eva, SK Adam a Eva",
                "CZ Štědrý den, SK Štedrý deň"]),
    ("Tab", ["čtvrtek 24. prosince 2026 tlačítko"]),
    ("Down", ["pátek 25. prosince 2026"]),
    ("Tab", ["den 24 otáčecí tlačítko"]),
    ("Up", ["25"]),
    ("Tab", ["prosinec kombo box", "měsíc"]),
    ("Up", ["listopad"]),
    ("Tab", ["rok 2026 otáčecí tlačítko"]),
    ("Up", ["2027"]),
    ("Tab", ["Seznam jmen"]),
    ("Tab", ["CZ"]),
    ("Right", ["SK"]),
    ("Left", ["CZ"]),
    ("Tab", ["Státní svátky, významné dny"]),
    ("Tab", ["Roční období"]),
    ("Tab", ["Znamení zvěrokruhu"]),
    ("Tab", ["Dnes je 24. prosince 2026"]),
    ("KP_Enter", ["Dnes je 24. prosince 2026"]),
    ("alt", ["Kalendář"]),
    ("Down", ["Převod - cizojazyčně"]),
    ("Return", ["zajímavosti a informace"]),
    ("sleep:2", []),
    ("Tab", []),
    ("Tab", []),
    ("Tab", []),
    ("Tab", []),
]


def prepis(vystup):
    """The transcript as (step, [phrases]) in order."""
    kroky = []
    for radek in open(os.path.join(vystup, "transcript.txt"), encoding="utf-8"):
        radek = radek.strip()
        if radek == "== (before first step)":
            kroky.append((None, []))
        elif radek.startswith("== "):
            kroky.append((radek.split(None, 2)[2], []))
        elif kroky and radek and radek != "(silence)":
            fraze = radek.split(None, 1)[-1]
            # Orca's own greeting comes whenever it is ready, before or after the start.
            if fraze != "Čtečka obrazovky zapnuta.":
                kroky[-1][1].append(fraze)
    return [k for k in kroky if k[0] is not None]


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    vystup = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "out/orca")
    klavesy = [k for k, _ in KROKY[1:]]
    subprocess.run([os.path.join(TU, "run.sh"), "keys", vystup, "@2026-12-24 10:00:00", *klavesy],
                   env=dict(os.environ, APP=program), check=True, stdout=subprocess.DEVNULL)
    slysene = prepis(vystup)
    chyby = []
    # The steps of the transcript: launch, then one per key, then the program's end.
    for n, (klavesa, fraze) in enumerate(KROKY):
        if n >= len(slysene):
            chyby.append(f"krok {n} ({klavesa}) chybí v přepisu")
            continue
        receno = " | ".join(slysene[n][1])
        # On a loaded machine Orca may speak a step's words only after the next key.
        pozde = " | ".join(slysene[n + 1][1]) if n + 1 < len(slysene) else ""
        if not receno and not pozde and not klavesa.startswith(("launch", "sleep:")):
            chyby.append(f"krok {n} ({klavesa}): ticho")
        for f in fraze:
            if f not in receno and f not in pozde:
                chyby.append(f"krok {n} ({klavesa}): chybí {f!r} v {receno!r}")
            elif f not in receno:
                print(f"pozdě: krok {n} ({klavesa}): {f!r}")
    if chyby:
        print("\n".join(chyby))
        print(open(os.path.join(vystup, "transcript.txt"), encoding="utf-8").read())
        return 1
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())

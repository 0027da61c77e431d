#!/usr/bin/python3
"""The calendar file of voranek-svatky as the calendar programs people use read it."""
import datetime
import os
import subprocess
import sys
import tempfile
import unittest

import icalendar

PROGRAM = sys.argv.pop(1)


def export(*argumenty):
    beh = subprocess.run([PROGRAM, *argumenty], capture_output=True, check=True)
    return beh.stdout


class Klienti(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.slozka = tempfile.TemporaryDirectory()
        cls.soubor = os.path.join(cls.slozka.name, "svatky.ics")
        subprocess.run([PROGRAM, "--ics", "2027-2028", "--varianta", "obe", "-o", cls.soubor],
                       check=True)

    @classmethod
    def tearDownClass(cls):
        cls.slozka.cleanup()

    def prostredi(self, jmeno):
        domov = os.path.join(self.slozka.name, jmeno)
        os.makedirs(domov, exist_ok=True)
        return dict(os.environ, HOME=domov, XDG_CONFIG_HOME=os.path.join(domov, "config"),
                    XDG_DATA_HOME=os.path.join(domov, "data"), TZ="Europe/Prague", LANG="C.UTF-8")

    def test_khal(self):
        env = self.prostredi("khal")
        udalosti = os.path.join(env["HOME"], "svatky")
        os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "khal"))
        with open(os.path.join(env["XDG_CONFIG_HOME"], "khal", "config"), "w") as f:
            f.write(f"[calendars]\n[[svatky]]\npath = {udalosti}\ntype = calendar\n"
                    "[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                    "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                    "longdatetimeformat = %Y-%m-%d %H:%M\n")

        def importuj():
            subprocess.run(["khal", "import", "--batch", "-a", "svatky", self.soubor], env=env,
                           check=True, capture_output=True)
            return len(os.listdir(udalosti))

        def den(datum):
            beh = subprocess.run(["khal", "list", "--format", "{title}|{categories}", datum, "1d"],
                                 env=env, check=True, capture_output=True, text=True)
            return sorted(r for r in beh.stdout.splitlines() if "|" in r)

        pocet = importuj()
        self.assertEqual(den("2027-03-29"), [
            "Svátek má Miroslav (SK)|jmeniny",
            "Svátek má Taťána (CZ)|jmeniny",
            "Velikonoční pondělí (CZ)|ostatní svátek",
            "Veľkonočný pondelok (SK)|ostatní svátek",
        ])
        self.assertEqual(den("2028-04-17"), [
            "Svátek má Rudolf (CZ)|jmeniny",
            "Svátek má Rudolf (SK)|jmeniny",
            "Velikonoční pondělí (CZ)|ostatní svátek",
            "Veľkonočný pondelok (SK)|ostatní svátek",
        ])
        self.assertEqual(den("2028-04-14"), [
            "Svátek má Justína (SK)|jmeniny",
            "Svátek má Vincenc (CZ)|jmeniny",
            "Velký pátek (CZ)|ostatní svátek",
            "Veľký piatok (SK)|ostatní svátek",
        ])
        self.assertEqual(den("2028-02-29"), [
            "Svátek má Horymír (CZ)|jmeniny",
            "Svátek má Radomír (SK)|jmeniny",
        ])
        self.assertEqual(den("2027-02-28")[:1], ["Svátek má Lumír (CZ)|jmeniny"])
        self.assertEqual(den("2027-12-24"), [
            "Svátek mají Adam a Eva (CZ)|jmeniny",
            "Svátek mají Adam a Eva (SK)|jmeniny",
            "Štedrý deň (SK)|ostatní svátek",
            "Štědrý den (CZ)|ostatní svátek",
        ])
        # A second import of the same days updates the events instead of doubling them.
        self.assertEqual(importuj(), pocet)

    def test_khal_po_roce_3000(self):
        """The years past 3000 that the calendar library cannot hold come out as real dates."""
        env = self.prostredi("khal3000")
        udalosti = os.path.join(env["HOME"], "svatky")
        os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "khal"))
        with open(os.path.join(env["XDG_CONFIG_HOME"], "khal", "config"), "w") as f:
            f.write(f"[calendars]\n[[svatky]]\npath = {udalosti}\ntype = calendar\n"
                    "[locale]\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n")
        soubor = os.path.join(env["HOME"], "3000.ics")
        subprocess.run([PROGRAM, "--ics", "3000-3001", "-o", soubor], check=True)
        subprocess.run(["khal", "import", "--batch", "-a", "svatky", soubor], env=env, check=True,
                       capture_output=True)
        beh = subprocess.run(["khal", "list", "--format", "{title}|{start}|{end}", "3000-12-31",
                              "2d"], env=env, check=True, capture_output=True, text=True)
        self.assertEqual(sorted(r for r in beh.stdout.splitlines() if "|" in r), [
            "Den obnovy samostatného českého státu / Nový rok|3001-01-01|3001-01-01",
            "Silvestr|3000-12-31|3000-12-31",
            "Svátek má Silvestr|3000-12-31|3000-12-31",
        ])

    def test_rok_9999(self):
        """Every event of the last year the program computes has its own day, one day long."""
        kalendar = icalendar.Calendar.from_ical(export("--ics", "9999", "--varianta", "obe"))
        dny = set()
        for u in kalendar.walk("VEVENT"):
            zacatek = u.decoded("DTSTART")
            self.assertEqual(zacatek.year, 9999)
            dny.add(zacatek)
            if zacatek == datetime.date(9999, 12, 31):
                # No four-digit year follows: the day is the event's length by default.
                self.assertNotIn("DTEND", u)
            else:
                self.assertEqual(u.decoded("DTEND") - zacatek, datetime.timedelta(days=1))
        self.assertEqual(len(dny), 365)

    def test_calcurse(self):
        env = self.prostredi("calcurse")
        data = os.path.join(env["HOME"], "calcurse")
        os.makedirs(data)
        beh = subprocess.run(["calcurse", "-D", data, "-i", self.soubor], env=env, check=True,
                             capture_output=True, text=True)
        pocet = len(icalendar.Calendar.from_ical(open(self.soubor, "rb").read()).walk("VEVENT"))
        self.assertIn(f"{pocet} events / 0 todos / 0 skipped", beh.stdout.replace("0 apps / ", ""))
        beh = subprocess.run(["calcurse", "-D", data, "-Q", "--from", "05/24/2027", "--days", "1"],
                             env=env, check=True, capture_output=True, text=True)
        self.assertIn("Svátek má Jana (CZ)", beh.stdout)

    def test_icalendar(self):
        kalendar = icalendar.Calendar.from_ical(export("--ics", "2027", "--jen", "Jana, Petr",
                                                       "--pripominka", "8:00"))
        self.assertEqual(str(kalendar["X-WR-CALNAME"]), "Jmeniny a svátky CZ")
        jmeniny = {}
        for u in kalendar.walk("VEVENT"):
            self.assertEqual(u["TRANSP"], "TRANSPARENT")
            self.assertEqual(u.decoded("DTEND") - u.decoded("DTSTART"), datetime.timedelta(days=1))
            if u["CATEGORIES"].to_ical().decode() == "jmeniny":
                alarm = u.walk("VALARM")[0]
                self.assertEqual(alarm.decoded("TRIGGER").total_seconds(), 8 * 3600)
                jmeniny[u.decoded("DTSTART").isoformat()] = str(u["SUMMARY"])
        self.assertEqual(jmeniny, {"2027-02-22": "Svátek má Petr", "2027-05-24": "Svátek má Jana",
                                   "2027-06-29": "Svátek má Petr"})

    def test_stejna_uid(self):
        def uid():
            return [str(u["UID"]) for u in
                    icalendar.Calendar.from_ical(export("--ics", "2027", "--varianta", "sk"))
                    .walk("VEVENT")]
        prvni = uid()
        self.assertEqual(len(set(prvni)), len(prvni))
        self.assertEqual(uid(), prvni)


if __name__ == "__main__":
    unittest.main(verbosity=2)

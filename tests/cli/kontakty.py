#!/usr/bin/python3
"""voranek-svatky --kontakty as a user runs it: a vCard file in the terminal and in khal, and the
address book of Evolution Data Server on a private session bus."""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = sys.argv.pop(1)
PRIDEJ = sys.argv.pop(1)
NEJDELE = 60

# Two contacts of one name, one on two lines folded, one with a line that means nothing.
SOUBOR = ("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nováková;Jana;;;\r\nFN:Jana Nováková\r\n"
          "UID:jana-1\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nováková;Jana;;;\r\nFN:Jana Nov\r\n áková\r\n"
          "UID:jana-2\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Kr=C3=A1l;"
          "Ji=C5=99=C3=AD\r\nnesmysl\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Kevin Smith\r\nEND:VCARD\r\n")


def prostredi(domov, **zmeny):
    env = dict(os.environ, HOME=domov, XDG_CONFIG_HOME=os.path.join(domov, "config"),
               XDG_DATA_HOME=os.path.join(domov, "data"),
               XDG_CACHE_HOME=os.path.join(domov, "cache"), TZ="Europe/Prague", LANG="C.UTF-8")
    env.pop("DISPLAY", None)
    env.update(zmeny)
    return env


def spust(argumenty, env):
    return subprocess.run([PROGRAM, *argumenty], env=env, capture_output=True, text=True,
                          timeout=NEJDELE)


def soubory(slozka):
    return sorted(os.path.relpath(os.path.join(k, s), slozka)
                  for k, _, ss in os.walk(slozka) for s in ss)


class Soubor(unittest.TestCase):
    def setUp(self):
        self.slozka = tempfile.TemporaryDirectory()
        self.domov = os.path.join(self.slozka.name, "domov")
        os.makedirs(self.domov)
        self.vcf = os.path.join(self.slozka.name, "kontakty.vcf")
        with open(self.vcf, "w", encoding="utf-8", newline="") as f:
            f.write(SOUBOR)
        self.env = prostredi(self.domov)

    def tearDown(self):
        self.slozka.cleanup()

    def test_terminal(self):
        beh = spust(["--kontakty", self.vcf, "--datum", "1.5.2027"], self.env)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertEqual(beh.stdout,
                         "24. května: Jana Nováková (CZ)\n24. května: Jana Nováková (CZ)\n"
                         "21. srpna: Jana Nováková (SK)\n21. srpna: Jana Nováková (SK)\n"
                         "24. dubna: Jiří Král (CZ)\n"
                         "\nJména, která kalendář nezná: Kevin Smith\n")
        self.assertEqual(beh.stderr, f"voranek-svatky: {self.vcf}: řádek 17: nečitelný řádek "
                         "přeskočen: „nesmysl“\n")
        self.assertEqual(soubory(self.domov), [])

    def test_chyby(self):
        self.prazdny = os.path.join(self.slozka.name, "prazdny.vcf")
        open(self.prazdny, "w").close()
        for argumenty, kod, zprava in [
                (["--kontakty", os.path.join(self.slozka.name, "neni.vcf")], 2, "neexistuje"),
                (["--kontakty", self.slozka.name], 2, "složka"),
                (["--kontakty", self.vcf, "--jen", "Jana", "--ics", "2027"], 2, "--jen"),
                (["--kontakty", self.prazdny], 1, "žádné kontakty")]:
            beh = spust(argumenty, self.env)
            self.assertEqual(beh.returncode, kod, argumenty)
            self.assertEqual(beh.stdout, "")
            self.assertEqual(beh.stderr.count("\n"), 1, beh.stderr)
            self.assertIn(zprava, beh.stderr)

    def test_khal(self):
        ics = os.path.join(self.slozka.name, "jmeniny.ics")
        beh = spust(["--kontakty", self.vcf, "--ics", "2027", "--pripominka", "8:00", "-o", ics],
                    self.env)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        udalosti = os.path.join(self.domov, "svatky")
        os.makedirs(os.path.join(self.env["XDG_CONFIG_HOME"], "khal"))
        with open(os.path.join(self.env["XDG_CONFIG_HOME"], "khal", "config"), "w") as f:
            f.write(f"[calendars]\n[[svatky]]\npath = {udalosti}\ntype = calendar\n"
                    "[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                    "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                    "longdatetimeformat = %Y-%m-%d %H:%M\n")

        def importuj():
            subprocess.run(["khal", "import", "--batch", "-a", "svatky", ics], env=self.env,
                           check=True, capture_output=True, timeout=NEJDELE)
            return len(os.listdir(udalosti))

        def den(datum):
            beh = subprocess.run(["khal", "list", "--format", "{title}|{categories}|{alarm-symbol}",
                                  datum, "1d"], env=self.env, check=True, capture_output=True,
                                 text=True, timeout=NEJDELE)
            return sorted(r.replace("| ", "|") for r in beh.stdout.splitlines() if "jmeniny" in r)

        pocet = importuj()
        self.assertEqual(den("2027-05-24"), ["Svátek má Jana Nováková|jmeniny|⏰"] * 2)
        self.assertEqual(den("2027-04-24"), ["Svátek má Jiří Král|jmeniny|⏰"])
        self.assertEqual(den("2027-06-29"), [])
        # An export made again updates the same events.
        spust(["--kontakty", self.vcf, "--ics", "2027", "-o", ics], self.env)
        self.assertEqual(importuj(), pocet)


class AdresarPlochy(unittest.TestCase):
    """Evolution Data Server's own services on a bus of the test, with a home of their own; the
    program runs with another home, which must stay empty."""

    def setUp(self):
        self.slozka = tempfile.TemporaryDirectory()
        sluzby = self.sluzby = os.path.join(self.slozka.name, "sluzby")
        beh = os.path.join(sluzby, "beh")
        os.makedirs(beh, mode=0o700)
        self.sbernice = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            env=prostredi(sluzby, XDG_RUNTIME_DIR=beh), stdout=subprocess.PIPE, text=True,
            start_new_session=True)
        self.adresa = self.sbernice.stdout.readline().strip()
        self.domov = os.path.join(self.slozka.name, "domov")
        os.makedirs(self.domov)
        self.env = prostredi(self.domov, DBUS_SESSION_BUS_ADDRESS=self.adresa)

    def tearDown(self):
        # The services go with the bus; the whole group of the bus is ended.
        os.killpg(self.sbernice.pid, signal.SIGTERM)
        self.sbernice.wait(timeout=NEJDELE)
        self.sbernice.stdout.close()
        self.slozka.cleanup()

    def test_adresar(self):
        pridani = subprocess.run(
            [PRIDEJ, "BEGIN:VCARD\nVERSION:3.0\nN:Nováková;Jana\nFN:Jana Nováková\nEND:VCARD",
             "BEGIN:VCARD\nVERSION:3.0\nFN:Štěpán Dvořák\nEND:VCARD",
             "BEGIN:VCARD\nVERSION:3.0\nN:Smith;Kevin\nFN:Kevin Smith\nEND:VCARD"],
            env=prostredi(self.sluzby, DBUS_SESSION_BUS_ADDRESS=self.adresa),
            capture_output=True, text=True, timeout=NEJDELE)
        self.assertEqual(pridani.returncode, 0, pridani.stderr)
        zacatek = time.monotonic()
        beh = spust(["--kontakty", "--datum", "2027-01-01"], self.env)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertLess(time.monotonic() - zacatek, 30)
        self.assertEqual(beh.stdout, "24. května: Jana Nováková (CZ)\n"
                         "21. srpna: Jana Nováková (SK)\n26. prosince: Štěpán Dvořák (CZ)\n"
                         "\nJména, která kalendář nezná: Kevin Smith\n")
        self.assertEqual(beh.stderr, "")
        ics = spust(["--kontakty", "--ics", "2027"], self.env)
        self.assertEqual(ics.stdout.count("SUMMARY:Svátek má "), 2, ics.stderr)
        self.assertEqual(soubory(self.domov), [])

    def test_bez_sbernice(self):
        for adresa in ["unix:path=" + os.path.join(self.slozka.name, "nic"), None]:
            env = dict(self.env)
            if adresa:
                env["DBUS_SESSION_BUS_ADDRESS"] = adresa
            else:
                del env["DBUS_SESSION_BUS_ADDRESS"]
            beh = spust(["--kontakty"], env)
            self.assertEqual(beh.returncode, 1)
            self.assertEqual(beh.stdout, "")
            self.assertEqual(beh.stderr.count("\n"), 1, beh.stderr)
            self.assertIn("Evolution Data Server", beh.stderr)


if __name__ == "__main__":
    if not shutil.which("khal"):
        sys.exit("khal is missing: scripts/deps.sh installs it")
    unittest.main(verbosity=2)

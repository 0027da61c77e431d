#!/usr/bin/python3
"""voranek-svatky --oznameni and --autostart as the desktop sees them.

Each case runs on a private session bus (dbus-run-session) whose notification service is this
file itself, started with --sluzba: it records every notification it receives, or with
--mlci takes them and never answers. With --aktivovana the bus starts it on demand.
"""
import json
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

ROZHRANI = "org.freedesktop.Notifications"

# The bus of a case: nothing activated on demand, so the machine's own services stay out.
KONFIGURACE = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

# However a case goes wrong, no run of the program takes longer than this.
NEJDELE = 20


def sluzba(zaznam, mlci, aktivovana=False):
    import dbus
    import dbus.mainloop.glib
    import dbus.service
    from gi.repository import GLib

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    sbernice = dbus.SessionBus()

    class Sluzba(dbus.service.Object):
        @dbus.service.method(ROZHRANI, in_signature="susssasa{sv}i", out_signature="u",
                             async_callbacks=("hotovo", "chyba"))
        def Notify(self, aplikace, nahrazuje, ikona, souhrn, telo, akce, napovedy, trvani,
                   hotovo, chyba):
            if mlci:
                return
            with open(zaznam, "a", encoding="utf-8") as f:
                f.write(json.dumps({"aplikace": str(aplikace), "ikona": str(ikona),
                                    "souhrn": str(souhrn), "telo": str(telo),
                                    "polozka": str(napovedy.get("desktop-entry", ""))},
                                   ensure_ascii=False) + "\n")
            hotovo(dbus.UInt32(1))

        @dbus.service.method(ROZHRANI, out_signature="ssss", async_callbacks=("hotovo", "chyba"))
        def GetServerInformation(self, hotovo, chyba):
            if not mlci:
                hotovo("zaznam", "VORANEK", "1.0", "1.2")

        @dbus.service.method(ROZHRANI, out_signature="as")
        def GetCapabilities(self):
            return ["body"]

        @dbus.service.method(ROZHRANI, in_signature="u")
        def CloseNotification(self, cislo):
            pass

    Sluzba(sbernice, "/org/freedesktop/Notifications")
    jmeno = dbus.service.BusName(ROZHRANI, sbernice, do_not_queue=True)
    smycka = GLib.MainLoop()
    if not aktivovana:
        # The test ends the service by closing its standard input; one the bus started ends
        # with the bus.
        GLib.io_add_watch(0, GLib.IO_HUP | GLib.IO_IN, lambda *_: smycka.quit())
        print(os.environ["DBUS_SESSION_BUS_ADDRESS"], flush=True)
    smycka.run()
    del jmeno


class Sbernice:
    """A private session bus; with sluzba=None nobody on it takes notifications."""

    def __init__(self, slozka, sluzba="zaznam", aktivace=False):
        self.zaznam = os.path.join(slozka, "zaznam.jsonl")
        konfigurace = os.path.join(slozka, "sbernice.conf")
        text = KONFIGURACE
        if aktivace:
            # The recording service, started by the bus on the first call for its name.
            sluzby = os.path.join(slozka, "sluzby")
            os.makedirs(sluzby, exist_ok=True)
            with open(os.path.join(sluzby, ROZHRANI + ".service"), "w") as f:
                f.write(f"[D-BUS Service]\nName={ROZHRANI}\nExec={sys.executable} "
                        f"{os.path.abspath(__file__)} --sluzba {self.zaznam} --aktivovana\n")
            text = text.replace("</busconfig>", f"  <servicedir>{sluzby}</servicedir>\n</busconfig>")
        with open(konfigurace, "w") as f:
            f.write(text)
        if sluzba is None:
            prikaz = ["sh", "-c", 'echo "$DBUS_SESSION_BUS_ADDRESS"; exec cat >/dev/null']
        else:
            prikaz = [sys.executable, os.path.abspath(__file__), "--sluzba", self.zaznam]
            if sluzba == "mlci":
                prikaz.append("--mlci")
        self.beh = subprocess.Popen(["dbus-run-session", "--config-file", konfigurace, "--",
                                     *prikaz], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                    stderr=subprocess.DEVNULL, text=True)
        self.adresa = self.beh.stdout.readline().strip()
        if not self.adresa:
            raise RuntimeError("the private session bus did not start")

    def zavri(self):
        self.beh.stdin.close()
        self.beh.wait(timeout=NEJDELE)
        self.beh.stdout.close()

    def oznameni(self):
        if not os.path.exists(self.zaznam):
            return []
        with open(self.zaznam, encoding="utf-8") as f:
            return [json.loads(r) for r in f]


def sluzba_na(adresa, zaznam):
    """The recording service joining the bus at the address later."""
    return subprocess.Popen([sys.executable, os.path.abspath(__file__), "--sluzba", zaznam],
                            env=dict(os.environ, DBUS_SESSION_BUS_ADDRESS=adresa),
                            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)


def prostredi(**zmeny):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
    env.update(zmeny)
    return env


def spust(argumenty, env, program=None, umask=None):
    zacatek = time.monotonic()
    beh = subprocess.run([program or PROGRAM, *argumenty], env=env, capture_output=True,
                         text=True, timeout=NEJDELE,
                         preexec_fn=None if umask is None else lambda: os.umask(umask))
    return beh, time.monotonic() - zacatek


class Oznameni(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.slozka = tempfile.TemporaryDirectory()
        cls.sbernice = Sbernice(cls.slozka.name)
        cls.env = prostredi(DBUS_SESSION_BUS_ADDRESS=cls.sbernice.adresa)

    @classmethod
    def tearDownClass(cls):
        cls.sbernice.zavri()
        cls.slozka.cleanup()

    def posli(self, *argumenty, kod=0, env=None):
        """The notifications one run sends."""
        pred = len(self.sbernice.oznameni())
        beh, _ = spust(argumenty, env or self.env)
        self.assertEqual(beh.returncode, kod, beh.stderr)
        self.assertEqual(beh.stdout, "")
        return self.sbernice.oznameni()[pred:]

    def test_den(self):
        pripady = {
            "2005-11-17": ("17. listopadu 2005 / čtvrtek",
                           "svátek má: Mahulena · SK: Klaudia\n"
                           "státní svátek, významný den: Den boje za svobodu a demokracii"
                           " · SK: Deň boja za slobodu a demokraciu"),
            "24.12.2026": ("24. prosince 2026 / čtvrtek",
                           "svátek má: Adam a Eva\n"
                           "státní svátek, významný den: Štědrý den · SK: Štedrý deň"),
            "2027-01-01": ("1. ledna 2027 / pátek",
                           "svátek má: dnes nikdo neslaví\n"
                           "státní svátek, významný den: Státní svátek / Nový rok"
                           " · SK: Deň vzniku SR"),
            "2027-05-24": ("24. května 2027 / pondělí",
                           "svátek má: Jana · SK: Ela\n"
                           "státní svátek, významný den: Dnes se neslaví..."),
        }
        for datum, (souhrn, telo) in pripady.items():
            with self.subTest(datum=datum):
                self.assertEqual(self.posli("--oznameni", "--datum", datum), [{
                    "aplikace": "VORANEK", "ikona": "org.voranek.Voranek",
                    "polozka": "org.voranek.Voranek", "souhrn": souhrn, "telo": telo}])

    def test_jen(self):
        pripady = [
            ("Jana, Petr", "2027-05-24", "Dnes má svátek Jana", "24. května 2027 / pondělí"),
            ("Jana, Petr", "2027-05-23", "Zítra má svátek Jana", "24. května 2027 / pondělí"),
            ("jana,PETR", "28.6.2027", "Zítra má svátek Petr", "29. června 2027 / úterý"),
            ("Horymír", "2028-02-28", "Zítra má svátek Horymír", "29. února 2028 / úterý"),
            ("horymir", "2028-02-29", "Dnes má svátek Horymír", "29. února 2028 / úterý"),
            ("Horymír", "2027-02-28", None, None),
            ("Horymír", "2100-02-28", None, None),
            ("Jana, Petr", "2027-05-22", None, None),
            ("Jana, Petr", "2027-05-25", None, None),
        ]
        for jmena, datum, souhrn, telo in pripady:
            with self.subTest(jmena=jmena, datum=datum):
                oznameni = self.posli("--oznameni", "--jen", jmena, "--datum", datum)
                if souhrn is None:
                    self.assertEqual(oznameni, [])
                else:
                    self.assertEqual([(o["aplikace"], o["ikona"], o["souhrn"], o["telo"])
                                      for o in oznameni],
                                     [("VORANEK", "org.voranek.Voranek", souhrn, telo)])

    def test_spatne_jmeno(self):
        for jmena in ("Jana, Xaver", "Jana,"):
            with self.subTest(jmena=jmena):
                self.assertEqual(self.posli("--oznameni", "--jen", jmena, "--datum", "2027-05-24",
                                            kod=2), [])

    def test_autostart(self):
        domov = os.path.join(self.slozka.name, "domov")
        nastaveni = os.path.join(self.slozka.name, "nastaveni")
        # No systemd user manager to be found: the entry at login it is.
        beh_ = os.path.join(self.slozka.name, "beh")
        os.makedirs(beh_, mode=0o700, exist_ok=True)
        env = dict(self.env, HOME=domov, XDG_CONFIG_HOME=nastaveni, XDG_RUNTIME_DIR=beh_,
                   XDG_STATE_HOME=os.path.join(self.slozka.name, "stav-autostart"))
        soubor = os.path.join(nastaveni, "autostart", "voranek-svatky.desktop")

        # It runs a command at login: nobody else may write it, whatever the umask.
        beh, _ = spust(["--autostart", "zapnout", "--jen", " jana,Petr "], env, umask=0)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertIn(soubor, beh.stdout)
        self.assertIn("automatického spuštění", beh.stdout)
        self.assertEqual(os.stat(soubor).st_mode & 0o777, 0o644)
        self.assertEqual(os.stat(os.path.dirname(soubor)).st_mode & 0o777, 0o700)
        kontrola = subprocess.run(["desktop-file-validate", soubor], capture_output=True,
                                  text=True)
        self.assertEqual((kontrola.returncode, kontrola.stdout), (0, ""))

        from gi.repository import GLib
        polozka = GLib.KeyFile()
        polozka.load_from_file(soubor, GLib.KeyFileFlags.NONE)
        skupina = "Desktop Entry"
        program = os.path.realpath(PROGRAM)
        self.assertEqual(polozka.get_string(skupina, "TryExec"), program)
        self.assertEqual(polozka.get_string(skupina, "Icon"), "org.voranek.Voranek")
        exec_ = polozka.get_string(skupina, "Exec")
        self.assertNotIn("%", exec_)
        _, argumenty = GLib.shell_parse_argv(exec_)
        self.assertEqual(argumenty, [program, "--oznameni", "--jednou-denne", "--jen",
                                     "jana, Petr"])

        # The login on 23 May, with the clock set by the one option the entry lacks.
        pred = len(self.sbernice.oznameni())
        beh, _ = spust([*argumenty[1:], "--datum", "2027-05-23"], env, program=argumenty[0])
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertEqual([(o["aplikace"], o["souhrn"]) for o in self.sbernice.oznameni()[pred:]],
                         [("VORANEK", "Zítra má svátek Jana")])

        # Names the calendars do not know leave the entry as it was.
        with open(soubor, "rb") as f:
            drive = f.read()
        for jmena in ('Jana"; rm -rf ~; "', "Jana, $HOME", "Jana, `id`"):
            with self.subTest(jmena=jmena):
                beh, _ = spust(["--autostart", "zapnout", "--jen", jmena], env)
                self.assertEqual(beh.returncode, 2)
                with open(soubor, "rb") as f:
                    self.assertEqual(f.read(), drive)
        self.assertEqual(os.listdir(os.path.dirname(soubor)), ["voranek-svatky.desktop"])

        # Contacts: the entry names the file by its whole path, as a login starts elsewhere,
        # and says whose name day it is by the contact's full name.
        adresar = os.path.join(self.slozka.name, 'Můj "adresář" $X')
        os.makedirs(adresar, exist_ok=True)
        with open(os.path.join(adresar, "kontakty.vcf"), "w", encoding="utf-8") as f:
            f.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nováková;Jana;;;\r\n"
                    "FN:Jana Nováková\r\nEND:VCARD\r\n")
        beh, _ = spust(["--autostart", "zapnout", "--kontakty",
                        os.path.join(adresar, "..", os.path.basename(adresar), "kontakty.vcf")],
                       env)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        polozka = GLib.KeyFile()
        polozka.load_from_file(soubor, GLib.KeyFileFlags.NONE)
        _, argumenty = GLib.shell_parse_argv(polozka.get_string(skupina, "Exec"))
        self.assertEqual(argumenty, [program, "--oznameni", "--jednou-denne", "--kontakty",
                                     os.path.join(os.path.realpath(adresar), "kontakty.vcf")])
        pred = len(self.sbernice.oznameni())
        beh, _ = spust([*argumenty[1:], "--datum", "2028-05-23"], env, program=argumenty[0])
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertEqual([o["souhrn"] for o in self.sbernice.oznameni()[pred:]],
                         ["Zítra má svátek Jana Nováková"])

        beh, _ = spust(["--autostart", "vypnout"], env)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertFalse(os.path.exists(soubor))
        beh, _ = spust(["--autostart", "vypnout"], env)
        self.assertEqual(beh.returncode, 0, beh.stderr)

        # Without the variable, or with a relative path in it, the entry goes under the home.
        for promenna in (None, "relativni/cesta"):
            with self.subTest(XDG_CONFIG_HOME=promenna):
                env = dict(self.env, HOME=domov, XDG_RUNTIME_DIR=beh_)
                if promenna:
                    env["XDG_CONFIG_HOME"] = promenna
                beh, _ = spust(["--autostart", "zapnout"], env)
                self.assertEqual(beh.returncode, 0, beh.stderr)
                soubor = os.path.join(domov, ".config", "autostart", "voranek-svatky.desktop")
                polozka = GLib.KeyFile()
                polozka.load_from_file(soubor, GLib.KeyFileFlags.NONE)
                self.assertEqual(GLib.shell_parse_argv(polozka.get_string(skupina, "Exec"))[1],
                                 [program, "--oznameni", "--jednou-denne"])
                spust(["--autostart", "vypnout"], env)
                self.assertFalse(os.path.exists(soubor))


    def test_jednou_denne(self):
        # Runs of one user in order: (date, what the state file holds before the run or None
        # to leave it, whether a notification comes).
        pripady = [
            ("2027-05-24", None, True),
            ("2027-05-24", None, False),
            ("24.5.2027", None, False),
            ("2027-05-25", None, True),
            ("2027-05-25", None, False),
            ("2027-05-25", "2027-05-2", True),
            ("2027-05-25", "\x00\xff nesmysl", True),
            ("2027-05-25", "", True),
            ("2027-05-26", "2027-05-26\n", False),
        ]
        stav = os.path.join(self.slozka.name, "stav-jednou")
        env = dict(self.env, XDG_STATE_HOME=stav)
        soubor = os.path.join(stav, "voranek", "posledni-pripominka")
        for i, (datum, obsah, ukaze) in enumerate(pripady):
            with self.subTest(krok=i, datum=datum, obsah=obsah):
                if obsah is not None:
                    with open(soubor, "wb") as f:
                        f.write(obsah.encode("latin-1"))
                oznameni = self.posli("--oznameni", "--jednou-denne", "--datum", datum, env=env)
                self.assertEqual(len(oznameni), 1 if ukaze else 0)
        self.assertEqual(os.stat(os.path.dirname(soubor)).st_mode & 0o777, 0o700)

        # A day whose notification did not reach the desktop is not yet shown; without the
        # variable the record is under the home.
        domov = os.path.join(self.slozka.name, "domov-jednou")
        beh_ = os.path.join(self.slozka.name, "beh-jednou")
        os.makedirs(beh_)
        bez = prostredi(HOME=domov, XDG_RUNTIME_DIR=beh_)
        beh, _ = spust(["--oznameni", "--jednou-denne", "--datum", "2027-06-01"], bez)
        self.assertEqual(beh.returncode, 1, beh.stderr)
        env = dict(self.env, HOME=domov)
        env.pop("XDG_STATE_HOME", None)
        self.assertEqual(len(self.posli("--oznameni", "--jednou-denne", "--datum", "2027-06-01",
                                        env=env)), 1)
        with open(os.path.join(domov, ".local", "state", "voranek", "posledni-pripominka")) as f:
            self.assertEqual(f.read(), "2027-06-01\n")


class PozdniSluzba(unittest.TestCase):
    """At login the notification service comes up after the program has started."""

    def test_pozdni_sluzba(self):
        for zpusob in ("aktivace", "objevi se"):
            with self.subTest(zpusob=zpusob), tempfile.TemporaryDirectory() as slozka:
                sbernice = Sbernice(slozka, sluzba=None, aktivace=zpusob == "aktivace")
                env = prostredi(DBUS_SESSION_BUS_ADDRESS=sbernice.adresa,
                                XDG_STATE_HOME=os.path.join(slozka, "stav"))
                pozdni = None
                try:
                    zacatek = time.monotonic()
                    beh = subprocess.Popen([PROGRAM, "--oznameni", "--jednou-denne", "--datum",
                                            "2027-05-24"], env=env, stdout=subprocess.PIPE,
                                           stderr=subprocess.PIPE, text=True)
                    if zpusob == "objevi se":
                        try:
                            beh.wait(timeout=10)
                        except subprocess.TimeoutExpired:
                            pass
                        pozdni = sluzba_na(sbernice.adresa, sbernice.zaznam)
                    vystup, chyby = beh.communicate(timeout=NEJDELE + 10)
                    doba = time.monotonic() - zacatek
                    self.assertEqual((beh.returncode, vystup, chyby), (0, "", ""))
                    self.assertEqual([o["souhrn"] for o in sbernice.oznameni()],
                                     ["24. května 2027 / pondělí"])
                    if pozdni:
                        self.assertGreater(doba, 10)
                finally:
                    if pozdni:
                        pozdni.stdin.close()
                        pozdni.wait(timeout=NEJDELE)
                    sbernice.zavri()


class BezOznameni(unittest.TestCase):
    """A desktop that does not take notifications: one line, status 1, in bounded time."""

    def setUp(self):
        self.slozka = tempfile.TemporaryDirectory()
        # No bus found through the runtime folder either.
        self.env = prostredi(XDG_RUNTIME_DIR=self.slozka.name)

    def tearDown(self):
        self.slozka.cleanup()

    def over(self, beh, doba, duvod, nejdele):
        self.assertEqual(beh.returncode, 1, beh.stderr)
        self.assertEqual(beh.stdout, "")
        self.assertEqual(beh.stderr.count("\n"), 1, beh.stderr)
        self.assertTrue(beh.stderr.startswith("Plocha nenabízí oznámení"), beh.stderr)
        self.assertIn(duvod, beh.stderr)
        self.assertLess(doba, nejdele)

    def test_bez_sbernice(self):
        for adresa in (None, "unix:path=" + os.path.join(self.slozka.name, "nikde")):
            with self.subTest(adresa=adresa):
                env = dict(self.env)
                if adresa:
                    env["DBUS_SESSION_BUS_ADDRESS"] = adresa
                beh, doba = spust(["--oznameni"], env)
                self.over(beh, doba, "sběrnice", 3)

    def test_nikdo_neprijima(self):
        sbernice = Sbernice(self.slozka.name, sluzba=None)
        try:
            beh, doba = spust(["--oznameni"], dict(self.env,
                                                  DBUS_SESSION_BUS_ADDRESS=sbernice.adresa))
        finally:
            sbernice.zavri()
        self.over(beh, doba, "neběží", 3)

    def test_nikdo_neodpovida(self):
        # A service that takes the call and never answers, and a bus that never says a word:
        # all run at once, each must be given up within a few seconds, also when the parent
        # has blocked the timer signals.
        sbernice = Sbernice(self.slozka.name, sluzba="mlci")
        nema = socket.socket(socket.AF_UNIX)
        nema.bind(os.path.join(self.slozka.name, "nema"))
        nema.listen()

        def zablokuj():
            signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGALRM, signal.SIGVTALRM,
                                                      signal.SIGPROF})
        try:
            behy = [subprocess.Popen([PROGRAM, "--oznameni"], env=dict(self.env,
                                     DBUS_SESSION_BUS_ADDRESS=adresa), stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, text=True, preexec_fn=maska)
                    for adresa in (sbernice.adresa,
                                   "unix:path=" + os.path.join(self.slozka.name, "nema"))
                    for maska in (None, zablokuj)]
            zacatek = time.monotonic()
            for beh in behy:
                vystup, chyby = beh.communicate(timeout=NEJDELE)
                self.over(subprocess.CompletedProcess(beh.args, beh.returncode, vystup, chyby),
                          time.monotonic() - zacatek, "neodpovídá", 7)
        finally:
            nema.close()
            sbernice.zavri()


if __name__ == "__main__":
    if sys.argv[1] == "--sluzba":
        sluzba(sys.argv[2], "--mlci" in sys.argv, "--aktivovana" in sys.argv)
    else:
        PROGRAM = sys.argv.pop(1)
        unittest.main(verbosity=2)

#!/usr/bin/python3
"""The daily reminder as systemd runs it.

The unit files voranek-svatky --autostart writes pass systemd-analyze verify. Where a systemd
user manager can be started here (a runtime folder of its own; on a machine not booted with
systemd, in a mount namespace that tells it otherwise), the timer is enabled and started, makes
up a day missed while the machine was off, and its service reaches a recording notification
service (that of oznameni.py) on the manager's own bus, once a day.
"""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

TU = os.path.dirname(os.path.abspath(__file__))
# No wait on a real program takes longer than this.
NEJDELE = 30
CASOVAC = "voranek-svatky.timer"
# A graphical session as a desktop's login starts one; the target refuses a start of its own.
SEZENI = """[Unit]
BindsTo=graphical-session.target
Before=graphical-session.target

[Service]
ExecStart=sleep infinity
"""


def prostredi(slozka, **zmeny):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                        "XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME")}
    env.update(HOME=os.path.join(slozka, "domov"), XDG_RUNTIME_DIR=os.path.join(slozka, "beh"))
    env.update(zmeny)
    return env


def spust(prikaz, env, umask=None):
    return subprocess.run(prikaz, env=env, capture_output=True, text=True, timeout=NEJDELE,
                          preexec_fn=None if umask is None else lambda: os.umask(umask))


def nachystej(slozka):
    for podslozka, prava in (("domov", 0o755), ("beh", 0o700)):
        os.makedirs(os.path.join(slozka, podslozka), mode=prava, exist_ok=True)


def program_v(slozka):
    """The program and its notification module in a folder whose name needs quoting."""
    cil = os.path.join(slozka, "Můj 100% $HOME program")
    os.makedirs(cil)
    for soubor in (PROGRAM, os.path.join(os.path.dirname(PROGRAM), "voranek-oznameni.so")):
        shutil.copy2(soubor, cil)
    return os.path.join(cil, os.path.basename(PROGRAM))


class Overeni(unittest.TestCase):
    """The units as written, checked by systemd's own verifier; a systemctl of the test's
    own stands for the user manager and records what it is asked."""

    def test_verify(self):
        for argumenty in ([], ["--jen", "Jana, Petr", "--pripominka", "7:05"],
                          ["--pripominka", "23:59"]):
            with self.subTest(argumenty=argumenty), tempfile.TemporaryDirectory() as slozka:
                nachystej(slozka)
                nahrada = os.path.join(slozka, "bin")
                os.makedirs(nahrada)
                zaznam = os.path.join(slozka, "systemctl.log")
                with open(os.path.join(nahrada, "systemctl"), "w") as f:
                    f.write(f'#!/bin/sh\necho "$*" >> "{zaznam}"\n')
                os.chmod(os.path.join(nahrada, "systemctl"), 0o755)
                program = program_v(slozka)
                env = prostredi(slozka, PATH=nahrada + os.pathsep + os.environ["PATH"])
                beh = spust([program, "--autostart", "zapnout", *argumenty], env, umask=0)
                self.assertEqual(beh.returncode, 0, beh.stderr)
                self.assertIn("časovač systemd", beh.stdout)
                jednotky = os.path.join(env["HOME"], ".config", "systemd", "user")
                for jednotka in (CASOVAC, "voranek-svatky.service"):
                    self.assertEqual(os.stat(os.path.join(jednotky, jednotka)).st_mode & 0o777,
                                     0o644)
                # Enabled and started by the program, with the manager told of the files
                # before.
                with open(zaznam) as f:
                    prikazy = [r.split()[2:] for r in f]
                self.assertIn(["daemon-reload"], prikazy)
                self.assertLess(prikazy.index(["daemon-reload"]),
                                prikazy.index(["enable", CASOVAC]))
                self.assertIn(["restart", CASOVAC], prikazy)
                kontrola = subprocess.run(
                    ["systemd-analyze", "--user", "verify", CASOVAC, "voranek-svatky.service"],
                    cwd=jednotky, env=dict(env, PATH=os.environ["PATH"]), capture_output=True,
                    text=True, timeout=NEJDELE)
                self.assertEqual((kontrola.returncode, kontrola.stderr), (0, ""))


class SpravceSluzeb:
    """A systemd user manager of the test's own, or the reason there can be none."""

    def __init__(self, slozka):
        self.env = prostredi(slozka)
        if os.path.isdir("/run/systemd/system"):
            prikaz = ["systemd", "--user"]
        elif os.geteuid() == 0 and shutil.which("unshare"):
            prikaz = ["unshare", "--mount", "sh", "-c",
                      "mount -t tmpfs tmpfs /run/systemd && mkdir /run/systemd/system"
                      " && exec systemd --user"]
        else:
            raise unittest.SkipTest("this machine was not booted with systemd and a user "
                                    "manager needs root to be started here")
        self.beh = subprocess.Popen(prikaz, env=dict(self.env, PATH="/lib/systemd:/usr/lib/"
                                                     "systemd:" + os.environ["PATH"]),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        konec = time.monotonic() + NEJDELE
        while self.systemctl("show", "--property=Version").returncode != 0:
            if self.beh.poll() is not None or time.monotonic() > konec:
                self.zavri()
                raise unittest.SkipTest("no systemd user manager could be started here")
            time.sleep(0.1)

    def systemctl(self, *argumenty):
        return spust(["systemctl", "--user", *argumenty], self.env)

    def zavri(self):
        if self.beh.poll() is None:
            self.systemctl("exit")
            try:
                self.beh.wait(timeout=NEJDELE)
            except subprocess.TimeoutExpired:
                self.beh.kill()
                self.beh.wait()


class Casovac(unittest.TestCase):
    def setUp(self):
        self.slozka = tempfile.TemporaryDirectory()
        nachystej(self.slozka.name)
        self.spravce = SpravceSluzeb(self.slozka.name)
        self.sluzba = None

    def tearDown(self):
        if self.sluzba:
            self.sluzba.stdin.close()
            self.sluzba.wait(timeout=NEJDELE)
            self.sluzba.stdout.close()
        self.spravce.zavri()
        self.slozka.cleanup()

    def test_casovac(self):
        env = self.spravce.env
        domov = env["HOME"]
        # The recording notification service on the bus the manager gives its services.
        zaznam = os.path.join(self.slozka.name, "zaznam.jsonl")
        self.sluzba = subprocess.Popen(
            [sys.executable, os.path.join(TU, "oznameni.py"), "--sluzba", zaznam],
            env=dict(env, DBUS_SESSION_BUS_ADDRESS="unix:path="
                     + os.path.join(env["XDG_RUNTIME_DIR"], "bus")),
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.assertTrue(self.sluzba.stdout.readline())

        # The timer last fired two days ago: the machine was off since.
        razitka = os.path.join(domov, ".local", "share", "systemd", "timers")
        os.makedirs(razitka)
        razitko = os.path.join(razitka, "stamp-" + CASOVAC)
        open(razitko, "w").close()
        pred = time.time() - 2 * 86400
        os.utime(razitko, (pred, pred))

        # A manager without a graphical session would never run the timer: the entry at login
        # it is, until the desktop's session runs under the manager.
        program = program_v(self.slozka.name)
        beh = spust([program, "--autostart", "zapnout"], env)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertIn("automatického spuštění", beh.stdout)
        autostart = os.path.join(domov, ".config", "autostart", "voranek-svatky.desktop")
        self.assertTrue(os.path.exists(autostart))

        # Logged in to the desktop.
        beh_ = os.path.join(env["XDG_RUNTIME_DIR"], "systemd", "user")
        os.makedirs(beh_, exist_ok=True)
        with open(os.path.join(beh_, "sezeni.service"), "w") as f:
            f.write(SEZENI)
        self.assertEqual(self.spravce.systemctl("daemon-reload").returncode, 0)
        self.assertEqual(self.spravce.systemctl("start", "sezeni.service").returncode, 0)

        beh = spust([program, "--autostart", "zapnout"], env, umask=0)
        self.assertEqual(beh.returncode, 0, beh.stderr)
        self.assertIn("časovač systemd", beh.stdout)
        self.assertEqual(self.spravce.systemctl("is-enabled", CASOVAC).stdout, "enabled\n")
        self.assertEqual(self.spravce.systemctl("is-active", CASOVAC).stdout, "active\n")
        jednotky = os.path.join(domov, ".config", "systemd", "user")
        self.assertTrue(os.path.islink(os.path.join(jednotky, "graphical-session.target.wants",
                                                    CASOVAC)))
        self.assertFalse(os.path.exists(autostart))
        argv = self.spravce.systemctl("show", "--property=ExecStart",
                                      "voranek-svatky.service").stdout
        self.assertIn(f"argv[]={program} --oznameni --jednou-denne ;", argv)

        # The missed day is made up at once.
        konec = time.monotonic() + NEJDELE
        while not os.path.exists(zaznam) and time.monotonic() < konec:
            time.sleep(0.1)
        self.assertTrue(os.path.exists(zaznam), self.spravce.systemctl(
            "status", "voranek-svatky.service").stdout)
        # A second start on the same day, as after a wake, reminds no more.
        self.assertEqual(self.spravce.systemctl("start", "voranek-svatky.service").returncode, 0)
        with open(zaznam, encoding="utf-8") as f:
            self.assertEqual(len(f.readlines()), 1)
        with open(os.path.join(domov, ".local", "state", "voranek",
                               "posledni-pripominka")) as f:
            self.assertEqual(f.read(), datetime.date.today().isoformat() + "\n")

        # The timer lives with the graphical session: a logout stops it, a login starts it.
        for akce, stav in (("stop", "inactive\n"), ("start", "active\n")):
            with self.subTest(sezeni=akce):
                self.assertEqual(self.spravce.systemctl(akce, "sezeni.service").returncode, 0)
                self.assertEqual(self.spravce.systemctl("is-active", CASOVAC).stdout, stav)
        with open(zaznam, encoding="utf-8") as f:
            self.assertEqual(len(f.readlines()), 1)

        beh = spust([program, "--autostart", "vypnout"], env)
        self.assertEqual((beh.returncode, beh.stdout), (0, "Připomínka jmenin je vypnuta.\n"),
                         beh.stderr)
        self.assertEqual(os.listdir(jednotky), [])
        self.assertNotEqual(self.spravce.systemctl("is-active", CASOVAC).stdout, "active\n")


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)

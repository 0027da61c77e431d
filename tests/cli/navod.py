#!/usr/bin/python3
"""The README's cron example and its jq line, run as written on the days without a Czech
name and on one with it: never "null", never an empty name."""
import os
import re
import subprocess
import sys
import tempfile
import unittest

README = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "README.md")

# The days the Czech calendar gives no name, and one it does.
DNY = {
    "2027-01-01": None, "2027-01-06": None, "2027-05-01": None, "2027-05-08": None,
    "2027-07-06": None, "2027-10-28": None, "2027-11-02": None, "2027-12-25": None,
    "2027-05-24": "Jana",
}


class Navod(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(README, encoding="utf-8") as f:
            cls.text = f.read()

    def spust(self, prikaz, den):
        """The command through sh, with the program on the day and mail recording what it
        would send."""
        with tempfile.TemporaryDirectory() as slozka:
            with open(os.path.join(slozka, "voranek-svatky"), "w") as f:
                f.write(f'#!/bin/sh\nexec "{PROGRAM}" "$@" --datum {den}\n')
            zaznam = os.path.join(slozka, "posta")
            with open(os.path.join(slozka, "mail"), "w") as f:
                f.write(f'#!/bin/sh\nprintf "%s\\n" "$@" > "{zaznam}"\ncat >> "{zaznam}"\n')
            for program in ("voranek-svatky", "mail"):
                os.chmod(os.path.join(slozka, program), 0o755)
            beh = subprocess.run(["sh", "-c", prikaz], capture_output=True, text=True,
                                 timeout=30, env=dict(os.environ, PATH=slozka + os.pathsep
                                                      + os.environ["PATH"]))
            self.assertEqual((beh.returncode, beh.stderr), (0, ""))
            if not os.path.exists(zaznam):
                return beh.stdout, None
            with open(zaznam, encoding="utf-8") as f:
                return beh.stdout, f.read()

    def test_cron(self):
        radek = re.search(r"^0 7 \* \* \* (.*)$", self.text, re.M)
        self.assertTrue(radek)
        for den, jmeno in DNY.items():
            with self.subTest(den=den):
                _, posta = self.spust(radek.group(1), den)
                radky = posta.split("\n")
                self.assertEqual(radky[0], "-s")
                predmet = radky[1]
                self.assertNotIn("null", posta)
                self.assertIn(jmeno or "dnes nikdo neslaví", predmet)
                self.assertEqual(radky[2], "you@example.org")
                # The body is the day itself.
                self.assertRegex(radky[3], r"^\d+\. \S+ 2027 / \S+$")

    def test_jq(self):
        prikaz = re.search(r"`(voranek-svatky --json \| jq [^`]*)`", self.text)
        self.assertTrue(prikaz)
        for den, jmeno in DNY.items():
            with self.subTest(den=den):
                vystup, _ = self.spust(prikaz.group(1), den)
                self.assertEqual(vystup, (jmeno or "dnes nikdo neslaví") + "\n")


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)

#!/usr/bin/python3
"""Reads VORANEK's windows through AT-SPI, the way a screen reader such as Orca does.

    pristupnost_atspi.py build/test/tests/app/pristupnost_okna

Starts a private X server (on a display number it asks the server to choose, so that it never
races another one for it) and a private session bus inside that display's environment. The bus
starts the accessibility bus (at-spi-bus-launcher) and its registry on demand, with the
display known to them, so that the registry can type and click there. The windows run on a
clock this script sets through the helper's standard input; the script waits only for the bus
to deliver, never for the program's time to pass.

Fails when a showing object that tells something or takes the keyboard focus has no name, and
checks that the date line, the name and holiday lines, the clock's time, the translation and
the name heading can be read as text and are announced anew when they change.
"""

import datetime
import os
import select
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

# How long the bus may take to show a change; the windows start under the sanitizers.
LHUTA_STARTU = 60.0
LHUTA = 10.0

# Objects that only hold others; they need no name of their own.
KONTEJNERY = {
    pyatspi.ROLE_APPLICATION,
    pyatspi.ROLE_FILLER,
    pyatspi.ROLE_PANEL,
    pyatspi.ROLE_LAYERED_PANE,
    pyatspi.ROLE_MENU_BAR,
    pyatspi.ROLE_POPUP_MENU,
    pyatspi.ROLE_SEPARATOR,
}

# Keys by their X keysyms.
KLAVESA_HOME = 0xFF50
KLAVESA_UP = 0xFF52
KLAVESA_DOWN = 0xFF54
KLAVESA_END = 0xFF57
KLAVESA_TAB = 0xFF09

# Days the clock reaches, each from the second before its midnight, with the lines the today
# panel shows on them (the same days and lines as the today panel's own test, tst_dnes).
DNY = [
    ("2005-11-20", "20. listopadu 2005 / neděle", ["Nikola", "Félix"],
     ["Dnes se neslaví...", "Dnes se neslaví..."]),
    ("2008-01-01", "1. ledna 2008 / úterý", ["dnes nikdo neslaví", "dnes nikdo neslaví"],
     ["Státní svátek / Nový rok", "Deň vzniku SR"]),
    ("2008-02-29", "29. února 2008 / pátek", ["Horymír", "Radomír"],
     ["Dnes se neslaví...", "Dnes se neslaví..."]),
    ("2005-12-24", "24. prosince 2005 / sobota", ["Adam a Eva", "Adam a Eva"],
     ["Štědrý den", "Štedrý deň"]),
    ("2005-03-28", "28. března 2005 / pondělí", ["Soňa", "Soňa"],
     ["Velikonoční pondělí", "Veľkonočný pondelok"]),
]


class Chyba(Exception):
    pass


def obsluz_sbernici():
    """Lets the bus's pending messages (events among them) reach this process."""
    kontext = GLib.MainContext.default()
    while kontext.pending():
        kontext.iteration(False)


def cekej(podminka, co, lhuta=LHUTA):
    konec = time.monotonic() + lhuta
    while True:
        obsluz_sbernici()
        vysledek = podminka()
        if vysledek:
            return vysledek
        if time.monotonic() > konec:
            raise Chyba(f"nedočkal jsem se: {co}")
        time.sleep(0.02)


def potomci(objekt):
    for i in range(objekt.childCount):
        dite = objekt.getChildAtIndex(i)
        if dite is not None:
            yield dite


def ukazuje_se(objekt):
    return objekt.getState().contains(pyatspi.STATE_SHOWING)


def viditelne(objekt):
    """The object and all it holds that shows on screen, as a screen reader walks it."""
    yield objekt
    for dite in potomci(objekt):
        if ukazuje_se(dite):
            yield from viditelne(dite)


def popis(objekt):
    return f"{objekt.getRoleName()} {objekt.name!r}"


def najdi(koren, role, jmeno):
    for objekt in viditelne(koren):
        if objekt.getRole() == role and objekt.name == jmeno:
            return objekt
    return None


def text(objekt):
    objekt.clearCache()
    try:
        rozhrani = objekt.queryText()
    except NotImplementedError:
        raise Chyba(f"{popis(objekt)} nemá textové rozhraní")
    return rozhrani.getText(0, -1)


def bezejmenne(okno):
    chybi = []
    for objekt in viditelne(okno):
        fokus = objekt.getState().contains(pyatspi.STATE_FOCUSABLE)
        if (fokus or objekt.getRole() not in KONTEJNERY) and not objekt.name.strip():
            rodic = objekt.parent
            chybi.append(f"{objekt.getRoleName()} v {popis(rodic) if rodic else '?'}")
    return chybi


class Okna:
    """The helper program on its own clock, and its application on the bus."""

    def __init__(self, program, cas):
        prostredi = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.proces = subprocess.Popen([program, cas], stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, env=prostredi, text=True)
        self.aplikace = cekej(self._aplikace, "program na sběrnici přístupnosti", LHUTA_STARTU)
        self.hlavni = cekej(lambda: self.okno("  VORANEK"), "hlavní okno", LHUTA_STARTU)

    def _aplikace(self):
        if self.proces.poll() is not None:
            raise Chyba(f"program skončil s kódem {self.proces.returncode}")
        for aplikace in potomci(pyatspi.Registry.getDesktop(0)):
            if aplikace.get_process_id() == self.proces.pid:
                return aplikace
        return None

    def okno(self, titulek):
        for okno in potomci(self.aplikace):
            if okno.name == titulek and ukazuje_se(okno):
                return okno
        return None

    def nastav_cas(self, cas):
        self.proces.stdin.write(f"cas {cas}\n")
        self.proces.stdin.flush()
        pripraveno, _, _ = select.select([self.proces.stdout], [], [], LHUTA)
        odpoved = self.proces.stdout.readline().strip() if pripraveno else ""
        if odpoved != "hotovo":
            raise Chyba(f"program na 'cas {cas}' odpověděl {odpoved!r}")

    def zavri(self):
        if self.proces.poll() is None:
            self.proces.stdin.close()
            try:
                self.proces.wait(LHUTA)
            except subprocess.TimeoutExpired:
                self.proces.kill()
                self.proces.wait()


class Vlozeni:
    """The texts the program announced as inserted, by the object's name."""

    def __init__(self):
        self.texty = []
        pyatspi.Registry.registerEventListener(self._zapis, "object:text-changed:insert")

    def _zapis(self, udalost):
        self.texty.append((udalost.source.name, udalost.any_data))

    def cekej_na(self, jmeno, obsah):
        """Waits for the text in the object whose name is, or begins with, jmeno."""
        cekej(lambda: any(j.startswith(jmeno) and t == obsah for j, t in self.texty),
              f"ohlášení {obsah!r} v {jmeno!r}")


class Udalosti:
    """Every object event of one process, by type and source name."""

    def __init__(self, pid):
        self.pid = pid
        self.seznam = []
        pyatspi.Registry.registerEventListener(self._zapis, "object", "focus")

    def _zapis(self, udalost):
        try:
            if udalost.host_application.get_process_id() == self.pid:
                self.seznam.append((udalost.type, udalost.source.name))
        except Exception:  # an object gone meanwhile still counts
            self.seznam.append((udalost.type, ""))

    def dozni(self):
        """Waits until no event has come for half a second (ten seconds at most)."""
        konec = time.monotonic() + LHUTA
        ticho = time.monotonic()
        pocet = len(self.seznam)
        while time.monotonic() < konec and time.monotonic() - ticho < 0.5:
            obsluz_sbernici()
            if len(self.seznam) != pocet:
                pocet = len(self.seznam)
                ticho = time.monotonic()
            time.sleep(0.02)


def zkontroluj(skutecne, ocekavane, co):
    if skutecne != ocekavane:
        raise Chyba(f"{co}: {skutecne!r}, čekal jsem {ocekavane!r}")


class Dnes:
    """The today panel and the clock's time, found by what a listener hears them called."""

    def __init__(self, hlavni):
        def hledej(jmeno, zacatek=False):
            for objekt in viditelne(hlavni):
                if objekt.getRole() == pyatspi.ROLE_LABEL and (
                        objekt.name == jmeno or zacatek and objekt.name.startswith(jmeno)):
                    return objekt
            raise Chyba(f"v hlavním okně chybí {jmeno!r}")

        # The date line is named with the whole of today, which a reader speaks first.
        self.datum = hledej("Dnes je ", zacatek=True)
        self.jmena = hledej("svátek má")
        self.svatky = hledej("státní svátek, významný den")
        self.cas = hledej("Teď je")

    def zkontroluj(self, datum, jmena, svatky, cas):
        radky_svatku = ["     " + s for s in svatky]
        zkontroluj(text(self.datum), datum, "datum")
        self.datum.clearCache()
        carkou = datum.replace(" / ", ", ")
        zkontroluj(self.datum.name,
                   f"Dnes je {carkou}. svátek má: CZ {jmena[0]}, SK {jmena[1]}. státní svátek, "
                   f"významný den: CZ {svatky[0]}, SK {svatky[1]}.", "jméno data")
        zkontroluj(text(self.jmena), "\n".join(jmena), "jména")
        zkontroluj(self.jmena.description, f"CZ: {jmena[0]}\nSK: {jmena[1]}", "popis jmen")
        zkontroluj(text(self.svatky), "\n".join(radky_svatku), "svátky")
        zkontroluj(self.svatky.description, f"CZ: {svatky[0]}\nSK: {svatky[1]}", "popis svátků")
        zkontroluj(text(self.cas), cas, "čas")


def stiskni(klavesa):
    pyatspi.Registry.generateKeyboardEvent(klavesa, None, pyatspi.KEY_SYM)


def klikni(objekt):
    x, y, sirka, vyska = objekt.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + sirka // 2, y + vyska // 2, pyatspi.MOUSE_B1C)


def ma_fokus(objekt):
    objekt.clearCache()
    return objekt.getState().contains(pyatspi.STATE_FOCUSED)


def je_aktivni(okno):
    okno.clearCache()
    return okno.getState().contains(pyatspi.STATE_ACTIVE)


def stiskni_polozku(okno, jmeno):
    """Chooses a menu item as a screen reader's action does, the menu closed."""
    def vsechny(objekt):
        yield objekt
        for dite in potomci(objekt):
            yield from vsechny(dite)

    for objekt in vsechny(okno):
        if objekt.getRole() == pyatspi.ROLE_MENU_ITEM and objekt.name == jmeno:
            objekt.queryAction().doAction(0)
            return
    raise Chyba(f"chybí položka nabídky {jmeno!r}")


def zkontroluj_jmena(okno, co):
    chybi = bezejmenne(okno)
    if chybi:
        raise Chyba(f"{co}: bez jména: " + "; ".join(chybi))


def prepni_stranky(okno, co):
    """Shows every page of a window with tabs and checks the names on each."""
    zalozky = [o for o in viditelne(okno) if o.getRole() == pyatspi.ROLE_PAGE_TAB]
    for zalozka in zalozky:
        zalozka.queryAction().doAction(0)
        # Qt names the tab bar after its current tab.
        cekej(lambda: zalozka.parent.name == zalozka.name, f"stránka {zalozka.name!r}")
        zkontroluj_jmena(okno, f"{co}, stránka {zalozka.name!r}")


def hlavni_okno(program):
    vlozeni = Vlozeni()
    okna = Okna(program, "2005-11-19T23:59:59")
    try:
        zkontroluj_jmena(okna.hlavni, "hlavní okno")
        # The CZ/SK switch is named after its own caption, not the search box around it.
        skupina = najdi(okna.hlavni, pyatspi.ROLE_PANEL, "Jména a svátky")
        volby = [d.name for d in viditelne(skupina) if d.getRole() == pyatspi.ROLE_RADIO_BUTTON] \
            if skupina is not None else []
        if volby != ["CZ", "SK"]:
            raise Chyba("přepínač CZ/SK není skupina 'Jména a svátky'")
        dnes = Dnes(okna.hlavni)
        dnes.zkontroluj("19. listopadu 2005 / sobota", ["Alžběta", "Alžbeta"],
                        ["Dnes se neslaví...", "Dnes se neslaví..."], "23:59:59")

        for den, datum, jmena, svatky in DNY:
            predvecer = datetime.date.fromisoformat(den) - datetime.timedelta(days=1)
            okna.nastav_cas(f"{predvecer.isoformat()}T23:59:59")
            vlozeni.texty.clear()
            okna.nastav_cas(f"{den}T00:00:00")
            vlozeni.cekej_na("svátek má", "\n".join(jmena))
            vlozeni.cekej_na("Dnes je", datum)
            dnes.zkontroluj(datum, jmena, svatky, "0:00:00")
            print(f"ok: {datum}: {', '.join(jmena)}")

        # A click into the name lines puts the keyboard focus on the date line, where the
        # Up key changes nothing; the click into the year that follows it through the same
        # X queue shows when the key has been handled.
        cekej(lambda: je_aktivni(okna.hlavni), "aktivní hlavní okno")
        den = najdi(okna.hlavni, pyatspi.ROLE_SPIN_BUTTON, "den")
        rok = najdi(okna.hlavni, pyatspi.ROLE_SPIN_BUTTON, "rok")
        pred = text(den)
        pred_rok = text(rok)
        klikni(dnes.jmena)
        cekej(lambda: ma_fokus(dnes.datum), "fokus na datu po kliknutí do jmen")
        stiskni(KLAVESA_UP)
        klikni(rok)
        cekej(lambda: ma_fokus(rok), "fokus na roku")
        zkontroluj(text(den), pred, "den po šipce nahoru na datu")
        print("ok: klik do jmen dává fokus datu")

        # A step of the year redraws the grid: a few dozen notices at most reach the reader,
        # and none claims the focus for another control than the year.
        udalosti = Udalosti(okna.proces.pid)
        stiskni(KLAVESA_UP)
        cekej(lambda: text(rok) == str(int(pred_rok) + 1), "rok o jedna větší")
        udalosti.dozni()
        if len(udalosti.seznam) > 40:
            raise Chyba(f"změna roku poslala {len(udalosti.seznam)} událostí")
        cizi = [n for t, n in udalosti.seznam if t.startswith("object:state-changed:focused")
                and n != "rok"]
        if cizi:
            raise Chyba(f"změna roku ohlásila fokus na {cizi}")
        print(f"ok: změna roku poslala {len(udalosti.seznam)} událostí")

        stiskni_polozku(okna.hlavni, "Převod - cizojazyčně")
        info = cekej(lambda: okna.okno("   VORANEK  zajímavosti a informace"), "okno Převod")
        preklad = cekej(lambda: najdi(info, pyatspi.ROLE_LABEL, "Překlad"), "panel Překlad")
        zkontroluj(text(preklad), "calendar", "překlad")
        zkontroluj(preklad.description, "calendar", "popis překladu")
        # Qt's lists take no focus through AT-SPI; a click gives it, as to a sighted user.
        cekej(lambda: je_aktivni(info), "aktivní okno Převod")
        slova = najdi(info, pyatspi.ROLE_LIST, "Český název")
        klikni(slova)
        cekej(lambda: ma_fokus(slova), "fokus na seznamu slov")
        vlozeni.texty.clear()
        stiskni(KLAVESA_END)
        vlozeni.cekej_na("Překlad", "winter")
        jazyky = najdi(info, pyatspi.ROLE_LIST, "převést do")
        klikni(jazyky)
        cekej(lambda: ma_fokus(jazyky), "fokus na seznamu jazyků")
        stiskni(KLAVESA_HOME)
        stiskni(KLAVESA_DOWN)
        vlozeni.cekej_na("Překlad", "der Winter")
        zkontroluj(text(preklad), "der Winter", "překlad")
        print("ok: překlad zima / němčiny")
        prepni_stranky(info, "okno informací")

        stiskni_polozku(okna.hlavni, "Více o jménech")
        cekej(lambda: najdi(info, pyatspi.ROLE_LABEL, "Jméno"), "panel Jméno")
        nadpis = najdi(info, pyatspi.ROLE_LABEL, "Jméno")
        zkontroluj(text(nadpis), "", "nadpis jména po otevření")
        vyber = najdi(info, pyatspi.ROLE_COMBO_BOX, "Zadejte hledané jméno")
        if vyber is None:
            raise Chyba("chybí výběr jména")
        # The box takes no focus through AT-SPI and a click would open its list; the Tab key
        # reaches it from the heading, which a click gives the focus to.
        cekej(lambda: je_aktivni(info), "aktivní okno Více o...")
        klikni(nadpis)
        cekej(lambda: ma_fokus(nadpis), "fokus na nadpisu jména")
        stiskni(KLAVESA_TAB)
        cekej(lambda: ma_fokus(vyber), "fokus na výběru jména")
        stiskni(KLAVESA_END)
        # Drawn in spaced capitals, which a reader would spell out: read as words.
        vlozeni.cekej_na("Jméno", "Žofie")
        stiskni(KLAVESA_HOME)
        vlozeni.cekej_na("Jméno", "Adam a Eva")
        zkontroluj(text(nadpis), "Adam a Eva", "nadpis jména")
        zkontroluj(nadpis.description, "Adam a Eva", "nadpis jména slovy")
        print("ok: nadpis jména")

        stiskni_polozku(okna.hlavni, "O programu")
        napoveda = cekej(lambda: okna.okno("   VORANEK  nápověda o aplikaci"), "okno O programu")
        prepni_stranky(napoveda, "okno O programu")
        print("ok: všechno, co se ukazuje, má jméno")
    finally:
        okna.zavri()


def v_prostredi(program):
    """Runs this script again inside its own X server and session bus."""
    cteni, zapis = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(zapis), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(zapis,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(zapis)
    try:
        # The server writes its display number once it accepts clients.
        with os.fdopen(cteni) as displej:
            cislo = displej.readline().strip()
        if not cislo:
            print("CHYBA: Xvfb se nespustil", file=sys.stderr)
            return 1
        prostredi = dict(os.environ, DISPLAY=f":{cislo}")
        for promenna in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            prostredi.pop(promenna, None)
        return subprocess.call(
            ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--uvnitr",
             program], env=prostredi)
    finally:
        server.terminate()
        server.wait()


def main():
    argumenty = sys.argv[1:]
    uvnitr = argumenty[:1] == ["--uvnitr"]
    if uvnitr:
        argumenty = argumenty[1:]
    if len(argumenty) != 1:
        print(f"použití: {sys.argv[0]} PRISTUPNOST_OKNA", file=sys.stderr)
        return 2
    if not uvnitr:
        return v_prostredi(argumenty[0])
    try:
        hlavni_okno(argumenty[0])
    except Chyba as chyba:
        print(f"CHYBA: {chyba}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

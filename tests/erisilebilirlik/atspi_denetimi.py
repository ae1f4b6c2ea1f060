# The real program read and worked through the accessibility bus (AT-SPI) under a virtual X
# display, as a screen reader does: the main window's job list and the all-folders box are
# found by their names, the box is toggled through its action, and the list must then show the
# jobs of every folder, each row read as one sentence. Runs inside dbus-run-session on a
# private session bus that names no service folders; the display, the bus launcher and the
# registry are started here and each is asked until it is ready.
#   atspi_denetimi.py PROGRAM_KLASORU
import os
import select
import subprocess
import sys
import tempfile
import time

geçici = tempfile.TemporaryDirectory()
g = geçici.name
for ad, klasör in [("HOME", "ev"), ("XDG_CONFIG_HOME", "ayar"), ("XDG_DATA_HOME", "veri"),
                   ("XDG_RUNTIME_DIR", "calisma"), ("TMPDIR", "tmp"), ("ofis", "ofis")]:
    os.makedirs(f"{g}/{klasör}", mode=0o700)
    os.environ[ad] = f"{g}/{klasör}"
os.environ["GSETTINGS_BACKEND"] = "memory"
süreçler = []


def başlat(*komut, fd=(), **ortam):
    günlük = open(f"{g}/{os.path.basename(komut[0])}.log", "w")
    süreçler.append(subprocess.Popen(komut, stderr=günlük, env={**os.environ, **ortam},
                                     pass_fds=fd))
    return süreçler[-1]


def bitir(ne):
    # Terminated, not killed: the launcher takes its own bus down with it.
    for s in reversed(süreçler):
        s.terminate()
        s.wait()
    if ne:
        for günlük in os.listdir(g):
            if günlük.endswith(".log"):
                print("==", günlük, open(f"{g}/{günlük}").read(), file=sys.stderr)
    sys.exit("HATA: " + ne if ne else 0)


# Asks again until the answer is there; fails at once when the daemon has exited.
def bekle(soru, ne, süreç):
    son = time.monotonic() + 60
    while time.monotonic() < son:
        if cevap := soru():
            return cevap
        if süreç.poll() is not None:
            bitir(ne + ": kapandı")
        time.sleep(0.1)
    bitir(ne)


def sahibi_var(veriyolu, ad):
    return b"boolean true" in subprocess.run(
        ["dbus-send", "--bus=" + veriyolu, "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + ad],
        capture_output=True).stdout


# The display server writes its number once it takes connections.
okunan, yazılan = os.pipe()
başlat("Xvfb", "-displayfd", str(yazılan), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
       fd=(yazılan,))
os.close(yazılan)
if not select.select([okunan], [], [], 60)[0]:
    bitir("Xvfb hazır olmadı")
os.environ["DISPLAY"] = ":" + os.read(okunan, 16).decode().strip()

# The launcher owns org.a11y.Bus once its accessibility bus is up, and tells its address. The
# registry gets it directly; the program and this check find the bus through the session bus.
oturum = os.environ["DBUS_SESSION_BUS_ADDRESS"]
s = başlat("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
bekle(lambda: sahibi_var(oturum, "org.a11y.Bus"), "at-spi-bus-launcher", s)
adres = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                       capture_output=True, text=True).stdout.strip()
s = başlat("/usr/libexec/at-spi2-registryd", AT_SPI_BUS_ADDRESS=adres)
bekle(lambda: sahibi_var(adres, "org.a11y.atspi.Registry"), "at-spi2-registryd", s)

# A demo database that the program connects to at start; no background mode, no summary.
program = sys.argv[1]
subprocess.run([program + "/LodraVt", "olustur", os.environ["ofis"], "--ornek"], check=True,
               stdout=subprocess.DEVNULL)
os.makedirs(os.environ["XDG_CONFIG_HOME"] + "/Selvane")
with open(os.environ["XDG_CONFIG_HOME"] + "/Selvane/Tarvela.ini", "w") as ayar:
    ayar.write(f"[Sunucular]\nSunucu-1={os.environ['ofis']}\n"
               "[Ayarlar]\nArkaplanda%20Calissin=0\nSabah%20Ozeti=0\n")
lodra = başlat(program + "/Lodra", QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")

import pyatspi  # noqa: E402  (connects to the accessibility bus, which is there by now)


def bul(ad, roller):
    for uygulama in pyatspi.Registry.getDesktop(0):
        if uygulama is not None and (a := pyatspi.findDescendant(
                uygulama, lambda a: a is not None and a.name.strip() == ad
                and a.getRole() in roller)):
            return a


liste = bekle(lambda: bul("Yapılacak İşler", (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE)),
              "iş listesi adıyla bulunamadı", lodra)
onay = bekle(lambda: bul("Tüm klasörlerdeki tüm işleri göster", (pyatspi.ROLE_CHECK_BOX,)),
             "onay kutusu adıyla bulunamadı", lodra)
tablo = liste.queryTable()
önce = tablo.nRows
eylem = onay.queryAction()
adlar = [eylem.getName(i) for i in range(eylem.nActions)]
if "Toggle" not in adlar:
    bitir("kutunun eylemleri: %s" % adlar)
eylem.doAction(adlar.index("Toggle"))
bekle(lambda: onay.getState().contains(pyatspi.STATE_CHECKED), "kutu işaretlenmedi", lodra)
bekle(lambda: tablo.nRows > önce, "kutu işaretli ama liste değişmedi", lodra)
cümle = tablo.getAccessibleAt(0, 0).name
if cümle.count(", ") < 3:
    bitir("satır tek cümle okunmuyor: " + cümle)
print("%d satır yerine %d satır; ilk satır: %s" % (önce, tablo.nRows, cümle))
bitir(None)

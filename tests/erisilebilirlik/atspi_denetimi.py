# Finds the running program on the accessibility bus, the main window's job list and the
# all-folders box by their names, toggles the box through its accessibility action and checks
# that the list then shows the jobs of every folder, each row read as one sentence.
import sys
import time

import pyatspi

LISTE = "Yapılacak İşler"
ONAY = "Tüm klasörlerdeki tüm işleri göster"


# Asks again until the answer is there; a loaded machine gets a minute.
def bekle(soru, ne):
    son = time.monotonic() + 60
    while time.monotonic() < son:
        cevap = soru()
        if cevap:
            return cevap
        time.sleep(0.1)
    sys.exit("HATA: " + ne)


def bul(ad, roller):
    masa = pyatspi.Registry.getDesktop(0)
    for uygulama in masa:
        if uygulama is None:
            continue
        bulunan = pyatspi.findDescendant(
            uygulama, lambda a: a is not None and a.name.strip() == ad and a.getRole() in roller)
        if bulunan is not None:
            return bulunan
    return None


liste = bekle(lambda: bul(LISTE, (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE)),
              "iş listesi adıyla bulunamadı")
onay = bekle(lambda: bul(ONAY, (pyatspi.ROLE_CHECK_BOX,)), "onay kutusu adıyla bulunamadı")
tablo = liste.queryTable()
önce = tablo.nRows

eylem = onay.queryAction()
adlar = [eylem.getName(i) for i in range(eylem.nActions)]
if "Toggle" not in adlar:
    sys.exit("HATA: kutunun eylemleri: %s" % adlar)
eylem.doAction(adlar.index("Toggle"))

bekle(lambda: onay.getState().contains(pyatspi.STATE_CHECKED), "kutu işaretlenmedi")
bekle(lambda: tablo.nRows > önce,
      "kutu işaretli ama liste değişmedi (%d satır)" % tablo.nRows)
cümle = tablo.getAccessibleAt(0, 0).name
if cümle.count(", ") < 3:
    sys.exit("HATA: satır tek cümle okunmuyor: " + cümle)
print("%d satır yerine %d satır; ilk satır: %s" % (önce, tablo.nRows, cümle))

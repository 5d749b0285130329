// Treiber der Abbruchprobe mit dem echten Notenfenster (offscreen): oeffnet eine Klasse ueber die
// Klassenliste und tippt Noten in die Notentabelle, wie ein Benutzer. Vor jeder Eingabe schreibt
// er "v i Vorname Nachname Note" auf die Standardausgabe, nach ihrer Bestaetigung "b i ..."; der
// Test beendet ihn mit SIGKILL.
//   mivo_notenfenster_treiber BASISORDNER KLASSENDATEI EINGABEN
#include "fensterumgebung.h"

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void ausgeben(const QByteArray &zeile)
{
    if (::write(1, zeile.constData(), size_t(zeile.size())) != zeile.size()) {
        ::_exit(5);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 4) {
        return 2;
    }
    Einstellungen e;
    e.programmOrdner = a[1];
    e.basisOrdner = a[1];
    SkriptRueckfragen r;
    FesteUhr uhr{QDateTime(QDate(2017, 2, 10), QTime(10, 0))};
    TFZensurenbearbeitung f(e, r, uhr);
    f.show();
    f.activateWindow();
    if (!QTest::qWaitForWindowActive(&f)) {
        return 6;
    }
    QTest::mouseClick(f.findChild<QPushButton *>(u"BKlassenwahl"_s), Qt::LeftButton);
    auto *liste = f.findChild<QListWidget *>(u"LBoxKlassen"_s);
    const auto treffer = liste->findItems(a[2], Qt::MatchExactly);
    if (treffer.isEmpty()) {
        return 3;
    }
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(treffer.first()).center());
    QCoreApplication::processEvents();
    Klassensitzung &s = f.sitzung;
    const int n = s.groesse();
    if (!s.offen() || n < 2) {
        return 3;
    }
    static const QStringList noten = {u"1+"_s, u"1"_s, u"2-"_s, u"3"_s, u"4+"_s, u"5"_s, u"6"_s};
    const int eingaben = a[3].toInt();
    for (int i = 1; i <= eingaben; ++i) {
        const int nr = (i - 1) % n + 1;
        const QString note = noten[(i * 3) % noten.size()];
        const Schueler &sch = s.klasse.schueler(nr);
        const QByteArray wer = QByteArray::number(i) + ' ' + sch.vorname.toUtf8() + ' ' +
                               sch.nachname.toUtf8() + ' ' + note.toUtf8() + '\n';
        ausgeben("v " + wer);
        // Slot 0 der Tests (Spalte 4) tippen, dann eine andere benutzte Zelle anklicken: das
        // Verlassen der Zelle bestaetigt die Eingabe.
        zelleTippen(f.tabelle, nr + 2, 4, note);
        zelleKlicken(f.tabelle, nr + 2, 5);
        if (s.klasse.schueler(nr).note(5, 0) != note || !r.meldungen().isEmpty()) {
            return 4;
        }
        ausgeben("b " + wer);
    }
    return 0;
}

#include "conduct/zusammenfassung.h"

#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "outside/schuelerprogramm.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray sortierschluessel(const Benotungsergebnis &e)
{
    return ansiKodieren(e.nachname + e.initiale).value_or(QByteArray());
}

} // namespace

void zusammenfassungSortieren(Benotungslauf &lauf)
{
    auto &erg = lauf.ergebnisse;
    for (int i = 1; i < lauf.klassenGroesse; ++i) {
        for (int j = i + 1; j <= lauf.klassenGroesse; ++j) {
            if (sortierschluessel(erg[j]) < sortierschluessel(erg[i])) {
                std::swap(erg[i], erg[j]);
            }
        }
    }
}

QString durchschnittText(const Benotungslauf &lauf)
{
    qint64 drittel = 0, anzahl = 0;
    for (int z = 0; z < kNormZeilen; ++z) {
        const int wert = notenwertDrittel(lauf.norm[size_t(z)].noteE);
        if (wert >= 0) {
            drittel += qint64(lauf.notenZaehler[size_t(z)]) * wert;
            anzahl += lauf.notenZaehler[size_t(z)];
        }
    }
    if (anzahl == 0) {
        return u"0,0"_s;
    }
    // Zehntel von drittel / (3 anzahl), halbe Zehntel aufgerundet (die Werte sind nie negativ).
    const qint64 zehntel = (20 * drittel + 3 * anzahl) / (6 * anzahl);
    return QString::number(zehntel / 10) + u',' + QString::number(zehntel % 10);
}

QStringList trefferZeilen(const Benotungslauf &lauf, const QString &zeile2)
{
    QString treffer = u"Kl.-Treffer"_s;
    for (int q = 1; q <= kMaxFragen; ++q) {
        if (!lauf.loesung.aufgabenNr[q].isEmpty()) {
            treffer += u'\t' + QString::number(lauf.klassenTreffer[q]);
        }
    }
    return {treffer, QString(zeile2.size(), u'-')};
}

QStringList klassenblock(const Benotungslauf &lauf, const QString &zeile2)
{
    QString punkte = u"Punkte : ab \t"_s, noten = u"Noten  :    \t"_s,
            schueler = u"Schüler:    \t"_s;
    int gesamt = 0;
    for (int g = 1; g <= 6; ++g) {
        punkte +=
            QString::number(schwelle(lauf.loesung.punkteMax, lauf.norm[size_t(3 * g - 1)].anteil))
                .left(4) +
            u'\t';
        noten += QString::number(g) + u'\t';
        int n = 0;
        for (int z = 3 * g - 3; z < 3 * g; ++z) {
            n += lauf.notenZaehler[size_t(z)];
        }
        gesamt += n;
        schueler += QString::number(n) + u'\t';
    }
    schueler += u"insgesamt: "_s + QString::number(gesamt) + u" Sch."_s;
    return {QString(),
            u" Klassenspiegel:"_s,
            u" ---------------------"_s,
            punkte,
            noten,
            u"Durchschnitt (E-Niv.): "_s + durchschnittText(lauf),
            schueler,
            zeile2};
}

void klassenspiegelEintragen(const TestPfade &test, const Klasse &klasse, const Benotungslauf &lauf,
                             Rueckfragen &r)
{
    QStringList kopf;     // Zeilen 1-7 der ersten benoteten Kopie
    QString letzteZeile2; // Zeile 2 der zuletzt bearbeiteten Kopie
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        if (!lauf.benotet[nr]) {
            continue;
        }
        const Schueler &s = klasse.schueler(nr);
        const QString pfad =
            test.benotetOrdner() +
            schuelerprogramm::persoenlicherDateiname(s.vorname, s.nachname, test.klassenkuerzel());
        const ZeilenErgebnis g = ansiZeilenLesen(pfad);
        if (!g.ok()) {
            r.fehler(
                u"Fehler beim Eintragen des Klassenspiegels in die Testdateien der Schüler!"_s);
            continue;
        }
        if (kopf.isEmpty()) {
            kopf = g.zeilen.mid(0, 7);
        }
        letzteZeile2 = g.zeilen.value(1);
        QStringList neu;
        neu.reserve(g.zeilen.size() + 12);
        for (qsizetype i = 0; i < g.zeilen.size(); ++i) {
            if (i == 8) {
                neu << trefferZeilen(lauf, letzteZeile2);
            }
            if (i == 11) {
                neu << klassenblock(lauf, letzteZeile2);
            }
            neu << g.zeilen[i];
        }
        pauseVorNeuschreiben();
        if (!ansiZeilenSchreiben(pfad, neu).ok()) {
            r.fehler(
                u"Fehler beim Eintragen des Klassenspiegels in die Testdateien der Schüler!"_s);
        }
    }

    QString ordner = test.testOrdner();
    ordner.chop(1);
    QStringList z{QString(), u"Ergebniszusammenfassung vom Test: "_s + ordner.right(16), QString(),
                  kopf.value(1),
                  kopf.value(2).chopped(std::min<qsizetype>(13, kopf.value(2).size()))};
    z << kopf.mid(3, 4);
    z << trefferZeilen(lauf, letzteZeile2) << klassenblock(lauf, letzteZeile2);
    z << QString() << QString() << u"Nachname\tVorname\tPunkte\tZensur (E)"_s << QString();
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        const Benotungsergebnis &e = lauf.ergebnisse[nr];
        if (e.punkte < 0) {
            continue; // ohne Kopie: keine Zeile
        }
        const int luecke = std::min<int>(8, std::max<int>(0, 12 - int(e.nachname.size())));
        z << e.nachname + QString(luecke, u' ') + u'\t' + e.initiale + u".\t"_s +
                 QString::number(e.punkte) + u'\t' + e.noteE;
    }
    z << QString();
    const DateiFehler f = ansiZeilenSchreiben(test.zusammenfassung(), z);
    if (!f.ok()) {
        r.fehler(f.meldung());
    }
}

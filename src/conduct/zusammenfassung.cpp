#include "conduct/zusammenfassung.h"

#include "common/ansitext.h"

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

QStringList mitKlassenzeilen(const QStringList &benotet, const Benotungslauf &lauf)
{
    const QString zeile2 = benotet.value(1);
    QStringList neu;
    neu.reserve(benotet.size() + 12);
    for (qsizetype i = 0; i < benotet.size(); ++i) {
        if (i == 8) {
            neu << trefferZeilen(lauf, zeile2);
        }
        if (i == 11) {
            neu << klassenblock(lauf, zeile2);
        }
        neu << benotet[i];
    }
    return neu;
}

QStringList zusammenfassungZeilen(const TestPfade &test, const Benotungslauf &lauf,
                                  const QStringList &kopf, const QString &zeile2)
{
    QString ordner = test.testOrdner();
    ordner.chop(1);
    QStringList z{QString(), u"Ergebniszusammenfassung vom Test: "_s + ordner.right(16), QString(),
                  kopf.value(1),
                  kopf.value(2).chopped(std::min<qsizetype>(13, kopf.value(2).size()))};
    z << kopf.mid(3, 4);
    z << trefferZeilen(lauf, zeile2) << klassenblock(lauf, zeile2);
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
    return z;
}

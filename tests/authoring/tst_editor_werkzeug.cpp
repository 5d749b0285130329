// Die Verben des Testeditors in mivo-werkzeug: test-pruefen, fragebogen, test-speichern, bilder.
#include "common/ansitext.h"
#include "common/ordner.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class TstEditorWerkzeug : public QObject
{
    Q_OBJECT
    Testordner t;
    QString basis;

    int aufruf(const QStringList &argumente, QString *aus = nullptr, QString *fehler = nullptr)
    {
        QString a, f;
        QTextStream sa(&a), sf(&f);
        const int ergebnis = werkzeugAusfuehren(argumente, sa, sf);
        sa.flush();
        sf.flush();
        if (aus) {
            *aus = a;
        }
        if (fehler) {
            *fehler = f;
        }
        return ergebnis;
    }
    QString beispiel() const { return basis + u"2016-17 Beispiele/7xP1Bspl/7xP1Bspl.__A"_s; }

private slots:
    void initTestCase()
    {
        basis = t.pfad() + u"basis/"_s;
        QVERIFY(baumKopieren(QStringLiteral(MIVO_QUELLE "/basisordner"), basis));
        QVERIFY(ansiZeilenSchreiben(basis + u"Mivo-Kl-cf.txt"_s,
                                    {u"[Mivo-Programm-Ordner]"_s, basis, u"[Lehrername]"_s,
                                     u"Meier/"_s, u"[Lehrer-Klassen-Ordner]"_s, basis})
                    .ok());
    }

    void pruefenUndSchreiben()
    {
        const QString datei = t.pfad() + u"kaputt.__A"_s;
        QStringList z = ansiZeilenLesen(beispiel()).zeilen;
        z[6] = u")\tWas tust du zuerst?"_s; // Nummer fehlt
        z[11] = u"\t\t"_s;                  // Trennzeile aus Tabulatoren
        QVERIFY(ansiZeilenSchreiben(datei, z).ok());
        QString aus, fehler;
        QCOMPARE(aufruf({u"test-pruefen"_s, datei}, &aus, &fehler), 0);
        QVERIFY(fehler.contains(u"Nummerierungsfehler nach Aufgabe 0"_s));
        QStringList gedruckt = aus.split(u'\n');
        QCOMPARE(gedruckt.value(6), u"1)\tWas tust du zuerst?"_s);
        QCOMPARE(gedruckt.value(11), QString());
        QCOMPARE(ansiZeilenLesen(datei).zeilen.value(6), z[6]); // ohne --schreiben unveraendert

        QCOMPARE(aufruf({u"test-pruefen"_s, datei, u"--schreiben"_s}), 0);
        QCOMPARE(ansiZeilenLesen(datei).zeilen.value(6), u"1)\tWas tust du zuerst?"_s);
        QCOMPARE(aufruf({u"test-pruefen"_s, t.pfad() + u"fehlt.__A"_s}), 2);
        QCOMPARE(aufruf({u"test-pruefen"_s, basis}), 2);
    }

    void fragebogen()
    {
        QString aus;
        QCOMPARE(aufruf({u"fragebogen"_s, beispiel()}, &aus), 0);
        const QStringList z = aus.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(z.size() > 6);
        for (const QString &zeile : z.mid(5)) {
            QVERIFY2(zeile.contains(u')') && !zeile.startsWith(u'\t'), qPrintable(zeile));
        }
    }

    void speichernFuerAndereKlasse()
    {
        QString aus, fehler;
        QCOMPARE(aufruf({u"test-speichern"_s, beispiel(), u"--basis"_s, basis, u"2024-25"_s,
                         u"--klasse"_s, u"10a"_s, u"--fach"_s, u"Physik (P)"_s, u"--nummer"_s,
                         u"2"_s, u"--thema"_s, u"Unfa- Unfallverhütung"_s},
                        &aus, &fehler),
                 0);
        const QString ziel = basis + u"2024-25/0aP2Unfa/0aP2Unfa.__A"_s;
        QCOMPARE(aus.trimmed(), ziel);
        const QStringList z = ansiZeilenLesen(ziel).zeilen;
        QCOMPARE(z.value(2), u"Physik - Test Nr. 2          Kl.: 10a       Gruppe: A"_s);
        QCOMPARE(z.value(3), u"Thema: Unfallverhütung"_s);
        QVERIFY(QFileInfo::exists(basis + u"2024-25/0aP2Unfa/Bilder/05-4 Gebotszeichen.jpg"_s));

        // Noch nicht gewaehlte Angaben: nichts geschrieben.
        QCOMPARE(aufruf({u"test-speichern"_s, beispiel(), u"--basis"_s, basis, u"2024-25"_s,
                         u"--klasse"_s, u"..."_s, u"--fach"_s, u"Physik (P)"_s, u"--nummer"_s,
                         u"3"_s, u"--thema"_s, u"Unfa- Unfallverhütung"_s},
                        nullptr, &fehler),
                 2);
        QVERIFY(fehler.contains(u"Die Klasse muss angegeben werden."_s));
    }

    void bilder()
    {
        QString aus;
        QCOMPARE(
            aufruf({u"bilder"_s, u"--basis"_s, basis, u"2016-17 Beispiele"_s, u"7xP1Bspl"_s}, &aus),
            0);
        const QJsonObject j = QJsonDocument::fromJson(aus.toUtf8()).object();
        QCOMPARE(j.value(u"5"_s).toObject().value(u"b"_s).toString(),
                 u"05-2 Rettungszeichen.jpg"_s);
        QVERIFY(j.value(u"1"_s).toObject().value(u"a"_s).isNull());
    }
};

QTEST_GUILESS_MAIN(TstEditorWerkzeug)
#include "tst_editor_werkzeug.moc"

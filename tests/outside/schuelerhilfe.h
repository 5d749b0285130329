#pragma once
// Ein kleiner Schulserver fuer Tests des Schuelerprogramms: Mivo-cf.txt, ein bereitgestellter
// Test mit Kopien, Bildern und Signaldatei, wie ihn das Austeilen hinterlaesst.

#include "common/ansitext.h"
#include "outside/schuelerprogramm.h"
#include "outside/schuelerseite.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QImage>
#include <QStringList>

namespace schuelerhilfe {

using namespace Qt::StringLiterals;

// Kopf und drei Aufgaben einer persoenlichen Kopie; Aufgabe 2 hat Bilder.
inline QStringList kopie(const QString &vorname, const QString &nachname, int fragen = 3)
{
    QStringList z{u" Name:  "_s + vorname + u' ' + nachname,
                  QString(70, u'-'),
                  u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                  u"Thema: Sicherheit im Fachraum"_s,
                  QString(70, u'-'),
                  u"Aufgabe\t1\t2\t3\tges."_s,
                  u"max. P.   \t2\t1\t1\t4"_s,
                  QString(70, u'-'),
                  QString()};
    for (int q = 1; q <= fragen; ++q) {
        z << QString::number(q) + u")\t[1 P] Frage Nummer "_s + QString::number(q) + u" – „ß“?"_s;
        if (q == 2) {
            z << u"\ta) 1 Bild eins"_s << u"\tb) 2 Bild zwei"_s << u"\tc) 3"_s << u"\td) Keins"_s;
        } else {
            z << u"\ta) Antwort A"_s << u"\tb) Antwort B"_s << u"\tc) Antwort C"_s
              << u"\td) Antwort D"_s;
        }
        z << QString();
    }
    return z;
}

struct Server
{
    Testordner t;
    schuelerseite::Konfig k;

    Server()
    {
        const QString s = t.pfad() + u"Mivo-Dateien (Schulserver)/"_s;
        k.ausgabeOrdner = s + u"Ausgabe/"_s;
        k.abgabeOrdner = s + u"Abgabe/"_s;
        k.rueckgabeOrdner = s + u"Rueckgabe/"_s;
        k.schuelerOrdner = s + u"Schueler/"_s;
        for (const QString &o :
             {k.ausgabeOrdner, k.abgabeOrdner, k.rueckgabeOrdner, k.schuelerOrdner}) {
            QDir().mkpath(o);
        }
    }

    QString ausgabeKlasse(const QString &lehrer = u"Meier"_s, const QString &kk = u"7x"_s) const
    {
        return schuelerprogramm::ausgabeKlassenOrdner(k.ausgabeOrdner, lehrer + u'/', kk);
    }
    QString eingang(const QString &lehrer = u"Meier"_s) const
    {
        return schuelerprogramm::abgabeEingang(k.abgabeOrdner, lehrer + u'/');
    }

    // Kopien (Vorname, Nachname), "Bilder" und zuletzt die Signaldatei.
    void bereitstellen(const QList<std::pair<QString, QString>> &schueler,
                       const QString &code = u"7xP1Sich"_s, const QString &lehrer = u"Meier"_s,
                       const QString &datum = u"2024-11-05"_s) const
    {
        const QString kk = code.left(2);
        const QString ordner = ausgabeKlasse(lehrer, kk);
        QDir().mkpath(ordner + u"Bilder"_s);
        for (const auto &[vorname, nachname] : schueler) {
            ansiZeilenSchreiben(ordner +
                                    schuelerprogramm::persoenlicherDateiname(vorname, nachname, kk),
                                kopie(vorname, nachname));
        }
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        bild.save(ordner + u"Bilder/02-1 Gruen.jpg"_s, "JPG");
        bild.fill(Qt::darkRed);
        bild.save(ordner + u"Bilder/02-2 Rot.jpg"_s, "JPG");
        ansiZeilenSchreiben(
            k.ausgabeOrdner + schuelerprogramm::signalDateiname(kk, lehrer + u'/', code), {datum});
    }

    schuelerseite::Bereitgestellt test(const QString &kk = u"7x"_s) const
    {
        return schuelerseite::bereitgestellteSuchen(k.ausgabeOrdner, kk, schuelerseite::Art::Test)
            .gefunden.value(0);
    }
    schuelerseite::Bereitgestellt rueckgabe(const QString &kk = u"7x"_s) const
    {
        return schuelerseite::bereitgestellteSuchen(k.rueckgabeOrdner, kk,
                                                    schuelerseite::Art::Rueckgabe)
            .gefunden.value(0);
    }
};

} // namespace schuelerhilfe

#pragma once
// Testdaten der Messungen rund um Tests: eine Vorlage mit 40 Aufgaben, eine Klasse mit 40
// Schuelern und Rueckfragen, die jede Frage bejahen.

#include "classdata/klasse.h"
#include "common/rueckfragen.h"

#include <QStringList>

namespace bench {

class JaRueckfragen final : public RueckfragenOhneAuswahl
{
public:
    void melde(Art, const QString &) override {}
    Knopf frage(Art, const QString &, Knoepfe k) override
    {
        return k == Knoepfe::OkAbbruch || k == Knoepfe::Ok ? Knopf::Ok : Knopf::Ja;
    }
    void piep() override {}
};

inline QStringList vorlage40(const QString &thema)
{
    using namespace Qt::StringLiterals;
    QStringList z{u"Multiple-Choice-Test"_s,
                  QString(70, u'-'),
                  u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                  u"Thema: "_s + thema,
                  QString(70, u'-'),
                  QString()};
    for (int q = 1; q <= 40; ++q) {
        z << QString::number(q) + u")\tWelche Aussage über die Größe Nr. "_s + QString::number(q) +
                 u" trifft zu?"_s;
        for (QChar b : u"abcd"_s) {
            const QString zeile =
                u'\t' + QString(b) + u") Eine mögliche Antwort "_s + b + u" mit etwas Text"_s;
            z << (b == u"abcd"_s[q % 4] ? QString::number(1 + q % 3) + zeile : zeile);
        }
        z << QString();
    }
    return z;
}

inline Klasse klasse40()
{
    using namespace Qt::StringLiterals;
    Klasse k;
    for (int nr = 1; nr <= 40; ++nr) {
        k.schueler(nr).nachname =
            QString(QChar(u'A' + (nr - 1) / 26)) + QChar(u'a' + (nr - 1) % 26) + u"chname"_s;
        k.schueler(nr).vorname = u"Vorname"_s + QString::number(nr);
    }
    return k;
}

} // namespace bench

#pragma once
// Rueckfragen fuer Tests: beantwortet Fragen aus einer Warteschlange und zeichnet jede
// Meldung und Frage auf, damit ein Test den Text pruefen kann, den der Benutzer gesehen haette.

#include "common/rueckfragen.h"

#include <QList>
#include <QQueue>

class SkriptRueckfragen final : public Rueckfragen
{
public:
    struct Eintrag
    {
        Art art;
        QString text;
        bool istFrage = false;
    };

    // Antworten in der Reihenfolge der Fragen.
    SkriptRueckfragen &antworte(Knopf k)
    {
        antworten.enqueue(k);
        return *this;
    }
    SkriptRueckfragen &dateiAntwort(const QString &pfad)
    {
        dateiAntworten.enqueue(pfad);
        return *this;
    }
    SkriptRueckfragen &textAntwort(std::optional<QString> text)
    {
        textAntworten.enqueue(std::move(text));
        return *this;
    }

    void melde(Art art, const QString &text) override;
    Knopf frage(Art art, const QString &text, Knoepfe knoepfe) override;
    void piep() override { ++pieptoene; }
    QString dateiZumOeffnen(const QString &titel, const QString &ordner,
                            const QString &filter) override;
    QString dateiZumSpeichern(const QString &titel, const QString &vorschlag, const QString &filter,
                              const QString &endung) override;
    QString ordnerWaehlen(const QString &titel, const QString &ordner) override;
    std::optional<QString> textEingabe(const QString &titel, const QString &frage,
                                       const QString &vorgabe) override;

    // Alle Meldungen und Fragen in ihrer Reihenfolge.
    QList<Eintrag> protokoll;
    QStringList meldungen() const; // nur die Texte der Meldungen (ohne Fragen)
    QStringList fragen() const;
    QString letzteMeldung() const;
    void leeren() { protokoll.clear(); }

    int pieptoene = 0;
    int unbeantwortet = 0; // Fragen ohne vorbereitete Antwort
    QList<Knoepfe> gestellteKnoepfe;
    QStringList dateiDialogTitel;
    QStringList dateiDialogOrdner; // womit dateiZumOeffnen beginnt (Ordner oder Vorschlag)

private:
    QQueue<Knopf> antworten;
    QQueue<QString> dateiAntworten;
    QQueue<std::optional<QString>> textAntworten;
};

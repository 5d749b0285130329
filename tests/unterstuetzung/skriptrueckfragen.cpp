#include "unterstuetzung/skriptrueckfragen.h"

void SkriptRueckfragen::melde(Art art, const QString &text)
{
    protokoll.append({art, text, false});
}

Rueckfragen::Knopf SkriptRueckfragen::frage(Art art, const QString &text, Knoepfe knoepfe)
{
    protokoll.append({art, text, true});
    gestellteKnoepfe.append(knoepfe);
    if (!antworten.isEmpty()) {
        return antworten.dequeue();
    }
    // Ohne vorbereitete Antwort: die zerstoerungsfreie Wahl, und mitzaehlen.
    ++unbeantwortet;
    switch (knoepfe) {
    case Knoepfe::Ok:
        return Knopf::Ok;
    case Knoepfe::OkAbbruch:
    case Knoepfe::JaNeinAbbruch:
        return Knopf::Abbruch;
    case Knoepfe::JaNeinAbbrechen:
        return Knopf::Abbrechen;
    case Knoepfe::JaNein:
        return Knopf::Nein;
    }
    return Knopf::Nein;
}

QString SkriptRueckfragen::dateiZumOeffnen(const QString &titel, const QString &ordner,
                                           const QString &)
{
    dateiDialogTitel.append(titel);
    dateiDialogOrdner.append(ordner);
    return dateiAntworten.isEmpty() ? QString() : dateiAntworten.dequeue();
}

QString SkriptRueckfragen::dateiZumSpeichern(const QString &titel, const QString &, const QString &,
                                             const QString &)
{
    dateiDialogTitel.append(titel);
    return dateiAntworten.isEmpty() ? QString() : dateiAntworten.dequeue();
}

QString SkriptRueckfragen::ordnerWaehlen(const QString &titel, const QString &)
{
    dateiDialogTitel.append(titel);
    return dateiAntworten.isEmpty() ? QString() : dateiAntworten.dequeue();
}

std::optional<QString> SkriptRueckfragen::textEingabe(const QString &, const QString &frage,
                                                      const QString &)
{
    protokoll.append({Art::Frage, frage, true});
    if (textAntworten.isEmpty()) {
        ++unbeantwortet;
        return std::nullopt;
    }
    return textAntworten.dequeue();
}

QStringList SkriptRueckfragen::meldungen() const
{
    QStringList texte;
    for (const Eintrag &e : protokoll) {
        if (!e.istFrage) {
            texte.append(e.text);
        }
    }
    return texte;
}

QStringList SkriptRueckfragen::fragen() const
{
    QStringList texte;
    for (const Eintrag &e : protokoll) {
        if (e.istFrage) {
            texte.append(e.text);
        }
    }
    return texte;
}

QString SkriptRueckfragen::letzteMeldung() const
{
    const QStringList m = meldungen();
    return m.isEmpty() ? QString() : m.constLast();
}

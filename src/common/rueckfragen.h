#pragma once
// Was die Logik mitten im Ablauf vom Benutzer wissen will oder ihm sagt.
// Fenster setzen QMessageBox und Dateidialoge ein, Tests ein Skript, das Werkzeug stderr.

#include <QString>
#include <QStringList>

#include <optional>

class Rueckfragen
{
public:
    enum class Art { Information, Warnung, Fehler, Frage };
    enum class Knoepfe {
        Ok,
        JaNein,
        JaNeinAbbruch,   // Ja / Nein / Abbrechen (Cancel)
        JaNeinAbbrechen, // Ja / Nein / Abbruch (Abort)
        OkAbbruch,
    };
    enum class Knopf { Ok, Ja, Nein, Abbruch, Abbrechen };

    virtual ~Rueckfragen() = default;

    virtual void melde(Art art, const QString &text) = 0;
    virtual Knopf frage(Art art, const QString &text, Knoepfe knoepfe) = 0;
    virtual void piep() = 0;

    // Leerer Text: abgebrochen.
    virtual QString dateiZumOeffnen(const QString &titel, const QString &ordner,
                                    const QString &filter) = 0;
    virtual QString dateiZumSpeichern(const QString &titel, const QString &vorschlag,
                                      const QString &filter, const QString &endung) = 0;
    virtual QString ordnerWaehlen(const QString &titel, const QString &ordner) = 0;
    // nullopt: abgebrochen.
    virtual std::optional<QString> textEingabe(const QString &titel, const QString &frage,
                                               const QString &vorgabe) = 0;

    void information(const QString &text) { melde(Art::Information, text); }
    void warnung(const QString &text) { melde(Art::Warnung, text); }
    void fehler(const QString &text) { melde(Art::Fehler, text); }
};

// Rueckfragen ohne Auswahldialoge (Werkzeuge, Messungen): jede Datei-, Ordner- und Textauswahl
// gilt als abgebrochen.
class RueckfragenOhneAuswahl : public Rueckfragen
{
public:
    QString dateiZumOeffnen(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString dateiZumSpeichern(const QString &, const QString &, const QString &,
                              const QString &) override
    {
        return {};
    }
    QString ordnerWaehlen(const QString &, const QString &) override { return {}; }
    std::optional<QString> textEingabe(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

#pragma once
// Meldungen und Fragen des Schuelerprogramms als Nachrichtenfenster mit deutschen Knoepfen.
// Eigene kleine Fassung, damit Mivo die Fensterbibliothek des Lehrerprogramms nicht braucht.

#include "common/rueckfragen.h"

class QWidget;

class MivoRueckfragen final : public Rueckfragen
{
public:
    explicit MivoRueckfragen(QWidget *eltern = nullptr)
        : eltern(eltern)
    {}
    void setzeEltern(QWidget *w) { eltern = w; }

    void melde(Art art, const QString &text) override;
    Knopf frage(Art art, const QString &text, Knoepfe knoepfe) override;
    void piep() override;
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

private:
    QWidget *eltern;
};

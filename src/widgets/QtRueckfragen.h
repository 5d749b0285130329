#pragma once
// Rueckfragen mit modalen Qt-Dialogen und deutschen Knopfbeschriftungen.

#include "common/rueckfragen.h"

#include <QPointer>
#include <QWidget>

// Dateifilter der Logik fuer Qt: die Windows-Form "Beschreibung|*.a;*.b|..." wird zu
// "Beschreibung (*.a *.b);;..."; ein Filter in Qt-Form bleibt, wie er ist.
QString qtDateifilter(const QString &filter);
// Der Filter (Qt-Form), dessen Muster die Standardendung traegt; sonst der erste.
QString filterDerEndung(const QString &qtFilter, const QString &endung);

class QtRueckfragen final : public Rueckfragen
{
public:
    explicit QtRueckfragen(QWidget *eltern = nullptr)
        : eltern(eltern)
    {}
    void setzeEltern(QWidget *w) { eltern = w; }

    void melde(Art art, const QString &text) override;
    Knopf frage(Art art, const QString &text, Knoepfe knoepfe) override;
    void piep() override;
    QString dateiZumOeffnen(const QString &titel, const QString &ordner,
                            const QString &filter) override;
    QString dateiZumSpeichern(const QString &titel, const QString &vorschlag, const QString &filter,
                              const QString &endung) override;
    QString ordnerWaehlen(const QString &titel, const QString &ordner) override;
    std::optional<QString> textEingabe(const QString &titel, const QString &frage,
                                       const QString &vorgabe) override;

private:
    QWidget *elternFenster() const;
    QPointer<QWidget> eltern;
};

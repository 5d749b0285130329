#pragma once
// Die Grenze zwischen Fenstern und Logik: eine Ausnahme, die aus einem Ereignis oder Slot kommt
// (z. B. ein Indexfehler), beendet nicht das Programm. Sie wird hier gefangen und als
// Fehlermeldung gezeigt; der Vorgang ist damit abgebrochen, das Programm laeuft weiter.

#include <QApplication>

class Rueckfragen;

class Fehlergrenze : public QApplication
{
public:
    Fehlergrenze(int &argc, char **argv);

    // Wohin die Meldung geht; ohne Rueckfragen nur auf die Fehlerausgabe.
    void setzeRueckfragen(Rueckfragen *r) { rueckfragen = r; }

    bool notify(QObject *empfaenger, QEvent *ereignis) override;

    // Der Text der Meldung zu einer Ausnahme.
    static QString meldungsText(const QString &ursache);

private:
    void melden(const QString &ursache);

    Rueckfragen *rueckfragen = nullptr;
    bool meldetGerade = false;
};

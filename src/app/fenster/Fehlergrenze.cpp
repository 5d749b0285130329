#include "app/fenster/Fehlergrenze.h"

#include "common/rueckfragen.h"

#include <exception>

using namespace Qt::StringLiterals;

Fehlergrenze::Fehlergrenze(int &argc, char **argv)
    : QApplication(argc, argv)
{}

QString Fehlergrenze::meldungsText(const QString &ursache)
{
    return u"Der Vorgang wurde wegen eines Programmfehlers abgebrochen:\r\n\r\n"_s + ursache +
           u"\r\n\r\nDas Programm läuft weiter; die geöffnete Klasse ist noch im Speicher. "
           u"Bitte prüfen Sie die Daten, bevor Sie speichern."_s;
}

bool Fehlergrenze::notify(QObject *empfaenger, QEvent *ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception &fehler) {
        melden(QString::fromLocal8Bit(fehler.what()));
    } catch (...) {
        melden(u"unbekannte Ausnahme"_s);
    }
    return true; // das Ereignis gilt als behandelt
}

void Fehlergrenze::melden(const QString &ursache)
{
    // Eine zweite Ausnahme waehrend der Meldung (deren Ereignisschleife) nicht noch einmal zeigen.
    if (rueckfragen == nullptr || meldetGerade) {
        qWarning("%s", qPrintable(meldungsText(ursache)));
        return;
    }
    meldetGerade = true;
    rueckfragen->fehler(meldungsText(ursache));
    meldetGerade = false;
}

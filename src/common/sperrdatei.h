#pragma once
// Eine Sperre, die auch zwischen zwei Rechnern an derselben Freigabe eines Schulservers haelt.
// Die Sperre ist ein Ordner: er entsteht unter einem eigenen Namen mit der Datei "inhaber"
// (Prozessnummer, Programm, Rechner, Startzeit und Startkennung des Rechners) und wird dann auf
// den Sperrnamen umbenannt. Das Umbenennen eines Ordners auf einen vorhandenen, nicht leeren
// Ordner lehnt der Server ab; so ist die Sperre nie ohne Inhaber sichtbar und nie doppelt
// vergeben. Freigegeben wird durch Wegbenennen und Loeschen.
//
// Verwaist ist eine Sperre, deren Prozess auf diesem Rechner nicht mehr laeuft (auch: der Rechner
// wurde neu gestartet, die Nummer gehoert inzwischen einem anderen Prozess), oder die aelter als
// die Verwaisungszeit ist; eine verwaiste Sperre wird sofort uebernommen. Eine Sperrdatei
// frueherer Fassungen (eine Datei mit denselben ersten drei Zeilen) wird ebenso erkannt.

#include <QString>

class Sperrdatei
{
public:
    Sperrdatei(QString pfad, qint64 verwaistMs);
    ~Sperrdatei(); // gibt frei
    Sperrdatei(const Sperrdatei &) = delete;
    Sperrdatei &operator=(const Sperrdatei &) = delete;

    // Versucht wartezeitMs lang (0: einmal), die Sperre zu bekommen.
    bool sperren(int wartezeitMs);
    void freigeben();
    bool gehalten() const { return haelt; }
    // false nach sperren(): die Sperre liess sich nicht anlegen (nicht, weil ein anderer sie
    // haelt).
    bool anlegbar() const { return anlegenMoeglich; }
    // Fehlernummer, wenn die Sperre nicht anlegbar war (z. B. verlorene Verbindung).
    int anlegefehler() const { return fehlernummer; }

    struct Halter
    {
        qint64 pid = 0;
        QString programm;
        QString rechner;
        qint64 startzeit = 0;
        QString boot;
        QString kennung; // zufaellig je Sperren: die eigene Sperre von einer fremden unterscheiden
    };
    // Wer die Sperre haelt, soweit es in ihr steht.
    Halter halter() const;

private:
    bool einmal();
    // Raeumt eine Sperre dieses Pfads weg, die dieses Programm frueher nicht freigeben konnte.
    bool eigeneLiegengebliebeneEntfernen();
    bool verwaist(const QString &sperre, qint64 grenzeMs) const;
    bool verwaisteEntfernen();
    void resteEntfernen() const;
    QString pfad;
    qint64 verwaistMs;
    bool haelt = false;
    bool anlegenMoeglich = true;
    int fehlernummer = 0;
    QString kennung;
};

#pragma once
// Eine Sperrdatei wie QLockFile (angelegt mit O_EXCL, darin Prozessnummer, Programm und Rechner;
// verwaist, wenn ihr Prozess auf diesem Rechner nicht mehr laeuft oder sie aelter als die
// Verwaisungszeit ist), aber ohne die Synchronisation auf die Platte bei jedem Sperren: die kostet
// auf langsamen Platten mehr als ein ganzer Einsammel- oder Benotungsschritt. Ein Stromausfall
// hinterlaesst hoechstens eine verwaiste Sperre, die ohnehin erkannt wird.

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
    // false nach sperren(): die Datei liess sich nicht anlegen (nicht, weil ein anderer sie haelt).
    bool anlegbar() const { return anlegenMoeglich; }

    struct Halter
    {
        qint64 pid = 0;
        QString programm;
        QString rechner;
    };
    // Wer die Sperre haelt, soweit es in der Datei steht.
    Halter halter() const;

private:
    bool einmal();
    bool verwaist(const QString &datei, qint64 grenzeMs) const;
    QString pfad;
    qint64 verwaistMs;
    bool haelt = false;
    bool anlegenMoeglich = true;
};

#pragma once
// mivo-werkzeug: die Logik des Programms von der Kommandozeile.
// Jede Rueckfrage wird mit Ja beantwortet, jede Meldung geht nach stderr.
// Rueckgabe 0 bei Erfolg, 2 wenn der Vorgang abgebrochen wurde, 1 bei falschem Aufruf.

#include <QString>
#include <QStringList>

class Klasse;
class QTextStream;

int werkzeugAusfuehren(const QStringList &argumente, QTextStream &aus, QTextStream &fehler);

// Die Klasse als JSON, wie das Programm sie laedt.
QString klasseAlsJson(const Klasse &klasse, const QString &name);
// Gegenstueck fuer die Quellen der Beispielklassen; false mit Text in *fehler.
bool klasseAusJson(const QByteArray &json, Klasse &klasse, QString *fehler);

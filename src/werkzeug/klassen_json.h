#pragma once
// Die Klasse als JSON (Ausgabe von "klasse") und zurueck (Quellen der Beispielklassen).

#include <QByteArray>
#include <QString>

class Klasse;
class JsonSchreiber;

QString klasseAlsJson(const Klasse &klasse, const QString &name);
bool klasseAusJson(const QByteArray &json, Klasse &klasse, QString *fehler);

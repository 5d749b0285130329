#pragma once
// Schuljahre: "2016-17" (Startjahr, "-", die letzten zwei Ziffern des Folgejahres).
// Das Schuljahr wechselt am 1. August.

#include <QDate>
#include <QString>
#include <QStringList>

inline constexpr int kErstesSchuljahr = 2008;
inline constexpr int kLetztesSchuljahr = 2498;

QString schuljahrText(int startjahr);
// "..." (alle Jahre) und "2008-09" bis "2498-99".
QStringList schuljahrListe();
QString aktuellesSchuljahr(const QDate &heute);
// Ordnername eines Schuljahres: genau 7 Zeichen, beginnt mit "2", "-" an 5. Stelle.
bool istSchuljahrOrdnerName(const QString &name);
// basis (endet mit Trenner) + Schuljahr + Trenner
QString schuljahrOrdner(const QString &basis, const QString &schuljahr);

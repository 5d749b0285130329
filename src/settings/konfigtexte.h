#pragma once
// Die Hinweise und Meldungen der beiden Konfigurationsdialoge.

#include <QString>

namespace KonfigText {
QString hinweis1();
QString hinweis2();
QString hinweis3();
QString transferHinweis();
QString probelaufFrage();
QString probelaufStart();
QString probelaufGut();
QString probelaufAnleitung();
QString installation3Fertig();
QString okOhneGo();
QString ordnerNichtGefunden();
// Noch nie ein Ordner eingetragen (frische Installation): kein Wort von einem Umzug.
QString nochKeineKonfiguration();
QString anfangsKonfGespeichert();
inline const QString speicherProbleme =
    QStringLiteral("Es gab Probleme beim Speichern der Konfiguration!");
} // namespace KonfigText

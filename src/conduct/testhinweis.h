#pragma once
// Ob es fuer eine Klasse schon bearbeitete Tests gibt: Testordner ihres Schuljahres, deren
// Kuerzel mit dem Klassenkuerzel beginnt und die persoenliche Kopien der Schueler enthalten
// ("T1-Kopie", "T2-Ausge" oder "T3-Benot"). Deren Dateinamen haengen an den Schuelernamen.

#include <QString>

// schuljahrOrdner endet mit dem Trenner; klassenToken wie beim Laden ("7x", "9-", "10a").
bool bearbeiteteTestsVorhanden(const QString &schuljahrOrdner, const QString &klassenToken);

// Die einmalige Warnung der Einzelschueleransicht.
QString bearbeiteteTestsWarnung();

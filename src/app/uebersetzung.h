#pragma once
// Die deutschen Texte von Qt selbst: Datei-, Druck-, Farb- und Eingabedialoge und die
// Standardknoepfe ("Abbrechen" statt "Cancel").

class QCoreApplication;

// Laedt die deutsche Uebersetzung von Qt (qtbase_de) aus dem Uebersetzungsordner von Qt und
// installiert sie in der Anwendung, der sie dann gehoert. false, wenn sie fehlt (Debian-Paket
// qt6-translations-l10n); die Dialoge von Qt bleiben dann englisch.
bool qtUebersetzungLaden(QCoreApplication &app);

#pragma once
// Die Lückentest-Dateien (alle RTF, eine Zeile je Absatz) und ihre Umwandlungen.
//
// Urdatei ("CODE._LA"):
//   Text, jede Lücke als "<$NN>" schwarz auf weiß
//   41 "-" / leer / "<Allgemeine Lueckenwoerter>" / je Lücke "NN Wort" / leer / "<Einzellisten>"
//   je F-Lücke "NN ...", je E-Lücke "NN Wort" und "NN Alternative" je falscher Alternative
//   leer / Schlusszeile
// Schülerdatei: Text und die ersten drei Zeilen danach wie in der Urdatei, dann die A-Wörter
//   ohne Nummer, sortiert / leer / "<Einzellisten>" / je F-Lücke "NN ...", je E-Lücke "NN Wort"
//   und die Alternativen / leer / Schlusszeile
// Ausgefüllte Datei: Text der Schülersicht mit jeder Lücke als "<Eintrag $NN>" (Trennlinie und
//   Leerzeile der Schülerdatei bleiben) / leer / 48 "-" / "<Ausgefuellte Lueckenwoerter>" /
//   "NN Eintrag" je Lücke (15 Punkte für eine leere) / leer / Schlusszeile
//
// NN ist zweistellig ("01" .. "99"); Leser nehmen die ersten zwei Zeichen als Nummer, überspringen
// das dritte und lesen ab dem vierten höchstens 300 Zeichen.
// Jede Datei wird geprüft, bevor etwas am Ziel geändert wird; Fehler sind Meldungen für den
// Benutzer.

#include "cloze/luecken.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QTextDocument;

inline const QString kUrTrennlinie = QString(41, u'-');
inline const QString kAusgefuelltTrennlinie = QString(48, u'-');
inline const QString kKopfAllgemein = QStringLiteral("<Allgemeine Lueckenwoerter>");
inline const QString kKopfEinzel = QStringLiteral("<Einzellisten>");
inline const QString kKopfAusgefuellt = QStringLiteral("<Ausgefuellte Lueckenwoerter>");
inline const QString kSchlusszeile = QStringLiteral("<Lueckentest, Mivo-Zuzovuvavev, Gruppe: A>");

// Die festen Namen neben der Urdatei im Testordner.
inline const QString kSchuelerdateiName = QStringLiteral("SchTestDatei.rtf");
inline const QString kAusgefuelltName = QStringLiteral("SchTestAusgef.rtf");
inline const QString kBenotetName = QStringLiteral("SchTestBenotet.rtf");

// Die Zeilen (Absätze) eines Dokuments, nur lesend.
QStringList zeilenVon(const QTextDocument &doc);
QString nummerZweistellig(int n);
QString lueckenMarke(int n); // "<$NN>"
QString keineLueckentestDatei(const QString &datei);

// Die Listenteile einer Datei, wie einzelLWAusRE und allgLWAusRE sie lesen.
struct LueckenListen
{
    Lueckentabelle tabelle;
    QSet<int> eMenge;
    QSet<int> fMenge;
    int anzahl = 0;         // gezählte Lücken
    QStringList allgemeine; // Lehrersicht: "NN Wort" der A-Lücken; Schülersicht: die A-Wörter
    QStringList eWoerter;   // für die Navigationsliste der Einzellisten-Wörter
    QStringList fWoerter;
};

// Liest den Abschnitt "<Einzellisten>": Alternativen, E- und F-Menge. false, wenn er fehlt.
bool einzelLWAusRE(const QStringList &zeilen, LueckenListen &l);
// Liest "<Allgemeine Lueckenwoerter>" bis zur ersten Leerzeile; muss nach einzelLWAusRE laufen.
// schuelersicht: jede Zeile ein bloßes A-Wort. false, wenn der Abschnitt fehlt.
bool allgLWAusRE(const QStringList &zeilen, bool schuelersicht, LueckenListen &l);
// Ersetzt "<$NN>" für n = 1..anzahl durch die Lücke in ihren Farben: in der Lehrersicht das Wort,
// in der Schülersicht den Platzhalter. Nur im Text vor der Zeile textEnde.
void LWEinsetzen(QTextDocument &doc, int textEnde, bool schuelersicht, LueckenListen &l);
// Schneidet ab der letzten Zeile "<Allgemeine Lueckenwoerter>" alles ab; mitTrennlinie nimmt auch
// die Leerzeile und die Trennlinie davor.
void dateiAnhangLoeschen(QTextDocument &doc, bool mitTrennlinie);

// Baut die Urdatei aus dem Arbeitstext der Lehrersicht (bleibt unverändert) und der Tabelle
// (Wörter, Arten und Anfänge werden aus dem Text neu bestimmt, die Alternativen bleiben).
// nullptr mit Meldung in fehler bei mehr als 99 Lücken oder verbotenen Zeichen in einer Lücke.
std::unique_ptr<QTextDocument> urdateiErzeugen(const QTextDocument &arbeit, Lueckentabelle &tab,
                                               QString &fehler);

// Macht aus der geladenen Urdatei die Lehrersicht: Lücken eingesetzt, Listen abgeschnitten.
// Leer bei Erfolg; sonst die Meldung und doc bleibt, wie es war.
QString lehreransichtAusUrdatei(QTextDocument &doc, LueckenListen &l, const QString &datei);

// Baut die Schülerdatei aus der Urdatei. nullptr mit Meldung bei einer ungültigen Urdatei oder
// einer Einzelliste ohne Alternativen.
std::unique_ptr<QTextDocument> schuelerdateiErzeugen(const QTextDocument &urdatei,
                                                     const QString &datei, QString &fehler);

// Macht aus der geladenen Schülerdatei die Schülersicht (jede Lücke mit dem Platzhalter).
QString schueleransichtAusSchuelerdatei(QTextDocument &doc, LueckenListen &l, const QString &datei);

// Die ausgefüllte Datei aus der Schülersicht; die Sicht selbst bleibt unverändert.
std::unique_ptr<QTextDocument> ausgefuelltErzeugen(const QTextDocument &sicht,
                                                   const Lueckentabelle &tab);

// Schülersicht: darf wort in Lücke n stehen? aWoerter sind alle A-Wörter der Schülerdatei.
// Leer, wenn ja, sonst die Meldung. Der Platzhalter leert jede Lücke.
QString schuelerEintragPruefen(const Lueckentabelle &tab, const QStringList &aWoerter, int n,
                               const QString &wort);
// Die A-Wörter, die noch in keiner Lücke stehen (sortiert).
QStringList freieAWoerter(const Lueckentabelle &tab, const QStringList &aWoerter);

#pragma once
// Die eine offene Klasse des Notenbuchs: Datensatz, Pfad, Name, Kuerzel, Schuljahr, ob sie offen
// und ob sie seit dem Speichern geaendert ist, der aktuelle Schueler und die Sortierung. Laden,
// Speichern und die Speicherabfrage gibt es nur hier. Ansichten lesen und aendern die Klasse ueber
// die Sitzung und hoeren auf ihre Signale; die Sitzung kennt kein Fenster.

#include "classdata/klasse.h"
#include "classdata/klassenjournal.h"
#include "classdata/klassensicherung.h"
#include "classdata/klassenverwaltung.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>

class Klassensperre;
class Rueckfragen;

class Klassensitzung : public QObject
{
    Q_OBJECT
public:
    explicit Klassensitzung(Rueckfragen &r, QObject *eltern = nullptr);
    ~Klassensitzung() override;

    // Der Datensatz; wer ihn aendert, meldet es mit geaendertMelden().
    Klasse klasse;
    // Aktueller Schueler der Einzelschueleransicht (1..40).
    int schuelerNr = 1;

    bool offen() const { return istOffen; }
    bool geaendert() const { return istGeaendert; }
    int groesse() const { return klassenGroesse(klasse); }
    const QString &pfad() const { return dateiPfad; }   // Ordner + Name + ".DTA"
    const QString &name() const { return klassenname; } // ohne Endung
    const QString &kuerzel() const { return klassenToken; }
    const QString &schuljahr() const { return jahr; }
    const QString &klassenOrdner() const { return ordner; } // Basis + Schuljahr + Trenner

    // Schuljahr der Klassenliste; die offene Klasse bleibt, wie sie ist.
    void setzeSchuljahr(const QString &basisOrdner, const QString &schuljahr);

    // Laedt einen Eintrag der Klassenliste des Schuljahres und sperrt ihn fuer diese Instanz. Ist
    // er anderswo geoeffnet, wird es gemeldet und trotzdem geladen; vor dem Speichern wird dann
    // gefragt. false: kein Klasseneintrag oder nicht lesbar (gemeldet); die bisherige Klasse
    // bleibt dann samt ihrer Sperre unberuehrt.
    bool laden(const QString &eintrag);
    // Eine im Speicher angelegte Klasse (neue Klasse) wird die offene; sie gilt als geaendert.
    void uebernehmen(const Klasse &neu, const QString &pfad, const QString &name);
    // Schreibt die offene Klasse; fragt, bevor eine seit dem Oeffnen anderswo gespeicherte Fassung
    // ueberschrieben wird. Misslingt es oder wird abgelehnt, bleibt sie offen und ungespeichert.
    bool speichern();
    // Vor allem, was die Klasse fallen laesst: 0 weiter (die Klasse ist danach geschlossen),
    // -1 abbrechen (die Klasse bleibt offen).
    int speicherAbfrage();
    // Laesst die Klasse ohne Rueckfrage fallen (nach der Speicherabfrage oder dem Loeschen) und
    // gibt ihre Sperre frei.
    void schliessen();
    // Loescht die Klassendatei nach Rueckfrage; danach ist keine Klasse offen. Ihre Sicherungen
    // (samt der geloeschten Fassung) und ihr Verlauf bleiben.
    bool dateiLoeschen();

    // Die gespeicherten Fassungen der offenen Klasse, neueste zuerst.
    QList<Sicherung> sicherungen() const;
    // Eine Sicherung wird die offene, ungespeicherte Klasse (die bisherige wird beim naechsten
    // Speichern selbst eine Sicherung). false: nicht lesbar (gemeldet), nichts geaendert.
    bool sicherungWiederherstellen(const QString &sicherungsPfad);
    // Die Notenaenderungen der offenen Klasse, gespeicherte und ungespeicherte, neueste zuerst.
    QList<Notenaenderung> verlauf() const;

    // Eine Ansicht hat eine Eingabe bestaetigt (Noten, Namen, Notenarten, ...). Die Klasse, wie
    // sie samt den offenen Eingaben der Ansichten jetzt zu sehen ist, steht danach im Journal auf
    // der Platte. false: das Journal liess sich nicht schreiben (sofort gemeldet); die Eingabe ist
    // dann nur im Speicher.
    bool geaendertMelden();
    // Eine Ansicht mit Eingaben, die erst spaeter in die Klasse kommen (eine offene Einzelliste,
    // die Felder eines Schuelers), nennt hier, wie sie sie in eine Kopie der Klasse schreibt;
    // das Journal haelt sie so mit fest. Ein leeres f nimmt die Ansicht wieder heraus.
    void offeneEingabenSetzen(QObject *ansicht, std::function<void(Klasse &)> f);
    // Die Bytes der Klasse mit den offenen Eingaben, wie das Journal sie festhaelt.
    QByteArray sichtbarerStand() const;
    const Klassenjournal &journal() const { return journalSchreiber; }
    // Schreibt offene Eingaben aller Ansichten in die Klasse (vor Speichern und Wechseln).
    void eingabenAbschliessen() { emit eingabenUebernehmen(); }

    const SortierOptionen &sortierung() const { return sortierOptionen; }
    // Sortiert noch nicht: eine offene Einzelliste muss ihre Noten mitnehmen.
    void setzeSortierung(const SortierOptionen &s);
    void sortieren() { sortiereSchuelerliste(klasse, sortierOptionen); }

signals:
    void geoeffnet();
    void geaendertGemeldet();
    void gespeichert();
    void geschlossen();
    void schuljahrGewechselt();
    // Ansichten uebernehmen jetzt ihre offenen Eingaben in die Klasse.
    void eingabenUebernehmen();

private:
    void oeffnen(const QString &pfad, const QString &name,
                 const JournalLesung *fortsetzen = nullptr);
    // Nach dem Laden mit gehaltener Sperre: bietet die Eingaben eines liegen gebliebenen
    // Journals an. true: neu ist jetzt der wiederhergestellte Stand, fortsetzen das Journal.
    bool journalAnbieten(const QString &pfad, const QString &name, Klasse &neu,
                         JournalLesung &fortsetzen);
    void journalBeginnen(const JournalLesung *fortsetzen);

    Rueckfragen &r;
    std::unique_ptr<Klassensperre> sperre;
    bool istOffen = false;
    bool istGeaendert = false;
    QString dateiPfad;
    QString klassenname;
    QString klassenToken;
    QString jahr;
    QString ordner;
    SortierOptionen sortierOptionen;
    Klassenjournal journalSchreiber;
    bool ohneJournalGemeldet = false;
    std::map<const QObject *, std::function<void(Klasse &)>> offeneEingaben;
};

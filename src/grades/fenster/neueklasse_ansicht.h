#pragma once
// Die Gruppe "Neue Klasse eröffnen" im Notenfenster: Art, Jahrgang, Klassen-/Kursbuchstabe und
// Fach waehlen, dann die Schuelernamen in ein Gitter tippen oder aus einer Datei importieren; "OK"
// legt die Klasse im Speicher an (geschrieben wird sie mit dem naechsten Speichern).

#include "classdata/klassenverwaltung.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class Klassensitzung;
class Rueckfragen;
class Uhr;
struct Einstellungen;

class NeueKlasseAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    NeueKlasseAnsicht(Klassensitzung &sitzung, const Einstellungen &einstellungen,
                      Rueckfragen &rueckfragen, const Uhr &uhr);

    // "&Neue Klasse": Speicherabfrage, aktuelles Schuljahr, Angaben zuruecksetzen, Gruppe zeigen.
    void BNeueKlasseClick();
    void KursKlasseChange();
    KlassenWahl wahl() const;
    void BKlasseNeuMitEingabeClick();
    void BKlasseNeuMitImportClick();
    bool BOKNamenEingabeClick();
    void BAbbrechenNeueKlasse();
    void BNamenslisteLoeschen();

    // Die Zeilen des Namensgitters (Zeile 1..40).
    QList<NamensZeile> namensZeilen() const;
    void namensZeilenZeigen(const QList<NamensZeile> &zeilen);

    QComboBox *CBKursKlasse = nullptr;
    QComboBox *CBJahrgang = nullptr;
    QComboBox *CBKlassenBuchstabe = nullptr;
    QComboBox *CBFachBuchstabe = nullptr;
    QLabel *LGewaehltesFach = nullptr;
    QPushButton *BKlasseNeuMitEingabe = nullptr;
    QPushButton *BKlasseNeuMitImport = nullptr;
    QTableWidget *SGNamenEingabe = nullptr;
    QPushButton *BOKNamenEingabe = nullptr;
    QPushButton *BAbbrechenNeueKlasse_ = nullptr;
    QPushButton *BNamenslisteLoeschen_ = nullptr;

signals:
    void anzeigen();
    void fertig(); // angelegt (die Sitzung hat die Klasse) oder abgebrochen
    void ueberschrift(const QString &klassenname); // der Name, der entstehen wird

private:
    void gitterZeigen(bool sichtbar);
    QString schuljahrOrdner() const;

    Klassensitzung &s;
    const Einstellungen &e;
    Rueckfragen &r;
    const Uhr &uhr;
    QString neuerName;
    QString neuerPfad;
    QWidget *leerraum = nullptr;
    QStringList faecher; // Zeilen der Faecherliste, "P- Physik"
};

#pragma once
// Der Dialog "Versetzung in das Folgeschuljahr": links die Klassendateien des endenden, rechts die
// des folgenden Schuljahres. Ein Klick links versetzt die Klasse (ohne Noten), ein Klick rechts
// loescht die Datei im Folgejahr. Gerechnet wird in classdata/klassenversetzung.

#include "classdata/klasse.h"
#include "settings/konfiguration.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class Rueckfragen;
class Uhr;

class TFVersetzung : public QDialog
{
    Q_OBJECT
public:
    TFVersetzung(Einstellungen &einstellungen, Rueckfragen &rueckfragen, const Uhr &uhr,
                 QWidget *eltern = nullptr);
    ~TFVersetzung() override;

    // Ordner (mit Trenner) des endenden und des folgenden Schuljahres.
    QString endOrdner() const { return endendOrdner; }
    QString folgeOrdner() const { return folgendOrdner; }
    // Das aktuelle Schuljahr beim Anlegen; leer, wenn das Datum nicht ermittelt werden konnte.
    QString aktuellesSchuljahr() const { return aktuell; }

    void LBKlassenAJClick(int zeile);
    void BAlleVersetzenClick();
    void LBKlassenFJClick(int zeile);
    void BAlleLoeschenClick();
    void CBoxSchuljahrClick();
    void CBoxSchuljahrChange(const QString &text);
    void CBoxAktSchuljahrClick();
    void BVersetzenBeendenClick();

    // Die zuletzt versetzte Klasse (ohne Noten).
    Klasse klasse;

    QComboBox *CBoxSchuljahr = nullptr;
    QCheckBox *CBoxAktSchuljahr = nullptr;
    QLineEdit *EFolgeSchuljahr = nullptr;
    QListWidget *LBKlassenAJ = nullptr;
    QListWidget *LBKlassenFJ = nullptr;
    QPushButton *BAlleVersetzen = nullptr;
    QPushButton *BAlleLoeschen = nullptr;
    QPushButton *BVersetzenBeenden = nullptr;

signals:
    // "Beenden" oder Esc: zurueck zur Uebersicht des Hauptfensters.
    void zurUebersicht();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void reject() override;

private:
    void listenFuellen();
    void folgeListeFuellen();
    // Fragt vor dem Einstellen frueherer Jahre; false: "Aktuelles Schuljahr" wieder gesetzt.
    bool warnungBestaetigt(const QString &text);
    void aktuellesJahrWaehlen();

    Einstellungen &einstellungen;
    Rueckfragen &r;
    const Uhr &uhr;
    QString aktuell;
    QString endendOrdner;
    QString folgendOrdner;
    bool fragtGerade = false;
    const QObject *jahrKasten = nullptr;
    const QObject *jahrFeld = nullptr;
};

#pragma once
// Zwei kleine Dialoge des Notenfensters: die gespeicherten Fassungen einer Klasse zur Auswahl
// ("Klasse aus Sicherung wiederherstellen…") und der Notenverlauf ("Verlauf"), je Schueler oder
// Liste, neueste Aenderung zuerst, druckbar. Sie fragen und zeigen; die Logik steht in der
// Klassensitzung und in klassensicherung.h.

#include "classdata/klassensicherung.h"

#include <QDialog>

class Klassensitzung;
class QComboBox;
class QListWidget;
class QTableWidget;
class Rueckfragen;

class SicherungsDialog : public QDialog
{
    Q_OBJECT
public:
    SicherungsDialog(const Klassensitzung &sitzung, QWidget *eltern = nullptr);
    // Der gewaehlte Pfad; leer, wenn nichts gewaehlt ist.
    QString gewaehlt() const;

    QListWidget *LBSicherungen = nullptr;

private:
    QList<Sicherung> fassungen;
};

class VerlaufDialog : public QDialog
{
    Q_OBJECT
public:
    // schuelerNr > 0: mit diesem Schueler beginnen; sonst art/slot (art > 0) oder die ganze Klasse.
    VerlaufDialog(const Klassensitzung &sitzung, Rueckfragen &r, int schuelerNr, int art, int slot,
                  QWidget *eltern = nullptr);

    QComboBox *CBVerlaufAuswahl = nullptr;
    QTableWidget *SGVerlauf = nullptr;

private:
    void fuellen();
    const Klassensitzung &s;
    Rueckfragen &r;
    QList<Notenaenderung> alle;
    struct Auswahl
    {
        QString vorname, nachname; // leer: kein Schueler
        int art = 0;               // 0: keine Liste
        int slot = 0;
    };
    QList<Auswahl> auswahlen;
};

#pragma once
// Der Editor "Bezeichnungen und Gewichtungen" der fuenf Notenarten der offenen Klasse.

#include "grades/notenarten.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class Klassensitzung;
class Rueckfragen;

class NotenartenAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    NotenartenAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen);

    void umschalten(); // der Knopf oeffnet und schliesst den Editor
    void oeffnen();
    bool ok();
    void abbrechen();
    void standardwerteLaden();
    bool offen() const;

    QLineEdit *langname[6] = {};
    QLineEdit *kurzform[6] = {};
    QLineEdit *gewicht[6] = {};
    QLabel *LAbkArt[6] = {};
    QLabel *LVorhNotenArt[6] = {};
    QLabel *LSumme = nullptr;
    QLabel *LEsFehlenProzent = nullptr;
    QLabel *LProzentRest = nullptr;

signals:
    void anzeigen();
    void fertig();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    NotenartenFelder felder() const;
    void felderSetzen(const NotenartenFelder &werte);
    void prozentSummeZeigen();
    void freieBuchstabenNeu();
    void langnameGeaendert(int art);
    void kurzformGeaendertImFeld(int art);
    void schliessen();

    Klassensitzung &s;
    Rueckfragen &r;
    bool kopieren[6] = {};
    QString eigenerBuchstabe[6];
    QString freieBuchstaben;
};

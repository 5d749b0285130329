#pragma once
// Der Editor "Bezeichnungen und Gewichtungen" der fuenf Notenarten der offenen Klasse.

#include "grades/notenarten.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class TFZensurenbearbeitung;

class NotenartenAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    explicit NotenartenAnsicht(TFZensurenbearbeitung &fenster);

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

    TFZensurenbearbeitung &f;
    bool kopieren[6] = {};
    QString eigenerBuchstabe[6];
    QString freieBuchstaben;
};

#pragma once
// Der Testeditor im Hauptfenster (Arbeitsmodus 3): ein Textfeld mit dem Multiple-Choice-Test
// Zeile fuer Zeile, rechts daneben die Bilder der Frage an der Schreibmarke, unten die
// Editorknoepfe. Jeder Weg hinaus fuehrt ueber die Speicherabfrage.
//
// Oeffnen (fuer die Testauswahl):
//   testOeffnen(pfad, angaben)                      vorhandenen Test bearbeiten
//   alsVorlageOeffnen(vorlage, neuerPfad, angaben)  alten Test als Vorlage fuer einen neuen
//   neuerTest(neuerPfad, angaben)                   neuer Test aus "Mivo-Leertest.txt"
// Jede dieser Funktionen bittet mit modusGewuenscht(kModusEditor) um den Editor.
// Verlassen: verlassen(aktion) zeigt die Speicherabfrage; danach meldet weiter(aktion), wohin
// es geht (nachSpeichernAktion 1 Programmende, 2 Testauswahl, 3 im Editor bleiben,
// 4 Durchfuehrung, 5 Rueckgabe, 6 Notenverwaltung, 7 Uebersicht).

#include "authoring/aufgaben.h"
#include "authoring/testbilder.h"
#include "authoring/testspeichern.h"
#include "settings/uebersicht.h"

#include <QTextEdit>
#include <QWidget>

class QLabel;
class QPushButton;
struct Umgebung;
class TFTestSpeicherabfrage;
class TestEditor;

// Das Textfeld: meldet Tasten, fuegt nur reinen Text ein, weist nicht darstellbare Zeichen ab.
class EditorFeld : public QTextEdit
{
    Q_OBJECT
public:
    EditorFeld(TestEditor &editor, QWidget *eltern);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *quelle) const override;
    void insertFromMimeData(const QMimeData *quelle) override;

private:
    TestEditor &editor;
};

class TestEditor : public QWidget
{
    Q_OBJECT
public:
    enum class Antwort { Speichern, NichtSpeichern, Abbrechen };

    explicit TestEditor(Umgebung &umgebung, QWidget *eltern = nullptr);
    ~TestEditor() override;

    // ---- Oeffnen (Testauswahl) --------------------------------------------------------------
    bool testOeffnen(const QString &pfad, const SpeicherAngaben &angaben);
    bool alsVorlageOeffnen(const QString &vorlage, const QString &neuerPfad,
                           const SpeicherAngaben &angaben);
    bool neuerTest(const QString &neuerPfad, const SpeicherAngaben &angaben);

    // ---- Verlassen und Speichern -----------------------------------------------------------
    // Speicherabfrage mit der Aktion danach; ohne geladenen Test sofort weiter(aktion).
    void verlassen(int aktion);
    // Strg+S und "Test speichern wie vorliegend (Strg-S)": ohne Abfrage, im Editor bleiben.
    void speichernWieVorliegend();
    void TestSpeichClick(bool mitAbfrage);
    void testSpeichClickNachAbfrage(Antwort antwort);
    void druckAbfrage();
    void bildLaden();

    bool testGeladen() const { return geladen; }
    QString aktTestDatei() const { return aktDatei; }
    QStringList zeilen() const;
    int fragenAnzahl() const { return fragen; }
    EditorFeld *textfeld() const { return RichEdit1; }
    TFTestSpeicherabfrage *speicherabfrage() const { return abfrage; }
    const Bildspeicher &bilder() const { return speicher; }
    bool bilderSichtbar() const { return bilderZuSehen; }
    int roterRahmen() const { return rahmenPlatz; } // 0..3, -1 ohne

    // Von EditorFeld: true, wenn die Taste verbraucht ist.
    bool sondertastensensor(QKeyEvent *e);
    void tasteLosgelassen(QKeyEvent *e);
    // Meldung fuer ein Zeichen, das die Codepage der Testdatei nicht fassen kann.
    void zeichenAbweisen(const QString &zeichen);
    void BilderSichtbarMachen();

signals:
    void modusGewuenscht(Modus modus);
    void weiter(int nachSpeichernAktion);

protected:
    void resizeEvent(QResizeEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    bool AoeffnenExecute();
    void anzeigen(const QStringList &zeilen, int caretZeile, int caretSpalte);
    void formatieren();
    int caretZeile() const;
    void caretSetzen(int zeile, int spalte);
    void neueFrage();
    void antwortVerschieben(bool runter);
    void sechsZeilen(int richtung);
    void umbruchUmschalten();
    void enterHinweis();
    QString zielPfad() const;
    QString bilderOrdner() const;
    QString quellBilderOrdner() const;
    void bilderAllesLaden();
    void BilderDieserAufgabeNochmalLaden();
    void bilder_unsichtbar();
    void anordnen();
    int bildVersatz(const Bildgeometrie &g) const;
    void verlassenAusfuehren(int aktion);
    bool speichernMitAngaben(const SpeicherAngaben &angaben);
    void abfrageBeantwortet(Antwort antwort, const SpeicherAngaben &angaben);
    void ausgabeSchreiben(const QStringList &zeilen);
    void druckenDokument(const QStringList &zeilen, bool fragebogenForm);

    Umgebung &u;
    EditorFeld *RichEdit1 = nullptr;
    QWidget *Pabcd = nullptr;
    QList<QLabel *> beschriftungen;
    QWidget *PKnoepfe = nullptr;
    QPushButton *BZurueck = nullptr;
    QPushButton *BBildLaden = nullptr;
    QPushButton *BNeueFrage = nullptr;
    QPushButton *BDruck = nullptr;
    QPushButton *BBeenden = nullptr;
    TFTestSpeicherabfrage *abfrage = nullptr;

    // Zustand des Editors
    bool geladen = false;
    QString aktDatei;
    QString neueDatei;
    bool neu = false;
    bool fuerAndereKlasse = false;
    int fragen = 0;
    int punkteFehlenBei = 0;
    int nachSpeichernAktion = 3;
    SpeicherAngaben angaben;

    Bildspeicher speicher;
    bool bilderZuSehen = false;
    bool umbruch = true;
    int rahmenPlatz = -1;
    int bildFrage = 0;
};

// Der Testeditor im Hauptfenster (Modus 3): Einbau, Menuebefehle des Editors und der Weg
// hinaus ueber die Speicherabfrage.
#include "app/fenster/MainFrm.h"
#include "authoring/fenster/TestEditor.h"
#include "settings/uebersicht.h"
#include "widgets/Skalierung.h"

#include <QAction>
#include <QLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void TMainForm::arbeitsflaecheAufbauen()
{
    auto *flaeche = new QWidget(this);
    flaeche->setObjectName(u"PArbeitsflaeche"_s);
    takeCentralWidget();
    auto *l = new QVBoxLayout(flaeche);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(PUebersicht);
    setCentralWidget(flaeche);

    // Die Befehle sind nur im Editor sichtbar; dann ist er gebaut.
    befehlAnbinden("Testvorlagedrucken1", [this] {
        if (editorSichtbar && testEditor->testGeladen()) {
            testEditor->druckAbfrage();
        } else {
            TestKonstruierenClick();
        }
    });
    befehlAnbinden("Testspeichernwievorliegend1", [this] {
        if (editorSichtbar) {
            testEditor->speichernWieVorliegend();
        }
    });
    befehlAnbinden("Testspeichernunter1", [this] {
        if (editorSichtbar) {
            testEditor->verlassen(3);
        }
    });
    befehlAnbinden("ZurbersichtWechseln1", [this] {
        if (!editorAbfrage(7)) {
            editorVerlassen(7);
        }
    });
}

TestEditor *TMainForm::editor()
{
    if (testEditor) {
        return testEditor;
    }
    // Ohne Eltern gebaut und skaliert, wie ihn die Skalierung des Hauptfensters beim Erzeugen
    // getroffen haette (eigene Schriften, Mindestgroessen, Abstaende); dann eingesetzt.
    auto *neu = new TestEditor(u);
    fensterSkalieren(neu, prozent);
    centralWidget()->layout()->addWidget(neu);
    neu->hide();
    testEditor = neu;

    connect(testEditor, &TestEditor::modusGewuenscht, this,
            [this](Modus modus) { FormEinstellung(modus); });
    connect(testEditor, &TestEditor::weiter, this, &TMainForm::editorVerlassen);
    return testEditor;
}

bool TMainForm::editorAbfrage(int nachSpeichernAktion)
{
    if (!testEditor || !editorSichtbar || !testEditor->testGeladen()) {
        return false;
    }
    testEditor->verlassen(nachSpeichernAktion);
    return true;
}

void TMainForm::editorVerlassen(int nachSpeichernAktion)
{
    switch (nachSpeichernAktion) {
    case 1:
        programmBeenden();
        return;
    case 2:
        TestKonstruierenClick();
        break;
    case 4:
        TestsBereitStellenHolen();
        break;
    case 5:
        TestrueckgabeClick();
        break;
    case 6:
        NotenverwaltungClick();
        if (notenverwaltung && notenverwaltung->fenster()->isVisible()) {
            notenverwaltung->klassenwahlZeigen();
        }
        break;
    default:
        break;
    }
    // Ohne das Zielfenster (oder bei 7) geht es zur Uebersicht, nie in einen leeren Editor.
    if (nachSpeichernAktion != 3 && editorSichtbar && isVisible()) {
        FormEinstellung(kModusUebersicht);
    }
}

// Hauptmenue des Hauptfensters.
#include "app/fenster/MainFrm.h"
#include "common/oeffner.h"
#include "common/rueckfragen.h"
#include "settings/konfiguration.h"
#include "settings/uebersicht.h"

#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {
const QString kBefehlFehlt = u"Dieser Befehl ist in dieser Programmversion noch nicht enthalten."_s;
}

QAction *TMainForm::befehl(QMenu *menue, const QString &text, const char *name, bool verfuegbar)
{
    QAction *a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("nichtVerfuegbar", !verfuegbar);
    if (!verfuegbar) {
        a->setEnabled(false);
        a->setToolTip(kBefehlFehlt);
    }
    return a;
}

void TMainForm::aktivieren(QAction *a, bool an)
{
    a->setEnabled(an && !a->property("nichtVerfuegbar").toBool());
}

void TMainForm::menueAufbauen()
{
    QMenuBar *leiste = menuBar();

    // Die Klassenbefehle arbeiten im Notenfenster; bis es da ist, bleiben sie gesperrt.
    QMenu *klasse = leiste->addMenu(u"&Klasse/ Kurs/Lerngruppe"_s);
    klasse->setObjectName(u"Klasse1"_s);
    klasse->setToolTipsVisible(true);
    NeueKlasseanlegen1 = befehl(klasse, u"Neue Klasse anlegen"_s, "NeueKlasseanlegen1", false);
    Klasseffnen1 = befehl(klasse, u"Klasse öffnen"_s, "Klasseffnen1", false);
    Klasseverndern1 = klasse->addMenu(u"Klasse verändern"_s);
    Klasseverndern1->setObjectName(u"Klasseverndern1"_s);
    Klasseverndern1->setToolTipsVisible(true);
    befehl(Klasseverndern1, u"Nameneingabe"_s, "Nameneingabe1", false);
    befehl(Klasseverndern1, u"Namen löschen"_s, "Namenlschen1", false);
    befehl(Klasseverndern1, u"Namenänderung"_s, "Namennderung1", false);
    befehl(Klasseverndern1, u"Schüler in andere Klasse verschieben"_s, "Schlerverschieben1", false);
    Klassendatenexportieren1 =
        befehl(klasse, u"Klassendaten exportieren (.csv)"_s, "Klassendatenexportieren1", true);
    KlasseinneuesSchuljahrversetzen1 = befehl(klasse, u"Klasse in neues Schuljahr &versetzen"_s,
                                              "KlasseinneuesSchuljahrversetzen1", false);
    Zufallsgruppen1 = befehl(klasse, u"Zufallsgruppen"_s, "Zufallsgruppen1", true);
    Schlersuchen1 = befehl(klasse, u"Schüler suchen"_s, "Schlersuchen1", false);
    Klasselschen1 = befehl(klasse, u"Klasse löschen"_s, "Klasselschen1", true);
    klasse->addSeparator();
    ZurKlassenverwaltungwechseln1 =
        befehl(klasse, u"Zur Klassenverwaltung wechseln"_s, "ZurKlassenverwaltungwechseln1", false);
    ZurbersichtWechseln1 =
        befehl(klasse, u"Zur Übersicht wechseln"_s, "ZurbersichtWechseln1", false);

    QMenu *noten = leiste->addMenu(u"N&otenbearbeitung"_s);
    noten->setObjectName(u"Notenbearbeitung1"_s);
    noten->setToolTipsVisible(true);
    befehl(noten, u"Notenbearbeitung/ Klasse auswählen"_s, "NotenbearbeitungKlasseauswhlen1",
           false);
    // Im Hauptfenster immer gesperrt: sie wirken auf die offene Notentabelle.
    for (const QString &text :
         {u"Notenbearbeitung/ einzelne Schüler"_s, u"Notenliste verschieben"_s,
          u"Noten löschen/ ganze Klasse"_s, u"Ausgabe/ Druck (Ø) über Textprogramm"_s,
          u"Schnelldruck der sichtbaren Notentabelle"_s}) {
        noten->addAction(text)->setEnabled(false);
    }

    QMenu *tests = leiste->addMenu(u"&Tests (Alle Schritte)"_s);
    tests->setObjectName(u"Tests1"_s);
    tests->setToolTipsVisible(true);
    Testkonstruieren1 =
        befehl(tests, u"1. Test konstruieren/ bearbeiten"_s, "Testkonstruieren1", true);
    Testdurchfuehrung1 = befehl(tests, u"2. Testdurchführung, 3. Tests korrigieren/ benoten"_s,
                                "Testdurchfuehrung1", true);
    Testrueckgabe1 = befehl(tests, u"4. Testrückgabe/ Tests drucken"_s, "Testrueckgabe1", true);
    tests->addSeparator();
    Testvorlagedrucken1 = befehl(tests, u"Testvorlage drucken"_s, "Testvorlagedrucken1", false);
    Testspeichernwievorliegend1 = befehl(tests, u"Test speichern wie vorliegend (Strg-S)"_s,
                                         "Testspeichernwievorliegend1", false);
    Testspeichernunter1 = befehl(tests, u"Test speichern unter ...(für eine andere Klasse)"_s,
                                 "Testspeichernunter1", false);
    connect(Testkonstruieren1, &QAction::triggered, this, &TMainForm::TestKonstruierenClick);
    connect(Testdurchfuehrung1, &QAction::triggered, this, &TMainForm::TestsBereitStellenHolen);
    connect(Testrueckgabe1, &QAction::triggered, this, &TMainForm::TestrueckgabeClick);

    QMenu *optionen = leiste->addMenu(u"O&ptionen"_s);
    optionen->setObjectName(u"Optionen1"_s);
    optionen->setToolTipsVisible(true);
    AnfangsKonfiguration1 =
        befehl(optionen, u"1) Anfangskonfiguration"_s, "AnfangsKonfiguration1", true);
    KonfigurationfrTestfunktionen1 = befehl(optionen, u"2) Konfiguration für Testfunktionen"_s,
                                            "KonfigurationfrTestfunktionen1", true);
    optionen->addSeparator();
    QAction *klCf =
        befehl(optionen, u"Konfigurationsdatei \"Mivo-Kl-cf.txt\"  einsehen/bearbeiten"_s,
               "KonfigurationsdateiKlcf1", true);
    QAction *cf =
        befehl(optionen, u"Aktuelle Konfigurationsdatei \"Mivo-cf.txt\" einsehen/bearbeiten"_s,
               "KonfigurationsdateiCf1", true);
    QAction *themen = befehl(optionen, u"Themenliste bearbeiten"_s, "Themenlistebearbeiten1", true);
    QAction *faecher = befehl(optionen, u"Fächerliste bearbeiten"_s, "Fcherlistebearbeiten1", true);
    optionen->addSeparator();
    QAction *update = befehl(optionen, u"Auf Update prüfen"_s, "AufUpdatepruefen1", true);
    connect(AnfangsKonfiguration1, &QAction::triggered, this,
            &TMainForm::AnfangsKonfiguration1Click);
    connect(KonfigurationfrTestfunktionen1, &QAction::triggered, this,
            &TMainForm::KonfigurationfrTestfunktionen1Click);
    connect(klCf, &QAction::triggered, this,
            [this] { dateiAnzeigen(u.e.lehrerCfDatei(), u.r, u.o); });
    connect(cf, &QAction::triggered, this, [this] { schuelerCfEinsehen(u.e, u.k, u.r, u.o); });
    connect(themen, &QAction::triggered, this,
            [this] { dateiAnzeigen(u.e.programmOrdner + u"Mivo-Themenliste.txt"_s, u.r, u.o); });
    connect(faecher, &QAction::triggered, this,
            [this] { dateiAnzeigen(u.e.programmOrdner + u"Mivo-Faecherliste.txt"_s, u.r, u.o); });
    connect(update, &QAction::triggered, this, [this] {
        if (!u.o.oeffnen(kProduktSeite)) {
            u.r.fehler(u"Die Seite  "_s + kProduktSeite + u"  konnte nicht geöffnet werden."_s);
        }
    });

    QMenu *hilfe = leiste->addMenu(u"&Hilfe"_s);
    hilfe->setObjectName(u"Hilfe1"_s);
    QAction *anleitung =
        befehl(hilfe, u"Bedienungsanleitung lesen"_s, "Bedienungsanleitung1", true);
    QAction *info = befehl(hilfe, u"Programm-Info"_s, "ProgrammInfo1", true);
    hauptbefehle = {AnfangsKonfiguration1,
                    KonfigurationfrTestfunktionen1,
                    klCf,
                    themen,
                    faecher,
                    anleitung,
                    info};
    connect(anleitung, &QAction::triggered, this, [this] {
        QString pdf = bedienungsanleitungSuchen(u.e.programmOrdner);
        if (pdf.isEmpty() && !u.e.installierteVorlage.isEmpty()) {
            pdf = bedienungsanleitungSuchen(u.e.installierteVorlage);
        }
        if (pdf.isEmpty()) {
            u.r.warnung(kKeineAnleitung);
        } else {
            dateiAnzeigen(pdf, u.r, u.o);
        }
    });
    connect(info, &QAction::triggered, this, &TMainForm::InfoClick);

    // Beenden aus dem Menue fragt im Editor nach dem Speichern; sonst tut es nichts und ist
    // gesperrt, damit Alt+E dem Knopf "Programm&ende" gehoert.
    Beenden1 = leiste->addAction(u"Be&enden"_s);
    Beenden1->setObjectName(u"Beenden1"_s);
    connect(Beenden1, &QAction::triggered, this, [this] {
        if (editorSichtbar && !editorAbfrage(1)) {
            programmBeenden();
        }
    });
}

void TMainForm::klassenMenueEinstellen(bool editor)
{
    const QList<QAction *> uebersichtGesperrt{
        Klasseverndern1->menuAction(), Klassendatenexportieren1, Zufallsgruppen1, Klasselschen1};
    const QList<QAction *> uebrige{NeueKlasseanlegen1, Klasseffnen1,
                                   KlasseinneuesSchuljahrversetzen1, Schlersuchen1};
    for (QAction *a : uebersichtGesperrt) {
        a->setVisible(!editor);
        aktivieren(a, false);
    }
    for (QAction *a : uebrige) {
        a->setVisible(!editor);
    }
    ZurKlassenverwaltungwechseln1->setVisible(editor);
    ZurbersichtWechseln1->setVisible(editor);
}

void TMainForm::aufUebersichtZurueck()
{
    const bool andere = (testauswahl && testauswahl->fenster()->isVisible()) ||
                        (notenverwaltung && notenverwaltung->fenster()->isVisible());
    if (andere) {
        if (testauswahl) {
            testauswahl->fenster()->hide();
        }
        if (notenverwaltung) {
            notenverwaltung->fenster()->hide();
        }
        FormEinstellung(kModusUebersicht);
    }
}

void TMainForm::AnfangsKonfiguration1Click()
{
    if (!konfigDialogeDa) {
        return;
    }
    aufUebersichtZurueck();
    emit anfangsKonfigurationGewuenscht();
}

void TMainForm::KonfigurationfrTestfunktionen1Click()
{
    if (!konfigDialogeDa) {
        return;
    }
    aufUebersichtZurueck();
    emit testKonfigurationGewuenscht();
}

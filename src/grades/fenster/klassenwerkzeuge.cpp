#include "grades/fenster/klassenwerkzeuge.h"

#include "classdata/klassensitzung.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "grades/fenster/klassennoten_ausgabe.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/fenster/sicherung_dialoge.h"
#include "grades/klassenexport.h"
#include "settings/konfiguration.h"
#include "widgets/griddruck.h"

#include <QAction>

using namespace Qt::StringLiterals;

Klassenwerkzeuge::Klassenwerkzeuge(Klassensitzung &sitzung, const Einstellungen &einstellungen,
                                   Rueckfragen &rueckfragen, const Uhr &uhr, QObject *eltern)
    : QObject(eltern)
    , s(sitzung)
    , e(einstellungen)
    , r(rueckfragen)
    , uhr(uhr)
{
    setObjectName(u"Klassenwerkzeuge"_s);
    NeueKlasse1 = aktion(u"NeueKlasse1"_s, u"Neue Klasse"_s);
    connect(NeueKlasse1, &QAction::triggered, this, &Klassenwerkzeuge::neueKlasseGewuenscht);
    KlasseinneuesSchuljahrversetzen1 =
        aktion(u"KlasseinneuesSchuljahrversetzen1"_s, u"Klasse in neues Schuljahr &versetzen"_s);
    connect(KlasseinneuesSchuljahrversetzen1, &QAction::triggered, this, [this] {
        if (s.speicherAbfrage() >= 0) {
            emit versetzungGewuenscht();
        }
    });
    Zufallsgruppen1 = aktion(u"Zufallsgruppen1"_s, u"Zufallsgruppen"_s);
    connect(Zufallsgruppen1, &QAction::triggered, this,
            &Klassenwerkzeuge::zufallsgruppenGewuenscht);
    Schlersuchen1 = aktion(u"Schlersuchen1"_s, u"Schüler suchen"_s);
    connect(Schlersuchen1, &QAction::triggered, this, &Klassenwerkzeuge::sucheGewuenscht);
    Klassendatenexportieren1 =
        aktion(u"Klassendatenexportieren1"_s, u"Klassendaten exportieren (.csv)"_s);
    connect(Klassendatenexportieren1, &QAction::triggered, this,
            &Klassenwerkzeuge::klassendatenExportieren);
    Klasselschen1 = aktion(u"Klasselschen1"_s, u"Klasse löschen"_s);
    connect(Klasselschen1, &QAction::triggered, this, &Klassenwerkzeuge::klasseLoeschen);
    AusgabeinDatei1 = aktion(u"AusgabeinDatei1"_s, u"Ausgabe/ Druck (Ø) über Textprogramm"_s);
    connect(AusgabeinDatei1, &QAction::triggered, this,
            &Klassenwerkzeuge::ausgabeUeberTextprogramm);
    Drucken1 = aktion(u"Drucken1"_s, u"Schnelldruck der sichtbaren Notentabelle"_s);
    connect(Drucken1, &QAction::triggered, this, &Klassenwerkzeuge::schnelldruck);
    KlasseausSicherung1 =
        aktion(u"KlasseausSicherung1"_s, u"Klasse aus Sicherung wiederherstellen…"_s);
    connect(KlasseausSicherung1, &QAction::triggered, this,
            &Klassenwerkzeuge::sicherungWiederherstellen);
    Verlauf1 = aktion(u"Verlauf1"_s, u"Verlauf"_s);
    connect(Verlauf1, &QAction::triggered, this, &Klassenwerkzeuge::verlaufZeigen);
}

void Klassenwerkzeuge::sicherungWiederherstellen()
{
    if (!s.offen()) {
        emit klassenlisteGewuenscht();
        return;
    }
    s.eingabenAbschliessen();
    if (s.sicherungen().isEmpty()) {
        r.information(u"Für die Klasse "_s + s.name() +
                      u" gibt es noch keine gespeicherte frühere Fassung. Eine entsteht mit jedem "
                      "Speichern."_s);
        return;
    }
    SicherungsDialog d(s, qobject_cast<QWidget *>(parent()));
    if (d.exec() == QDialog::Accepted && !d.gewaehlt().isEmpty()) {
        s.sicherungWiederherstellen(d.gewaehlt());
    }
}

void Klassenwerkzeuge::verlaufZeigen()
{
    if (!s.offen()) {
        emit klassenlisteGewuenscht();
        return;
    }
    s.eingabenAbschliessen();
    const VerlaufStart start = verlaufStart ? verlaufStart() : VerlaufStart{};
    VerlaufDialog d(s, r, start.schuelerNr, start.art, start.slot,
                    qobject_cast<QWidget *>(parent()));
    d.exec();
}

QAction *Klassenwerkzeuge::aktion(const QString &name, const QString &text)
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    return a;
}

bool Klassenwerkzeuge::klasseDa()
{
    if (s.offen() && s.groesse() > 0) {
        return true;
    }
    emit klassenlisteGewuenscht();
    return false;
}

void Klassenwerkzeuge::klasseLoeschen()
{
    if (!s.dateiLoeschen() && !s.offen()) {
        emit klassenlisteGewuenscht();
    }
}

void Klassenwerkzeuge::klassendatenExportieren()
{
    s.eingabenAbschliessen();
    ::klassendatenExportieren(s.klasse, s.offen(), s.pfad(), r);
}

// --- Druck -------------------------------------------------------------------------------------

void Klassenwerkzeuge::klassenDruck()
{
    const auto antwort =
        r.frage(Rueckfragen::Art::Frage,
                u"Drucken der Klassendatei:\n"
                u"  Ja: Drucken der Durchschnitts- und Gesamtnoten über ein Textprogramm\n"
                u"           Die Doc-Datei-Vorlage muss genau 12 Tabellenspalten haben \n"
                u"           (s. Bedienungsanleitung)! Der Export dauert ein paar Sekunden.\n"
                u"\n"
                u"  Nein: Konzeptdruck der sichtbaren Spalten ohne Formatierung"_s,
                Rueckfragen::Knoepfe::JaNeinAbbrechen);
    if (antwort == Rueckfragen::Knopf::Ja) {
        ausgabeUeberTextprogramm();
    } else if (antwort == Rueckfragen::Knopf::Nein && tabelle != nullptr) {
        tabelle->bearbeitungAbschliessen();
        tabelle->fuellen();
        // Die Zellen (1, 0) und (2, 0) zaehlen Spalte vor Zeile: die oberste Zeile ueber Vor-
        // und Nachnamen, nicht die schmale Spalte "Nr.".
        if (tabelle->rowCount() > 0) {
            tabelle->item(0, 1)->setText(uhr.heute().toString(u"dd.MM.yyyy"_s));
            tabelle->item(0, 2)->setText(s.name());
        }
        schnelldruck();
        tabelle->fuellen();
    }
}

void Klassenwerkzeuge::ausgabeUeberTextprogramm()
{
    if (!klasseDa()) {
        return;
    }
    klassennotenUeberTextprogramm(s, e.programmOrdner, tabelle, r, uhr);
}

void Klassenwerkzeuge::schnelldruck()
{
    if (!klasseDa() || tabelle == nullptr) {
        return;
    }
    tabelleDrucken(*tabelle, r);
}

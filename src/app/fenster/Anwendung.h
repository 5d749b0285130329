#pragma once
// Die Fenster des Programms, einmal erzeugt in fester Reihenfolge; sie leben bis zum Ende.

#include "app/fenster/KonfigFenster.h"
#include "app/fenster/MainFrm.h"
#include "app/fenster/anfangsKonf.h"
#include "classdata/fenster/Versetzung.h"
#include "cloze/fenster/Lueckentest.h"
#include "common/zufall.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "widgets/Umgebung.h"

#include <memory>

class Anwendung
{
public:
    explicit Anwendung(Umgebung &umgebung);

    // Programmweites Aussehen (Stil, Hinweiszeiten, Symbol, Fenster ganz auf dem Bildschirm),
    // vor dem ersten Fenster gesetzt.
    struct Aussehen
    {
        Aussehen();
    } aussehen;

    // Reihenfolge der Erzeugung: Hauptfenster, Testauswahl, Notenverwaltung, Versetzung,
    // Konfiguration fuer Testfunktionen, Anfangskonfiguration, Speicherabfrage, Lueckentest.
    // Die Fenster der Testauswahl und Notenverwaltung melden sich beim Hauptfenster an.
    // Ihre Steuerelemente entstehen erst beim ersten Zeigen (der Testeditor mit der
    // Speicherabfrage beim ersten Gebrauch); so wartet der Start nur auf die Uebersicht.
    TMainForm hauptfenster;
    StdZufall zufall;
    TSchuelerdatenEingabefenster testauswahl;
    TFZensurenbearbeitung notenfenster;
    // Der Versetzungsdialog liest schon beim Erzeugen Datum und Klassenlisten: er entsteht beim
    // ersten Gebrauch.
    TFVersetzung &versetzung();
    TFormKonf konf;
    TFormAnfangsKonf anfangsKonf;
    TFLueckentest lueckentest;

    // Zeigt das Hauptfenster in der Uebersicht; der Start-Zeitgeber laedt dann die Einstellungen.
    void starten();

private:
    Umgebung &u;
    std::unique_ptr<TFVersetzung> versetzungsdialog; // Kind des Hauptfensters, vor ihm abgebaut

    // Testauswahl anmelden und ihre Bitten verbinden.
    void testauswahlAnbinden();
    // Versetzungsdialog ueber dem Hauptfenster, Testauswahl und Notenfenster verborgen.
    void versetzungZeigen();
    // Notenverwaltung oeffnen und dort ein Klassenwerkzeug aufrufen.
    void imNotenfenster(void (TFZensurenbearbeitung::*befehl)());

    // Das Notenfenster, wie das Hauptfenster es umschaltet.
    class NotenverwaltungAnbindung final : public Notenverwaltung
    {
    public:
        explicit NotenverwaltungAnbindung(TFZensurenbearbeitung &f)
            : f(f)
        {}
        QWidget *fenster() override { return &f; }
        void notenverwaltungZeigen() override;
        void klassenwahlZeigen() override;

    private:
        TFZensurenbearbeitung &f;
    } notenverwaltung{notenfenster};
};

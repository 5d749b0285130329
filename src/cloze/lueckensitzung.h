#pragma once
// Der eine offene Lueckentest: Urdatei, ob Lehrertext oder Schuelertest geladen ist (Ansicht),
// Modus, der Arbeitstext mit seinen Listen, ob er seit dem Speichern geaendert ist, die Probe (F4)
// und die Speicherabfrage. Laden, Speichern, Erzeugen und Benoten gibt es nur hier. Das Fenster
// zeigt den Arbeitstext, aendert ihn ueber die Sitzung und hoert auf ihre Signale; die Sitzung
// kennt kein Fenster.

#include "cloze/lueckendateien.h"

#include <QObject>
#include <QTextDocument>

#include <memory>

class Rueckfragen;

class Lueckensitzung : public QObject
{
    Q_OBJECT

public:
    // Lehrer: der Text der Urdatei; Schueler: die Schuelerdatei zum Ausfuellen.
    enum class Ansicht { Lehrer = 1, Schueler = 2 };
    enum class Modus { Luecken = 1, Text = 2, Schuelertest = 3 };

    explicit Lueckensitzung(Rueckfragen &r, QObject *eltern = nullptr);
    ~Lueckensitzung() override;

    Ansicht ansicht() const { return ansichtWert; }
    Modus modus() const { return modusWert; }
    bool lehrer() const { return ansichtWert == Ansicht::Lehrer; }
    // Ungespeicherte Aenderungen am Lehrertext.
    bool geaendert() const { return textGeaendert; }
    // Schueleransicht: Eintraege seit dem letzten Speichern der ausgefuellten Datei.
    bool eintraegeGeaendert() const { return eintraegeOffen; }
    // F4 in der Lehreransicht: Probeeintraege statt des Lehrertextes.
    bool probeLaeuft() const { return probeText != nullptr; }
    const QString &urdateiPfad() const { return urdatei; }
    QString ordnerDatei(const QString &name) const;

    // Der Arbeitstext (gehoert der Sitzung; nach dokumentGewechselt() ein anderer) und seine
    // Listen. Wer sie aendert, meldet es mit aenderungMelden() bzw. eintragMelden().
    QTextDocument &dokument() { return *arbeit; }
    const QTextDocument &dokument() const { return *arbeit; }
    LueckenListen listen;
    // Schuelertest (auch die Probe): alle A-Woerter der Schuelerdatei.
    QStringList schuelerAWoerter;

    // Was jetzt geht.
    bool urdateiSpeichernMoeglich() const;
    bool eintraegeSpeichernMoeglich() const;
    bool lueckenBearbeitbar() const; // markieren, entfernen, Alternativen
    bool textBearbeitbar() const;    // Tasten aendern den Text nur hier
    bool schuelerKlicks() const;     // Klicks fuellen Luecken (Schueleransicht und Probe)

    // Neuer Test fuer eine Urdatei: leerer Text, Textbearbeitung. false: ein ungespeicherter Text
    // soll bleiben.
    bool neuerTest(const QString &urdateiPfad);
    // Oeffnet eine vorhandene Urdatei in der Lehreransicht (Lueckenbearbeitung). false nur, wenn
    // ein ungespeicherter Text bleiben soll; ein Ladefehler ist gemeldet.
    bool testOeffnen(const QString &urdateiPfad);

    // Vor allem, was den Text fallen laesst. speichernAnbieten: Ja speichert (Lehrertext bzw.
    // Eintraege), Nein verwirft, Abbruch bleibt; sonst nur "verwerfen?". true: es darf weitergehen.
    bool speicherAbfrage(bool speichernAnbieten);

    // F1: Lueckenbearbeitung und Textbearbeitung wechseln; aus der Probe zurueck zum Lehrertext,
    // wie er vor F4 war.
    void f1();
    // F4: Schuelertest zur Probe.
    void f4();
    void modusSetzen(Modus m);

    // Knoepfe. Jeder meldet, was er nicht kann, selbst.
    bool urdateiSpeichern();
    bool urdateiLaden();
    bool schuelerdateiErzeugen();
    bool schuelerdateiLaden();
    bool eintraegeSpeichern();
    // Benotet die ausgefuellte Datei gegen die Urdatei und schreibt die benotete Datei; danach
    // Lehreransicht. nullptr nach einer Meldung.
    std::unique_ptr<QTextDocument> benoten(const QString &programmOrdner);

    // Lueckenbearbeitung (lueckenBearbeitbar()): markieren, entfernen, Alternativen. Leer bzw.
    // true bei Erfolg, sonst die Meldung; Erfolg gilt als Aenderung des Lehrertextes.
    QString markieren(int anfang, int ende, QChar art);
    void entfernen(int n);
    QString alternativeHinzu(int n, const QString &text);
    bool alternativeWeg(int n, const QString &text);
    // Schuelertest (schuelerKlicks()): wort in Luecke n. Leer bei Erfolg, sonst die Meldung.
    QString eintragen(int n, const QString &wort);
    int offeneLuecken() const;
    // Sprung k (ab 0): in der Lehrerbearbeitung die k-te Luecke, im Schuelertest die k-te leere.
    // Index in lueckenLaeufe(dokument()), -1: keine.
    int sprungZiel(int k) const;

    // Lehreransicht: Luecken aus dem Text neu bestimmen (Tabelle), Listen neu zeigen.
    void lueckenNeuBestimmen();
    // Zahl der Luecken beim letzten lueckenNeuBestimmen().
    int gezaehlteLuecken() const { return gezaehlt; }
    // Der Lehrertext wurde geaendert (Tippen, Markieren, Alternativen).
    void aenderungMelden();
    // Der Arbeitstext hat sich geaendert; zaehlt nur in der Lehrerbearbeitung und nicht beim
    // Wechsel des Dokuments.
    void textAenderungMelden();
    // Eine Luecke wurde gefuellt (Schueleransicht oder Probe).
    void eintragMelden();

signals:
    // Alles leer: neuer, leerer Arbeitstext, keine Listen.
    void geleert();
    // Ein geladener oder zurueckgeholter Arbeitstext steht in dokument().
    void dokumentGewechselt();
    // Tabelle und Listen sind neu: Navigation neu fuellen.
    void listenNeu();
    void modusGewechselt();

private:
    void leeren();
    // signal: womit die Ansichten vom neuen Dokument erfahren (nullptr: keines).
    void dokumentErsetzen(std::unique_ptr<QTextDocument> neu, void (Lueckensitzung::*signal)());
    using Auswertung = QString (*)(QTextDocument &, LueckenListen &, const QString &);
    bool dateiDarstellen(const QString &datei, Auswertung auswerten);
    bool urdateiSchreiben();

    Rueckfragen &r;
    QString urdatei;
    Ansicht ansichtWert = Ansicht::Lehrer;
    Modus modusWert = Modus::Text;
    bool textGeaendert = false;
    bool urdateiBekannt = false; // die Urdatei wurde hier geladen oder gespeichert
    bool eintraegeOffen = false;
    bool laedt = false; // Dokumentwechsel zaehlen nicht als Aenderung
    int gezaehlt = 0;
    std::unique_ptr<QTextDocument> arbeit;
    // F4: Text und Listen vor der Probe, damit F1 zurueckfuehrt und gespeichert werden kann.
    std::unique_ptr<QTextDocument> probeText;
    LueckenListen probeListen;
};

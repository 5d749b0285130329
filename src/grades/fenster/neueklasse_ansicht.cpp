#include "grades/fenster/neueklasse_ansicht.h"

#include "classdata/klassendatei.h"
#include "classdata/klassensitzung.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "settings/konfiguration.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kGitterZeilen = kMaxSchueler;

const QString kImportHinweis =
    u"Importieren einer Klasse aus einer externen Datei: \n"
    u"\n"
    u"Die externe Datei wird z. B. aus einer Excel-Datei mit folgendem Aufbau erzeugt:\n"
    u"- Zeilen:   Für jeden Schüler eine Zeile (keine Überschriftenzeile) \n"
    u"- Spalten:  4 Spalten:  Nachname;   Vorname;   Geschlecht (m,w);   Klassenbuchstabe \n"
    u"\n"
    u"Diese Datei wird dann gespeichert als  'csv-Datei mit Trennzeichen', \n"
    u"wobei als Trennzeichen ein Semikolon (;) gewählt wird.\n"
    u"\n"
    u"Wenn der Import fehlschlagen sollte, öffnen Sie am besten die externe csv-Datei \n"
    u"mit dem Programm 'Editor'  und kontrollieren Sie deren Aufbau nach den o. a. Regeln."_s;

} // namespace

NeueKlasseAnsicht::NeueKlasseAnsicht(Klassensitzung &sitzung, const Einstellungen &einstellungen,
                                     Rueckfragen &rueckfragen, const Uhr &uhr)
    : QGroupBox(u"Neue Klasse eröffnen"_s)
    , s(sitzung)
    , e(einstellungen)
    , r(rueckfragen)
    , uhr(uhr)
{
    setObjectName(u"GBNeueKlasse"_s);
    auto *senkrecht = new QVBoxLayout(this);
    auto *wahlen = new QGridLayout;
    const auto box = [this](const QString &name, const QStringList &eintraege) {
        auto *c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems(eintraege);
        connect(c, &QComboBox::currentIndexChanged, this, [this] { KursKlasseChange(); });
        return c;
    };
    QStringList jahrgaenge;
    for (int j = 4; j <= 13; ++j) {
        jahrgaenge.append(QString::number(j));
    }
    QStringList buchstaben;
    for (int i = 0; i < 8; ++i) {
        buchstaben.append(QString(QChar(u'a' + i)));
        buchstaben.append(QString::number(i + 1));
    }
    QStringList faecherBuchstaben{u"..."_s};
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        faecherBuchstaben.append(QString(QChar(c)));
    }
    CBKursKlasse = box(u"CBKursKlasse"_s, {u"L"_s, u"K"_s});
    CBJahrgang = box(u"CBJahrgang"_s, jahrgaenge);
    CBKlassenBuchstabe = box(u"CBKlassenBuchstabe"_s, buchstaben);
    CBFachBuchstabe = box(u"CBFachBuchstabe"_s, faecherBuchstaben);
    LGewaehltesFach = new QLabel(this);
    LGewaehltesFach->setObjectName(u"LGewaehltesFach"_s);
    wahlen->addWidget(new QLabel(u"Klasse (L) / Kurs (K)"_s, this), 0, 0);
    wahlen->addWidget(new QLabel(u"Jahrgang"_s, this), 0, 1);
    wahlen->addWidget(new QLabel(u"Klassen-/Kursbuchstabe"_s, this), 0, 2);
    wahlen->addWidget(new QLabel(u"Fachbuchstabe"_s, this), 0, 3);
    wahlen->addWidget(CBKursKlasse, 1, 0);
    wahlen->addWidget(CBJahrgang, 1, 1);
    wahlen->addWidget(CBKlassenBuchstabe, 1, 2);
    wahlen->addWidget(CBFachBuchstabe, 1, 3);
    wahlen->addWidget(LGewaehltesFach, 1, 4);
    wahlen->setColumnStretch(5, 1);
    senkrecht->addLayout(wahlen);

    auto *knoepfe = new QHBoxLayout;
    BKlasseNeuMitEingabe = new QPushButton(u"Schülernamen eingeben"_s, this);
    BKlasseNeuMitEingabe->setObjectName(u"BKlasseNeuMitEingabe"_s);
    BKlasseNeuMitImport = new QPushButton(u"Schülernamen aus Datei importieren"_s, this);
    BKlasseNeuMitImport->setObjectName(u"BKlasseNeuMitImport"_s);
    BKlasseNeuMitImport->setToolTip(kImportHinweis);
    knoepfe->addWidget(BKlasseNeuMitEingabe);
    knoepfe->addWidget(BKlasseNeuMitImport);
    knoepfe->addStretch(1);
    senkrecht->addLayout(knoepfe);

    SGNamenEingabe = new QTableWidget(kGitterZeilen, 5, this);
    SGNamenEingabe->setObjectName(u"SGNamenEingabe"_s);
    SGNamenEingabe->setHorizontalHeaderLabels(
        {u"Nr."_s, u"Vorname"_s, u"Nachname"_s, u"G"_s, u"Kl."_s});
    SGNamenEingabe->verticalHeader()->hide();
    constexpr int breiten[5] = {40, 170, 190, 40, 60};
    for (int s = 0; s < 5; ++s) {
        SGNamenEingabe->setColumnWidth(s, breiten[s]);
    }
    for (int z = 0; z < kGitterZeilen; ++z) {
        auto *nr = new QTableWidgetItem(QString::number(z + 1));
        nr->setFlags(Qt::ItemIsEnabled);
        SGNamenEingabe->setItem(z, 0, nr);
        SGNamenEingabe->setRowHeight(z, 22);
    }
    SGNamenEingabe->setEditTriggers(QAbstractItemView::AllEditTriggers);
    SGNamenEingabe->setMaximumWidth(580);
    senkrecht->addWidget(SGNamenEingabe, 1);
    // Ohne Gitter haelt dieser Platzhalter die Wahl oben zusammen.
    leerraum = new QWidget(this);
    leerraum->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    senkrecht->addWidget(leerraum, 1);

    auto *unten = new QHBoxLayout;
    BOKNamenEingabe = new QPushButton(u"OK"_s, this);
    BOKNamenEingabe->setObjectName(u"BOKNamenEingabe"_s);
    BAbbrechenNeueKlasse_ = new QPushButton(u"Abbrechen"_s, this);
    BAbbrechenNeueKlasse_->setObjectName(u"BAbbrechenNeueKlasse"_s);
    BNamenslisteLoeschen_ = new QPushButton(u"Liste löschen"_s, this);
    BNamenslisteLoeschen_->setObjectName(u"BNamenslisteLoeschen"_s);
    unten->addWidget(BOKNamenEingabe);
    unten->addWidget(BAbbrechenNeueKlasse_);
    unten->addWidget(BNamenslisteLoeschen_);
    unten->addStretch(1);
    senkrecht->addLayout(unten);

    connect(BKlasseNeuMitEingabe, &QPushButton::clicked, this,
            [this] { BKlasseNeuMitEingabeClick(); });
    connect(BKlasseNeuMitImport, &QPushButton::clicked, this,
            [this] { BKlasseNeuMitImportClick(); });
    connect(BOKNamenEingabe, &QPushButton::clicked, this, [this] { BOKNamenEingabeClick(); });
    connect(BAbbrechenNeueKlasse_, &QPushButton::clicked, this, [this] { BAbbrechenNeueKlasse(); });
    connect(BNamenslisteLoeschen_, &QPushButton::clicked, this, [this] { BNamenslisteLoeschen(); });
    gitterZeigen(false);
}

QString NeueKlasseAnsicht::schuljahrOrdner() const
{
    return s.klassenOrdner();
}

void NeueKlasseAnsicht::gitterZeigen(bool sichtbar)
{
    SGNamenEingabe->setVisible(sichtbar);
    leerraum->setVisible(!sichtbar);
    BOKNamenEingabe->setVisible(sichtbar);
    BNamenslisteLoeschen_->setVisible(sichtbar);
}

void NeueKlasseAnsicht::BNeueKlasseClick()
{
    if (s.speicherAbfrage() < 0) {
        return;
    }
    s.setzeSchuljahr(e.basisOrdner, aktuellesSchuljahr(uhr.heute()));
    {
        const QSignalBlocker a(CBKursKlasse);
        const QSignalBlocker b(CBJahrgang);
        const QSignalBlocker c(CBKlassenBuchstabe);
        const QSignalBlocker d(CBFachBuchstabe);
        CBKursKlasse->setCurrentText(u"L"_s);
        CBJahrgang->setCurrentText(u"7"_s);
        CBKlassenBuchstabe->setCurrentText(u"a"_s);
        CBFachBuchstabe->setCurrentIndex(0);
    }
    // Die Faecherliste liegt im Basisordner: "P- Physik" je Zeile bis zur ersten Leerzeile.
    faecher.clear();
    const ZeilenErgebnis gelesen = ansiZeilenLesen(e.basisOrdner + u"Mivo-Faecherliste.txt"_s);
    for (const QString &zeile : gelesen.zeilen) {
        if (zeile.isEmpty()) {
            break;
        }
        faecher.append(zeile);
    }
    SGNamenEingabe->clearSelection();
    BNamenslisteLoeschen();
    gitterZeigen(false);
    emit anzeigen();
    KursKlasseChange();
    CBKursKlasse->setFocus();
}

KlassenWahl NeueKlasseAnsicht::wahl() const
{
    KlassenWahl w;
    w.art = CBKursKlasse->currentText();
    w.jahrgang = CBJahrgang->currentText();
    w.buchstabe = CBKlassenBuchstabe->currentText();
    w.fach = CBFachBuchstabe->currentText();
    return w;
}

void NeueKlasseAnsicht::KursKlasseChange()
{
    const KlassenWahl w = wahl();
    const QString name = klassenName(w);
    neuerName = name;
    neuerPfad = schuljahrOrdner() + name + u".DTA"_s;
    emit ueberschrift(name);
    SGNamenEingabe->setColumnHidden(4, !w.istKurs());
    // Angezeigt wird der Eintrag der Faecherliste, dessen Buchstabe der erste Fachbuchstabe ist.
    QString fach;
    if (!w.fach.isEmpty() && w.fach != u"..."_s) {
        for (const QString &zeile : faecher) {
            if (zeile.size() > 3 && zeile.startsWith(w.fach[0]) && zeile.mid(1, 2) == u"- "_s) {
                fach = zeile.mid(3) + u" ("_s + zeile[0] + u')';
                break;
            }
        }
    }
    LGewaehltesFach->setText(u"Gewähltes Fach: "_s + fach);
}

void NeueKlasseAnsicht::BKlasseNeuMitEingabeClick()
{
    if (!klasseNeuMitEingabeMoeglich(wahl(), schuljahrOrdner(), r)) {
        return;
    }
    loescheAlleSchueler(s.klasse);
    gitterZeigen(true);
    SGNamenEingabe->setFocus();
    SGNamenEingabe->setCurrentCell(0, 1);
}

void NeueKlasseAnsicht::BKlasseNeuMitImportClick()
{
    BNamenslisteLoeschen();
    const std::optional<QList<NamensZeile>> zeilen =
        klasseImportieren(wahl(), schuljahrOrdner(), r);
    if (!zeilen) {
        return;
    }
    namensZeilenZeigen(*zeilen);
    gitterZeigen(true);
    SGNamenEingabe->setFocus();
    SGNamenEingabe->setCurrentCell(0, 1);
}

void NeueKlasseAnsicht::namensZeilenZeigen(const QList<NamensZeile> &zeilen)
{
    for (int z = 0; z < kGitterZeilen; ++z) {
        const NamensZeile n = z < zeilen.size() ? zeilen[z] : NamensZeile{};
        const QString werte[4] = {n.vorname, n.nachname, n.geschlecht, n.klasse};
        for (int s = 0; s < 4; ++s) {
            QTableWidgetItem *feld = SGNamenEingabe->item(z, s + 1);
            if (feld == nullptr) {
                feld = new QTableWidgetItem;
                SGNamenEingabe->setItem(z, s + 1, feld);
            }
            feld->setText(werte[s]);
        }
    }
}

QList<NamensZeile> NeueKlasseAnsicht::namensZeilen() const
{
    const auto text = [this](int z, int s) {
        const QTableWidgetItem *feld = SGNamenEingabe->item(z, s);
        return feld == nullptr ? QString() : feld->text().trimmed();
    };
    QList<NamensZeile> zeilen;
    for (int z = 0; z < kGitterZeilen; ++z) {
        zeilen.append({text(z, 1), text(z, 2), text(z, 3), text(z, 4)});
    }
    return zeilen;
}

bool NeueKlasseAnsicht::BOKNamenEingabeClick()
{
    // Ein Wechsel der aktuellen Zelle uebernimmt eine offene Bearbeitung.
    SGNamenEingabe->setCurrentCell(-1, -1);
    const std::optional<Klasse> neu = klasseAusNamenszeilen(wahl(), namensZeilen(), r);
    if (!neu) {
        return false;
    }
    s.uebernehmen(*neu, neuerPfad, neuerName);
    emit fertig();
    return true;
}

void NeueKlasseAnsicht::BAbbrechenNeueKlasse()
{
    gitterZeigen(false);
    neuerName.clear();
    neuerPfad.clear();
    emit fertig();
}

void NeueKlasseAnsicht::BNamenslisteLoeschen()
{
    for (int z = 0; z < kGitterZeilen; ++z) {
        for (int s = 1; s < 5; ++s) {
            if (QTableWidgetItem *feld = SGNamenEingabe->item(z, s)) {
                feld->setText(QString());
            }
        }
    }
}

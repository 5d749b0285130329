#include "grades/fenster/sicherung_dialoge.h"

#include "classdata/klassendatei.h"
#include "classdata/klassensitzung.h"
#include "common/rueckfragen.h"
#include "widgets/griddruck.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SicherungsDialog::SicherungsDialog(const Klassensitzung &sitzung, QWidget *eltern)
    : QDialog(eltern)
    , fassungen(sitzung.sicherungen())
{
    setObjectName(u"SicherungsDialog"_s);
    setWindowTitle(u"Klasse aus Sicherung wiederherstellen"_s);
    auto *senkrecht = new QVBoxLayout(this);
    auto *hinweis = new QLabel(
        u"Gespeicherte Fassungen der Klasse "_s + sitzung.name() +
            u" (neueste zuerst). Die gewählte wird die geöffnete, noch nicht gespeicherte "
            "Klasse; die bisherige bleibt als Sicherung erhalten, sobald Sie speichern."_s,
        this);
    hinweis->setWordWrap(true);
    senkrecht->addWidget(hinweis);
    LBSicherungen = new QListWidget(this);
    LBSicherungen->setObjectName(u"LBSicherungen"_s);
    const QLocale de(QLocale::German);
    for (const Sicherung &f : fassungen) {
        const BytesErgebnis b = bytesLesen(f.pfad, 4 * kKlassenDateiGroesse);
        const std::optional<Klasse> gelesen = klasseAusBytes(b.bytes);
        const int anders = gelesen ? notenUnterschiede(sitzung.klasse, *gelesen) : 0;
        const QString unterschied = !gelesen ? u"nicht lesbar"_s
                                    : anders == 1
                                        ? u"1 Note anders als die geöffnete Klasse"_s
                                        : u"%1 Noten anders als die geöffnete Klasse"_s.arg(anders);
        LBSicherungen->addItem(de.toString(f.zeit, u"dd.MM.yyyy   HH:mm:ss"_s) + u"   –   "_s +
                               unterschied);
    }
    if (!fassungen.isEmpty()) {
        LBSicherungen->setCurrentRow(0);
    }
    senkrecht->addWidget(LBSicherungen, 1);
    auto *knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(u"Wiederherstellen"_s, QDialogButtonBox::AcceptRole)
        ->setObjectName(u"BWiederherstellen"_s);
    knoepfe->addButton(u"Abbrechen"_s, QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(LBSicherungen, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    senkrecht->addWidget(knoepfe);
    resize(560, 420);
}

QString SicherungsDialog::gewaehlt() const
{
    const int zeile = LBSicherungen->currentRow();
    return zeile >= 0 && zeile < fassungen.size() ? fassungen[zeile].pfad : QString();
}

VerlaufDialog::VerlaufDialog(const Klassensitzung &sitzung, Rueckfragen &r, int schuelerNr, int art,
                             int slot, QWidget *eltern)
    : QDialog(eltern)
    , s(sitzung)
    , r(r)
    , alle(sitzung.verlauf())
{
    setObjectName(u"VerlaufDialog"_s);
    setWindowTitle(u"Verlauf der Noten – "_s + sitzung.name());
    auto *senkrecht = new QVBoxLayout(this);
    CBVerlaufAuswahl = new QComboBox(this);
    CBVerlaufAuswahl->setObjectName(u"CBVerlaufAuswahl"_s);
    const Klasse &k = sitzung.klasse;
    auswahlen.append(Auswahl{});
    CBVerlaufAuswahl->addItem(u"Ganze Klasse"_s);
    int start = 0;
    for (int nr = 1; nr <= sitzung.groesse(); ++nr) {
        const Schueler &sch = k.schueler(nr);
        auswahlen.append(Auswahl{sch.vorname, sch.nachname, 0, 0});
        CBVerlaufAuswahl->addItem(QString::number(nr) + u") "_s + sch.vorname + u' ' +
                                  sch.nachname);
        if (nr == schuelerNr) {
            start = int(auswahlen.size()) - 1;
        }
    }
    for (int a = 1; a <= kNotenarten; ++a) {
        for (int t = 0; t <= letzterSlot(a); ++t) {
            if (k.datum(a, t).isEmpty() && k.erlaeuterung(a, t).isEmpty()) {
                continue;
            }
            auswahlen.append(Auswahl{{}, {}, a, t});
            CBVerlaufAuswahl->addItem(k.notenart(a).taste + QString::number(t + 1) + u": "_s +
                                      k.datum(a, t) + u"  "_s + k.erlaeuterung(a, t));
            if (schuelerNr <= 0 && a == art && t == slot) {
                start = int(auswahlen.size()) - 1;
            }
        }
    }
    senkrecht->addWidget(CBVerlaufAuswahl);
    SGVerlauf = new QTableWidget(0, 8, this);
    SGVerlauf->setObjectName(u"SGVerlauf"_s);
    SGVerlauf->setHorizontalHeaderLabels({u"Zeit"_s, u"Rechner"_s, u"Schüler"_s, u"Liste"_s,
                                          u"Datum"_s, u"Erläuterung"_s, u"alt"_s, u"neu"_s});
    SGVerlauf->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGVerlauf->verticalHeader()->hide();
    SGVerlauf->horizontalHeader()->setStretchLastSection(true);
    senkrecht->addWidget(SGVerlauf, 1);
    auto *knoepfe = new QDialogButtonBox(this);
    auto *drucken = knoepfe->addButton(u"&Drucken"_s, QDialogButtonBox::ActionRole);
    drucken->setObjectName(u"BVerlaufDrucken"_s);
    knoepfe->addButton(u"Schließen"_s, QDialogButtonBox::RejectRole);
    connect(drucken, &QPushButton::clicked, this, [this] { tabelleDrucken(*SGVerlauf, this->r); });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    senkrecht->addWidget(knoepfe);
    CBVerlaufAuswahl->setCurrentIndex(start);
    connect(CBVerlaufAuswahl, &QComboBox::currentIndexChanged, this, [this] { fuellen(); });
    fuellen();
    resize(900, 500);
}

void VerlaufDialog::fuellen()
{
    const Auswahl w = auswahlen.value(CBVerlaufAuswahl->currentIndex());
    SGVerlauf->setRowCount(0);
    const QLocale de(QLocale::German);
    for (const Notenaenderung &a : alle) {
        if ((!w.nachname.isEmpty() || !w.vorname.isEmpty()) &&
            (a.vorname != w.vorname || a.nachname != w.nachname)) {
            continue;
        }
        if (w.art > 0 && (a.art != w.art || a.slot != w.slot)) {
            continue;
        }
        const int z = SGVerlauf->rowCount();
        SGVerlauf->insertRow(z);
        const QString liste = s.klasse.notenart(a.art).taste + QString::number(a.slot + 1);
        const QStringList werte = {de.toString(a.zeit, u"dd.MM.yyyy HH:mm:ss"_s),
                                   a.rechner,
                                   a.vorname + u' ' + a.nachname,
                                   liste,
                                   a.datum,
                                   a.erlaeuterung,
                                   a.alt,
                                   a.neu};
        for (int sp = 0; sp < werte.size(); ++sp) {
            SGVerlauf->setItem(z, sp, new QTableWidgetItem(werte[sp]));
        }
    }
    SGVerlauf->resizeColumnsToContents();
}

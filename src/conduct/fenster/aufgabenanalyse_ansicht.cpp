#include "conduct/fenster/aufgabenanalyse_ansicht.h"

#include "widgets/Druckhilfe.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor kLeicht(214, 240, 214);
const QColor kSchwer(245, 208, 208);
const QColor kKaumTrennend(200, 100, 0);
constexpr double kTrennschwach = 0.2;

const QStringList &spaltenkoepfe()
{
    static const QStringList k{u"Aufgabe"_s,      u"Lösung"_s, u"Lösungsquote"_s,
                               u"Trennschärfe"_s, u"a)"_s,     u"b)"_s,
                               u"c)"_s,           u"d)"_s,     u"keine"_s};
    return k;
}

QStringList zeilentexte(const Fragenanalyse &f)
{
    QStringList t{f.nr, f.loesung.isNull() ? QString() : QString(f.loesung),
                  prozentText(f.loesungsquote), kennzahlText(f.trennschaerfe)};
    for (const std::optional<double> &anteil : f.antworten) {
        t << prozentText(anteil);
    }
    return t;
}

QString kopftext(const Aufgabenanalyse &a, const QString &testname)
{
    QString t = testname.isEmpty() ? QString() : u"Test "_s + testname + u":  "_s;
    t += QString::number(a.schueler) + u" gewertete Schüler,  Zuverlässigkeit (KR-20): "_s +
         (a.kr20 ? kennzahlText(a.kr20) : u"nicht bestimmbar"_s);
    return t;
}

} // namespace

AufgabenanalyseAnsicht::AufgabenanalyseAnsicht(Rueckfragen &r, QWidget *eltern)
    : QWidget(eltern)
    , r(r)
{
    setObjectName(u"AufgabenanalyseAnsicht"_s);
    setWindowTitle(u"Aufgabenanalyse"_s);
    LKopf = new QLabel(this);
    LKopf->setObjectName(u"LKopf"_s);
    LKopf->setWordWrap(true);
    SGAnalyse = new QTableWidget(0, int(spaltenkoepfe().size()), this);
    SGAnalyse->setObjectName(u"SGAnalyse"_s);
    SGAnalyse->setHorizontalHeaderLabels(spaltenkoepfe());
    SGAnalyse->verticalHeader()->hide();
    SGAnalyse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGAnalyse->setSelectionMode(QAbstractItemView::NoSelection);
    SGAnalyse->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *legende = new QLabel(
        u"Grün: leicht (über 80 % gelöst), rot: schwer (unter 30 %). Orange Trennschärfe unter "
        "0,20: die Frage trennt kaum zwischen stärkeren und schwächeren Schülern. Antworten in "
        "den Buchstaben der Gruppe A."_s,
        this);
    legende->setWordWrap(true);
    BDrucken = new QPushButton(u"Drucken"_s, this);
    BDrucken->setObjectName(u"BDrucken"_s);
    BSchliessen = new QPushButton(u"Schließen"_s, this);
    BSchliessen->setObjectName(u"BSchliessen"_s);
    connect(BDrucken, &QPushButton::clicked, this, [this] { drucken(); });
    connect(BSchliessen, &QPushButton::clicked, this, &AufgabenanalyseAnsicht::fertig);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BDrucken);
    knoepfe->addWidget(BSchliessen);
    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(LKopf);
    spalte->addWidget(SGAnalyse, 1);
    spalte->addWidget(legende);
    spalte->addLayout(knoepfe);
}

AufgabenanalyseAnsicht::~AufgabenanalyseAnsicht() = default;

QSize AufgabenanalyseAnsicht::sizeHint() const
{
    // Die Tabelle braucht jede Spalte in ihrer Inhaltsbreite, dazu Rahmen und eine
    // Bildlaufleiste; der Rest des Fensters (Kopf, Legende, Knoepfe) wie sein Layout es will.
    const QAbstractItemView *tabelle = SGAnalyse;
    const QHeaderView *kopf = SGAnalyse->horizontalHeader();
    const int rahmen = 2 * SGAnalyse->frameWidth();
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, SGAnalyse);
    int breite = rahmen + leiste;
    for (int s = 0; s < SGAnalyse->columnCount(); ++s) {
        breite += std::max(kopf->sectionSizeHint(s), tabelle->sizeHintForColumn(s));
    }
    int hoehe = rahmen + kopf->sizeHint().height();
    for (int z = 0; z < SGAnalyse->rowCount(); ++z) {
        hoehe +=
            std::max(SGAnalyse->verticalHeader()->defaultSectionSize(), tabelle->sizeHintForRow(z));
    }
    const QSize rest = layout()->sizeHint() - SGAnalyse->sizeHint();
    const QMargins m = layout()->contentsMargins();
    return {std::max(layout()->sizeHint().width(), breite + m.left() + m.right()),
            rest.height() + std::max(hoehe, SGAnalyse->minimumSizeHint().height())};
}

int AufgabenanalyseAnsicht::stufe(const std::optional<double> &loesungsquote)
{
    if (!loesungsquote) {
        return 0;
    }
    return *loesungsquote > 0.8 ? 1 : *loesungsquote < 0.3 ? -1 : 0;
}

void AufgabenanalyseAnsicht::zeigen(const Aufgabenanalyse &a, const QString &name)
{
    analyse = a;
    testname = name;
    dokument.reset();
    LKopf->setText(kopftext(a, name));
    // Beim Fuellen die Spaltenbreiten nicht nach jeder Zelle neu messen: bei offenem Fenster
    // loeste sonst jede gesetzte Zelle eine Messung der ganzen Tabelle aus. Das Zurueckschalten
    // misst einmal.
    QHeaderView *kopf = SGAnalyse->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Fixed);
    SGAnalyse->setRowCount(int(a.fragen.size()));
    for (int zeile = 0; zeile < a.fragen.size(); ++zeile) {
        const Fragenanalyse &f = a.fragen[zeile];
        const QStringList texte = zeilentexte(f);
        const int s = stufe(f.loesungsquote);
        // Die richtige Antwort fett.
        const int richtig = !f.loesung.isNull() && f.loesung >= u'a' && f.loesung <= u'd'
                                ? 4 + (f.loesung.unicode() - u'a')
                                : -1;
        for (int spalte = 0; spalte < texte.size(); ++spalte) {
            auto *zelle = new QTableWidgetItem(texte[spalte]);
            zelle->setTextAlignment(Qt::AlignCenter);
            if (s != 0) {
                zelle->setBackground(s > 0 ? kLeicht : kSchwer);
            }
            if (spalte == 3 && f.trennschaerfe && *f.trennschaerfe < kTrennschwach) {
                zelle->setForeground(kKaumTrennend);
            }
            if (spalte == richtig) {
                QFont fett = zelle->font();
                fett.setBold(true);
                zelle->setFont(fett);
            }
            SGAnalyse->setItem(zeile, spalte, zelle);
        }
    }
    kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
}

const QTextDocument &AufgabenanalyseAnsicht::druckdokument()
{
    if (dokument) {
        return *dokument;
    }
    QString html = u"<h3>Aufgabenanalyse</h3><p>"_s + kopftext(analyse, testname).toHtmlEscaped() +
                   u"</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>"_s;
    for (const QString &k : spaltenkoepfe()) {
        html += u"<th>"_s + k.toHtmlEscaped() + u"</th>"_s;
    }
    html += u"</tr>"_s;
    for (const Fragenanalyse &f : analyse.fragen) {
        const int s = stufe(f.loesungsquote);
        html += s == 0 ? u"<tr>"_s
                       : u"<tr bgcolor=\""_s + (s > 0 ? kLeicht : kSchwer).name() + u"\">"_s;
        for (const QString &t : zeilentexte(f)) {
            html += u"<td align=\"center\">"_s + t.toHtmlEscaped() + u"</td>"_s;
        }
        html += u"</tr>"_s;
    }
    html += u"</table><p><small>Grün: leicht (über 80 % gelöst), rot: schwer (unter 30 %). "
            "Trennschärfe unter 0,20: die Frage trennt kaum. KR-20 ab etwa 0,70: der Test misst "
            "verlässlich.</small></p>"_s;
    dokument = std::make_unique<QTextDocument>();
    dokument->setHtml(html);
    return *dokument;
}

bool AufgabenanalyseAnsicht::drucken()
{
    const QTextDocument &d = druckdokument();
    return druck::dokumenteDrucken(this, {u"Aufgabenanalyse"_s, QString(), false, false}, {&d},
                                   QMarginsF(0.8, 0.8, 0.8, 0.8), r);
}

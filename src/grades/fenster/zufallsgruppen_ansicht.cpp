#include "grades/fenster/zufallsgruppen_ansicht.h"

#include "classdata/klassensitzung.h"
#include "classdata/zufallsgruppen.h"
#include "common/zufall.h"
#include "grades/fenster/notentabelle_ansicht.h"

#include <QComboBox>
#include <QDateTime>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kEintragHoehe = 27;
constexpr int kSpalten = 4;
constexpr int kZeilenJeSpalte = 16;
constexpr int kRolleWeiblich = Qt::UserRole + 1;

// Jeder Eintrag 2 Pixel rechts und unter seiner Ecke, schwarz, Schuelerinnen dunkelrot.
class GruppenZeichner : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *maler, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        maler->save();
        maler->fillRect(option.rect, Qt::white);
        const bool weiblich = index.data(kRolleWeiblich).toBool();
        maler->setPen(weiblich ? QColor(155, 0, 0) : QColor(Qt::black));
        maler->setFont(option.font);
        maler->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                        index.data().toString());
        maler->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kEintragHoehe};
    }
};

} // namespace

ZufallsgruppenAnsicht::ZufallsgruppenAnsicht(const Klassensitzung &sitzung)
    : QGroupBox(u"Erstellung von Zufallsgruppen"_s)
    , s(sitzung)
{
    setObjectName(u"GBZufallsgruppen"_s);
    zufallsquelle = [] {
        return std::make_unique<StdZufall>(
            static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    };
    auto *senkrecht = new QVBoxLayout(this);
    auto *wahl = new QHBoxLayout;
    CBoxGruppengroesse = new QComboBox(this);
    CBoxGruppengroesse->setObjectName(u"CBoxGruppengroesse"_s);
    for (int g = kKleinsteGruppe; g <= kGroessteGruppe; ++g) {
        CBoxGruppengroesse->addItem(QString::number(g));
    }
    CBoxGruppengroesse->setCurrentText(u"4"_s);
    CBoxJMTrennung = new QComboBox(this);
    CBoxJMTrennung->setObjectName(u"CBoxJMTrennung"_s);
    CBoxJMTrennung->addItems({u"Nein"_s, u"Ja"_s});
    BGruppeNeuLosen = new QPushButton(u"Neue Zufallsgruppen"_s, this);
    BGruppeNeuLosen->setObjectName(u"BGruppeNeuLosen"_s);
    BGruppeLoeschen = new QPushButton(u"Löschen"_s, this);
    BGruppeLoeschen->setObjectName(u"BGruppeLoeschen"_s);
    BZufallsgruppenBeenden = new QPushButton(u"Beenden"_s, this);
    BZufallsgruppenBeenden->setObjectName(u"BZufallsgruppenBeenden"_s);
    wahl->addWidget(new QLabel(u"Wahl der Gruppengröße:"_s, this));
    wahl->addWidget(CBoxGruppengroesse);
    wahl->addSpacing(20);
    wahl->addWidget(new QLabel(u"Ju/Mä-Trennung:"_s, this));
    wahl->addWidget(CBoxJMTrennung);
    wahl->addSpacing(20);
    wahl->addWidget(BGruppeNeuLosen);
    wahl->addWidget(BGruppeLoeschen);
    wahl->addWidget(BZufallsgruppenBeenden);
    wahl->addStretch(1);
    senkrecht->addLayout(wahl);

    ListBoxZufallsGruppen = new QListWidget(this);
    ListBoxZufallsGruppen->setObjectName(u"ListBoxZufallsGruppen"_s);
    ListBoxZufallsGruppen->setItemDelegate(new GruppenZeichner(ListBoxZufallsGruppen));
    // Vier Spalten, Spalte fuer Spalte gefuellt.
    ListBoxZufallsGruppen->setFlow(QListView::TopToBottom);
    ListBoxZufallsGruppen->setWrapping(true);
    ListBoxZufallsGruppen->setResizeMode(QListView::Adjust);
    ListBoxZufallsGruppen->setUniformItemSizes(true);
    ListBoxZufallsGruppen->setSelectionMode(QAbstractItemView::NoSelection);
    ListBoxZufallsGruppen->setFocusPolicy(Qt::NoFocus);
    QFont schrift = ListBoxZufallsGruppen->font();
    schrift.setPointSize(11);
    ListBoxZufallsGruppen->setFont(schrift);
    // Mehr als vier Spalten (grosse Klasse, kleine Gruppen) werden gerollt; die Leiste ist immer
    // da, damit jede Spalte gleich viele Zeilen hat.
    ListBoxZufallsGruppen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ListBoxZufallsGruppen->setFixedSize(
        kSpalten * 260 + 4,
        kZeilenJeSpalte * kEintragHoehe + 4 +
            ListBoxZufallsGruppen->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    ListBoxZufallsGruppen->setGridSize(QSize(260, kEintragHoehe));
    senkrecht->addWidget(ListBoxZufallsGruppen);
    senkrecht->addStretch(1);

    connect(BGruppeNeuLosen, &QPushButton::clicked, this, [this] { BGruppeNeuLosenClick(); });
    connect(BGruppeLoeschen, &QPushButton::clicked, this, [this] { BGruppeLoeschenClick(); });
    connect(BZufallsgruppenBeenden, &QPushButton::clicked, this,
            [this] { BZufallsgruppenBeendenClick(); });
}

bool ZufallsgruppenAnsicht::offen() const
{
    return isVisibleTo(parentWidget());
}

void ZufallsgruppenAnsicht::oeffnen()
{
    ListBoxZufallsGruppen->clear();
    emit anzeigen();
    BGruppeNeuLosen->setFocus();
}

void ZufallsgruppenAnsicht::BGruppeNeuLosenClick()
{
    const int groesse = CBoxGruppengroesse->currentText().toInt();
    const bool trennung = CBoxJMTrennung->currentText() == u"Ja"_s;
    std::unique_ptr<Zufall> zufall = zufallsquelle();
    const QList<GruppenEintrag> eintraege =
        zufallsgruppenLosen(s.klasse, s.name().startsWith(u'K'), groesse, trennung, *zufall);
    ListBoxZufallsGruppen->clear();
    BGruppeNeuLosen->setEnabled(false);
    for (const GruppenEintrag &e : eintraege) {
        auto *eintrag = new QListWidgetItem(e.text);
        eintrag->setData(kRolleWeiblich, e.weiblich);
        ListBoxZufallsGruppen->addItem(eintrag);
        // Name fuer Name erscheinen lassen.
        if (pauseMs > 0 && isVisible()) {
            ListBoxZufallsGruppen->viewport()->repaint();
            QEventLoop warten;
            QTimer::singleShot(pauseMs, &warten, &QEventLoop::quit);
            warten.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    BGruppeNeuLosen->setEnabled(true);
}

void ZufallsgruppenAnsicht::BGruppeLoeschenClick()
{
    ListBoxZufallsGruppen->clear();
}

void ZufallsgruppenAnsicht::BZufallsgruppenBeendenClick()
{
    ListBoxZufallsGruppen->clear();
    emit fertig();
}

#include "outside/schuelerprogramm/Testansicht.h"

#include "common/ordner.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using schuelerseite::Frage;

namespace {

// Bilder sind JPEG-Dateien von Lehrkraeften, hier nur gelesen: groessere lehnt Mivo ab.
constexpr qint64 kGrenzeBild = 8 * 1024 * 1024;

// Stylesheets setzen die Schrift der Knoepfe fest: die Groesse steht deshalb mit im Stil.
QString stilAntwort(int punkt, bool markiert)
{
    QString stil = u"QPushButton { text-align: left; padding: 8px 12px; border: 2px solid "
                   "#c9c9c9; border-radius: 6px; background: #fbfbf7; font-size: %1pt; }"
                   "QPushButton:checked { background: #d5ecd4; border-color: #5a9a58; "
                   "font-weight: bold; }"_s.arg(punkt);
    if (markiert) {
        stil += u"QPushButton, QPushButton:checked { border: 3px solid #2f6db5; }"_s;
    }
    return stil;
}

QPixmap bildLaden(const QString &pfad, const QSize &rahmen)
{
    if (!istGewoehnlicheDatei(pfad) || QFileInfo(pfad).size() > kGrenzeBild) {
        return {};
    }
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    const QImage bild = leser.read();
    if (bild.isNull()) {
        return {};
    }
    return QPixmap::fromImage(bild.scaled(rahmen, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

TTestansicht::TTestansicht(QWidget *eltern)
    : QWidget(eltern)
{
    setObjectName(u"Testansicht"_s);
    setFocusPolicy(Qt::StrongFocus);
    aufbauen();
}

void TTestansicht::aufbauen()
{
    auto *haupt = new QVBoxLayout(this);
    LKopf = new QLabel(this);
    LKopf->setObjectName(u"LKopf"_s);
    LKopf->setWordWrap(true);
    LName = new QLabel(this);
    LName->setObjectName(u"LName"_s);
    haupt->addWidget(LKopf);
    haupt->addWidget(LName);

    auto *mitte = new QHBoxLayout;
    LBoxFragen = new QListWidget(this);
    LBoxFragen->setObjectName(u"LBoxFragen"_s);
    LBoxFragen->setFocusPolicy(Qt::NoFocus);
    LBoxFragen->setMaximumWidth(150);
    connect(LBoxFragen, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0 && zeile != frage) {
            geheZuFrage(zeile);
        }
    });
    mitte->addWidget(LBoxFragen);

    auto *aufgabe = new QVBoxLayout;
    LFrage = new QLabel(this);
    LFrage->setObjectName(u"LFrage"_s);
    LFrage->setWordWrap(true);
    aufgabe->addWidget(LFrage);
    auto *gitter = new QGridLayout;
    for (int a = 0; a < 4; ++a) {
        const QString buchstabe(QChar(u'A' + a));
        auto *b = new QPushButton(this);
        b->setObjectName(u"BAntwort"_s + buchstabe);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(48);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        connect(b, &QPushButton::clicked, this, [this, a] {
            antwort = a;
            ankreuzen(a);
        });
        auto *bild = new QLabel(this);
        bild->setObjectName(u"LBild"_s + buchstabe);
        bild->setFixedSize(180, 120);
        bild->setAlignment(Qt::AlignCenter);
        bild->hide();
        gitter->addWidget(b, a, 0);
        gitter->addWidget(bild, a, 1);
        BAntwort[a] = b;
        LBild[a] = bild;
    }
    aufgabe->addLayout(gitter);
    aufgabe->addStretch(1);
    LHilfe = new QLabel(u"Pfeiltasten: Antwort und Aufgabe wählen  ·  a–d oder x: ankreuzen "
                        "(noch einmal: Kreuz weg)  ·  Strg+Plus/Minus: Schriftgröße"_s,
                        this);
    LHilfe->setObjectName(u"LHilfe"_s);
    LHilfe->setWordWrap(true);
    LHilfe->setStyleSheet(u"color: #555;"_s);
    aufgabe->addWidget(LHilfe);
    mitte->addLayout(aufgabe, 1);
    haupt->addLayout(mitte, 1);

    auto *unten = new QHBoxLayout;
    BVorherige = new QPushButton(u"◀ &Vorherige Aufgabe"_s, this);
    BVorherige->setObjectName(u"BVorherige"_s);
    BNaechste = new QPushButton(u"&Nächste Aufgabe ▶"_s, this);
    BNaechste->setObjectName(u"BNaechste"_s);
    LOffen = new QLabel(this);
    LOffen->setObjectName(u"LOffen"_s);
    BKleiner = new QPushButton(u"A−"_s, this);
    BKleiner->setObjectName(u"BKleiner"_s);
    BKleiner->setToolTip(u"Schrift kleiner (Strg+Minus)"_s);
    BGroesser = new QPushButton(u"A+"_s, this);
    BGroesser->setObjectName(u"BGroesser"_s);
    BGroesser->setToolTip(u"Schrift größer (Strg+Plus)"_s);
    BSichern = new QPushButton(u"In meinem Ordner &speichern"_s, this);
    BSichern->setObjectName(u"BSichern"_s);
    BAbgeben = new QPushButton(u"&Abgeben"_s, this);
    BAbgeben->setObjectName(u"BAbgeben"_s);
    for (QPushButton *b : {BVorherige, BNaechste, BKleiner, BGroesser, BSichern, BAbgeben}) {
        b->setFocusPolicy(Qt::NoFocus);
    }

    connect(BVorherige, &QPushButton::clicked, this, [this] { geheZuFrage(frage - 1); });
    connect(BNaechste, &QPushButton::clicked, this, [this] { geheZuFrage(frage + 1); });
    connect(BKleiner, &QPushButton::clicked, this, [this] { setzeSchriftgroesse(groesse - 2); });
    connect(BGroesser, &QPushButton::clicked, this, [this] { setzeSchriftgroesse(groesse + 2); });
    connect(BSichern, &QPushButton::clicked, this, &TTestansicht::sichernGewuenscht);
    connect(BAbgeben, &QPushButton::clicked, this, &TTestansicht::abgebenGewuenscht);
    unten->addWidget(BVorherige);
    unten->addWidget(BNaechste);
    unten->addSpacing(20);
    unten->addWidget(LOffen, 1);
    unten->addWidget(BKleiner);
    unten->addWidget(BGroesser);
    unten->addSpacing(20);
    unten->addWidget(BSichern);
    unten->addWidget(BAbgeben);
    haupt->addLayout(unten);
    setzeSchriftgroesse(groesse);
}

void TTestansicht::zeigen(schuelerseite::Testbogen *b, const QString &name,
                          const QString &bilderOrdner)
{
    bogen = b;
    bilder = bilderOrdner;
    frage = 0;
    antwort = 0;
    LKopf->setText(bogen->kopf().join(u'\n'));
    LName->setText(name);
    LBoxFragen->clear();
    for (const Frage &f : bogen->fragen()) {
        LBoxFragen->addItem(u"Aufgabe "_s + QString::number(f.nummer));
    }
    aktualisieren();
    setFocus();
}

void TTestansicht::geheZuFrage(int i)
{
    if (!bogen || i < 0 || i >= bogen->anzahl()) {
        return;
    }
    if (i != frage) {
        frage = i;
        antwort = 0;
    }
    aktualisieren();
}

void TTestansicht::setzeSchriftgroesse(int punkt)
{
    groesse = std::clamp(punkt, 9, 31);
    QFont f = font();
    f.setPointSize(groesse);
    setFont(f);
    QFont fett = f;
    fett.setBold(true);
    LFrage->setFont(fett);
    BKleiner->setEnabled(groesse > 9);
    BGroesser->setEnabled(groesse < 31);
    aktualisieren();
}

void TTestansicht::ankreuzen(int a)
{
    if (!bogen || !bogen->waehlen(frage, a)) {
        return;
    }
    aktualisieren();
    emit geaendert();
}

void TTestansicht::bewegen(int schritt)
{
    if (!bogen) {
        return;
    }
    const int zahl = bogen->fragen()[frage].zahl;
    int a = antwort + schritt;
    if (a >= zahl && frage + 1 < bogen->anzahl()) {
        geheZuFrage(frage + 1);
        return;
    }
    if (a < 0 && frage > 0) {
        geheZuFrage(frage - 1);
        antwort = bogen->fragen()[frage].zahl - 1;
        aktualisieren();
        return;
    }
    antwort = std::clamp(a, 0, zahl - 1);
    aktualisieren();
}

void TTestansicht::keyPressEvent(QKeyEvent *e)
{
    const bool strg = e->modifiers() & Qt::ControlModifier;
    const int taste = e->key();
    if (strg && (taste == Qt::Key_Plus || taste == Qt::Key_Equal)) {
        setzeSchriftgroesse(groesse + 2);
    } else if (strg && taste == Qt::Key_Minus) {
        setzeSchriftgroesse(groesse - 2);
    } else if (strg || (e->modifiers() & Qt::AltModifier)) {
        QWidget::keyPressEvent(e);
    } else if (taste == Qt::Key_Down) {
        bewegen(1);
    } else if (taste == Qt::Key_Up) {
        bewegen(-1);
    } else if (taste == Qt::Key_Right || taste == Qt::Key_PageDown || taste == Qt::Key_Return ||
               taste == Qt::Key_Enter) {
        geheZuFrage(frage + 1);
    } else if (taste == Qt::Key_Left || taste == Qt::Key_PageUp) {
        geheZuFrage(frage - 1);
    } else if (taste == Qt::Key_Home) {
        geheZuFrage(0);
    } else if (taste == Qt::Key_End && bogen) {
        geheZuFrage(bogen->anzahl() - 1);
    } else if ((taste >= Qt::Key_A && taste <= Qt::Key_D) ||
               (taste >= Qt::Key_1 && taste <= Qt::Key_4)) {
        const int a = taste >= Qt::Key_A ? taste - Qt::Key_A : taste - Qt::Key_1;
        // "d" bei einer Aufgabe mit drei Antworten: keine Antwort, kein Kreuz.
        if (bogen && a < bogen->fragen()[frage].zahl) {
            antwort = a;
            ankreuzen(antwort);
        }
    } else if (taste == Qt::Key_X || taste == Qt::Key_Space) {
        ankreuzen(antwort);
    } else {
        QWidget::keyPressEvent(e);
    }
}

void TTestansicht::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    bilderZeigen();
}

void TTestansicht::aktualisieren()
{
    if (!bogen) {
        return;
    }
    const Frage &f = bogen->fragen()[frage];
    LFrage->setText(QString::number(f.nummer) + u")  "_s + f.text);
    for (int a = 0; a < 4; ++a) {
        const auto &antw = f.antworten[a];
        QString text = QString(antw.buchstabe) + u")   "_s + antw.text;
        if (antw.text.isEmpty() && antw.bildziffer >= 0) {
            text += u"(Bild)"_s;
        }
        // Das Kreuz auch ohne Farbe erkennbar.
        if (f.gewaehlt == a) {
            text += u"   ✔"_s;
        }
        // Eine Aufgabe mit drei Antworten zeigt drei Knoepfe.
        BAntwort[a]->setVisible(a < f.zahl);
        BAntwort[a]->setText(text);
        BAntwort[a]->setChecked(f.gewaehlt == a);
        BAntwort[a]->setStyleSheet(stilAntwort(groesse, a == antwort));
        BAntwort[a]->setAccessibleName(u"Antwort "_s + text +
                                       (f.gewaehlt == a ? u", angekreuzt"_s : QString()));
    }
    const QList<Frage> &alle = bogen->fragen();
    for (int i = 0; i < alle.size(); ++i) {
        QListWidgetItem *eintrag = LBoxFragen->item(i);
        const bool fertig = alle[i].gewaehlt >= 0;
        eintrag->setText(u"Aufgabe "_s + QString::number(alle[i].nummer) +
                         (fertig ? u"   ✓"_s : QString()));
        eintrag->setForeground(fertig ? QColor(0x2e, 0x6b, 0x2d) : QColor(0x30, 0x30, 0x30));
    }
    LBoxFragen->setCurrentRow(frage);
    const qsizetype offen = bogen->offeneFragen().size();
    LOffen->setText(offen == 0 ? u"Alle Aufgaben beantwortet."_s
                               : u"Noch offen: "_s + QString::number(offen) + u" von "_s +
                                     QString::number(bogen->anzahl()) + u" Aufgaben"_s);
    BVorherige->setEnabled(frage > 0);
    BNaechste->setEnabled(frage + 1 < bogen->anzahl());
    bilderZeigen();
}

void TTestansicht::bilderZeigen()
{
    if (!bogen) {
        return;
    }
    const Frage &f = bogen->fragen()[frage];
    for (int a = 0; a < 4; ++a) {
        const int ziffer = a < f.zahl ? f.antworten[a].bildziffer : -1;
        QString datei;
        if (!bilder.isEmpty() && ziffer >= 0) {
            datei = dateienNachMuster(bilder, schuelerseite::bildMuster(f.nummer, ziffer)).value(0);
        }
        if (datei.isEmpty()) {
            LBild[a]->hide();
            continue;
        }
        const QPixmap p = bildLaden(bilder + datei, LBild[a]->size());
        if (p.isNull()) {
            LBild[a]->setText(u"(Bild fehlt)"_s);
        } else {
            LBild[a]->setPixmap(p);
        }
        LBild[a]->show();
    }
}

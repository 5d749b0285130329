#pragma once
// Ein Notenfenster auf einem Testordner mit Konfigurationsdatei und den Beispielklassen im
// Schuljahr 2016-17; die Uhr steht im Februar 2017.

#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/klassenwerkzeuge.h"
#include "grades/fenster/neueklasse_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/fenster/suche_ansicht.h"
#include "grades/fenster/zufallsgruppen_ansicht.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "widgets/pruefgitter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <memory>

struct Fensterumgebung
{
    Testordner ordner;
    Einstellungen e;
    SkriptRueckfragen r;
    FesteUhr uhr{QDateTime(QDate(2017, 2, 10), QTime(10, 0))};
    std::unique_ptr<TFZensurenbearbeitung> f;

    Fensterumgebung()
    {
        e.programmOrdner = ordner.pfad();
        e.basisOrdner = ordner.pfad();
        ordner.schreibe(QStringLiteral("Mivo-Kl-cf.txt"),
                        dateiInhalt(QStringLiteral(MIVO_BASISQUELLE "/Mivo-Kl-cf.txt")));
        ordnerAnlegen(ordner.datei(QStringLiteral("2016-17")));
        for (const char *name : {"L-7x-Ph.DTA", "K-9-Inx.DTA"}) {
            ordner.schreibe(QStringLiteral("2016-17/") + QLatin1String(name),
                            dateiInhalt(QStringLiteral(MIVO_BEISPIELE "/") + QLatin1String(name)));
        }
        f = std::make_unique<TFZensurenbearbeitung>(e, r, uhr);
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get())) {
            qWarning("Fenster nicht aktiv");
        }
    }

    template<class T>
    T *w(const QString &name) const
    {
        T *gefunden = f->findChild<T *>(name);
        if (gefunden == nullptr) {
            qFatal("Steuerelement %s fehlt", qPrintable(name));
        }
        return gefunden;
    }
    QPushButton *knopf(const QString &name) const { return w<QPushButton>(name); }
    void klick(const QString &name) const { QTest::mouseClick(knopf(name), Qt::LeftButton); }
    void warte() const
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // Klassenliste zeigen und einen Eintrag anklicken (oeffnet die Klasse).
    void oeffne(const QString &eintrag)
    {
        klick(QStringLiteral("BKlassenwahl"));
        auto *liste = w<QListWidget>(QStringLiteral("LBoxKlassen"));
        const auto treffer = liste->findItems(eintrag, Qt::MatchExactly);
        if (treffer.isEmpty()) {
            qFatal("Eintrag %s fehlt", qPrintable(eintrag));
        }
        const QRect rechteck = liste->visualItemRect(treffer.first());
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rechteck.center());
        warte();
    }

    // Tippt Text in das Widget mit dem Fokus (Umlaute ueber sendKeyEvent).
    static void tippe(QWidget *ziel, const QString &text)
    {
        for (QChar c : text) {
            QTest::sendKeyEvent(QTest::KeyAction::Click, ziel, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }

    // Speichert ein Bild des Fensters, wenn MIVO_BILDER einen Ordner nennt.
    void bild(const QString &name) const
    {
        const QString ordnerBilder = qEnvironmentVariable("MIVO_BILDER");
        if (!ordnerBilder.isEmpty()) {
            warte();
            f->grab().save(mitTrenner(ordnerBilder) + name + QStringLiteral(".png"));
        }
    }
};

// Tippt Zeichen in eine Gitterzelle, wie ein Benutzer: die erste Taste oeffnet die Bearbeitung.
inline void zelleTippen(QTableWidget *gitter, int zeile, int spalte, const QString &text)
{
    gitter->setFocus();
    gitter->setCurrentCell(zeile, spalte);
    for (QChar c : text) {
        QWidget *ziel = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::KeyAction::Click, ziel != nullptr ? ziel : gitter,
                            Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Klickt eine Zelle an (die zuletzt bearbeitete wird dabei geprueft).
inline void zelleKlicken(QTableWidget *gitter, int zeile, int spalte)
{
    gitter->scrollTo(gitter->model()->index(zeile, spalte));
    const QRect rechteck = gitter->visualRect(gitter->model()->index(zeile, spalte));
    QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, rechteck.center());
    QCoreApplication::processEvents();
}

inline QString zellText(const QTableWidget *gitter, int zeile, int spalte)
{
    const QTableWidgetItem *feld = gitter->item(zeile, spalte);
    return feld == nullptr ? QString() : feld->text();
}

// Legt eine Klasse als Datei im Schuljahr 2016-17 ab.
inline void klasseAblegen(Fensterumgebung &u, const QString &name, const Klasse &k)
{
    QVERIFY(klassenlisteSchreiben(u.ordner.datei(QStringLiteral("2016-17/") + name), k, u.r));
}

// Enter im Zelleneditor: der Wert wird (verzoegert) uebernommen.
inline void eingabeBestaetigen()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

#pragma once
// Ein Programmlauf mit echten Fenstern auf einem frischen Basisordner, Fragen per Skript.

#include "app/apptesthilfe.h"
#include "app/fenster/Anwendung.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "widgets/Modusfenster.h"

#include <QAction>
#include <QTest>
#include <QWidget>

#include <memory>

struct Lauf
{
    Testordner t;
    Einstellungen e;
    SkriptRueckfragen r;
    TestOeffner o;
    FesteUhr uhr{QDateTime(QDate(2024, 10, 1), QTime(10, 0))}; // Schuljahr 2024-25
    Konfiguration k{e, r};
    Umgebung u{e, k, r, o, uhr};
    std::unique_ptr<Anwendung> a;

    Lauf()
    {
        basisordnerAnlegen(t.pfad());
        e.programmOrdner = t.pfad();
    }
    QString schulserver() const { return t.pfad() + kSchulserverOrdnerName + QStringLiteral("/"); }
    QString jahr() const { return t.pfad() + QStringLiteral("2024-25/"); }
    void erzeugen() { a = std::make_unique<Anwendung>(u); }
    TMainForm &haupt() { return a->hauptfenster; }
    template<typename T>
    T *finde(QWidget *fenster, const char *name)
    {
        return fenster->findChild<T *>(QString::fromLatin1(name));
    }
    QAction *befehl(const char *name) { return finde<QAction>(&haupt(), name); }
    // Start bis nach dem Laden der Einstellungen durch den Start-Zeitgeber.
    bool starten()
    {
        if (!a) {
            erzeugen();
        }
        a->starten();
        return QTest::qWaitFor([this] { return !e.basisOrdner.isEmpty() || e.programmEndet; });
    }
    void klassenBereitstellen()
    {
        ordnerAnlegen(jahr());
        dateiKopieren(t.pfad() + QStringLiteral("2016-17 Beispiele/L-7x-Ph.DTA"),
                      jahr() + QStringLiteral("L-7x-Ph.DTA"));
    }
};

// Zeichnet auf, wie das Hauptfenster die Fenster der Arbeitsmodi schaltet.
class TestAuswahl final : public Testauswahl
{
public:
    QWidget *fenster() override { return &w; }
    void modusZeigen(Layout layout, bool alle) override
    {
        aufrufe.append({layout, alle});
        w.show();
    }
    QWidget w;
    QList<std::pair<Layout, bool>> aufrufe;
};

class TestNoten final : public Notenverwaltung
{
public:
    QWidget *fenster() override { return &w; }
    void notenverwaltungZeigen() override
    {
        ++aufrufe;
        w.show();
    }
    QWidget w;
    int aufrufe = 0;
};

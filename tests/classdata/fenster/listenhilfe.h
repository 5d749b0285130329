#pragma once
// Hilfen der Bedienungstests fuer Listenfelder.

#include <QCoreApplication>
#include <QListWidget>
#include <QStringList>
#include <QTest>

inline QStringList eintraege(const QListWidget *liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i) {
        texte.append(liste->item(i)->text());
    }
    return texte;
}

// Klickt den Eintrag mit genau diesem Text an.
inline void eintragKlicken(QListWidget *liste, const QString &text)
{
    const auto treffer = liste->findItems(text, Qt::MatchExactly);
    QVERIFY2(!treffer.isEmpty(), qPrintable(text));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(treffer.first()).center());
    QCoreApplication::processEvents();
}

#pragma once
// Hilfen der Lückentest-Tests: Text mit [A:..]-Lücken, Umweg über RTF-Bytes, Zeilen.

#include "cloze/lueckenquelle.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"

#include <QTest>
#include <QTextDocument>

#include <memory>

inline std::unique_ptr<QTextDocument> quelleLaden(const QString &quelle, Lueckentabelle &tab)
{
    auto doc = std::make_unique<QTextDocument>();
    const QString f = lueckentextAusQuelle(quelle, *doc, tab);
    if (!f.isEmpty()) {
        qWarning("%s", qPrintable(f));
        return nullptr;
    }
    return doc;
}

// Wie eine Datei, die geschrieben und wieder gelesen wurde.
inline std::unique_ptr<QTextDocument> ueberRtf(const QTextDocument &doc)
{
    auto neu = std::make_unique<QTextDocument>();
    const RtfLeseErgebnis e = rtfLesen(rtfSchreiben(doc), *neu);
    if (!e.ok()) {
        qWarning("%s", qPrintable(e.fehler));
    }
    return neu;
}

inline QStringList zeilen(const QTextDocument &doc)
{
    return Zeilenmodell(const_cast<QTextDocument &>(doc)).alle();
}

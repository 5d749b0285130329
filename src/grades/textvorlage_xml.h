#pragma once
// Das XML der Textvorlagen lesen und schreiben: Leerraum-Textknoten bleiben erhalten, zu tief
// verschachtelte Dokumente werden abgewiesen; dazu kleine Helfer fuer Namensraeume und Kinder.

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

#include <optional>

namespace textvorlageXml {

struct Xml
{
    QDomDocument dok;
    bool geschuetzt = false; // Leerraum wurde geschuetzt und wird beim Schreiben zurueckgesetzt
};

std::optional<Xml> xmlLesen(const QByteArray &daten);
QByteArray xmlSchreiben(const Xml &x);
// Praefix, unter dem die Wurzel den Namensraum uri bindet.
QString praefix(const QDomElement &wurzel, const QString &uri, const QString &vorgabe);
QList<QDomElement> kinder(const QDomElement &e, const QString &name);

} // namespace textvorlageXml

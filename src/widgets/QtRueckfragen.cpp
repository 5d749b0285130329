#include "widgets/QtRueckfragen.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace {

QMessageBox::Icon symbol(Rueckfragen::Art art)
{
    switch (art) {
    case Rueckfragen::Art::Information:
        return QMessageBox::Information;
    case Rueckfragen::Art::Warnung:
        return QMessageBox::Warning;
    case Rueckfragen::Art::Fehler:
        return QMessageBox::Critical;
    case Rueckfragen::Art::Frage:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// CR LF als Zeilenumbruch; Tabulatoren springen wie gewohnt zu festen Marken (das leistet nur
// die Rich-Text-Darstellung), mehrere Leerzeichen bleiben stehen.
QString anzeigeText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return QStringLiteral("<div style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() +
           QStringLiteral("</div>");
}

void textSetzen(QMessageBox &box, const QString &text)
{
    box.setTextFormat(Qt::RichText);
    box.setText(anzeigeText(text));
    // Lange Texte und Tabellen mit Tabulatoren brauchen Breite, sonst bricht jede Zeile um.
    if (text.size() > 300 || text.contains(u'\t')) {
        box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 660px; }"));
    }
}

} // namespace

QString qtDateifilter(const QString &filter)
{
    if (!filter.contains(u'|')) {
        return filter;
    }
    const QStringList teile = filter.split(u'|');
    QStringList qtFilter;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        const QString beschreibung = teile[i].trimmed();
        const QString muster = teile[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        // Qt liest die Muster aus der letzten Klammer; steht sie schon da, zaehlt sie.
        qtFilter << (beschreibung.endsWith(u')')
                         ? beschreibung
                         : beschreibung + QStringLiteral(" (") + muster + u')');
    }
    return qtFilter.join(QStringLiteral(";;"));
}

QString filterDerEndung(const QString &qtFilter, const QString &endung)
{
    const QStringList filter = qtFilter.split(QStringLiteral(";;"));
    const QString muster = QStringLiteral("*.") + endung;
    for (const QString &f : filter) {
        const qsizetype auf = f.lastIndexOf(u'(');
        const QStringList teile = f.mid(auf + 1).chopped(1).split(u' ', Qt::SkipEmptyParts);
        if (auf >= 0 && !endung.isEmpty() && teile.contains(muster, Qt::CaseInsensitive)) {
            return f;
        }
    }
    return filter.constFirst();
}

QWidget *QtRueckfragen::elternFenster() const
{
    // Ohne festen Eltern erscheint die Meldung ueber dem gerade aktiven Fenster.
    return eltern ? eltern.data() : QApplication::activeWindow();
}

void QtRueckfragen::melde(Art art, const QString &text)
{
    QMessageBox box(symbol(art), QApplication::applicationName(), QString(), QMessageBox::NoButton,
                    elternFenster());
    textSetzen(box, text);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Rueckfragen::Knopf QtRueckfragen::frage(Art art, const QString &text, Knoepfe knoepfe)
{
    QMessageBox box(symbol(art), QApplication::applicationName(), QString(), QMessageBox::NoButton,
                    elternFenster());
    textSetzen(box, text);
    std::map<QAbstractButton *, Knopf> knopfVon;
    const auto neu = [&](const QString &titel, QMessageBox::ButtonRole rolle, Knopf k) {
        QPushButton *b = box.addButton(titel, rolle);
        knopfVon[b] = k;
        return b;
    };
    switch (knoepfe) {
    case Knoepfe::Ok:
        box.setDefaultButton(neu(QStringLiteral("OK"), QMessageBox::AcceptRole, Knopf::Ok));
        break;
    case Knoepfe::OkAbbruch:
        box.setDefaultButton(neu(QStringLiteral("OK"), QMessageBox::AcceptRole, Knopf::Ok));
        box.setEscapeButton(
            neu(QStringLiteral("Abbrechen"), QMessageBox::RejectRole, Knopf::Abbruch));
        break;
    case Knoepfe::JaNein:
        box.setDefaultButton(neu(QStringLiteral("&Ja"), QMessageBox::YesRole, Knopf::Ja));
        box.setEscapeButton(neu(QStringLiteral("&Nein"), QMessageBox::NoRole, Knopf::Nein));
        break;
    case Knoepfe::JaNeinAbbruch:
        box.setDefaultButton(neu(QStringLiteral("&Ja"), QMessageBox::YesRole, Knopf::Ja));
        neu(QStringLiteral("&Nein"), QMessageBox::NoRole, Knopf::Nein);
        box.setEscapeButton(
            neu(QStringLiteral("Abbrechen"), QMessageBox::RejectRole, Knopf::Abbruch));
        break;
    case Knoepfe::JaNeinAbbrechen:
        box.setDefaultButton(neu(QStringLiteral("&Ja"), QMessageBox::YesRole, Knopf::Ja));
        neu(QStringLiteral("&Nein"), QMessageBox::NoRole, Knopf::Nein);
        box.setEscapeButton(
            neu(QStringLiteral("Abbruch"), QMessageBox::RejectRole, Knopf::Abbrechen));
        break;
    }
    box.exec();
    const auto it = knopfVon.find(box.clickedButton());
    if (it != knopfVon.end()) {
        return it->second;
    }
    // Fenster geschlossen: wie der Escape-Knopf
    return knopfVon.count(box.escapeButton()) ? knopfVon[box.escapeButton()] : Knopf::Ok;
}

void QtRueckfragen::piep()
{
    QApplication::beep();
}

QString QtRueckfragen::dateiZumOeffnen(const QString &titel, const QString &ordner,
                                       const QString &filter)
{
    return QFileDialog::getOpenFileName(elternFenster(), titel, ordner, qtDateifilter(filter));
}

QString QtRueckfragen::dateiZumSpeichern(const QString &titel, const QString &vorschlag,
                                         const QString &filter, const QString &endung)
{
    const QString qtFilter = qtDateifilter(filter);
    QFileDialog d(elternFenster(), titel, vorschlag, qtFilter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.selectNameFilter(filterDerEndung(qtFilter, endung));
    d.setDefaultSuffix(endung);
    d.selectFile(vorschlag);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) {
        return {};
    }
    return d.selectedFiles().constFirst();
}

QString QtRueckfragen::ordnerWaehlen(const QString &titel, const QString &ordner)
{
    return QFileDialog::getExistingDirectory(elternFenster(), titel, ordner);
}

std::optional<QString> QtRueckfragen::textEingabe(const QString &titel, const QString &frage,
                                                  const QString &vorgabe)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(elternFenster(), titel, frage, QLineEdit::Normal, vorgabe, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

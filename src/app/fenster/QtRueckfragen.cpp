#include "app/fenster/QtRueckfragen.h"

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

// CR LF der Meldungstexte als Zeilenumbruch anzeigen.
QString anzeigeText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

} // namespace

void QtRueckfragen::melde(Art art, const QString &text)
{
    QMessageBox box(symbol(art), QApplication::applicationName(), anzeigeText(text),
                    QMessageBox::NoButton, eltern);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Rueckfragen::Knopf QtRueckfragen::frage(Art art, const QString &text, Knoepfe knoepfe)
{
    QMessageBox box(symbol(art), QApplication::applicationName(), anzeigeText(text),
                    QMessageBox::NoButton, eltern);
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
    return QFileDialog::getOpenFileName(eltern, titel, ordner, filter);
}

QString QtRueckfragen::dateiZumSpeichern(const QString &titel, const QString &vorschlag,
                                         const QString &filter, const QString &endung)
{
    QFileDialog d(eltern, titel, vorschlag, filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(endung);
    d.selectFile(vorschlag);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) {
        return {};
    }
    return d.selectedFiles().constFirst();
}

QString QtRueckfragen::ordnerWaehlen(const QString &titel, const QString &ordner)
{
    return QFileDialog::getExistingDirectory(eltern, titel, ordner);
}

std::optional<QString> QtRueckfragen::textEingabe(const QString &titel, const QString &frage,
                                                  const QString &vorgabe)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(eltern, titel, frage, QLineEdit::Normal, vorgabe, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

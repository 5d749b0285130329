#include "outside/schuelerprogramm/MivoRueckfragen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

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

} // namespace

void MivoRueckfragen::melde(Art art, const QString &text)
{
    QMessageBox box(symbol(art), u"Mivo"_s, text, QMessageBox::NoButton, eltern);
    box.addButton(u"OK"_s, QMessageBox::AcceptRole);
    box.exec();
}

Rueckfragen::Knopf MivoRueckfragen::frage(Art art, const QString &text, Knoepfe knoepfe)
{
    QMessageBox box(symbol(art), u"Mivo"_s, text, QMessageBox::NoButton, eltern);
    QList<std::pair<QPushButton *, Knopf>> zuordnung;
    auto knopf = [&](const QString &titel, QMessageBox::ButtonRole rolle, Knopf k) {
        zuordnung.append({box.addButton(titel, rolle), k});
    };
    switch (knoepfe) {
    case Knoepfe::Ok:
        knopf(u"OK"_s, QMessageBox::AcceptRole, Knopf::Ok);
        break;
    case Knoepfe::OkAbbruch:
        knopf(u"OK"_s, QMessageBox::AcceptRole, Knopf::Ok);
        knopf(u"Abbrechen"_s, QMessageBox::RejectRole, Knopf::Abbruch);
        break;
    case Knoepfe::JaNein:
        knopf(u"&Ja"_s, QMessageBox::YesRole, Knopf::Ja);
        knopf(u"&Nein"_s, QMessageBox::NoRole, Knopf::Nein);
        break;
    case Knoepfe::JaNeinAbbruch:
    case Knoepfe::JaNeinAbbrechen:
        knopf(u"&Ja"_s, QMessageBox::YesRole, Knopf::Ja);
        knopf(u"&Nein"_s, QMessageBox::NoRole, Knopf::Nein);
        knopf(u"Abbrechen"_s, QMessageBox::RejectRole,
              knoepfe == Knoepfe::JaNeinAbbruch ? Knopf::Abbruch : Knopf::Abbrechen);
        break;
    }
    // Ohne Wahl (Fenster geschlossen) gilt der letzte Knopf: nie eine Ja-Antwort.
    box.setEscapeButton(zuordnung.back().first);
    box.exec();
    for (const auto &[b, k] : zuordnung) {
        if (box.clickedButton() == b) {
            return k;
        }
    }
    return zuordnung.back().second;
}

void MivoRueckfragen::piep()
{
    QApplication::beep();
}

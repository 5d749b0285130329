// Bilder des Testeditors: laden, neu laden, zeigen und die vier Rahmen neben den Antworten.
#include "authoring/fenster/TestEditor.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "widgets/Umgebung.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

const QColor kElfenbein(255, 251, 240);

QString ordnerVon(const QString &pfad)
{
    return mitTrenner(QFileInfo(pfad).absolutePath());
}

} // namespace

// ---- Bilder -----------------------------------------------------------------------------------

QString TestEditor::zielPfad() const
{
    return (neu || fuerAndereKlasse) && !neueDatei.isEmpty() ? neueDatei : aktDatei;
}

QString TestEditor::bilderOrdner() const
{
    return ordnerVon(zielPfad()) + u"Bilder"_s + kTrenner;
}

QString TestEditor::quellBilderOrdner() const
{
    return ordnerVon(aktDatei) + u"Bilder"_s + kTrenner;
}

void TestEditor::bilderAllesLaden()
{
    const QStringList z = zeilen();
    speicher.allesLaden(z, quellBilderOrdner(), u.r);
    if (bilderOrdner() != quellBilderOrdner()) {
        for (int n = 1, ab = 0; n <= kBilderFragen; ++n) {
            const int i = fragezeileSuchen(z, n, ab);
            if (i < 0) {
                break;
            }
            speicher.frageNeuLaden(z, i, bilderOrdner(), u.r);
            ab = i + 1;
        }
    }
}

void TestEditor::BilderDieserAufgabeNochmalLaden()
{
    if (!speicher.bilderGeladen()) {
        return;
    }
    const QStringList z = zeilen();
    const int i = fragezeileZu(z, caretZeile());
    if (i < 0) {
        return;
    }
    speicher.frageLeeren(akt_nr(z, i).toInt());
    speicher.frageNeuLaden(z, i, quellBilderOrdner(), u.r);
    if (bilderOrdner() != quellBilderOrdner()) {
        speicher.frageNeuLaden(z, i, bilderOrdner(), u.r);
    }
}

void TestEditor::bildLaden()
{
    if (!geladen) {
        return;
    }
    const QStringList z = zeilen();
    const int zeile = caretZeile();
    const QString text = z.value(zeile);
    const QChar ziffer = buchst_5(text);
    const int frage = akt_nr(z, zeile).toInt();
    const QChar wahl = akt_wahl(text);
    if (ziffer < u'1' || ziffer > u'4' || frage < 1 || wahl == u'x') {
        u.r.warnung(kBildnummerFehlt);
        return;
    }
    const QString datei =
        u.r.dateiZumOeffnen(u"Bild laden"_s, ordnerVon(zielPfad()),
                            u"Bilder (*.jpg *.jpeg *.png *.bmp *.gif);;Alle Dateien (*)"_s);
    if (datei.isEmpty()) {
        return;
    }
    const std::optional<EingefuegtesBild> b =
        bildEinfuegen(datei, bilderOrdner(), frage, ziffer, u.r);
    if (b) {
        speicher.setze(frage, wahl.unicode() - u'a', b->bild, b->datei);
    }
    BilderSichtbarMachen();
}

void TestEditor::BilderSichtbarMachen()
{
    const QStringList z = zeilen();
    const int zeile = caretZeile();
    const int frage = akt_nr(z, zeile).toInt();
    const QString text = z.value(zeile);
    if (frage < 1 || !speicher.frageHatBilder(frage) || !in_wahlzeile(text)) {
        bilder_unsichtbar();
        return;
    }
    bildFrage = frage;
    rahmenPlatz = akt_wahl(text).unicode() - u'a';
    if (rahmenPlatz < 0 || rahmenPlatz > 3) {
        rahmenPlatz = -1;
    }
    bilderZuSehen = true;
    // Neben den Bildern ist der Text schmal: ohne Zeilenumbruch verschwaende er rechts.
    if (!umbruch) {
        umbruchUmschalten();
    }
    anordnen();
    update();
}

void TestEditor::bilder_unsichtbar()
{
    if (!bilderZuSehen && !Pabcd->isVisible()) {
        return;
    }
    bilderZuSehen = false;
    rahmenPlatz = -1;
    anordnen();
    update();
}

void TestEditor::anordnen()
{
    const int w = width(), h = height();
    const int texthoehe = int(h * 0.85);
    RichEdit1->setGeometry(0, 0, int(w * (bilderZuSehen ? 0.69 : 0.97)), texthoehe);
    PKnoepfe->setGeometry(0, texthoehe, w, h - texthoehe);
    Pabcd->setVisible(bilderZuSehen);
    if (!bilderZuSehen) {
        return;
    }
    const Bildgeometrie g = bildgeometrie(w, h, screen() ? screen()->geometry().height() : h);
    const int versatz = bildVersatz(g);
    Pabcd->setGeometry(g.panelLinks, 0, g.links - g.panelLinks, texthoehe);
    for (int p = 0; p < 4; ++p) {
        beschriftungen[p]->move(0, g.oben[p] + versatz + g.hoehe / 2 - 10);
    }
}

int TestEditor::bildVersatz(const Bildgeometrie &g) const
{
    // Das Hauptfenster ist hier nur die Arbeitsflaeche unter dem Menue: die Rahmen bleiben
    // zwischen ihrem oberen Rand und den Knoepfen.
    const int unten = int(height() * 0.85) - 6;
    int versatz = std::min(0, unten - (g.oben[3] + g.hoehe));
    return std::max(versatz, 6 - g.oben[0]);
}

void TestEditor::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    anordnen();
}

void TestEditor::paintEvent(QPaintEvent *e)
{
    QWidget::paintEvent(e);
    if (!bilderZuSehen) {
        return;
    }
    const Bildgeometrie g =
        bildgeometrie(width(), height(), screen() ? screen()->geometry().height() : height());
    const int versatz = bildVersatz(g);
    QPainter maler(this);
    for (int p = 0; p < 4; ++p) {
        const QRect r = g.rahmen(p).translated(0, versatz);
        const Bildspeicher::Platz &platz = speicher.platz(bildFrage, p);
        if (platz.geladen) {
            maler.drawImage(r, platz.bild);
        } else {
            maler.fillRect(r, kElfenbein);
        }
        maler.setBrush(Qt::NoBrush);
        maler.setPen(QPen(kElfenbein, 3));
        maler.drawRect(r.adjusted(-4, -4, 4, 4));
    }
    if (rahmenPlatz >= 0) {
        maler.setPen(QPen(QColor(255, 0, 0), 3));
        maler.drawRect(g.rahmen(rahmenPlatz).translated(0, versatz).adjusted(-4, -4, 4, 4));
    }
}

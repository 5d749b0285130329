// Setzt die Bedienungsanleitung aus Markdown als PDF (A4, Seitenzahlen unten).
// Aufruf: mivo_handbuch QUELLE.md ZIEL.pdf   (Bilder relativ zum Ordner der Quelle)

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Jedes Bild laden und in die Seite einpassen (hoechstens die Textbreite und knapp die halbe
// Seitenhoehe); false, wenn eines fehlt.
bool bilderEinsetzen(QTextDocument &dok, const QString &ordner, const QSizeF &seite, int aufloesung)
{
    struct Bild
    {
        int anfang, laenge;
        QTextImageFormat format;
    };
    QList<Bild> bilder;
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment stueck = it.fragment();
            if (stueck.charFormat().isImageFormat()) {
                bilder.append(
                    {stueck.position(), stueck.length(), stueck.charFormat().toImageFormat()});
            }
        }
    }
    bool alle = true;
    for (Bild &b : bilder) {
        const QImage bild(ordner + u'/' + b.format.name());
        if (bild.isNull()) {
            std::fprintf(stderr, "Bild fehlt: %s\n", qPrintable(b.format.name()));
            alle = false;
            continue;
        }
        dok.addResource(QTextDocument::ImageResource, QUrl(b.format.name()), bild);
        const double verhaeltnis = double(bild.height()) / bild.width();
        // Bildgroessen zaehlen in Punkten bei 96 dpi; das Layout rechnet sie auf das Geraet um.
        const double breite =
            std::min(seite.width(), seite.height() * 0.45 / verhaeltnis) * 96.0 / aufloesung;
        b.format.setWidth(breite);
        b.format.setHeight(breite * verhaeltnis);
        QTextCursor c(&dok);
        c.setPosition(b.anfang);
        c.setPosition(b.anfang + b.laenge, QTextCursor::KeepAnchor);
        c.setCharFormat(b.format);
    }
    return alle;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: mivo_handbuch QUELLE.md ZIEL.pdf\n");
        return 1;
    }
    const QString quelle = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QString::fromLocal8Bit(argv[2]);
    QFile f(quelle);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Kann %s nicht lesen\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(f.readAll());

    QPdfWriter pdf(ziel);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setTitle(u"Mivo-Zuzovuvavev Bedienungsanleitung"_s);
    pdf.setCreator(u"Mivo-Zuzovuvavev"_s);
    const QRectF flaeche = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const double fuss = pdf.resolution() * 0.35; // Platz fuer die Seitenzahl
    const QSizeF seite(flaeche.width(), flaeche.height() - fuss);

    QTextDocument dok;
    dok.documentLayout()->setPaintDevice(&pdf);
    QFont schrift(u"DejaVu Sans"_s);
    schrift.setPointSizeF(10);
    dok.setDefaultFont(schrift);
    dok.setDocumentMargin(0);
    dok.setMarkdown(markdown);
    if (!bilderEinsetzen(dok, QFileInfo(quelle).absolutePath(), seite, pdf.logicalDpiX())) {
        return 1;
    }
    dok.setPageSize(seite);

    QPainter maler(&pdf);
    QFont klein = schrift;
    klein.setPointSizeF(8);
    const int seiten = dok.pageCount();
    for (int i = 0; i < seiten; ++i) {
        if (i > 0) {
            pdf.newPage();
        }
        maler.save();
        maler.translate(0, -i * seite.height());
        dok.drawContents(&maler, QRectF(QPointF(0, i * seite.height()), seite));
        maler.restore();
        maler.setFont(klein);
        maler.drawText(QRectF(0, seite.height(), seite.width(), fuss),
                       Qt::AlignRight | Qt::AlignBottom,
                       u"Seite "_s + QString::number(i + 1) + u" von "_s + QString::number(seiten));
    }
    return maler.end() ? 0 : 1;
}

#include "widgets/Druckhilfe.h"

#include "common/rueckfragen.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace druck {

namespace {

Dialog &ersatzDialog()
{
    static Dialog d;
    return d;
}

// Hinweis mitten im Fenster, solange der Druck laeuft.
std::unique_ptr<QLabel> wartehinweis(QWidget *fenster, const QString &text)
{
    if (fenster == nullptr || text.isEmpty()) {
        return nullptr;
    }
    auto hinweis = std::make_unique<QLabel>(text, fenster->window());
    hinweis->setObjectName(u"PWartehinweis"_s);
    hinweis->setStyleSheet(u"QLabel { background: rgb(255,255,225); border: 2px solid "
                           u"rgb(155,0,0); padding: 12px; font-weight: bold; }"_s);
    hinweis->adjustSize();
    QWidget *w = fenster->window();
    hinweis->move((w->width() - hinweis->width()) / 2, (w->height() - hinweis->height()) / 3);
    hinweis->show();
    hinweis->repaint();
    return hinweis;
}

} // namespace

void setzeDialog(Dialog dialog)
{
    ersatzDialog() = std::move(dialog);
}

bool drucken(QWidget *fenster, const Auftrag &auftrag, const Zeichner &zeichner, Rueckfragen &r)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(auftrag.titel);
    drucker.setPageOrientation(auftrag.querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
    bool gewaehlt = false;
    if (ersatzDialog()) {
        gewaehlt = ersatzDialog()(drucker);
    } else {
        QPrintDialog dialog(&drucker, fenster != nullptr ? fenster->window() : nullptr);
        dialog.setWindowTitle(auftrag.titel.isEmpty() ? u"Drucken"_s : auftrag.titel);
        QAbstractPrintDialog::PrintDialogOptions optionen =
            QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize;
        if (auftrag.auswahlSeitenbereich) {
            optionen |= QAbstractPrintDialog::PrintPageRange;
        }
        dialog.setOptions(optionen);
        gewaehlt = dialog.exec() == QDialog::Accepted;
    }
    if (!gewaehlt) {
        return false;
    }
    auto hinweis = wartehinweis(fenster, auftrag.wartetext);
    QPainter maler;
    bool ok = maler.begin(&drucker);
    if (ok) {
        ok = zeichner(maler, drucker);
        ok = maler.end() && ok;
    }
    if (hinweis && auftrag.hinweisNachlaufMs > 0) {
        QTimer::singleShot(auftrag.hinweisNachlaufMs, hinweis.release(), &QObject::deleteLater);
    }
    if (!ok) {
        const QString ziel =
            drucker.outputFileName().isEmpty() ? drucker.printerName() : drucker.outputFileName();
        r.fehler(u"Der Ausdruck ist fehlgeschlagen: \""_s + ziel + u"\" ist nicht bereit."_s);
    }
    return ok;
}

bool dokumenteZeichnen(QPainter &maler, QPrinter &drucker,
                       const QList<const QTextDocument *> &dokumente, const QMarginsF &raenderZoll)
{
    drucker.setFullPage(true); // Raender vom Papierrand aus
    const QRectF papier = drucker.paperRect(QPrinter::DevicePixel);
    const double dx = drucker.resolution();
    const double dy = drucker.resolution();
    const QRectF bereich(raenderZoll.left() * dx, raenderZoll.top() * dy,
                         papier.width() - (raenderZoll.left() + raenderZoll.right()) * dx,
                         papier.height() - (raenderZoll.top() + raenderZoll.bottom()) * dy);
    if (bereich.width() <= 0 || bereich.height() <= 0) {
        return false;
    }
    bool ersteSeite = true;
    for (const QTextDocument *dokument : dokumente) {
        std::unique_ptr<QTextDocument> kopie(dokument->clone());
        kopie->documentLayout()->setPaintDevice(&drucker);
        kopie->setPageSize(bereich.size());
        const int seiten = kopie->pageCount();
        for (int seite = 0; seite < seiten; ++seite) {
            if (!ersteSeite && !drucker.newPage()) {
                return false;
            }
            ersteSeite = false;
            maler.save();
            maler.translate(bereich.left(), bereich.top() - seite * bereich.height());
            kopie->drawContents(
                &maler, QRectF(0, seite * bereich.height(), bereich.width(), bereich.height()));
            maler.restore();
        }
    }
    return true;
}

bool dokumenteDrucken(QWidget *fenster, const Auftrag &auftrag,
                      const QList<const QTextDocument *> &dokumente, const QMarginsF &raenderZoll,
                      Rueckfragen &r)
{
    return drucken(
        fenster, auftrag,
        [&](QPainter &maler, QPrinter &drucker) {
            return dokumenteZeichnen(maler, drucker, dokumente, raenderZoll);
        },
        r);
}

} // namespace druck

// Die Dialoge von Qt sprechen Deutsch, wenn seine Uebersetzung installiert ist.

#include "app/uebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class UebersetzungTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           u"/qtbase_de.qm"_s)) {
            QSKIP("qt6-translations-l10n fehlt");
        }
        QVERIFY(qtUebersetzungLaden(*qApp));
    }

    void dialogeSprechenDeutsch()
    {
        // Der Dateidialog von Qt, wie ihn QtRueckfragen ohne Dialog der Arbeitsoberflaeche zeigt.
        QFileDialog d(nullptr, u"Schülernamen importieren"_s);
        d.setOption(QFileDialog::DontUseNativeDialog);
        const auto *suchenIn = d.findChild<QLabel *>(u"lookInLabel"_s);
        QVERIFY(suchenIn != nullptr);
        QCOMPARE(suchenIn->text(), u"Suchen in:"_s);
        const auto *knoepfe = d.findChild<QDialogButtonBox *>();
        QVERIFY(knoepfe != nullptr);
        QCOMPARE(knoepfe->button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), u"Drucken"_s);
    }
};

QTEST_MAIN(UebersetzungTest)
#include "uebersetzung_test.moc"

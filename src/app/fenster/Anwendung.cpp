#include "app/fenster/Anwendung.h"

#include "app/fenster/Willkommensbild.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// Hinweise erscheinen nach 300 ms.
class MivoStil final : public QProxyStyle
{
public:
    MivoStil()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {}
    int styleHint(StyleHint hinweis, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *rueckgabe) const override
    {
        if (hinweis == SH_ToolTip_WakeUpDelay) {
            return 300;
        }
        return QProxyStyle::styleHint(hinweis, option, widget, rueckgabe);
    }
};

} // namespace

Anwendung::Aussehen::Aussehen()
{
    if (!dynamic_cast<MivoStil *>(QApplication::style())) {
        QApplication::setStyle(new MivoStil);
    }
    QApplication::setWindowIcon(Willkommensbild::symbol());
}

Anwendung::Anwendung(Umgebung &umgebung)
    : hauptfenster(umgebung)
    , konf(umgebung, &hauptfenster)
    , anfangsKonf(umgebung, &hauptfenster)
{
    hauptfenster.setzeKonfigDialoge(&konf, &anfangsKonf);
}

void Anwendung::starten()
{
    hauptfenster.show();
}

#pragma once
// Der Basisordner einer Lehrkraft beim installierten Programm. Das Paket legt einen
// ausgelieferten Basisordner als Vorlage ab (<Praefix>/share/mivo-zuzovuvavev/basisordner);
// beim ersten Start entsteht daraus der eigene Basisordner der Lehrkraft, danach arbeitet das
// Programm nur noch dort. Die Programmdateien werden nie beschrieben. Im Bauordner (ohne
// Vorlage daneben) bleibt der Programmordner der Basisordner.

#include <QString>
#include <QStringList>

#include <optional>

inline const QString kBasisordnerOption = QStringLiteral("--basisordner");
inline const QString kBasisordnerUmgebung = QStringLiteral("MIVO_BASISORDNER");
inline const QString kBasisordnerVorgabeName = QStringLiteral("Mivo-Zuzovuvavev");

// Die Dateien einer Installation, alle mit Trenner am Ende.
struct Installation
{
    QString vorlage;        // ausgelieferter Basisordner, nur gelesen
    QString schuelerOrdner; // Ordner mit dem Schuelerprogramm Mivo (Konfiguration 3, Probelauf)
};

// Installiert ist das Programm, wenn neben <bin> die Vorlage liegt: <bin>/../share/...
std::optional<Installation> installationErkennen(const QString &programmVerzeichnis);

// Der gewaehlte Basisordner (absolut, ohne Trenner): "--basisordner ORDNER" oder
// "--basisordner=ORDNER", sonst die Umgebungsvariable, sonst heim/Mivo-Zuzovuvavev.
// Leer, wenn die Option ohne Ordner steht.
QString basisordnerWahl(const QStringList &argumente, const QString &umgebung, const QString &heim);
// Ob Option oder Umgebung einen Ordner nennen.
bool basisordnerGewaehlt(const QStringList &argumente, const QString &umgebung);

struct BasisErgebnis
{
    QString ordner; // mit Trenner; leer bei Fehler
    QString fehler; // Meldung an die Lehrkraft
};

// Ein Ordner mit Mivo-Kl-cf.txt wird so genommen, wie er ist. Sonst entsteht er aus der
// Vorlage: erst vollstaendig unter einem Zwischennamen daneben, dann umbenannt; bei jedem
// Fehler bleibt nichts zurueck. Ein fehlender Elternordner (nicht eingehaengte Freigabe) wird
// nie angelegt, ein Ordner mit fremden Dateien nie befuellt.
BasisErgebnis basisordnerEinrichten(const QString &vorlage, const QString &ordner);

#pragma once
// Bilder eines Multiple-Choice-Tests: eine JPEG-Datei je Bild im Ordner "Bilder" des Testordners,
// benannt NN-d + " " + Name (NN Fragenummer zweistellig, d Bildziffer der Antwort). Gefunden wird
// die erste Datei zum Muster NN-d*.jpg. Ein Platz gehoert zur Antwortstelle a-d, nicht zur Ziffer.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Rueckfragen;

inline constexpr int kBilderFragen = 80;

// Bildziffer einer Antwortzeile beim Laden: erstes Leerzeichen an Stelle 5 -> Stelle 6, an
// Stelle 4 -> Stelle 5; sonst kein Zeichen (0).
QChar bildzifferBeimLaden(const QString &zeile);

// Index der Fragezeile "n)" ab Zeile ab, -1 wenn keine mehr.
int fragezeileSuchen(const QStringList &zeilen, int n, int ab);

// Die Dateien der Bilder einer Frage (Plaetze a-d), leer wo keine da ist.
using BildDateien = std::array<QString, 4>;
// Zu den Fragen 1..80 in der Reihenfolge der Zeilen; eine fehlende Frage beendet die Suche.
std::array<BildDateien, kBilderFragen + 1> bilderSuchen(const QStringList &zeilen,
                                                        const QString &bilderOrdner);
BildDateien bilderDerFrage(const QStringList &zeilen, int fragezeile, const QString &bilderOrdner);
QString bildMuster(int frage, QChar ziffer);

// Liest ein Bild; nullopt bei einer Datei, die kein lesbares Bild ist.
std::optional<QImage> bildLesen(const QString &pfad);
QString bildFehlerMeldung(const QString &datei);

// Der Bildspeicher des Editors: je Frage und Platz ein dekodiertes Bild.
class Bildspeicher
{
public:
    struct Platz
    {
        bool geladen = false;
        QImage bild;
        QString datei;
    };

    // Laedt alle Bilder; jede nicht lesbare Datei wird einmal gemeldet. Ergebnis: Zahl der
    // Fehlschlaege.
    int allesLaden(const QStringList &zeilen, const QString &bilderOrdner, Rueckfragen &r);
    // Laedt die Bilder der Frage in fragezeile neu; Plaetze ohne Datei behalten ihr Bild.
    int frageNeuLaden(const QStringList &zeilen, int fragezeile, const QString &bilderOrdner,
                      Rueckfragen &r);
    void frageLeeren(int frage);
    void setze(int frage, int platz, const QImage &bild, const QString &datei);
    void bilder_loeschen_und_bildspeicher_freigeben();

    const Platz &platz(int frage, int p) const;
    bool frageHatBilder(int frage) const;
    bool bilderGeladen() const { return geladen; }

private:
    int laden(int frage, const BildDateien &dateien, Rueckfragen &r);
    std::array<std::array<Platz, 4>, kBilderFragen + 1> plaetze{};
    bool geladen = false;
};

// Bild laden (F5): schreibt die gewaehlte Datei als JPEG NN-d + " " + Name + ".jpg" in den
// Bilder-Ordner. Ein vorhandenes Bild dieses Platzes (jeder Name) wird nur nach Rueckfrage
// ersetzt und dann entfernt. Ergebnis: das geschriebene Bild; nullopt nach Meldung oder Nein.
struct EingefuegtesBild
{
    QImage bild;
    QString datei;
};
std::optional<EingefuegtesBild> bildEinfuegen(const QString &quelle, const QString &bilderOrdner,
                                              int frage, QChar ziffer, Rueckfragen &r);
inline const QString kBildnummerFehlt =
    QStringLiteral("In dieser Zeile fehlt eine Bildnummer, z. B.:  \"     a) 4 Die Erdkugel\"\n\r"
                   "(Buchstabe, Klammer, Leerzeichen, Bildnummer, sonstiger Antworttext)");

// Lage der vier Bildrahmen und ihrer Beschriftungen im Hauptfenster (Breite wf, Hoehe hf) bei
// Bildschirmhoehe hs. Gerundet wird zur naechsten ganzen Zahl, Haelften zur geraden.
struct Bildgeometrie
{
    int links = 0, rechts = 0, hoehe = 0, panelLinks = 0;
    std::array<int, 4> oben{};
    std::array<int, 4> beschriftungOben{};
    QRect rahmen(int p) const { return QRect(links, oben[p], rechts - links, hoehe); }
};
Bildgeometrie bildgeometrie(int wf, int hf, int hs);

#include "classdata/klassendatei.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kDatenAnfang = 18880;
constexpr qsizetype kErlaeuterungenAnfang = 20266;
constexpr qsizetype kGewichteAnfang = 27952;
constexpr qsizetype kNotenartenAnfang = 27964;
constexpr qsizetype kNotenartGroesse = 74;

constexpr qsizetype notenOffset(int art, int slot)
{
    return 51 + 63 * (art - 1) + 3 * slot;
}

class Leser
{
public:
    explicit Leser(QByteArrayView b)
        : bytes(b)
        , paare(ansiPaartafel())
    {}

    QString text(qsizetype offset, int n) const
    {
        const int laenge = std::min<int>(byte(offset), n);
        if (laenge > 2) {
            return ansiDekodieren(bytes.sliced(offset + 1, laenge));
        }
        // Die 4200 Notenfelder und fast alle leeren Felder: ohne Speicheranforderung und ohne
        // Aufruf, ein Zeiger in die Tafel der Bytepaare. Beide Bytes ohne Verzweigung nach der
        // Laenge (Noten wechseln zwischen leer, einem und zwei Zeichen); der Text zeigt nur
        // seine ersten laenge Zeichen.
        const unsigned paar = unsigned(byte(offset + 1)) << 8 |
                              byte(std::min<qsizetype>(offset + 2, bytes.size() - 1));
        return QString(QStringPrivate::fromRawData(paare + 2 * paar, laenge));
    }
    qint16 int16(qsizetype offset) const
    {
        return qFromLittleEndian<qint16>(bytes.data() + offset);
    }
    quint8 byte(qsizetype offset) const { return static_cast<quint8>(bytes[offset]); }

private:
    QByteArrayView bytes;
    const char16_t *paare;
};

class Schreiber
{
public:
    Schreiber()
        : bytes(kKlassenDateiGroesse, '\0')
    {}

    bool text(qsizetype offset, int n, const QString &t)
    {
        const QStringView kurz = QStringView(t).left(n);
        if (!ansiKodierenNach(kurz, ziel + offset + 1, &fremd)) {
            ok = false;
            return false;
        }
        ziel[offset] = static_cast<char>(kurz.size());
        return true;
    }
    void int16(qsizetype offset, qint16 wert) { qToLittleEndian(wert, ziel + offset); }
    void byte(qsizetype offset, quint8 wert) { ziel[offset] = static_cast<char>(wert); }

    QByteArray bytes;
    char *ziel = bytes.data(); // bytes wird nie umgelegt
    QString fremd;
    bool ok = true;
};

bool istNotentext(const QString &note)
{
    // Zeichenweise: der Vergleich ganzer Texte kostete bei 4200 Feldern je Laden spuerbar.
    switch (note.size()) {
    case 0:
        return true;
    case 1:
        return note[0] == u'/' || (note[0] >= u'1' && note[0] <= u'6');
    case 2:
        return (note[0] == u'G' && note[1] == u'F') ||
               (note[0] >= u'1' && note[0] <= u'6' && (note[1] == u'+' || note[1] == u'-'));
    default:
        return false;
    }
}

} // namespace

QString unplausiblesFeld(const Klasse &k)
{
    // Gewichte schreibt das Programm nur, wenn alle zusammen 100 ergeben.
    for (int art = 1; art <= kNotenarten; ++art) {
        if (k.gewicht(art) < 0 || k.gewicht(art) > 100) {
            return u"Gewicht der Notenart %1: %2"_s.arg(art).arg(k.gewicht(art));
        }
    }
    // Ein einzelnes gekipptes Byte soll eine Klasse nicht unzugaenglich machen; eine fremde Datei
    // hat in ihren 4200 Notenfeldern Hunderte, die keine Noten sind.
    int fremd = 0;
    QString erste;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot < kSlotsJeArt; ++slot) {
                const QString &note = k.schueler(nr).note(art, slot);
                if (istNotentext(note)) {
                    continue;
                }
                if (fremd++ == 0) {
                    erste = u"Schüler %1, Notenart %2, Slot %3: \"%4\""_s.arg(nr)
                                .arg(art)
                                .arg(slot)
                                .arg(note);
                }
            }
        }
    }
    if (fremd > kHoechstensFremdeNoten) {
        return u"%1 Notenfelder ohne Note, zuerst %2"_s.arg(fremd).arg(erste);
    }
    return {};
}

namespace {

// Setzt jedes Feld von k aus genau kKlassenDateiGroesse Bytes.
void klasseFuellen(QByteArrayView bytes, Klasse &k)
{
    const Leser l(bytes);
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        const qsizetype o = (nr - 1) * kSchuelerGroesse;
        Schueler &s = k.schueler(nr);
        s.klasse = l.text(o, kLaengeKlasse);
        s.nachname = l.text(o + 9, kLaengeName);
        s.vorname = l.text(o + 30, kLaengeName);
        for (int slot = 0; slot < kSlotsJeArt; ++slot) {
            s.note(0, slot) = QString(); // Art 0 steht nicht in der Datei
        }
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot < kSlotsJeArt; ++slot) {
                s.note(art, slot) = l.text(o + notenOffset(art, slot), kLaengeNote);
            }
        }
        s.reserviert = l.int16(o + 366);
        s.zusatz = l.text(o + 368, kLaengeZusatz);
        s.geschlecht = l.text(o + 469, kLaengeGeschlecht);
        s.reserviertByte = l.byte(o + 471);
    }
    for (int slot = 0; slot < kSlotsJeArt; ++slot) {
        for (int art = 0; art <= kNotenarten; ++art) {
            k.datum(art, slot) = l.text(kDatenAnfang + slot * 66 + art * 11, kLaengeDatum);
            k.erlaeuterung(art, slot) =
                l.text(kErlaeuterungenAnfang + slot * 366 + art * 61, kLaengeErlaeuterung);
        }
    }
    for (int art = 0; art <= kNotenarten; ++art) {
        k.gewicht(art) = l.int16(kGewichteAnfang + 2 * art);
        const qsizetype o = kNotenartenAnfang + kNotenartGroesse * art;
        Notenart &n = k.notenart(art);
        n.langname = l.text(o, kLaengeLangname);
        n.kurzform = l.text(o + 61, kLaengeKurzform);
        n.taste = ansiDekodieren(bytes.sliced(o + 73, 1)).at(0);
    }
}

} // namespace

bool klassenBytesPlausibel(QByteArrayView bytes)
{
    if (bytes.size() < kKlassenDateiGroesse) {
        return false;
    }
    const Leser l(bytes.first(kKlassenDateiGroesse));
    for (int art = 1; art <= kNotenarten; ++art) {
        const qint16 g = l.int16(kGewichteAnfang + 2 * art);
        if (g < 0 || g > 100) {
            return false;
        }
    }
    // Die Zeichen einer Note sind ASCII: Byte und dekodiertes Zeichen stimmen ueberein.
    // Ein Bit je (Laengenklasse, erstes Byte, zweites Byte): ob das Feld eine Note ist. Klasse 0
    // ist die leere Note, 1 ein Zeichen, 2 zwei (ein Laengenbyte ueber 2 wird auf 2 begrenzt).
    // Ohne Verzweigung je Feld: die 4200 Notenfelder kosteten sonst spuerbar.
    static const auto tafeln = [] {
        struct
        {
            std::array<quint8, 256> laengenKlasse{};
            std::array<quint64, 3 * 65536 / 64> bits{};
        } t;
        const auto setze = [&t](unsigned klasse, unsigned a, unsigned b) {
            const unsigned k = klasse << 16 | a << 8 | b;
            t.bits[k / 64] |= quint64(1) << (k % 64);
        };
        for (unsigned laenge = 0; laenge < 256; ++laenge) {
            t.laengenKlasse[laenge] = quint8(std::min<unsigned>(laenge, kLaengeNote));
        }
        for (unsigned a = 0; a < 256; ++a) {
            for (unsigned b = 0; b < 256; ++b) {
                setze(0, a, b);
            }
        }
        for (unsigned b = 0; b < 256; ++b) {
            setze(1, '/', b);
            for (unsigned a = '1'; a <= '6'; ++a) {
                setze(1, a, b);
            }
        }
        for (unsigned a = '1'; a <= '6'; ++a) {
            setze(2, a, '+');
            setze(2, a, '-');
        }
        setze(2, 'G', 'F');
        return t;
    }();
    int fremd = 0;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        // Die Noten eines Schuelers liegen als 5 x 21 Felder zu 3 Bytes lueckenlos hintereinander.
        static_assert(notenOffset(kNotenarten, kSlotsJeArt - 1) ==
                      notenOffset(1, 0) + 3 * (kNotenarten * kSlotsJeArt - 1));
        const qsizetype anfang = (nr - 1) * kSchuelerGroesse + notenOffset(1, 0);
        int noten = 0;
        for (int i = 0; i < kNotenarten * kSlotsJeArt; ++i) {
            const qsizetype o = anfang + 3 * i;
            const unsigned k = unsigned(tafeln.laengenKlasse[l.byte(o)]) << 16 |
                               unsigned(l.byte(o + 1)) << 8 | l.byte(o + 2);
            noten += int((tafeln.bits[k / 64] >> (k % 64)) & 1);
        }
        fremd += kNotenarten * kSlotsJeArt - noten;
        if (fremd > kHoechstensFremdeNoten) {
            return false;
        }
    }
    return true;
}

std::optional<Klasse> klasseAusBytes(QByteArrayView bytes)
{
    if (bytes.size() < kKlassenDateiGroesse) {
        return std::nullopt;
    }
    // An Ort und Stelle: jedes Verschieben einer Klasse bewegt ueber 5000 Texte.
    std::optional<Klasse> ergebnis(std::in_place);
    klasseFuellen(bytes.first(kKlassenDateiGroesse), *ergebnis);
    return ergebnis;
}

std::optional<QByteArray> klasseAlsBytes(const Klasse &k, QString *fremd)
{
    Schreiber w;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        const qsizetype o = (nr - 1) * kSchuelerGroesse;
        const Schueler &s = k.schueler(nr);
        w.text(o, kLaengeKlasse, s.klasse);
        w.text(o + 9, kLaengeName, s.nachname);
        w.text(o + 30, kLaengeName, s.vorname);
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot < kSlotsJeArt; ++slot) {
                w.text(o + notenOffset(art, slot), kLaengeNote, s.note(art, slot));
            }
        }
        w.int16(o + 366, s.reserviert);
        w.text(o + 368, kLaengeZusatz, s.zusatz);
        w.text(o + 469, kLaengeGeschlecht, s.geschlecht);
        w.byte(o + 471, s.reserviertByte);
    }
    for (int slot = 0; slot < kSlotsJeArt; ++slot) {
        for (int art = 0; art <= kNotenarten; ++art) {
            w.text(kDatenAnfang + slot * 66 + art * 11, kLaengeDatum, k.datum(art, slot));
            w.text(kErlaeuterungenAnfang + slot * 366 + art * 61, kLaengeErlaeuterung,
                   k.erlaeuterung(art, slot));
        }
    }
    for (int art = 0; art <= kNotenarten; ++art) {
        w.int16(kGewichteAnfang + 2 * art, k.gewicht(art));
        const qsizetype o = kNotenartenAnfang + kNotenartGroesse * art;
        const Notenart &n = k.notenart(art);
        w.text(o, kLaengeLangname, n.langname);
        w.text(o + 61, kLaengeKurzform, n.kurzform);
        const auto taste = ansiKodieren(QStringView(&n.taste, 1), &w.fremd);
        if (!taste) {
            w.ok = false;
        } else {
            w.byte(o + 73, static_cast<quint8>(taste->at(0)));
        }
    }
    if (!w.ok) {
        if (fremd) {
            *fremd = w.fremd;
        }
        return std::nullopt;
    }
    return w.bytes;
}

bool klassenlisteLesen(const QString &pfad, Klasse &klasse, Rueckfragen &r)
{
    const auto fehler = [&] {
        r.fehler(u"Die Datei "_s + pfad + u"  kann nicht gelesen werden!"_s);
        return false;
    };
    // Ein Ordner laesst sich nicht als Datei oeffnen; ungepuffert: der Datensatz wird in einem
    // Stueck gelesen.
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return fehler();
    }
    // Nur der erste Datensatz zaehlt; mehr wird nie gelesen.
    std::array<char, kKlassenDateiGroesse> puffer;
    const qint64 gelesen = datei.read(puffer.data(), kKlassenDateiGroesse);
    if (gelesen < 0 || datei.error() != QFileDevice::NoError) {
        return fehler();
    }
    const QByteArrayView bytes(puffer.data(), gelesen);
    // Erst pruefen, dann unmittelbar in klasse zerlegen: keine zweite Klasse anlegen und
    // verschieben (ueber 5000 Texte).
    if (!klassenBytesPlausibel(bytes)) {
        return fehler();
    }
    klasseFuellen(bytes, klasse);
    return true;
}

bool klassenlisteSchreiben(const QString &pfad, const Klasse &klasse, Rueckfragen &r)
{
    QString fremd;
    const auto bytes = klasseAlsBytes(klasse, &fremd);
    if (!bytes) {
        r.fehler(u"Die Datei "_s + pfad + u"  kann nicht geschrieben werden!"_s + u"\r\n"_s +
                 u"Das Zeichen \""_s + fremd +
                 u"\" lässt sich in der Klassendatei nicht speichern."_s);
        return false;
    }
    if (!atomarSchreiben(pfad, *bytes).ok()) {
        r.fehler(u"Die Datei "_s + pfad + u"  kann nicht geschrieben werden!"_s);
        return false;
    }
    return true;
}

bool klasseLadenAusDatei(const QString &pfad, Klasse &klasse, Rueckfragen &r)
{
    if (!klassenlisteLesen(pfad, klasse, r)) {
        return false;
    }
    standardNotenartenEinsetzen(klasse);
    return true;
}

bool klasseInSchuljahrSpeichern(const QString &basisOrdner, const QString &schuljahr,
                                const QString &klassenname, const Klasse &klasse, Rueckfragen &r)
{
    const QString ordner = schuljahrOrdner(basisOrdner, schuljahr);
    const QString pfad = ordner + klassenname + u".DTA"_s;
    if (!ordnerAnlegen(ordner)) {
        r.fehler(u"Die Datei "_s + pfad + u"  kann nicht geschrieben werden!"_s);
        return false;
    }
    return klassenlisteSchreiben(pfad, klasse, r);
}

QString klassenKuerzel(const QString &dateiname)
{
    const QString name = QFileInfo(dateiname).fileName();
    if (name.size() < 3) {
        return {};
    }
    return name.mid(2, name[2] == u'1' ? 3 : 2);
}

QString klassennameAusEintrag(const QString &eintrag)
{
    return eintrag.size() > 4 ? eintrag.chopped(4) : QString();
}

void klassenlisteSortieren(QStringList &eintraege)
{
    // Einstellige Jahrgaenge bekommen voruebergehend ein Leerzeichen nach dem 2. Zeichen.
    for (QString &e : eintraege) {
        if (e.size() >= 2 && (e.size() < 3 || e[2] != u'1')) {
            e.insert(2, u' ');
        }
    }
    std::stable_sort(eintraege.begin(), eintraege.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (QString &e : eintraege) {
        if (e.size() >= 3 && e[2] == u' ') {
            e.remove(2, 1);
        }
    }
}

QStringList klassenDateienAuflisten(const QString &ordner)
{
    QStringList eintraege;
    for (const QString &name : dateienNachMuster(ordner, u"*.DTA"_s)) {
        if (name.toUpper().contains(u"DTA"_s)) {
            eintraege.append(name);
        }
    }
    klassenlisteSortieren(eintraege);
    return eintraege;
}

QStringList klassenwahl(const QString &basisOrdner, const QString &schuljahr,
                        const QString &aktuellesSchuljahr, Rueckfragen &r)
{
    const QStringList eintraege = klassenDateienAuflisten(schuljahrOrdner(basisOrdner, schuljahr));
    if (!eintraege.isEmpty()) {
        return eintraege;
    }
    if (schuljahr == aktuellesSchuljahr) {
        r.information(
            u"Der Klassenordner für das aktuelle Schuljahr 2016-17 ist leer oder wurde gar nicht "_s
            u"gefunden. Dieser sollte aber zumindest einige Beispielklassen enthalten. "_s
            u"\r\n\r\n"_s
            u"Falls Sie das Programm neu installiert haben, so rufen Sie über das Hauptmenü  "_s
            u"(Optionen >) die '2. Konfiguration für Testfunktionen' auf. Danach finden Sie einige "_s
            u"Beispielklassen in dem dadurch neu erstellten aktuellen Schuljahresordner."_s
            u"\r\n\r\n"_s
            u"Alternativ dazu können Sie auch mit dem Schnell-Button oben eine neue Klasse eröffnen, "_s
            u"wodurch ebenfalls ein aktueller Schuljahresordner erstellt wird."_s);
    }
    return {kKeineKlassen};
}

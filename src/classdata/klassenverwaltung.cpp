#include "classdata/klassenverwaltung.h"

#include "classdata/klassendatei.h"
#include "classdata/klassensicherung.h"
#include "classdata/namenszeichen.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kZeilenumbruch = u"\r\n"_s;

bool istAsciiBuchstabe(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString ersterGross(QString text)
{
    if (!text.isEmpty() && text[0] >= u'a' && text[0] <= u'z') {
        text[0] = QChar(text[0].unicode() - u'a' + u'A');
    }
    return text;
}

// Die Klassendatei des Namens im Ordner, ohne Ruecksicht auf Gross-/Kleinschreibung; leer, wenn
// keine.
QString vorhandeneKlassendatei(const QString &ordner, const QString &name)
{
    const QStringList treffer = dateienNachMuster(ordner, name + u".DTA"_s);
    return treffer.isEmpty() ? QString() : ordner + treffer.first();
}

// Tabellenprogramme speichern heute oft UTF-8 ("CSV UTF-8"); als ANSI gelesen wuerde aus "Müller"
// "MÃ¼ller". Gueltiges UTF-8 mit Zeichen ausserhalb von ASCII ist fast nie ANSI-Text.
QString importText(const QByteArray &bytes)
{
    QByteArrayView rest(bytes);
    const bool bom = rest.startsWith("\xEF\xBB\xBF");
    if (bom) {
        rest = rest.sliced(3);
    }
    const bool nurAscii = std::all_of(rest.begin(), rest.end(),
                                      [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (bom || !nurAscii) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(rest);
        if (!utf8.hasError()) {
            return text;
        }
    }
    return ansiDekodieren(bytes);
}

void unvollstaendig(Rueckfragen &r)
{
    r.warnung(u"Die Angaben (Vorname, Nachname oder Geschlecht) sind nicht vollständig!"_s);
}

} // namespace

QString klassenName(const KlassenWahl &wahl)
{
    if (wahl.istKurs()) {
        return u"K-"_s + wahl.jahrgang + u'-' + wahl.buchstabe + wahl.fach;
    }
    return u"L-"_s + wahl.jahrgang + wahl.buchstabe + u'-' + wahl.fach;
}

WahlFehler klassenDatenOK(const KlassenWahl &wahl, Rueckfragen &r)
{
    // Das Fach wird Teil des Dateinamens: nur Buchstaben, sonst gilt es als nicht gewaehlt.
    bool fachOk = !wahl.fach.isEmpty() && wahl.fach.size() <= 2;
    for (QChar c : wahl.fach) {
        fachOk = fachOk && istAsciiBuchstabe(c);
    }
    const bool buchstabeOk =
        wahl.buchstabe.size() == 1 && (istAsciiBuchstabe(wahl.buchstabe[0]) ||
                                       (wahl.buchstabe[0] >= u'1' && wahl.buchstabe[0] <= u'9'));
    if (!fachOk) {
        r.warnung(u"Es fehlt die Angabe eines Fachbuchstabens."_s);
    }
    if (!buchstabeOk) {
        r.warnung(u"Es fehlt die Angabe eines Klassen-/Kursbuchstabens."_s);
    }
    bool zahl = false;
    const int jahrgang = wahl.jahrgang.toInt(&zahl);
    if (wahl.art.isEmpty() || wahl.art[0] < u'K' || wahl.art[0] > u'L') {
        return WahlFehler::Art;
    }
    if (!zahl || jahrgang < 3 || jahrgang > 13) {
        return WahlFehler::Jahrgang;
    }
    if (!buchstabeOk) {
        return WahlFehler::Buchstabe;
    }
    return fachOk ? WahlFehler::Keiner : WahlFehler::Fach;
}

QString loescheAlleZeichenAusser_normaleBuchstaben_und_semikolon(const QString &text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (QChar c : text) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() - u'A' + u'a');
        }
        if ((c >= u'a' && c <= u'z') || c == u'ß' || c == u'ä' || c == u'ö' || c == u'ü' ||
            c == u';') {
            ergebnis.append(c);
        }
    }
    return ersterGross(ergebnis);
}

QString nameNormalisieren(const QString &name)
{
    return loescheAlleZeichenAusser_normaleBuchstaben_und_semikolon(buchstabenVereinfachen(name))
        .left(kLaengeName);
}

QString umlauteErsetzen(const QString &text)
{
    // Die Bytes der Codeseite 850 erscheinen nach dem Einlesen als ANSI-Zeichen derselben Bytes:
    // 8E Ž, 99 ™, 9A š, 84 „, 94 ”, 81 (U+0081), E1 á.
    struct Ersatz
    {
        char16_t zeichen;
        const char16_t *durch;
    };
    static constexpr Ersatz tabelle[] = {
        {u'Ä', u"Ae"},      {u'Ö', u"Oe"},      {u'Ü', u"Ue"},      {u'ä', u"ae"},
        {u'ö', u"oe"},      {u'ü', u"ue"},      {u'ß', u"ss"},      {u'\u017D', u"Ae"},
        {u'\u2122', u"Oe"}, {u'\u0161', u"Ue"}, {u'\u201E', u"ae"}, {u'\u201D', u"oe"},
        {u'\u0081', u"ue"}, {u'\u00E1', u"ss"},
    };
    QString ergebnis;
    ergebnis.reserve(text.size() + 8);
    for (QChar c : text) {
        const char16_t *ersatz = nullptr;
        for (const Ersatz &e : tabelle) {
            if (c.unicode() == e.zeichen) {
                ersatz = e.durch;
                break;
            }
        }
        if (ersatz) {
            ergebnis.append(QStringView(ersatz));
        } else {
            ergebnis.append(c);
        }
    }
    return ergebnis.left(kLaengeName);
}

std::optional<NamensZeile> importZeileZerlegen(const QString &zeile)
{
    // Erst Umlaute und Akzente ersetzen, dann alles ausser Buchstaben streichen: umgekehrt fielen
    // grosse Umlaute und Buchstaben mit Akzent ganz weg ("ÖZTÜRK" wuerde "Ztrk").
    const QString n =
        loescheAlleZeichenAusser_normaleBuchstaben_und_semikolon(buchstabenVereinfachen(zeile));
    if (n.isEmpty()) {
        return std::nullopt;
    }
    NamensZeile z;
    const qsizetype p1 = n.indexOf(u';');
    z.nachname = (p1 < 0 ? n : n.left(p1)).left(kLaengeName);
    if (p1 >= 0) {
        // Der Vorname wird nur in den ersten 40 Zeichen der Zeile gesucht.
        const QString bis40 = n.left(40);
        QString vorname = bis40.mid(p1 + 1);
        const qsizetype ende = vorname.indexOf(u';');
        if (ende >= 0) {
            vorname.truncate(ende);
        }
        z.vorname = vorname.left(kLaengeName);
        const qsizetype p2 = n.indexOf(u';', p1 + 1);
        if (p2 >= 0) {
            if (p2 + 1 < n.size() && (n[p2 + 1] == u'm' || n[p2 + 1] == u'w')) {
                z.geschlecht = n[p2 + 1];
            }
            if (p2 + 3 < n.size() && n[p2 + 3] >= u'a' && n[p2 + 3] <= u'z') {
                z.klasse = n[p2 + 3];
            }
        }
    }
    z.vorname = ersterGross(z.vorname);
    // Eine Zeile ohne Namen (etwa ";;;" fuer eine leere Tabellenzeile) ist kein Schueler:
    // als leere Zeile im Gitter schnitte sie alle folgenden Schueler ab.
    if (z.vorname.isEmpty() && z.nachname.isEmpty()) {
        return std::nullopt;
    }
    return z;
}

QString importZeilenZeichenFehler(const QString &zeile)
{
    // Nur die beiden Namensfelder; was die Vereinfachung nicht auf Buchstaben bringt, ginge beim
    // Streichen verloren und verstuemmelte den Namen.
    const QStringList felder = zeile.split(u';');
    for (qsizetype i = 0; i < std::min<qsizetype>(felder.size(), 2); ++i) {
        const QString meldung = namenszeichenFehler(buchstabenVereinfachen(felder[i].trimmed()));
        if (!meldung.isEmpty()) {
            return meldung;
        }
    }
    return {};
}

std::optional<QList<NamensZeile>> importZeilenAusText(const QStringList &zeilen, int *anzahl,
                                                      QString *zeichenFehler)
{
    QList<NamensZeile> ergebnis;
    int zahl = 0;
    for (const QString &zeile : zeilen) {
        if (const QString fehler = importZeilenZeichenFehler(zeile); !fehler.isEmpty()) {
            if (zeichenFehler) {
                *zeichenFehler = fehler;
            }
            return std::nullopt;
        }
        if (auto z = importZeileZerlegen(zeile)) {
            ++zahl;
            if (ergebnis.size() < kMaxSchueler) {
                ergebnis.append(std::move(*z));
            }
        }
    }
    if (anzahl) {
        *anzahl = zahl;
    }
    if (zahl > kMaxSchueler) {
        return std::nullopt;
    }
    return ergebnis;
}

std::optional<QList<NamensZeile>> importdateiLesen(const QString &pfad, Rueckfragen &r)
{
    const BytesErgebnis gelesen = bytesLesen(pfad);
    if (!gelesen.ok() || gelesen.bytes.contains('\0')) {
        r.fehler(u"Fehler beim Lesen der Importdatei \""_s + pfad + u"\"!"_s);
        return std::nullopt;
    }
    const QStringList zeilen = zeilenAufteilen(importText(gelesen.bytes));
    int anzahl = 0;
    QString zeichenFehler;
    auto schueler = importZeilenAusText(zeilen, &anzahl, &zeichenFehler);
    if (!zeichenFehler.isEmpty()) {
        r.warnung(u"Die Importdatei \""_s + pfad + u"\" kann nicht übernommen werden:"_s +
                  kZeilenumbruch + zeichenFehler + kZeilenumbruch +
                  u"Der Import wurde nicht ausgeführt."_s);
    } else if (!schueler) {
        r.warnung(u"Die Importdatei \""_s + pfad + u"\" enthält "_s + QString::number(anzahl) +
                  u" Schülerzeilen."_s + kZeilenumbruch +
                  u"Eine Klasse oder ein Kurs kann höchstens 40 Schüler aufnehmen."_s +
                  kZeilenumbruch + u"Der Import wurde nicht ausgeführt."_s);
    }
    return schueler;
}

std::optional<QList<NamensZeile>> klasseImportieren(const KlassenWahl &wahl,
                                                    const QString &schuljahrOrdner, Rueckfragen &r)
{
    if (klassenDatenOK(wahl, r) != WahlFehler::Keiner) {
        r.piep();
        return std::nullopt;
    }
    const QString vorhanden = vorhandeneKlassendatei(schuljahrOrdner, klassenName(wahl));
    if (!vorhanden.isEmpty()) {
        const auto antwort =
            r.frage(Rueckfragen::Art::Warnung,
                    u"Achtung!  Es droht der Verlust wichtiger Daten!"_s + kZeilenumbruch +
                        u"Eine Datei  \""_s + vorhanden + u"\"  existiert bereits!"_s +
                        kZeilenumbruch + u"Soll diese vor der Neueröffnung gelöscht werden?"_s,
                    Rueckfragen::Knoepfe::JaNeinAbbrechen);
        if (antwort != Rueckfragen::Knopf::Ja) {
            return std::nullopt;
        }
        if (!dateiLoeschen(vorhanden)) {
            r.fehler(u"Die Datei "_s + vorhanden + u" konnte nicht gelöscht werden!"_s);
            return std::nullopt;
        }
        r.information(u"Die Datei "_s + vorhanden +
                      u" wurde gelöscht. Sie können jetzt mit der Eröffnung der "_s
                      u"gleichnamigen neuen Klassen/Kursgruppe fort fahren."_s);
    }
    const QString pfad =
        r.dateiZumOeffnen(u"Schülernamen importieren"_s, schuljahrOrdner,
                          u"Dateien mit Schuelernamen (*.csv und *.txt) (*.txt *.csv)"_s);
    if (pfad.isEmpty()) {
        return std::nullopt;
    }
    return importdateiLesen(pfad, r);
}

bool klasseNeuMitEingabeMoeglich(const KlassenWahl &wahl, const QString &schuljahrOrdner,
                                 Rueckfragen &r)
{
    if (klassenDatenOK(wahl, r) != WahlFehler::Keiner) {
        r.piep();
        return false;
    }
    if (!vorhandeneKlassendatei(schuljahrOrdner, klassenName(wahl)).isEmpty()) {
        r.warnung(u"Eine Datei mit diesem Namen existiert bereits!"_s);
        return false;
    }
    return true;
}

bool eingabeNameVorhanden(const QList<NamensZeile> &zeilen, Rueckfragen &r)
{
    // Verglichen wird, was gespeichert wuerde: "Zoë" und "Zoe" werden beide "Zoe".
    QList<QString> gespeichert;
    for (const NamensZeile &z : zeilen) {
        gespeichert.append(nameNormalisieren(z.vorname) + u';' + nameNormalisieren(z.nachname));
    }
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const NamensZeile &a = zeilen[i];
        if (a.vorname.isEmpty() || a.nachname.isEmpty()) {
            continue;
        }
        for (qsizetype j = i + 1; j < zeilen.size(); ++j) {
            if (gespeichert[j] == gespeichert[i]) {
                r.warnung(u"Der Name "_s + a.nachname + u" ist doppelt vorhanden!"_s +
                          kZeilenumbruch + u"Der Import sollte zunächst abgebrochen werden."_s +
                          kZeilenumbruch +
                          u"Dann sollte die Dopplung aus der Quelldatei gelöscht"_s +
                          kZeilenumbruch + u"und erst danach der Import durch geführt werden."_s);
                return true;
            }
        }
    }
    return false;
}

std::optional<Klasse> klasseAusNamenszeilen(const KlassenWahl &wahl,
                                            const QList<NamensZeile> &zeilen, Rueckfragen &r)
{
    if (klassenDatenOK(wahl, r) != WahlFehler::Keiner) {
        r.piep();
        return std::nullopt;
    }
    if (eingabeNameVorhanden(zeilen, r)) {
        return std::nullopt;
    }
    const int zeilenZahl = static_cast<int>(std::min<qsizetype>(zeilen.size(), kMaxSchueler));
    int groesse = 0;
    while (groesse < zeilenZahl && !zeilen[groesse].vorname.isEmpty() &&
           !zeilen[groesse].nachname.isEmpty()) {
        ++groesse;
    }
    // Namen hinter einer unvollstaendigen Zeile gingen sonst stillschweigend verloren.
    for (qsizetype i = groesse; i < zeilen.size(); ++i) {
        if (!zeilen[i].vorname.isEmpty() || !zeilen[i].nachname.isEmpty()) {
            unvollstaendig(r);
            return std::nullopt;
        }
    }
    Klasse k;
    for (int i = 0; i < groesse; ++i) {
        const NamensZeile &z = zeilen[i];
        if (z.geschlecht.isEmpty()) {
            unvollstaendig(r);
            return std::nullopt;
        }
        if (!z.geschlecht.startsWith(u'm') && !z.geschlecht.startsWith(u'w')) {
            r.warnung(u"Für die Angabe des Geschlechts ist nur \"m\" oder \"w\" vorgesehen!"_s);
            return std::nullopt;
        }
        Schueler &s = k.schueler(i + 1);
        s.vorname = nameNormalisieren(z.vorname);
        s.nachname = nameNormalisieren(z.nachname);
        s.geschlecht = z.geschlecht.left(1);
        if (wahl.istKurs()) {
            s.klasse = z.klasse.left(kLaengeKlasse);
        }
    }
    standardNotenartenEinsetzen(k);
    return k;
}

bool nameVorhanden(const Klasse &klasse, int nr, const QString &vorname, const QString &nachname,
                   bool neuerSchueler, Rueckfragen &r)
{
    const int groesse = klassenGroesse(klasse);
    for (int i = 1; i <= groesse; ++i) {
        if (!neuerSchueler && i == nr) {
            continue;
        }
        const Schueler &s = klasse.schueler(i);
        if (s.vorname == vorname && s.nachname == nachname) {
            r.warnung(u"Dieser Name ist schon vorhanden!"_s);
            return true;
        }
    }
    return false;
}

void schDatenNachSuk(Klasse &klasse, int nr, const SchuelerFelder &felder)
{
    Schueler &s = klasse.schueler(nr);
    s.vorname = felder.vorname.left(kLaengeName);
    s.nachname = felder.nachname.left(kLaengeName);
    s.klasse = felder.klasse.left(kLaengeKlasse);
    s.zusatz = felder.zusatz.left(kLaengeZusatz);
    if (!felder.geschlecht.isEmpty()) {
        s.geschlecht = felder.geschlecht.left(1);
    }
}

QString sortierSchluessel(const Schueler &s, const SortierOptionen &o)
{
    const QString &feld = o.vornamenSortierung ? s.vorname : s.nachname;
    const QString &zweites = o.vornamenSortierung ? s.nachname : s.vorname;
    if (feld.isEmpty() && zweites.isEmpty()) {
        return u"Z Z"_s;
    }
    QString praefix;
    if (o.jungenMaedchen == 0) {
        praefix = s.geschlecht == u"m"_s ? u"A"_s : u"B"_s;
    } else if (o.jungenMaedchen == 1) {
        praefix = s.geschlecht != u"m"_s ? u"A"_s : u"B"_s;
    }
    if (o.kursSortierung) {
        praefix.prepend(s.klasse.isEmpty() ? u"x"_s : s.klasse.left(1));
    }
    return (praefix + feld + u' ' + zweites).left(41);
}

void sortiereSchuelerliste(Klasse &klasse, const SortierOptionen &optionen)
{
    const int n = klassenGroesse(klasse);
    if (n < 2) {
        return;
    }
    // Bytegenauer Vergleich in der Kodierung der Datei. Die Namen bleiben im Datensatz, sie werden
    // nicht aus dem (auf 41 Zeichen gekuerzten) Schluessel zurueckgewonnen.
    QList<QByteArray> schluessel(n + 1);
    for (int i = 1; i <= n; ++i) {
        const QString s = sortierSchluessel(klasse.schueler(i), optionen);
        schluessel[i] = ansiKodieren(s).value_or(s.toUtf8());
    }
    for (int i = 1; i < n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (schluessel[j] < schluessel[i]) {
                std::swap(klasse.schueler(i), klasse.schueler(j));
                std::swap(schluessel[i], schluessel[j]);
            }
        }
    }
}

void loescheEinenSchueler(Klasse &klasse, int nr)
{
    pruefeIndex(nr, 1, kMaxSchueler, "Schueler");
    for (int i = nr; i < kMaxSchueler; ++i) {
        klasse.schueler(i) = klasse.schueler(i + 1);
    }
    klasse.schueler(kMaxSchueler) = Schueler{};
}

void loescheAlleSchueler(Klasse &klasse)
{
    for (int i = 1; i <= kMaxSchueler; ++i) {
        klasse.schueler(i) = Schueler{};
    }
}

bool schuelerVerschieben(Klasse &klasse, int nr, const QString &quellPfad, const QString &zielPfad,
                         Rueckfragen &r, const std::function<bool()> &quelleSpeichern)
{
    if (nr < 1 || nr > klassenGroesse(klasse)) {
        return false;
    }
    const Schueler schueler = klasse.schueler(nr);
    const auto antwort =
        r.frage(Rueckfragen::Art::Frage,
                u"Soll der Schüler/ die Schülerin: "_s + schueler.vorname + u' ' +
                    schueler.nachname + kZeilenumbruch + u" wirklich verschoben werden?"_s,
                Rueckfragen::Knoepfe::JaNein);
    if (antwort != Rueckfragen::Knopf::Ja) {
        return false;
    }
    const auto misslungen = [&r] {
        r.fehler(u"Der Schüler/ die Schülerin konnte nicht verschoben werden!"_s);
        return false;
    };
    // In die eigene Datei verschoben, ginge der Schueler beim naechsten Speichern verloren.
    const QFileInfo quelle(quellPfad);
    const QFileInfo ziel(zielPfad);
    if (quelle.exists() && ziel.exists() &&
        quelle.canonicalFilePath() == ziel.canonicalFilePath()) {
        return misslungen();
    }
    Klasse zielKlasse;
    if (!klassenlisteLesen(zielPfad, zielKlasse, r)) {
        return misslungen();
    }
    const int groesse = klassenGroesse(zielKlasse);
    if (groesse >= kMaxSchueler) {
        return misslungen();
    }
    for (int i = 1; i <= groesse; ++i) {
        const Schueler &s = zielKlasse.schueler(i);
        if (s.nachname == schueler.nachname && s.vorname == schueler.vorname) {
            return misslungen();
        }
    }
    const Klasse zielVorher = zielKlasse;
    zielKlasse.schueler(groesse + 1) = schueler;
    // Die Zielklasse wird ersetzt: ihre bisherige Fassung bleibt als Sicherung.
    if (const QString m = fassungSichern(zielPfad, {}, QDateTime::currentDateTime());
        !m.isEmpty()) {
        r.warnung(m);
    }
    pauseVorNeuschreiben();
    if (!klassenlisteSchreiben(zielPfad, zielKlasse, r)) {
        return misslungen();
    }
    const Klasse quelleVorher = klasse;
    loescheEinenSchueler(klasse, nr);
    if (quelleSpeichern && !quelleSpeichern()) {
        // Die Quelle ist nicht geschrieben: der Schueler bleibt dort, das Ziel wird wie vorher.
        klasse = quelleVorher;
        pauseVorNeuschreiben();
        if (!klassenlisteSchreiben(zielPfad, zielVorher, r)) {
            r.fehler(u"Der Schüler/ die Schülerin steht jetzt auch in der Zielklasse "_s +
                     zielPfad +
                     u", weil die bisherige Klasse nicht gespeichert werden konnte. Bitte dort "
                     u"löschen!"_s);
            return false;
        }
        return misslungen();
    }
    r.information(
        u"Der Schüler/ die Schülerin ist erfolgreich in die Zielklasse verschoben worden."_s);
    return true;
}

bool klassendateiLoeschen(Klasse &klasse, bool klasseOffen, const QString &pfad, Rueckfragen &r)
{
    if (!klasseOffen) {
        r.information(u"Zum Löschen einer Klasse bitte zunächst die Klasse auswählen, "_s +
                      kZeilenumbruch + u"dann die Daten überprüfen und "_s + kZeilenumbruch +
                      u"erst danach nochmals den Befehl zum Löschen aufrufen."_s);
        return false;
    }
    const auto antwort = r.frage(
        Rueckfragen::Art::Frage,
        u"Soll diese Klassendatei mit allen Daten unwiderruflich von der Festplatte gelöscht werden?"_s +
            kZeilenumbruch + u"(Denken Sie an regelmäßige Sicherheitskopien wichtiger Daten!)"_s,
        Rueckfragen::Knoepfe::JaNein);
    if (antwort != Rueckfragen::Knopf::Ja) {
        return false;
    }
    if (!dateiLoeschen(pfad)) {
        r.fehler(u"Die Datei "_s + pfad + u" konnte nicht gelöscht werden!"_s);
        return false;
    }
    klasse = Klasse{};
    r.information(u"Die Klassendatei wurde gelöscht!"_s);
    return true;
}

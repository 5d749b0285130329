#include "settings/konfigtexte.h"

using namespace Qt::StringLiterals;

namespace {
const QString crlf = u"\r\n"_s;
}

namespace KonfigText {

QString hinweis1()
{
    return u"Um die Testfunktionen am heimischen PC auszuprobieren und parallel als Lehrer und als "_s
           u"(virtueller) Schüler zu arbeiten, brauchen Sie unten gar keine Ordnerfestlegung zu "_s
           u"treffen!  Diese wird automatisch konfiguriert, sobald sie diese Meldung schließen und "_s
           u"den \"Go\"-Button drücken! "_s +
           crlf +
           u"Der  Mivo-Zuzovuvavev  kennt den Ordner, in dem das Schülerprogramm   Mivo.exe   liegt "_s
           u"(ein Unterordner Ihres Basisordners) und legt die vier Übergabe-Ordner dort als dessen "_s
           u"Unterordner an (s. unten in den deaktivierten Feldern)."_s;
}

QString hinweis2()
{
    return u"Um diesen einfachen Weg der schulischen Konfiguration zu nutzen, muss der "_s
           u"Systemadministrator bereits das Schüler-Testprogramm  Mivo.exe  auf das gesicherte "_s
           u"Systemlaufwerk C: (in den sogenannten  Mivo-Programm-Ordner) kopiert und die "_s
           u"dazugehörige Konfigurationsdatei  Mivo-cf.txt ausgefüllt haben (s. Bedienungsanleitung)."_s +
           crlf + crlf +
           u"Wenn diese Vorarbeiten erledigt sind, brauchen Sie nur noch den Mivo-Programm-Ordner "_s
           u"einzugeben: Dazu gibt es zwei Möglichkeiten: "_s +
           crlf +
           u"1. Den  Mivo-Programm-Ordner  beim System-Admin erfragen und unten eintragen oder "_s +
           crlf +
           u"2. Den nebenstehenden Button unten rechts \"aussuchen\" betätigen und den Ordner suchen."_s +
           crlf +
           u"Sie erkennen diesen Ordner, indem darin die beiden Dateien Mivo.exe und Mivo-cf.txt liegen. "_s +
           crlf +
           u"Die Übergabe-Ordner werden dann automatisch nach den dort gefundenen Eintragungen festgelegt. "_s +
           crlf + crlf +
           u"Vermutlich wird der Admin den Ordner   \"C:\\Program Files (x86)\\Mivo\"   als "_s
           u"Programm-Ordner gewählt haben. Deshalb startet die Suche auch dort."_s +
           crlf +
           u"Zum Schluss Klicken Sie oben auf den Button \"Go\". Dann werden die Transfer-Ordner "_s
           u"unten sichtbar."_s;
}

QString hinweis3()
{
    return u"Um das Schülerprogramm  Mivo  selbstständig und ohne Vorarbeit durch den "_s
           u"Systemadministrator zu installieren, füllen Sie nacheinander die unten stehenden Felder aus."_s +
           crlf + crlf +
           u"a) Mivo-Programm-Ordner: ein Ordner auf einem Netzlaufwerk, in dem die Schüler nur "_s
           u"Leserechte haben, z. B. \"T:\\Schulweiter Tausch\\Mivo\"."_s +
           crlf +
           u"b) Ausgabe-Ordner: ein Ordner, in dem die Schüler Leserechte haben, z. B. "_s
           u"\"T:\\Schulweiter Tausch\\\"."_s +
           crlf +
           u"c) Abgabe-Ordner: ein Ordner, in dem die Schüler Lese- und Schreibrechte haben, z. B. "_s
           u"\"Q:\\ \"."_s +
           crlf +
           u"d) Rueckgabe-Ordner: ein Ordner mit Leserechten für die Schüler; er wird mit dem "_s
           u"Ausgabe-Ordner vorbelegt:"_s +
           crlf + u"      >>> Rueckgabe-Ordner = Ausgabe-Ordner. "_s + crlf +
           u"e) Schueler-Ordner: das persönliche Laufwerk der Schüler. Erfragen Sie es beim "_s
           u"Systemadministrator, häufig ist es \"H:\\Dokumente\". Es lässt sich nicht aussuchen, "_s
           u"weil Sie als Lehrkraft diesen Ordner nicht sehen können."_s;
}

QString transferHinweis()
{
    return u"Wundern Sie sich nicht, wenn Sie in diesem Transfer-Ordner niemals eine Datei finden werden:"_s +
           crlf +
           u"Der Transfer-Ordner dient wirklich nur zur Übergabe zwischen dem Schülerprogramm (Mivo) "_s
           u"und dem Lehrerprogramm (Mivo-Zuzovuvavev). "_s +
           crlf + u"Die Tests liegen dort maximal 1 Sekunde lang."_s;
}

QString probelaufFrage()
{
    return u"Die Konfiguration zum parallelen Aufruf von Schüler- und Lehrerprogramm an einem PC ist "_s
           u"jetzt abgeschlossen."_s +
           crlf + u"Ein Beispieltest und 2 Beispielklassen wurden bereit gestellt."_s + crlf +
           crlf +
           u"Wenn Sie jetzt einen Probelauf zur Testdurchführung am heimischen PC durchführen möchten "_s
           u"(ca. 10 Min.), so können sie zuvor die 4-seitige Bildanleitung  ' "_s
           u"Mivo-Probetestlauf-Anleitung.doc'  ausdrucken, um eine Schritt-für-Schritt-Anleitung in "_s
           u"den Händen zu haben. Schließlich sind dabei gleich zwei Programme kennen zu lernen: Das "_s
           u"Lehrerprogramm und (sozusagen als 'virtueller Schüler') das Schülertestprogramm! "_s +
           crlf + crlf + u"Klicken Sie einen der folgenden Buttons:"_s + crlf +
           u"   - Ja:\t\tÖffnet die Bildanleitung und startet dann den Probetestdurchlauf:"_s +
           crlf + u"\t\tDrucken Sie mit dem Menübefehl 'Datei > Drucken' die "_s + crlf +
           u"\t\tBildanleitung aus."_s + crlf +
           u"\t\tWenn Sie dann das Anzeigeprogramm schließen, startet der "_s + crlf +
           u"\t\tProbetestdurchlauf."_s + crlf +
           u"   - Nein:\t\tStartet den Probetestdurchlauf ohne Öffnen/Drucken der Anleitung."_s +
           crlf + u"   - Abbrechen:\tFührt keinen Probetestdurchlauf durch."_s;
}

QString probelaufAnleitung()
{
    return u"1. Im Lehrerprogramm:"_s + crlf +
           u"    - In der Testauswahl den Beispieltest  7xP1Bspl  wählen,"_s + crlf +
           u"    - auf 'Durchführung beginnen' klicken und die weiteren Fragen mit 'ja' beantworten."_s +
           crlf + crlf + u"2. Im Schülerprogramm (mit <Alt><Tab> dorthin wechseln):"_s + crlf +
           u"    - auf 'Test holen und bearbeiten' klicken,"_s + crlf +
           u"    - die Klasse '7x' über die Tastatur eingeben,"_s + crlf +
           u"    - sich als (virtueller) Schüler der Beispielklasse anmelden, z. B. als  Lena Albrecht,"_s +
           crlf +
           u"    - den Beispieltest zur Unfallverhütung bearbeiten: mit der Pfeiltaste von Frage zu Frage "_s
           u"gehen und bei jeder richtigen Antwort die Taste 'x' drücken,"_s +
           crlf + u"    - den Test speichern und abgeben."_s + crlf + crlf +
           u"Danach kehrt das Schülerprogramm zum Lehrerprogramm zurück. Dort auf 'Benoten' klicken."_s;
}

QString probelaufStart()
{
    return u"Wenn Sie unten auf  <Ok>  klicken, öffnet sich automatisch das Schülertestprogramm  Mivo. "_s
           u"Nach wenigen Sekunden überdeckt allerdings Ihr Lehrerprogramm (Zuzovuvavev) wieder das "_s
           u"Schülerprogramm. "_s +
           crlf + crlf +
           u"Mit der Tastenkombination  <Alt><Tab>  schalten Sie ganz bequem zwischen diesen beiden "_s
           u"Programm hin und her: "_s +
           crlf + u"  - Halten Sie mit dem linken Daumen die <Alt>-Taste gedrückt, "_s + crlf +
           u"  - Drücken Sie mit dem Zeigefinger einmal kurz die Tabulator-Taste und "_s + crlf +
           u"  - Lassen Sie dann die <Alt>-Taste wieder los."_s + crlf + QString(95, u'-') + crlf +
           crlf + u"Dann geht es los:"_s + crlf + crlf + probelaufAnleitung();
}

QString probelaufGut()
{
    return u"Gut! Hier nochmal der Ablauf des virtuellen Probelaufs (besser auf der ausgedruckten "_s
           u"bebilderten Anleitung verfolgen):"_s +
           crlf + crlf + probelaufAnleitung();
}

QString installation3Fertig()
{
    return u"Die selbstständige Installation des Schülerprogramms  Mivo  ist jetzt abgeschlossen."_s +
           crlf + crlf +
           u"Damit sind Sie - in Bezug auf ihre Mivo-Installation - in gewissem Sinne ein/e "_s
           u"'Systemadministrator/in'! Sie können den von Ihnen festgelegten Mivo-Programmordner im "_s
           u"Kollegium weiter geben. "_s +
           crlf +
           u"Die anderen Kolleginnen und Kollegen brauchen bei ihrer Konfiguration dann nur noch die  "_s
           u"Option 2  zu wählen (Konfiguration des Systemadministrators nutzen), indem sie 'Ihren' "_s
           u"Mivo-Programmordner verwenden. Die Mehrfachbenutzung derselben Transferordner durch "_s
           u"mehrere Kolleginnen und Kollegen ist ohne Probleme möglich."_s +
           crlf + crlf +
           u"Wenn Sie diese Konfiguration irgendwann abwählen sollten, können Sie diese später "_s
           u"wiederherstellen, indem Sie selbst auch über die Konfiguration 2 einfach den jetzt "_s
           u"gewählten  Mivo-Programm-Ordner eingeben."_s;
}

QString okOhneGo()
{
    return u"Die Konfiguration wird erst abgeschlossen, wenn Sie rechts den passenden  Go-Button  "_s
           u"angeklickt haben und die zugehörige Speicherbestätigung leuchtet."_s +
           crlf + crlf + u"Möchten Sie die Konfiguration abbrechen?"_s;
}

QString ordnerNichtGefunden()
{
    return u"Der Mivo-Programm-Ordner wurde nicht gefunden. Eventuell haben Sie das gesamte "_s
           u"Programmpaket (Basisordner) auf einen anderen Rechner übertragen. Es wird daher die "_s
           u"Grundkonfiguration 1 (Testfunktionen am heimischen PC) eingestellt. Bitte konfigurieren "_s
           u"Sie erneut."_s;
}

QString nochKeineKonfiguration()
{
    return u"Für die Testfunktionen ist noch kein Mivo-Programm-Ordner eingestellt. Es wird daher "_s
           u"die Grundkonfiguration 1 (Testfunktionen am heimischen PC) eingestellt. Für die "_s
           u"Testdurchführung im Schulnetz bitte die Konfiguration 2 oder 3 wählen."_s;
}

QString anfangsKonfGespeichert()
{
    return u"Die Anfangskonfiguration wurde erfolgreich gespeichert."_s + crlf + crlf +
           u"Wenn Sie auch die  '2. Konfiguration zur Testdurchführung'  erstellen, können Sie (auch "_s
           u"schon am heimischen PC) eine Testdurchführung probeweise parallel als Lehrer und als "_s
           u"'virtueller Schüler' durchführen!"_s;
}

} // namespace KonfigText
